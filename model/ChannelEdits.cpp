#include "model/ChannelEdits.h"

#include "contracts/ZorvDB.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <unordered_set>

namespace {

// Runs `set` on each existing channel of `keys`; a channel whose bytes differ
// afterwards is changed, and every visited channel leaves the source list
// when `leave` says so.
template <class Set>
EditedRows ForEachChannel(CZorvDB& db, std::span<const std::uint32_t> keys, bool leave, Set set) {
    EditedRows out;
    for (std::uint32_t key : keys) {
        auto* c = db.Get<Channel_Info_Tag>(kTableChannel, key);
        if (!c)
            continue;
        // The row's bytes as the store holds them, padding included: a
        // copy of the record would leave its padding undefined.
        std::array<std::byte, sizeof(Channel_Info_Tag)> was{};
        std::memcpy(was.data(), c, was.size());
        set(*c);
        if (std::memcmp(was.data(), reinterpret_cast<const std::byte*>(c), was.size()) != 0)
            out.changed.push_back(key);
        if (leave)
            out.leaving.push_back(key);
    }
    return out;
}

// The satellite ID behind a satellite row's key; 0 when there is none.
BYTE SatelliteIdOf(const CZorvDB& db, std::uint32_t satelliteKey) {
    const auto* s =
        satelliteKey ? db.Get<Satellite_Info_Tag>(kTableSatellite, satelliteKey) : nullptr;
    return s ? s->ID : 0;
}

bool ValidList(int listNumber) {
    return listNumber >= 1 && listNumber <= kFavoritePositions;
}

} // namespace

// ---- Drops ------------------------------------------------------------------------------

// The grids report the dropped-on row's store key; the channels refer to a
// satellite or broadcaster by its ID, so the ID of that row's record is what
// they take (the same value while keys and IDs agree, and the right one when
// they do not). A value that would be 0 would make the channels vanish from
// the saved image, so it changes nothing.

EditedRows SetChannelsSatellite(CZorvDB& db, std::span<const std::uint32_t> keys,
                                std::uint32_t satelliteKey) {
    const BYTE id = SatelliteIdOf(db, satelliteKey);
    if (id == 0)
        return {};
    return ForEachChannel(db, keys, true, [&](Channel_Info_Tag& c) { c.SatID = id; });
}

EditedRows SetChannelsMux(CZorvDB& db, std::span<const std::uint32_t> keys, std::uint32_t muxValue,
                          std::uint32_t productType) {
    BYTE tpid = 0;
    if (IsCable(productType)) {
        const auto* m = muxValue ? db.Get<CableMux_Info_Tag>(kTableCableMux, muxValue) : nullptr;
        tpid = m ? m->TPID : 0;
    } else if (muxValue <= 0xFF) {
        tpid = static_cast<BYTE>(muxValue);
    }
    if (tpid == 0)
        return {};
    return ForEachChannel(db, keys, true, [&](Channel_Info_Tag& c) { c.TPID = tpid; });
}

EditedRows SetChannelsTransponder(CZorvDB& db, std::span<const std::uint32_t> keys,
                                  std::uint32_t transponderKey) {
    const auto* t =
        transponderKey ? db.Get<Transponder_Info_Tag>(kTableTransponder, transponderKey) : nullptr;
    if (!t || t->SatID == 0)
        return {};
    const Transponder_Info_Tag tp = *t;
    return ForEachChannel(db, keys, true, [&](Channel_Info_Tag& c) {
        c.SatID = tp.SatID;
        c.TPID = tp.TPID;
    });
}

EditedRows SetChannelsBroadcast(CZorvDB& db, std::span<const std::uint32_t> keys,
                                std::uint32_t broadcastKey) {
    const auto* b =
        broadcastKey ? db.Get<Broadcast_Info_Tag>(kTableBroadcast, broadcastKey) : nullptr;
    if (!b)
        return {};
    const WORD id = b->BroadcastID;
    return ForEachChannel(db, keys, true, [&](Channel_Info_Tag& c) { c.BroadcastID = id; });
}

