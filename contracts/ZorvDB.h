// The keyed table store: eight tables of records, each kept in insertion
// order and looked up by a 32-bit key. The store owns every row handed to Add.
#pragma once

#include "contracts/RecordMemory.h"

#include <array>
#include <cstdint>
#include <list>
#include <unordered_map>

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

class CZorvDB {
public:
    static constexpr int kTableCount = 8;

    CZorvDB() = default;
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

    void* GetRow(std::uint8_t table, std::uint32_t key) const;
    // The row after the row with `key`; the first row for key 0; null after
    // the last row or when `key` is not in the table.
    void* Next(std::uint8_t table, std::uint32_t key) const;
    // Removes and frees one row; 1 when it was there, 0 otherwise.
    int Delete(std::uint8_t table, std::uint32_t key);
    std::uint32_t Size(std::uint8_t table) const;
    void Clear(std::uint8_t table);
    void ClearAll();
    // Exchanges every table with `other`, keys and order included: a file
    // can be read into the program's store and moved out without touching
    // the document the store held.
    void Swap(CZorvDB& other) noexcept { m_tables.swap(other.m_tables); }

    template <class T> T* Get(std::uint8_t table, std::uint32_t key) const {
        return static_cast<T*>(GetRow(table, key));
    }
    template <class T> T* NextAs(std::uint8_t table, std::uint32_t key) const {
        return static_cast<T*>(Next(table, key));
    }

private:
    struct Row {
        std::uint32_t key;
        std::unique_ptr<void, RecordDeleter> record;
    };
    struct Table {
        std::list<Row> rows;
        std::unordered_map<std::uint32_t, std::list<Row>::iterator> byKey;
        std::uint32_t highestKey = 0;
    };

    Table* Find(std::uint8_t table);
    const Table* Find(std::uint8_t table) const;
    static std::uint32_t FreshKey(const Table& t);

    std::array<Table, kTableCount> m_tables;
};

// The program's one store, created on first use and destroyed at exit.
CZorvDB& TheZorvDB();
