#include "contracts/ZorvDB.h"

#include "contracts/RecordArena.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

// The journal being written, and the rows it has noted already: a row is
// noted once an edit, at its first hand-out for writing or when added.
struct CZorvDB::OpenJournal {
    Journal journal;
    std::array<std::unordered_set<std::uint32_t>, kTableCount> noted;
};

CZorvDB::CZorvDB() = default;
CZorvDB::~CZorvDB() = default;
CZorvDB::Journal::~Journal() = default;

CZorvDB::Table* CZorvDB::Find(std::uint8_t table) {
    return table < kTableCount ? &m_tables[table] : nullptr;
}

const CZorvDB::Table* CZorvDB::Find(std::uint8_t table) const {
    return table < kTableCount ? &m_tables[table] : nullptr;
}

int CZorvDB::Add(std::uint8_t table, std::uint32_t key, void* row) {
    std::unique_ptr<void, RecordDeleter> owned(row);
    Table* t = Find(table);
    if (!t || !owned || key == 0)
        return 0;
    // One look-up: the key's slot is taken first and filled once the row is in.
    const auto [slot, fresh] = t->byKey.try_emplace(key);
    if (!fresh)
        return 0;
    try {
        // Every record starts with its key; keeping that true here means no
        // walk over a table (Next from each row's Index) can ever loop.
        std::memcpy(owned.get(), &key, sizeof key);
        if (m_pOpen) {
            Journal::Entry e;
            e.kind = Journal::Kind::Added;
            e.table = table;
            e.key = key;
            e.highestKey = t->highestKey;
            e.generation = t->generation;
            e.bytes = RecordBytes(owned.get());
            m_pOpen->journal.m_entries.push_back(std::move(e));
            m_pOpen->noted[table].insert(key);
        }
        t->rows.push_back(Row{key, std::move(owned)});
    } catch (...) {
        t->byKey.erase(slot);
        throw;
    }
    slot->second = std::prev(t->rows.end());
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
    if (m_pOpen) {
        Table* t = Find(table);
        if (!t)
            return nullptr;
        const auto it = t->byKey.find(key);
        if (it == t->byKey.end())
            return nullptr;
        NoteWrite(table, *it->second);
        return it->second->record.get();
    }
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
    void* row = const_cast<void*>(std::as_const(*this).Next(table, key));
    if (row && m_pOpen) {
        std::uint32_t rowKey = 0;
        std::memcpy(&rowKey, row, sizeof rowKey); // every record starts with its key
        const Table* t = Find(table);
        if (const auto it = t->byKey.find(rowKey); it != t->byKey.end())
            NoteWrite(table, *it->second);
    }
    return row;
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
    if (m_pOpen) {
        Journal::Entry e;
        e.kind = Journal::Kind::Removed;
        e.table = table;
        e.key = key;
        e.prevKey = it->second == t->rows.begin() ? 0 : std::prev(it->second)->key;
        e.highestKey = t->highestKey;
        e.generation = t->generation;
        e.bytes = RecordBytes(it->second->record.get());
        e.record = std::move(it->second->record);
        m_pOpen->journal.m_entries.push_back(std::move(e));
    }
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
        if (m_pOpen) {
            Journal::Entry e;
            e.kind = Journal::Kind::Cleared;
            e.table = table;
            e.highestKey = t->highestKey;
            e.generation = t->generation;
            for (const Row& r : t->rows)
                e.bytes += RecordBytes(r.record.get());
            e.rowCount = t->rows.size();
            e.rows = std::move(t->rows);
            m_pOpen->journal.m_entries.push_back(std::move(e));
        }
        *t = Table{};
        Renew(*t);
    }
}

