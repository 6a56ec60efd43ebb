#include "views/ChannelGridCtrl.h"

#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "platform/DisplayTexts.h"

#include <QScrollBar>

#include <algorithm>

namespace {

const std::vector<GridColumn> kColumns = {{"", "0000"},
                                          {"Index", "Index"},
                                          {"Fav", "Fav"},
                                          {"SatID", "SatID"},
                                          {"TPID", "TPID"},
                                          {"CH#", "CH #"},
                                          {"Name", "000000000000"},
                                          {"VPID", "0000"},
                                          {"APID", "0000"},
                                          {"PCR-PID", "0000"},
                                          {"Genre", "0000000"},
                                          {"", "0000"},
                                          {"", "0000"},
                                          {"", "0000"},
                                          {"", "Tuner1"}};

QString YesNo(bool on) {
    return on ? "Y" : "N";
}

QString Text(void (*name)(int, char*), int code) {
    char buffer[kDisplayTextMax] = {};
    name(code, buffer);
    return QString::fromLatin1(buffer);
}

CZorvDB& Db() {
    return TheZorvDB();
}

} // namespace

CChannelGridCtrl::CChannelGridCtrl(IMessageSink& frame, bool tv, QWidget* parent)
    : CListGridCtrl(frame, tv ? kDragTV : kDragRadio, parent), m_bTV(tv) {}

void CChannelGridCtrl::SetupGrid() {
    SetupColumns(kColumns, false);
    m_nProductList = GetProductList();
    m_nProductType = GetProductType();
    SetColHidden(2, true);
    if (GetGridColumn() == 0)
        for (int c : {1, 3, 4, 7, 8, 9})
            SetColHidden(c, true);
    if (m_nProductType & 0x06)
        SetColHidden(14, true);
    m_dropTarget.Register(this);
}

QStringList CChannelGridCtrl::Cells(const Channel_Info_Tag& c) const {
    const bool favorite = m_nFilterKind == kFavorite && m_nFavorite >= 1 && m_nFavorite <= 32;
    const int tuner = m_nProductList == 8 ? (c.SatID == 1 ? 18 : 17) : c.Tuner;
    return {QString(),
            QString::number(c.Index),
            favorite ? QString::number(c.F[m_nFavorite - 1]) : QString(),
            QString::number(c.SatID),
            QString::number(c.TPID),
            QString::number(m_nProductList == 8 ? c.ShowNum : c.ProgramNum),
            QString::fromLatin1(c.Name),
            QString::number(c.VideoPID),
            QString::number(c.AudioPID),
            QString::number(c.PCRPID),
            Text(GetGenreName, c.Attributes & 15),
            YesNo(c.Attributes & kAttrScrambled),
            YesNo(c.Attributes & kAttrLocked),
            YesNo(c.Attributes & kAttrSkipped),
            Text(GetTunerName, tuner)};
}

bool CChannelGridCtrl::Passes(const Channel_Info_Tag& c) const {
    if (!(c.Attributes & (m_bTV ? kAttrTV : kAttrRadio)))
        return false;
    const int k = m_nFilterKind;
    if (k == kSatellite && m_nSatellite != 0 && c.SatID != m_nSatellite)
        return false;
    if (k == kTransponder || k == kMux) {
        if (m_nProductType & 0x1) {
            const auto* t = Db().Get<Transponder_Info_Tag>(kTableTransponder, m_nTransponder);
            if (t && (t->SatID != c.SatID || t->TPID != c.TPID))
                return false;
        } else if ((m_nProductType & 0xF) == 2) {
            if (c.TPID != m_nTransponder)
                return false;
        } else if ((m_nProductType & 0xF) == 4) {
            const auto* m = Db().Get<CableMux_Info_Tag>(kTableCableMux, m_nTransponder);
            if (m && m->TPID != c.TPID)
                return false;
        }
    }
    if (k == kBroadcast) {
        const auto* b = Db().Get<Broadcast_Info_Tag>(kTableBroadcast, m_nBroadcast);
        if (b && b->BroadcastID != c.BroadcastID)
            return false;
    }
    if (k == kFavorite) {
        const DWORD mask =
            m_nFavorite >= 1 && m_nFavorite <= 32 ? DWORD{1} << (m_nFavorite - 1) : 0;
        if ((c.Favorite & mask) != mask)
            return false;
    }
    if (k == kGenre && (c.Attributes & 15) != m_nGenre)
        return false;
    if ((m_nProductType & 3) == 3 && (k == kSatellite || k == kMux)) {
        if (m_nSatellite == 0 && c.SatID == 1)
            return false;
        if (m_nSatellite == 1 && c.SatID != 1)
            return false;
    }
    return true;
}