EditedRows SetChannelsGenre(CZorvDB& db, std::span<const std::uint32_t> keys, int genre,
                            bool genreMode) {
    if (genre < 0 || genre > kAttrGenreMask)
        return {};
    return ForEachChannel(db, keys, genreMode, [&](Channel_Info_Tag& c) {
        c.Attributes = static_cast<WORD>((c.Attributes & ~kAttrGenreMask) | genre);
    });
}

// ---- Favourite lists -------------------------------------------------------------------

WORD FavoritePositionOnJoin(const CZorvDB& db, int listNumber, ChannelKind kind) {
    if (!ValidList(listNumber))
        return 0;
    WORD highest = 0;
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        if (IsOfKind(c, kind))
            highest = std::max(highest, c.F[listNumber - 1]);
    return static_cast<WORD>(highest + 1);
}

bool JoiningGetsPosition(FavoriteJoin form, int listNumber, std::uint32_t productType) {
    if (!ValidList(listNumber))
        return false;
    return form == FavoriteJoin::Drop || HasFavoritePositions(productType);
}

void JoinFavorite(const CZorvDB& db, Channel_Info_Tag& record, int listNumber, ChannelKind kind,
                  FavoriteJoin form, std::uint32_t productType) {
    if (!ValidList(listNumber))
        return;
    record.Favorite |= DWORD{1} << (listNumber - 1);
    if (JoiningGetsPosition(form, listNumber, productType))
        record.F[listNumber - 1] = FavoritePositionOnJoin(db, listNumber, kind);
}

EditedRows JoinFavoriteList(CZorvDB& db, std::span<const std::uint32_t> keys, int listIndex,
                            ChannelKind kind) {
    const int list = listIndex + 1;
    if (!ValidList(list))
        return {};
    // Each channel in turn takes one above the highest position of its kind,
    // which the channel before it has just become: the highest is found
    // once, not once per channel. Only a position that wraps past 65535 can
    // lower it (the channel that held it moved to 0); it is then found again.
    const std::size_t f = static_cast<std::size_t>(list - 1);
    WORD highest = static_cast<WORD>(FavoritePositionOnJoin(db, list, kind) - 1);
    return ForEachChannel(db, keys, false, [&](Channel_Info_Tag& c) {
        c.Favorite |= DWORD{1} << f;
        c.F[f] = static_cast<WORD>(highest + 1);
        if (IsOfKind(c, kind))
            highest = c.F[f];
        if (c.F[f] == 0)
            highest = static_cast<WORD>(FavoritePositionOnJoin(db, list, kind) - 1);
    });
}

EditedRows SetFavoritePositions(CZorvDB& db, std::span<const std::uint32_t> orderedKeys,
                                int listNumber) {
    if (!ValidList(listNumber))
        return {};
    WORD position = 0;
    return ForEachChannel(db, orderedKeys, false,
                          [&](Channel_Info_Tag& c) { c.F[listNumber - 1] = ++position; });
}

FavoriteReorder ReorderFavoriteList(CZorvDB& db, std::span<const std::uint32_t> rows,
                                    std::span<const std::uint32_t> selected, std::uint32_t dropKey,
                                    int listNumber) {
    FavoriteReorder out;
    out.order.assign(rows.begin(), rows.end());
    if (dropKey == 0 || !ValidList(listNumber) ||
        std::find(rows.begin(), rows.end(), dropKey) == rows.end())
        return out;
    const std::unordered_set<std::uint32_t> chosen(selected.begin(), selected.end());
    std::vector<std::uint32_t> a, b;
    std::size_t insertAt = 0;
    bool dropSelected = false, dropReached = false;
    for (std::uint32_t key : rows) {
        const bool isSelected = chosen.contains(key);
        (isSelected ? a : b).push_back(key);
        if (dropReached)
            continue;
        if (!isSelected)
            ++insertAt;
        if (key == dropKey) {
            dropReached = true;
            dropSelected = isSelected;
        }
    }
    if (a.empty())
        return out;
    if (dropSelected)
        insertAt = b.size();
    b.insert(b.begin() + static_cast<std::ptrdiff_t>(insertAt), a.begin(), a.end());
    out.order = std::move(b);
    out.rows = SetFavoritePositions(db, out.order, listNumber);
    return out;
}

