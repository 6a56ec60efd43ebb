// The channel list in and out of plain files from the toolbar: Export and
// Import of a CSV (a round trip, a file with rows the list cannot take, a
// file that cannot be read, a target that cannot be written) and Import
// transponders from a satellites.xml file with its choice of satellites and
// the delete of what the file does not have.
#include "tests/gui/EditorFixture.h"
#include "tests/gui/InLanguage.h"

#include "contracts/Texts.h"
#include "lists/ChannelCsv.h"
#include "model/ChannelListModel.h"
#include "model/ChannelRecords.h"
#include "model/EntryValues.h"
#include "model/GridMenus.h"
#include "model/SatelliteRecords.h"
#include "views/SatelliteChoiceDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>

#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

class ListFiles : public Editor {
protected:
    void TearDown() override {
        std::error_code ec;
        for (const char* name : {"lists.csv", "bad-rows.csv", "unreadable.csv", "export-dir",
                                 "satellites.xml", "malformed.xml"})
            fs::remove_all(Scratch(name), ec);
        Editor::TearDown();
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    void Export(const std::string& path) {
        ui.NextSaveFileName(QString::fromStdString(path));
        Action("ID_EXPORT_CSV").trigger();
    }
    void Import(const std::string& path) {
        ui.NextOpenFileName(QString::fromStdString(path));
        Action("ID_IMPORT_CSV").trigger();
    }
    static std::vector<std::string> Listing(const fs::path& dir) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

// A satellite of the list and its transponders, as a satellites.xml file
// would have them.
struct ListSatellite {
    BYTE id = 0;
    int position = 0;
    std::vector<Transponder_Info_Tag> transponders;
};

std::size_t ChannelsOn(BYTE satID, BYTE tpid) {
    std::size_t n = 0;
    for (const auto& c : std::as_const(TheZorvDB()).Rows<Channel_Info_Tag>(kTableChannel))
        n += c.SatID == satID && c.TPID == tpid ? 1 : 0;
    return n;
}

std::string TransponderXml(WORD mhz, WORD ks, bool horizontal, int fec) {
    std::ostringstream x;
    x << "  <transponder frequency=\"" << mhz * 1000 << "\" symbol_rate=\"" << ks * 1000
      << "\" polarization=\"" << (horizontal ? 0 : 1) << "\" fec_inner=\"" << fec
      << "\" system=\"0\" modulation=\"1\"/>\n";
    return x.str();
}

} // namespace

TEST_F(ListFiles, TheButtonsSayWhatTheyDo) {
    Start();
    const std::pair<const char*, const char*> buttons[] = {
        {"ID_COMPARE_WITH", "Compare with…"},
        {"ID_IMPORT_CSV", "Import…"},
        {"ID_EXPORT_CSV", "Export…"},
        {"ID_IMPORT_SATELLITES", "Import transponders…"}};
    for (const auto& [name, text] : buttons) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Action(name).text(), QString(text));
        EXPECT_EQ(Action(name).toolTip(), QString(text));
        EXPECT_FALSE(Action(name).statusTip().isEmpty());
        EXPECT_TRUE(Action(name).isEnabled());
    }
    // Cancelled file dialogs change nothing and say nothing.
    for (const auto& [name, text] : buttons)
        Action(name).trigger();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.openDialogs.size(), 3u);
    EXPECT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_TRUE(ui.ShownDialogs().empty());
}

// ---- CSV -----------------------------------------------------------------------------

TEST_F(ListFiles, ExportThenImportGivesTheSameChannelsAsOneEdit) {
    Open();
    const std::string path = Scratch("lists.csv");
    const std::string before = ChannelCsvText(TheZorvDB(), false);
    const QStringList tv = ChannelNames(TV()), radio = ChannelNames(Radio());
    Export(path);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_EQ(ui.saveDialogs[0].title, "Export Channels as CSV");
    EXPECT_EQ(ui.saveDialogs[0].filter, "CSV file (*.csv)|*.csv|All Files(*.*)|*.*||");
    EXPECT_EQ(ui.saveDialogs[0].initialName, "*.csv");
    EXPECT_EQ(ui.saveDialogs[0].defaultExtension, "csv");
    const std::string text = ReadAll(path);
    EXPECT_EQ(text.substr(0, 30), "ProgramNum,CAS,Favorite,SatID,") << "no byte order mark";
    EXPECT_EQ(text, before);
    EXPECT_EQ(frame->Session().UndoCount(), 0u) << "an export is no edit";

    // Every TV channel deleted, then the file brings them back.
    TV().SelectRowsWhere([](int) { return true; });
    ui.NextAnswer(IUiSeam::IDYES);
    TV().RunCommand(kChannelDelete);
    ASSERT_EQ(TV().GetRowCount(), 1);
    Import(path);
    EXPECT_EQ(ui.messages.size(), 1u) << "only the delete's question";
    EXPECT_EQ(ui.openDialogs.back().title, "Import Channels from CSV");
    EXPECT_EQ(ui.openDialogs.back().filter, texts::kCsvFilter);
    EXPECT_EQ(ChannelCsvText(TheZorvDB(), false), before);
    EXPECT_EQ(ChannelNames(TV()), tv);
    EXPECT_EQ(ChannelNames(Radio()), radio);
    EXPECT_EQ(frame->Session().UndoCount(), 2u);
    EXPECT_EQ(Action("ID_EDIT_UNDO").toolTip(), "Undo Import CSV");
    Action("ID_EDIT_UNDO").trigger();
    EXPECT_EQ(TV().GetRowCount(), 1) << "back to the list without TV channels";
    EXPECT_EQ(ChannelNames(Radio()), radio);
}

