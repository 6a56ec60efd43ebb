// The table store's contract: insertion order, keyed and keyless Add,
// ownership, and iteration that survives deleting the current row.
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Row {
    std::uint32_t Index;
    int value;
};

RecordPtr<Row> MakeRow(int value) {
    auto row = NewRecord<Row>();
    row->value = value;
    return row;
}

std::vector<int> Values(const CZorvDB& db, std::uint8_t table) {
    std::vector<int> out;
    for (auto* r = db.NextAs<Row>(table, 0); r; r = db.NextAs<Row>(table, r->Index))
        out.push_back(r->value);
    return out;
}

} // namespace

TEST(ZorvDB, KeyedAddKeepsInsertionOrderNotKeyOrder) {
    CZorvDB db;
    for (std::uint32_t key : {30u, 10u, 20u}) {
        auto row = MakeRow(static_cast<int>(key));
        row->Index = key;
        EXPECT_EQ(db.Add(kTableChannel, key, std::move(row)), 1);
    }
    EXPECT_EQ(Values(db, kTableChannel), (std::vector<int>{30, 10, 20}));
    EXPECT_EQ(db.Size(kTableChannel), 3u);
    EXPECT_EQ(db.Size(kTableSatellite), 0u) << "tables are independent";
    ASSERT_NE(db.Get<Row>(kTableChannel, 10), nullptr);
    EXPECT_EQ(db.Get<Row>(kTableChannel, 10)->value, 10);
    EXPECT_EQ(db.GetRow(kTableChannel, 11), nullptr);
}

TEST(ZorvDB, KeyedAddRefusesKeyZeroDuplicatesAndBadTables) {
    CZorvDB db;
    EXPECT_EQ(db.Add(kTableChannel, 0, MakeRow(1)), 0);
    EXPECT_EQ(db.Add(kTableChannel, 5, MakeRow(1)), 1);
    EXPECT_EQ(db.Add(kTableChannel, 5, MakeRow(2)), 0);
    EXPECT_EQ(db.Get<Row>(kTableChannel, 5)->value, 1) << "the first row stays";
    EXPECT_EQ(db.Add(8, 1, MakeRow(3)), 0);
    EXPECT_EQ(db.Add(kTableChannel, 6, nullptr), 0);
    EXPECT_EQ(db.Size(kTableChannel), 1u);
}

TEST(ZorvDB, KeylessAddReturnsFreshKeysAfterTheHighest) {
    CZorvDB db;
    auto first = MakeRow(7);
    first->Index = 7;
    db.Add(kTableBroadcast, 7, std::move(first));
    const int k1 = db.AddIndexed(kTableBroadcast, MakeRow(100));
    const int k2 = db.AddIndexed(kTableBroadcast, MakeRow(101));
    EXPECT_EQ(k1, 8);
    EXPECT_EQ(k2, 9);
    EXPECT_EQ(db.Get<Row>(kTableBroadcast, 8)->Index, 8u) << "AddIndexed writes the key back";
    // Deleting the highest key must not hand it out again while 9 lives.
    db.Delete(kTableBroadcast, 8);
    EXPECT_EQ(db.AddIndexed(kTableBroadcast, MakeRow(102)), 10);
    EXPECT_EQ(Values(db, kTableBroadcast), (std::vector<int>{7, 101, 102}));
}

TEST(ZorvDB, NextWalksFromZeroAndStopsAfterTheLast) {
    CZorvDB db;
    EXPECT_EQ(db.Next(kTableSatellite, 0), nullptr) << "empty table";
    db.Add(kTableSatellite, 4, MakeRow(4));
    db.Add(kTableSatellite, 2, MakeRow(2));
    EXPECT_EQ(db.NextAs<Row>(kTableSatellite, 0)->value, 4);
    EXPECT_EQ(db.NextAs<Row>(kTableSatellite, 4)->value, 2);
    EXPECT_EQ(db.Next(kTableSatellite, 2), nullptr);
    EXPECT_EQ(db.Next(kTableSatellite, 99), nullptr) << "unknown key";
}

