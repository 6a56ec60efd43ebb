// The channel block: entry layouts, trailer counts, sector capacity, the
// keep rule and the twin-tuner writer.
#include "tests/image/ImageBuilder.h"

#include <cstring>
#include <tuple>

using namespace velmar::test;

namespace {

constexpr int Z = 4096;
using Bytes = std::vector<BYTE>;
constexpr int kCh = 86 + 49152;

// A non-zero value in every stored field, each told apart from its neighbours.
Channel_Info_Tag Sample() {
    // In field order: Index, CAS, Favorite, ProgramNum, SatID, TPID, BroadcastID, ServiceID,
    // VideoPID, AudioPID, PCRPID, Attributes, NumOfAudio, NumOfSubTTX, Name, CodeTable, Tuner,
    // Record, LogicalNumber, F, ShowNum, ParentRate, StreamType, OrgNetID, NetworkID, TSID,
    // VolOffset, OrgMuxID, NetNameID, ServiceType.
    Channel_Info_Tag c{0,      0x1F,   0x105,  7,      3,      12,   0x0102,         0x0304,
                       0x0200, 0x0280, 0x0201, 0x0415, 2,      1,    "Das Erste HD", 4,
                       1,      9,      0x0A0B, {},     0x0C0D, 0x0E, 0x1B,           0x0F10,
                       0,      0x1112, 0x13,   0x14,   0x1516, 0};
    for (int k = 0; k < 32; ++k)
        c.F[k] = static_cast<WORD>(0x100 + k);
    return c;
}

class Channels : public CodecTest {
protected:
    void Add(const Channel_Info_Tag& c) { db.AddIndexed(kTableChannel, CopyRecord(c)); }
    std::vector<DWORD> Keys() { return db.Keys(kTableChannel); }
    // A compact list-7 entry in sector `sector`, slot `slot` of the block.
    static void Put(Image& img, int sector, int slot, const char* name, BYTE sat = 1) {
        const int at = 49152 + sector * Z + slot * 56;
        img.Put8(at + 6, sat);
        img.PutText(at + 22, name);
    }
    static void Counts(Image& img, int sector, WORD tv, WORD radio) {
        img.Put16(49152 + (sector + 1) * Z - 6, tv, 1);
        img.Put16(49152 + (sector + 1) * Z - 4, radio, 1);
    }
};

// Every field an entry form carries comes back from the file as it was
// saved, and every other field comes back zero: the sample holds a non-zero
// value in each, so a field read from the wrong offset cannot pass.
struct EntryForm {
    const char* name;
    Profile profile;
    void (*leftOut)(Channel_Info_Tag&); // the sample as the form brings it back
};

void Positions(Channel_Info_Tag& c, int kept) {
    for (int k = kept; k < kFavoritePositions; ++k)
        c.F[k] = 0;
}

// Fields only the memory and the spreadsheet know, and those no form has.
void NeverStored(Channel_Info_Tag& c) {
    c.NetworkID = c.ServiceType = 0;
}

void StandardLeavesOut(Channel_Info_Tag& c, int positions) {
    NeverStored(c);
    c.LogicalNumber = c.ShowNum = c.OrgNetID = c.TSID = c.NetNameID = 0;
    c.ParentRate = c.StreamType = c.VolOffset = c.OrgMuxID = 0;
    Positions(c, positions);
}

void CompactLeavesOut(Channel_Info_Tag& c) {
    NeverStored(c);
    c.Favorite &= 0xFF;
    c.Tuner = c.Record = c.ParentRate = c.VolOffset = c.OrgMuxID = 0;
    c.LogicalNumber = c.ShowNum = c.OrgNetID = c.TSID = c.NetNameID = 0;
    Positions(c, 8);
}

const EntryForm kForms[] = {
    {"standard_24", MakeProfile(1, 0x21, 1, 108),
     [](Channel_Info_Tag& c) { StandardLeavesOut(c, 24); }},
    {"standard_32", MakeProfile(64, 0x41, 0, 124),
     [](Channel_Info_Tag& c) { StandardLeavesOut(c, 32); }},
    {"compact_list7", MakeProfile(7, 0x11, 1, 72), CompactLeavesOut},
    {"compact_list8", MakeProfile(8, 0x11, 0, 72),
     [](Channel_Info_Tag& c) {
         const WORD shown = c.ShowNum;
         CompactLeavesOut(c);
         c.ShowNum = c.ProgramNum = shown; // read twice from the ShowNum word
     }},
    {"network_list9", MakeProfile(9, 0x12, 1, 80),
     [](Channel_Info_Tag& c) {
         NeverStored(c);
         c.Favorite &= 0xFF;
         c.SatID = 1; // the network entry carries no satellite
         c.Tuner = c.Record = 0;
         c.ShowNum = 0;
         Positions(c, 8);
     }},
    // The cable single block carries no multiplex and no broadcaster.
    {"single_block_list10", SmallSingleBlockProfile(1, 80),
     [](Channel_Info_Tag& c) {
         NeverStored(c);
         c.Favorite &= 0xFF;
         c.SatID = c.Tuner = c.Record = c.OrgMuxID = 0;
         c.ShowNum = c.NetNameID = 0;
         Positions(c, 8);
     }},
};

// Every field of the record but the name and the positions.
auto Fields(const Channel_Info_Tag& c) {
    return std::tuple(c.CAS, c.Favorite, c.ProgramNum, +c.SatID, +c.TPID, c.BroadcastID,
                      c.ServiceID, c.VideoPID, c.AudioPID, c.PCRPID, c.Attributes, +c.NumOfAudio,
                      +c.NumOfSubTTX, +c.CodeTable, +c.Tuner, +c.Record, c.LogicalNumber, c.ShowNum,
                      +c.ParentRate, +c.StreamType, c.OrgNetID, c.NetworkID, c.TSID, +c.VolOffset,
                      +c.OrgMuxID, c.NetNameID, +c.ServiceType);
}

class ChannelForms : public Channels, public ::testing::WithParamInterface<EntryForm> {};

} // namespace

