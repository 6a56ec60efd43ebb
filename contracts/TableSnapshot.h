// An immutable copy of one table of the store: its rows in order, each with
// its key and bytes, and the table's key counter, so that restoring it gives
// the same keys, order and future keys. Copies of equal rows are shared
// between snapshots taken against one another, which keeps a history of
// snapshots small when each edit changes a few rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class CTableSnapshot {
public:
    CTableSnapshot() = default;

    // False for a default-constructed snapshot (of no table), which restores nothing.
    bool IsValid() const { return m_bValid; }
    std::uint8_t Table() const { return m_table; }
    std::size_t RowCount() const { return m_rows.size(); }
    std::uint32_t HighestKey() const { return m_highestKey; }
    std::uint32_t Key(std::size_t row) const { return m_rows[row].key; }
    // The row's bytes as copied; the first four hold a key, not necessarily
    // this row's (shared copies), so read the key with Key().
    std::span<const std::byte> Bytes(std::size_t row) const {
        return {m_rows[row].bytes.get(), m_rows[row].size};
    }

    // Memory this snapshot keeps alive, counting shared row copies in full.
    std::size_t ByteSize() const;
    // Memory of the snapshot's own row list, without the row copies.
    std::size_t IndexBytes() const { return sizeof *this + m_rows.capacity() * sizeof(Row); }
    // Memory of the row copies this snapshot made itself, not shared with
    // the snapshot it was taken against.
    std::size_t FreshBytes() const { return m_freshBytes; }
    // Same table, keys, order, key counter and row contents (each row's key
    // field aside, which the store keeps equal to its key).
    bool SameAs(const CTableSnapshot& other) const;

    // Approximate memory of one row entry besides its bytes.
    static constexpr std::size_t kRowOverhead = 64;

private:
    friend class CZorvDB;

    struct Row {
        std::uint32_t key = 0;
        std::uint32_t size = 0;
        std::uint64_t hash = 0; // of the bytes after the key field
        std::shared_ptr<const std::byte[]> bytes;
    };

    bool m_bValid = false;
    std::uint8_t m_table = 0;
    std::uint32_t m_highestKey = 0;
    std::size_t m_freshBytes = 0;
    std::vector<Row> m_rows;
};

// Hash of a row's bytes after its four-byte key field.
std::uint64_t HashRowContent(std::span<const std::byte> bytes);
// Equal bytes after the key field.
bool SameRowContent(std::span<const std::byte> a, std::span<const std::byte> b);
