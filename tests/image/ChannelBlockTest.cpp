// The channel block: entry layouts, trailer counts, sector capacity, the
// keep rule and the twin-tuner writer.
#include "tests/image/ImageBuilder.h"

#include <cstring>

using namespace velmar::test;

namespace {

constexpr int Z = 4096;
constexpr int kCh = 86 + 49152;

Channel_Info_Tag Sample() {
    Channel_Info_Tag c{};
    c.CAS = 0x1F;
    c.Favorite = 0x105;
    c.ProgramNum = 7;
    c.SatID = 3;
    c.TPID = 12;
    c.BroadcastID = 0x0102;
    c.ServiceID = 0x0304;
    c.VideoPID = 0x0200;
    c.AudioPID = 0x0280;
    c.PCRPID = 0x0201;
    c.Attributes = 0x0415;
    c.NumOfAudio = 2;
    c.NumOfSubTTX = 1;
    std::strcpy(c.Name, "Das Erste HD");
    c.CodeTable = 4;
    c.Tuner = 1;
    c.Record = 9;
    c.LogicalNumber = 0x0A0B;
    for (int k = 0; k < 32; ++k)
        c.F[k] = static_cast<WORD>(0x100 + k);
    c.ShowNum = 0x0C0D;
    c.ParentRate = 0x0E;
    c.StreamType = 0x1B;
    c.OrgNetID = 0x0F10;
    c.TSID = 0x1112;
    c.VolOffset = 0x13;
    c.OrgMuxID = 0x14;
    c.NetNameID = 0x1516;
    return c;
}

class Channels : public CodecTest {
protected:
    std::vector<BYTE> Blank(const Profile& p) { return Image(p.FlashSize()).Bytes(); }
    void Add(const Channel_Info_Tag& c) { db.AddIndexed(kTableChannel, CopyRecord(c)); }
    std::vector<BYTE> Entry(const std::vector<BYTE>& out, int slot, int size) {
        const auto at = out.begin() + kCh + slot * size;
        return {at, at + size};
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

Profile FormProfile(int list, std::uint32_t type, int order, int entrySize) {
    Profile p;
    p.list = list;
    p.type = type;
    p.order = order;
    p.ch.entrySize = entrySize;
    if (list == 10) { // the cable single block: no multiplex, no broadcaster
        p.tp = {4096, 2, 16, 0};
        p.brd = {8192, 2, 20, 0};
        p.ch = {12288, 3, entrySize, 28};
    }
    return p;
}

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
    {"standard_24", FormProfile(1, 0x21, 1, 108),
     [](Channel_Info_Tag& c) { StandardLeavesOut(c, 24); }},
    {"standard_32", FormProfile(64, 0x41, 0, 124),
     [](Channel_Info_Tag& c) { StandardLeavesOut(c, 32); }},
    {"compact_list7", FormProfile(7, 0x11, 1, 72), CompactLeavesOut},
    {"compact_list8", FormProfile(8, 0x11, 0, 72),
     [](Channel_Info_Tag& c) {
         const WORD shown = c.ShowNum;
         CompactLeavesOut(c);
         c.ShowNum = c.ProgramNum = shown; // read twice from the ShowNum word
     }},
    {"network_list9", FormProfile(9, 0x12, 1, 80),
     [](Channel_Info_Tag& c) {
         NeverStored(c);
         c.Favorite &= 0xFF;
         c.SatID = 1; // the network entry carries no satellite
         c.Tuner = c.Record = 0;
         c.ShowNum = 0;
         Positions(c, 8);
     }},
    {"single_block_list10", FormProfile(10, 0x14, 1, 80),
     [](Channel_Info_Tag& c) {
         NeverStored(c);
         c.Favorite &= 0xFF;
         c.SatID = c.Tuner = c.Record = c.OrgMuxID = 0;
         c.ShowNum = c.NetNameID = 0;
         Positions(c, 8);
     }},
};

// Every field of the record but the name and the positions, by name.
std::vector<std::pair<const char*, DWORD>> Fields(const Channel_Info_Tag& c) {
    return {{"CAS", c.CAS},
            {"Favorite", c.Favorite},
            {"ProgramNum", c.ProgramNum},
            {"SatID", c.SatID},
            {"TPID", c.TPID},
            {"BroadcastID", c.BroadcastID},
            {"ServiceID", c.ServiceID},
            {"VideoPID", c.VideoPID},
            {"AudioPID", c.AudioPID},
            {"PCRPID", c.PCRPID},
            {"Attributes", c.Attributes},
            {"NumOfAudio", c.NumOfAudio},
            {"NumOfSubTTX", c.NumOfSubTTX},
            {"CodeTable", c.CodeTable},
            {"Tuner", c.Tuner},
            {"Record", c.Record},
            {"LogicalNumber", c.LogicalNumber},
            {"ShowNum", c.ShowNum},
            {"ParentRate", c.ParentRate},
            {"StreamType", c.StreamType},
            {"OrgNetID", c.OrgNetID},
            {"NetworkID", c.NetworkID},
            {"TSID", c.TSID},
            {"VolOffset", c.VolOffset},
            {"OrgMuxID", c.OrgMuxID},
            {"NetNameID", c.NetNameID},
            {"ServiceType", c.ServiceType}};
}

void PrintTo(const EntryForm& form, std::ostream* os) {
    *os << form.name;
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
    const auto out = Save(Blank(form.profile));
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    const auto* back = db.Get<Channel_Info_Tag>(kTableChannel, 1);
    ASSERT_NE(back, nullptr);
    Channel_Info_Tag want = c;
    form.leftOut(want);
    const auto got = Fields(*back), expected = Fields(want);
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i].second, expected[i].second) << got[i].first;
    EXPECT_STREQ(back->Name, want.Name);
    for (int k = 0; k < kFavoritePositions; ++k)
        EXPECT_EQ(back->F[k], want.F[k]) << "F" << k;
}

