// The edit session where the random runs of HistoryPropertyTest do not reach:
// edits that change nothing, fail or throw, key-only and module-value steps,
// the clipboard, observers and the memory bound of the history.
#include "document/EditSession.h"

#include "model/ChannelEdits.h"
#include "model/ChannelFilter.h"
#include "model/ChannelTable.h"
#include "model/TableRecords.h"
#include "tests/image/ImageBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace velmar::test;

namespace {

using Keys = std::vector<std::uint32_t>;

// The satellite example as the editor opens it.
class Session : public CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        ASSERT_EQ(Load(m_example), 1);
        g_nMaxTPID = 6;
        session.StartFresh();
    }

    // The image the tables save to, on the example every time.
    std::vector<BYTE> Saved() { return Save(m_example); }

    // Keys of the first `n` channels of a kind in table order.
    Keys First(std::size_t n, ChannelKind kind = ChannelKind::TV) {
        Keys out;
        for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
            if (out.size() < n && IsOfKind(c, kind))
                out.push_back(c.Index);
        return out;
    }

    EditSession session{TheZorvDB()};
    const std::vector<BYTE> m_example =
        ReadFile(std::string(VELMAR_SOURCE_DIR) + "/examples/demo-satellite.bin");
};

TEST_F(Session, EditsThatChangeNothingOrFailLeaveNoStep) {
    const std::vector<BYTE> before = Saved();
    EXPECT_TRUE(session.Run("Nothing", kAllTables, [] { return true; }));
    EXPECT_FALSE(session.CanUndo() || session.IsModified());
    // A drop on no row (key 0) changes nothing.
    EXPECT_TRUE(session.Run("Drop", TableBit(kTableChannel), [&] {
        SetChannelsSatellite(db, First(5), 0);
        return true;
    }));
    EXPECT_FALSE(session.CanUndo());

    // A failing edit is rolled back whole, the key counter too.
    const std::uint32_t highest = db.HighestKey(kTableChannel);
    EXPECT_FALSE(session.Run("Half", TableBit(kTableChannel) | TableBit(kTableFavorite), [&] {
        RenameFavoriteList(db, 1, "Changed");
        db.AddIndexed(kTableChannel, NewRecord<Channel_Info_Tag>());
        ++g_nMaxTPID;
        return false;
    }));
    EXPECT_EQ(std::tuple(session.CanUndo(), db.HighestKey(kTableChannel), g_nMaxTPID),
              std::tuple(false, highest, 6u));
    EXPECT_TRUE(Saved() == before);

    // So is one that throws.
    EXPECT_THROW(session.Run("Throws", TableBit(kTableChannel),
                             [&]() -> bool {
                                 SetChannelsGenre(db, First(3), 5, false);
                                 throw std::runtime_error("disk full");
                             }),
                 std::runtime_error);
    EXPECT_TRUE(Saved() == before);
    EXPECT_FALSE(session.IsModified());

    // An edit may not start inside another.
    bool inner = true;
    session.Run("Outer", TableBit(kTableChannel), [&] {
        inner = session.Run("Inner", TableBit(kTableChannel), [] { return true; });
        EXPECT_FALSE(session.Undo());
        return true;
    });
    EXPECT_FALSE(inner);
}

// The last channel moved to the free key below it: the same rows, order,
// size and key counter, only a key differs. It is a change all the same
// (a key held from before names no row now) and must be undoable.
TEST_F(Session, AnEditThatOnlyChangesKeysIsAStep) {
    const auto n = static_cast<std::uint32_t>(db.Size(kTableChannel));
    ASSERT_EQ(db.HighestKey(kTableChannel), n);
    ASSERT_TRUE(session.Run("Delete", TableBit(kTableChannel),
                            [&] { return db.Delete(kTableChannel, n - 1) == 1; }));
    const Keys before = db.Keys(kTableChannel);
    ASSERT_TRUE(session.Run("Rekey", TableBit(kTableChannel), [&] {
        const Channel_Info_Tag last = *db.Get<Channel_Info_Tag>(kTableChannel, n);
        db.Delete(kTableChannel, n);
        return db.Add(kTableChannel, n - 1, CopyRecord(last)) == 1;
    }));
    EXPECT_EQ(session.UndoName(), "Rekey");
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(db.Keys(kTableChannel), before);
    EXPECT_EQ(session.UndoName(), "Delete");

    // So is one that changes only a module value, no table.
    ASSERT_TRUE(session.Run("Counter", 0, [] { return (g_nMaxTPID += 5) != 0; }));
    EXPECT_EQ(g_nMaxTPID, 11u);
    session.Undo();
    EXPECT_EQ(g_nMaxTPID, 6u);
    session.Redo();
    EXPECT_EQ(g_nMaxTPID, 11u);
}

