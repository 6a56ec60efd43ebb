#include "model/ChannelCommands.h"

#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "model/ChannelEdits.h"
#include "model/ChannelTable.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"

#include <algorithm>

namespace {

// The last `count` channels of the list's kind in table order: after a
// regroup and renumber, the ones just added with the highest numbers.
std::vector<std::uint32_t> LastOfKind(const CZorvDB& db, bool tv, std::size_t count) {
    std::vector<std::uint32_t> keys;
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        if (IsTV(c) == tv)
            keys.push_back(c.Index);
    if (keys.size() > count)
        keys.erase(keys.begin(), keys.end() - static_cast<std::ptrdiff_t>(count));
    return keys;
}

// Favourite positions 1, 2, 3 ... down the shown list's rows.
void RenumberShownFavoriteList(CZorvDB& db, const ChannelListState& list) {
    if (!list.filter.IsFavoriteMode())
        return;
    const auto rows = ChannelListKeys(db, list);
    SetFavoritePositions(db, rows, list.filter.favorite);
}

// Every number of a new or pasted channel: one above the highest of its kind.
void SetNumbers(Channel_Info_Tag& c, WORD number) {
    c.ProgramNum = c.LogicalNumber = c.ShowNum = number;
}

// Paste places a copy where the list's filter points.
void PlaceByFilter(const CZorvDB& db, const ChannelListState& list, Channel_Info_Tag& c) {
    const ChannelFilter& f = list.filter;
    const std::uint32_t type = list.product.type;
    const auto* transponder = db.Get<Transponder_Info_Tag>(kTableTransponder, f.transponder);
    switch (f.kind) {
    case ChannelFilterKind::Satellite:
        // Satellite value 0 (a satellite key without record) names no
        // satellite; SatID 0 would make the copy an empty slot.
        if (f.satellite != 0)
            c.SatID = static_cast<BYTE>(f.satellite);
        break;
    case ChannelFilterKind::Transponder:
        if (transponder) {
            c.SatID = transponder->SatID;
            c.TPID = transponder->TPID;
        }
        break;
    case ChannelFilterKind::Mux:
        if (IsSatellite(type)) {
            c.SatID = kTerrestrialSatelliteId;
            if (transponder)
                c.TPID = transponder->TPID;
        } else if (IsTerrestrialOnly(type)) {
            c.TPID = static_cast<BYTE>(f.transponder);
        } else if (IsCableOnly(type)) {
            if (const auto* m = db.Get<CableMux_Info_Tag>(kTableCableMux, f.transponder))
                c.TPID = m->TPID;
        }
        break;
    case ChannelFilterKind::Broadcast:
        // The broadcaster's own ID, which the filter and the lists compare
        // with; its store key would tie the copy to another or to none.
        if (const auto* b = db.Get<Broadcast_Info_Tag>(kTableBroadcast, f.broadcast))
            c.BroadcastID = b->BroadcastID;
        break;
    default:
        break;
    }
}

ChannelCommandResult RegroupAndRenumber(CZorvDB& db, bool tv, std::size_t added,
                                        ChannelClipboard& clipboard) {
    // Renumbering sorts the whole table by number, which mixes TV and radio
    // channels of equal numbers again; the table is left TV first, then
    // radio, each in number order, as after New and Paste it should be.
    RegroupAndRenumberChannels(db);
    clipboard.Empty();
    ChannelCommandResult result;
    result.changed = true;
    result.keysRenewed = true;
    result.refreshBoth = true;
    result.added = LastOfKind(db, tv, added);
    return result;
}

ChannelCommandResult SetAttributeBit(CZorvDB& db, std::span<const std::uint32_t> selected, WORD bit,
                                     bool on) {
    ChannelCommandResult result;
    for (std::uint32_t key : selected) {
        auto* c = db.Get<Channel_Info_Tag>(kTableChannel, key);
        if (!c)
            continue;
        const WORD before = c->Attributes;
        c->Attributes = static_cast<WORD>(on ? before | bit : before & ~bit);
        result.changed |= c->Attributes != before;
    }
    return result;
}

} // namespace

bool DeleteAsks(const ChannelListState& list) {
    return !list.filter.IsFavoriteMode();
}

ChannelCommandResult NewChannel(CZorvDB& db, const ChannelListState& list,
                                const Channel_Info_Tag& fromDialog, ChannelClipboard& clipboard) {
    const bool tv = list.IsTV();
    const WORD n = GetMaxProgramNum(tv, db);
    auto record = CopyRecord(fromDialog);
    if (list.filter.kind == ChannelFilterKind::Favorite && list.filter.favorite != 0)
        JoinFavorite(db, *record, list.filter.favorite, list.kind, FavoriteJoin::New,
                     list.product.type);
    // Exactly the list's kind: a record with both bits would be listed
    // twice and written as TV.
    const WORD other = tv ? kAttrRadio : kAttrTV;
    record->Attributes =
        static_cast<WORD>((record->Attributes & 0xFFF0 & ~other) |
                          (list.filter.genre & kAttrGenreMask) | KindBit(list.kind));
    SetNumbers(*record, static_cast<WORD>(n + 1));
    if (db.AddIndexed(kTableChannel, std::move(record)) == 0)
        return {};
    ChannelCommandResult result = RegroupAndRenumber(db, tv, 1, clipboard);
    RenumberShownFavoriteList(db, list);
    return result;
}