INSTANTIATE_TEST_SUITE_P(Forms, ChannelForms, ::testing::ValuesIn(kForms),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(Channels, CompactEntryOnList7) {
    Add(Sample());
    const auto out = Save(Blank(Profile{}));
    std::vector<BYTE> expect = {0x1F, 0,    0,    0, // CAS
                                7,    0,             // ProgramNum
                                3,    12,            // SatID, TPID at e = 6
                                0x02, 0x01, 0x04, 0x03, 0x00, 0x02,
                                0x80, 0x02, 0x01, 0x02, 0x15, 0x04, // Attributes
                                2,    1};                           // NumOfAudio, NumOfSubTTX
    const std::string name = "Das Erste HD";
    expect.insert(expect.end(), name.begin(), name.end());
    expect.resize(22 + 28, 0);                    // 28 name bytes, the last one zero
    expect.insert(expect.end(), {4, 0x05, 0x1B}); // CodeTable, Favorite low byte, StreamType
    expect.resize(56, 0);
    EXPECT_EQ(Entry(out, 0, 56), expect);
    EXPECT_EQ(Word(out, kCh + Z - 6, 1), 1) << "TV count";
    EXPECT_EQ(Word(out, kCh + Z - 4, 1), 0) << "radio count";

    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, 1);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Favorite, 0x05u) << "only lists 1 to 8";
    EXPECT_EQ(c->F[0], 0) << "no positions without type bit 0x10";
    EXPECT_EQ(c->Tuner, 0);
    EXPECT_EQ(c->LogicalNumber, 0) << "not carried";
    EXPECT_EQ(c->StreamType, 0x1B);
    EXPECT_STREQ(c->Name, "Das Erste HD");
}

