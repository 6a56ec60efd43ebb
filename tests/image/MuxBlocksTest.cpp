// Terrestrial and cable multiplex blocks and the cable single block.
#include "image/EntryCodecs.h"
#include "model/MuxParams.h"
#include "tests/image/ImageBuilder.h"

#include <cstring>
#include <tuple>

using namespace velmar::test;

using Mux = CodecTest;

namespace {

constexpr int Z = 4096;
using Bytes = std::vector<BYTE>;
constexpr int kTpFlash = 16384;
constexpr int kTp = 86 + kTpFlash;

Profile Terrestrial(int order) {
    Profile p = MakeProfile(1, 0x02, order);
    p.maxMux = 4;
    return p;
}

} // namespace

TEST_F(Mux, TerrestrialSlotsKeysAndBroadcasters) {
    const Profile p = Terrestrial(0);
    p.Apply();
    Image img(p.FlashSize());
    const BYTE tpids[4] = {5, 0, 9, 2};
    for (int k = 0; k < 4; ++k) {
        img.Put8(kTpFlash + k * 20 + 10, tpids[k]);
        img.Put8(kTpFlash + k * 20 + 11, static_cast<BYTE>(k)); // NameIndex
    }
    img.Put16(kTpFlash + 4, 0xBEEF, 0); // Word1 of slot 1
    img.Put8(kTpFlash + 15, 0x66);      // Byte6 of slot 1
    // Broadcasters follow the 4 multiplexes; sector 2 repeats one and adds one.
    img.Put16(kTpFlash + 80, 0x0101, 0);
    img.PutText(kTpFlash + 80 + 2, "RAI");
    img.PutText(kTpFlash + 80 + 2 * 20 + 2, "Mediaset");
    img.Put16(kTpFlash + Z + 80, 0x0101, 0);
    img.PutText(kTpFlash + Z + 80 + 2, "RAI");
    img.PutText(kTpFlash + Z + 80 + 20 + 2, "La7");
    img.Put8(kTpFlash + Z + 10, 1); // sector 2, slot 0: key 5
    ASSERT_EQ(Load(img.Bytes()), 1);

    EXPECT_EQ(db.Keys(kTableTerrestrialMux), (std::vector<DWORD>{1, 3, 4, 5}));
    EXPECT_GE(g_nMaxTPID, 9u);
    const auto* m1 = db.Get<SMux_Info_Tag>(kTableTerrestrialMux, 1);
    EXPECT_EQ(std::tuple(m1->Word1, +m1->Byte6), std::tuple(0xBEEF, 0x66));
    EXPECT_EQ(db.Get<SMux_Info_Tag>(kTableTerrestrialMux, 4)->NameIndex, 3);
    // RAI once (the repeat is identical), Mediaset under key 3, La7 under the free key 2.
    ASSERT_EQ(db.Size(kTableBroadcast), 3u);
    EXPECT_STREQ(db.Get<Broadcast_Info_Tag>(kTableBroadcast, 3)->Name, "Mediaset");
    EXPECT_STREQ(db.Get<Broadcast_Info_Tag>(kTableBroadcast, 2)->Name, "La7");
}

TEST_F(Mux, TerrestrialParamsInBothBitOrders) {
    for (int order : {0, 1}) {
        const Profile p = Terrestrial(order);
        p.Apply();
        db.ClearAll();
        Image img(p.FlashSize());
        const BYTE b[4] = {0x12, 0x34, 0x56, 0x78};
        for (int i = 0; i < 4; ++i)
            img.Put8(kTpFlash + i, b[i]);
        img.Put8(kTpFlash + 10, 1);
        img.Put8(kTpFlash + 20, 0x80);
        img.Put8(kTpFlash + 20 + 10, 2);
        img.Put8(kTpFlash + 40, 0x60);
        img.Put8(kTpFlash + 40 + 10, 3);
        ASSERT_EQ(Load(img.Bytes()), 1);
        const DWORD p1 = db.Get<SMux_Info_Tag>(kTableTerrestrialMux, 1)->Params;
        const DWORD p2 = db.Get<SMux_Info_Tag>(kTableTerrestrialMux, 2)->Params;
        const DWORD p3 = db.Get<SMux_Info_Tag>(kTableTerrestrialMux, 3)->Params;
        if (order == 0) {
            EXPECT_EQ(p1, 0x38563412u) << "top two bits of the fourth byte are not read";
            EXPECT_EQ(p2, 0x80u);
        } else {
            // 0x12 = 0 00 100 10: FreqTable 4, Constellation 2; 0x34 = 001 10100:
            // CodeRate 1, GuardInterval 20; 0x56 = 01 010110; 0x78 = 011110 00.
            const MuxParams m = MuxParams::Unpack(p1);
            EXPECT_EQ(std::tuple(+m.Flag, +m.TransMode, +m.FreqTable, +m.Constellation, +m.CodeRate,
                                 +m.GuardInterval, +m.Priority, +m.Value18, +m.Value24),
                      std::tuple(0, 0, 4, 2, 1, 20, 1, 0x16, 0x1E));
            EXPECT_EQ(p2, 1u) << "b0 = 0x80 is the flag only";
            EXPECT_EQ(MuxParams::Unpack(p3).TransMode, 3);
        }
    }
}

