// Compare with: the example image against an edited copy of itself, the
// differences the dialog shows under their counted headings, a row that
// selects its channel in the lists, and Add to this list, which takes the
// copy's three new channels with their satellite and transponders as one
// edit that Undo takes back.
#include "tests/gui/EditorFixture.h"
#include "tests/gui/InLanguage.h"
#include "tests/gui/Modal.h"

#include "contracts/Texts.h"
#include "model/ChannelIdentity.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"
#include "views/CompareDialog.h"
#include "xls/ChannelWorkbook.h"

#include <QLabel>
#include <QTreeWidget>

#include <cstdio>

namespace {

struct CompareTools : Editor {
    void TearDown() override {
        for (const char* name : {"compare-edited.bin", "compare-refused.bin", "compare-edited.xls"})
            std::filesystem::remove(Scratch(name));
        Editor::TearDown();
    }
    // The number the lists show as CH#.
    static WORD& Number(Channel_Info_Tag& c) {
        return ShowsShowNum(GetProductList()) ? c.ShowNum : c.ProgramNum;
    }
    static WORD NumberOf(Channel_Info_Tag c) { return Number(c); }
    static std::uint32_t AddChannel(CDocument& doc, const char* name, BYTE satID, BYTE tpid,
                                    WORD serviceID, WORD number) {
        Channel_Info_Tag c{};
        std::snprintf(c.Name, sizeof c.Name, "%s", name);
        c.SatID = satID;
        c.TPID = tpid;
        c.OrgNetID = 1;
        c.TSID = 7000;
        c.ServiceID = serviceID;
        c.ProgramNum = c.ShowNum = number;
        c.Attributes = kAttrTV;
        return static_cast<std::uint32_t>(doc.Store().AddIndexed(kTableChannel, CopyRecord(c)));
    }
    // A transponder at 27,500 kS/s, FEC 3.
    static void AddTransponder(CDocument& doc, BYTE satID, BYTE tpid, WORD frequency,
                               bool horizontal) {
        const auto polFec = static_cast<BYTE>((horizontal ? 1 : 0) | 0x30);
        const Transponder_Info_Tag t{0,    frequency, 27500, 0, 0, polFec, 0, satID,
                                     tpid, 0,         0,     0, 0, 0,      0};
        doc.Store().AddIndexed(kTableTransponder, CopyRecord(t));
    }
    // The example open, and the example with TV row 1 renamed, row 2
    // renumbered, row 3 removed, a transponder more on its first satellite,
    // and three channels on two transponders of a new satellite at 7.0E,
    // saved as an image of its own at `path`.
    void OpenWithEditedCopy(const std::string& path) {
        Open();
        CDocument other;
        ASSERT_NO_FATAL_FAILURE(ReadExample(other));
        renamed = TV().GetRowKey(1);
        renumbered = TV().GetRowKey(2);
        removed = TV().GetRowKey(3);
        CZorvDB& db = other.Store();
        std::snprintf(db.Get<Channel_Info_Tag>(kTableChannel, renamed)->Name, 28, "Velmar Renamed");
        Number(*db.Get<Channel_Info_Tag>(kTableChannel, renumbered)) = 2000;
        ASSERT_NE(db.Delete(kTableChannel, removed), 0);
        BYTE id = 0;
        for (const auto& s : std::as_const(db).Rows<Satellite_Info_Tag>(kTableSatellite)) {
            ASSERT_NE(s.Degree, 70) << "the example has no satellite at 7.0E";
            id = std::max(id, s.ID);
        }
        newSatellite = static_cast<BYTE>(id + 1);
        const Satellite_Info_Tag s{0, 0, {}, {}, {}, {}, 70, 1, newSatellite, "Eutelsat 7E", 0};
        db.AddIndexed(kTableSatellite, CopyRecord(s));
        // A transponder more on a satellite both lists have.
        const Satellite_Info_Tag& shared =
            *std::as_const(db).Rows<Satellite_Info_Tag>(kTableSatellite).begin();
        BYTE tpid = 0;
        for (const auto& t : std::as_const(db).Rows<Transponder_Info_Tag>(kTableTransponder))
            if (t.SatID == shared.ID) {
                ASSERT_GT(std::abs(int{t.Frequency} - 12999), 2);
                tpid = std::max(tpid, t.TPID);
            }
        AddTransponder(other, shared.ID, static_cast<BYTE>(tpid + 1), 12999, false);
        AddTransponder(other, newSatellite, 1, 10721, true);
        AddTransponder(other, newSatellite, 2, 11471, false);
        AddChannel(other, "Velmar One", newSatellite, 1, 501, 900);
        AddChannel(other, "Velmar Two", newSatellite, 1, 502, 901);
        AddChannel(other, "Velmar Three", newSatellite, 2, 503, 902);
        SaveReport report;
        ASSERT_EQ(SaveImageDocument(other, path, &report, false), 1) << report.message;
    }

