// The satellite, transponder, cable multiplex and broadcaster commands: the
// ID rules, the delete cascades, and that a save and reload after a delete
// keeps every channel the cascade did not delete.
#include "model/BroadcastCommands.h"
#include "model/CableMuxCommands.h"
#include "model/DeleteCounts.h"
#include "model/SatelliteCommands.h"
#include "tests/image/ImageBuilder.h"
#include "tests/model/ChannelMaker.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

using namespace velmar::test;

namespace {

using Refs = std::vector<std::string>;

// "name@SatID/TPID" of a channel ("name@TPID" without the satellite).
std::string Ref(const std::string& name, int satId, int tpid, bool withSat = true) {
    return name + "@" + (withSat ? std::to_string(satId) + "/" : "") + std::to_string(tpid);
}
// Every channel's Ref, sorted.
Refs Channels(bool withSat = true) {
    Refs out;
    for (const auto& c : TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel))
        out.push_back(Ref(c.Name, c.SatID, c.TPID, withSat));
    std::sort(out.begin(), out.end());
    return out;
}
Refs Sorted(Refs refs) {
    std::sort(refs.begin(), refs.end());
    return refs;
}

// "SatID/TPID" of every transponder in table order.
std::string Transponders() {
    std::string out;
    for (const auto& t : TheZorvDB().Rows<Transponder_Info_Tag>(kTableTransponder))
        out += std::to_string(t.SatID) + "/" + std::to_string(t.TPID) + " ";
    return out;
}

// Satellite names by ID.
std::map<int, std::string> Satellites() {
    std::map<int, std::string> out;
    for (const auto& s : TheZorvDB().Rows<Satellite_Info_Tag>(kTableSatellite))
        out[s.ID] = s.Name;
    return out;
}

// The key of the first row of `table` that `match` accepts, else 0.
template <class Record, class Match> std::uint32_t KeyOf(std::uint8_t table, Match match) {
    for (const auto& r : TheZorvDB().Rows<Record>(table))
        if (match(r))
            return r.Index;
    return 0;
}

void AddChannel(int satId, int tpid, const std::string& name, WORD number, bool tv = true) {
    velmar::test::AddChannel(
        TheZorvDB(),
        Ch{name}.Attr(tv ? kAttrTV : kAttrRadio).On(BYTE(satId), BYTE(tpid)).Nums(number));
}

class SourceTest : public CodecTest {
protected:
    // Saves the store into an empty image and loads it back.
    void SaveAndReload(const Profile& p = {}) {
        int ok = 0;
        const auto bytes = Save(Image(p.FlashSize()).Bytes(), &ok);
        ASSERT_EQ(ok, 1);
        ASSERT_TRUE(Reload(bytes));
    }
};

// Three satellites with three transponders each and two channels on each
// transponder ("S2T3b": satellite 2, transponder 3, second channel).
class SatelliteCommands : public SourceTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        WORD number = 0;
        for (int s = 1; s <= 3; ++s) {
            AddSatellite(db, s, static_cast<WORD>(100 * s));
            for (int t = 1; t <= 3; ++t) {
                AddTransponder(db, s, t, static_cast<WORD>(10000 + 100 * s + t));
                for (char which : {'a', 'b'})
                    AddChannel(s, t, "S" + std::to_string(s) + "T" + std::to_string(t) + which,
                               ++number, which == 'a');
            }
        }
        g_nMaxTPID = 3;
    }

    std::uint32_t SatelliteKey(int id) {
        return KeyOf<Satellite_Info_Tag>(kTableSatellite, [&](auto& s) { return s.ID == id; });
    }
    std::uint32_t TransponderKey(int satId, int tpid) {
        return KeyOf<Transponder_Info_Tag>(
            kTableTransponder, [&](auto& t) { return t.SatID == satId && t.TPID == tpid; });
    }
    // The sorted Refs of the channels set up, each where `moved` puts its
    // satellite and transponder, {0, 0} for a deleted one.
    template <class Moved> static Refs Expected(Moved moved) {
        Refs out;
        for (int s = 1; s <= 3; ++s)
            for (int t = 1; t <= 3; ++t)
                for (const char* which : {"a", "b"})
                    if (const auto [sat, tp] = moved(s, t); sat)
                        out.push_back(Ref("S" + std::to_string(s) + "T" + std::to_string(t) + which,
                                          sat, tp));
        return Sorted(out);
    }
    static constexpr std::pair<int, int> kGone{0, 0};
};

