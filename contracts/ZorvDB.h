// The keyed table store: eight tables of records, each kept in insertion
// order and looked up by a 32-bit key. The store owns every row handed to Add.
// Beyond the record-pointer contract it offers typed ranges over a table,
// const access, snapshots of a table, and a change journal for undo: while a
// journal is open the store notes what each change replaced, so an edit can
// be taken back (and done again) at the cost of what it changed.
#pragma once

#include "contracts/RecordMemory.h"
#include "contracts/TableSnapshot.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <list>
#include <memory>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>
#include <vector>

enum ZorvTable : std::uint8_t {
    kTableSatellite = 0,
    kTableTerrestrialMux = 1,
    kTableCableMux = 2,
    kTableBroadcast = 3,
    kTableTransponder = 4,
    kTableChannel = 5,
    kTableFavorite = 6,
    kTableScratch = 7,
};

// A set of tables, bit t for table t.
using TableMask = std::uint8_t;
constexpr TableMask TableBit(std::uint8_t table) {
    return static_cast<TableMask>(1u << table);
}
inline constexpr TableMask kAllTables = 0xFF;

class CZorvDB {
    struct Row;

public:
    static constexpr int kTableCount = 8;
    class Journal;

    // The rows of one table in order as records of type T. Adding rows while
    // iterating is fine; deleting the row under the iterator is not (collect
    // keys first, or use the Next idiom).
    template <class T, class ListIt> class RowRange {
    public:
        class iterator {
        public:
            using iterator_category = std::forward_iterator_tag;
            using value_type = std::remove_const_t<T>;
            using difference_type = std::ptrdiff_t;
            using pointer = T*;
            using reference = T&;

            iterator() = default;
            explicit iterator(ListIt it, CZorvDB* db = nullptr, std::uint8_t table = 0)
                : m_it(it), m_db(db), m_table(table) {}
            T& operator*() const { return *Record(); }
            T* operator->() const { return Record(); }
            iterator& operator++() {
                ++m_it;
                return *this;
            }
            iterator operator++(int) {
                iterator was = *this;
                ++m_it;
                return was;
            }
            bool operator==(const iterator& other) const { return m_it == other.m_it; }

        private:
            T* Record() const {
                // A row handed out for writing is noted before it can change.
                if constexpr (!std::is_const_v<T>)
                    if (m_db && m_db->m_pOpen)
                        m_db->NoteWrite(m_table, *m_it);
                return static_cast<T*>(m_it->record.get());
            }

            ListIt m_it{};
            CZorvDB* m_db = nullptr;
            std::uint8_t m_table = 0;
        };

        RowRange() = default;
        RowRange(ListIt first, ListIt last, CZorvDB* db = nullptr, std::uint8_t table = 0)
            : m_first(first), m_last(last), m_db(db), m_table(table) {}
        iterator begin() const { return iterator(m_first, m_db, m_table); }
        iterator end() const { return iterator(m_last, m_db, m_table); }
        bool empty() const { return m_first == m_last; }

    private:
        ListIt m_first{}, m_last{};
        CZorvDB* m_db = nullptr;
        std::uint8_t m_table = 0;
    };

    CZorvDB();
    ~CZorvDB();
    CZorvDB(const CZorvDB&) = delete;
    CZorvDB& operator=(const CZorvDB&) = delete;

    // Inserts `row` under `key` at the end of the table and writes `key` into
    // the row's first field (a u32 in every record); 1 on success. The
    // store takes the row in every case: on failure (key 0, key present, bad
    // table, null row) it is freed at once and 0 is returned.
    int Add(std::uint8_t table, std::uint32_t key, void* row);
    // Inserts at the end under a new key, unique in the table, and returns
    // it (0 on failure, the row then freed). The caller writes the key into
    // the row's first field.
    int Add(std::uint8_t table, void* row);

