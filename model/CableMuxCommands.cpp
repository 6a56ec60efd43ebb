#include "model/CableMuxCommands.h"

#include "contracts/ZorvDB.h"
#include "model/StoreLoops.h"

#include <array>

namespace {

bool CableMuxIdTaken(const CZorvDB& db, int id) {
    bool taken = false;
    ForEachRow<CableMux_Info_Tag>(db, kTableCableMux,
                                  [&](const CableMux_Info_Tag& m) { taken |= m.TPID == id; });
    return taken;
}

} // namespace

BYTE NextCableMuxID(const CZorvDB& db, DWORD maxTpid) {
    const BYTE id = static_cast<BYTE>((maxTpid & 0xFF) + 1);
    if (id != 0 && !CableMuxIdTaken(db, id))
        return id;
    // ID 0 marks an empty slot and a taken ID would merge two multiplexes'
    // channels: both would lose channels on the next save or delete.
    std::array<bool, 256> used{};
    ForEachRow<CableMux_Info_Tag>(db, kTableCableMux,
                                  [&](const CableMux_Info_Tag& m) { used[m.TPID] = true; });
    for (int free = 1; free < 256; ++free)
        if (!used[static_cast<std::size_t>(free)])
            return static_cast<BYTE>(free);
    return 0;
}

std::uint32_t NewCableMux(CZorvDB& db, const CableMux_Info_Tag& fromDialog, DWORD& maxTpid) {
    const BYTE id = NextCableMuxID(db, maxTpid);
    if (id == 0)
        return 0;
    auto m = CopyRecord(fromDialog);
    m->TPID = id;
    const int key = db.AddIndexed(kTableCableMux, std::move(m));
    if (key != 0)
        ++maxTpid;
    return static_cast<std::uint32_t>(key);
}

bool UpdateCableMux(CZorvDB& db, std::uint32_t key, const CableMux_Info_Tag& fromDialog) {
    auto* m = db.Get<CableMux_Info_Tag>(kTableCableMux, key);
    if (!m)
        return false;
    *m = fromDialog;
    m->Index = key;
    return true;
}

int DeleteCableMuxes(CZorvDB& db, std::span<const std::uint32_t> keys) {
    int deleted = 0;
    for (std::uint32_t key : keys) {
        const auto* m = db.Get<CableMux_Info_Tag>(kTableCableMux, key);
        if (!m)
            continue;
        const int d = m->TPID;
        ++deleted;
        // With ID 0 nothing is closed up: every other multiplex's channels
        // would move onto the wrong one.
        const int above = d == 0 ? 256 : d;
        DeleteAndClose<Channel_Info_Tag>(
            db, kTableChannel, [&](const Channel_Info_Tag& c) { return c.TPID == d; },
            [&](Channel_Info_Tag& c) {
                if (c.TPID > above)
                    --c.TPID;
            });
        DeleteAndClose<CableMux_Info_Tag>(
            db, kTableCableMux, [&](const CableMux_Info_Tag& other) { return other.TPID == d; },
            [&](CableMux_Info_Tag& other) {
                if (other.TPID > above)
                    --other.TPID;
            });
    }
    return deleted;
}
