// What the editor offers beyond the receiver maker's: the Information dialog
// on the start-up image, the quick name filter with the commands that act on
// the selection, the order of a reference list with its undo, and lists that
// read comfortably.
#include "tests/gui/EditorFixture.h"
#include "tests/gui/Modal.h"

#include "model/Duplicates.h"
#include "views/ChannelListBar.h"
#include "views/InformationDialog.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>
#include <QTreeWidget>

#include <set>

namespace {

struct Beyond : Editor {
    QLineEdit& Field() { return Find<QLineEdit>("QuickFilter"); }
    QString Status() { return Find<QLabel>("ChannelsStatus").text(); }
    // The keys of the channels in favourite list 8.
    static std::set<std::uint32_t> InListEight() {
        std::set<std::uint32_t> keys;
        for (const Channel_Info_Tag& c :
             std::as_const(TheZorvDB()).Rows<Channel_Info_Tag>(kTableChannel))
            if (c.Favorite & 0x80)
                keys.insert(c.Index);
        return keys;
    }
    static std::vector<std::uint32_t> Sorted(std::vector<std::uint32_t> keys) {
        std::sort(keys.begin(), keys.end());
        return keys;
    }
    Channel_Info_Tag& Channel(std::uint32_t key) {
        return *TheZorvDB().Get<Channel_Info_Tag>(kTableChannel, key);
    }
    // The Information dialog as the toolbar button runs it, answered with
    // `result` (and, on IDOK, the wish to select the duplicates).
    const CDlgInformation& ShowInformation(int result = IUiSeam::IDCANCEL) {
        ui.NextDialog<CDlgInformation>(result, [result](CDlgInformation& d) {
            if (result == IUiSeam::IDOK)
                d.ChooseSelectDuplicates();
        });
        Action("ID_INFORMATION").trigger();
        const auto* shown = ui.LastShown<CDlgInformation>();
        if (!shown)
            throw std::runtime_error("no Information dialog");
        return *shown;
    }
    // The form the dialog shows, built from what it was given.
    std::unique_ptr<QDialog> Form(const CDlgInformation& shown) {
        m_form.reset(static_cast<CDlgInformation*>(shown.Clone().release()));
        return m_form->BuildForm(frame.get());
    }
    std::unique_ptr<CDlgInformation> m_form;
};

} // namespace

// ---- Information ---------------------------------------------------------------------

TEST_F(Beyond, InformationShowsWhatTheListCheckFinds) {
    Open();
    {
        const auto form = Form(ShowInformation());
        auto& tree = Child<QTreeWidget>(*form, "ListFindings");
        ASSERT_EQ(tree.topLevelItemCount(), 1);
        EXPECT_EQ(tree.topLevelItem(0)->text(0), "The list check finds no problem.");
    }
    CZorvDB& db = TheZorvDB();
    auto twin = NewRecord<Channel_Info_Tag>();
    *twin = *db.NextAs<Channel_Info_Tag>(kTableChannel, 0);
    db.AddIndexed(kTableChannel, std::move(twin));

    const CDlgInformation& shown = ShowInformation();
    ASSERT_EQ(shown.Findings().size(), 1u);
    const auto form = Form(shown);
    auto& tree = Child<QTreeWidget>(*form, "ListFindings");
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    const QTreeWidgetItem* top = tree.topLevelItem(0);
    EXPECT_EQ(top->text(0), "2 channels share a number with another channel of their kind");
    // The lines under it are ListCheck's (ListCheck.EachKindOfProblemIsFoundAndCounted).
    EXPECT_EQ(top->childCount(), 2) << "the channel and its twin";
}