TEST(ZorvDB, DeleteWhileIteratingContinuesFromTheLastKeptKey) {
    CZorvDB db;
    for (std::uint32_t k = 1; k <= 6; ++k) {
        auto row = MakeRow(static_cast<int>(k));
        row->Index = k;
        db.Add(kTableChannel, k, std::move(row));
    }
    // Drop the even rows with the documented idiom.
    std::uint32_t kept = 0;
    for (auto* r = db.NextAs<Row>(kTableChannel, 0); r; r = db.NextAs<Row>(kTableChannel, kept)) {
        if (r->value % 2 == 0)
            db.Delete(kTableChannel, r->Index);
        else
            kept = r->Index;
    }
    EXPECT_EQ(Values(db, kTableChannel), (std::vector<int>{1, 3, 5}));
    // First row deleted (kept still 0) also works.
    db.Delete(kTableChannel, 1);
    EXPECT_EQ(db.NextAs<Row>(kTableChannel, 0)->value, 3);
    EXPECT_EQ(db.Delete(kTableChannel, 1), 0) << "gone already";
}

TEST(ZorvDB, ReaddingInNewOrderReordersAndClearFreesRows) {
    CZorvDB db;
    for (int v : {1, 2, 3}) {
        auto row = MakeRow(v);
        const int key = db.AddIndexed(kTableChannel, std::move(row));
        ASSERT_GT(key, 0);
    }
    // Reorder the way the channel lists do: copy rows out, clear, add back reversed.
    std::vector<Row> copies;
    for (auto* r = db.NextAs<Row>(kTableChannel, 0); r; r = db.NextAs<Row>(kTableChannel, r->Index))
        copies.push_back(*r);
    db.Clear(kTableChannel);
    EXPECT_EQ(db.Size(kTableChannel), 0u);
    for (auto it = copies.rbegin(); it != copies.rend(); ++it)
        db.Add(kTableChannel, it->Index, CopyRecord(*it));
    EXPECT_EQ(Values(db, kTableChannel), (std::vector<int>{3, 2, 1}));
    db.ClearAll();
    for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
        EXPECT_EQ(db.Size(t), 0u);
}

TEST(ZorvDB, RecordsAreZeroFilledAndTheOneStoreIsShared) {
    auto channel = NewRecord<Channel_Info_Tag>();
    const auto* bytes = reinterpret_cast<const unsigned char*>(channel.get());
    for (std::size_t i = 0; i < sizeof(Channel_Info_Tag); ++i)
        ASSERT_EQ(bytes[i], 0) << "byte " << i;
    EXPECT_EQ(&TheZorvDB(), &TheZorvDB());
}

TEST(ZorvDB, FiveThousandRowReorderStaysFast) {
    // Not a timing test: quadratic Next/Delete would take minutes here, not
    // milliseconds, so this guards the complexity without a clock.
    CZorvDB db;
    constexpr int kRows = 50000;
    for (int i = 0; i < kRows; ++i)
        db.AddIndexed(kTableChannel, MakeRow(i));
    std::uint32_t kept = 0;
    int visited = 0;
    for (auto* r = db.NextAs<Row>(kTableChannel, 0); r; r = db.NextAs<Row>(kTableChannel, kept)) {
        ++visited;
        if (r->value % 3 == 0)
            db.Delete(kTableChannel, r->Index);
        else
            kept = r->Index;
    }
    EXPECT_EQ(visited, kRows);
    EXPECT_EQ(db.Size(kTableChannel), static_cast<std::uint32_t>(kRows - (kRows + 2) / 3));
}

TEST(ZorvDB, SwapExchangesRowsKeysOrderAndFreshKeys) {
    CZorvDB a, b;
    for (std::uint32_t key : {9u, 3u})
        a.Add(kTableChannel, key, MakeRow(static_cast<int>(key)));
    a.Delete(kTableChannel, 9);
    a.AddIndexed(kTableSatellite, MakeRow(1));
    b.Add(kTableChannel, 1, MakeRow(100));

    a.Swap(b);
    EXPECT_EQ(Values(a, kTableChannel), (std::vector<int>{100}));
    EXPECT_EQ(a.Size(kTableSatellite), 0u);
    EXPECT_EQ(Values(b, kTableChannel), (std::vector<int>{3}));
    EXPECT_EQ(b.Size(kTableSatellite), 1u);
    EXPECT_EQ(b.Get<Row>(kTableChannel, 3)->value, 3) << "lookup by key follows the rows";
    EXPECT_EQ(b.Next(kTableChannel, 3), nullptr);
    // The highest key handed out travels too: 9 was deleted, 10 comes next.
    EXPECT_EQ(b.AddIndexed(kTableChannel, MakeRow(4)), 10);
    EXPECT_EQ(a.AddIndexed(kTableChannel, MakeRow(101)), 2);
}