void CChannelGridCtrl::Rebuild() {
    ++m_nFills;
    ClearRows();
    std::vector<QStringList> rows;
    for (auto* c = Db().NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
         c = Db().NextAs<Channel_Info_Tag>(kTableChannel, c->Index))
        if (Passes(*c))
            rows.push_back(Cells(*c));
    SetRowCount(static_cast<int>(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int col = 1; col < rows[r].size(); ++col)
            SetItemText(static_cast<int>(r) + 1, col, rows[r][col]);
    const bool byPosition = m_nFilterKind == kFavorite && (m_nProductType & 0x70);
    SortItems(Compare::Numeric, byPosition ? 2 : 5, true);
    RenumberIndexColumn();
}

void CChannelGridCtrl::FillGrid() {
    m_nFilterKind = kAll;
    m_nSatellite = m_nFavorite = m_nGenre = 0;
    m_nTransponder = m_nBroadcast = 0;
    Rebuild();
}

void CChannelGridCtrl::FilterBySatellite(std::uint32_t key) {
    const auto* s = Db().Get<Satellite_Info_Tag>(kTableSatellite, key);
    m_nFilterKind = kSatellite;
    m_nSatellite = s ? s->ID : 0;
    m_nTransponder = m_nBroadcast = 0;
    m_nFavorite = m_nGenre = 0;
    Rebuild();
}

void CChannelGridCtrl::FilterByTransponder(std::uint32_t key) {
    m_nFilterKind = kTransponder;
    m_nTransponder = key;
    m_nBroadcast = 0;
    m_nFavorite = m_nGenre = 0;
    Rebuild();
}

void CChannelGridCtrl::FilterByMux(std::uint32_t key) {
    m_nFilterKind = kMux;
    m_nSatellite = 1;
    m_nTransponder = key;
    m_nBroadcast = 0;
    m_nFavorite = m_nGenre = 0;
    Rebuild();
}

void CChannelGridCtrl::KeepFilterSatelliteForSource() {
    m_nSatellite = (m_nProductType & 0x2) && m_nSatellite == 1 ? 1 : 0;
}

void CChannelGridCtrl::FilterByBroadcast(std::uint32_t key) {
    m_nFilterKind = kBroadcast;
    m_nBroadcast = key;
    m_nTransponder = 0;
    m_nFavorite = m_nGenre = 0;
    KeepFilterSatelliteForSource();
    Rebuild();
}

void CChannelGridCtrl::FilterByFavorite(int which, int value) {
    KeepFilterSatelliteForSource();
    m_nTransponder = m_nBroadcast = 0;
    m_nFavorite = m_nGenre = 0;
    if (which == 0) {
        m_nFilterKind = kFavorite;
        m_nFavorite = value + 1;
    } else {
        m_nFilterKind = kGenre;
        m_nGenre = value;
    }
    Rebuild();
}

std::vector<Channel_Info_Tag*> CChannelGridCtrl::SelectedRecords() const {
    std::vector<Channel_Info_Tag*> out;
    for (int row : GetSelectedRows())
        if (auto* c = Db().Get<Channel_Info_Tag>(kTableChannel, GetRowKey(row)))
            out.push_back(c);
    return out;
}

bool CChannelGridCtrl::OnDragOver(const QPoint& point) {
    if (m_frame.DragSource() != DragId())
        return false;
    // Scroll while the pointer is near the top or bottom edge.
    const int y = point.y();
    if (y >= viewport()->height() - 20)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + 1);
    else if (y <= 20)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
    return true;
}

void CChannelGridCtrl::SetSatelliteOfSelected(std::uint32_t satKey) {
    for (auto* c : SelectedRecords())
        c->SatID = static_cast<BYTE>(satKey);
    Rebuild();
}

void CChannelGridCtrl::SetMuxOfSelected(std::uint32_t tpid) {
    for (auto* c : SelectedRecords())
        c->TPID = static_cast<BYTE>(tpid);
    Rebuild();
}

void CChannelGridCtrl::SetTransponderOfSelected(std::uint32_t tpKey) {
    const auto* t = Db().Get<Transponder_Info_Tag>(kTableTransponder, tpKey);
    for (auto* c : SelectedRecords())
        if (t) {
            c->SatID = t->SatID;
            c->TPID = t->TPID;
        }
    Rebuild();
}