FavoriteRename RenameFavoriteList(CZorvDB& db, std::uint32_t listNumber, std::string_view name) {
    if (name.empty())
        return FavoriteRename::Ignored;
    if (name.size() > kFavoriteNameMax)
        return FavoriteRename::WrongSize;
    auto* f = db.Get<FavoriteList>(kTableFavorite, listNumber);
    if (!f)
        return FavoriteRename::NoSuchList;
    std::memset(f->Name, 0, sizeof f->Name);
    std::memcpy(f->Name, name.data(), name.size());
    return FavoriteRename::Renamed;
}

// ---- Numbers ----------------------------------------------------------------------------

EditedRows RenumberMovedSet(CZorvDB& db, std::span<const std::uint32_t> moved,
                            std::uint32_t targetKey, ChannelKind kind, int productList) {
    const auto* target = targetKey ? db.Get<Channel_Info_Tag>(kTableChannel, targetKey) : nullptr;
    if (!target || moved.empty())
        return {};
    struct Numbers {
        Channel_Info_Tag* c;
        WORD program, logical, show;
    };
    std::vector<Numbers> list;
    for (Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        if (IsOfKind(c, kind))
            list.push_back({&c, c.ProgramNum, c.LogicalNumber, c.ShowNum});
    auto copyNumbers = [&](Channel_Info_Tag& c) {
        if (ShowNumFollowsProgramNum(productList))
            c.ShowNum = c.ProgramNum;
        if (LogicalNumberFollowsProgramNum(productList))
            c.LogicalNumber = c.ProgramNum;
    };
    int n = ShowsShowNum(productList) ? target->ShowNum : target->ProgramNum;
    for (std::uint32_t key : moved) {
        auto* s = db.Get<Channel_Info_Tag>(kTableChannel, key);
        if (!s || !IsOfKind(*s, kind))
            continue;
        const int sn = s->ProgramNum;
        for (const Numbers& entry : list) {
            Channel_Info_Tag& r = *entry.c;
            if (&r == s)
                continue;
            const int rn = r.ProgramNum;
            if (sn <= rn && rn < n && rn > 0)
                r.ProgramNum = static_cast<WORD>(rn - 1);
            else if (n <= rn && rn < sn)
                r.ProgramNum = static_cast<WORD>(rn + 1);
            copyNumbers(r);
        }
        if (sn > n)
            s->ProgramNum = static_cast<WORD>(n++);
        else if (sn < n)
            s->ProgramNum = static_cast<WORD>(n - 1);
        copyNumbers(*s);
    }
    EditedRows out;
    for (const Numbers& entry : list) {
        const Channel_Info_Tag& c = *entry.c;
        if (c.ProgramNum != entry.program || c.LogicalNumber != entry.logical ||
            c.ShowNum != entry.show)
            out.changed.push_back(c.Index);
    }
    return out;
}

// ---- Transponders ---------------------------------------------------------------------

EditedRows MoveTranspondersToSatellite(CZorvDB& db, std::span<const std::uint32_t> transponderKeys,
                                       std::uint32_t satelliteKey) {
    const BYTE id = SatelliteIdOf(db, satelliteKey);
    EditedRows out;
    if (id == 0)
        return out;
    for (std::uint32_t key : transponderKeys) {
        auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, key);
        if (!t)
            continue;
        if (t->SatID != id) {
            t->SatID = id;
            out.changed.push_back(key);
        }
    }
    return out;
}
