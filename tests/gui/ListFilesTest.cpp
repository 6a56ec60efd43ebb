// The channel list in and out of plain files from the toolbar: Export and
// Import of a CSV (a round trip, a file with rows the list cannot take, a
// file that cannot be read, a target that cannot be written) and Import
// transponders from a satellites.xml file with its choice of satellites and
// the delete of what the file does not have.
#include "tests/gui/EditorFixture.h"
#include "tests/gui/InLanguage.h"

#include "contracts/Texts.h"
#include "lists/ChannelCsv.h"
#include "model/EntryValues.h"
#include "model/GridMenus.h"
#include "model/SatelliteRecords.h"
#include "views/SatelliteChoiceDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>

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

std::size_t ChannelsOn(BYTE satID, BYTE tpid) {
    std::size_t n = 0;
    for (const auto& c : std::as_const(TheZorvDB()).Rows<Channel_Info_Tag>(kTableChannel))
        n += c.SatID == satID && c.TPID == tpid ? 1 : 0;
    return n;
}

} // namespace

TEST_F(ListFiles, CancelledFileDialogsChangeNothingAndSayNothing) {
    Start();
    for (const char* name :
         {"ID_COMPARE_WITH", "ID_IMPORT_CSV", "ID_EXPORT_CSV", "ID_IMPORT_SATELLITES"})
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
    const auto& dialog = ui.saveDialogs[0];
    EXPECT_EQ(
        QStringList({dialog.title, dialog.filter, dialog.initialName, dialog.defaultExtension}),
        QStringList({"Export Channels as CSV", "CSV file (*.csv)|*.csv|All Files(*.*)|*.*||",
                     "*.csv", "csv"}));
    EXPECT_EQ(ReadAll(path), before) << "the list's own CSV, as ChannelCsv writes it";
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
    EXPECT_EQ(frame->Session().UndoCount(), 2u) << "one step, named as the catalogue says";
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
    EXPECT_FALSE(Action("ID_EDIT_UNDO").isEnabled()) << "no edit";
}

