// The words beside the channel lists' caption for each filter.
#include "model/ChannelFilterText.h"

#include "contracts/ZorvDB.h"
#include "model/SatelliteRecords.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace velmar::test;

namespace {

class FilterText : public ::testing::Test {
protected:
    void SetUp() override {
        AddSatellite(db, 19); // "Sat 19"
        tpKey = AddTransponder(db, 19, 4, 11494);
        // On the terrestrial network's pseudo-satellite, with parameters where
        // a frequency would be.
        muxKey = AddTransponder(db, 1, 7, 0x1234);
        broadcastKey = AddBroadcast(db, 300); // "Provider 300"
        auto f = NewRecord<FavoriteList>();
        std::strcpy(f->Name, "News");
        db.AddIndexed(kTableFavorite, std::move(f)); // list 1
    }
    ChannelFilterText Describe(const ChannelFilter& f, std::uint32_t type = 0x01) {
        return DescribeChannelFilter(db, f, type);
    }
    CZorvDB db;
    std::uint32_t tpKey = 0, muxKey = 0, broadcastKey = 0;
};

void Expect(const ChannelFilterText& t, const char* kind, const char* name) {
    EXPECT_EQ(t.kind, kind);
    EXPECT_EQ(t.name, name);
}

} // namespace

TEST_F(FilterText, EachKindNamesWhatWasChosen) {
    Expect(Describe(ChannelFilter::All()), "All", "");
    Expect(Describe(ChannelFilter::BySatellite(db, 1)), "Satellite", "Sat 19");
    Expect(Describe(ChannelFilter::BySatellite(db, 99)), "All", ""); // no such satellite
    Expect(Describe(ChannelFilter::ByTransponder({}, tpKey)), "Transponder", "11494 MHz");
    Expect(Describe(ChannelFilter::ByTransponder({}, 999)), "Transponder", "");
    Expect(Describe(ChannelFilter::ByBroadcast({}, broadcastKey, 1)), "Provider", "Provider 300");
    Expect(Describe(ChannelFilter::ByFavoriteOrGenre({}, 0, 0, 1)), "Favorite", "News");
    Expect(Describe(ChannelFilter::ByFavoriteOrGenre({}, 0, 5, 1)), "Favorite", "");
    Expect(Describe(ChannelFilter::ByFavoriteOrGenre({}, 1, 4, 1)), "Genre", "Sport");
}

TEST_F(FilterText, TerrestrialSourcesAndMultiplexes) {
    // Satellite and terrestrial: the tab, and a multiplex held as a transponder.
    Expect(Describe(ChannelFilter::ByMux(0), 0x03), "Terrestrial", "");
    Expect(Describe(ChannelFilter::ByMux(muxKey), 0x03), "Multiplex", "MUX 7");
    ChannelFilter terrestrialSource = ChannelFilter::BySatellite(db, 1);
    terrestrialSource.satellite = 1;
    Expect(Describe(terrestrialSource, 0x03), "Terrestrial", "");
    // Terrestrial only: the filter holds the TPID itself.
    Expect(Describe(ChannelFilter::ByTransponder({}, 12), 0x02), "Multiplex", "MUX 12");
}
