// Shared machinery of the two keyed map containers: an ordered map of owned
// value blocks guarded by a lock made of an auto-reset event.
//
// Copy policy: a copy shares the value blocks with its source (each block is
// freed once, when the last container holding it lets go), copies the closing
// flag and gets a lock of its own.
#pragma once

#include "util/AutoResetEvent.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace velmar::detail {

// One value block allocated by the caller with new[]; freed with delete[]
// unless ownership was handed back.
class OwnedBlock {
public:
    explicit OwnedBlock(std::uint8_t* p) : m_p(p) {}
    ~OwnedBlock() { delete[] m_p; }
    OwnedBlock(const OwnedBlock&) = delete;
    OwnedBlock& operator=(const OwnedBlock&) = delete;
    std::uint8_t* Get() const { return m_p; }
    void Release() { m_p = nullptr; }

private:
    std::uint8_t* m_p;
};

// The lock: an event that starts free, a time-out (-1: no limit) and the
// "held" flag.
class EventLock {
public:
    EventLock() : m_event(std::make_unique<CAutoResetEvent>(false)) { m_event->Set(); }
    void Take();
    void GiveBack();
    void WaitOnce(); // destruction's final wait
    bool Held() const { return m_bHeld; }

private:
    std::unique_ptr<CAutoResetEvent> m_event;
    int m_nTimeout = -1;
    std::atomic<bool> m_bHeld{false};
};

// Takes the lock for a scope and gives it back on every path.
class LockScope {
public:
    explicit LockScope(EventLock& lock) : m_lock(lock) { m_lock.Take(); }
    ~LockScope() { m_lock.GiveBack(); }
    LockScope(const LockScope&) = delete;
    LockScope& operator=(const LockScope&) = delete;

private:
    EventLock& m_lock;
};

template <class Key> class MapListBase {
public:
    using Value = std::uint8_t*;
    using Callback = std::function<int(Value)>;

    MapListBase() = default;
    MapListBase(const MapListBase& other)
        : m_map(other.m_map), m_bClosing(other.m_bClosing.load()) {}
    MapListBase& operator=(const MapListBase& other) {
        if (this != &other) {
            LockScope scope(m_lock);
            m_map = other.m_map;
            m_bClosing = other.m_bClosing.load();
        }
        return *this;
    }
    virtual ~MapListBase() = default;

    unsigned TotalListSize() const { return static_cast<unsigned>(m_map.size()); }
    bool IsEmpty() const { return m_map.empty(); }
    void DebugAllListID() const {
        for ([[maybe_unused]] const auto& pair : m_map) {
        }
    }
    int ClearAllListUnsafety() {
        m_map.clear();
        return 1;
    }

protected:
    using Entry = std::shared_ptr<OwnedBlock>;

    // Insert with policy: keep the present value (Add), replace and free it
    // (AddSafety), or replace without freeing (Update).
    enum class OnPresent { Keep, Free, HandBack };

    int Store(const Key& key, Value value, OnPresent onPresent) {
        LockScope scope(m_lock);
        auto it = m_map.find(key);
        if (it == m_map.end()) {
            m_map.emplace(key, std::make_shared<OwnedBlock>(value));
            return 1;
        }
        if (onPresent == OnPresent::Keep)
            return 1;
        if (onPresent == OnPresent::HandBack && it->second.use_count() == 1)
            it->second->Release();
        it->second = std::make_shared<OwnedBlock>(value);
        return 1;
    }

    int RemoveKey(const Key& key) {
        if (m_bClosing)
            return -2;
        // The emptiness test reads the map, so it belongs under the lock too.
        LockScope scope(m_lock);
        if (m_map.empty())
            return -3;
        return m_map.erase(key) ? 1 : -2;
    }

    Value Search(const Key& key) {
        if (m_bClosing)
            return nullptr;
        LockScope scope(m_lock);
        const auto it = m_map.find(key);
        return it == m_map.end() ? nullptr : it->second->Get();
    }

    template <class Match> Value SearchBy(const Callback& callback, Match match) {
        if (m_bClosing || !callback)
            return nullptr;
        LockScope scope(m_lock);
        for (const auto& [key, entry] : m_map)
            if (match(callback(entry->Get())))
                return entry->Get();
        return nullptr;
    }

    Value NextOf(const Key* key) const {
        if (m_bClosing)
            return nullptr;
        if (!key)
            return m_map.empty() ? nullptr : m_map.begin()->second->Get();
        auto it = m_map.find(*key);
        if (it == m_map.end() || ++it == m_map.end())
            return nullptr;
        return it->second->Get();
    }

    Value PrevOf(const Key* key) const {
        if (!key)
            return m_map.empty() ? nullptr : m_map.rbegin()->second->Get();
        auto it = m_map.find(*key);
        if (it == m_map.end() || it == m_map.begin())
            return nullptr;
        return std::prev(it)->second->Get();
    }

    void Close() {
        m_bClosing = true;
        ClearAllListUnsafety();
        m_lock.WaitOnce();
    }

    EventLock m_lock;
    std::map<Key, Entry> m_map;
    std::atomic<bool> m_bClosing{false};
};

} // namespace velmar::detail