    // Compare with `path` through the toolbar; `act` plays the user on the
    // dialog's form (the dialog as the editor runs it), which then closes
    // with `result`.
    void Compare(const std::string& path, int result,
                 std::function<void(CDlgCompare&, QDialog&)> act = {}) {
        ui.NextOpenFileName(QString::fromStdString(path));
        ui.NextDialog<CDlgCompare>(result, [this, act](CDlgCompare& d) {
            if (!act)
                return;
            const std::unique_ptr<QDialog> form = d.BuildForm(frame.get());
            act(d, *form);
        });
        Action("ID_COMPARE_WITH").trigger();
    }
    // The tree's group headings and, for each, its rows.
    static std::vector<std::pair<QString, QStringList>> Tree(QTreeWidget& tree) {
        std::vector<std::pair<QString, QStringList>> groups;
        for (int i = 0; i < tree.topLevelItemCount(); ++i) {
            QStringList rows;
            for (int r = 0; r < tree.topLevelItem(i)->childCount(); ++r)
                rows << tree.topLevelItem(i)->child(r)->text(0);
            groups.emplace_back(tree.topLevelItem(i)->text(0), rows);
        }
        return groups;
    }
    static const Channel_Info_Tag& Stored(std::uint32_t key) {
        return Record<Channel_Info_Tag>(kTableChannel, key);
    }
    static QString Quoted(const Channel_Info_Tag& c) {
        return "\"" + QString::fromLatin1(c.Name) + "\"";
    }

    std::uint32_t renamed = 0, renumbered = 0, removed = 0;
    BYTE newSatellite = 0;
};

} // namespace

