// The broadcaster grid's counts, from one walk of the channels.
#include "model/BroadcastCounts.h"

#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

using velmar::test::AddChannel;
using velmar::test::Ch;

TEST(BroadcastCounts, TVAndRadioPerBroadcastId) {
    CZorvDB db;
    // The genre does not matter; both bits count in both, neither nowhere;
    // 0xFFFF is the highest id.
    const std::pair<WORD, int> channels[] = {
        {5, kAttrTV}, {5, kAttrTV | 3},     {5, kAttrRadio}, {5, kAttrTV | kAttrRadio},
        {5, 0},       {0xFFFF, kAttrRadio}, {7, kAttrTV}};
    for (const auto& [id, attributes] : channels)
        AddChannel(db, Ch{}.Provider(id).Attr(static_cast<WORD>(attributes)));

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