TEST_F(ListFiles, ACsvWithRowsTheListCannotTakeSaysThemAndOneThatCannotBeReadChangesNothing) {
    Open();
    const std::string bad = Scratch("bad-rows.csv");
    Write(bad, "ProgramNum,Attributes,Name,SatID,TPID\r\n"
               "1,1024,Velmar A,1,1\r\n"
               "2,0,Velmar B,1,1\r\n"
               "3,2048,Velmar C,1,1\r\n"
               "4,3072,Velmar D,1,1\r\n");
    Import(bad);
    ASSERT_EQ(ui.messages.size(), 1u);
    const QString said = ui.messages.back().text;
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::Warning);
    EXPECT_TRUE(said.startsWith("2 rows of Channel were not imported: 1 mark neither TV nor "
                                "radio, 1 mark both TV and radio."))
        << said.toStdString();
    EXPECT_EQ(ChannelNames(TV()), QStringList{"Velmar A"});
    EXPECT_EQ(ChannelNames(Radio()), QStringList{"Velmar C"});
    EXPECT_EQ(frame->Session().UndoCount(), 1u);
    Action("ID_EDIT_UNDO").trigger();
    EXPECT_EQ(TV().GetRowCount() - 1, 204);

    // A number too large for its column refuses the whole file, with its line.
    const std::string unreadable = Scratch("unreadable.csv");
    Write(unreadable, "ProgramNum,Attributes,Name\r\n1,1024,A\r\n70000,1024,B\r\n");
    const std::string before = ChannelCsvText(TheZorvDB(), false);
    Import(unreadable);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::Stop);
    EXPECT_TRUE(ui.messages.back().text.startsWith("The CSV file cannot be read: line 3"))
        << ui.messages.back().text.toStdString();
    EXPECT_EQ(ChannelCsvText(TheZorvDB(), false), before);
    EXPECT_EQ(TV().GetRowCount() - 1, 204);
    EXPECT_EQ(frame->Session().UndoCount(), 0u);
    EXPECT_FALSE(Action("ID_EDIT_UNDO").isEnabled());
}

TEST_F(ListFiles, AnExportThatCannotBeWrittenSaysSoAndLeavesNoFile) {
    Open();
    const fs::path dir = Scratch("export-dir");
    fs::create_directories(dir / "taken");
    Write((dir / "kept.csv").string(), "an older list");
    const std::vector<std::string> listing = Listing(dir);

    // A folder that does not exist, and a name a folder already has; then
    // the first again in Russian, the system's reason as the system says it.
    const QString missing = QString::fromStdString((dir / "missing").string());
    const QString taken = QString::fromStdString((dir / "taken").string());
    const std::vector<std::tuple<fs::path, const char*, QString>> cases = {
        {dir / "missing" / "list.csv", "",
         "cannot create a file in " + missing + ": No such file or directory"},
        {dir / "taken", "", taken + " is not a regular file"},
        {dir / "missing" / "list.csv", "ru",
         "не удаётся создать файл в " + missing + ": No such file or directory"}};
    for (const auto& [target, language, said] : cases) {
        SCOPED_TRACE(target.string());
        std::optional<CInLanguage> translated;
        if (*language)
            translated.emplace(language);
        const std::size_t shown = ui.messages.size();
        Export(target.string());
        ExpectSaid(shown + 1, IUiSeam::Icon::Stop, said);
        EXPECT_EQ(Listing(dir), listing) << "no part of a file is left";
        EXPECT_TRUE(fs::is_directory(dir / "taken"));
    }
    EXPECT_FALSE(fs::exists(dir / "missing"));
    EXPECT_EQ(ReadAll((dir / "kept.csv").string()), "an older list");

    // Over an existing file the new list replaces it whole, without a word.
    const std::size_t shown = ui.messages.size();
    Export((dir / "kept.csv").string());
    EXPECT_EQ(ui.messages.size(), shown);
    EXPECT_EQ(ReadAll((dir / "kept.csv").string()), ChannelCsvText(TheZorvDB(), false));
    EXPECT_EQ(Listing(dir), listing);
}