// Which differences there are and how each row reads is the core's
// (ListCompare.EachKindOfDifferenceIsSeenOnceWithBothSidesValues,
// ListCompare.TheReportGroupsLinesUnderCountedHeadingsAndJsonCarriesTheSame);
// here they reach the dialog's tree, and a row of this list's channel
// selects it in the lists.
TEST_F(CompareTools, TheDialogGroupsTheDifferencesAndARowSelectsItsChannel) {
    const std::string edited = Scratch("compare-edited.bin");
    OpenWithEditedCopy(edited);
    ASSERT_FALSE(HasFatalFailure());
    const Channel_Info_Tag first = Stored(renamed);

    QString summary;
    std::vector<std::pair<QString, QStringList>> groups;
    bool addEnabled = false;
    std::vector<std::uint32_t> whileOpen, afterOther, afterGroup;
    Compare(edited, IUiSeam::IDCANCEL, [&](CDlgCompare&, QDialog& form) {
        EXPECT_EQ(form.windowTitle(), "Comparison");
        summary = Child<QLabel>(form, "CompareSummary").text();
        auto& tree = Child<QTreeWidget>(form, "CompareTree");
        groups = Tree(tree);
        addEnabled = Child<QPushButton>(form, "AddToThisList").isEnabled();
        EXPECT_EQ(Child<QPushButton>(form, "AddToThisList").text(), "Add to this list");
        EXPECT_EQ(form.findChild<QLabel*>("SourcesNotCompared"), nullptr)
            << "two images: satellites and transponders were compared";
        // "Number changed (1)": its row is this list's renumbered channel.
        tree.setCurrentItem(tree.topLevelItem(2)->child(0));
        whileOpen = SelectedKeys(TV());
        // A channel only the other list has is nowhere here to select.
        tree.setCurrentItem(tree.topLevelItem(1)->child(0));
        afterOther = SelectedKeys(TV());
        // A double click on the removed channel's row selects it.
        emit tree.itemDoubleClicked(tree.topLevelItem(0)->child(0), 0);
        afterGroup = SelectedKeys(TV());
    });
    ASSERT_EQ(ui.openDialogs.size(), 2u);
    EXPECT_EQ(ui.openDialogs.back().title, "Compare with another list");
    EXPECT_EQ(ui.openDialogs.back().filter, texts::kOpenFilter);
    ASSERT_EQ(ui.Shown<CDlgCompare>().size(), 1u);
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(summary, "Differences between this list and " +
                           QString::fromStdString(std::filesystem::path(edited).filename()) +
                           ": 8");
    std::vector<QString> headings;
    for (const auto& [heading, rows] : groups)
        headings.push_back(heading);
    EXPECT_EQ(headings, (std::vector<QString>{"Only in this list (1)", "Only in the other list (3)",
                                              "Number changed (1)", "Name changed (1)",
                                              "Satellites only in the other list (1)",
                                              "Transponders only in the other list (1)"}));
    ASSERT_EQ(groups.size(), 6u);
    EXPECT_EQ(groups[1].second.size(), 3);
    EXPECT_EQ(
        groups[3].second,
        QStringList{
            QString("TV %1 %2  %2 -> \"Velmar Renamed\"").arg(NumberOf(first)).arg(Quoted(first))});
    EXPECT_TRUE(addEnabled) << "the other list has three channels this one lacks";
    EXPECT_EQ(whileOpen, std::vector<std::uint32_t>{renumbered});
    EXPECT_EQ(afterOther, std::vector<std::uint32_t>{renumbered}) << "the selection stays";
    EXPECT_EQ(afterGroup, std::vector<std::uint32_t>{removed});
    EXPECT_TRUE(SelectedKeys(Radio()).empty());

    // The dialog's record agrees with its form; closing it changes nothing.
    EXPECT_EQ(ui.LastShown<CDlgCompare>()->ChannelsToAdd(), 3u);
    EXPECT_FALSE(ui.LastShown<CDlgCompare>()->AddToThisList());
    EXPECT_EQ(frame->Session().UndoCount(), 0u);
    EXPECT_EQ(TV().GetRowCount() - 1, 204);

    // The rows and the reasons a file cannot be opened are the core's words,
    // said in the user's language like the rest of the window (Russian: none
    // of these words reads as in English).
    const CInLanguage russian("ru");
    groups.clear();
    Compare(edited, IUiSeam::IDCANCEL, [&](CDlgCompare&, QDialog& form) {
        groups = Tree(Child<QTreeWidget>(form, "CompareTree"));
    });
    ASSERT_EQ(groups.size(), 6u);
    const Channel_Info_Tag third = Stored(removed);
    ASSERT_EQ(groups[0].second.size(), 1);
    EXPECT_TRUE(groups[0].second[0].startsWith(
        QString("ТВ %1 %2  ").arg(NumberOf(third)).arg(Quoted(third))))
        << groups[0].second[0].toStdString();
    EXPECT_TRUE(groups[0].second[0].contains(", PID ")) << groups[0].second[0].toStdString();
    EXPECT_TRUE(groups[4].second.value(0).startsWith("спутник 7.0E  \"Eutelsat 7E\""))
        << groups[4].second.value(0).toStdString();
    EXPECT_TRUE(groups[5].second.value(0).startsWith("транспондер "))
        << groups[5].second.value(0).toStdString();

    // A folder chosen as the file to open.
    const std::string folder = Scratch("compare-folder");
    std::filesystem::create_directories(folder);
    OpenFile(QString::fromStdString(folder));
    std::filesystem::remove(folder);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text,
              QString::fromStdString(folder) + " — это папка, а не образ приёмника.");
}

