// Every receiver family: a populated store saved into an image full of
// foreign bytes loads back, and saving what was loaded reproduces the image
// byte for byte, so every byte the codec does not own survives.
#include "contracts/ReceiverProfiles.h"
#include "image/EntryCodecs.h"
#include "tests/image/ImageBuilder.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <utility>

using namespace velmar::test;

namespace {

struct Family {
    const char* name;
    Profile profile;
};

Profile Mux16(Profile p) {
    p.maxMux = 16;
    return p;
}

// The families no receiver profile has (ProfileImage runs every profile):
// twin tuners on satellite and the single block near full.
const Family kFamilies[] = {
    {"TwinTuner_List5_Sat", Mux16(MakeProfile(5, 0x01, 0, 64))},
    {"TwinTuner_List6_SatAndTerrestrial", Mux16(MakeProfile(6, 0x03, 1, 64))},
    {"SingleBlock_List10", Mux16(SingleBlockProfile())},
};

// How many rows of each table Populate makes.
struct Sizes {
    DWORD favorites = 8;
    int satellites = 5, transponders = 30, broadcasts = 12, cableMuxes = 25, channels = 300;
};

// Rows with every field the forms store set to something other than zero.
void Populate(CZorvDB& db, const Sizes& n) {
    std::mt19937 rng(42);
    auto byte = [&] { return static_cast<BYTE>(rng()); };
    auto word = [&] { return static_cast<WORD>(rng()); };
    AddRows<FavoriteList>(db, kTableFavorite, n.favorites, "My list %d",
                          [&](auto& f, int, BYTE) { f.Tail = byte(); });
    AddRows<Satellite_Info_Tag>(
        db, kTableSatellite, n.satellites, "Sat %d", [&](auto& s, int, BYTE id) {
            s.Group1 = {word(), word(), word(), byte(), byte(), byte(), byte(), byte(), byte()};
            s.Degree = static_cast<WORD>(rng() % 3600);
            s.ID = id;
        });
    AddRows<Broadcast_Info_Tag>(db, kTableBroadcast, n.broadcasts, "Provider %d",
                                [&](auto& b, int i, BYTE) {
                                    b.BroadcastID = static_cast<WORD>(100 + i);
                                    b.Tail = byte();
                                });
    AddRows<Transponder_Info_Tag>(db, kTableTransponder, n.transponders, "",
                                  [&](auto& t, int i, BYTE) {
                                      t.Frequency = static_cast<WORD>(10700 + rng() % 2000);
                                      t.SymbolRate = 27500;
                                      t.TSID = word();
                                      t.PolFEC = byte();
                                      t.SatID = static_cast<BYTE>(i % 5 + 1);
                                      t.TPID = static_cast<BYTE>(i / 5 + 1);
                                  });
    AddRows<CableMux_Info_Tag>(db, kTableCableMux, n.cableMuxes, "", [&](auto& m, int i, BYTE id) {
        m.Frequency = 114000 + 8000 * static_cast<DWORD>(i);
        m.SymbolRate = 6900;
        m.TPID = id;
        m.Modulation = byte();
    });
    AddRows<Channel_Info_Tag>(
        db, kTableChannel, n.channels, "Channel %03d \xE9\xE8", [&](auto& c, int i, BYTE) {
            c.CAS = static_cast<DWORD>(rng());
            c.Favorite = static_cast<DWORD>(rng());
            c.ProgramNum = c.ShowNum = static_cast<WORD>(i + 1);
            c.SatID = static_cast<BYTE>(i % 5 + 1);
            c.TPID = static_cast<BYTE>(i % 6 + 1);
            c.ServiceID = word();
            c.VideoPID = word();
            c.Attributes = static_cast<WORD>((i % 4 == 0 ? kAttrRadio : kAttrTV) | (rng() & 0x7F));
            for (auto& f : c.F)
                f = word();
            c.StreamType = byte();
        });
}

constexpr int kTail = 333; // bytes after the last block that no block owns

// A working-form image of `flashSize` bytes and the tail, full of foreign bytes.
Image Foreign(int flashSize) {
    Image img(flashSize + kTail);
    std::mt19937 rng(7);
    for (int i = 0; i < flashSize + kTail; ++i)
        img[i] = static_cast<BYTE>(rng());
    return img;
}

// The first differing offset of two images, or -1.
long Mismatch(const std::vector<BYTE>& a, const std::vector<BYTE>& b) {
    if (a.size() != b.size())
        return static_cast<long>(std::min(a.size(), b.size()));
    const auto at = std::mismatch(a.begin(), a.end(), b.begin()).first;
    return at == a.end() ? -1 : static_cast<long>(at - a.begin());
}

std::vector<std::vector<BYTE>> Snapshot(CZorvDB& db) {
    std::vector<std::vector<BYTE>> rows;
    for (std::uint8_t t = 0; t < 7; ++t)
        for (const std::uint32_t key : db.Keys(t)) {
            const auto* r = static_cast<const BYTE*>(db.GetRow(t, key));
            rows.emplace_back(r, r + db.RowBytes(t, key));
        }
    return rows;
}

class RoundTripCheck : public CodecTest {
protected:
    // Saves the store, filled by Populate, into `base` and loads the result
    // back into an empty store; `m_first` is the image saved.
    void SaveAndLoad(const std::vector<BYTE>& base, const Sizes& sizes, int list) {
        Populate(db, sizes);
        int ok = 0;
        m_first = Save(base, &ok, "first.bin");
        ASSERT_EQ(ok, 1);
        ASSERT_EQ(m_first.size(), base.size()) << "nothing is written past the flash";
        EXPECT_TRUE(std::equal(m_first.end() - kTail, m_first.end(), base.end() - kTail))
            << "the tail after the last block is no block's";
        if (list >= 7 && list <= 10) {
            EXPECT_TRUE(std::equal(m_first.begin() + 86 + 170, m_first.begin() + 86 + 4096,
                                   base.begin() + 86 + 170))
                << "the favourite sector from byte 170 on";
        }
        db.ClearAll();
        ResetImageState();
        ASSERT_EQ(Load(m_first), 1);
        EXPECT_EQ(db.Size(kTableChannel), static_cast<std::uint32_t>(sizes.channels))
            << "no channel lost, none doubled";
        EXPECT_EQ(db.Size(kTableFavorite), sizes.favorites);
        for (const auto& c : std::as_const(db).Rows<Channel_Info_Tag>(kTableChannel))
            ASSERT_EQ(c.Tuner, 0) << "twin-tuner copies are stored, not loaded";
    }
    // Saving what was loaded gives the same bytes and, reloaded, the same
    // rows (`byteForByte`: not where a read-only block's broadcasters join
    // table 3); saving that again changes nothing.
    void SaveBack(bool byteForByte) {
        const auto loaded = Snapshot(db);
        int ok = 0;
        const auto second = Save(m_first, &ok, "second.bin");
        ASSERT_EQ(ok, 1);
        if (byteForByte) {
            EXPECT_EQ(Mismatch(second, m_first), -1) << "the first differing offset";
        }
        ASSERT_TRUE(Reload(second));
        EXPECT_EQ(Save(second, &ok, "third.bin"), second) << "a loaded image saves back unchanged";
        if (byteForByte) {
            EXPECT_EQ(Snapshot(db), loaded);
        }
    }
    std::vector<BYTE> m_first;
};

class RoundTrip : public RoundTripCheck, public ::testing::WithParamInterface<Family> {};

} // namespace

