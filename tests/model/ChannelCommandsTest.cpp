// The channel lists' commands and the list model they act on: rows in
// display order and their cells, selection by content, the dialogs' set-up,
// and the store after New, Update, Delete, Copy, Paste, Move here, Lock and
// Skip (numbers, keys renewed, clipboard emptied).
#include "model/ChannelCommands.h"
#include "model/ChannelDialogs.h"
#include "model/ChannelListModel.h"
#include "model/ChannelSelection.h"
#include "model/DescriptionTexts.h"
#include "tests/image/ImageBuilder.h"
#include "tests/model/ChannelMaker.h"

#include <array>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

using namespace velmar::test;

namespace {

using Names = std::vector<std::string>;

class ChannelCommands : public CodecTest {
protected:
    Product product{64, 0x49};
    ChannelClipboard clipboard;

    void SetUp() override {
        CodecTest::SetUp();
        LongSatelliteProfile().Apply();
        AddSmallSources(db);
        // Table order mixes kinds and numbers, as a workbook import leaves it.
        const std::tuple<const char*, WORD, bool, int, int> rows[] = {
            {"TV3", 3, true, 1, 1}, {"R2", 2, false, 1, 1}, {"TV1", 1, true, 1, 2},
            {"TV5", 5, true, 2, 1}, {"R1", 1, false, 2, 1}, {"TV2", 2, true, 1, 1},
            {"TV6", 6, true, 2, 1}, {"TV4", 4, true, 1, 2}, {"R3", 3, false, 1, 2}};
        for (const auto& [name, number, tv, sat, tp] : rows)
            Add(name, number, tv, sat, tp);
    }

    void Add(const char* name, WORD number, bool tv, int sat, int tp) {
        AddChannel(db, Ch{name}
                           .Attr(tv ? kAttrTV : kAttrRadio)
                           .On(static_cast<BYTE>(sat), static_cast<BYTE>(tp))
                           .Nums(number));
    }

