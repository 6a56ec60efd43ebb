#include "views/SourceGrids.h"

#include <QCoreApplication>

#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "document/EditCatalogue.h"
#include "document/EditSession.h"
#include "model/BroadcastCounts.h"
#include "model/ChannelEdits.h"
#include "model/ChannelRecords.h"
#include "model/MuxParams.h"
#include "model/Product.h"
#include "model/RecordTexts.h"
#include "model/SatelliteRecords.h"
#include "platform/DisplayTexts.h"
#include "qtkit/vxui/RecordFormDialog.h"

#include <utility>

namespace {

CZorvDB& Db() {
    return TheZorvDB();
}

template <class T, class Visit> void ForEach(std::uint8_t table, Visit visit) {
    for (const T& r : std::as_const(Db()).Rows<T>(table))
        visit(r);
}

QString Commas(int value) {
    char text[kDisplayTextMax];
    std::snprintf(text, sizeof text, "%d", value);
    MakeCommaDigitString(text);
    return text;
}

QString N(long long v) {
    return QString::number(v);
}

} // namespace

// ---- Satellites -------------------------------------------------------------------

CSatGridCtrl::CSatGridCtrl(const ViewContext& context, QWidget* parent)
    : CSourceGridCtrl(context, kDragSatellite, SourceGrid::Satellite, parent) {}

void CSatGridCtrl::SetupGrid() {
    SetupColumns({{"", "000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Index"), "00"},
                  {QT_TRANSLATE_NOOP("Velmar", "ID"), "ID"},
                  {QT_TRANSLATE_NOOP("Velmar", "Name"), "0000000000000000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Degree"), "0000.0 E"}},
                 true);
    SetColumnAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
    if (GetGridColumn() == 0) {
        SetColHidden(1, true);
        SetColHidden(2, true);
    }
    m_dropTarget.Register(this);
}

void CSatGridCtrl::FillGrid() {
    const auto bulk = Bulk();
    ClearRows();
    const std::uint32_t type = GetProductType();
    ForEach<Satellite_Info_Tag>(kTableSatellite, [&](const Satellite_Info_Tag& s) {
        if (IsTerrestrialPseudoSatellite(type, s.Index))
            return; // the terrestrial network's pseudo-satellite
        AppendRow(Cells(s));
    });
}

QStringList CSatGridCtrl::Cells(const Satellite_Info_Tag& s) const {
    return {N(GetRowCount()), N(s.Index), N(s.ID), AnsiFieldText(s.Name, sizeof s.Name),
            QString::fromStdString(DegreeText(s.Degree))};
}

// ---- Transponders -------------------------------------------------------------------

CTPGridCtrl::CTPGridCtrl(const ViewContext& context, QWidget* parent)
    : CSourceGridCtrl(context, kDragTransponder, SourceGrid::Transponder, parent) {}

void CTPGridCtrl::SetupGrid() {
    SetupColumns({{"", "000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Index"), "00"},
                  {QT_TRANSLATE_NOOP("Velmar", "TPID"), "00"},
                  {QT_TRANSLATE_NOOP("Velmar", "TS ID"), "00000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Sat ID"), "00"},
                  {QT_TRANSLATE_NOOP("Velmar", "Freq"), "000MHz"},
                  {QT_TRANSLATE_NOOP("Velmar", "Symbol"), "000000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Polarity"), " H O R "},
                  {QT_TRANSLATE_NOOP("Velmar", "FEC"), "0000"}},
                 true);
    SetColHidden(3, true);
    if (GetGridColumn() == 0)
        for (int c : {1, 2, 4})
            SetColHidden(c, true);
    m_dropTarget.Register(this);
}

void CTPGridCtrl::Fill() {
    const auto bulk = Bulk();
    ClearRows();
    const std::uint32_t type = GetProductType();
    ForEach<Transponder_Info_Tag>(kTableTransponder, [&](const Transponder_Info_Tag& t) {
        if (IsTerrestrialPseudoSatellite(type, t.SatID))
            return;
        if (m_nSatellite != 0 && t.SatID != m_nSatellite)
            return;
        AppendRow(Cells(t));
    });
}

