// Every command of the grids as one named edit: the edit changes the saved
// image, one undo gives back the bytes saved before it, and redo the bytes
// saved after it.
#include "document/SessionCommands.h"
#include "document/EditSession.h"
#include "tests/image/ImageBuilder.h"

#include <functional>
#include <string>
#include <vector>

using namespace velmar::test;

namespace {

using Keys = std::vector<std::uint32_t>;

class SessionCommands : public CodecTest {
protected:
    Profile profile;
    std::vector<BYTE> blank;
    EditSession session{db};
    Product product;

    void SetUp() override {
        CodecTest::SetUp();
        // Channels carry all 32 favourite positions, satellites the long form.
        profile.list = 64;
        profile.type = 0x49;
        profile.order = 1;
        profile.ch.entrySize = 124;
        profile.sat.entrySize = 44;
        profile.Apply();
        product = Product::Current();
        blank = Image(profile.FlashSize()).Bytes();
        for (DWORD k = 1; k <= 4; ++k) {
            auto f = NewRecord<FavoriteList>();
            std::snprintf(f->Name, sizeof f->Name, "List %u", static_cast<unsigned>(k));
            db.Add(kTableFavorite, k, std::move(f));
        }
        for (BYTE s = 1; s <= 3; ++s) {
            auto sat = NewRecord<Satellite_Info_Tag>();
            sat->ID = s;
            sat->Degree = static_cast<WORD>(130 * s);
            std::snprintf(sat->Name, sizeof sat->Name, "Sat %d", s);
            db.AddIndexed(kTableSatellite, std::move(sat));
            for (BYTE t = 1; t <= 2; ++t) {
                auto tp = NewRecord<Transponder_Info_Tag>();
                tp->SatID = s;
                tp->TPID = t;
                tp->Frequency = static_cast<WORD>(10000 + 100 * s + t);
                db.AddIndexed(kTableTransponder, std::move(tp));
            }
        }
        for (WORD id : {WORD{7}, WORD{8}}) {
            auto b = NewRecord<Broadcast_Info_Tag>();
            b->BroadcastID = id;
            std::snprintf(b->Name, sizeof b->Name, "Provider %d", id);
            db.AddIndexed(kTableBroadcast, std::move(b));
        }
        for (int i = 0; i < 24; ++i) {
            auto c = NewRecord<Channel_Info_Tag>();
            const bool radio = i % 3 == 0;
            c->Attributes = static_cast<WORD>((radio ? kAttrRadio : kAttrTV) | (i % 16));
            c->SatID = static_cast<BYTE>(i % 3 + 1);
            c->TPID = static_cast<BYTE>(i % 2 + 1);
            c->ProgramNum = c->LogicalNumber = c->ShowNum = static_cast<WORD>(i / 2 + 1);
            c->Favorite = i % 4 == 1 ? 0x2 : 0;
            c->F[1] = static_cast<WORD>(i % 4 == 1 ? i : 0);
            std::snprintf(c->Name, 28, "Channel %d", i);
            db.AddIndexed(kTableChannel, std::move(c));
        }
        g_nMaxTPID = 2;
        session.StartFresh();
    }

    std::vector<BYTE> Saved() {
        int ok = 0;
        auto bytes = Save(blank, &ok);
        EXPECT_EQ(ok, 1);
        return bytes;
    }

    Keys ChannelKeys(bool tv, ChannelFilter filter = {}) {
        return ChannelListKeys(db, {tv ? ChannelKind::TV : ChannelKind::Radio, filter, product});
    }
    ChannelListState List(bool tv, ChannelFilter filter = {}) {
        return {tv ? ChannelKind::TV : ChannelKind::Radio, filter, product};
    }