// ---- Transponders from satellites.xml --------------------------------------------------

class TransponderImport : public ListFiles {
protected:
    // The list's satellite with the most transponders; of them, the one
    // with the most channels leaves the file, another gets a new symbol
    // rate, and the file has one transponder more. A new satellite at
    // 7.0E with two transponders follows.
    void WriteFile() {
        std::map<BYTE, ListSatellite> satellites;
        for (const auto& s : std::as_const(TheZorvDB()).Rows<Satellite_Info_Tag>(kTableSatellite))
            satellites[s.ID] = {s.ID, s.Degree <= 1800 ? int{s.Degree} : int{s.Degree} - 3600, {}};
        for (const auto& t :
             std::as_const(TheZorvDB()).Rows<Transponder_Info_Tag>(kTableTransponder))
            if (satellites.contains(t.SatID))
                satellites[t.SatID].transponders.push_back(t);
        for (const auto& [id, s] : satellites)
            if (s.transponders.size() > chosen.transponders.size())
                chosen = s;
        ASSERT_GE(chosen.transponders.size(), 3u);
        for (const auto& [id, s] : satellites)
            ASSERT_NE(s.position, 70) << "the example has no satellite at 7.0E";
        const auto& ts = chosen.transponders;
        std::size_t omit = 0;
        for (std::size_t i = 1; i < ts.size(); ++i)
            if (ChannelsOn(chosen.id, ts[i].TPID) > ChannelsOn(chosen.id, ts[omit].TPID))
                omit = i;
        omitted = ts[omit];
        omittedChannels = ChannelsOn(chosen.id, omitted.TPID);
        ASSERT_GT(omittedChannels, 0u);
        const std::size_t change = omit == 0 ? 1 : 0;
        changed = ts[change];
        changedRate = changed.SymbolRate == 27500 ? 22000 : 27500;
        // A frequency no transponder of the satellite is near.
        addedFrequency = 10700;
        for (bool clear = false; !clear; addedFrequency += 7) {
            clear = true;
            for (const auto& t : ts)
                clear = clear && std::abs(int{t.Frequency} - int{addedFrequency}) > 5;
        }

        std::ostringstream x;
        x << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n"
          << " <sat name=\"Mine\" position=\"" << chosen.position << "\" flags=\"0\">\n";
        for (std::size_t i = 0; i < ts.size(); ++i) {
            if (i == omit)
                continue;
            x << TransponderXml(ts[i].Frequency, i == change ? changedRate : ts[i].SymbolRate,
                                IsHorizontal(ts[i].PolFEC), FecCode(ts[i].PolFEC));
        }
        x << TransponderXml(addedFrequency, 27500, true, 3) << " </sat>\n"
          << " <sat name=\"Eutelsat 7E\" position=\"70\" flags=\"0\">\n"
          << TransponderXml(10721, 22000, true, 3) << TransponderXml(11471, 30000, false, 2)
          << " </sat>\n</satellites>\n";
        Write(Scratch("satellites.xml"), x.str());
    }
    void ImportFile(std::function<void(CDlgSatelliteChoice&)> choose, int result = IUiSeam::IDOK) {
        ui.NextOpenFileName(QString::fromStdString(Scratch("satellites.xml")));
        ui.NextDialog<CDlgSatelliteChoice>(result, std::move(choose));
        Action("ID_IMPORT_SATELLITES").trigger();
    }
    // The chosen satellite's transponders now, by TPID.
    std::map<BYTE, Transponder_Info_Tag> Transponders(BYTE satID) const {
        std::map<BYTE, Transponder_Info_Tag> out;
        for (const auto& t :
             std::as_const(TheZorvDB()).Rows<Transponder_Info_Tag>(kTableTransponder))
            if (t.SatID == satID)
                out[t.TPID] = t;
        return out;
    }
    const Satellite_Info_Tag* At(WORD degree) const {
        for (const auto& s : std::as_const(TheZorvDB()).Rows<Satellite_Info_Tag>(kTableSatellite))
            if (s.Degree == degree)
                return &s;
        return nullptr;
    }
    bool Has(BYTE satID, WORD frequency, bool horizontal) const {
        for (const auto& [tpid, t] : Transponders(satID))
            if (t.Frequency == frequency && IsHorizontal(t.PolFEC) == horizontal)
                return true;
        return false;
    }