    // Takes the row by reference so that `Add(t, row->Index, std::move(row))`
    // reads the key before ownership moves.
    template <class T> int Add(std::uint8_t table, std::uint32_t key, RecordPtr<T>&& row) {
        return Add(table, key, static_cast<void*>(row.release()));
    }
    // Keyless add that also stores the new key in the record's Index.
    template <class T> int AddIndexed(std::uint8_t table, RecordPtr<T>&& row) {
        T* raw = row.get();
        const int key = Add(table, static_cast<void*>(row.release()));
        if (key != 0)
            raw->Index = static_cast<std::uint32_t>(key);
        return key;
    }

    void* GetRow(std::uint8_t table, std::uint32_t key);
    const void* GetRow(std::uint8_t table, std::uint32_t key) const;
    // The row after the row with `key`; the first row for key 0; null after
    // the last row or when `key` is not in the table.
    void* Next(std::uint8_t table, std::uint32_t key);
    const void* Next(std::uint8_t table, std::uint32_t key) const;
    // Removes and frees one row; 1 when it was there, 0 otherwise.
    int Delete(std::uint8_t table, std::uint32_t key);
    std::uint32_t Size(std::uint8_t table) const;
    void Clear(std::uint8_t table);
    void ClearAll();
    // Exchanges every table with `other`, keys and order included: a file
    // can be read into the program's store and moved out without touching
    // the document the store held.
    // With a journal open the exchange is noted as each table cleared and
    // filled anew.
    void Swap(CZorvDB& other) noexcept;

    template <class T> T* Get(std::uint8_t table, std::uint32_t key) {
        return static_cast<T*>(GetRow(table, key));
    }
    template <class T> const T* Get(std::uint8_t table, std::uint32_t key) const {
        return static_cast<const T*>(GetRow(table, key));
    }
    template <class T> T* NextAs(std::uint8_t table, std::uint32_t key) {
        return static_cast<T*>(Next(table, key));
    }
    template <class T> const T* NextAs(std::uint8_t table, std::uint32_t key) const {
        return static_cast<const T*>(Next(table, key));
    }

    template <class T> RowRange<T, std::list<Row>::iterator> Rows(std::uint8_t table) {
        Table* t = Find(table);
        return t ? RowRange<T, std::list<Row>::iterator>(t->rows.begin(), t->rows.end(), this,
                                                         table)
                 : RowRange<T, std::list<Row>::iterator>();
    }
    template <class T>
    RowRange<const T, std::list<Row>::const_iterator> Rows(std::uint8_t table) const {
        const Table* t = Find(table);
        return t ? RowRange<const T, std::list<Row>::const_iterator>(t->rows.cbegin(),
                                                                     t->rows.cend())
                 : RowRange<const T, std::list<Row>::const_iterator>();
    }

    // The keys of a table in row order.
    std::vector<std::uint32_t> Keys(std::uint8_t table) const;
    // The size the row was allocated with; 0 when there is no such row.
    std::size_t RowBytes(std::uint8_t table, std::uint32_t key) const;
    // The highest key the table has handed out or taken since it was last
    // cleared; a keyless Add answers the next one.
    std::uint32_t HighestKey(std::uint8_t table) const;
    // Changes whenever the table's keys may have come to name other rows:
    // Clear, ClearAll, Restore, and a keyed Add below the key counter. Keys
    // held from before a change (a clipboard, a grid row) are stale after it.
    std::uint64_t KeyGeneration(std::uint8_t table) const;

    // A copy of one table. Taken against `basis`, rows whose bytes equal a
    // row of the basis share its copy instead of copying again.
    CTableSnapshot Snapshot(std::uint8_t table) const;
    CTableSnapshot Snapshot(std::uint8_t table, const CTableSnapshot& basis) const;
    // Replaces the snapshot's table by fresh copies of its rows, with the same
    // keys, order and key counter. False (and nothing changed) for a bad table.
    bool Restore(const CTableSnapshot& snapshot);

    // The key of the table's last row; 0 when it is empty or no table.
    std::uint32_t LastKey(std::uint8_t table) const;

