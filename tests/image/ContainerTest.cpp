// The file container: working header, ZORV form and its CRC, the bare dump,
// the header question, and saving a copy that was never loaded.
#include "document/WorkingCopy.h"
#include "image/Checksums.h"
#include "tests/image/ImageBuilder.h"

#include <cstring>

using namespace velmar::test;

namespace {

class Container : public WorkingCopyTest {
protected:
    // The flash of `img` without its working header: a bare dump.
    static std::vector<BYTE> Bare(Image& img) {
        return Slice(img.Bytes(), kShift, img.Bytes().size() - kShift);
    }
};

// Bit by bit, straight from the polynomial: an independent check of the table.
WORD SlowCrc(const std::vector<BYTE>& data) {
    unsigned crc = 0;
    for (BYTE b : data) {
        crc ^= unsigned{b} << 8;
        for (int i = 0; i < 8; ++i)
            crc = (crc & 0x8000) ? ((crc << 1) ^ 0x1021) & 0xFFFF : (crc << 1) & 0xFFFF;
    }
    return static_cast<WORD>(crc);
}

} // namespace

TEST(Checksums, KnownValues) {
    const std::string check = "123456789";
    const std::vector<BYTE> bytes(check.begin(), check.end());
    EXPECT_EQ(Crc16Xmodem(bytes), 0x31C3) << "the published XMODEM check value";
    EXPECT_EQ(SlowCrc(bytes), 0x31C3) << "the test's own CRC, which the CRC checks below rest on";
    // The sector checksum and its stamp: SectorChecksum.EveryLengthAroundTheWordStepsAndTheFolds.
    std::vector<BYTE> block = {0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 9};
    EXPECT_EQ(SingleBlockChecksum(block, 1), 0x01020305u);
    EXPECT_EQ(SingleBlockChecksum(block, 2), 0x01020304u) << "wraps modulo 2^32";
}

TEST_F(Container, MalformedHeaderAsksAndYesReadsUnshifted) {
    Image img(Profile{}.FlashSize());
    img.Bytes()[4] = 81; // length field not 80
    ASSERT_EQ(Load(img.Bytes()), 0) << "No is the default answer";
    EXPECT_EQ(prompt.Asked(), std::vector<std::string>{"Cannot read file header. Continue?"});

    db.ClearAll();
    prompt.ExpectAnswer(true);
    ASSERT_EQ(Load(img.Bytes()), 1);
    // Unshifted: the favourite block is the file's first bytes, so the header
    // word is "VX" and list 1's name starts with the two blanks and 81.
    EXPECT_EQ(g_wFavHeader, 0x5856);
    EXPECT_STREQ(db.Get<FavoriteList>(kTableFavorite, 1)->Name, "  Q");
}

TEST_F(Container, ZorvImageConvertsBothWaysWithAFreshCrc) {
    const int flashSize = Profile{}.FlashSize();
    std::vector<BYTE> zorv(64, 0);
    std::memcpy(zorv.data(), "ZORV", 4);
    for (int i = 4; i < 61; ++i)
        zorv[i] = static_cast<BYTE>(i);
    zorv[63] = 0x5A;
    Image img(flashSize);
    img.PutText(2, "Kids");
    img[4096 + 4096 - 5] = 1;           // one satellite
    img.PutText(4096 + 15, "Hot Bird"); // its name
    img[4096 + 14] = 2;                 // ID 2
    const auto flash = Bare(img);
    zorv.insert(zorv.end(), flash.begin(), flash.end());
    WriteFile(Path("in.zorv"), zorv);

    ASSERT_EQ(ImportToWorkingCopy(Path("in.zorv").string(), &prompt), 1);
    EXPECT_TRUE(g_bZorvImage);
    const auto work = ReadFile(g_szWorkImagePath);
    ASSERT_EQ(work.size(), zorv.size() + 22);
    EXPECT_EQ(Slice(work, 0, 22), (std::vector<BYTE>{'V', 'X', ' ', ' ', 0x50, 0, 0, 0, 0, 0, 0,
                                                     0,   0,   0,   0,   0,    0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(work, 22, zorv.size()), zorv);
    EXPECT_STREQ(db.Get<FavoriteList>(kTableFavorite, 1)->Name, "Kids");
    EXPECT_STREQ(db.Get<Satellite_Info_Tag>(kTableSatellite, 1)->Name, "Hot Bird");

    ASSERT_EQ(ExportWorkingCopy(Path("out.zorv").string()), 1);
    const auto out = ReadFile(Path("out.zorv"));
    ASSERT_EQ(out.size(), zorv.size());
    EXPECT_EQ(std::memcmp(out.data(), zorv.data(), 61), 0);
    EXPECT_EQ(out[63], 0x5A);
    std::vector<BYTE> range(out.begin() + 64, out.end());
    range.resize((range.size() + 1023) / 1024 * 1024, 0);
    const WORD crc = SlowCrc(range);
    EXPECT_EQ(Slice(out, 61, 2),
              (std::vector<BYTE>{static_cast<BYTE>(crc), static_cast<BYTE>(crc >> 8)}));
    // The satellite entry went back where it came from.
    EXPECT_EQ(std::memcmp(out.data() + 64 + 4096, zorv.data() + 64 + 4096, 32), 0);
}

TEST_F(Container, CrcPadsTheRangeToMultiplesOf1024) {
    for (std::size_t range : {1024u, 1025u, 1u, 0u}) {
        std::vector<BYTE> file(64 + range);
        for (std::size_t i = 0; i < file.size(); ++i)
            file[i] = static_cast<BYTE>(i * 7 + 3);
        WriteFile(Path("crc.bin"), file);
        std::vector<BYTE> padded(file.begin() + 64, file.end());
        padded.resize((range + 1023) / 1024 * 1024, 0);
        EXPECT_EQ(ComputeImageCRC(Path("crc.bin").string()), SlowCrc(padded)) << range;
    }
    EXPECT_EQ(ComputeImageCRC(Path("missing.bin").string()), 0);
}

TEST_F(Container, BareDumpTakesThePreviousHeaderText) {
    const int flashSize = Profile{}.FlashSize();
    Image bareImage(flashSize);
    bareImage.PutText(2, "Bare");
    const auto bare = Bare(bareImage);
    WriteFile(Path("bare.bin"), bare);
    ASSERT_EQ(ImportToWorkingCopy(Path("bare.bin").string(), &prompt), 1);
    auto work = ReadFile(g_szWorkImagePath);
    ASSERT_EQ(work.size(), bare.size() + 86);
    EXPECT_EQ(FirstNot(work, 6, 80, 0), -1) << "no image loaded before: zero header text";

    Image img(flashSize);
    img.SetHeaderText(0, "previous header");
    WriteFile(Path("vx.bin"), img.Bytes());
    ASSERT_EQ(ImportToWorkingCopy(Path("vx.bin").string(), &prompt), 1);
    ASSERT_EQ(ImportToWorkingCopy(Path("bare.bin").string(), &prompt), 1);
    work = ReadFile(g_szWorkImagePath);
    EXPECT_EQ(std::memcmp(work.data() + 6, "previous header", 15), 0);
    EXPECT_STREQ(db.Get<FavoriteList>(kTableFavorite, 1)->Name, "Bare");
}

TEST_F(Container, ImportFailuresAreReportedDistinctly) {
    EXPECT_EQ(ImportToWorkingCopy(Path("nope.bin").string(), &prompt), kImportFileError);
    WriteFile(Path("empty.bin"), {});
    EXPECT_EQ(ImportToWorkingCopy(Path("empty.bin").string(), &prompt), 0);
    EXPECT_EQ(ReadFile(g_szWorkImagePath).size(), 0u) << "an empty source, an empty copy";
    EXPECT_EQ(prompt.Asked().size(), 1u);
}

TEST_F(Container, SavingANeverLoadedCopyWritesHeaderAndBlocks) {
    auto f = NewRecord<FavoriteList>();
    std::strcpy(f->Name, "Only");
    db.Add(kTableFavorite, 1, std::move(f));
    ASSERT_EQ(ExportWorkingCopy(Path("fresh.bin").string()), 1);
    const auto out = ReadFile(Path("fresh.bin"));
    // Header, then blocks up to the end of the channel block.
    ASSERT_EQ(out.size(), 86u + 49152 + 64 * 4096);
    EXPECT_EQ(std::memcmp(out.data(), "VX  \x50\x00", 6), 0);
    EXPECT_EQ(std::memcmp(out.data() + 86 + 2, "Only", 4), 0);
}