    ListSatellite chosen;
    Transponder_Info_Tag omitted{}, changed{};
    WORD changedRate = 0, addedFrequency = 0;
    std::size_t omittedChannels = 0;
};

TEST_F(TransponderImport, TheChosenSatellitesAreBroughtUpToDateAndMissingOnesKept) {
    Open();
    WriteFile();
    ASSERT_FALSE(HasFatalFailure());
    const std::uint32_t channels = TheZorvDB().Size(kTableChannel);
    const std::size_t before = Transponders(chosen.id).size();
    const int satelliteRows = Grid("SatGrid").GetRowCount();

    // The form: both satellites checked, the delete box not; nothing
    // checked, nothing to take.
    ImportFile([&](CDlgSatelliteChoice& d) {
        const std::unique_ptr<QDialog> form = d.BuildForm(frame.get());
        auto& list = *form->findChild<QListWidget*>("SatelliteChoices");
        auto& prune = *form->findChild<QCheckBox*>("PruneTransponders");
        EXPECT_EQ(prune.text(), "Delete transponders the file does not have");
        EXPECT_FALSE(prune.isChecked());
        ASSERT_EQ(list.count(), 2);
        EXPECT_EQ(list.item(0)->checkState(), Qt::Checked);
        EXPECT_EQ(list.item(1)->checkState(), Qt::Checked);
        EXPECT_TRUE(list.item(0)->text().contains("in this list"))
            << list.item(0)->text().toStdString();
        EXPECT_EQ(list.item(1)->text(), "7.0E  Eutelsat 7E  (2 transponders, new)");
        QPushButton* ok = form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        list.item(0)->setCheckState(Qt::Unchecked);
        list.item(1)->setCheckState(Qt::Unchecked);
        EXPECT_FALSE(ok->isEnabled());
        list.item(0)->setCheckState(Qt::Checked);
        list.item(1)->setCheckState(Qt::Checked);
        EXPECT_TRUE(ok->isEnabled());
        ok->click();
        EXPECT_EQ(form->result(), QDialog::Accepted);
        EXPECT_EQ(d.ChosenPositions(), (std::vector<int>{chosen.position, 70}));
        EXPECT_FALSE(d.Prune());
    });
    EXPECT_EQ(ui.openDialogs.back().title, "Import Transponders");
    EXPECT_EQ(ui.openDialogs.back().filter, "Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||");
    ASSERT_EQ(ui.messages.size(), 1u);
    const QString said = ui.messages.back().text;
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::Information);
    EXPECT_TRUE(said.startsWith("1 satellite added, 1 brought up to date; transponders: 3 added, "))
        << said.toStdString();
    EXPECT_TRUE(said.contains("1 transponder of the list the file no longer has was kept:"))
        << said.toStdString();

    // The new transponder, the new rate, the missing one kept with its channels.
    EXPECT_EQ(Transponders(chosen.id).size(), before + 1);
    EXPECT_TRUE(Has(chosen.id, addedFrequency, true));
    EXPECT_EQ(Transponders(chosen.id).at(changed.TPID).SymbolRate, changedRate);
    EXPECT_TRUE(Has(chosen.id, omitted.Frequency, IsHorizontal(omitted.PolFEC)));
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), channels);
    const Satellite_Info_Tag* added = At(70);
    ASSERT_NE(added, nullptr);
    EXPECT_STREQ(added->Name, "Eutelsat 7E");
    EXPECT_EQ(Transponders(added->ID).size(), 2u);
    EXPECT_EQ(Grid("SatGrid").GetRowCount(), satelliteRows + 1);
    EXPECT_EQ(Action("ID_EDIT_UNDO").toolTip(), "Undo Import transponders");

    Action("ID_EDIT_UNDO").trigger();
    EXPECT_EQ(At(70), nullptr);
    EXPECT_EQ(Transponders(chosen.id).size(), before);
    EXPECT_EQ(Transponders(chosen.id).at(changed.TPID).SymbolRate, changed.SymbolRate);
    EXPECT_EQ(Grid("SatGrid").GetRowCount(), satelliteRows);

    // Only the new satellite ticked: the list's own stays as it is.
    ImportFile([](CDlgSatelliteChoice& d) { d.Choose(0, false); });
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(ui.messages.back().text.startsWith(
        "1 satellite added, 0 brought up to date; transponders: 2 added, 0 updated, 0 unchanged."))
        << ui.messages.back().text.toStdString();
    EXPECT_EQ(Transponders(chosen.id).at(changed.TPID).SymbolRate, changed.SymbolRate);
    EXPECT_NE(At(70), nullptr);

    // Cancel changes nothing and says nothing.
    Action("ID_EDIT_UNDO").trigger();
    const std::size_t steps = frame->Session().UndoCount();
    ImportFile({}, IUiSeam::IDCANCEL);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(frame->Session().UndoCount(), steps);
    EXPECT_EQ(At(70), nullptr);
}