TEST_F(Session, ClipboardEmptiesWhereverKeysAreRenewed) {
    const Keys copied = First(3);
    ChannelClipboard& clip = session.Clipboard();
    clip.Set(copied, true);
    EXPECT_TRUE(clip.Matches(true));
    EXPECT_FALSE(clip.Matches(false));

    // Field edits and moves keep keys: the clipboard stays, undo or not.
    session.Run("Genre", TableBit(kTableChannel),
                [&] { return !SetChannelsGenre(db, copied, 2, false).changed.empty(); });
    session.Run("Move", TableBit(kTableChannel), [&] {
        const Keys tv = First(20);
        return !RenumberMovedSet(db, clip.Keys(), tv[15], ChannelKind::TV, 64).changed.empty();
    });
    session.Undo();
    EXPECT_EQ(clip.Keys(), copied);

    // A renumber rebuilds the table under new keys.
    session.Run("Renumber", TableBit(kTableChannel), [] {
        RenumberChannels();
        return true;
    });
    EXPECT_TRUE(clip.IsEmpty());
    // Keys copied now name the renumbered rows; undo brings the old keys back.
    clip.Set(First(2), true);
    session.Undo();
    EXPECT_TRUE(clip.IsEmpty());
    clip.Set(First(2), true);
    session.Redo();
    EXPECT_TRUE(clip.IsEmpty());
    clip.Set(First(2), false);
    session.StartFresh();
    EXPECT_TRUE(clip.IsEmpty());
}

TEST_F(Session, ObserversHearEveryChangeWithItsTables) {
    std::vector<EditEvent> heard;
    const int id = session.AddObserver([&](const EditEvent& e) { heard.push_back(e); });
    session.Run("Rename", TableBit(kTableFavorite) | TableBit(kTableChannel),
                [&] { return RenameFavoriteList(db, 2, "Kids") == FavoriteRename::Renamed; });
    session.Run("Same", TableBit(kTableChannel), [] { return true; });
    session.Undo();
    session.Redo();
    session.MarkSaved();
    session.Run("Renumber", TableBit(kTableChannel), [] {
        RenumberChannels();
        return true;
    });
    session.StartFresh();
    EXPECT_FALSE(session.IsModified() || session.CanUndo() || session.CanRedo());
    // No event for an edit that changed nothing.
    std::vector<EditEventKind> kinds;
    for (const EditEvent& e : heard)
        kinds.push_back(e.kind);
    using enum EditEventKind;
    ASSERT_EQ(kinds, (std::vector{Edit, Undo, Redo, Saved, Edit, Fresh}));
    EXPECT_EQ(heard[0].name + " " + heard[1].name, "Rename Rename");
    // Only the tables that changed; keys renewed by the renumber alone.
    EXPECT_EQ(std::tuple(heard[0].tables, heard[4].tables, heard[5].tables),
              std::tuple(TableBit(kTableFavorite), TableBit(kTableChannel), kAllTables));
    EXPECT_EQ(std::tuple(heard[0].keysRenewed, heard[4].keysRenewed), std::tuple(false, true));

    // An observer may edit in turn; a removed one hears nothing more.
    session.RemoveObserver(id);
    int chained = 0;
    session.AddObserver([&](const EditEvent& e) {
        if (e.kind == EditEventKind::Edit && e.name == "First")
            chained += session.Run("Second", TableBit(kTableFavorite), [&] {
                return RenameFavoriteList(db, 5, "Second") == FavoriteRename::Renamed;
            });
    });
    session.Run("First", TableBit(kTableFavorite),
                [&] { return RenameFavoriteList(db, 4, "First") == FavoriteRename::Renamed; });
    EXPECT_EQ(chained, 1);
    EXPECT_EQ(session.UndoCount(), 2u);
    EXPECT_EQ(heard.size(), 6u);
}