TEST_F(SatelliteCommands, DeletingTheMiddleSatelliteMovesTheLastOneDownWithEverythingOnIt) {
    const std::uint32_t keys[] = {SatelliteKey(2)};
    EXPECT_EQ(DeleteSatellites(db, keys), 1);

    EXPECT_EQ(Satellites(), (std::map<int, std::string>{{1, "Sat 1"}, {2, "Sat 3"}}));
    EXPECT_EQ(Transponders(), "1/1 1/2 1/3 2/1 2/2 2/3 ");
    // The old satellite 3's transponders keep their frequencies under ID 2.
    EXPECT_EQ(db.Get<Transponder_Info_Tag>(kTableTransponder, TransponderKey(2, 1))->Frequency,
              10301);
    const Refs expected = Expected([](int s, int t) {
        return s == 2 ? kGone : std::pair{s == 3 ? 2 : 1, t};
    });
    EXPECT_EQ(Channels(), expected);

    SaveAndReload();
    EXPECT_EQ(Channels(), expected);
    EXPECT_EQ(Satellites(), (std::map<int, std::string>{{1, "Sat 1"}, {2, "Sat 3"}}));
}

TEST_F(SatelliteCommands, DeletingTwoSatellitesAtOnceFollowsTheShiftedIds) {
    // Deleting 1 first moves 3 to 2; the second key still names old 3, now the last.
    const std::uint32_t keys[] = {SatelliteKey(1), SatelliteKey(3), 999};
    EXPECT_EQ(DeleteSatellites(db, keys), 2);
    EXPECT_EQ(Satellites(), (std::map<int, std::string>{{1, "Sat 2"}}));
    EXPECT_EQ(Transponders(), "1/1 1/2 1/3 ");
    EXPECT_EQ(Channels(), Expected([](int s, int t) { return s == 2 ? std::pair{1, t} : kGone; }));
}

// The question before a delete counts what the delete takes along.
TEST_F(SatelliteCommands, DeleteCountsAreWhatTheDeleteTakesAlong) {
    AddChannel(0, 1, "no satellite", 99); // an ID-0 satellite takes no channel with it
    const std::uint32_t key = AddSatellite(db, 0);
    const std::uint32_t two[] = {SatelliteKey(2), key}, one[] = {key};
    const DeleteCounts both = CountSatelliteDelete(db, two);
    EXPECT_EQ(DeleteCountsText(both, "satellite", "satellites"),
              "2 satellites are selected. Deleting them also deletes their 3 transponders and "
              "6 channels.");
    EXPECT_EQ(DeleteCountsText(CountSatelliteDelete(db, one), "satellite", "satellites"),
              "1 satellite is selected.");
    const std::uint32_t tp[] = {TransponderKey(1, 2)};
    EXPECT_EQ(DeleteCountsText(CountTransponderDelete(db, tp), "transponder", "transponders"),
              "1 transponder is selected. Deleting it also deletes its 2 channels.");
    EXPECT_EQ(DeleteCountsText({0, 1, 1}, "satellite", "satellites"),
              "0 satellites are selected. Deleting them also deletes their 1 transponder and "
              "1 channel.");
    const auto before = Channels();
    EXPECT_EQ(DeleteSatellites(db, one), 1);
    EXPECT_EQ(Channels(), before) << "an ID-0 satellite goes alone, moving no other ID";
    EXPECT_EQ(Satellites().size(), 3u);
}

