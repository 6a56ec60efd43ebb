// Every receiver profile's geometry carries a real image: tables saved into
// an image of the profile's size (full of foreign bytes) load back whole, and
// a loaded image saves back byte for byte at the same length.
#include "contracts/ReceiverProfiles.h"
#include "tests/image/ImageBuilder.h"

#include <cstring>
#include <random>

using namespace velmar::test;

namespace {

constexpr int kTail = 333; // bytes after the last block that no block owns
constexpr int kChannels = 150;
constexpr BYTE kTerTPID = 5;

} // namespace

// Test names and messages show the profile's name, not its bytes.
void PrintTo(const ReceiverProfile& profile, std::ostream* out) {
    *out << profile.name;
}

namespace {

bool TerrestrialBlock(const ReceiverProfile& p) {
    return (p.productType & 0x02) && !(p.productType & 0x01);
}

class ProfileImage : public CodecTest, public ::testing::WithParamInterface<ReceiverProfile> {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        ConfigurePolicy(GetParam());
    }

    void Populate() {
        const ReceiverProfile& p = GetParam();
        std::mt19937 rng(11);
        auto word = [&] { return static_cast<WORD>(rng()); };
        for (DWORD k = 1; k <= static_cast<DWORD>(p.mmi.fourth); ++k) {
            auto f = NewRecord<FavoriteList>();
            f->Index = k;
            std::snprintf(f->Name, sizeof f->Name, "Favourites %u", static_cast<unsigned>(k));
            db.Add(kTableFavorite, k, std::move(f));
        }
        for (int i = 0; i < 6; ++i) {
            auto b = NewRecord<Broadcast_Info_Tag>();
            b->BroadcastID = static_cast<WORD>(200 + i);
            std::snprintf(b->Name, sizeof b->Name, "Provider %d", i);
            db.AddIndexed(kTableBroadcast, std::move(b));
        }
        if (p.productType & 0x01) {
            for (int i = 0; i < 4; ++i) {
                auto s = NewRecord<Satellite_Info_Tag>();
                s->Degree = static_cast<WORD>(130 + 100 * i);
                s->ID = static_cast<BYTE>(i + 1);
                std::snprintf(s->Name, sizeof s->Name, "Sat %d", i + 1);
                db.AddIndexed(kTableSatellite, std::move(s));
            }
            for (int i = 0; i < 20; ++i) {
                auto t = NewRecord<Transponder_Info_Tag>();
                t->Frequency = static_cast<WORD>(10700 + 20 * i);
                t->SymbolRate = 27500;
                t->SatID = static_cast<BYTE>(i % 4 + 1);
                t->TPID = static_cast<BYTE>(i / 4 + 1);
                db.AddIndexed(kTableTransponder, std::move(t));
            }
        }
        if (p.productType & 0x04) {
            for (int i = 0; i < 12; ++i) {
                auto m = NewRecord<CableMux_Info_Tag>();
                m->Frequency = 306000 + 8000 * static_cast<DWORD>(i);
                m->SymbolRate = 6900;
                m->TPID = static_cast<BYTE>(i + 1);
                m->Modulation = 3;
                db.AddIndexed(kTableCableMux, std::move(m));
            }
        }
        for (int i = 0; i < kChannels; ++i) {
            auto c = NewRecord<Channel_Info_Tag>();
            c->Favorite = 1u << (i % 8);
            c->ProgramNum = static_cast<WORD>(i + 1);
            c->ShowNum = c->ProgramNum;
            c->SatID = static_cast<BYTE>(i % 4 + 1);
            c->TPID = static_cast<BYTE>(i % 12 + 1);
            c->ServiceID = word();
            c->VideoPID = word();
            c->Attributes = i % 5 == 0 ? kAttrRadio : kAttrTV;
            std::snprintf(c->Name, sizeof c->Name, "Channel %03d", i);
            c->F[i % 8] = static_cast<WORD>(i / 8 + 1);
            db.AddIndexed(kTableChannel, std::move(c));
        }
    }

