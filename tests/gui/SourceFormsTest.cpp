// The satellite, transponder and cable multiplex forms, driven on screen
// (offscreen) as a user fills them: what each shows, what OK refuses with
// which message, and the whole record each hands back, with every field it
// does not show carried unchanged.
#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "qtkit/ScriptedUiSeam.h"
#include "qtkit/vxui/SourceDialogs.h"
#include "tests/gui/Modal.h"
#include "tests/gui/QtPrinters.h"

#include <QDialogButtonBox>

#include <cstring>

namespace {

void PressOk(QDialog& d, QDialogButtonBox::StandardButton button = QDialogButtonBox::Ok) {
    Child<QDialogButtonBox>(d, "Buttons").button(button)->click();
}

// Presses OK and expects the form to refuse with exactly `message`, as an
// error under the program's caption, and to stay open.
void ExpectRefused(QDialog& d, CScriptedUiSeam& ui, const QString& message) {
    const std::size_t before = ui.messages.size();
    PressOk(d);
    ASSERT_EQ(ui.messages.size(), before + 1) << "no message for " << message.toStdString();
    EXPECT_EQ(ui.messages.back().text, message);
    EXPECT_EQ(ui.messages.back().caption, "Velmar");
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::Stop);
    EXPECT_TRUE(d.isVisible()) << "the form closed on " << message.toStdString();
}

template <class T> void Fill(T& record, unsigned char seed) {
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<unsigned char>(seed + 7 * i);
}

class SourceForms : public ::testing::Test {
protected:
    void SetUp() override {
        m_list = GetProductList();
        m_type = GetProductType();
        TheZorvDB().ClearAll();
        SetProductList(1);
        SetProductType(0x01);
    }
    void TearDown() override {
        TheZorvDB().ClearAll();
        SetProductList(m_list);
        SetProductType(m_type);
    }

    CScriptedUiSeam ui;

private:
    int m_list = 0;
    std::uint32_t m_type = 0;
};

Satellite_Info_Tag StoredSatellite() {
    Satellite_Info_Tag s;
    Fill(s, 3);
    s.Index = 4;
    s.ID = 4;
    s.Degree = 3592; // 0.8W
    std::memset(s.Name, 0, sizeof s.Name);
    std::strcpy(s.Name, "Thor");
    s.Group1.w4 = 0x21;
    s.Group2.w4 = 0x22;
    return s;
}

TEST_F(SourceForms, ShortSatelliteFormShowsTheFirstGroupAndCarriesTheRest) {
    const Satellite_Info_Tag stored = StoredSatellite();
    CDlgSATAddUpdate dialog(ui);
    dialog.SetSatelliteInfo(&stored);
    WhenModalNamed("CDlgSATAddUpdate", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Update Satellite");
        ExpectFields(d, {{"Name", "Thor"}, {"Degree", "0.8"}});
        EXPECT_TRUE(Child<QRadioButton>(d, "West").isChecked());
        ExpectFields(d, {{"Group1.w1", QString::number(stored.Group1.w1)},
                         {"Group1.w4", "33"},
                         {"Group1.b4", QString::number(stored.Group1.b4)}});
        EXPECT_EQ(d.findChild<QLineEdit*>("Group1.b5"), nullptr) << "the short entry has no b5";
        EXPECT_EQ(d.findChild<QLineEdit*>("Group2.w1"), nullptr) << "nor a second group";

        // The euro sign, in Windows-1252 in the record.
        SetFields(d, {{"Name", QString::fromUtf8("Hot Bird \xE2\x82\xAC")},
                      {"Degree", "13"},
                      {"Group1.w4", "256"}});
        Child<QRadioButton>(d, "East").setChecked(true);
        ExpectRefused(d, ui, "Group 1 w4 must be a number from 0 to 255.");
        SetFields(d, {{"Group1.w4", "255"}, {"Group1.w2", "0x1234"}});
        PressOk(d);
    });
    ASSERT_EQ(dialog.ShowForm(nullptr), IUiSeam::IDOK);
    Satellite_Info_Tag expected = stored;
    std::memset(expected.Name, 0, sizeof expected.Name);
    std::strcpy(expected.Name, "Hot Bird \x80");
    expected.Degree = 130;
    expected.Group1.w4 = 255;
    expected.Group1.w2 = 0x1234;
    ExpectSameBytes(dialog.GetSatelliteInfo(), expected);
}