TEST_F(SatelliteCommands, NewSatelliteTakesOneAboveTheHighestIdAndFlagOneOrIsRefused) {
    // A satellite read with ID 9 in the middle of the table.
    AddSatellite(db, 9);
    AddSatellite(db, 4);

    Satellite_Info_Tag dialog{};
    dialog.Index = 77; // whatever the dialog returns, the store decides the key
    dialog.ID = 2;
    dialog.Flag = 0;
    dialog.Degree = 192;
    dialog.Group1.w1 = 0x1234;
    std::snprintf(dialog.Name, sizeof dialog.Name, "Astra");
    const std::uint32_t key = NewSatellite(db, dialog);
    ASSERT_NE(key, 0u);
    const auto* s = db.Get<Satellite_Info_Tag>(kTableSatellite, key);
    // ID 10, not the 5 the last row would give.
    EXPECT_EQ((std::array<DWORD, 5>{s->Index, s->ID, s->Flag, s->Degree, s->Group1.w1}),
              (std::array<DWORD, 5>{key, 10, 1, 192, 0x1234}));
    EXPECT_STREQ(s->Name, "Astra");

    // Refused when ID 255 is taken.
    db.Clear(kTableSatellite);
    EXPECT_EQ(NextSatelliteID(db), 1);
    AddSatellite(db, 255);
    EXPECT_EQ(NextSatelliteID(db), 0);
    EXPECT_EQ(NewSatellite(db, Satellite_Info_Tag{}), 0u);
    EXPECT_EQ(db.Size(kTableSatellite), 1u);
}

TEST_F(SatelliteCommands, UpdateReplacesTheWholeRecordButKeepsTheKey) {
    const std::uint32_t key = SatelliteKey(2);
    Satellite_Info_Tag dialog = *db.Get<Satellite_Info_Tag>(kTableSatellite, key);
    dialog.Index = 0;
    dialog.Degree = 3599;
    dialog.Group2.b5 = 7;
    std::snprintf(dialog.Name, sizeof dialog.Name, "Renamed");
    EXPECT_TRUE(UpdateSatellite(db, key, dialog));
    const auto* s = db.Get<Satellite_Info_Tag>(kTableSatellite, key);
    EXPECT_EQ((std::array<DWORD, 3>{s->Index, s->Degree, s->Group2.b5}),
              (std::array<DWORD, 3>{key, 3599, 7}));
    EXPECT_STREQ(s->Name, "Renamed");
    EXPECT_FALSE(UpdateSatellite(db, 999, dialog));
}

TEST_F(SatelliteCommands, NewTransponderTakesTheNextTpidOfItsSatelliteOrIsRefused) {
    Transponder_Info_Tag dialog = PresetTransponder(2);
    EXPECT_EQ(std::pair(int{dialog.SatID}, int{dialog.Frequency}), std::pair(2, 0));
    dialog.Frequency = 11778;
    dialog.TPID = 50; // the rule decides, not the dialog
    DWORD counter = 3;
    const std::uint32_t key = NewTransponder(db, dialog, counter);
    ASSERT_NE(key, 0u);
    const auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, key);
    EXPECT_EQ((std::array<DWORD, 5>{t->TPID, t->SatID, t->Frequency, t->Index, counter}),
              (std::array<DWORD, 5>{4, 2, 11778, key, 4}));

    // A satellite without transponders starts at 1; the counter still counts.
    dialog.SatID = 7;
    const std::uint32_t first = NewTransponder(db, dialog, counter);
    EXPECT_EQ(db.Get<Transponder_Info_Tag>(kTableTransponder, first)->TPID, 1);
    EXPECT_EQ(counter, 5u);
    // Without a satellite: refused, and the counter stays.
    EXPECT_EQ(NewTransponder(db, PresetTransponder(0), counter), 0u);
    EXPECT_EQ(counter, 5u);
    EXPECT_EQ(db.Size(kTableTransponder), 11u);
}

TEST_F(SatelliteCommands, DeletingATransponderClosesUpItsSatelliteOnly) {
    const std::uint32_t keys[] = {TransponderKey(2, 2)};
    EXPECT_EQ(DeleteTransponders(db, keys), 1);
    EXPECT_EQ(Transponders(), "1/1 1/2 1/3 2/1 2/2 3/1 3/2 3/3 ");
    EXPECT_EQ(db.Get<Transponder_Info_Tag>(kTableTransponder, TransponderKey(2, 2))->Frequency,
              10203);
    const Refs expected = Expected([](int s, int t) {
        return s == 2 && t == 2 ? kGone : std::pair{s, s == 2 && t == 3 ? 2 : t};
    });
    EXPECT_EQ(Channels(), expected);
    SaveAndReload();
    EXPECT_EQ(Channels(), expected);
}