    Channel_Info_Tag* Find(const std::string& name) {
        for (auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
            if (name == c.Name)
                return &c;
        return nullptr;
    }
    std::uint32_t Key(const std::string& name) {
        const auto* c = Find(name);
        return c ? c->Index : 0;
    }

    ChannelListState State(bool tv, ChannelFilter filter = {}, std::uint32_t type = 0) const {
        return {tv ? ChannelKind::TV : ChannelKind::Radio, filter,
                type ? Product{product.list, type} : product};
    }

    Names NamesOf(const std::vector<std::uint32_t>& keys) {
        Names names;
        for (std::uint32_t key : keys)
            names.emplace_back(db.Get<Channel_Info_Tag>(kTableChannel, key)->Name);
        return names;
    }
    Names Shown(const ChannelListState& list) { return NamesOf(ChannelListKeys(db, list)); }

    // "name:number" of every channel in table order, space-separated.
    std::string Table() {
        std::string out;
        for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
            out +=
                std::string(out.empty() ? "" : " ") + c.Name + ":" + std::to_string(c.ProgramNum);
        return out;
    }

    static ChannelFilter Favorite(int number) {
        return ChannelFilter::ByFavoriteOrGenre({}, 0, number - 1, 0x49);
    }
    static ChannelFilter Genre(int genre) {
        return ChannelFilter::ByFavoriteOrGenre({}, 1, genre, 0x49);
    }

    // Puts channels in favourite list `number` at the given positions.
    void Join(int number, std::initializer_list<std::pair<const char*, WORD>> members) {
        for (auto [name, position] : members) {
            Channel_Info_Tag* c = Find(name);
            c->Favorite |= DWORD{1} << (number - 1);
            c->F[number - 1] = position;
        }
    }

    // SatID, TPID, Attributes and Favorite of a record, compared at once.
    static std::array<int, 4> Ids(const Channel_Info_Tag& r) {
        return {r.SatID, r.TPID, r.Attributes, static_cast<int>(r.Favorite)};
    }
    // ProgramNum, LogicalNumber and ShowNum.
    static std::array<int, 3> Numbers(const Channel_Info_Tag& r) {
        return {r.ProgramNum, r.LogicalNumber, r.ShowNum};
    }

    // What the dialog hands back: no kind bit, satellite 2, transponder 1.
    static Channel_Info_Tag DialogRecord(const char* name) {
        Channel_Info_Tag r = Ch{name}.On(2, 1).Record();
        r.Attributes = 0;
        r.VideoPID = 512;
        return r;
    }
};

// ---- The list model -----------------------------------------------------------------------

TEST_F(ChannelCommands, RowsAreTheFilteredChannelsInNumberOrder) {
    EXPECT_EQ(Shown(State(true)), (Names{"TV1", "TV2", "TV3", "TV4", "TV5", "TV6"}));
    EXPECT_EQ(Shown(State(false)), (Names{"R1", "R2", "R3"}));
    EXPECT_EQ(Shown(State(true, ChannelFilter::BySatellite(db, 2))), (Names{"TV5", "TV6"}));
}

TEST_F(ChannelCommands, FavouriteModeSortsByPositionAndShowsIt) {
    Join(3, {{"TV5", 1}, {"TV1", 3}, {"TV4", 2}});
    const ChannelListState list = State(true, Favorite(3));
    EXPECT_EQ(Shown(list), (Names{"TV5", "TV4", "TV1"}));
    ChannelListModel model(ChannelKind::TV, product);
    model.SetFilter(db, Favorite(3));
    EXPECT_EQ(model.Cells(db, 1)[2], "2");
    EXPECT_EQ(model.Cells(db, 1)[0], "2");
    // Without position words the same list follows the channel numbers.
    ChannelListState plain = list;
    plain.product.type = 0x01;
    EXPECT_EQ(Shown(plain), (Names{"TV1", "TV4", "TV5"}));
    // The column is empty outside favourite mode.
    model.SetFilter(db, ChannelFilter::All());
    EXPECT_EQ(model.Cells(db, 0)[2], "");
}

TEST_F(ChannelCommands, CellsReadAsTheGridShowsThem) {
    Channel_Info_Tag* c = Find("TV4");
    c->VideoPID = 101;
    c->AudioPID = 102;
    c->PCRPID = 8191;
    c->Attributes = kAttrTV | kAttrLocked | kAttrSkipped | 4;
    c->ShowNum = 44;
    c->Tuner = 1;
    ChannelListModel model(ChannelKind::TV, product);
    model.Rebuild(db);
    const ChannelCells cells = model.Cells(db, 3);
    EXPECT_EQ(cells, (ChannelCells{"4", std::to_string(c->Index), "", "1", "2", "4", "TV4", "101",
                                   "102", "8191", "Sport", "N", "Y", "Y", "Tuner 2"}));
    // List 8 shows ShowNum as CH#, sorts by it, and names the tuner by source.
    ChannelListModel list8(ChannelKind::TV, Product{8, 0x19});
    list8.Rebuild(db);
    EXPECT_EQ(list8.Key(5), c->Index);
    EXPECT_EQ(list8.Cells(db, 5)[5], "44");
    EXPECT_EQ(list8.Cells(db, 0)[14], "Tuner 2"); // tuner byte 0, but SatID 1: code 18
    EXPECT_EQ((std::array{IsChannelColumnHidden(2, 0x01, 1), IsChannelColumnHidden(7, 0x01, 0),
                          IsChannelColumnHidden(7, 0x01, 1), IsChannelColumnHidden(14, 0x04, 1),
                          IsChannelColumnHidden(14, 0x01, 1)}),
              (std::array{true, true, false, true, false}));
}

TEST_F(ChannelCommands, SelectionFocusAndClearedRows) {
    ChannelListModel model(ChannelKind::TV, product);
    model.Rebuild(db);
    const std::uint32_t keys[] = {Key("TV5"), Key("TV2"), Key("R1")};
    model.SelectKeys(keys);
    EXPECT_EQ(model.SelectedKeys(), (std::vector<std::uint32_t>{Key("TV2"), Key("TV5")}));
    model.InvertSelection();
    EXPECT_EQ(std::pair(model.SelectedCount(), model.IsSelected(1)),
              std::pair(std::size_t{4}, false));
    model.SetFocusRow(2);
    const std::uint32_t focus = model.FocusKey();
    model.SetFocusRow(6);
    EXPECT_EQ((std::array{focus, model.FocusKey(), model.Key(99)}),
              (std::array{Key("TV3"), 0u, 0u}));
    EXPECT_EQ(std::pair(model.RowOf(Key("TV6")), model.RowOf(Key("R1"))),
              std::pair(std::optional<std::size_t>{5}, std::optional<std::size_t>{}));
    model.ClearRows();
    EXPECT_EQ(model.RowCount(), 0u);
    EXPECT_EQ(model.Filter(), ChannelFilter::All());
}

TEST_F(ChannelCommands, SelectItemsAndSearchReadTheCells) {
    Find("TV1")->Attributes |= kAttrLocked;
    Find("TV3")->Attributes |= kAttrScrambled;
    Find("TV5")->Tuner = 1;
    std::strcpy(Find("TV6")->Name, "Caf\xE9 TV");
    ChannelListModel model(ChannelKind::TV, product);
    model.Rebuild(db);
    auto selected = [&](ChannelSelect which) {
        model.SelectWhere(
            db, [&](const Channel_Info_Tag& c) { return SelectsChannel(which, c, product.list); });
        return NamesOf(model.SelectedKeys());
    };
    EXPECT_EQ(selected(ChannelSelect::Locked), (Names{"TV1"}));
    EXPECT_EQ(selected(ChannelSelect::CAS), (Names{"TV3"}));
    EXPECT_EQ(selected(ChannelSelect::Tuner2), (Names{"TV5"}));
    EXPECT_EQ(selected(ChannelSelect::Tuner1).size(), 5u);
    EXPECT_EQ(selected(ChannelSelect::All).size(), 6u);

    EXPECT_EQ(UpperCase1252("caf\xE9 \xFF\x9A\xF7x"), "CAF\xC9 \x9F\x8A\xF7X");
    const std::string upper = UpperCase1252("\xE9 t");
    model.SelectWhere(db, [&](const Channel_Info_Tag& c) { return NameContains(c, upper); });
    EXPECT_EQ(NamesOf(model.SelectedKeys()), (Names{"Caf\xE9 TV"}));
    model.SelectWhere(db, [&](const Channel_Info_Tag& c) { return NameContains(c, "TV"); });
    EXPECT_EQ(model.SelectedCount(), 6u);
}

// ---- Dialogs and description ----------------------------------------------------------------

TEST_F(ChannelCommands, DialogKindFollowsTheProductAndTheSource) {
    using enum ChannelDialogKind;
    ChannelListState list = State(true);
    // 0x06, terrestrial and cable, meets neither form's test.
    for (auto [type, kind] :
         {std::pair{0x49u, Satellite}, std::pair{0x02u, Mux}, std::pair{0x14u, Mux},
          std::pair{0x06u, Satellite}, std::pair{0x03u, Satellite}}) {
        list.product.type = type;
        EXPECT_EQ(ChannelDialogFor(list), kind) << type;
    }
    list.filter = ChannelFilter::ByMux(1);
    EXPECT_EQ(ChannelDialogFor(list), ChannelDialogKind::Mux);
}

TEST_F(ChannelCommands, NewStartsFromTheRecordTheFilterPointsAt) {
    // Satellite 2 chosen, then its transponder (key 3, TPID 1).
    const ChannelFilter bySat = ChannelFilter::BySatellite(db, 2);
    ChannelDialogSetup setup =
        NewChannelDialog(db, State(true, ChannelFilter::ByTransponder(bySat, 3)));
    EXPECT_EQ(std::pair(setup.dialog, setup.channelMode),
              std::pair(ChannelDialogKind::Satellite, std::optional{true}));
    EXPECT_EQ(Ids(setup.record), (std::array<int, 4>{2, 1, 0, 0}));
    EXPECT_EQ(setup.record.Name[0], 0);
    const auto lists = std::array{setup.satellites.size(), setup.transponders.size(),
                                  setup.channels.size(), setup.broadcasts.size()};
    EXPECT_EQ(lists, (std::array<std::size_t, 4>{2, 3, 9, 2}));
    setup = NewChannelDialog(db, State(false));
    EXPECT_EQ(std::pair(setup.channelMode.value(), setup.record.SatID), std::pair(false, BYTE{0}));

    // Satellite and terrestrial, terrestrial source: the multiplexes of
    // satellite 1 and a record on the terrestrial network.
    setup = NewChannelDialog(db, State(true, ChannelFilter::ByMux(2), 0x03));
    EXPECT_EQ(std::pair(setup.dialog, setup.muxList),
              std::pair(ChannelDialogKind::Mux, MuxListKind::Transponders));
    EXPECT_EQ(setup.terrestrialTransponders.size(), 2u);
    EXPECT_EQ(Ids(setup.record), (std::array<int, 4>{1, 2, 0, 0}));
    // The same product lists no terrestrial satellite or transponders to the satellite dialog.
    setup = NewChannelDialog(db, State(true, ChannelFilter::All(), 0x03));
    EXPECT_EQ(std::pair(setup.satellites.size(), setup.transponders.size()), std::pair(1ul, 1ul));

    // Cable only: the IDs of the cable multiplexes; the filter key names one.
    ChannelListState cable = State(true, ChannelFilter::ByTransponder({}, AddCableMux(db, 7)));
    cable.product = {2, 0x04};
    setup = NewChannelDialog(db, cable);
    EXPECT_EQ(std::pair(setup.muxList, setup.cableMuxIds),
              std::pair(MuxListKind::CableIds, std::vector<int>{7}));
    EXPECT_EQ(Ids(setup.record), (std::array<int, 4>{1, 7, 0, 0}));

    // Terrestrial only: the SMux with the filter's key.
    auto smux = NewRecord<SMux_Info_Tag>();
    smux->TPID = 9;
    db.Add(kTableTerrestrialMux, 4, std::move(smux));
    ChannelListState ter = State(true, ChannelFilter::ByTransponder({}, 4));
    ter.product = {1, 0x02};
    setup = NewChannelDialog(db, ter);
    EXPECT_EQ(std::pair(setup.muxList, setup.terrestrialMuxes.size()),
              std::pair(MuxListKind::Terrestrial, std::size_t{1}));
    EXPECT_EQ(setup.record.TPID, 9);

    // A shown genre or favourite list: the record has what New will give it.
    EXPECT_EQ(NewChannelDialog(db, State(true, Genre(6))).record.Attributes, 6);
    Join(3, {{"TV1", 2}, {"R1", 5}});
    setup = NewChannelDialog(db, State(false, Favorite(3)));
    EXPECT_EQ(Ids(setup.record), (std::array<int, 4>{0, 0, 0, 4}));
    EXPECT_EQ(setup.record.F[2], 6);
}

TEST_F(ChannelCommands, UpdateAndNewOfferEveryFavouriteListWithItsNextPosition) {
    for (int number : {1, 2}) {
        auto f = NewRecord<FavoriteList>();
        std::snprintf(f->Name, sizeof f->Name, "Fav %d", number);
        db.Add(kTableFavorite, static_cast<std::uint32_t>(number), std::move(f));
    }
    Join(2, {{"TV3", 4}, {"TV1", 7}, {"R2", 9}});
    const ChannelDialogSetup tv = NewChannelDialog(db, State(true));
    ASSERT_EQ(tv.favorites.size(), 2u);
    EXPECT_EQ(tv.favorites[0].name + tv.favorites[1].name, "Fav 1Fav 2");
    // An empty list starts at 1; the other after its highest TV position.
    EXPECT_EQ((std::array<int, 4>{tv.favorites[0].number, tv.favorites[0].joinPosition,
                                  tv.favorites[1].number, tv.favorites[1].joinPosition}),
              (std::array{1, 1, 2, 8}));
    EXPECT_EQ(NewChannelDialog(db, State(false)).favorites[1].joinPosition, 10)
        << "a radio channel counts the radio positions";
    // Update starts from the focus record and counts the positions of its
    // own kind, whatever the list.
    EXPECT_FALSE(UpdateChannelDialog(db, State(true), 0).has_value());
    const auto update = UpdateChannelDialog(db, State(true), Key("R1"));
    ASSERT_TRUE(update.has_value());
    EXPECT_STREQ(update->record.Name, "R1");
    EXPECT_FALSE(update->channelMode.has_value());
    EXPECT_EQ(update->favorites[1].joinPosition, 10);
    // Without positions in the entries a tick gives none.
    product = {7, 0x01};
    EXPECT_EQ(NewChannelDialog(db, State(true)).favorites[1].joinPosition, 0);
}

// UHF 21 is 474 MHz; frequency table 1 adds 166 kHz (bits 3-5 of the parameters).
TEST_F(ChannelCommands, ChoiceTextsNameWhatTheUserChoosesFrom) {
    auto* s = db.NextAs<Satellite_Info_Tag>(kTableSatellite, 0);
    s->Degree = 3550;
    auto* t = db.NextAs<Transponder_Info_Tag>(kTableTransponder, 0);
    t->SymbolRate = 27500;
    t->PolFEC = 0x31;
    EXPECT_EQ(
        SatelliteChoiceText(*s) + "; " + TransponderChoiceText(*t) + "; " +
            BroadcastChoiceText(*db.NextAs<Broadcast_Info_Tag>(kTableBroadcast, 0)) + "; " +
            TerrestrialMuxChoiceText(0, 1u << 3, 1),
        "Sat 1 (5.0W); 11,011 MHz HOR 27,500 kS/s; Provider 100 (ID 100); UHF 21 474.166 MHz");
}

TEST_F(ChannelCommands, DescriptionFindsSatelliteTransponderAndBroadcaster) {
    Channel_Info_Tag* c = Find("TV5");
    c->BroadcastID = 101;
    ChannelDescription d = DescribeChannel(db, c->Index);
    ASSERT_TRUE(d.channel && d.satellite && d.transponder && d.broadcast);
    EXPECT_EQ(std::string(d.satellite->Name) + " " + d.broadcast->Name, "Sat 2 Provider 101");
    EXPECT_EQ(d.transponder->Frequency, 11021);
    const DescriptionLines lines = ChannelDescriptionLines(d, product.list);
    EXPECT_EQ(lines.front().value + " " + lines.back().label, "TV5 Broadcast ID");
    c->SatID = 9;
    c->BroadcastID = 0;
    d = DescribeChannel(db, c->Index);
    EXPECT_TRUE(d.channel);
    EXPECT_FALSE(d.satellite || d.transponder || d.broadcast);
    EXPECT_FALSE(DescribeChannel(db, 999).channel);
}

// ---- New, Update, Delete ------------------------------------------------------------------

TEST_F(ChannelCommands, NewNumbersOnRegroupsRenumbersAndEmptiesTheClipboard) {
    const std::uint64_t generation = db.KeyGeneration(kTableChannel);
    const std::uint32_t oldTV3 = Key("TV3");
    clipboard.Set({Key("TV1")}, true);
    Channel_Info_Tag dialog = DialogRecord("Fresh");
    dialog.Attributes = kAttrRadio | 3; // the dialog's genre and kind do not stay
    const ChannelCommandResult result = NewChannel(db, State(true), dialog, clipboard);
    EXPECT_EQ((std::array{result.changed, result.keysRenewed, result.refreshBoth}),
              (std::array{true, true, true}));
    EXPECT_TRUE(clipboard.IsEmpty());
    EXPECT_EQ(Table(), "TV1:1 TV2:2 TV3:3 TV4:4 TV5:5 TV6:6 Fresh:7 R1:1 R2:2 R3:3");
    const Channel_Info_Tag* fresh = Find("Fresh");
    ASSERT_EQ(result.added, (std::vector<std::uint32_t>{fresh->Index}));
    EXPECT_EQ(Ids(*fresh), (std::array<int, 4>{2, 1, kAttrTV, 0}));
    EXPECT_EQ(Numbers(*fresh), (std::array<int, 3>{7, 7, 7}));
    EXPECT_EQ(fresh->VideoPID, 512);
    // Every channel was added again: a key held from before names another row now.
    EXPECT_NE(db.KeyGeneration(kTableChannel), generation);
    EXPECT_STRNE(db.Get<Channel_Info_Tag>(kTableChannel, oldTV3)->Name, "TV3");

    // A radio list with a gap: the number after the highest, then compacted.
    Find("R3")->ProgramNum = 40;
    NewChannel(db, State(false), DialogRecord("Radio new"), clipboard);
    EXPECT_EQ(Ids(*Find("Radio new")), (std::array<int, 4>{2, 1, kAttrRadio, 0}));
    EXPECT_EQ(Table(), "TV1:1 TV2:2 TV3:3 TV4:4 TV5:5 TV6:6 Fresh:7 R1:1 R2:2 R3:3 Radio new:4");
}

TEST_F(ChannelCommands, NewInAFavouriteListJoinsItAtTheEndAndInAGenreTakesIt) {
    Join(2, {{"TV2", 5}, {"TV6", 9}});
    NewChannel(db, State(true, Favorite(2)), DialogRecord("Fav new"), clipboard);
    const Channel_Info_Tag* c = Find("Fav new");
    EXPECT_EQ(c->Favorite, 0x2u);
    EXPECT_EQ(Shown(State(true, Favorite(2))), (Names{"TV2", "TV6", "Fav new"}));
    // Positions renumbered down the list: 1, 2, 3.
    EXPECT_EQ((std::array{Find("TV2")->F[1], Find("TV6")->F[1], c->F[1]}),
              (std::array<WORD, 3>{1, 2, 3}));
    NewChannel(db, State(true, Genre(5)), DialogRecord("Sporty"), clipboard);
    EXPECT_EQ(Find("Sporty")->Attributes, kAttrTV | 5);
}

TEST_F(ChannelCommands, UpdateReplacesTheWholeRecordWithoutRenumbering) {
    const std::uint32_t key = Key("TV4");
    Channel_Info_Tag dialog = *Find("TV4");
    std::strcpy(dialog.Name, "TV4 HD");
    dialog.ProgramNum = 40;
    dialog.CAS = 0x0B00;
    dialog.Index = 1234;
    EXPECT_TRUE(UpdateChannel(db, key, dialog, 7).changed);
    const Channel_Info_Tag* c = db.Get<Channel_Info_Tag>(kTableChannel, key);
    EXPECT_EQ(std::string(c->Name) + ":" + std::to_string(c->ProgramNum), "TV4 HD:40");
    EXPECT_EQ((std::array<DWORD, 2>{c->Index, c->CAS}), (std::array<DWORD, 2>{key, 0x0B00}));
    EXPECT_EQ(Find("TV5")->ProgramNum, 5);
    EXPECT_FALSE(UpdateChannel(db, 999, dialog, 7).changed);
}

// One number, one channel: a number another channel of the kind holds moves
// the edited channel there, and the channels between close up, both ways; a
// radio channel's numbers are its own.
TEST_F(ChannelCommands, UpdateToATakenNumberMovesTheChannelThere) {
    const auto updated = [&](const char* name, WORD number) {
        Channel_Info_Tag dialog = *Find(name);
        dialog.ProgramNum = number;
        return UpdateChannel(db, Key(name), dialog, 7);
    };
    EXPECT_TRUE(updated("TV2", 5).refreshBoth);
    EXPECT_EQ(Table(), "TV3:2 R2:2 TV1:1 TV5:4 R1:1 TV2:5 TV6:6 TV4:3 R3:3");
    EXPECT_TRUE(updated("TV6", 1).refreshBoth);
    EXPECT_EQ(Table(), "TV3:3 R2:2 TV1:2 TV5:5 R1:1 TV2:6 TV6:1 TV4:4 R3:3");
    // A free number is taken as typed; so is any number on list 8.
    EXPECT_FALSE(updated("R3", 9).refreshBoth);
    EXPECT_EQ(Find("R3")->ProgramNum, 9);
    Channel_Info_Tag dialog = *Find("R2");
    dialog.ProgramNum = 1;
    EXPECT_FALSE(UpdateChannel(db, Key("R2"), dialog, 8).refreshBoth);
    EXPECT_EQ(Find("R1")->ProgramNum, 1);
    EXPECT_EQ(Find("R2")->ProgramNum, 1);
}

TEST_F(ChannelCommands, DeleteRemovesAndRenumbersBothKinds) {
    clipboard.Set({Key("TV6")}, true);
    const std::uint32_t keys[] = {Key("TV2"), Key("R1"), 999};
    const ChannelCommandResult result = DeleteChannels(db, State(true), keys, clipboard);
    EXPECT_TRUE(result.changed && result.keysRenewed);
    EXPECT_TRUE(clipboard.IsEmpty());
    // Table in number order, each kind numbered from 1 again.
    EXPECT_EQ(Table(), "TV1:1 R2:1 TV3:2 R3:2 TV4:3 TV5:4 TV6:5");
    EXPECT_TRUE(DeleteAsks(State(true)));
    EXPECT_FALSE(DeleteAsks(State(true, Favorite(1))));
    // Deleting every channel, then adding one, gives number 1.
    DeleteChannels(db, State(true), db.Keys(kTableChannel), clipboard);
    EXPECT_EQ(db.Size(kTableChannel), 0u);
    NewChannel(db, State(true), DialogRecord("Only"), clipboard);
    EXPECT_EQ(Table(), "Only:1");
}

TEST_F(ChannelCommands, DeleteInAFavouriteListOnlyRemovesFromTheList) {
    Join(4, {{"TV1", 1}, {"TV3", 2}, {"TV5", 3}, {"TV6", 4}});
    Find("TV3")->Favorite |= 0x1;
    clipboard.Set({Key("TV1")}, true);
    const auto table = Table();
    const std::uint32_t keys[] = {Key("TV3"), Key("TV1")};
    const ChannelCommandResult result =
        DeleteChannels(db, State(true, Favorite(4)), keys, clipboard);
    EXPECT_EQ(std::pair(result.changed, result.keysRenewed), std::pair(true, false));
    EXPECT_EQ(Table(), table);
    EXPECT_FALSE(clipboard.IsEmpty());
    EXPECT_EQ(Find("TV3")->Favorite, 0x1u);
    EXPECT_EQ((std::array{Find("TV3")->F[3], Find("TV5")->F[3], Find("TV6")->F[3]}),
              (std::array<WORD, 3>{0, 1, 2}));
    EXPECT_EQ(Shown(State(true, Favorite(4))), (Names{"TV5", "TV6"}));
}

// ---- Copy, Paste, Move here -------------------------------------------------------------

TEST_F(ChannelCommands, CopyKeepsTheKeysWithRecordsAndTheKind) {
    const std::uint32_t keys[] = {Key("TV2"), 999, Key("TV5")};
    CopyChannels(db, State(true), keys, clipboard);
    EXPECT_EQ(clipboard.Keys(), (std::vector<std::uint32_t>{Key("TV2"), Key("TV5")}));
    EXPECT_TRUE(clipboard.IsTV());
    CopyChannels(db, State(false), std::vector<std::uint32_t>{999}, clipboard);
    EXPECT_TRUE(clipboard.IsEmpty() && !clipboard.IsTV());
}

TEST_F(ChannelCommands, PastePlacesCopiesByTheFilterAndResetsGenreFavouritesNumbers) {
    Channel_Info_Tag* source = Find("TV2");
    source->Attributes |= kAttrLocked | 7;
    source->Favorite = 0x5;
    source->F[0] = 3;
    source->BroadcastID = 100;
    const std::uint32_t keys[] = {Key("TV2"), Key("TV1")};
    CopyChannels(db, State(true), keys, clipboard);
    const ChannelCommandResult result =
        PasteChannels(db, State(true, ChannelFilter::BySatellite(db, 2)), clipboard);
    EXPECT_TRUE(result.changed && clipboard.IsEmpty());
    EXPECT_EQ(result.added.size(), 2u);
    EXPECT_EQ(Table(), "TV1:1 TV2:2 TV3:3 TV4:4 TV5:5 TV6:6 TV2:7 TV1:8 R1:1 R2:2 R3:3");
    const auto* copy = db.Get<Channel_Info_Tag>(kTableChannel, result.added[0]);
    EXPECT_STREQ(copy->Name, "TV2");
    EXPECT_EQ(Ids(*copy), (std::array<int, 4>{2, 1, kAttrTV | kAttrLocked, 0}));
    EXPECT_EQ(Numbers(*copy), (std::array<int, 3>{7, 7, 7}));
    EXPECT_EQ((std::array<int, 2>{copy->F[0], copy->BroadcastID}), (std::array{0, 100}));
    // The clipboard was emptied: a second paste adds nothing.
    EXPECT_FALSE(PasteChannels(db, State(true), clipboard).changed);
    EXPECT_EQ(db.Size(kTableChannel), 11u);
}

TEST_F(ChannelCommands, PasteOnATransponderOrBroadcasterTakesItsIds) {
    const std::uint32_t keys[] = {Key("R1")};
    CopyChannels(db, State(false), keys, clipboard);
    // Transponder key 2: satellite 1, TPID 2.
    auto result = PasteChannels(db, State(false, ChannelFilter::ByTransponder({}, 2)), clipboard);
    const auto* copy = db.Get<Channel_Info_Tag>(kTableChannel, result.added.at(0));
    EXPECT_EQ(Ids(*copy), (std::array<int, 4>{1, 2, kAttrRadio, 0}));
    EXPECT_EQ(copy->ProgramNum, 4);

    CopyChannels(db, State(false), std::vector<std::uint32_t>{copy->Index}, clipboard);
    // Broadcaster key 2 has ID 101: the copy refers to it by its ID.
    result =
        PasteChannels(db, State(false, ChannelFilter::ByBroadcast({}, 2, product.type)), clipboard);
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, result.added.at(0))->BroadcastID, 101);
}

TEST_F(ChannelCommands, PasteAndMoveOfTheOtherKindSayWhy) {
    const std::uint32_t radio[] = {Key("R1")};
    const std::uint32_t tv[] = {Key("TV1")};
    CopyChannels(db, State(false), radio, clipboard);
    const auto table = Table();
    EXPECT_EQ(PasteChannels(db, State(true), clipboard).error,
              "Cannot copy from Radio channels to TV channels");
    EXPECT_EQ(MoveChannelsHere(db, State(true), clipboard, Key("TV3")).error,
              "Cannot Move from Radio channels to TV channels");
    CopyChannels(db, State(true), tv, clipboard);
    EXPECT_EQ(PasteChannels(db, State(false), clipboard).error,
              "Cannot copy from TV channels to Radio channels");
    EXPECT_EQ(MoveChannelsHere(db, State(false), clipboard, Key("R2")).error,
              "Cannot move from TV channels to Radio channels");
    EXPECT_EQ(Table(), table);
    EXPECT_FALSE(clipboard.IsEmpty());
}

TEST_F(ChannelCommands, MoveHereRenumbersTheMovedSetAndKeepsTheClipboard) {
    Add("TV7", 7, true, 1, 1);
    Add("TV8", 8, true, 1, 1);
    const std::uint32_t three[] = {Key("TV3")};
    CopyChannels(db, State(true), three, clipboard);
    ChannelCommandResult result = MoveChannelsHere(db, State(true), clipboard, Key("TV7"));
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(NamesOf(result.select), (Names{"TV3"}));
    EXPECT_EQ(clipboard.Keys().size(), 1u);
    // The table order stays; the numbers close up.
    EXPECT_EQ(Table(), "TV3:6 R2:2 TV1:1 TV5:4 R1:1 TV2:2 TV6:5 TV4:3 R3:3 TV7:7 TV8:8");
    EXPECT_EQ(Numbers(*Find("TV4")), (std::array<int, 3>{3, 3, 3}));
}

TEST_F(ChannelCommands, LockAndSkipSetAndClearTheirBits) {
    const std::uint32_t keys[] = {Key("TV1"), Key("R1"), 999};
    EXPECT_TRUE(SetChannelsLocked(db, keys, true).changed);
    EXPECT_FALSE(SetChannelsLocked(db, keys, true).changed);
    EXPECT_EQ(Find("R1")->Attributes, kAttrRadio | kAttrLocked);
    EXPECT_TRUE(SetChannelsSkipped(db, keys, true).changed);
    EXPECT_EQ(Find("TV1")->Attributes, kAttrTV | kAttrLocked | kAttrSkipped);
    EXPECT_TRUE(SetChannelsLocked(db, keys, false).changed);
    EXPECT_TRUE(SetChannelsSkipped(db, keys, false).changed);
    EXPECT_EQ(Find("TV1")->Attributes, kAttrTV);
}

} // namespace