TEST_F(Beyond, InformationShowsTheStartUpImagesFigures) {
    Open();
    // The figures are the core's (StatisticsTest.StartUpReceiver); here the
    // form's words for them.
    const auto form = Form(ShowInformation());
    EXPECT_EQ(form->windowTitle(), "Information");
    EXPECT_EQ(Child<QLabel>(*form, "HeaderForm").text(), "The working form (VX header)");
    EXPECT_EQ(Child<QLabel>(*form, "Product").text(),
              "Model 7, type 0x01 (satellite), byte order 0");
    EXPECT_EQ(Child<QLabel>(*form, "Usage_channels").text(), "293 of 4,608 used, 4,315 free");
    EXPECT_EQ(Child<QProgressBar>(*form, "Bar_channels").value(), 7) << "293 of 4,608, rounded up";
    EXPECT_EQ(Child<QLabel>(*form, "Usage_satellites").text(), "6 of 127 used, 121 free");
    EXPECT_EQ(Child<QLabel>(*form, "Usage_transponders").text(), "24 of 1,624 used, 1,600 free");
    EXPECT_EQ(Child<QLabel>(*form, "Usage_broadcasts").text(), "6 of 408 used, 402 free");
    EXPECT_EQ(Child<QLabel>(*form, "Usage_favourites").text(), "8 of 8 used, 0 free");
    EXPECT_EQ(Child<QProgressBar>(*form, "Bar_favourites").value(), 100);
    EXPECT_EQ(form->findChild<QLabel*>("Usage_cable_muxes"), nullptr)
        << "a satellite receiver has no cable block";
    EXPECT_EQ(Child<QLabel>(*form, "ChannelCounts").text(), "204 TV, 89 radio");
    EXPECT_EQ(Child<QLabel>(*form, "FlagCounts").text(), "2 locked, 0 skipped, 11 scrambled");
    EXPECT_EQ(Child<QLabel>(*form, "DuplicateCount").text(), "No duplicate channels");
    EXPECT_FALSE(Child<QPushButton>(*form, "SelectDuplicates").isEnabled());

    auto& sats = Child<QTableWidget>(*form, "PerSatellite");
    ASSERT_EQ(sats.rowCount(), 6);
    EXPECT_EQ(
        QStringList({sats.item(0, 1)->text(), sats.item(0, 2)->text(), sats.item(5, 1)->text()}),
        QStringList({"Astra 1", "237", "Eutelsat 5WA"}));
    auto& providers = Child<QTableWidget>(*form, "PerProvider");
    ASSERT_EQ(providers.rowCount(), 6);
    EXPECT_EQ(QStringList({providers.item(1, 1)->text(), providers.item(1, 2)->text()}),
              QStringList({"Eutelsat HB", "22"}));
    EXPECT_TRUE(ui.UnscriptedDialogs().empty());
}

TEST_F(Beyond, InformationListsDuplicatesAndSelectsOnlyTheRowsOnShow) {
    Open();
    // Three channels become copies of others: two TV by ids, one radio by name.
    const std::vector<std::uint32_t> tv = RowKeys(TV()), radio = RowKeys(Radio());
    auto copyIds = [&](std::uint32_t from, std::uint32_t to) {
        Channel(to).OrgNetID = Channel(from).OrgNetID;
        Channel(to).TSID = Channel(from).TSID;
        Channel(to).ServiceID = Channel(from).ServiceID;
    };
    copyIds(tv[0], tv[10]);
    copyIds(tv[0], tv[20]);
    std::memcpy(Channel(radio[5]).Name, Channel(radio[1]).Name, sizeof Channel(radio[5]).Name);
    Channel(radio[5]).SatID = Channel(radio[1]).SatID;
    Channel(radio[5]).TPID = Channel(radio[1]).TPID;
    Channel(radio[5]).OrgNetID = Channel(radio[5]).TSID = Channel(radio[5]).ServiceID = 0;
    Channel(radio[1]).OrgNetID = Channel(radio[1]).TSID = Channel(radio[1]).ServiceID = 0;

    const CDlgInformation& shown = ShowInformation();
    ASSERT_EQ(shown.Groups().size(), 2u);
    const auto form = Form(shown);
    EXPECT_EQ(Child<QLabel>(*form, "DuplicateCount").text(), "5 duplicate channels in 2 groups");
    auto& groups = Child<QTreeWidget>(*form, "DuplicateGroups");
    ASSERT_EQ(groups.topLevelItemCount(), 2);
    EXPECT_EQ(groups.topLevelItem(0)->childCount(), 3);
    EXPECT_TRUE(groups.topLevelItem(0)->text(0).startsWith("3 channels: CH# 1  Das Erste HD"))
        << groups.topLevelItem(0)->text(0).toStdString();
    // The form's button closes it with the wish to select.
    auto& select = Child<QPushButton>(*form, "SelectDuplicates");
    ASSERT_TRUE(select.isEnabled());
    select.click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_TRUE(m_form->SelectDuplicates());

    // Through the toolbar: every copy on show is selected, but not the
    // channel each group keeps (the lowest number), and nothing else.
    ShowInformation(IUiSeam::IDOK);
    EXPECT_EQ(Sorted(SelectedKeys(TV())), Sorted({tv[10], tv[20]}));
    EXPECT_EQ(Sorted(SelectedKeys(Radio())), Sorted({radio[5]}));

    // With a name filter that hides two of the TV copies, they stay unselected.
    const QString first = QString::fromLatin1(Channel(tv[0]).Name);
    std::snprintf(Channel(tv[10]).Name, 28, "Something else");
    std::snprintf(Channel(tv[20]).Name, 28, "Another one");
    QTest::keyClicks(&Field(), first);
    ShowInformation(IUiSeam::IDOK);
    EXPECT_TRUE(SelectedKeys(TV()).empty()) << "the copies are hidden, the kept one is not a copy";
    EXPECT_TRUE(SelectedKeys(Radio()).empty()) << "no radio name contains " << first.toStdString();
}