TEST_F(SourceForms, LongSatelliteFormShowsBothGroups) {
    const Satellite_Info_Tag stored = StoredSatellite();
    CDlgSAT2AddUpdate dialog(ui);
    dialog.SetSatelliteInfo(&stored);
    WhenModalNamed("CDlgSAT2AddUpdate", [&](QDialog& d) {
        ExpectFields(d, {{"Group1.b5", QString::number(stored.Group1.b5)},
                         {"Group2.w3", QString::number(stored.Group2.w3)},
                         {"Group2.w4", "34"}});
        SetFields(d, {{"Group2.b5", "7"}, {"Group2.w1", "65536"}});
        ExpectRefused(d, ui, "Group 2 w1 must be a number from 0 to 65535.");
        SetFields(d, {{"Group2.w1", "65535"}, {"Degree", "180.0"}});
        PressOk(d);
    });
    ASSERT_EQ(dialog.ShowForm(nullptr), IUiSeam::IDOK);
    Satellite_Info_Tag expected = stored;
    expected.Group2.b5 = 7;
    expected.Group2.w1 = 65535;
    expected.Degree = 1800; // 180 West is the same place as 180 East
    ExpectSameBytes(dialog.GetSatelliteInfo(), expected);
}

// Which names and positions are good is the entries' and record checks'
// rule; here the form shows why, stays open, and Cancel keeps the record.
TEST_F(SourceForms, SatelliteFormRefusesWhatTheImageCannotHold) {
    CDlgSATAddUpdate dialog(ui);
    WhenModalNamed("CDlgSATAddUpdate", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Satellite");
        ExpectFields(d, {{"Degree", "0.0"}});
        EXPECT_TRUE(Child<QRadioButton>(d, "East").isChecked());
        ExpectRefused(d, ui, "Name must not be empty.");
        SetFields(d, {{"Name", "Sixteen chars ab"}});
        ExpectRefused(d, ui, "Name must have at most 15 characters.");
        SetFields(d, {{"Name", "Fifteen chars a"}, {"Degree", "19.25"}});
        ExpectRefused(d, ui,
                      "Position must be from 0.0 to 180.0 degrees, with at most one decimal.");
        PressOk(d, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(dialog.ShowForm(nullptr), IUiSeam::IDCANCEL);
    const Satellite_Info_Tag untouched{};
    ExpectSameBytes(dialog.GetSatelliteInfo(), untouched);
}

Satellite_Info_Tag ListedSatellite(BYTE id, const char* name, WORD degree) {
    Satellite_Info_Tag s{};
    s.Index = id;
    s.ID = id;
    s.Degree = degree;
    std::strcpy(s.Name, name);
    return s;
}

Transponder_Info_Tag StoredTransponder() {
    Transponder_Info_Tag t;
    Fill(t, 11);
    t.Index = 6;
    t.SatID = 3;
    t.TPID = 5;
    t.Frequency = 11778;
    t.SymbolRate = 27500;
    t.TSID = 1020;
    t.PolFEC = 0x3F; // 3/4, bits 1-3 set, horizontal
    return t;
}

TEST_F(SourceForms, TransponderFormEditsTheShownFieldsAndCarriesTheOthers) {
    const Satellite_Info_Tag astra = ListedSatellite(2, "Astra 1", 192),
                             hotbird = ListedSatellite(3, "Hotbird", 130);
    const Transponder_Info_Tag stored = StoredTransponder();
    CDlgTPAddUpdate dialog(ui);
    dialog.AddSatList(&astra);
    dialog.AddSatList(&hotbird);
    dialog.SetTransponderInfo(&stored);
    WhenModalNamed("CDlgTPAddUpdate", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Update Transponder");
        auto& satellite = Child<QComboBox>(d, "Satellite");
        EXPECT_EQ(satellite.count(), 2);
        EXPECT_EQ(satellite.currentText(), "Hotbird (13.0E)");
        ExpectFields(d, {{"Frequency", "11778"}, {"SymbolRate", "27500"}, {"TSID", "1020"}});
        EXPECT_EQ(Child<QComboBox>(d, "Polarisation").currentText(), "H (horizontal)");
        EXPECT_EQ(Child<QComboBox>(d, "FEC").currentText(), "3/4");

        satellite.setCurrentIndex(0);
        SetFields(d, {{"Frequency", "70000"}});
        ExpectRefused(d, ui, "Frequency must be a number from 0 to 65535.");
        SetFields(d, {{"Frequency", "12603"}, {"SymbolRate", "22000"}, {"TSID", "1234"}});
        Child<QComboBox>(d, "Polarisation").setCurrentIndex(1);
        auto& fec = Child<QComboBox>(d, "FEC");
        fec.setCurrentIndex(fec.findText("5/6"));
        PressOk(d);
    });
    ASSERT_EQ(dialog.ShowForm(nullptr), IUiSeam::IDOK);
    Transponder_Info_Tag expected = stored;
    expected.SatID = 2;
    expected.Frequency = 12603;
    expected.SymbolRate = 22000;
    expected.TSID = 1234;
    expected.PolFEC = 0x4E; // 5/6, bits 1-3 kept, vertical
    ExpectSameBytes(dialog.GetTransponderInfo(), expected);
}

TEST_F(SourceForms, TransponderFormNeedsASatelliteAndAFreeTPID) {
    const Satellite_Info_Tag astra = ListedSatellite(2, "Astra 1", 192);
    // Satellite 2 already has a transponder with TPID 5.
    auto other = NewRecord<Transponder_Info_Tag>();
    other->SatID = 2;
    other->TPID = 5;
    TheZorvDB().AddIndexed(kTableTransponder, std::move(other));
    auto mine = NewRecord<Transponder_Info_Tag>();
    *mine = StoredTransponder();
    mine->SatID = 9; // a satellite the list does not have
    const Transponder_Info_Tag stored = *mine;
    const std::uint32_t key =
        static_cast<std::uint32_t>(TheZorvDB().AddIndexed(kTableTransponder, std::move(mine)));
    Transponder_Info_Tag preset = stored;
    preset.Index = key;

    CDlgTPAddUpdate update(ui);
    update.AddSatList(&astra);
    update.SetTransponderInfo(&preset);
    WhenModalNamed("CDlgTPAddUpdate", [&](QDialog& d) {
        auto& satellite = Child<QComboBox>(d, "Satellite");
        EXPECT_EQ(satellite.currentText(), "Satellite ID 9") << "kept unless changed";
        satellite.setCurrentIndex(0);
        ExpectRefused(d, ui, "TPID 5 belongs to another transponder of satellite 2.");
        satellite.setCurrentIndex(1);
        PressOk(d);
    });
    ASSERT_EQ(update.ShowForm(nullptr), IUiSeam::IDOK);
    EXPECT_EQ(update.GetTransponderInfo().SatID, 9);

    // A New from the "all satellites" filter starts with no satellite.
    CDlgTPAddUpdate fresh(ui);
    fresh.AddSatList(&astra);
    const Transponder_Info_Tag zero{};
    fresh.SetTransponderInfo(&zero);
    WhenModalNamed("CDlgTPAddUpdate", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Transponder");
        EXPECT_EQ(Child<QComboBox>(d, "Satellite").currentIndex(), -1);
        ExpectRefused(d, ui, "Satellite must be chosen from the list.");
        Child<QComboBox>(d, "Satellite").setCurrentIndex(0);
        PressOk(d);
    });
    ASSERT_EQ(fresh.ShowForm(nullptr), IUiSeam::IDOK);
    EXPECT_EQ(fresh.GetTransponderInfo().SatID, 2);
    EXPECT_EQ(fresh.GetTransponderInfo().TPID, 0) << "the command numbers it";
}