TEST_P(RoundTrip, LoadSaveReloadKeepsTablesAndForeignBytes) {
    const Profile& p = GetParam().profile;
    p.Apply();
    Sizes sizes;
    sizes.channels = p.list == 10 ? 290 : 300;
    ASSERT_NO_FATAL_FAILURE(SaveAndLoad(Foreign(p.FlashSize()).Bytes(), sizes, p.list));
    SaveBack(true);
}

INSTANTIATE_TEST_SUITE_P(Families, RoundTrip, ::testing::ValuesIn(kFamilies),
                         [](const auto& i) { return std::string(i.param.name); });

// ---- Every receiver profile's geometry ------------------------------------------
// Tables saved into an image of the profile's size (full of foreign bytes)
// load back whole, and a loaded image saves back byte for byte at the same
// length.

// Test names and messages show the profile's name, not its bytes.
void PrintTo(const ReceiverProfile& profile, std::ostream* out) {
    *out << profile.name;
}

namespace {

constexpr BYTE kTerTPID = 5;

bool TerrestrialBlock(const ReceiverProfile& p) {
    return (p.productType & 0x02) && !(p.productType & 0x01);
}

class ProfileImage : public RoundTripCheck, public ::testing::WithParamInterface<ReceiverProfile> {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        ConfigurePolicy(GetParam());
    }

    // The profile's whole flash plus a tail, full of foreign bytes; on a
    // terrestrial receiver the multiplex block holds one multiplex and one
    // broadcaster, placed by hand.
    static std::vector<BYTE> Base(const ReceiverProfile& p) {
        Image img = Foreign(ReceiverFlashBytes(p));
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
    Sizes sizes;
    sizes.favorites = static_cast<DWORD>(p.mmi.fourth);
    sizes.satellites = p.productType & 0x01 ? 5 : 0;
    sizes.transponders = p.productType & 0x01 ? 20 : 0;
    sizes.broadcasts = 6;
    sizes.cableMuxes = p.productType & 0x04 ? 12 : 0;
    sizes.channels = 150;
    ASSERT_NO_FATAL_FAILURE(SaveAndLoad(Base(p), sizes, p.productList));
    EXPECT_EQ(db.Size(kTableSatellite), static_cast<std::uint32_t>(sizes.satellites));
    EXPECT_GE(db.Size(kTableTransponder), static_cast<std::uint32_t>(sizes.transponders));
    EXPECT_EQ(db.Size(kTableCableMux), static_cast<std::uint32_t>(sizes.cableMuxes));
    if (TerrestrialBlock(p)) {
        ASSERT_EQ(db.Size(kTableTerrestrialMux), 1u);
        EXPECT_EQ(db.NextAs<SMux_Info_Tag>(kTableTerrestrialMux, 0)->TPID, kTerTPID);
        bool aerial = false;
        for (const auto& b : std::as_const(db).Rows<Broadcast_Info_Tag>(kTableBroadcast))
            aerial = aerial || std::strcmp(b.Name, "Aerial provider") == 0;
        EXPECT_TRUE(aerial);
    }
    SaveBack(!TerrestrialBlock(p));
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