    // Runs `command` (one edit), then checks undo and redo by the saved bytes.
    void CheckUndo(const std::string& name, const std::function<void()>& command) {
        SCOPED_TRACE(name);
        const auto before = Saved();
        const std::size_t steps = session.UndoCount();
        command();
        ASSERT_EQ(session.UndoCount(), steps + 1) << "not one edit";
        EXPECT_EQ(session.UndoName(), name);
        const auto after = Saved();
        ASSERT_NE(after, before) << "the edit changed nothing the image holds";
        ASSERT_TRUE(session.Undo());
        EXPECT_EQ(Saved(), before);
        ASSERT_TRUE(session.Redo());
        EXPECT_EQ(Saved(), after);
        ASSERT_TRUE(session.Undo());
    }
};

TEST_F(SessionCommands, ChannelCommandsAreUndoneByOneUndo) {
    Channel_Info_Tag dialog{};
    std::snprintf(dialog.Name, sizeof dialog.Name, "Brand new");
    dialog.SatID = 2;
    CheckUndo("New", [&] { RunNewChannel(session, List(true), dialog); });

    ChannelFilter favorite;
    favorite.kind = ChannelFilterKind::Favorite;
    favorite.favorite = 2;
    CheckUndo("New", [&] { RunNewChannel(session, List(false, favorite), dialog); });

    const Keys tv = ChannelKeys(true);
    Channel_Info_Tag changed = *db.Get<Channel_Info_Tag>(kTableChannel, tv[2]);
    changed.VideoPID = 4000;
    CheckUndo("Update", [&] { RunUpdateChannel(session, tv[2], changed); });
    CheckUndo("Delete", [&] { RunDeleteChannels(session, List(true), Keys{tv[0], tv[5], tv[6]}); });
    const Keys members = ChannelKeys(false, favorite);
    ASSERT_FALSE(members.empty());
    CheckUndo("Remove from FAV",
              [&] { RunDeleteChannels(session, List(false, favorite), Keys{members[0]}); });

    session.Clipboard().Set({tv[1], tv[3]}, true);
    CheckUndo("Paste", [&] { RunPasteChannels(session, List(true, ChannelFilter::ByMux(3))); });
    // Undo does not give the clipboard back: its keys were renewed.
    session.Clipboard().Set({tv[1], tv[3]}, true);
    CheckUndo("Move here", [&] { RunMoveChannelsHere(session, List(true), tv[9]); });
    CheckUndo("Lock On", [&] { RunLockChannels(session, Keys{tv[1], tv[2]}, true); });
    CheckUndo("Skip On", [&] { RunSkipChannels(session, Keys{tv[1]}, true); });
}

TEST_F(SessionCommands, ErrorsAndNoChangeRecordNothing) {
    session.Clipboard().Set({ChannelKeys(false)[0]}, false);
    const auto result = RunPasteChannels(session, List(true));
    EXPECT_EQ(result.error, "Cannot copy from Radio channels to TV channels");
    EXPECT_FALSE(session.CanUndo());
    RunLockChannels(session, Keys{}, true);
    EXPECT_FALSE(session.CanUndo());
    EXPECT_EQ(RunDeleteSatellites(session, Keys{99}), 0);
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.IsModified());
}

TEST_F(SessionCommands, SourceCommandsAreUndoneByOneUndo) {
    Satellite_Info_Tag sat{};
    std::snprintf(sat.Name, sizeof sat.Name, "Eutelsat");
    sat.Degree = 90;
    CheckUndo("New satellite", [&] { EXPECT_NE(RunNewSatellite(session, sat), 0u); });
    CheckUndo("Update satellite", [&] { RunUpdateSatellite(session, 2, sat); });
    CheckUndo("Delete satellite", [&] { EXPECT_EQ(RunDeleteSatellites(session, Keys{2}), 1); });

    Transponder_Info_Tag tp{};
    tp.SatID = 3;
    tp.Frequency = 12345;
    CheckUndo("New transponder", [&] {
        EXPECT_NE(RunNewTransponder(session, tp), 0u);
        EXPECT_EQ(g_nMaxTPID, 3u);
    });
    EXPECT_EQ(g_nMaxTPID, 2u); // the undo gave the counter back too
    CheckUndo("Update transponder", [&] { RunUpdateTransponder(session, 1, tp); });
    CheckUndo("Delete transponder", [&] { RunDeleteTransponders(session, Keys{3}); });

    CheckUndo("New broadcaster", [&] { RunNewBroadcast(session, 8, "Fresh"); });
    CheckUndo("Update broadcaster", [&] { RunRenameBroadcast(session, 1, "Renamed"); });
    CheckUndo("Delete broadcaster", [&] { RunDeleteBroadcasts(session, Keys{1}); });
}

TEST_F(SessionCommands, CableMultiplexCommandsAreUndoneByOneUndo) {
    profile.list = 2;
    profile.type = 0x04;
    profile.ch.entrySize = 64;
    profile.Apply();
    blank = Image(profile.FlashSize()).Bytes();
    for (BYTE m = 1; m <= 3; ++m) {
        auto mux = NewRecord<CableMux_Info_Tag>();
        mux->TPID = m;
        mux->Frequency = 300000u + m;
        db.AddIndexed(kTableCableMux, std::move(mux));
    }
    g_nMaxTPID = 3;
    session.StartFresh();
    CableMux_Info_Tag mux{};
    mux.Frequency = 474000;
    CheckUndo("New multiplex", [&] { EXPECT_NE(RunNewCableMux(session, mux), 0u); });
    EXPECT_EQ(g_nMaxTPID, 3u);
    CheckUndo("Update multiplex", [&] { RunUpdateCableMux(session, 2, mux); });
    CheckUndo("Delete multiplex", [&] { EXPECT_EQ(RunDeleteCableMuxes(session, Keys{1}), 1); });
}

} // namespace