TEST_F(SourceForms, TransponderFecNamesFollowTheExtensionOnList7) {
    SetProductList(7);
    const Satellite_Info_Tag astra = ListedSatellite(2, "Astra 1", 192);
    Transponder_Info_Tag stored = StoredTransponder();
    stored.SatID = 2;
    stored.ExtByte1 = 0xF1; // DVB-S2 in the low bits
    stored.ExtByte2 = 1;    // 8PSK
    CDlgTPAddUpdate dialog(ui);
    dialog.AddSatList(&astra);
    dialog.SetTransponderInfo(&stored);
    WhenModalNamed("CDlgTPAddUpdate", [&](QDialog& d) {
        EXPECT_EQ(Child<QComboBox>(d, "FEC").currentText(), "S2 8PSK 3/4");
        EXPECT_EQ(Child<QComboBox>(d, "FEC").itemText(12), "S2 8PSK -- (code 12)");
        PressOk(d);
    });
    ASSERT_EQ(dialog.ShowForm(nullptr), IUiSeam::IDOK);
    ExpectSameBytes(dialog.GetTransponderInfo(), stored);
}

CableMux_Info_Tag StoredMux() {
    CableMux_Info_Tag m;
    Fill(m, 5);
    m.Index = 3;
    m.TPID = 4;
    m.Frequency = 474000;
    m.SymbolRate = 6900;
    m.TSID = 11;
    m.NetworkID = 12;
    m.OrgNetID = 13;
    m.Modulation = 0x0D; // 64 QAM, inversion 1
    m.Invert = 0x55;
    return m;
}

TEST_F(SourceForms, CableFormInMHzWithThreeDecimalsAndModulationBits) {
    const CableMux_Info_Tag stored = StoredMux();
    CDlgCableMuxAddUpdate dialog(ui);
    dialog.SetCableInfo(&stored);
    WhenModalNamed("CDlgCableMuxAddUpdate", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Update Multiplex");
        ExpectFields(d, {{"Frequency", "474.000"}, {"SymbolRate", "6900"}});
        EXPECT_EQ(Child<QComboBox>(d, "QAM").currentText(), "64 QAM");
        EXPECT_EQ(Child<QComboBox>(d, "QAM").count(), 5);
        ExpectFields(d, {{"Invert", "1"}, {"TSID", "11"}, {"NetworkID", "12"}, {"OrgNetID", "13"}});

        SetFields(d, {{"Frequency", "474.2505"}});
        ExpectRefused(d, ui,
                      "Frequency must be a number of MHz with at most three decimals, up to "
                      "4294967.295.");
        SetFields(d, {{"Frequency", "474.25"}, {"Invert", "4"}});
        ExpectRefused(d, ui, "Inversion must be a number from 0 to 3.");
        SetFields(d, {{"Invert", "2"},
                      {"OrgNetID", "8468"},
                      {"NetworkID", "40"},
                      {"TSID", "41"},
                      {"SymbolRate", "6875"}});
        auto& qam = Child<QComboBox>(d, "QAM");
        qam.setCurrentIndex(qam.findText("256 QAM"));
        PressOk(d);
    });
    ASSERT_EQ(dialog.ShowForm(nullptr), IUiSeam::IDOK);
    CableMux_Info_Tag expected = stored;
    expected.Frequency = 474250;
    expected.SymbolRate = 6875;
    expected.TSID = 41;
    expected.NetworkID = 40;
    expected.OrgNetID = 8468;
    expected.Modulation = (5 << 2) | 2;
    ExpectSameBytes(dialog.GetCableInfo(), expected);
}

TEST_F(SourceForms, CableFormOnList10UsesTheWholeBytes) {
    SetProductList(10);
    CableMux_Info_Tag stored = StoredMux();
    stored.Modulation = 3;
    stored.Invert = 200;
    CDlgCableMuxAddUpdate dialog(ui);
    dialog.SetCableInfo(&stored);
    WhenModalNamed("CDlgCableMuxAddUpdate", [&](QDialog& d) {
        EXPECT_EQ(Child<QComboBox>(d, "QAM").currentText(), "64 QAM");
        ExpectFields(d, {{"Invert", "200"}});
        SetFields(d, {{"Invert", "256"}});
        ExpectRefused(d, ui, "Inversion must be a number from 0 to 255.");
        SetFields(d, {{"Invert", "1"}});
        auto& qam = Child<QComboBox>(d, "QAM");
        qam.setCurrentIndex(qam.findText("16 QAM"));
        PressOk(d);
    });
    ASSERT_EQ(dialog.ShowForm(nullptr), IUiSeam::IDOK);
    CableMux_Info_Tag expected = stored;
    expected.Modulation = 1;
    expected.Invert = 1;
    ExpectSameBytes(dialog.GetCableInfo(), expected);
}

TEST_F(SourceForms, CableFormKeepsAnUnnamedQamCodeAndStartsNewOnes64Qam) {
    CableMux_Info_Tag stored = StoredMux();
    stored.Modulation = (7 << 2) | 1; // code 7: no name
    CDlgCableMuxAddUpdate dialog(ui);
    dialog.SetCableInfo(&stored);
    WhenModalNamed("CDlgCableMuxAddUpdate", [&](QDialog& d) {
        EXPECT_EQ(Child<QComboBox>(d, "QAM").currentText(), "-- (code 7)");
        PressOk(d);
    });
    ASSERT_EQ(dialog.ShowForm(nullptr), IUiSeam::IDOK);
    ExpectSameBytes(dialog.GetCableInfo(), stored);

    CDlgCableMuxAddUpdate fresh(ui);
    WhenModalNamed("CDlgCableMuxAddUpdate", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "New Multiplex");
        ExpectFields(d, {{"Frequency", "0.000"}});
        EXPECT_EQ(Child<QComboBox>(d, "QAM").currentText(), "64 QAM");
        SetFields(d, {{"Frequency", "306"}});
        PressOk(d);
    });
    ASSERT_EQ(fresh.ShowForm(nullptr), IUiSeam::IDOK);
    EXPECT_EQ(fresh.GetCableInfo().Frequency, 306000u);
    EXPECT_EQ(fresh.GetCableInfo().Modulation, 3 << 2);
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