QStringList CTPGridCtrl::Cells(const Transponder_Info_Tag& t) const {
    const bool extension = HasTransponderExtension(GetProductList());
    char fec[kDisplayTextMax];
    GetFECName(extension ? (t.ExtByte1 & 0x0F) : 0, extension ? t.ExtByte2 : 0, t.PolFEC & 0xF0,
               fec);
    return {N(GetRowCount()),
            N(t.Index),
            N(t.TPID),
            N(t.TSID),
            N(t.SatID),
            Commas(t.Frequency),
            Commas(t.SymbolRate),
            QString::fromStdString(PolarityText(t.PolFEC)),
            fec};
}

void CTPGridCtrl::FillGrid() {
    m_nSatellite = 0;
    Fill();
}

void CTPGridCtrl::FilterBySatellite(std::uint32_t satelliteKey) {
    if (const auto* s = Db().Get<Satellite_Info_Tag>(kTableSatellite, satelliteKey))
        m_nSatellite = s->ID;
    Fill();
}

void CTPGridCtrl::MoveSelectedToSatellite(std::uint32_t satKey) {
    std::vector<std::uint32_t> keys;
    for (int row : GetSelectedRows())
        keys.push_back(GetRowKey(row));
    RunEdit(m_session, EditId::MoveTransponders, [&] {
        MoveTranspondersToSatellite(Db(), keys, satKey);
        return true;
    });
}

// ---- Broadcasters -------------------------------------------------------------------

CBroadcastGridCtrl::CBroadcastGridCtrl(const ViewContext& context, QWidget* parent)
    : CSourceGridCtrl(context, kDragBroadcast, SourceGrid::Broadcast, parent) {}

void CBroadcastGridCtrl::SetupGrid() {
    SetupColumns({{QT_TRANSLATE_NOOP("Velmar", "NO"), "0000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Index"), "00"},
                  {QT_TRANSLATE_NOOP("Velmar", "Broadcast ID"), "00"},
                  {QT_TRANSLATE_NOOP("Velmar", "Name"), "00000000000000000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Count"), "000000"}},
                 true);
    SetColumnAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
    SetColHidden(1, true);
    SetColHidden(2, true);
    m_dropTarget.Register(this);
}

void CBroadcastGridCtrl::FillGrid() {
    const auto bulk = Bulk();
    ClearRows();
    const BroadcastCounts counts(Db()); // one walk of the channels for every row
    ForEach<Broadcast_Info_Tag>(kTableBroadcast, [&](const Broadcast_Info_Tag& b) {
        AppendRow(Cells(b, counts.Of(b.BroadcastID)));
    });
}

QStringList CBroadcastGridCtrl::Cells(const Broadcast_Info_Tag& b) const {
    return Cells(b, CountBroadcastChannels(Db(), b.BroadcastID));
}

QStringList CBroadcastGridCtrl::Cells(const Broadcast_Info_Tag& b, BroadcastCount n) const {
    return {N(GetRowCount()), N(b.Index), N(b.BroadcastID), AnsiFieldText(b.Name, sizeof b.Name),
            QString("%1/%2").arg(n.tv).arg(n.radio)};
}

bool CBroadcastGridCtrl::AcceptsChannels() const {
    return m_frame.DragSource() == kDragTV || m_frame.DragSource() == kDragRadio;
}

// ---- Cable multiplexes ----------------------------------------------------------------

CCableMuxGridCtrl::CCableMuxGridCtrl(const ViewContext& context, QWidget* parent)
    : CSourceGridCtrl(context, kDragMux, SourceGrid::CableMux, parent) {}