TEST_F(Channels, CompactNameOfExactlyLIsCutAndStandardIsNot) {
    Channel_Info_Tag c = Sample();
    std::memset(c.Name, 0, sizeof c.Name);
    std::memset(c.Name, 'N', 28);
    Add(c);
    auto out = Save(Blank(Profile{}));
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    EXPECT_EQ(std::strlen(db.Get<Channel_Info_Tag>(kTableChannel, 1)->Name), 27u);

    Profile p;
    p.list = 1;
    p.ch.entrySize = 64;
    p.Apply();
    db.ClearAll();
    Add(c);
    out = Save(Blank(p));
    EXPECT_EQ(out[kCh + 26 + 27], 'N');
    EXPECT_EQ(out[kCh + 26 + 28], 0);
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    EXPECT_EQ(std::strlen(db.Get<Channel_Info_Tag>(kTableChannel, 1)->Name), 28u);
}

TEST_F(Channels, List8StoresShowNumAndReadsItTwice) {
    Profile p;
    p.list = 8;
    p.Apply();
    Channel_Info_Tag c = Sample();
    c.ProgramNum = 5;
    c.ShowNum = 7;
    Add(c);
    const auto out = Save(Blank(p));
    EXPECT_EQ(Word(out, kCh + 4, 0), 5);
    EXPECT_EQ(Word(out, kCh + 6, 0), 7);
    EXPECT_EQ(out[kCh + 8], 3) << "SatID moves to e = 8";
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    const auto* back = db.Get<Channel_Info_Tag>(kTableChannel, 1);
    EXPECT_EQ(back->ProgramNum, 7);
    EXPECT_EQ(back->ShowNum, 7);
}

TEST_F(Channels, StandardEntryWith24FavoritePositions) {
    Profile p;
    p.list = 1;
    p.type = 0x21;
    p.order = 1;
    p.ch.entrySize = 108; // 30 + 28 + 48
    p.Apply();
    Add(Sample());
    const auto out = Save(Blank(p));
    const auto e = Entry(out, 0, 108);
    EXPECT_EQ((std::vector<BYTE>(e.begin(), e.begin() + 8)),
              (std::vector<BYTE>{0, 0, 0, 0x1F, 0, 0, 0x01, 0x05})); // CAS, Favorite in order 1
    EXPECT_EQ(e[26 + 28], 0);
    EXPECT_EQ(e[27 + 28], 4); // CodeTable
    EXPECT_EQ(e[28 + 28], 1); // Tuner
    EXPECT_EQ(e[29 + 28], 9); // Record
    EXPECT_EQ(e[58], 0x01);   // F0 = 0x0100, order 1
    EXPECT_EQ(e[59], 0x00);
    EXPECT_EQ(e[58 + 46], 0x01); // F23 = 0x0117
    EXPECT_EQ(e[58 + 47], 0x17);
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, 1);
    EXPECT_EQ(c->F[23], 0x117);
    EXPECT_EQ(c->F[24], 0);
    EXPECT_EQ(c->Favorite, 0x105u);
    EXPECT_EQ(c->Tuner, 1) << "satellite-only products keep every tuner";
}

TEST_F(Channels, StandardWithOnlyBit10StoresNoPositions) {
    Profile p;
    p.list = 64;
    p.type = 0x11;
    p.ch.entrySize = 64;
    p.Apply();
    Add(Sample());
    const auto out = Save(Blank(p));
    for (int i = 58; i < 64; ++i)
        EXPECT_EQ(out[kCh + i], 0) << i;
}

