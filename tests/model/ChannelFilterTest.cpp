// The channel lists' filters: which channels each kind lets through on each
// receiver family, and what a change of filter carries over.
#include "model/ChannelFilter.h"
#include "contracts/ZorvDB.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <utility>

using namespace velmar::test;

namespace {

class Filter : public ::testing::Test {
protected:
    void TearDown() override { db.ClearAll(); }

    // A channel named `name`: TV unless radio, on (sat, tpid), broadcaster,
    // favourite mask and genre.
    void Channel(const char* name, BYTE sat, BYTE tpid, WORD broadcast = 0, DWORD favorite = 0,
                 int genre = 0, bool radio = false) {
        Channel_Info_Tag c = Ch{name}.On(sat, tpid).Provider(broadcast).Record();
        c.Attributes = static_cast<WORD>((radio ? kAttrRadio : kAttrTV) | genre);
        c.Favorite = favorite;
        AddChannel(db, c);
    }
    // The names that pass, in table order.
    std::string Shown(const ChannelFilter& f, std::uint32_t type,
                      ChannelKind kind = ChannelKind::TV) {
        std::string out;
        for (const Channel_Info_Tag* c : FilteredChannels(db, f, kind, type))
            out += std::string(out.empty() ? "" : " ") + c->Name;
        return out;
    }

    CZorvDB db;
};

} // namespace

TEST_F(Filter, AllListsEveryChannelOfTheKindOnlySatelliteMatchesTheRecordsIdNotItsKey) {
    AddSatellite(db, 5); // key 1
    const std::uint32_t second = AddSatellite(db, 2);
    Channel("on5", 5, 1);
    Channel("on2", 2, 1);
    Channel("r", 2, 1, 0, 0, 0, true);
    Channel("on1", 1, 1);
    EXPECT_EQ(ChannelFilter::All().kind, ChannelFilterKind::All);
    EXPECT_EQ(Shown(ChannelFilter::All(), 0x01), "on5 on2 on1");
    EXPECT_EQ(Shown(ChannelFilter::All(), 0x01, ChannelKind::Radio), "r");
    const ChannelFilter f = ChannelFilter::BySatellite(db, second);
    EXPECT_EQ(f.satellite, 2);
    EXPECT_EQ(Shown(f, 0x01), "on2");
    EXPECT_EQ(Shown(ChannelFilter::BySatellite(db, 1), 0x01), "on5");
    // A key no record has: satellite 0, which lists every channel ...
    const ChannelFilter none = ChannelFilter::BySatellite(db, 99);
    EXPECT_EQ(none.satellite, 0);
    EXPECT_EQ(Shown(none, 0x01), "on5 on2 on1");
    // ... except the terrestrial ones on a satellite-and-terrestrial product.
    EXPECT_EQ(Shown(none, 0x03), "on5 on2");
}

TEST_F(Filter, TransponderOnSatelliteProductsMatchesSatelliteAndTpidAndCarriesTheSatelliteOn) {
    const std::uint32_t tp = AddTransponder(db, 2, 3);
    Channel("hit", 2, 3);
    Channel("otherSat", 1, 3);
    Channel("otherTp", 2, 4);
    ChannelFilter f = ChannelFilter::ByTransponder(ChannelFilter::BySatellite(db, 0), tp);
    EXPECT_EQ(f.kind, ChannelFilterKind::Transponder);
    EXPECT_EQ(Shown(f, 0x01), "hit");
    EXPECT_EQ(Shown(ChannelFilter::ByTransponder({}, 77), 0x01), "hit otherSat otherTp")
        << "an unknown transponder filters nothing out";
    // The satellite value is carried on.
    ChannelFilter sat;
    sat.kind = ChannelFilterKind::Satellite;
    sat.satellite = 4;
    f = ChannelFilter::ByTransponder(sat, 9);
    EXPECT_EQ(std::tuple(f.satellite, f.transponder, f.broadcast), std::tuple(4, 9u, 0u));
}

TEST_F(Filter, MuxOnTerrestrialOnlyComparesTheTpidItself) {
    Channel("m3", 1, 3);
    Channel("m4", 1, 4);
    const ChannelFilter f = ChannelFilter::ByMux(3);
    EXPECT_EQ(f.satellite, 1);
    EXPECT_EQ(Shown(f, 0x02), "m3");
    EXPECT_EQ(Shown(ChannelFilter::ByTransponder({}, 4), 0x12), "m4");
}

TEST_F(Filter, MuxOnCableOnlyLooksUpTheCableMultiplex) {
    AddCableMux(db, 7);                           // key 1
    const std::uint32_t key = AddCableMux(db, 9); // key 2
    Channel("c7", 0, 7);
    Channel("c9", 0, 9);
    EXPECT_EQ(Shown(ChannelFilter::ByMux(key), 0x04), "c9");
    EXPECT_EQ(Shown(ChannelFilter::ByMux(1), 0x14), "c7");
    EXPECT_EQ(Shown(ChannelFilter::ByMux(55), 0x04), "c7 c9") << "unknown multiplex";
}