void CChannelGridCtrl::SetBroadcastOfSelected(std::uint32_t broadcastKey) {
    for (auto* c : SelectedRecords())
        c->BroadcastID = static_cast<WORD>(broadcastKey);
    Rebuild();
}

void CChannelGridCtrl::AddSelectedToFavorite(int list0) {
    if (list0 < 0 || list0 > 31)
        return;
    const auto selected = SelectedRecords();
    for (auto* c : selected) {
        if (c->Favorite & (DWORD{1} << list0))
            continue; // already a member: its position stays
        WORD highest = 0;
        for (auto* o = Db().NextAs<Channel_Info_Tag>(kTableChannel, 0); o;
             o = Db().NextAs<Channel_Info_Tag>(kTableChannel, o->Index))
            if ((o->Attributes & (m_bTV ? kAttrTV : kAttrRadio)) && o != c)
                highest = std::max(highest, o->F[list0]);
        c->Favorite |= DWORD{1} << list0;
        c->F[list0] = static_cast<WORD>(highest + 1);
    }
    Rebuild();
}

void CChannelGridCtrl::SetGenreOfSelected(int genre) {
    for (auto* c : SelectedRecords())
        c->Attributes = static_cast<WORD>((c->Attributes & 0xFFF0) | (genre & 15));
    Rebuild();
}

void CChannelGridCtrl::ReorderFavorite(std::uint32_t dropKey) {
    // The selected rows (A) go in among the others (B) after as many rows of
    // B as stand up to and including the drop row; then positions 1, 2, 3...
    std::vector<std::uint32_t> a, b;
    std::size_t unselectedThroughDrop = 0;
    bool dropReached = false, dropSelected = false;
    std::vector<char> isSelected(static_cast<std::size_t>(GetRowCount()), 0);
    for (int row : GetSelectedRows())
        isSelected[static_cast<std::size_t>(row)] = 1;
    for (int row = 1; row < GetRowCount(); ++row) {
        const std::uint32_t key = GetRowKey(row);
        const bool selected = isSelected[static_cast<std::size_t>(row)] != 0;
        (selected ? a : b).push_back(key);
        if (dropReached)
            continue;
        unselectedThroughDrop += selected ? 0 : 1;
        if (key == dropKey) {
            dropReached = true;
            dropSelected = selected;
        }
    }
    const std::size_t insertAt = dropReached && !dropSelected ? unselectedThroughDrop : b.size();
    b.insert(b.begin() + static_cast<std::ptrdiff_t>(insertAt), a.begin(), a.end());
    const int list = m_nFavorite - 1;
    WORD position = 0;
    for (std::uint32_t key : b)
        if (auto* c = Db().Get<Channel_Info_Tag>(kTableChannel, key))
            c->F[list] = ++position;
    Rebuild();
    SelectRowsByKey(a);
}

void CChannelGridCtrl::MoveSelectedTo(std::uint32_t targetKey) {
    if (m_nFilterKind == kFavorite && m_nFavorite >= 1 && m_nFavorite <= 32)
        return ReorderFavorite(targetKey);
    const auto* target = Db().Get<Channel_Info_Tag>(kTableChannel, targetKey);
    const auto moved = SelectedRecords();
    if (!target || moved.empty())
        return;
    const bool list8 = m_nProductList == 8;
    int n = list8 ? target->ShowNum : target->ProgramNum;
    auto copyNumbers = [&](Channel_Info_Tag& r) {
        if (list8)
            r.ShowNum = r.ProgramNum;
        else if (m_nProductList != 9)
            r.LogicalNumber = r.ShowNum = r.ProgramNum;
    };
    for (auto* s : moved) {
        const int sn = s->ProgramNum;
        for (auto* r = Db().NextAs<Channel_Info_Tag>(kTableChannel, 0); r;
             r = Db().NextAs<Channel_Info_Tag>(kTableChannel, r->Index)) {
            if (r == s || !(r->Attributes & (m_bTV ? kAttrTV : kAttrRadio)))
                continue;
            if (sn <= r->ProgramNum && r->ProgramNum < n)
                --r->ProgramNum;
            else if (n <= r->ProgramNum && r->ProgramNum < sn)
                ++r->ProgramNum;
            copyNumbers(*r);
        }
        if (sn > n)
            s->ProgramNum = static_cast<WORD>(n++);
        else if (sn < n)
            s->ProgramNum = static_cast<WORD>(n - 1);
        copyNumbers(*s);
    }
    std::vector<std::uint32_t> keys;
    for (auto* s : moved)
        keys.push_back(s->Index);
    Rebuild();
    SelectRowsByKey(keys);
}