// ---- Quick name filter ---------------------------------------------------------------

// Which names the filter passes is the core's (QuickNameFilter.*); here the
// field reaches both lists, their status line and the selection commands.
TEST_F(Beyond, QuickFilterNarrowsBothListsAndSelectionCommandsSeeOnlyItsRows) {
    Open();
    QAbstractItemModelTester tester(TV().model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(Status(), "All \u2014 204 TV / 89 radio");
    QTest::keyClicks(&Field(), "bBc");
    EXPECT_EQ(Status(), "All, names with \u201CbBc\u201D \u2014 6 TV / 6 radio");
    EXPECT_EQ(RowKeys(TV()).size(), 6u);
    EXPECT_EQ(RowKeys(Radio()).size(), 6u);
    EXPECT_EQ(TV().GetItemText(1, 0), "1") << "the rows on show are numbered 1 to n";

    // Select All (Ctrl+A in the list) and a drop on a favourite list reach
    // only the rows on show.
    TV().setFocus();
    QTest::keyClick(&TV(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(SelectedKeys(TV()), RowKeys(TV()));
    std::set<std::uint32_t> joined = InListEight();
    for (const std::uint32_t key : RowKeys(TV()))
        joined.insert(key);
    Drop(kDragTV, kDragFavoriteNode, 7); // list 8
    EXPECT_EQ(InListEight(), joined);

    // On top of the filter chosen in the other panes.
    Grid("SatGrid").setCurrentIndex(Grid("SatGrid").model()->index(0, 1)); // Astra 1
    EXPECT_EQ(TV().Filter().kind, ChannelFilterKind::Satellite);
    EXPECT_TRUE(RowKeys(TV()).empty()) << "no BBC on Astra 1 in the example";
    EXPECT_EQ(Status(), "Satellite: Astra 1, names with \u201CbBc\u201D \u2014 0 TV / 0 radio");

    // Esc clears the field; the satellite filter stays.
    QTest::keyClick(&Field(), Qt::Key_Escape);
    EXPECT_TRUE(Field().text().isEmpty());
    EXPECT_EQ(Status(), "Satellite: Astra 1 \u2014 162 TV / 75 radio");
    EXPECT_EQ(TV().GetRowCount() - 1, 162);

    // A character no channel name can hold leaves nothing on show.
    Field().setText(QString::fromUtf8("\u4E2D"));
    EXPECT_EQ(TV().GetRowCount(), 1);
    EXPECT_EQ(Radio().GetRowCount(), 1);
}

TEST_F(Beyond, FavoriteReorderUnderTheQuickFilterRenumbersTheWholeList) {
    Open();
    frame->SendMessage(WM_FAV_NODE_SELECTED, 0, 0); // favourite list 1
    const std::vector<std::uint32_t> members = RowKeys(TV());
    ASSERT_GE(members.size(), 4u);
    // Show only some members, then drag the last one shown onto the first.
    const QString part = QString::fromLatin1(Channel(members[1]).Name).left(3);
    QTest::keyClicks(&Field(), part);
    const std::vector<std::uint32_t> shown = RowKeys(TV());
    ASSERT_GE(shown.size(), 1u);
    ASSERT_LT(shown.size(), members.size());
    TV().SelectRowsByKey(std::vector<std::uint32_t>{shown.back()});
    Drop(kDragTV, kDragTV, shown.front());
    // Every member still has a distinct position 1..n.
    std::set<int> positions;
    for (std::uint32_t key : members)
        positions.insert(Channel(key).F[0]);
    EXPECT_EQ(positions.size(), members.size());
    EXPECT_EQ(*positions.begin(), 1);
    EXPECT_EQ(*positions.rbegin(), static_cast<int>(members.size()));
}

// ---- Reference order -------------------------------------------------------------------

TEST_F(Beyond, ApplyOrderTakesAReferencesNumbersAsOneUndoableEdit) {
    Open();
    const std::vector<std::uint32_t> tv = RowKeys(TV()); // in CH# order
    const int n = static_cast<int>(tv.size());
    const QString firstName = TV().GetItemText(1, 6), lastName = TV().GetItemText(n, 6);

    // The reference: the same list with the TV numbers reversed, as a workbook.
    for (const std::uint32_t key : tv)
        Channel(key).ProgramNum = static_cast<WORD>(n + 1 - Channel(key).ProgramNum);
    const std::string reference = Scratch("reference.xls");
    SaveTo(reference);
    for (const std::uint32_t key : tv)
        Channel(key).ProgramNum = static_cast<WORD>(n + 1 - Channel(key).ProgramNum);
    ASSERT_FALSE(frame->Session().IsModified());

    // Chosen in the open dialog; the report in a message; the lists follow.
    ui.NextOpenFileName(QString::fromStdString(reference));
    Action("ID_APPLY_ORDER").trigger();
    ExpectSaid(1, IUiSeam::Icon::Information,
               "Matched 293 channels by ids and 0 by name; 0 not matched.");
    EXPECT_EQ(TV().GetItemText(1, 6), lastName);
    EXPECT_EQ(TV().GetItemText(n, 6), firstName);
    EXPECT_EQ(Action("ID_EDIT_UNDO").toolTip(), "Undo Apply Order");
    EXPECT_TRUE(frame->Session().IsModified());

    // One undo puts every number back.
    Action("ID_EDIT_UNDO").trigger();
    EXPECT_EQ(TV().GetItemText(1, 6), firstName);
    EXPECT_EQ(RowKeys(TV()), tv);
    EXPECT_FALSE(frame->Session().IsModified());
    EXPECT_FALSE(Action("ID_EDIT_UNDO").isEnabled());

    // A file that is no list changes nothing and says why.
    ui.NextOpenFileName(QString::fromStdString(Scratch("missing.bin")));
    Action("ID_APPLY_ORDER").trigger();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages.back().icon, IUiSeam::Icon::Stop);
    EXPECT_FALSE(Action("ID_EDIT_UNDO").isEnabled());
    EXPECT_EQ(RowKeys(TV()), tv);
    std::filesystem::remove(reference);
}

// ---- Lists that read comfortably --------------------------------------------------------

TEST_F(Beyond, NameColumnsTakeTheSpareWidthAndFlagHeadersHaveTooltips) {
    Open();
    auto& tv = TV();
    EXPECT_EQ(Find<QLabel>("ChannelsCaption").text(), " Channels") << "the caption keeps its text";
    const QFontMetrics metrics(tv.font());
    EXPECT_EQ(tv.columnWidth(5), metrics.horizontalAdvance("CH #") + 17) << "from the template";
    const int templateName = metrics.horizontalAdvance("000000000000") + 17;
    EXPECT_GE(tv.columnWidth(6), templateName);
    const QStringList tips{"Scrambled", "Locked", "Skipped", "Tuner"};
    for (int c = 11; c <= 14; ++c) {
        EXPECT_EQ(tv.model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString(),
                  tips[c - 11]);
        EXPECT_EQ(Radio().model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString(),
                  tips[c - 11]);
    }

    // A wider window: the Name column takes what the others leave.
    frame->resize(1800, 900);
    QCoreApplication::processEvents();
    int others = 0;
    for (int c = 0; c < tv.GetColumnCount(); ++c)
        if (c != 6 && !tv.IsColHidden(c))
            others += tv.columnWidth(c);
    EXPECT_GT(tv.columnWidth(6), templateName);
    EXPECT_EQ(tv.columnWidth(6), tv.viewport()->width() - others);
    // The user widens CH#: Name gives the room back.
    const int name = tv.columnWidth(6);
    tv.horizontalHeader()->resizeSection(5, tv.columnWidth(5) + 30);
    EXPECT_EQ(tv.columnWidth(6), name - 30);
    for (int c = 0; c < tv.GetColumnCount(); ++c)
        EXPECT_EQ(tv.horizontalHeader()->sectionResizeMode(c), QHeaderView::Interactive);
    // A narrow window: never below the template.
    frame->resize(700, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(tv.columnWidth(6), templateName);
}

TEST_F(Beyond, CaptionsKeepTheirTextsAndCountTheRowsBesideThem) {
    Open();
    EXPECT_EQ(Find<QLabel>("SourceCaption").text(), " Satellite");
    EXPECT_EQ(Find<QLabel>("ProviderCaption").text(), " Provider");
    EXPECT_EQ(Find<QLabel>("FavoriteCaption").text(), " Favorite");
    EXPECT_EQ(Find<QLabel>("SourceCaptionLine").text(), "6 satellites \u00B7 24 transponders");
    EXPECT_EQ(Find<QLabel>("ProviderCaptionLine").text(), "6 providers");
    EXPECT_EQ(Find<QLabel>("FavoriteCaptionLine").text(), "8 lists");
    // Choosing Astra 1 shows its transponders and its channels.
    Grid("SatGrid").setCurrentIndex(Grid("SatGrid").model()->index(0, 1));
    EXPECT_EQ(Find<QLabel>("SourceCaptionLine").text(), "6 satellites \u00B7 10 transponders");
    EXPECT_EQ(Status(), "Satellite: Astra 1 \u2014 162 TV / 75 radio");
    // Where the line sits beside its caption: LanguageTest.LaysTheWindowOutAsTheLanguageRuns.
}
