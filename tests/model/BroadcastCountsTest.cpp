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

    const BroadcastCounts counts(db);
    EXPECT_EQ(counts.Of(5).tv, 3u);
    EXPECT_EQ(counts.Of(5).radio, 2u);
    EXPECT_EQ(counts.Of(7).tv, 1u);
    EXPECT_EQ(counts.Of(7).radio, 0u);
    EXPECT_EQ(counts.Of(0xFFFF).radio, 1u);
    EXPECT_EQ(counts.Of(6).tv + counts.Of(6).radio, 0u) << "an id no channel has";
    for (const WORD id : std::initializer_list<WORD>{5, 7, 6, 0xFFFF}) {
        const BroadcastCount one = CountBroadcastChannels(db, id);
        EXPECT_EQ(one.tv, counts.Of(id).tv) << id;
        EXPECT_EQ(one.radio, counts.Of(id).radio) << id;
    }
}