TEST_P(ChannelForms, EveryCarriedFieldComesBackAndNoOther) {
    const EntryForm& form = GetParam();
    form.profile.Apply();
    Channel_Info_Tag c = Sample();
    c.NetworkID = 0x1718;
    c.ServiceType = 0x19;
    Add(c);
    ASSERT_TRUE(Reload(Save(Blank(form.profile))));
    const auto* back = db.Get<Channel_Info_Tag>(kTableChannel, 1);
    ASSERT_NE(back, nullptr);
    Channel_Info_Tag want = c;
    form.leftOut(want);
    EXPECT_EQ(Fields(*back), Fields(want));
    EXPECT_STREQ(back->Name, want.Name);
    for (int k = 0; k < kFavoritePositions; ++k)
        EXPECT_EQ(back->F[k], want.F[k]) << "F" << k;
}

INSTANTIATE_TEST_SUITE_P(Forms, ChannelForms, ::testing::ValuesIn(kForms),
                         [](const auto& param) { return std::string(param.param.name); });

namespace {

// Runs of an entry's bytes (from the block's start, so the first sector's
// trailer is at Z - 6) worked out by hand for Sample() in slot 0 and a radio
// copy of it in slot 1.
struct Layout {
    const char* name;
    Profile profile;
    std::vector<std::pair<int, Bytes>> runs;
};

Bytes Text(const std::string& s) {
    return {s.begin(), s.end()};
}

const Layout kLayouts[] = {
    // CAS, ProgramNum, SatID and TPID at 6, BroadcastID, ServiceID, VideoPID,
    // AudioPID, PCRPID, Attributes, NumOfAudio, NumOfSubTTX; the name at 22
    // (28 bytes, the last one zero); CodeTable, Favorite's low byte and
    // StreamType; TV count 1, radio count 1.
    {"compact_list7",
     Profile{},
     {{0, {0x1F, 0,    0,    0,    7,    0,    3,    12,   0x02, 0x01, 0x04,
           0x03, 0x00, 0x02, 0x80, 0x02, 0x01, 0x02, 0x15, 0x04, 2,    1}},
      {22, Text("Das Erste HD")},
      {34, Bytes(16)},
      {50, {4, 0x05, 0x1B, 0, 0, 0}},
      {Z - 6, {0, 1, 0, 1}}}},
    // ProgramNum, ShowNum, then SatID moves to 8.
    {"compact_list8", MakeProfile(8), {{4, {7, 0, 0x0D, 0x0C, 3}}}},
    // CAS, Favorite (order 1); the name's last byte, CodeTable, Tuner,
    // Record, F0 = 0x0100; F23 = 0x0117 ends the 30 + 28 + 48 bytes.
    {"standard_24",
     MakeProfile(1, 0x21, 1, 108),
     {{0, {0, 0, 0, 0x1F, 0, 0, 0x01, 0x05}}, {54, {0, 4, 1, 9, 0x01, 0x00}}, {104, {0x01, 0x17}}}},
    // Only bit 10 of the type: no favourite positions stored.
    {"standard_no_positions", MakeProfile(64, 0x11, 0, 64), {{58, Bytes(6)}}},
    // LogicalNumber, OrgNetID; TSID; Favorite's low byte, VolOffset, TPID,
    // ParentRate; StreamType and the name; OrgMuxID, NetNameID, F0; F7; one
    // trailer word with both counts.
    {"network_list9",
     MakeProfile(9, 0x12, 0, 80),
     {{6, {0x0B, 0x0A, 0x10, 0x0F}},
      {12, {0x12, 0x11}},
      {24, {0x05, 0x13, 12, 0x0E}},
      {31, {0x1B, 'D'}},
      {60, {0x14, 0x16, 0x15, 0x00, 0x01}},
      {77, {0x07, 0x01}},
      {Z - 6, {0, 0, 0, 2}}}},
};

class ChannelLayouts : public Channels, public ::testing::WithParamInterface<Layout> {};

} // namespace