TEST_F(Session, RowsOfALoadedImageHaveTheirTablesRecordSize) {
    EXPECT_GT(db.Size(kTableChannel), 200u);
    EXPECT_TRUE(RowSizesMatchTables(db));
}

// ---- Memory bound ---------------------------------------------------------------------

// The start-up receiver's full channel table: 4,608 channels.
class FullTable : public ::testing::Test {
protected:
    void SetUp() override {
        db.ClearAll();
        for (int i = 0; i < 4608; ++i) {
            auto c = NewRecord<Channel_Info_Tag>();
            c->ProgramNum = static_cast<WORD>(i + 1);
            c->SatID = static_cast<BYTE>(i % 4 + 1);
            c->Attributes = static_cast<WORD>(i % 5 ? kAttrTV : kAttrRadio);
            std::snprintf(c->Name, 28, "Channel number %d", i);
            db.AddIndexed(kTableChannel, std::move(c));
        }
        session.StartFresh();
    }
    void TearDown() override { db.ClearAll(); }

    // Changes every channel: the worst case for sharing rows between steps.
    bool Rewrite(int step) {
        return session.Run("Rewrite " + std::to_string(step), TableBit(kTableChannel), [&] {
            for (Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
                c.ServiceID = static_cast<WORD>(step);
            return true;
        });
    }

    CZorvDB& db = TheZorvDB();
    EditSession session{TheZorvDB()};
};

} // namespace

TEST_F(FullTable, WholeTableEditsStayWithinTheByteBound) {
    const std::size_t row = sizeof(Channel_Info_Tag) + CTableSnapshot::kRowOverhead;
    for (int step = 1; step <= 40; ++step) {
        ASSERT_TRUE(Rewrite(step));
        ASSERT_LE(session.HistoryBytes(), EditSession::kDefaultMaxBytes) << "after step " << step;
    }
    // Each step holds a full table of new rows, about 2.2 MB with its row
    // list, and the oldest state is held once more: some 30 fit.
    const std::size_t kept = session.UndoCount();
    EXPECT_LT(kept, 40u) << "the oldest steps went";
    EXPECT_GE(kept, 28u);
    EXPECT_GT(session.HistoryBytes() + 2 * 4608 * row, EditSession::kDefaultMaxBytes)
        << "no more steps dropped than the bound needs";
    // What undo then reaches, and the saved point, HistoryPropertyTest checks.
}

// The bound while edits run is HistoryPropertyTest's too; here a lower one
// set later trims what is there.
TEST_F(FullTable, SmallEditsKeepAtLeastAHundredStepsAndALowerStepBoundTrimsThem) {
    const Keys keys = db.Keys(kTableChannel);
    for (int step = 1; step <= 150; ++step)
        ASSERT_TRUE(session.Run("Genre", TableBit(kTableChannel), [&] {
            const Keys one{keys[static_cast<std::size_t>(step)]};
            return !SetChannelsGenre(db, one, step % 15 + 1, false).changed.empty();
        }));
    EXPECT_EQ(session.UndoCount(), 150u);
    // A step that changes one row holds one row and the row list, not the table.
    EXPECT_LT(session.HistoryBytes(), std::size_t{40} << 20);
    session.SetLimits(120, EditSession::kDefaultMaxBytes);
    EXPECT_EQ(session.UndoCount(), 120u);
    session.SetLimits(100, EditSession::kDefaultMaxBytes);
    EXPECT_EQ(session.UndoCount(), 100u);
}
