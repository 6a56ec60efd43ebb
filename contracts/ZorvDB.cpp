#include "contracts/ZorvDB.h"

#include <cstring>
#include <limits>

CZorvDB::Table* CZorvDB::Find(std::uint8_t table) {
    return table < kTableCount ? &m_tables[table] : nullptr;
}

const CZorvDB::Table* CZorvDB::Find(std::uint8_t table) const {
    return table < kTableCount ? &m_tables[table] : nullptr;
}

int CZorvDB::Add(std::uint8_t table, std::uint32_t key, void* row) {
    std::unique_ptr<void, RecordDeleter> owned(row);
    Table* t = Find(table);
    if (!t || !owned || key == 0 || t->byKey.contains(key))
        return 0;
    // Every record starts with its key; keeping that true here means no walk
    // over a table (Next from each row's Index) can ever loop.
    std::memcpy(owned.get(), &key, sizeof key);
    t->rows.push_back(Row{key, std::move(owned)});
    t->byKey.emplace(key, std::prev(t->rows.end()));
    if (key > t->highestKey)
        t->highestKey = key;
    return 1;
}

std::uint32_t CZorvDB::FreshKey(const Table& t) {
    // Keys are handed back as int, so stay in its positive range.
    constexpr std::uint32_t kLimit = std::numeric_limits<int>::max();
    if (t.highestKey < kLimit)
        return t.highestKey + 1;
    for (std::uint32_t key = 1; key < kLimit; ++key)
        if (!t.byKey.contains(key))
            return key;
    return 0;
}

int CZorvDB::Add(std::uint8_t table, void* row) {
    std::unique_ptr<void, RecordDeleter> owned(row);
    const Table* t = Find(table);
    if (!t || !owned)
        return 0;
    const std::uint32_t key = FreshKey(*t);
    if (key == 0)
        return 0;
    Add(table, key, owned.release());
    return static_cast<int>(key);
}

void* CZorvDB::GetRow(std::uint8_t table, std::uint32_t key) const {
    const Table* t = Find(table);
    if (!t)
        return nullptr;
    const auto it = t->byKey.find(key);
    return it == t->byKey.end() ? nullptr : it->second->record.get();
}

void* CZorvDB::Next(std::uint8_t table, std::uint32_t key) const {
    const Table* t = Find(table);
    if (!t)
        return nullptr;
    if (key == 0)
        return t->rows.empty() ? nullptr : t->rows.front().record.get();
    const auto it = t->byKey.find(key);
    if (it == t->byKey.end())
        return nullptr;
    const auto next = std::next(it->second);
    return next == t->rows.end() ? nullptr : next->record.get();
}

int CZorvDB::Delete(std::uint8_t table, std::uint32_t key) {
    Table* t = Find(table);
    if (!t)
        return 0;
    const auto it = t->byKey.find(key);
    if (it == t->byKey.end())
        return 0;
    t->rows.erase(it->second);
    t->byKey.erase(it);
    return 1;
}

std::uint32_t CZorvDB::Size(std::uint8_t table) const {
    const Table* t = Find(table);
    return t ? static_cast<std::uint32_t>(t->rows.size()) : 0;
}

void CZorvDB::Clear(std::uint8_t table) {
    if (Table* t = Find(table))
        *t = Table{};
}

void CZorvDB::ClearAll() {
    for (std::uint8_t i = 0; i < kTableCount; ++i)
        Clear(i);
}

CZorvDB& TheZorvDB() {
    static CZorvDB store;
    return store;
}