TEST_F(Channels, NetworkEntryAndTrailerOnList9) {
    Profile p;
    p.list = 9;
    p.type = 0x12; // terrestrial, 8 positions
    p.ch.entrySize = 80;
    p.Apply();
    Add(Sample());
    Channel_Info_Tag radio = Sample();
    radio.Attributes = 0x0800;
    Add(radio);
    const auto out = Save(Blank(p));
    const auto e = Entry(out, 0, 80);
    EXPECT_EQ(Word(e, 6, 0), 0x0A0B);  // LogicalNumber
    EXPECT_EQ(Word(e, 8, 0), 0x0F10);  // OrgNetID
    EXPECT_EQ(Word(e, 12, 0), 0x1112); // TSID
    EXPECT_EQ(e[24], 0x05);            // Favorite low byte
    EXPECT_EQ(e[25], 0x13);            // VolOffset
    EXPECT_EQ(e[26], 12);              // TPID
    EXPECT_EQ(e[27], 0x0E);            // ParentRate
    EXPECT_EQ(e[31], 0x1B);            // StreamType
    EXPECT_EQ(e[32], 'D');
    EXPECT_EQ(e[32 + 28], 0x14);                // OrgMuxID
    EXPECT_EQ(Word(e, 33 + 28, 0), 0x1516);     // NetNameID
    EXPECT_EQ(Word(e, 35 + 28, 0), 0x100);      // F0
    EXPECT_EQ(Word(e, 35 + 28 + 14, 0), 0x107); // F7
    EXPECT_EQ(Word(out, kCh + Z - 6, 1), 0);
    EXPECT_EQ(Word(out, kCh + Z - 4, 1), 2) << "one word with both counts";
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    ASSERT_EQ(db.Size(kTableChannel), 2u);
    const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, 1);
    EXPECT_EQ(c->SatID, 1) << "the network entry carries no satellite";
    EXPECT_EQ(c->NetNameID, 0x1516);
    EXPECT_EQ(c->F[7], 0x107);
    EXPECT_EQ(c->F[8], 0);
}

TEST_F(Channels, SectorCapacityAndCounts) {
    // S = 56: floor((4096 - 50) / 56) = 72 a sector.
    for (int i = 0; i < 73; ++i) {
        Channel_Info_Tag c = Sample();
        c.Attributes = i % 3 == 0 ? 0x0800 : 0x0400;
        c.ProgramNum = static_cast<WORD>(i + 1);
        Add(c);
    }
    const auto out = Save(Blank(Profile{}));
    EXPECT_EQ(Word(out, kCh + Z - 6, 1), 48);
    EXPECT_EQ(Word(out, kCh + Z - 4, 1), 24);
    EXPECT_EQ(Word(out, kCh + Z + 4, 0), 73) << "the 73rd starts sector 2";
    EXPECT_EQ(Word(out, kCh + 2 * Z - 4, 1), 1) << "73rd: i = 72 is radio";
    for (int i = 72 * 56; i < Z - 6; ++i)
        ASSERT_EQ(out[kCh + i], 0) << "zero between the entries and the trailer, offset " << i;
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    EXPECT_EQ(db.Size(kTableChannel), 73u);
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 73)->ProgramNum, 73);
}

TEST_F(Channels, SixtyFourByteEntriesTake63ASector) {
    Profile p;
    p.list = 1;
    p.ch.entrySize = 64;
    p.Apply();
    for (int i = 0; i < 64; ++i)
        Add(Sample());
    const auto out = Save(Blank(p));
    EXPECT_EQ(Word(out, kCh + Z - 6, 1), 63);
    EXPECT_EQ(Word(out, kCh + 2 * Z - 6, 1), 1);
}

TEST_F(Channels, TrailersEndTheBlockAndSlotsKeepTheirKeys) {
    Image img(Profile{}.FlashSize());
    auto put = [&](int sector, int slot, const char* name, BYTE sat) {
        const int at = 49152 + sector * Z + slot * 56;
        img.Put8(at + 6, sat);
        img.PutText(at + 22, name);
    };
    // Sector 1: 3 TV + 5 radio; slot 2 has no name, slot 5 no satellite.
    img.Put16(49152 + Z - 6, 3, 1);
    img.Put16(49152 + Z - 4, 5, 1);
    for (int j = 0; j < 9; ++j)
        put(0, j, j == 2 ? "" : "C", j == 5 ? 0 : 1);
    // Sector 2: two entries; sector 3 erased; sector 4 would have more.
    img.Put16(49152 + 2 * Z - 6, 2, 1);
    put(1, 0, "D", 1);
    put(1, 1, "E", 1);
    img.Put16(49152 + 3 * Z - 6, 0xFFFF, 1);
    img.Put16(49152 + 3 * Z - 4, 0xFFFF, 1);
    img.Put16(49152 + 4 * Z - 6, 1, 1);
    put(3, 0, "F", 1);
    ASSERT_EQ(Load(img.Bytes()), 1);
    std::vector<DWORD> keys;
    for (auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
         c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index))
        keys.push_back(c->Index);
    EXPECT_EQ(keys, (std::vector<DWORD>{1, 2, 4, 5, 7, 8, 9, 10}));

    db.ClearAll();
    img.Put16(49152 + Z - 6, 0, 1);
    img.Put16(49152 + Z - 4, 0, 1);
    ASSERT_EQ(Load(img.Bytes()), 1);
    EXPECT_EQ(db.Size(kTableChannel), 0u) << "a zero trailer ends the block";

    db.ClearAll();
    img.Put16(49152 + Z - 6, 0x7000, 1); // more than fit: clamped, not read past the sector
    img.Put16(49152 + Z - 4, 0, 1);
    ASSERT_EQ(Load(img.Bytes()), 1);
    EXPECT_EQ(db.Size(kTableChannel), 9u) << "slots 0-8 minus the two empty ones, then D and E";
}