TEST_F(SatelliteCommands, DescriptionAndDialogsFindTheSatellites) {
    const auto d = DescribeTransponder(db, TransponderKey(3, 1));
    ASSERT_TRUE(d.transponder && d.satellite);
    EXPECT_STREQ(d.satellite->Name, "Sat 3");
    const std::uint32_t key = AddTransponder(db, 40, 1);
    EXPECT_EQ(DescribeTransponder(db, key).satellite, nullptr);
    EXPECT_EQ(DescribeTransponder(db, 9999).transponder, nullptr);
    // Long entries have their own dialog; a terrestrial product hides satellite 1.
    EXPECT_EQ(SatelliteDialogFor(0x01), SatelliteDialogKind::Sat);
    EXPECT_EQ(SatelliteDialogFor(0x49), SatelliteDialogKind::Sat2);
    EXPECT_EQ(DialogSatelliteList(db, 0x01).size(), 3u);
    ASSERT_EQ(DialogSatelliteList(db, 0x03).size(), 2u);
    EXPECT_EQ(DialogSatelliteList(db, 0x03)[0]->ID, 2);
}

// ---- Cable multiplexes ------------------------------------------------------------

class CableMuxCommands : public SourceTest {
protected:
    Profile profile;

    void SetUp() override {
        CodecTest::SetUp();
        profile.list = 2;
        profile.type = 0x04;
        profile.order = 1;
        profile.ch.entrySize = 64;
        profile.Apply();
        WORD number = 0;
        for (int m = 1; m <= 5; ++m) {
            const std::uint32_t key = AddCableMux(db, m, static_cast<DWORD>(306000 + 8000 * m));
            db.Get<CableMux_Info_Tag>(kTableCableMux, key)->SymbolRate = 6900;
            for (char which : {'a', 'b'})
                AddChannel(which == 'a' ? 1 : 4, m, "M" + std::to_string(m) + which, ++number);
        }
        g_nMaxTPID = 5;
    }

    std::vector<int> MuxIds() {
        std::vector<int> out;
        for (const auto& m : db.Rows<CableMux_Info_Tag>(kTableCableMux))
            out.push_back(m.TPID);
        return out;
    }
    std::uint32_t MuxKey(int id) {
        return KeyOf<CableMux_Info_Tag>(kTableCableMux, [&](auto& m) { return m.TPID == id; });
    }
};