    // The profile's whole flash plus a tail, full of foreign bytes; on a
    // terrestrial receiver the multiplex block holds one multiplex and one
    // broadcaster, placed by hand.
    static std::vector<BYTE> Base(const ReceiverProfile& p) {
        const int flash = ReceiverFlashBytes(p);
        Image img(flash + kTail);
        std::mt19937 rng(7);
        for (int i = 0; i < flash + kTail; ++i)
            img[i] = static_cast<BYTE>(rng());
        if (TerrestrialBlock(p)) {
            for (int i = 0; i < p.tp.sectors * p.sectorSize; ++i)
                img[p.tp.start + i] = 0;
            img[p.tp.start + 10] = kTerTPID;
            img[p.tp.start + 11] = 3; // name index
            const int brd = p.tp.start + p.maxMuxCount * p.tp.entrySize;
            img.Put16(brd, 0x0777, p.byteOrder);
            img.PutText(brd + 2, "Aerial provider");
        }
        return img.Bytes();
    }
};

} // namespace

TEST_P(ProfileImage, SavedTablesLoadBackAndLoadedImagesSaveBackByteForByte) {
    const ReceiverProfile& p = GetParam();
    const auto base = Base(p);
    Populate();
    int ok = 0;
    const auto first = Save(base, &ok, "first.bin");
    ASSERT_EQ(ok, 1);
    ASSERT_EQ(first.size(), base.size()) << "nothing is written past the profile's flash";
    EXPECT_TRUE(std::equal(first.end() - kTail, first.end(), base.end() - kTail));

    db.ClearAll();
    ResetImageState();
    ASSERT_EQ(Load(first), 1);
    EXPECT_EQ(db.Size(kTableChannel), static_cast<std::uint32_t>(kChannels));
    EXPECT_EQ(db.Size(kTableFavorite), static_cast<std::uint32_t>(p.mmi.fourth));
    if (p.productType & 0x01) {
        EXPECT_EQ(db.Size(kTableSatellite), 4u);
        EXPECT_GE(db.Size(kTableTransponder), 20u);
    }
    if (p.productType & 0x04) {
        EXPECT_EQ(db.Size(kTableCableMux), 12u);
    }
    for (auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
         c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index))
        ASSERT_EQ(c->Tuner, 0) << "twin-tuner copies are stored, not loaded";
    if (TerrestrialBlock(p)) {
        ASSERT_EQ(db.Size(kTableTerrestrialMux), 1u);
        EXPECT_EQ(db.NextAs<SMux_Info_Tag>(kTableTerrestrialMux, 0)->TPID, kTerTPID);
        bool aerial = false;
        for (auto* b = db.NextAs<Broadcast_Info_Tag>(kTableBroadcast, 0); b;
             b = db.NextAs<Broadcast_Info_Tag>(kTableBroadcast, b->Index))
            aerial = aerial || std::strcmp(b->Name, "Aerial provider") == 0;
        EXPECT_TRUE(aerial);
    }

    const auto second = Save(first, &ok, "second.bin");
    ASSERT_EQ(ok, 1);
    ASSERT_EQ(second.size(), first.size());
    if (!TerrestrialBlock(p)) { // there the multiplex block's broadcasters join table 3
        for (std::size_t i = 0; i < first.size(); ++i)
            ASSERT_EQ(second[i], first[i]) << "first differing offset " << i;
    }
    db.ClearAll();
    ASSERT_EQ(Load(second), 1);
    EXPECT_EQ(Save(second, &ok, "third.bin"), second) << "a loaded image saves back unchanged";
}

TEST_P(ProfileImage, AnImageOneByteShortOfItsLastBlockDoesNotLoad) {
    const ReceiverProfile& p = GetParam();
    // The single block is read up to its preserved bytes, 6 short of its end.
    const int needed = ReceiverFlashBytes(p) - (p.productList == 10 ? 6 : 0);
    auto bytes = Image(needed).Bytes();
    EXPECT_EQ(Load(bytes), 1);
    bytes.pop_back();
    db.ClearAll();
    EXPECT_EQ(Load(bytes), 0);
}

INSTANTIATE_TEST_SUITE_P(Receivers, ProfileImage, ::testing::ValuesIn(ReceiverProfiles()),
                         [](const auto& param) {
                             std::string name(param.param.name);
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });
