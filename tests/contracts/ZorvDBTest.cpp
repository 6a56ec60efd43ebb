// The table store's contract: insertion order, keyed and keyless Add,
// ownership, and iteration that survives deleting the current row.
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
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
// Channel rows under fresh keys, in the order given.
void AddRows(CZorvDB& db, std::initializer_list<int> values) {
    for (int v : values)
        db.AddIndexed(kTableChannel, MakeRow(v));
}
// A channel row under `key` that knows its key, as loaded rows do.
int AddKeyed(CZorvDB& db, std::uint32_t key, int value) {
    auto row = MakeRow(value);
    row->Index = key;
    return db.Add(kTableChannel, key, std::move(row));
}

std::vector<int> Values(const CZorvDB& db, std::uint8_t table = kTableChannel) {
    std::vector<int> out;
    for (auto* r = db.NextAs<Row>(table, 0); r; r = db.NextAs<Row>(table, r->Index))
        out.push_back(r->value);
    return out;
}

} // namespace

// Next, the typed range and Keys all walk in insertion order, not key order.
TEST(ZorvDB, KeyedAddKeepsInsertionOrderNotKeyOrder) {
    CZorvDB db;
    EXPECT_EQ(db.Next(kTableChannel, 0), nullptr) << "empty table";
    for (std::uint32_t key : {30u, 10u, 20u})
        EXPECT_EQ(AddKeyed(db, key, static_cast<int>(key)), 1);
    EXPECT_EQ(db.Size(kTableChannel), 3u);
    EXPECT_EQ(db.Size(kTableSatellite), 0u) << "tables are independent";
    EXPECT_EQ(db.Get<Row>(kTableChannel, 10)->value, 10);
    EXPECT_EQ(db.GetRow(kTableChannel, 11), nullptr);
    EXPECT_EQ(db.Next(kTableChannel, 20), nullptr) << "after the last";
    EXPECT_EQ(db.Next(kTableChannel, 99), nullptr) << "unknown key";
    std::vector<int> seen;
    for (Row& r : db.Rows<Row>(kTableChannel))
        seen.push_back(r.value++);
    EXPECT_EQ(seen, (std::vector<int>{30, 10, 20}));
    EXPECT_EQ(Values(db), (std::vector<int>{31, 11, 21})) << "written through";
    EXPECT_EQ(db.Keys(kTableChannel), (std::vector<std::uint32_t>{30, 10, 20}));
    EXPECT_TRUE(db.Rows<Row>(kTableSatellite).empty());
    EXPECT_TRUE(db.Rows<Row>(200).empty()) << "a bad table is an empty range";
    EXPECT_EQ(std::as_const(db).Rows<Row>(200).begin(), std::as_const(db).Rows<Row>(200).end());
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
    AddKeyed(db, 7, 7);
    EXPECT_EQ((std::array{db.AddIndexed(kTableChannel, MakeRow(100)),
                          db.AddIndexed(kTableChannel, MakeRow(101))}),
              (std::array{8, 9}));
    EXPECT_EQ(db.Get<Row>(kTableChannel, 8)->Index, 8u) << "AddIndexed writes the key back";
    // Deleting the highest key must not hand it out again while 9 lives.
    db.Delete(kTableChannel, 8);
    EXPECT_EQ(db.AddIndexed(kTableChannel, MakeRow(102)), 10);
    EXPECT_EQ(Values(db), (std::vector<int>{7, 101, 102}));
}

// The documented idiom, Next from the last kept key, neither skips nor
// revisits a row when the current one (the first one too) is deleted.
// Quadratic Next or Delete would take minutes over 50,000 rows, not
// milliseconds: this guards the complexity without a clock.
TEST(ZorvDB, DeleteWhileIteratingContinuesFromTheLastKeptKey) {
    CZorvDB db;
    constexpr int kRows = 50000;
    std::vector<int> odd;
    for (int i = 0; i < kRows; ++i) {
        db.AddIndexed(kTableChannel, MakeRow(i));
        if (i % 2)
            odd.push_back(i);
    }
    std::uint32_t kept = 0;
    int visited = 0;
    for (auto* r = db.NextAs<Row>(kTableChannel, 0); r; r = db.NextAs<Row>(kTableChannel, kept)) {
        ++visited;
        if (r->value % 2 == 0)
            db.Delete(kTableChannel, r->Index);
        else
            kept = r->Index;
    }
    EXPECT_EQ(visited, kRows);
    EXPECT_EQ(Values(db), odd);
    EXPECT_EQ(db.Delete(kTableChannel, 1), 0) << "gone already";
}

TEST(ZorvDB, ReaddingInNewOrderReordersAndClearFreesRows) {
    CZorvDB db;
    AddRows(db, {1, 2, 3});
    // Reorder the way the channel lists do: copy rows out, clear, add back reversed.
    std::vector<Row> copies;
    for (const Row& r : db.Rows<Row>(kTableChannel))
        copies.push_back(r);
    db.Clear(kTableChannel);
    EXPECT_EQ(db.Size(kTableChannel), 0u);
    for (auto it = copies.rbegin(); it != copies.rend(); ++it)
        db.Add(kTableChannel, it->Index, CopyRecord(*it));
    EXPECT_EQ(Values(db), (std::vector<int>{3, 2, 1}));
    db.AddIndexed(kTableSatellite, MakeRow(1));
    db.ClearAll();
    for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
        EXPECT_EQ(db.Size(t), 0u);
}

TEST(ZorvDB, RecordsAreZeroFilledAndKnowTheirSize) {
    auto channel = NewRecord<Channel_Info_Tag>();
    const auto* bytes = reinterpret_cast<const unsigned char*>(channel.get());
    EXPECT_TRUE(std::all_of(bytes, bytes + sizeof(Channel_Info_Tag), [](auto b) { return !b; }));
    CZorvDB db;
    db.AddIndexed(kTableChannel, std::move(channel));
    db.AddIndexed(kTableBroadcast, MakeRow(1));
    // No such row: 0.
    EXPECT_EQ((std::array{db.RowBytes(kTableChannel, 1), db.RowBytes(kTableBroadcast, 1),
                          db.RowBytes(kTableBroadcast, 2)}),
              (std::array{sizeof(Channel_Info_Tag), sizeof(Row), std::size_t{0}}));
    EXPECT_EQ(RecordBytes(nullptr), 0u);
}

TEST(ZorvDB, SwapExchangesRowsKeysOrderAndFreshKeys) {
    CZorvDB a, b;
    for (std::uint32_t key : {9u, 3u})
        AddKeyed(a, key, static_cast<int>(key));
    a.Delete(kTableChannel, 9);
    a.AddIndexed(kTableSatellite, MakeRow(1));
    b.Add(kTableChannel, 1, MakeRow(100));

    a.Swap(b);
    EXPECT_EQ(std::pair(Values(a), a.Size(kTableSatellite)), std::pair(std::vector{100}, 0u));
    EXPECT_EQ(std::pair(Values(b), b.Size(kTableSatellite)), std::pair(std::vector{3}, 1u));
    EXPECT_EQ(b.Get<Row>(kTableChannel, 3)->value, 3) << "lookup by key follows the rows";
    EXPECT_EQ(b.Next(kTableChannel, 3), nullptr);
    // The highest key handed out travels too: 9 was deleted, 10 comes next.
    EXPECT_EQ(b.AddIndexed(kTableChannel, MakeRow(4)), 10);
    EXPECT_EQ(a.AddIndexed(kTableChannel, MakeRow(101)), 2);
}

// ---- Snapshots ---------------------------------------------------------------------------

TEST(ZorvDB, RestoreGivesBackKeysOrderBytesAndTheKeyCounter) {
    CZorvDB db;
    AddRows(db, {1, 2, 3, 4});
    db.Delete(kTableChannel, 4); // the counter stays at 4
    db.Delete(kTableChannel, 2);
    const CTableSnapshot before = db.Snapshot(kTableChannel);
    EXPECT_TRUE(before.IsValid());
    EXPECT_EQ((std::array<std::size_t, 2>{before.RowCount(), before.HighestKey()}),
              (std::array<std::size_t, 2>{2, 4}));

    // Renumber the table the way sorting does.
    db.Clear(kTableChannel);
    AddRows(db, {30, 10, 20});
    ASSERT_TRUE(db.Restore(before));
    EXPECT_EQ(db.Keys(kTableChannel), (std::vector<std::uint32_t>{1, 3}));
    EXPECT_EQ(Values(db), (std::vector<int>{1, 3}));
    EXPECT_EQ(db.Get<Row>(kTableChannel, 3)->Index, 3u);
    EXPECT_EQ(db.AddIndexed(kTableChannel, MakeRow(9)), 5) << "the counter came back too";
    EXPECT_EQ(db.Size(kTableSatellite), 0u) << "other tables untouched";

    EXPECT_FALSE(db.Restore(CTableSnapshot{})) << "an empty snapshot names no table";
    EXPECT_EQ(db.Size(kTableChannel), 3u);
}

TEST(ZorvDB, SnapshotsAgainstABasisShareUnchangedAndMovedRows) {
    CZorvDB db;
    for (int v = 0; v < 100; ++v) {
        auto c = NewRecord<Channel_Info_Tag>();
        c->ProgramNum = static_cast<WORD>(v);
        db.AddIndexed(kTableChannel, std::move(c));
    }
    const CTableSnapshot base = db.Snapshot(kTableChannel);
    const std::size_t row = sizeof(Channel_Info_Tag) + CTableSnapshot::kRowOverhead;
    EXPECT_EQ(base.FreshBytes(), 100 * row);

    const CTableSnapshot same = db.Snapshot(kTableChannel, base);
    EXPECT_EQ(same.FreshBytes(), 0u);
    EXPECT_TRUE(same.SameAs(base));

    db.Get<Channel_Info_Tag>(kTableChannel, 50)->SatID = 7;
    const CTableSnapshot one = db.Snapshot(kTableChannel, base);
    EXPECT_EQ(one.FreshBytes(), row) << "only the changed row is copied";
    EXPECT_FALSE(one.SameAs(base));

    // Reverse the table under new keys: every row is found again by content.
    std::vector<Channel_Info_Tag> copies;
    for (const auto& c : std::as_const(db).Rows<Channel_Info_Tag>(kTableChannel))
        copies.push_back(c);
    db.Clear(kTableChannel);
    for (auto it = copies.rbegin(); it != copies.rend(); ++it)
        db.AddIndexed(kTableChannel, CopyRecord(*it));
    const CTableSnapshot reversed = db.Snapshot(kTableChannel, one);
    EXPECT_EQ(reversed.FreshBytes(), 0u);
    EXPECT_FALSE(reversed.SameAs(one)) << "keys and order differ";
    ASSERT_TRUE(db.Restore(one));
    EXPECT_TRUE(db.Snapshot(kTableChannel).SameAs(one));
    const auto* restored = db.Get<Channel_Info_Tag>(kTableChannel, 50);
    EXPECT_EQ((std::array<int, 2>{restored->SatID, restored->ProgramNum}), (std::array{7, 49}));
}

// Snapshots of the same rows under other keys, or with another key counter,
// restore to a different table: SameAs must tell them apart.
TEST(ZorvDB, SnapshotsDifferingOnlyInKeysAreNotTheSame) {
    CZorvDB db;
    AddRows(db, {1, 2, 3});
    const CTableSnapshot three = db.Snapshot(kTableChannel);
    db.AddIndexed(kTableChannel, MakeRow(4));
    db.Delete(kTableChannel, 4); // the same rows, the counter at 4
    const CTableSnapshot counted = db.Snapshot(kTableChannel, three);
    EXPECT_FALSE(counted.SameAs(three)) << "the key counter differs";
    EXPECT_FALSE(three.SameAs(counted));
    db.Delete(kTableChannel, 3);
    db.Add(kTableChannel, 4, MakeRow(3)); // the last row under the next key
    const CTableSnapshot moved = db.Snapshot(kTableChannel, counted);
    EXPECT_EQ(moved.HighestKey(), counted.HighestKey());
    EXPECT_FALSE(moved.SameAs(counted)) << "a key differs";
    EXPECT_TRUE(moved.SameAs(db.Snapshot(kTableChannel)));
}

TEST(ZorvDB, KeyGenerationMarksKeysThatMayNameOtherRows) {
    CZorvDB db;
    AddRows(db, {1, 2});
    const auto g0 = db.KeyGeneration(kTableChannel);
    db.Get<Row>(kTableChannel, 1)->value = 5;
    db.Delete(kTableChannel, 2);
    db.AddIndexed(kTableChannel, MakeRow(3));
    EXPECT_EQ(db.KeyGeneration(kTableChannel), g0) << "edits, deletes and fresh keys keep keys";
    db.Add(kTableChannel, 2, MakeRow(4));
    const auto g1 = db.KeyGeneration(kTableChannel);
    EXPECT_NE(g1, g0) << "a key below the counter may be a reused one";
    db.Add(kTableChannel, 10, MakeRow(5));
    EXPECT_EQ(db.KeyGeneration(kTableChannel), g1) << "a key above the counter is new";
    db.Delete(kTableChannel, 10);
    db.Add(kTableChannel, 10, MakeRow(6));
    const auto g1b = db.KeyGeneration(kTableChannel);
    EXPECT_NE(g1b, g1) << "the counter's own key named the row deleted before";
    const auto other = db.KeyGeneration(kTableSatellite);
    db.Clear(kTableChannel);
    const auto g2 = db.KeyGeneration(kTableChannel);
    EXPECT_NE(g2, g1b);
    EXPECT_EQ(db.KeyGeneration(kTableSatellite), other);
    db.Restore(db.Snapshot(kTableChannel));
    EXPECT_NE(db.KeyGeneration(kTableChannel), g2);
}