TEST_F(Filter, MuxOnSatelliteAndTerrestrialShowsOnlyThePseudoSatellite) {
    const std::uint32_t ter = AddTransponder(db, 1, 2);
    AddTransponder(db, 3, 2);
    Channel("ter", 1, 2);
    Channel("sat", 3, 2);
    Channel("terOther", 1, 5);
    EXPECT_EQ(Shown(ChannelFilter::ByMux(ter), 0x03), "ter");
    // The Terrestrial tab sends key 0: every terrestrial channel.
    EXPECT_EQ(Shown(ChannelFilter::ByMux(0), 0x03), "ter terOther");
    // A satellite choice leaves the terrestrial channels out.
    AddSatellite(db, 3);
    EXPECT_EQ(Shown(ChannelFilter::BySatellite(db, 1), 0x03), "sat");
}

TEST_F(Filter, BroadcastMatchesTheRecordsBroadcastId) {
    AddBroadcast(db, 40);
    const std::uint32_t key = AddBroadcast(db, 41);
    Channel("b40", 2, 1, 40);
    Channel("b41", 2, 1, 41);
    EXPECT_EQ(Shown(ChannelFilter::ByBroadcast({}, key, 0x01), 0x01), "b41");
    EXPECT_EQ(Shown(ChannelFilter::ByBroadcast({}, 99, 0x01), 0x01), "b40 b41");
}

TEST_F(Filter, TheTerrestrialSourceSurvivesOnlyOnTerrestrialProducts) {
    const ChannelFilter terrestrial = ChannelFilter::ByMux(0);
    EXPECT_EQ(ChannelFilter::ByBroadcast(terrestrial, 1, 0x03).satellite, 1);
    EXPECT_EQ(ChannelFilter::ByBroadcast(terrestrial, 1, 0x01).satellite, 0);
    ChannelFilter sat;
    sat.satellite = 4;
    EXPECT_EQ(ChannelFilter::ByBroadcast(sat, 1, 0x03).satellite, 0);
    EXPECT_EQ(ChannelFilter::ByFavoriteOrGenre(terrestrial, 0, 2, 0x02).satellite, 1);
    EXPECT_EQ(ChannelFilter::ByFavoriteOrGenre(terrestrial, 1, 2, 0x04).satellite, 0);
    // On a satellite-and-terrestrial product a broadcaster choice made with
    // the terrestrial source chosen keeps to it: the kind is not 1 or 3, so
    // the source is no longer a test.
    AddBroadcast(db, 5);
    Channel("ter", 1, 1, 5);
    Channel("sat", 2, 1, 5);
    EXPECT_EQ(Shown(ChannelFilter::ByBroadcast(terrestrial, 1, 0x03), 0x03), "ter sat");
}

TEST_F(Filter, FavoriteListsAndGenres) {
    Channel("f1", 1, 1, 0, 0x1);
    Channel("f2", 1, 1, 0, 0x2, 4);
    Channel("f12", 1, 1, 0, 0x3, 4);
    Channel("f32", 1, 1, 0, 0x80000000u);
    Channel("g12", 1, 1, 0, 0, 12);
    const ChannelFilter list2 = ChannelFilter::ByFavoriteOrGenre({}, 0, 1, 0x01);
    EXPECT_EQ(list2.kind, ChannelFilterKind::Favorite);
    EXPECT_TRUE(list2.IsFavoriteMode());
    EXPECT_EQ(std::pair(list2.favorite, list2.FavoriteIndex()), std::pair(2, 1));
    EXPECT_EQ(Shown(list2, 0x01), "f2 f12");
    EXPECT_EQ(Shown(ChannelFilter::ByFavoriteOrGenre({}, 0, 31, 0x01), 0x01), "f32");
    ChannelFilter zero;
    zero.kind = ChannelFilterKind::Favorite;
    EXPECT_EQ(Shown(zero, 0x01), "f1 f2 f12 f32 g12") << "favourite number 0 matches every channel";
    EXPECT_TRUE(!zero.IsFavoriteMode() && zero.FavoriteIndex() == -1);
    EXPECT_EQ(Shown(ChannelFilter::ByFavoriteOrGenre({}, 0, 40, 0x01), 0x01), "")
        << "channels carry lists 1 to 32 only";

    const ChannelFilter genre = ChannelFilter::ByFavoriteOrGenre(list2, 1, 4, 0x01);
    EXPECT_EQ(genre.kind, ChannelFilterKind::Genre);
    EXPECT_TRUE(genre.IsGenreMode());
    EXPECT_EQ(genre.favorite, 0);
    EXPECT_EQ(Shown(genre, 0x01), "f2 f12");
    EXPECT_EQ(Shown(ChannelFilter::ByFavoriteOrGenre({}, 1, 0, 0x01), 0x01), "f1 f32");
    EXPECT_EQ(Shown(ChannelFilter::ByFavoriteOrGenre({}, 1, 12, 0x01), 0x01), "g12")
        << "all four genre bits";
}

TEST_F(Filter, SortColumnFollowsFavoriteModeAndProduct) {
    const ChannelFilter list = ChannelFilter::ByFavoriteOrGenre({}, 0, 0, 0x01);
    // No positions on product type 0x01.
    EXPECT_EQ((std::array{list.SortColumn(0x01), list.SortColumn(0x11), list.SortColumn(0x49),
                          ChannelFilter::All().SortColumn(0x49),
                          ChannelFilter::ByFavoriteOrGenre({}, 1, 3, 0x49).SortColumn(0x49)}),
              (std::array{kChannelColumnNumber, kChannelColumnFavorite, kChannelColumnFavorite,
                          kChannelColumnNumber, kChannelColumnNumber}));
}
