// Walks over one table of the store in table order, and key collection for
// loops that delete: collect first, then change, so no walk sees a freed row.
#pragma once

#include "contracts/ZorvDB.h"

#include <cstdint>
#include <vector>

// `db` may be const; the rows are then const too.
template <class T, class Db, class Visit> void ForEachRow(Db& db, std::uint8_t table, Visit visit) {
    for (auto& row : db.template Rows<T>(table))
        visit(row);
}

// Keys of the rows of `table` for which `pick` is true, in table order.
template <class T, class Pick>
std::vector<std::uint32_t> KeysWhere(const CZorvDB& db, std::uint8_t table, Pick pick) {
    std::vector<std::uint32_t> keys;
    ForEachRow<T>(db, table, [&](const T& r) {
        if (pick(r))
            keys.push_back(r.Index);
    });
    return keys;
}

inline void DeleteRows(CZorvDB& db, std::uint8_t table, const std::vector<std::uint32_t>& keys) {
    for (std::uint32_t key : keys)
        db.Delete(table, key);
}

// Deletes the rows `gone` picks, then runs `close` over the rows that stay
// (the cascades move the references above a deleted ID down by one).
template <class T, class Gone, class Close>
void DeleteAndClose(CZorvDB& db, std::uint8_t table, Gone gone, Close close) {
    DeleteRows(db, table, KeysWhere<T>(db, table, gone));
    ForEachRow<T>(db, table, close);
}