TEST_F(ListFiles, AnExportThatCannotBeWrittenSaysSoAndLeavesNoFile) {
    Open();
    const fs::path dir = Scratch("export-dir");
    fs::create_directories(dir);
    Write((dir / "kept.csv").string(), "an older list");
    const std::vector<std::string> listing = Listing(dir);

    // A folder that does not exist (a target that cannot be a file is
    // AtomicSave's), then in Russian, the system's reason as the system says it.
    const QString missing = QString::fromStdString((dir / "missing").string());
    const std::string target = (dir / "missing" / "list.csv").string();
    Export(target);
    ExpectSaid(1, IUiSeam::Icon::Stop,
               "cannot create a file in " + missing + ": No such file or directory");
    {
        const CInLanguage russian("ru");
        Export(target);
        ExpectSaid(2, IUiSeam::Icon::Stop,
                   "не удаётся создать файл в " + missing + ": No such file or directory");
    }
    EXPECT_EQ(Listing(dir), listing) << "no part of a file is left";
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

// What an import brings, keeps and prunes is the core's
// (SatelliteImport.*); here the choice form, its words and one import each
// way reach the lists, and Undo takes them back.
class TransponderImport : public ListFiles {
protected:
    // The satellite of the first TV channel as the file has it, without that
    // channel's transponder; then a new satellite at 7.0E with two.
    void WriteFile() {
        const Channel_Info_Tag& first = Record<Channel_Info_Tag>(kTableChannel, TV().GetRowKey(1));
        for (const auto& s : std::as_const(TheZorvDB()).Rows<Satellite_Info_Tag>(kTableSatellite)) {
            ASSERT_NE(s.Degree, 70) << "the example has no satellite at 7.0E";
            if (s.ID == first.SatID)
                position = s.Degree <= 1800 ? int{s.Degree} : int{s.Degree} - 3600;
        }
        std::ostringstream x;
        x << "<satellites>\n <sat name=\"Mine\" position=\"" << position << "\" flags=\"0\">\n";
        for (const auto& t :
             std::as_const(TheZorvDB()).Rows<Transponder_Info_Tag>(kTableTransponder))
            if (t.SatID == first.SatID && t.TPID != first.TPID)
                x << TransponderXml(t.Frequency, t.SymbolRate, IsHorizontal(t.PolFEC) ? 0 : 1,
                                    FecCode(t.PolFEC));
        omittedChannels = ChannelsOn(first.SatID, first.TPID);
        x << " </sat>\n <sat name=\"Eutelsat 7E\" position=\"70\" flags=\"0\">\n"
          << TransponderXml(10721, 22000, 0, 3) << TransponderXml(11471, 30000, 1, 2)
          << " </sat>\n</satellites>\n";
        Write(Scratch("satellites.xml"), x.str());
    }
    void ImportFile(std::function<void(CDlgSatelliteChoice&)> choose, int result = IUiSeam::IDOK) {
        ui.NextOpenFileName(QString::fromStdString(Scratch("satellites.xml")));
        ui.NextDialog<CDlgSatelliteChoice>(result, std::move(choose));
        Action("ID_IMPORT_SATELLITES").trigger();
    }
    int position = 0;
    std::size_t omittedChannels = 0;
};

TEST_F(TransponderImport, TheChosenSatellitesAreBroughtUpToDateAndMissingOnesKept) {
    Open();
    WriteFile();
    ASSERT_FALSE(HasFatalFailure());
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
        EXPECT_TRUE(list.item(0)->text().contains("in this list"))
            << list.item(0)->text().toStdString();
        EXPECT_EQ(list.item(1)->text(), "7.0E  Eutelsat 7E  (2 transponders, new)");
        QPushButton* ok = form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        EXPECT_EQ(list.item(0)->checkState(), Qt::Checked);
        EXPECT_EQ(list.item(1)->checkState(), Qt::Checked);
        for (const Qt::CheckState state : {Qt::Unchecked, Qt::Checked}) {
            list.item(0)->setCheckState(state);
            list.item(1)->setCheckState(state);
            EXPECT_EQ(ok->isEnabled(), state == Qt::Checked);
        }
        ok->click();
        EXPECT_EQ(form->result(), QDialog::Accepted);
        EXPECT_EQ(d.ChosenPositions(), (std::vector<int>{position, 70}));
        EXPECT_FALSE(d.Prune());
    });
    EXPECT_EQ(ui.openDialogs.back().title, "Import Transponders");
    EXPECT_EQ(ui.openDialogs.back().filter, "Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||");
    ASSERT_EQ(ui.messages.size(), 1u);
    const QString said = ui.messages.back().text;
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::Information);
    EXPECT_TRUE(said.startsWith("1 satellite added, ")) << said.toStdString();
    EXPECT_TRUE(said.contains("1 transponder of the list the file no longer has was kept:"))
        << said.toStdString();
    // What the import changed in the records is SatelliteImport's; the lists show it.
    EXPECT_EQ(Grid("SatGrid").GetRowCount(), satelliteRows + 1);
    EXPECT_EQ(Action("ID_EDIT_UNDO").toolTip(), "Undo Import transponders");
    Action("ID_EDIT_UNDO").trigger();
    EXPECT_EQ(Grid("SatGrid").GetRowCount(), satelliteRows);

    // Cancel changes nothing and says nothing.
    const std::size_t steps = frame->Session().UndoCount();
    ImportFile({}, IUiSeam::IDCANCEL);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(frame->Session().UndoCount(), steps);
    EXPECT_EQ(Grid("SatGrid").GetRowCount(), satelliteRows);

    // With the delete box ticked the left-out transponder goes with its
    // channels, from the lists too.
    const int shown = TV().GetRowCount() + Radio().GetRowCount();
    ImportFile([](CDlgSatelliteChoice& d) {
        const std::unique_ptr<QDialog> form = d.BuildForm(nullptr);
        form->findChild<QCheckBox*>("PruneTransponders")->setChecked(true);
        form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        EXPECT_TRUE(d.Prune());
    });
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(ui.messages.back().text.contains(
        QString(", 1 deleted with %1 channel").arg(omittedChannels)))
        << ui.messages.back().text.toStdString();
    EXPECT_EQ(static_cast<std::size_t>(shown - TV().GetRowCount() - Radio().GetRowCount()),
              omittedChannels)
        << "the lists show the channels gone";
    Action("ID_EDIT_UNDO").trigger();
    EXPECT_EQ(TV().GetRowCount() + Radio().GetRowCount(), shown);
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

    // Not XML at all, and the parser's finding in the user's language (its
    // English words are SatellitesXml.TheParsersFindingIsSaidInItsOwnWords').
    Write(path, "<satellites><sat name=\"x\" position=\"1\">\n</satellites>");
    const CInLanguage russian("ru");
    ui.NextOpenFileName(QString::fromStdString(path));
    Action("ID_IMPORT_SATELLITES").trigger();
    EXPECT_EQ(ui.messages.back().text,
              QString::fromStdString(path) +
                  ", строка 2: XML повреждён (Открывающий и закрывающий теги не совпадают)\n"
                  "Ничего не изменено.");
}