TEST_P(ChannelLayouts, BytesAtTheirOffsets) {
    GetParam().profile.Apply();
    Add(Sample());
    Channel_Info_Tag radio = Sample();
    radio.Attributes = kAttrRadio;
    Add(radio);
    const auto out = Save(Blank(GetParam().profile));
    for (const auto& [at, bytes] : GetParam().runs)
        EXPECT_EQ(Slice(out, static_cast<std::size_t>(kCh + at), bytes.size()), bytes) << at;
}

INSTANTIATE_TEST_SUITE_P(Layouts, ChannelLayouts, ::testing::ValuesIn(kLayouts),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(Channels, CompactNameOfExactlyLIsCutAndStandardIsNot) {
    Channel_Info_Tag c = Sample();
    std::memset(c.Name, 0, sizeof c.Name);
    std::memset(c.Name, 'N', 28);
    Add(c);
    ASSERT_TRUE(Reload(Save(Blank())));
    EXPECT_EQ(std::strlen(db.Get<Channel_Info_Tag>(kTableChannel, 1)->Name), 27u);

    const Profile p = MakeProfile(1, 1, 0, 64);
    p.Apply();
    db.ClearAll();
    Add(c);
    const auto out = Save(Blank(p));
    EXPECT_EQ(Slice(out, kCh + 26 + 27, 2), (Bytes{'N', 0}));
    ASSERT_TRUE(Reload(out));
    EXPECT_EQ(std::strlen(db.Get<Channel_Info_Tag>(kTableChannel, 1)->Name), 28u);
}

TEST_F(Channels, SectorCapacityAndCounts) {
    // S = 56: floor((4096 - 50) / 56) = 72 a sector; the 74th row is neither
    // TV nor radio: counted with the radio rows, and kept.
    for (int i = 0; i < 74; ++i) {
        Channel_Info_Tag c = Sample();
        c.Attributes = i == 73 ? 0x0003 : i % 3 == 0 ? 0x0800 : 0x0400;
        c.ProgramNum = static_cast<WORD>(i + 1);
        Add(c);
    }
    const auto out = Save(Blank());
    EXPECT_EQ(Slice(out, kCh + Z - 6, 4), (Bytes{0, 48, 0, 24})) << "TV, radio count";
    EXPECT_EQ(Word(out, kCh + Z + 4, 0), 73) << "the 73rd starts sector 2";
    EXPECT_EQ(Slice(out, kCh + 2 * Z - 6, 4), (Bytes{0, 0, 0, 2})) << "73rd: i = 72 is radio";
    EXPECT_EQ(Slice(out, kCh + 72 * 56, Z - 6 - 72 * 56), std::vector<BYTE>(Z - 6 - 72 * 56))
        << "zero between the entries and the trailer";
    ASSERT_TRUE(Reload(out));
    EXPECT_EQ(db.Size(kTableChannel), 74u);
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 73)->ProgramNum, 73);
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 74)->Attributes, 0x0003);
}