TEST_F(TransponderImport, WithTheDeleteBoxMissingTranspondersGoWithTheirChannels) {
    Open();
    WriteFile();
    ASSERT_FALSE(HasFatalFailure());
    const std::uint32_t channels = TheZorvDB().Size(kTableChannel);
    const std::size_t before = Transponders(chosen.id).size();
    const int tvRows = TV().GetRowCount(), radioRows = Radio().GetRowCount();

    ImportFile([](CDlgSatelliteChoice& d) {
        const std::unique_ptr<QDialog> form = d.BuildForm(nullptr);
        form->findChild<QCheckBox*>("PruneTransponders")->setChecked(true);
        form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        EXPECT_TRUE(d.Prune());
    });
    ASSERT_EQ(ui.messages.size(), 1u);
    const QString said = ui.messages.back().text;
    EXPECT_TRUE(said.contains(QString(", 1 deleted with %1 channel").arg(omittedChannels)))
        << said.toStdString();
    // One gone, one added: as many as before, the omitted one not among them.
    EXPECT_EQ(Transponders(chosen.id).size(), before);
    EXPECT_FALSE(Has(chosen.id, omitted.Frequency, IsHorizontal(omitted.PolFEC)));
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), channels - omittedChannels);
    EXPECT_EQ(
        static_cast<std::size_t>(tvRows - TV().GetRowCount() + radioRows - Radio().GetRowCount()),
        omittedChannels)
        << "the lists show the channels gone";

    Action("ID_EDIT_UNDO").trigger();
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), channels);
    EXPECT_TRUE(Has(chosen.id, omitted.Frequency, IsHorizontal(omitted.PolFEC)));
    EXPECT_EQ(TV().GetRowCount(), tvRows);
}

TEST_F(ListFiles, AMalformedSatelliteFileSaysItsLineAndChangesNothing) {
    Open();
    const std::string path = Scratch("malformed.xml");
    Write(path, "<satellites>\n"
                " <sat name=\"Astra\" position=\"192\" flags=\"0\">\n"
                "  <transponder frequency=\"abc\" symbol_rate=\"22000000\" polarization=\"0\" "
                "fec_inner=\"3\" system=\"0\" modulation=\"1\"/>\n"
                " </sat>\n</satellites>\n");
    const std::uint32_t transponders = TheZorvDB().Size(kTableTransponder);
    ui.NextOpenFileName(QString::fromStdString(path));
    Action("ID_IMPORT_SATELLITES").trigger();
    ExpectSaid(1, IUiSeam::Icon::Stop,
               QString::fromStdString(path) +
                   ", line 3: frequency=\"abc\" is not a number from 0 to 4294967295\n"
                   "Nothing was changed.");
    EXPECT_TRUE(ui.Shown<CDlgSatelliteChoice>().empty());
    EXPECT_EQ(TheZorvDB().Size(kTableTransponder), transponders);
    EXPECT_EQ(frame->Session().UndoCount(), 0u);

    // Not XML at all.
    Write(path, "<satellites><sat name=\"x\" position=\"1\">\n</satellites>");
    ui.NextOpenFileName(QString::fromStdString(path));
    Action("ID_IMPORT_SATELLITES").trigger();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages.back().text,
              QString::fromStdString(path) +
                  ", line 2: the XML is malformed (Start-end tags mismatch)\nNothing was changed.");
    EXPECT_EQ(frame->Session().UndoCount(), 0u);

    // The parser's finding in the user's language too.
    const CInLanguage russian("ru");
    ui.NextOpenFileName(QString::fromStdString(path));
    Action("ID_IMPORT_SATELLITES").trigger();
    EXPECT_EQ(ui.messages.back().text,
              QString::fromStdString(path) +
                  ", строка 2: XML повреждён (Открывающий и закрывающий теги не совпадают)\n"
                  "Ничего не изменено.");
}
