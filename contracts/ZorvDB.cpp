#include "contracts/ZorvDB.h"

#include <cstring>
#include <limits>
#include <utility>

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
    else
        Renew(*t); // the key may have named a row deleted before
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

void* CZorvDB::GetRow(std::uint8_t table, std::uint32_t key) {
    return const_cast<void*>(std::as_const(*this).GetRow(table, key));
}

const void* CZorvDB::GetRow(std::uint8_t table, std::uint32_t key) const {
    const Table* t = Find(table);
    if (!t)
        return nullptr;
    const auto it = t->byKey.find(key);
    return it == t->byKey.end() ? nullptr : it->second->record.get();
}

void* CZorvDB::Next(std::uint8_t table, std::uint32_t key) {
    return const_cast<void*>(std::as_const(*this).Next(table, key));
}

const void* CZorvDB::Next(std::uint8_t table, std::uint32_t key) const {
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
    if (Table* t = Find(table)) {
        *t = Table{};
        Renew(*t);
    }
}

void CZorvDB::ClearAll() {
    for (std::uint8_t i = 0; i < kTableCount; ++i)
        Clear(i);
}

CZorvDB& TheZorvDB() {
    static CZorvDB store;
    return store;
}

std::vector<std::uint32_t> CZorvDB::Keys(std::uint8_t table) const {
    std::vector<std::uint32_t> keys;
    if (const Table* t = Find(table)) {
        keys.reserve(t->rows.size());
        for (const Row& r : t->rows)
            keys.push_back(r.key);
    }
    return keys;
}

std::size_t CZorvDB::RowBytes(std::uint8_t table, std::uint32_t key) const {
    return RecordBytes(GetRow(table, key));
}

std::uint32_t CZorvDB::HighestKey(std::uint8_t table) const {
    const Table* t = Find(table);
    return t ? t->highestKey : 0;
}

std::uint64_t CZorvDB::KeyGeneration(std::uint8_t table) const {
    const Table* t = Find(table);
    return t ? t->generation : 0;
}

CTableSnapshot CZorvDB::Snapshot(std::uint8_t table) const {
    return Snapshot(table, CTableSnapshot{});
}

CTableSnapshot CZorvDB::Snapshot(std::uint8_t table, const CTableSnapshot& basis) const {
    CTableSnapshot out;
    const Table* t = Find(table);
    if (!t)
        return out;
    out.m_bValid = true;
    out.m_table = table;
    out.m_highestKey = t->highestKey;
    out.m_rows.reserve(t->rows.size());
    // Most edits keep rows where they were, so the row at the same position
    // is tried first; rows that moved are found by their content's hash.
    const auto& old = basis.m_rows;
    std::unordered_multimap<std::uint64_t, std::size_t> byHash;
    bool indexed = false;
    std::size_t i = 0;
    for (const Row& r : t->rows) {
        const std::span<const std::byte> bytes(static_cast<const std::byte*>(r.record.get()),
                                               RecordBytes(r.record.get()));
        CTableSnapshot::Row row;
        row.key = r.key;
        row.size = static_cast<std::uint32_t>(bytes.size());
        const CTableSnapshot::Row* same = nullptr;
        if (i < old.size() && old[i].size == row.size &&
            SameRowContent(bytes, {old[i].bytes.get(), old[i].size}))
            same = &old[i];
        if (!same) {
            row.hash = HashRowContent(bytes);
            if (!old.empty() && !indexed) {
                byHash.reserve(old.size());
                for (std::size_t k = 0; k < old.size(); ++k)
                    byHash.emplace(old[k].hash, k);
                indexed = true;
            }
            const auto [first, last] = byHash.equal_range(row.hash);
            for (auto it = first; it != last && !same; ++it) {
                const auto& candidate = old[it->second];
                if (candidate.size == row.size &&
                    SameRowContent(bytes, {candidate.bytes.get(), candidate.size}))
                    same = &candidate;
            }
        }
        if (same) {
            row.hash = same->hash;
            row.bytes = same->bytes;
        } else {
            auto copy = std::make_shared_for_overwrite<std::byte[]>(bytes.size());
            std::memcpy(copy.get(), bytes.data(), bytes.size());
            row.bytes = std::move(copy);
            out.m_freshBytes += bytes.size() + CTableSnapshot::kRowOverhead;
        }
        out.m_rows.push_back(std::move(row));
        ++i;
    }
    return out;
}

bool CZorvDB::Restore(const CTableSnapshot& snapshot) {
    Table* t = Find(snapshot.m_table);
    if (!t || !snapshot.m_bValid)
        return false;
    Clear(snapshot.m_table);
    for (const CTableSnapshot::Row& row : snapshot.m_rows) {
        void* record = AllocRecordBytes(row.size);
        std::memcpy(record, row.bytes.get(), row.size);
        Add(snapshot.m_table, row.key, record);
    }
    t->highestKey = snapshot.m_highestKey;
    return true;
}