// What a merge takes with the channels is the core's
// (ListMerge.ThreeChannelsOnANewSatelliteComeWithTheirSatelliteAndTransponders).
TEST_F(CompareTools, AddToThisListTakesTheThreeChannelsWithTheirSatelliteAndUndoTakesThemBack) {
    const std::string edited = Scratch("compare-edited.bin");
    OpenWithEditedCopy(edited);
    ASSERT_FALSE(HasFatalFailure());
    const std::uint32_t channels = TheZorvDB().Size(kTableChannel);
    const int satelliteRows = Grid("SatGrid").GetRowCount();
    const QStringList tvBefore = ChannelNames(TV());

    Compare(edited, IUiSeam::IDOK, [](CDlgCompare& d, QDialog& form) {
        Child<QPushButton>(form, "AddToThisList").click();
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_TRUE(d.AddToThisList());
    });
    ExpectSaid(1, IUiSeam::Icon::Information,
               "Added 3 channels, 1 satellite, 2 transponders and 0 providers.");
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), channels + 3);
    // The panes show it: a satellite row more, the TV list three rows longer.
    EXPECT_EQ(Grid("SatGrid").GetRowCount(), satelliteRows + 1);
    EXPECT_EQ(Grid("SatGrid").GetItemText(satelliteRows, 3), "Eutelsat 7E") << "the new last row";
    QStringList added = ChannelNames(TV());
    for (const QString& name : tvBefore)
        added.removeOne(name);
    EXPECT_EQ(added, (QStringList{"Velmar One", "Velmar Two", "Velmar Three"}));
    EXPECT_EQ(Action("ID_EDIT_UNDO").toolTip(), "Undo Add to this list");

    Action("ID_EDIT_UNDO").trigger();
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), channels);
    EXPECT_EQ(Grid("SatGrid").GetRowCount(), satelliteRows);
    EXPECT_EQ(ChannelNames(TV()), tvBefore);
}

TEST_F(CompareTools, TheSameListSaysSoAndAFileThatIsNoListChangesNothing) {
    Open();
    ui.NextOpenFileName(kExample);
    Action("ID_COMPARE_WITH").trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages.back().text, "The two lists are the same.");
    EXPECT_TRUE(ui.Shown<CDlgCompare>().empty());

    const std::string junk = Scratch("compare-refused.bin");
    std::ofstream(junk, std::ios::binary) << "no image at all";
    ui.NextOpenFileName(QString::fromStdString(junk));
    Action("ID_COMPARE_WITH").trigger();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::Stop);
    EXPECT_FALSE(ui.messages.back().text.isEmpty());
    EXPECT_TRUE(ui.Shown<CDlgCompare>().empty());
    EXPECT_EQ(frame->Session().UndoCount(), 0u);
}

TEST_F(CompareTools, AgainstAWorkbookTheDialogSaysTheSatellitesWereNotCompared) {
    Open();
    // The example's channels as a workbook, one of them renamed.
    CDocument other;
    ASSERT_NO_FATAL_FAILURE(ReadExample(other));
    std::snprintf(other.Store().Get<Channel_Info_Tag>(kTableChannel, TV().GetRowKey(1))->Name, 28,
                  "Velmar Renamed");
    const std::string path = Scratch("compare-edited.xls");
    std::string message;
    ASSERT_TRUE(ExportChannelWorkbook(other.Store(), path, &message)) << message;

    std::vector<std::pair<QString, QStringList>> groups;
    QString note;
    bool addEnabled = true;
    Compare(path, IUiSeam::IDCANCEL, [&](CDlgCompare&, QDialog& form) {
        groups = Tree(Child<QTreeWidget>(form, "CompareTree"));
        note = Child<QLabel>(form, "SourcesNotCompared").text();
        addEnabled = Child<QPushButton>(form, "AddToThisList").isEnabled();
    });
    EXPECT_EQ(note,
              "The other list has no satellites: the channels' tuning was compared by their ids.");
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].first, "Name changed (1)");
    EXPECT_FALSE(addEnabled) << "the workbook has no channel this list lacks";
    EXPECT_EQ(ui.LastShown<CDlgCompare>()->ChannelsToAdd(), 0u);
}