void CCableMuxGridCtrl::SetupGrid() {
    SetupColumns({{"", "000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Index"), "00"},
                  {QT_TRANSLATE_NOOP("Velmar", "MUX"), "0000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Freq.(MHz)"), "000.0 (MHz)"},
                  {QT_TRANSLATE_NOOP("Velmar", "Symbol"), "0000000"},
                  {QT_TRANSLATE_NOOP("Velmar", "TS ID"), "00000"},
                  {QT_TRANSLATE_NOOP("Velmar", "NET ID"), "000000"},
                  {QT_TRANSLATE_NOOP("Velmar", "ORG NID"), "000000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Const"), "00000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Invert"), "0000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Mark"), "0000"}},
                 true);
    for (int c : {1, 5, 6, 7})
        SetColHidden(c, true);
}

void CCableMuxGridCtrl::FillGrid() {
    const auto bulk = Bulk();
    ClearRows();
    if (!IsCable(GetProductType()))
        return;
    ForEach<CableMux_Info_Tag>(kTableCableMux,
                               [&](const CableMux_Info_Tag& m) { AppendRow(Cells(m)); });
}

QStringList CCableMuxGridCtrl::Cells(const CableMux_Info_Tag& m) const {
    const int list = GetProductList();
    return {N(GetRowCount()),
            N(m.Index),
            N(m.TPID),
            QString::fromStdString(CableFrequencyText(m.Frequency)),
            QString::fromStdString(SymbolRateText(m.SymbolRate)),
            N(m.TSID),
            N(m.NetworkID),
            N(m.OrgNetID),
            QString::fromStdString(QamText(CableQamCode(m.Modulation, list))),
            N(CableInvertValue(m.Modulation, m.Invert, list)),
            N(m.Mark)};
}

// ---- Terrestrial multiplexes -----------------------------------------------------------

CTerMuxGridCtrl::CTerMuxGridCtrl(const ViewContext& context, QWidget* parent)
    : CListGridCtrl(context, kDragMux, parent) {}

void CTerMuxGridCtrl::SetupGrid() {
    SetupColumns({{"", "0000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Index"), "00"},
                  {QT_TRANSLATE_NOOP("Velmar", "Freq.(MHz)"), "000.0 (MHz)"},
                  {QT_TRANSLATE_NOOP("Velmar", "TX Mod"), "0000000"},
                  {QT_TRANSLATE_NOOP("Velmar", "C.R."), "00000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Const."), "64 QAM "},
                  {QT_TRANSLATE_NOOP("Velmar", "G.I."), "00000"},
                  {QT_TRANSLATE_NOOP("Velmar", "Priority"), "A u t o "}},
                 true);
    SetColHidden(1, true);
}

void CTerMuxGridCtrl::FillGrid() {
    const auto bulk = Bulk();
    ClearRows();
    auto row = [&](DWORD params, BYTE nameIndex, BYTE tpid) {
        char name[kMuxNameMax] = {};
        GetMuxName(nameIndex, name);
        const MuxParams p = MuxParams::Unpack(params);
        AppendRow(
            {name, N(tpid),
             QString::fromStdString(MuxFrequencyText(GetMuxFrequency(tpid - 1, p.FreqTable, 0))),
             QString::fromStdString(TransModeText(p.TransMode)),
             QString::fromStdString(CodeRateText(p.CodeRate)),
             QString::fromStdString(ConstellationText(p.Constellation)),
             QString::fromStdString(GuardIntervalText(p.GuardInterval)),
             QString::fromStdString(PriorityText(p.Priority))});
    };
    const std::uint32_t type = GetProductType();
    if (IsSatelliteAndTerrestrial(type)) {
        ForEach<Transponder_Info_Tag>(kTableTransponder, [&](const Transponder_Info_Tag& t) {
            if (t.SatID == kTerrestrialSatelliteId)
                row(TpParams(t), TpNameIndex(t), t.TPID);
        });
    } else if (IsTerrestrial(type)) {
        ForEach<SMux_Info_Tag>(kTableTerrestrialMux,
                               [&](const SMux_Info_Tag& m) { row(m.Params, m.NameIndex, m.TPID); });
    }
}
