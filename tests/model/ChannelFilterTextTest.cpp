// The words beside the channel lists' caption for each filter.
#include "model/ChannelFilterText.h"

#include "contracts/ZorvDB.h"
#include "model/SatelliteRecords.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class FilterText : public ::testing::Test {
protected:
    void SetUp() override {
        auto sat = NewRecord<Satellite_Info_Tag>();
        sat->ID = 19;
        std::strcpy(sat->Name, "Astra 1");
        db.AddIndexed(kTableSatellite, std::move(sat));
        auto tp = NewRecord<Transponder_Info_Tag>();
        tp->SatID = 19;
        tp->TPID = 4;
        tp->Frequency = 11494;
        tpKey = static_cast<std::uint32_t>(db.AddIndexed(kTableTransponder, std::move(tp)));
        auto terrestrial = NewRecord<Transponder_Info_Tag>();
        terrestrial->SatID = 1; // the terrestrial network's pseudo-satellite
        terrestrial->TPID = 7;
        terrestrial->Frequency = 0x1234; // parameters, not a frequency
        muxKey =
            static_cast<std::uint32_t>(db.AddIndexed(kTableTransponder, std::move(terrestrial)));
        auto b = NewRecord<Broadcast_Info_Tag>();
        b->BroadcastID = 300;
        std::strcpy(b->Name, "ARD");
        broadcastKey = static_cast<std::uint32_t>(db.AddIndexed(kTableBroadcast, std::move(b)));
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
    Expect(Describe(ChannelFilter::BySatellite(db, 1)), "Satellite", "Astra 1");
    Expect(Describe(ChannelFilter::BySatellite(db, 99)), "All", ""); // no such satellite
    Expect(Describe(ChannelFilter::ByTransponder({}, tpKey)), "Transponder", "11494 MHz");
    Expect(Describe(ChannelFilter::ByTransponder({}, 999)), "Transponder", "");
    Expect(Describe(ChannelFilter::ByBroadcast({}, broadcastKey, 1)), "Provider", "ARD");
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