void CZorvDB::Swap(CZorvDB& other) noexcept {
    if (!m_pOpen) {
        m_tables.swap(other.m_tables);
        return;
    }
    // The rows going to `other` are copied for the journal, then the
    // tables that came are noted as filled from empty.
    for (std::uint8_t table = 0; table < kTableCount; ++table) {
        Table& t = m_tables[table];
        Journal::Entry e;
        e.kind = Journal::Kind::Cleared;
        e.table = table;
        e.highestKey = t.highestKey;
        e.generation = t.generation;
        e.rowCount = t.rows.size();
        for (const Row& r : t.rows) {
            const std::size_t size = RecordBytes(r.record.get());
            std::unique_ptr<void, RecordDeleter> copy(AllocRecordStorage(size));
            std::memcpy(copy.get(), r.record.get(), size);
            e.rows.push_back(Row{r.key, std::move(copy)});
            e.bytes += size;
        }
        m_pOpen->journal.m_entries.push_back(std::move(e));
    }
    m_tables.swap(other.m_tables);
    for (std::uint8_t table = 0; table < kTableCount; ++table) {
        Table& t = m_tables[table];
        Journal::Entry e;
        e.kind = Journal::Kind::Filled;
        e.table = table;
        e.generation = t.generation;
        e.rowCount = t.rows.size();
        for (const Row& r : t.rows) {
            e.bytes += RecordBytes(r.record.get());
            m_pOpen->noted[table].insert(r.key);
        }
        m_pOpen->journal.m_entries.push_back(std::move(e));
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
        void* record = AllocRecordStorage(row.size);
        std::memcpy(record, row.bytes.get(), row.size);
        Add(snapshot.m_table, row.key, record);
    }
    if (m_pOpen && t->highestKey != snapshot.m_highestKey) {
        Journal::Entry e;
        e.kind = Journal::Kind::Counter;
        e.table = snapshot.m_table;
        e.highestKey = t->highestKey;
        e.generation = t->generation;
        m_pOpen->journal.m_entries.push_back(std::move(e));
    }
    t->highestKey = snapshot.m_highestKey;
    return true;
}

std::uint32_t CZorvDB::LastKey(std::uint8_t table) const {
    const Table* t = Find(table);
    return t && !t->rows.empty() ? t->rows.back().key : 0;
}

// ---- Change journal ------------------------------------------------------------------

void CZorvDB::NoteWrite(std::uint8_t table, const Row& row) {
    if (!m_pOpen->noted[table].insert(row.key).second)
        return;
    const std::size_t size = RecordBytes(row.record.get());
    Journal::Entry e;
    e.kind = Journal::Kind::Wrote;
    e.table = table;
    e.key = row.key;
    e.bytes = size;
    e.record.reset(AllocRecordStorage(size));
    std::memcpy(e.record.get(), row.record.get(), size);
    m_pOpen->journal.m_entries.push_back(std::move(e));
}

void CZorvDB::SetCounters(Table& t, std::uint32_t highestKey, std::uint64_t generation) {
    t.highestKey = highestKey;
    // Keys held from the state being left may not name the same rows in
    // the one put back: when the change had renewed the keys, they count as
    // renewed again.
    if (t.generation != generation)
        Renew(t);
}

bool CZorvDB::BeginJournal() {
    if (m_pOpen)
        return false;
    m_pOpen = std::make_unique<OpenJournal>();
    return true;
}

CZorvDB::Journal CZorvDB::EndJournal() {
    if (!m_pOpen)
        return {};
    Journal out = std::move(m_pOpen->journal);
    m_pOpen.reset();
    // A noted row whose bytes are as they were, and that no later change
    // removed or replaced, changed nothing: walk back from the newest
    // change, knowing which rows were reshaped after each entry.
    auto& entries = out.m_entries;
    std::array<std::unordered_set<std::uint32_t>, kTableCount> reshapedLater;
    std::array<bool, kTableCount> clearedLater{};
    std::vector<bool> drop(entries.size(), false);
    for (std::size_t i = entries.size(); i-- > 0;) {
        const Journal::Entry& e = entries[i];
        switch (e.kind) {
        case Journal::Kind::Wrote: {
            if (clearedLater[e.table] || reshapedLater[e.table].contains(e.key))
                break;
            const void* now = std::as_const(*this).GetRow(e.table, e.key);
            drop[i] = now && RecordBytes(now) == e.bytes &&
                      std::memcmp(now, e.record.get(), e.bytes) == 0;
            break;
        }
        case Journal::Kind::Added:
        case Journal::Kind::Removed:
            reshapedLater[e.table].insert(e.key);
            break;
        case Journal::Kind::Cleared:
        case Journal::Kind::Filled:
            clearedLater[e.table] = true;
            break;
        case Journal::Kind::Counter:
            break;
        }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (!drop[i]) {
            if (kept != i) // a list moved onto itself would lose its rows
                entries[kept] = std::move(entries[i]);
            ++kept;
        }
    entries.resize(kept);
    return out;
}

CZorvDB::Journal CZorvDB::Revert(Journal&& journal) {
    Journal in = std::move(journal);
    Journal out;
    out.m_entries.reserve(in.m_entries.size());
    using Kind = Journal::Kind;
    for (std::size_t i = in.m_entries.size(); i-- > 0;) {
        Journal::Entry& e = in.m_entries[i];
        Table* t = Find(e.table);
        if (!t)
            continue;
        Journal::Entry back;
        back.table = e.table;
        back.key = e.key;
        back.bytes = e.bytes;
        back.highestKey = t->highestKey;
        back.generation = t->generation;
        switch (e.kind) {
        case Kind::Wrote: {
            const auto it = t->byKey.find(e.key);
            if (it == t->byKey.end() || RecordBytes(it->second->record.get()) != e.bytes)
                continue;
            // The noted bytes go back and the row's bytes are kept for redo.
            auto* row = static_cast<std::byte*>(it->second->record.get());
            std::swap_ranges(row, row + e.bytes, static_cast<std::byte*>(e.record.get()));
            back.kind = Kind::Wrote;
            back.record = std::move(e.record);
            break;
        }
        case Kind::Added: {
            const auto it = t->byKey.find(e.key);
            if (it == t->byKey.end())
                continue;
            back.kind = Kind::Removed;
            back.prevKey = it->second == t->rows.begin() ? 0 : std::prev(it->second)->key;
            back.record = std::move(it->second->record);
            t->rows.erase(it->second);
            t->byKey.erase(it);
            SetCounters(*t, e.highestKey, e.generation);
            break;
        }
        case Kind::Removed: {
            if (t->byKey.contains(e.key))
                continue;
            auto at = t->rows.begin();
            if (e.prevKey != 0) {
                const auto prev = t->byKey.find(e.prevKey);
                at = prev == t->byKey.end() ? t->rows.end() : std::next(prev->second);
            }
            const auto row = t->rows.insert(at, Row{e.key, std::move(e.record)});
            t->byKey.emplace(e.key, row);
            back.kind = Kind::Added;
            SetCounters(*t, e.highestKey, e.generation);
            break;
        }
        case Kind::Cleared: {
            t->rows = std::move(e.rows);
            t->byKey.clear();
            t->byKey.reserve(t->rows.size());
            for (auto it = t->rows.begin(); it != t->rows.end(); ++it)
                t->byKey.emplace(it->key, it);
            back.kind = Kind::Filled;
            back.rowCount = t->rows.size();
            SetCounters(*t, e.highestKey, e.generation);
            break;
        }
        case Kind::Filled:
            back.kind = Kind::Cleared;
            back.rowCount = t->rows.size();
            back.rows = std::move(t->rows);
            t->rows.clear();
            t->byKey.clear();
            SetCounters(*t, e.highestKey, e.generation);
            break;
        case Kind::Counter:
            back.kind = Kind::Counter;
            SetCounters(*t, e.highestKey, e.generation);
            break;
        }
        out.m_entries.push_back(std::move(back));
    }
    return out;
}

TableMask CZorvDB::Journal::Tables() const {
    TableMask mask = 0;
    for (const Entry& e : m_entries)
        mask |= TableBit(e.table);
    return mask;
}

TableMask CZorvDB::Journal::ReshapedTables() const {
    TableMask mask = 0;
    for (const Entry& e : m_entries)
        if (e.kind != Kind::Wrote)
            mask |= TableBit(e.table);
    return mask;
}

std::size_t CZorvDB::Journal::ByteSize() const {
    std::size_t total = sizeof *this + m_entries.capacity() * sizeof(Entry);
    for (const Entry& e : m_entries) {
        total += e.bytes + kEntryOverhead;
        total += e.rowCount * (sizeof(Row) + kEntryOverhead);
    }
    return total;
}

void CZorvDB::Journal::Forget(TableMask tables) {
    std::erase_if(m_entries,
                  [tables](const Entry& e) { return (tables & TableBit(e.table)) != 0; });
}