TEST_F(Channels, TwinTunerWriterStoresEachChannelOncePerTuner) {
    Profile p;
    p.list = 5;
    p.type = 0x04;
    p.ch.entrySize = 64;
    p.Apply();
    Channel_Info_Tag c = Sample();
    c.Tuner = 7;
    Add(c);
    Channel_Info_Tag radio = Sample();
    radio.Attributes = 0x0800;
    std::strcpy(radio.Name, "Radio");
    Add(radio);
    const auto out = Save(Blank(p));
    EXPECT_EQ(out[kCh + 0 * 64 + 28 + 28], 0);
    EXPECT_EQ(out[kCh + 1 * 64 + 28 + 28], 1);
    EXPECT_EQ(out[kCh + 1 * 64 + 26], 'D');
    EXPECT_EQ(out[kCh + 2 * 64 + 26], 'R');
    EXPECT_EQ(Word(out, kCh + Z - 6, 1), 2);
    EXPECT_EQ(Word(out, kCh + Z - 4, 1), 2);
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    ASSERT_EQ(db.Size(kTableChannel), 2u) << "the tuner-2 copies are dropped on this product";
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 1)->Tuner, 0);
    EXPECT_STREQ(db.Get<Channel_Info_Tag>(kTableChannel, 3)->Name, "Radio");
}

TEST_F(Channels, TooManyChannelsFailTheSaveInsteadOfDroppingThem) {
    Profile p;
    p.ch.sectors = 2;
    p.Apply();
    for (int i = 0; i < 144; ++i)
        Add(Sample());
    int ok = 0;
    Save(Blank(p), &ok);
    EXPECT_EQ(ok, 1) << "2 x 72 fit";
    Add(Sample());
    Save(Blank(p), &ok);
    EXPECT_EQ(ok, 0);
}

TEST_F(Channels, EmptyTableWritesZeroSectorsAndUnknownProductsFail) {
    auto base = Blank(Profile{});
    std::fill(base.begin() + kCh, base.end(), BYTE{0xFF});
    auto out = Save(base);
    EXPECT_TRUE(std::all_of(out.begin() + kCh, out.end(), [](BYTE b) { return b == 0; }));
    ASSERT_EQ(Load(out), 1);
    EXPECT_EQ(db.Size(kTableChannel), 0u);

    Profile p;
    p.list = 11;
    p.Apply();
    EXPECT_EQ(Load(out), 0) << "no layout for list 11: a clear failure, not an empty list";
    int ok = 1;
    Save(out, &ok);
    EXPECT_EQ(ok, 0);
}

TEST_F(Channels, RowsThatAreNeitherTVNorRadioAreKept) {
    Channel_Info_Tag data = Sample();
    data.Attributes = 0x0003;
    Add(data);
    Add(Sample());
    const auto out = Save(Blank(Profile{}));
    EXPECT_EQ(Word(out, kCh + Z - 6, 1), 1);
    EXPECT_EQ(Word(out, kCh + Z - 4, 1), 1);
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    EXPECT_EQ(db.Size(kTableChannel), 2u);
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 1)->Attributes, 0x0003);
}