TEST_F(Channels, TrailersEndTheBlockAndSlotsKeepTheirKeys) {
    Image img(Profile{}.FlashSize());
    // Sector 1: 3 TV + 5 radio; slot 2 has no name, slot 5 no satellite.
    Counts(img, 0, 3, 5);
    for (int j = 0; j < 9; ++j)
        Put(img, 0, j, j == 2 ? "" : "C", j == 5 ? 0 : 1);
    // Sector 2: two entries; sector 3 erased; sector 4 would have more.
    Counts(img, 1, 2, 0);
    Put(img, 1, 0, "D");
    Put(img, 1, 1, "E");
    Counts(img, 2, 0xFFFF, 0xFFFF);
    Counts(img, 3, 1, 0);
    Put(img, 3, 0, "F");
    ASSERT_EQ(Load(img.Bytes()), 1);
    EXPECT_EQ(Keys(), (std::vector<DWORD>{1, 2, 4, 5, 7, 8, 9, 10}));

    Counts(img, 0, 0, 0);
    ASSERT_TRUE(Reload(img.Bytes()));
    EXPECT_EQ(db.Size(kTableChannel), 0u) << "a zero trailer ends the block";

    Counts(img, 0, 0x7000, 0); // more than fit: clamped, not read past the sector
    ASSERT_TRUE(Reload(img.Bytes()));
    EXPECT_EQ(db.Size(kTableChannel), 9u) << "slots 0-8 minus the two empty ones, then D and E";

    // One erased count reads the whole sector and goes on.
    db.ClearAll();
    img = Image(Profile{}.FlashSize());
    // Sector 1: TV count 2, radio count erased; entries in slots 0, 1 and 70.
    Counts(img, 0, 2, 0xFFFF);
    Put(img, 0, 0, "A");
    Put(img, 0, 1, "B");
    Put(img, 0, 70, "C");
    // Sector 2: TV count erased, radio count 1.
    Counts(img, 1, 0xFFFF, 1);
    Put(img, 1, 0, "D");
    // Sector 3: both erased ends the block; sector 4 is not read.
    Counts(img, 2, 0xFFFF, 0xFFFF);
    Counts(img, 3, 1, 0);
    Put(img, 3, 0, "E");
    ASSERT_EQ(Load(img.Bytes()), 1);
    std::vector<std::string> names;
    for (const DWORD key : Keys())
        names.emplace_back(db.Get<Channel_Info_Tag>(kTableChannel, key)->Name);
    // (4096 - 6) / 56 = 73 slots a sector are read.
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(Keys(), (std::vector<DWORD>{1, 2, 71, 74}));
}

TEST_F(Channels, TwinTunerWriterStoresEachChannelOncePerTuner) {
    const Profile p = MakeProfile(5, 0x04, 0, 64);
    p.Apply();
    Channel_Info_Tag c = Sample();
    c.Tuner = 7;
    Add(c);
    Channel_Info_Tag radio = Sample();
    radio.Attributes = 0x0800;
    std::strcpy(radio.Name, "Radio");
    Add(radio);
    const auto out = Save(Blank(p));
    // Tuner bytes of the TV pair, then the second copy's and the radio's names.
    EXPECT_EQ((Bytes{out[kCh + 28 + 28], out[kCh + 64 + 28 + 28], out[kCh + 64 + 26],
                     out[kCh + 128 + 26]}),
              (Bytes{0, 1, 'D', 'R'}));
    EXPECT_EQ(Slice(out, kCh + Z - 6, 4), (Bytes{0, 2, 0, 2})) << "TV, radio count";
    ASSERT_TRUE(Reload(out));
    ASSERT_EQ(db.Size(kTableChannel), 2u) << "the tuner-2 copies are dropped on this product";
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 1)->Tuner, 0);
    EXPECT_STREQ(db.Get<Channel_Info_Tag>(kTableChannel, 3)->Name, "Radio");
}

TEST_F(Channels, EmptyTableWritesZeroSectorsAndUnknownProductsFail) {
    auto base = Blank();
    std::fill(base.begin() + kCh, base.end(), BYTE{0xFF});
    auto out = Save(base);
    EXPECT_EQ(FirstNot(out, kCh, out.size() - kCh, 0), -1);
    ASSERT_EQ(Load(out), 1);
    EXPECT_EQ(db.Size(kTableChannel), 0u);

    MakeProfile(11).Apply();
    EXPECT_EQ(Load(out), 0) << "no layout for list 11: a clear failure, not an empty list";
    int ok = 1;
    Save(out, &ok);
    EXPECT_EQ(ok, 0);
}

TEST_F(Channels, TwinTunerCopiesFoldBackWhereBothWouldBeKept) {
    const Profile p = MakeProfile(5, 0x01, 0, 64); // the keep rule keeps either tuner's entries
    p.Apply();
    // 37 channels: 74 entries, 63 a sector, so the 32nd channel's copies
    // lie in slot 62 of the first sector and slot 0 of the second.
    for (int i = 0; i < 37; ++i) {
        Channel_Info_Tag c = Sample();
        c.ProgramNum = static_cast<WORD>(i + 1);
        Add(c);
    }
    auto out = Save(Blank(p));
    EXPECT_EQ(Slice(out, kCh + Z - 6, 2), (Bytes{0, 63}));
    EXPECT_EQ(Slice(out, kCh + 2 * Z - 6, 2), (Bytes{0, 11}));
    EXPECT_EQ((Bytes{out[kCh + 62 * 64 + 28 + 28], out[kCh + Z + 28 + 28]}), (Bytes{0, 1}));
    ASSERT_TRUE(Reload(out));
    ASSERT_EQ(db.Size(kTableChannel), 37u) << "one row per channel, not two";
    const std::vector<DWORD> keys = Keys();
    for (const DWORD key : keys)
        EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, key)->Tuner, 0);
    // The second copy's slot number is skipped; the pair across the sector
    // boundary (slots 63 and 64) folds too.
    EXPECT_EQ((std::vector<DWORD>{keys[0], keys[1], keys[31], keys[32]}),
              (std::vector<DWORD>{1, 3, 63, 65}));

    // (That a loaded image saves back byte for byte: RoundTrip's TwinTuner_List5_Sat.)

    // Entries that differ in anything but the tuner byte are two channels.
    out[kCh + 64 + 26] = 'X';
    ASSERT_TRUE(Reload(out));
    EXPECT_EQ(db.Size(kTableChannel), 38u);
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 2)->Tuner, 1);
}