TEST_F(Mux, TerrestrialBlockIsNeverWritten) {
    const Profile p = Terrestrial(0);
    p.Apply();
    Image img(p.FlashSize());
    for (int i = 0; i < 8 * Z; ++i)
        img.Put8(kTpFlash + i, static_cast<BYTE>(i * 13 + 1));
    ASSERT_EQ(Load(img.Bytes()), 1);
    const auto out = Save(img.Bytes());
    EXPECT_EQ(Slice(out, kTp, 8 * Z), Slice(img.Bytes(), kTp, 8 * Z));
}

TEST_F(Mux, CableEntryBytesInOrderOne) {
    const Profile p = MakeProfile(2, 0x04, 1);
    p.Apply();
    // Index, Frequency, SymbolRate, TSID, NetworkID (not stored by this form), OrgNetID, TPID,
    // Modulation, Invert, Mark, Tail.
    CableMux_Info_Tag m{0, 474000, 0x1AF4, 0x0102, 0x5555, 0, 4, 0x0D, 0x22, 0x21, {}};
    for (int i = 0; i < 8; ++i)
        m.Tail[i] = static_cast<BYTE>(0xA0 + i);
    db.AddIndexed(kTableCableMux, CopyRecord(m));
    const auto out = Save(Image(p.FlashSize()).Bytes());
    const Bytes entry = {0x00, 0x07, 0x3B, 0x90, 0x01, 0x02, 0x1A, 0xF4, 0x0D, 0x21,
                         0x22, 0x04, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7};
    EXPECT_EQ(Slice(out, kTp, 20), entry);
    EXPECT_EQ(Slice(out, kTp + Z - 6, 4), (Bytes{0, 0, 0, 1}));
    ASSERT_TRUE(Reload(out));
    const auto* back = db.Get<CableMux_Info_Tag>(kTableCableMux, 1);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(std::tuple(back->Frequency, back->SymbolRate, back->TSID, back->NetworkID,
                         back->OrgNetID, +back->Modulation, +back->Mark, +back->Invert,
                         +back->TPID),
              std::tuple(474000u, 0x1AF4, 0x0102, 0, 0, 0x0D, 0x21, 0x22, 4))
        << "field by field; NetworkID and OrgNetID are not stored";
    EXPECT_EQ(back->Tail[7], 0xA7);
    EXPECT_EQ(back->Tail[8], 0);
    EXPECT_EQ(g_nMaxTPID, 4u);
}

TEST_F(Mux, CableSectorsWithZeroCountAreSkipped) {
    const Profile p = MakeProfile(2, 0x04);
    p.Apply();
    Image img(p.FlashSize());
    img.Put16(kTpFlash + 2 * Z - 4, 2, 1); // sector 1 empty, sector 2 two entries
    img.Put8(kTpFlash + Z + 11, 7);
    img.Put8(kTpFlash + Z + 20 + 11, 0); // empty slot, key skipped
    img.Put16(kTpFlash + 3 * Z - 4, 0xFFFF, 1);
    img.Put8(kTpFlash + 2 * Z + 11, 9);
    ASSERT_EQ(Load(img.Bytes()), 1);
    ASSERT_EQ(db.Size(kTableCableMux), 1u);
    EXPECT_EQ(db.Get<CableMux_Info_Tag>(kTableCableMux, 1)->TPID, 7);
}

TEST_F(Mux, CableSectorTakes203AndEmptyTableZeroesTheBlock) {
    const Profile p = MakeProfile(2, 0x04);
    p.Apply();
    AddRows<CableMux_Info_Tag>(db, kTableCableMux, 204, "",
                               [](auto& m, int, BYTE id) { m.TPID = id; });
    auto out = Save(Blank(p));
    EXPECT_EQ(Word(out, kTp + Z - 4, 1), 203);
    EXPECT_EQ(Word(out, kTp + 2 * Z - 4, 1), 1);
    db.ClearAll();
    Image dirty(p.FlashSize(), 0x5A);
    out = Save(dirty.Bytes());
    EXPECT_EQ(FirstNot(out, kTp, 8 * Z, 0), -1);
}

// ---- Single block ---------------------------------------------------------------