TEST_F(Channels, TwinTunerCopiesFoldBackWhereBothWouldBeKept) {
    Profile p;
    p.list = 5;
    p.type = 0x01; // the keep rule keeps entries of either tuner
    p.ch.entrySize = 64;
    p.Apply();
    // 37 channels: 74 entries, 63 a sector, so the 32nd channel's copies
    // lie in slot 62 of the first sector and slot 0 of the second.
    for (int i = 0; i < 37; ++i) {
        Channel_Info_Tag c = Sample();
        c.ProgramNum = static_cast<WORD>(i + 1);
        Add(c);
    }
    auto out = Save(Blank(p));
    EXPECT_EQ(Word(out, kCh + Z - 6, 1), 63);
    EXPECT_EQ(Word(out, kCh + 2 * Z - 6, 1), 11);
    EXPECT_EQ(out[kCh + 62 * 64 + 28 + 28], 0);
    EXPECT_EQ(out[kCh + Z + 28 + 28], 1);
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    ASSERT_EQ(db.Size(kTableChannel), 37u) << "one row per channel, not two";
    std::vector<DWORD> keys;
    for (auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
         c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index)) {
        keys.push_back(c->Index);
        EXPECT_EQ(c->Tuner, 0);
    }
    EXPECT_EQ(keys.front(), 1u);
    EXPECT_EQ(keys[1], 3u) << "the second copy's slot number is skipped";
    EXPECT_EQ(keys[31], 63u) << "the pair across the sector boundary folds too";
    EXPECT_EQ(keys[32], 65u);

    // Open/save cycles: the same bytes every time (the first save of a
    // loaded image adds the default favourite names).
    out = Save(out);
    for (int cycle = 0; cycle < 5; ++cycle) {
        db.ClearAll();
        ASSERT_EQ(Load(out), 1);
        ASSERT_EQ(db.Size(kTableChannel), 37u);
        const auto again = Save(out);
        ASSERT_TRUE(std::equal(again.begin(), again.end(), out.begin(), out.end()))
            << "cycle " << cycle << ", first difference at "
            << std::mismatch(again.begin(), again.end(), out.begin()).first - again.begin();
    }

    // Entries that differ in anything but the tuner byte are two channels.
    out[kCh + 64 + 26] = 'X';
    db.ClearAll();
    ASSERT_EQ(Load(out), 1);
    EXPECT_EQ(db.Size(kTableChannel), 38u);
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 2)->Tuner, 1);
}

TEST_F(Channels, OneErasedCountReadsTheWholeSectorAndGoesOn) {
    Image img(Profile{}.FlashSize());
    auto put = [&](int sector, int slot, const char* name) {
        const int at = 49152 + sector * Z + slot * 56;
        img.Put8(at + 6, 1);
        img.PutText(at + 22, name);
    };
    // Sector 1: TV count 2, radio count erased; entries in slots 0, 1 and 70.
    img.Put16(49152 + Z - 6, 2, 1);
    img.Put16(49152 + Z - 4, 0xFFFF, 1);
    put(0, 0, "A");
    put(0, 1, "B");
    put(0, 70, "C");
    // Sector 2: TV count erased, radio count 1.
    img.Put16(49152 + 2 * Z - 6, 0xFFFF, 1);
    img.Put16(49152 + 2 * Z - 4, 1, 1);
    put(1, 0, "D");
    // Sector 3: both erased ends the block; sector 4 is not read.
    img.Put16(49152 + 3 * Z - 6, 0xFFFF, 1);
    img.Put16(49152 + 3 * Z - 4, 0xFFFF, 1);
    img.Put16(49152 + 4 * Z - 6, 1, 1);
    put(3, 0, "E");
    ASSERT_EQ(Load(img.Bytes()), 1);
    std::vector<std::string> names;
    std::vector<DWORD> keys;
    for (auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
         c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index)) {
        names.emplace_back(c->Name);
        keys.push_back(c->Index);
    }
    // (4096 - 6) / 56 = 73 slots a sector are read.
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(keys, (std::vector<DWORD>{1, 2, 71, 74}));
}
