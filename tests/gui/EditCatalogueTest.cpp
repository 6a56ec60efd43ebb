// The catalogue of named edits against the editor: every entry is run the
// way a user runs it (a grid's command as its menu and keys dispatch it, a
// drop through the switchboard, the tree's rename, Open, Apply order,
// Compare with and the imports from the toolbar), on a fresh window with
// the example image, and the Undo button then names it as the catalogue
// does, Redo after the undo too. Every entry has its case here.
#include "tests/gui/EditorFixture.h"

#include "contracts/ReceiverProfiles.h"
#include "document/EditCatalogue.h"
#include "lists/ChannelCsv.h"
#include "model/GridMenus.h"
#include "model/SatelliteRecords.h"
#include "qtkit/vxui/ChannelDialogs.h"
#include "qtkit/vxui/SearchNameDialog.h"
#include "qtkit/vxui/SourceDialogs.h"
#include "views/CompareDialog.h"
#include "views/SatelliteChoiceDialog.h"

#include <QTreeWidgetItem>

#include <map>
#include <set>
#include <string_view>

namespace {

const QString kCableExample = QString(VELMAR_SOURCE_DIR) + "/examples/demo-cable.bin";

struct CatalogueEditor : Editor {
    // A fresh window, as a test of its own starts it, with the example open.
    void Open(bool cable) {
        TearDown();
        SetUp();
        frame =
            std::make_unique<CMainFrame>(ui, true, cable ? FindReceiverProfile("cable") : nullptr);
        frame->show();
        const std::size_t shown = ui.messages.size();
        OpenFile(cable ? kCableExample : kExample);
        ASSERT_EQ(ui.messages.size(), shown) << "the example opens without a word";
    }
    // Rows 1-based; the first is also the focus row.
    static void SelectRows(CListGridCtrl& grid, std::vector<int> rows) {
        std::vector<std::uint32_t> keys;
        for (int row : rows)
            keys.push_back(grid.GetRowKey(row));
        grid.setCurrentIndex(grid.model()->index(rows.front() - 1, 3));
        ASSERT_EQ(grid.SelectRowsByKey(keys), static_cast<int>(keys.size()));
    }
    void TVCommand(int id) { TV().RunCommand(id); }
    CSourceGridCtrl& Source(const char* name) { return Find<CSourceGridCtrl>(name); }
    // The TV list's command `channel`, or a source grid's `source`.
    void Command(const char* grid, int channel, int source) {
        std::string_view(grid) == "TVGrid" ? TVCommand(channel) : Source(grid).RunCommand(source);
    }
    void SaveWorkbook(const std::string& path) {
        std::filesystem::remove(path);
        SaveTo(path);
        ASSERT_TRUE(std::filesystem::exists(path));
    }
};

struct EditorCase {
    std::function<void(CatalogueEditor&)> before; // sets the window up
    std::function<void(CatalogueEditor&)> run;    // the user's command
    bool cable = false;
};

using C = CatalogueEditor;

void Nothing(C&) {}

// Three more members of favourite list 3 (node 2), which then shows.
void FavoriteListOfThree(C& e) {
    C::SelectRows(e.TV(), {1, 2, 3});
    e.Drop(kDragTV, kDragFavoriteNode, 2);
    e.frame->SendMessage(WM_FAV_NODE_SELECTED, 0, 2);
    ASSERT_GE(e.TV().GetRowCount(), 4); // the header row and three members at least
}

// Rows of `grid` selected (the first the focus row), then command `first` on the TV list.
std::function<void(C&)> Rows(const char* grid, std::vector<int> rows, int first = 0) {
    return [grid, rows, first](C& e) {
        C::SelectRows(e.Find<CListGridCtrl>(grid), rows);
        if (first)
            e.TVCommand(first);
    };
}
std::function<void(C&)> TVRows(std::vector<int> rows, int first = 0) {
    return Rows("TVGrid", std::move(rows), first);
}
std::function<void(C&)> TVCommand(int id) {
    return [id](C& e) { e.TVCommand(id); };
}
std::function<void(C&)> DropOn(int source, int target, std::uint32_t value) {
    return [=](C& e) { e.Drop(source, target, value); };
}
// Delete on a source grid or the TV list, the question answered Yes.
std::function<void(C&)> DeleteOn(const char* grid) {
    return [grid](C& e) {
        e.ui.NextAnswer(IUiSeam::IDYES);
        e.Command(grid, kChannelDelete, kSourceDelete);
    };
}
// The dialog of Update answered with the record of `row` of `grid`, changed.
template <class Dialog, class T>
std::function<void(C&)> UpdateOn(const char* grid, std::uint8_t table, int row,
                                 void (*change)(T&)) {
    return [=](C& e) {
        T r = Record<T>(table, e.Find<CListGridCtrl>(grid).GetRowKey(row));
        change(r);
        e.ui.NextDialogOk<Dialog>(r);
        e.Command(grid, kChannelUpdate, kSourceUpdate);
    };
}
// The dialog of `grid`'s command `id` answered OK with `answer`.
template <class Dialog, class A>
std::function<void(C&)> AnswerOn(const char* grid, int id, A answer) {
    return [=](C& e) {
        e.ui.NextDialogOk<Dialog>(answer);
        e.Source(grid).RunCommand(id);
    };
}
// The file `name` chosen for the toolbar's `action`.
std::function<void(C&)> OpenFor(const char* action, const char* name) {
    return [=](C& e) {
        e.ui.NextOpenFileName(QString::fromStdString(e.Scratch(name)));
        e.Action(action).trigger();
    };
}

const std::map<EditId, EditorCase>& Cases() {
    static const std::map<EditId, EditorCase> cases = {
        {EditId::NewChannel,
         {Nothing,
          [](C& e) {
              e.ui.NextDialog<CDlgCHAddUpdate>(IUiSeam::IDOK, [](CDlgCHAddUpdate& d) {
                  Channel_Info_Tag r = d.GetChannelInfo();
                  std::strcpy(r.Name, "Velmar TV");
                  d.Answer(r);
              });
              e.TVCommand(kChannelNew);
          }}},
        {EditId::UpdateChannel,
         {TVRows({1}),
          UpdateOn<CDlgCHAddUpdate, Channel_Info_Tag>(
              "TVGrid", kTableChannel, 1,
              [](Channel_Info_Tag& r) { r.VideoPID = static_cast<WORD>(r.VideoPID + 1); })}},
        {EditId::DeleteChannels, {TVRows({1}), DeleteOn("TVGrid")}},
        {EditId::RemoveFromFavorite,
         {[](C& e) {
              FavoriteListOfThree(e);
              C::SelectRows(e.TV(), {1});
          },
          TVCommand(kChannelDelete)}},
        {EditId::PasteChannels, {TVRows({1}, kChannelCopy), TVCommand(kChannelPaste)}},
        {EditId::MoveChannelsHere,
         {[](C& e) {
              C::SelectRows(e.TV(), {3});
              e.TVCommand(kChannelCopy);
              C::SelectRows(e.TV(), {1});
          },
          TVCommand(kChannelMoveHere)}},
        {EditId::LockOn, {TVRows({1}, kChannelLockOff), TVCommand(kChannelLockOn)}},
        {EditId::LockOff, {TVRows({1}, kChannelLockOn), TVCommand(kChannelLockOff)}},
        {EditId::SkipOn, {TVRows({1}, kChannelSkipOff), TVCommand(kChannelSkipOn)}},
        {EditId::SkipOff, {TVRows({1}, kChannelSkipOn), TVCommand(kChannelSkipOff)}},
        {EditId::SetSatellite, {TVRows({1, 2}), DropOn(kDragTV, kDragSatellite, 4)}},
        {EditId::SetMultiplex, {TVRows({1}), DropOn(kDragTV, kDragMux, 9)}},
        {EditId::SetTransponder, {TVRows({1}), DropOn(kDragTV, kDragTransponder, 3)}},
        {EditId::SetBroadcaster, {TVRows({1}), DropOn(kDragTV, kDragBroadcast, 4)}},
        {EditId::AddToFavorite, {TVRows({1}), DropOn(kDragTV, kDragFavoriteNode, 2)}},
        {EditId::SetGenre, {TVRows({1}), DropOn(kDragTV, kDragGenreNode, 4)}},
        {EditId::MoveChannels,
         {TVRows({5}), [](C& e) { e.Drop(kDragTV, kDragTV, e.TV().GetRowKey(2)); }}},
        {EditId::ReorderFavorite,
         {[](C& e) {
              FavoriteListOfThree(e);
              C::SelectRows(e.TV(), {3});
          },
          [](C& e) { e.Drop(kDragTV, kDragTV, e.TV().GetRowKey(1)); }}},
        // Astra 3 at 23.5E, its LNB's 9750 MHz in the first group.
        {EditId::NewSatellite,
         {Nothing, AnswerOn<CDlgSATAddUpdate>(
                       "SatGrid", kSourceNew,
                       Satellite_Info_Tag{0, 0, {9750, 0, 0, 0, 0, 0, 0, 0, 0}, {}, {}, {}, 235, 0,
                                          0, "Astra 3", 0})}},
        {EditId::UpdateSatellite,
         {Rows("SatGrid", {1}),
          UpdateOn<CDlgSATAddUpdate, Satellite_Info_Tag>(
              "SatGrid", kTableSatellite, 1,
              [](Satellite_Info_Tag& s) { std::strcpy(s.Name, "Renamed"); })}},
        {EditId::DeleteSatellite, {Rows("SatGrid", {2}), DeleteOn("SatGrid")}},
        {EditId::NewTransponder,
         {[](C& e) { e.frame->SendMessage(WM_SATELLITE_SELECTED, 0, 2); },
          [](C& e) {
              e.ui.NextDialog<CDlgTPAddUpdate>(IUiSeam::IDOK, [](CDlgTPAddUpdate& d) {
                  Transponder_Info_Tag t = *d.PresetTransponder();
                  t.Frequency = 12111;
                  t.SymbolRate = 27500;
                  d.Answer(t);
              });
              e.Source("TPGrid").RunCommand(kSourceNew);
          }}},
        {EditId::UpdateTransponder,
         {[](C& e) {
              e.frame->SendMessage(WM_SATELLITE_SELECTED, 0, 2);
              C::SelectRows(e.Source("TPGrid"), {2});
          },
          UpdateOn<CDlgTPAddUpdate, Transponder_Info_Tag>(
              "TPGrid", kTableTransponder, 2,
              [](Transponder_Info_Tag& t) { t.Frequency = 11767; })}},
        {EditId::DeleteTransponder, {Rows("TPGrid", {1}), DeleteOn("TPGrid")}},
        {EditId::MoveTransponders,
         {[](C& e) {
              e.frame->SendMessage(WM_SATELLITE_SELECTED, 0, 2);
              C::SelectRows(e.Source("TPGrid"), {1});
          },
          DropOn(kDragTransponder, kDragSatellite, 4)}},
        // 474.25 MHz at 6875 kS/s.
        {EditId::NewCableMux,
         {Nothing,
          AnswerOn<CDlgCableMuxAddUpdate>("CableMuxGrid", kSourceNew,
                                          CableMux_Info_Tag{0, 474250, 6875, 0, 0, 0, 0, 0, 0, 0,
                                                            {}}),
          true}},
        {EditId::UpdateCableMux,
         {Rows("CableMuxGrid", {1}),
          UpdateOn<CDlgCableMuxAddUpdate, CableMux_Info_Tag>(
              "CableMuxGrid", kTableCableMux, 1, [](CableMux_Info_Tag& m) { m.Frequency += 8000; }),
          true}},
        {EditId::DeleteCableMux, {Rows("CableMuxGrid", {1}), DeleteOn("CableMuxGrid"), true}},
        {EditId::NewBroadcaster,
         {Nothing, AnswerOn<CDlgSearchName>("BroadcastGrid", kSourceNew, "Velmar")}},
        {EditId::UpdateBroadcaster,
         {Rows("BroadcastGrid", {1}),
          AnswerOn<CDlgSearchName>("BroadcastGrid", kSourceUpdate, "Renamed")}},
        {EditId::DeleteBroadcaster, {Rows("BroadcastGrid", {1}), DeleteOn("BroadcastGrid")}},
        {EditId::RenameFavorite,
         {Nothing,
          [](C& e) {
              // The end of an in-place edit of the node's label.
              e.Tree().FavoriteRoot()->child(1)->setText(0, "Football");
          }}},
        {EditId::ImportWorkbook,
         {[](C& e) {
              // A workbook with the first TV channel only.
              WithOnlyChannel(e.TV().GetRowKey(1),
                              [&] { e.SaveWorkbook(e.Scratch("catalogue-import.xls")); });
          },
          OpenFor("ID_FILE_OPEN", "catalogue-import.xls")}},
        {EditId::ApplyOrder,
         {[](C& e) {
              // The order as it is now is the reference; then one channel moves.
              e.SaveWorkbook(e.Scratch("catalogue-order.xls"));
              C::SelectRows(e.TV(), {5});
              e.Drop(kDragTV, kDragTV, e.TV().GetRowKey(2));
          },
          OpenFor("ID_APPLY_ORDER", "catalogue-order.xls")}},
        {EditId::MergeChannels,
         {[](C& e) {
              // The example with one channel more, saved as an image of its own.
              CDocument other;
              ReadExample(other);
              ASSERT_FALSE(::testing::Test::HasFatalFailure());
              Channel_Info_Tag c = *std::as_const(other.Store())
                                        .Get<Channel_Info_Tag>(kTableChannel, e.TV().GetRowKey(1));
              std::strcpy(c.Name, "Velmar Extra");
              c.ServiceID = 40001;
              c.ProgramNum = 900;
              other.Store().AddIndexed(kTableChannel, CopyRecord(c));
              ASSERT_EQ(SaveImageDocument(other, e.Scratch("catalogue-merge.bin"), nullptr, false),
                        1);
          },
          [](C& e) {
              e.ui.NextOpenFileName(QString::fromStdString(e.Scratch("catalogue-merge.bin")));
              e.ui.NextDialog<CDlgCompare>(IUiSeam::IDOK,
                                           [](CDlgCompare& d) { d.ChooseAddToThisList(); });
              e.Action("ID_COMPARE_WITH").trigger();
          }}},
        {EditId::ImportCsv,
         {[](C& e) {
              // A CSV with the first TV channel only.
              std::string error;
              bool written = false;
              WithOnlyChannel(e.TV().GetRowKey(1), [&] {
                  written = ExportChannelCsv(TheZorvDB(), e.Scratch("catalogue-import.csv"), false,
                                             error);
              });
              ASSERT_TRUE(written) << error;
          },
          OpenFor("ID_IMPORT_CSV", "catalogue-import.csv")}},
        {EditId::ImportSatellites,
         {[](C& e) {
              std::ofstream(e.Scratch("catalogue-satellites.xml"))
                  << "<satellites>\n <sat name=\"Eutelsat 7E\" position=\"70\" flags=\"0\">\n"
                  << TransponderXml(10721, 22000, 0, 3) << " </sat>\n</satellites>\n";
          },
          [](C& e) {
              e.ui.NextOpenFileName(QString::fromStdString(e.Scratch("catalogue-satellites.xml")));
              e.ui.NextDialog<CDlgSatelliteChoice>(IUiSeam::IDOK);
              e.Action("ID_IMPORT_SATELLITES").trigger();
          }}},
    };
    return cases;
}

} // namespace