namespace {

// Nm = 2 x 16, Nb = 2 x 20, Nc = 3 x 64: D = 264, 284 bytes written.
constexpr int kSingle = 86 + 4096;
constexpr int kD = 264;

} // namespace

TEST_F(Mux, SingleBlockLayoutTrailerAndChecksum) {
    const Profile p = SmallSingleBlockProfile();
    p.Apply();
    Image base(p.FlashSize(), 0xC3);
    std::fill(base.Bytes().begin(), base.Bytes().begin() + 86, BYTE{0});
    std::memcpy(base.Bytes().data(), "VX  \x50", 5);
    auto out = Save(base.Bytes());
    // An empty database: zero areas, zero counts, checksum 1.
    EXPECT_EQ(FirstNot(out, kSingle, kD + 16, 0), -1);
    EXPECT_EQ(Slice(out, kSingle + kD + 16, 4), (Bytes{0, 0, 0, 1}));
    EXPECT_EQ(out[kSingle + kD + 20], 0xC3) << "284 bytes and no more";

    auto m = NewRecord<CableMux_Info_Tag>();
    m->Frequency = 0x01020304;
    m->TPID = 1;
    m->Modulation = 3;
    db.AddIndexed(kTableCableMux, std::move(m));
    g_byPreservedC = 0x10;
    g_byPreservedD = 0x20;
    out = Save(base.Bytes());
    EXPECT_EQ(out[kSingle + 0], 0x04);
    EXPECT_EQ(Slice(out, kSingle + 12, 2), (Bytes{1, 3})); // TPID, Modulation
    // Counts of 1, 0, 0 (order 0), the preserved bytes, then the checksum, most
    // significant byte first: 1 + 0x01020304 + 0x00000301 (bytes 12-15) + 1
    // (count) + 0x00002010 (bytes D+12..15) = 0x01022617.
    EXPECT_EQ(Slice(out, kSingle + kD, 20), (Bytes{1, 0,    0,    0, 0, 0,    0,    0,    0,   0, 0,
                                                   0, 0x10, 0x20, 0, 0, 0x01, 0x02, 0x26, 0x17}));
}

TEST_F(Mux, SingleBlockKeysRunAcrossTheAreas) {
    const Profile p = SmallSingleBlockProfile();
    p.Apply();
    Image img(p.FlashSize());
    const int at = 4096;
    img.Put8(at + 12, 6); // multiplex 1, TPID 6
    const int ch = at + 2 * 16 + 2 * 20;
    for (int j = 0; j < 2; ++j) {
        img.Put8(ch + j * 64 + 24, 6);
        img.PutText(ch + j * 64 + 28, j == 0 ? "ORF1" : "ORF2");
    }
    img.Put8(ch + 2 * 64 + 28, 'X'); // a third slot beyond the count
    img.Put32(at + kD, 1, 0);
    img.Put32(at + kD + 4, 0, 0);
    img.Put32(at + kD + 8, 2, 0);
    img.Put8(at + kD + 12, 0xAB);
    img.Put8(at + kD + 13, 0xCD);
    ASSERT_EQ(Load(img.Bytes()), 1);
    EXPECT_EQ(db.Size(kTableCableMux), 1u);
    EXPECT_NE(db.GetRow(kTableCableMux, 1), nullptr);
    EXPECT_STREQ(db.Get<Channel_Info_Tag>(kTableChannel, 2)->Name, "ORF1");
    EXPECT_STREQ(db.Get<Channel_Info_Tag>(kTableChannel, 3)->Name, "ORF2");
    EXPECT_EQ(db.Size(kTableChannel), 2u);
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 2)->SatID, 0);
    // The preserved bytes come back in the next save.
    const auto out = Save(img.Bytes());
    EXPECT_EQ(Slice(out, 86 + at + kD + 12, 2), (Bytes{0xAB, 0xCD}));
}

TEST_F(Mux, SingleBlockDropsTpidZeroAndRefusesOverfullAreas) {
    const Profile p = SmallSingleBlockProfile();
    p.Apply();
    Image img(p.FlashSize());
    const int ch = 4096 + 72;
    img.PutText(ch + 28, "NoMux");           // TPID 0
    img.Put32(4096 + kD + 8, 0x7FFFFFFF, 0); // an absurd count is clamped to 3 slots
    ASSERT_EQ(Load(img.Bytes()), 1);
    EXPECT_EQ(db.Size(kTableChannel), 0u);
    AddRows<Channel_Info_Tag>(db, kTableChannel, 4, "C%d", [](auto& c, int, BYTE) {
        c.TPID = 1;
        c.Attributes = kAttrTV;
    });
    int ok = 1;
    Save(img.Bytes(), &ok);
    EXPECT_EQ(ok, 0) << "four channels, three slots";
}
