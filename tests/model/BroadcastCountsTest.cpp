// The broadcaster grid's counts, from one walk of the channels.
#include "model/BroadcastCounts.h"

#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

using velmar::test::AddChannel;
using velmar::test::Ch;

TEST(BroadcastCounts, TVAndRadioPerBroadcastId) {
    CZorvDB db;
    auto add = [&](WORD broadcast, WORD attributes) {
        Ch c;
        c.broadcast = broadcast;
        c.attributes = attributes;
        AddChannel(db, c);
    };
    add(5, kAttrTV);
    add(5, kAttrTV | 3); // the genre does not matter
    add(5, kAttrRadio);
    add(5, kAttrTV | kAttrRadio); // both bits: counted in both
    add(5, 0);                    // neither: counted nowhere
    add(0xFFFF, kAttrRadio);      // the highest id
    add(7, kAttrTV);

    // TV and radio of each id, from the one walk and from a walk for the id
    // alone; 6 is an id no channel has.
    const BroadcastCounts counts(db);
    using TvRadio = std::pair<unsigned, unsigned>;
    const std::pair<WORD, TvRadio> expected[] = {
        {5, {3, 2}}, {7, {1, 0}}, {0xFFFF, {0, 1}}, {6, {0, 0}}};
    for (const auto& [id, tvRadio] : expected) {
        const BroadcastCount one = CountBroadcastChannels(db, id);
        EXPECT_EQ(TvRadio(counts.Of(id).tv, counts.Of(id).radio), tvRadio) << id;
        EXPECT_EQ(TvRadio(one.tv, one.radio), tvRadio) << id;
    }
}