    // ---- Change journal ----
    // Opens a journal: from now on every change is noted with what it
    // replaced (a row added, removed, cleared, or handed out for writing by
    // GetRow, Next or a mutable Rows range, and the key counters). False,
    // and nothing changed, when one is open already.
    bool BeginJournal();
    bool IsJournaling() const { return m_pOpen != nullptr; }
    // Closes the open journal and hands it over, leaving out rows handed out
    // for writing whose bytes did not change; empty when none was open.
    Journal EndJournal();
    // Takes the journal's changes back, newest first, and answers the
    // journal that makes them again (reverting that one redoes them). Made
    // for tables as they were when the journal closed; a row a change names
    // that is gone since, or is there already, is passed over.
    Journal Revert(Journal&& journal);

private:
    struct Row {
        std::uint32_t key;
        std::unique_ptr<void, RecordDeleter> record;
    };
    struct Table {
        std::list<Row> rows;
        std::unordered_map<std::uint32_t, std::list<Row>::iterator> byKey;
        std::uint32_t highestKey = 0;
        std::uint64_t generation = 0;
    };

    struct OpenJournal;

    Table* Find(std::uint8_t table);
    const Table* Find(std::uint8_t table) const;
    // Journal helpers: a row handed out for writing, and the table's
    // counters put back by a revert.
    void NoteWrite(std::uint8_t table, const Row& row);
    void SetCounters(Table& t, std::uint32_t highestKey, std::uint64_t generation);
    static std::uint32_t FreshKey(const Table& t);
    void Renew(Table& t) { t.generation = ++m_nGenerations; }

    std::array<Table, kTableCount> m_tables;
    std::uint64_t m_nGenerations = 0;
    std::unique_ptr<OpenJournal> m_pOpen; // while a journal is open
};

// What a journal noted: each change with what it replaced, oldest first.
// Revert answers another journal, so an undo step and its redo are one
// value that goes back and forth.
class CZorvDB::Journal {
public:
    Journal() = default;
    Journal(Journal&&) noexcept = default;
    Journal& operator=(Journal&&) noexcept = default;
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;
    ~Journal();

    bool Empty() const { return m_entries.empty(); }
    std::size_t EntryCount() const { return m_entries.size(); }
    // Tables the journal names changes of.
    TableMask Tables() const;
    // Tables with a row added, removed or cleared, or a key counter set:
    // their order or keys may differ, not only row bytes.
    TableMask ReshapedTables() const;
    // The memory this journal holds or its reverse will hold (a row added
    // is held by its reverse), so one figure serves both directions.
    std::size_t ByteSize() const;
    // Drops what it noted of these tables (their changes came to nothing).
    void Forget(TableMask tables);

    // Allocation overhead of each row copy an entry keeps (its size prefix).
    static constexpr std::size_t kEntryOverhead = 16;

private:
    friend class CZorvDB;

    enum class Kind : std::uint8_t {
        Wrote,   // `record` holds the row's bytes before it was handed out for writing
        Added,   // the row `key` was added; `bytes` its size
        Removed, // `record` is the removed row, which followed `prevKey` (0: first)
        Cleared, // `rows` are the table's rows before it was cleared
        Filled,  // the table was filled from empty with rows of `bytes` in all
        Counter, // the key counter was set
    };
    struct Entry {
        Kind kind = Kind::Wrote;
        std::uint8_t table = 0;
        std::uint32_t key = 0;
        std::uint32_t prevKey = 0;
        // The table's counters before the change (structural kinds).
        std::uint32_t highestKey = 0;
        std::uint64_t generation = 0;
        std::size_t bytes = 0;
        std::size_t rowCount = 0; // Cleared and Filled
        std::unique_ptr<void, RecordDeleter> record;
        std::list<Row> rows;
    };

    std::vector<Entry> m_entries;
};

// The program's one store, created on first use and destroyed at exit.
CZorvDB& TheZorvDB();