TEST_F(CatalogueEditor, EveryEntryIsACommandWhoseUndoNamesIt) {
    for (const EditEntry& entry : EditCatalogue()) {
        SCOPED_TRACE(std::string(entry.name));
        const auto found = Cases().find(entry.id);
        ASSERT_NE(found, Cases().end()) << "no editor case";
        const EditorCase& c = found->second;
        Open(c.cable);
        c.before(*this);
        ASSERT_FALSE(HasFatalFailure());
        const std::size_t steps = frame->Session().UndoCount();
        const std::size_t messages = ui.messages.size();
        c.run(*this);

        const std::string name(entry.name);
        EXPECT_EQ(frame->Session().UndoCount(), steps + 1) << "one step for the command";
        EXPECT_TRUE(Action("ID_EDIT_UNDO").isEnabled());
        EXPECT_EQ(Action("ID_EDIT_UNDO").toolTip().toStdString(), "Undo " + name);
        // The deletes ask first; Apply order, the merge and the transponder
        // import report; nothing else says a word.
        const std::set<EditId> speak = {EditId::DeleteChannels,    EditId::DeleteSatellite,
                                        EditId::DeleteTransponder, EditId::DeleteCableMux,
                                        EditId::DeleteBroadcaster, EditId::ApplyOrder,
                                        EditId::MergeChannels,     EditId::ImportSatellites};
        EXPECT_EQ(ui.messages.size(), messages + (speak.contains(entry.id) ? 1 : 0));
        Action("ID_EDIT_UNDO").trigger();
        EXPECT_EQ(Action("ID_EDIT_REDO").toolTip().toStdString(), "Redo " + name);
    }
    for (const char* file : {"catalogue-import.xls", "catalogue-order.xls", "catalogue-merge.bin",
                             "catalogue-import.csv", "catalogue-satellites.xml"})
        std::filesystem::remove(Scratch(file));
}