TEST_F(CableMuxCommands, DeletingMultiplexThreeOfFiveMovesFourAndFiveDown) {
    const std::uint32_t keys[] = {MuxKey(3)};
    EXPECT_EQ(DeleteCableMuxes(db, keys), 1);
    EXPECT_EQ(MuxIds(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(db.Get<CableMux_Info_Tag>(kTableCableMux, MuxKey(3))->Frequency, 338000u);
    // Channels of any satellite ID follow their multiplex.
    EXPECT_EQ(Channels(), (Refs{"M1a@1/1", "M1b@4/1", "M2a@1/2", "M2b@4/2", "M4a@1/3", "M4b@4/3",
                                "M5a@1/4", "M5b@4/4"}));
    SaveAndReload(profile);
    EXPECT_EQ(MuxIds(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Channels(false),
              (Refs{"M1a@1", "M1b@1", "M2a@2", "M2b@2", "M4a@3", "M4b@3", "M5a@4", "M5b@4"}));
}

TEST_F(CableMuxCommands, NewMultiplexTakesTheCounterPlusOneNeverZeroNorAnIdInUse) {
    DWORD counter = 5;
    CableMux_Info_Tag dialog{};
    dialog.Frequency = 474000;
    dialog.TPID = 99;
    const auto* m = db.Get<CableMux_Info_Tag>(kTableCableMux, NewCableMux(db, dialog, counter));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ((std::array<DWORD, 3>{m->TPID, m->Frequency, counter}),
              (std::array<DWORD, 3>{6, 474000, 6}));
    // Only the counter's low byte counts; 255 would give 0, the empty-slot
    // mark: the lowest free ID instead.
    EXPECT_EQ((std::array<int, 2>{NextCableMuxID(db, 0x107), NextCableMuxID(db, 255)}),
              (std::array{8, 7}));
    // After a delete the counter stays above every ID: no reuse.
    const std::uint32_t keys[] = {MuxKey(2)};
    DeleteCableMuxes(db, keys); // IDs now 1-5
    EXPECT_EQ(NextCableMuxID(db, counter), 7);
    // A counter fallen behind the table names 2, which is taken: the lowest free again.
    counter = 1;
    EXPECT_EQ(db.Get<CableMux_Info_Tag>(kTableCableMux, NewCableMux(db, {}, counter))->TPID, 6);
    EXPECT_EQ(counter, 2u);
}

TEST_F(CableMuxCommands, UpdateKeepsTheKey) {
    const std::uint32_t key = MuxKey(4);
    CableMux_Info_Tag dialog = *db.Get<CableMux_Info_Tag>(kTableCableMux, key);
    dialog.Index = 1;
    dialog.Modulation = 0x0D;
    dialog.Tail[127] = 9;
    EXPECT_TRUE(UpdateCableMux(db, key, dialog));
    const auto* m = db.Get<CableMux_Info_Tag>(kTableCableMux, key);
    EXPECT_EQ((std::array<DWORD, 3>{m->Index, m->Modulation, m->Tail[127]}),
              (std::array<DWORD, 3>{key, 0x0D, 9}));
    EXPECT_EQ(db.Get<CableMux_Info_Tag>(kTableCableMux, 1)->TPID, 1);
}

// ---- Broadcasters -------------------------------------------------------------------

// The satellites' fixture: broadcasters beside satellites and channels.
class BroadcastCommands : public SatelliteCommands {};

TEST_F(BroadcastCommands, NewTakesOneAboveTheLastRowAndCutsTheNameAt16) {
    EXPECT_EQ(LastBroadcastID(db), 0);
    const std::uint32_t first = NewBroadcast(db, LastBroadcastID(db), "Canal");
    EXPECT_EQ(db.Get<Broadcast_Info_Tag>(kTableBroadcast, first)->BroadcastID, 1);
    // The grid sorted by a header click: its last row shows ID 1 although 7 exists.
    AddBroadcast(db, 7);
    EXPECT_EQ(LastBroadcastID(db), 7);
    const std::uint32_t key = NewBroadcast(db, 1, "ABCDEFGHIJKLMNOPQRSTU");
    const auto* b = db.Get<Broadcast_Info_Tag>(kTableBroadcast, key);
    EXPECT_EQ(std::to_string(b->BroadcastID) + " " + b->Name, "2 ABCDEFGHIJKLMNOP");
    EXPECT_EQ(b->Index, key);
}

TEST_F(BroadcastCommands, RenameDeleteAndDescription) {
    const std::uint32_t key = NewBroadcast(db, 41, "Old name");
    EXPECT_EQ(BroadcastDescriptionText(db, key), "Broadcast Name : Old name (ID : 42)");
    EXPECT_TRUE(RenameBroadcast(db, key, "A name of exactly16"));
    EXPECT_EQ(BroadcastDescriptionText(db, key), "Broadcast Name : A name of exactl (ID : 42)");
    EXPECT_FALSE(RenameBroadcast(db, key + 1, "x"));
    EXPECT_EQ(BroadcastDescriptionText(db, key + 1), "");
    const std::uint32_t keys[] = {key, key + 5};
    EXPECT_EQ(DeleteBroadcasts(db, keys), 1);
    EXPECT_EQ(db.Size(kTableBroadcast), 0u);
}

TEST_F(BroadcastCommands, ChannelsOfADeletedBroadcasterKeepItsIdThroughASave) {
    const std::uint32_t key = NewBroadcast(db, 0, "Gone");
    NewBroadcast(db, 1, "Stays");
    for (auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        c.BroadcastID = c.SatID == 2 ? 1 : 2;
    const auto before = Channels();
    const std::uint32_t keys[] = {key};
    EXPECT_EQ(DeleteBroadcasts(db, keys), 1);
    SaveAndReload();
    EXPECT_EQ(Channels(), before);
    ASSERT_EQ(db.Size(kTableBroadcast), 1u);
    int orphans = 0;
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        orphans += c.BroadcastID == 1 ? 1 : 0;
    EXPECT_EQ(orphans, 6);
}

} // namespace