ChannelCommandResult UpdateChannel(CZorvDB& db, std::uint32_t key,
                                   const Channel_Info_Tag& fromDialog, int productList) {
    auto* c = db.Get<Channel_Info_Tag>(kTableChannel, key);
    if (!c)
        return {};
    const WORD before = c->ProgramNum;
    const WORD wanted = fromDialog.ProgramNum;
    *c = fromDialog;
    c->Index = key;
    ChannelCommandResult result;
    result.changed = true;
    // One number, one channel: a number another channel of the kind holds
    // moves this one to that place, as Move here does, and the others shift.
    const bool tv = IsTV(*c), radio = !tv && IsRadio(*c);
    if (wanted == before || (!tv && !radio) || ShowsShowNum(productList))
        return result;
    const ChannelKind kind = tv ? ChannelKind::TV : ChannelKind::Radio;
    bool taken = false;
    for (const Channel_Info_Tag& other : db.Rows<Channel_Info_Tag>(kTableChannel))
        taken |= other.Index != key && IsOfKind(other, kind) && other.ProgramNum == wanted;
    if (!taken)
        return result;
    // The channels between the old place and the new close up; numbers 0
    // stay (they would wrap).
    const auto follow = [&](Channel_Info_Tag& r) {
        if (ShowNumFollowsProgramNum(productList))
            r.ShowNum = r.ProgramNum;
        if (LogicalNumberFollowsProgramNum(productList))
            r.LogicalNumber = r.ProgramNum;
    };
    for (Channel_Info_Tag& other : db.Rows<Channel_Info_Tag>(kTableChannel)) {
        if (other.Index == key || !IsOfKind(other, kind) || other.ProgramNum == 0)
            continue;
        const WORD n = other.ProgramNum;
        if (before != 0 && before < wanted && before < n && n <= wanted)
            other.ProgramNum = static_cast<WORD>(n - 1);
        else if ((before == 0 || wanted < before) && wanted <= n && (before == 0 || n < before) &&
                 n < 0xFFFF)
            other.ProgramNum = static_cast<WORD>(n + 1);
        else
            continue;
        follow(other);
    }
    follow(*c);
    result.refreshBoth = true;
    return result;
}

ChannelCommandResult DeleteChannels(CZorvDB& db, const ChannelListState& list,
                                    std::span<const std::uint32_t> selected,
                                    ChannelClipboard& clipboard) {
    ChannelCommandResult result;
    if (list.filter.IsFavoriteMode()) {
        const int index = list.filter.FavoriteIndex();
        for (std::uint32_t key : selected)
            if (auto* c = db.Get<Channel_Info_Tag>(kTableChannel, key)) {
                c->Favorite &= ~(DWORD{1} << index);
                c->F[index] = 0;
                result.changed = true;
            }
        if (result.changed)
            RenumberShownFavoriteList(db, list);
        return result;
    }
    for (std::uint32_t key : selected)
        result.changed |= db.Delete(kTableChannel, key) != 0;
    if (!result.changed)
        return result;
    RenumberChannels(db);
    clipboard.Empty();
    result.keysRenewed = true;
    return result;
}

void CopyChannels(const CZorvDB& db, const ChannelListState& list,
                  std::span<const std::uint32_t> selected, ChannelClipboard& clipboard) {
    std::vector<std::uint32_t> keys;
    for (std::uint32_t key : selected)
        if (db.Get<Channel_Info_Tag>(kTableChannel, key))
            keys.push_back(key);
    clipboard.Set(std::move(keys), list.IsTV());
}

ChannelCommandResult PasteChannels(CZorvDB& db, const ChannelListState& list,
                                   ChannelClipboard& clipboard) {
    ChannelCommandResult result;
    const bool tv = list.IsTV();
    if (clipboard.IsEmpty())
        return result;
    if (clipboard.IsTV() != tv) {
        result.error = tv ? texts::kCannotCopyRadioToTV : texts::kCannotCopyTVToRadio;
        return result;
    }
    std::size_t added = 0;
    for (std::uint32_t key : clipboard.Keys()) {
        const auto* source = db.Get<Channel_Info_Tag>(kTableChannel, key);
        if (!source)
            continue;
        const WORD n = GetMaxProgramNum(tv, db);
        auto copy = CopyRecord(*source);
        PlaceByFilter(db, list, *copy);
        copy->Attributes = static_cast<WORD>(copy->Attributes & ~kAttrGenreMask);
        copy->Favorite = 0;
        std::fill(std::begin(copy->F), std::end(copy->F), WORD{0});
        SetNumbers(*copy, static_cast<WORD>(n + 1));
        added += db.AddIndexed(kTableChannel, std::move(copy)) != 0 ? 1 : 0;
    }
    if (added == 0) {
        clipboard.Empty();
        return result;
    }
    return RegroupAndRenumber(db, tv, added, clipboard);
}

ChannelCommandResult MoveChannelsHere(CZorvDB& db, const ChannelListState& list,
                                      const ChannelClipboard& clipboard, std::uint32_t focusKey) {
    ChannelCommandResult result;
    const bool tv = list.IsTV();
    if (clipboard.IsEmpty())
        return result;
    if (clipboard.IsTV() != tv) {
        result.error = tv ? texts::kCannotMoveRadioToTV : texts::kCannotMoveTVToRadio;
        return result;
    }
    const EditedRows rows =
        RenumberMovedSet(db, clipboard.Keys(), focusKey, list.kind, list.product.list);
    result.changed = !rows.changed.empty();
    for (std::uint32_t key : clipboard.Keys())
        if (db.Get<Channel_Info_Tag>(kTableChannel, key))
            result.select.push_back(key);
    return result;
}

ChannelCommandResult SetChannelsLocked(CZorvDB& db, std::span<const std::uint32_t> selected,
                                       bool on) {
    return SetAttributeBit(db, selected, kAttrLocked, on);
}

ChannelCommandResult SetChannelsSkipped(CZorvDB& db, std::span<const std::uint32_t> selected,
                                        bool on) {
    return SetAttributeBit(db, selected, kAttrSkipped, on);
}
