// The compound file container: the written header byte for byte, streams on
// both sides of the mini-stream cut-off and past one FAT sector, and broken
// files that must fail without looping or reading past the buffer. A new
// workbook is written from the buffer its stream was built in, after a head
// laid out for it: the file must be, byte for byte, the one the container
// writer makes with the stream copied in, on both sides of the mini-stream
// cut-off, of a sector's end and of the header's 109 FAT sectors.
#include "xls/CompoundFile.h"
#include "tests/xls/XlsTestSupport.h"

#include <cstring>

using namespace velmar::test;

namespace {

std::vector<std::uint8_t> Data(std::size_t size) {
    std::vector<std::uint8_t> d(size);
    for (std::size_t i = 0; i < size; ++i)
        d[i] = static_cast<std::uint8_t>(i * 31 + i / 251);
    return d;
}

constexpr std::uint32_t kEnd = 0xFFFFFFFE, kFree = 0xFFFFFFFF;
const std::uint8_t kSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

// A hand-made header: signature, version, sector shift, mini sector shift
// and cut-off; no mini FAT.
void PutHeader(Bytes& f, std::uint8_t major, std::uint8_t shift, std::uint32_t fatSectors,
               std::uint32_t directory) {
    std::memcpy(f.data(), kSignature, sizeof kSignature);
    f[26] = major;
    f[30] = shift;
    f[32] = 6;
    Put32(f, 44, fatSectors);
    Put32(f, 48, directory);
    Put32(f, 56, 4096);
    Put32(f, 60, kEnd);
}

// A directory entry at `at`: name, type, child, first sector and size.
void PutEntry(Bytes& f, std::size_t at, std::u16string_view name, std::uint8_t type,
              std::uint32_t child, std::uint32_t start, std::uint32_t size) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        f[at + 2 * i] = static_cast<std::uint8_t>(name[i]);
        f[at + 2 * i + 1] = static_cast<std::uint8_t>(name[i] >> 8);
    }
    f[at + 64] = static_cast<std::uint8_t>(2 * (name.size() + 1));
    f[at + 66] = type;
    Put32(f, at + 68, kFree);
    Put32(f, at + 72, kFree);
    Put32(f, at + 76, child);
    Put32(f, at + 116, start);
    Put32(f, at + 120, size);
}

bool Read(const std::vector<std::uint8_t>& file, std::vector<std::uint8_t>& out) {
    cfb::CCompoundFileReader reader;
    return reader.Open(file) && reader.ReadStream(u"Workbook", out);
}

} // namespace

TEST(CompoundFile, WrittenHeaderMatchesTheLayoutByteForByte) {
    const auto file = cfb::WriteCompoundFile(u"Workbook", Data(5000));
    // Signature, class id, minor version 0x3B, major 3, byte order FFFE,
    // sector shift 9, mini sector shift 6, reserved, directory sectors (none
    // counted in version 3), one FAT sector, the directory in sector 1,
    // transaction 0, cut-off 4096, no mini FAT (FFFFFFFE, 0), no DIFAT
    // (FFFFFFFE, 0), the FAT in sector 0; the other entries free.
    const std::string head =
        "d0cf11e0a1b11ae1 00000000000000000000000000000000 3b00 0300 feff 0900 "
        "0600 000000000000 00000000 01000000 01000000 00000000 00100000 "
        "feffffff 00000000 feffffff 00000000 00000000";
    Bytes expect;
    for (std::size_t at = 0; at < head.size(); at += head[at] == ' ' ? 1 : 2)
        if (head[at] != ' ')
            expect.push_back(static_cast<std::uint8_t>(std::stoi(head.substr(at, 2), nullptr, 16)));
    expect.resize(512, 0xFF);
    ASSERT_GE(file.size(), 512u);
    for (std::size_t i = 0; i < 512; ++i)
        ASSERT_EQ(file[i], expect[i]) << "first differing offset " << i;
    // Sector 0 is the FAT and marks itself; sector 1 is the directory: the
    // root storage (name length with terminator 22), then the stream.
    const std::size_t root = 2 * 512;
    EXPECT_EQ(std::memcmp(&file[root], "R\0o\0o\0t\0 \0E\0n\0t\0r\0y\0", 20), 0);
    EXPECT_EQ((std::vector<std::uint32_t>{At32(file, 512), At32(file, 516), file[root + 64],
                                          file[root + 66], file[root + 128 + 66],
                                          At32(file, root + 128 + 120)}),
              (std::vector<std::uint32_t>{0xFFFFFFFD, kEnd, 22, 5, 2, 5000}));
}

TEST(CompoundFile, StreamsOfEverySizeComeBack) {
    for (std::size_t size : {0u, 1u, 64u, 65u, 4095u, 4096u, 4097u, 65536u, 70000u, 400000u}) {
        const auto data = Data(size);
        const auto file = cfb::WriteCompoundFile(u"Workbook", data);
        EXPECT_EQ(file.size() % 512, 0u);
        std::vector<std::uint8_t> back;
        ASSERT_TRUE(Read(file, back)) << size;
        EXPECT_EQ(back, data) << size;
        EXPECT_TRUE(size < 400000 || At32(file, 44) > 1) << "several FAT sectors";
    }
    const auto file = cfb::WriteCompoundFile(u"Workbook", Data(100));
    cfb::CCompoundFileReader reader;
    ASSERT_TRUE(reader.Open(file));
    std::vector<std::uint8_t> out;
    EXPECT_TRUE(reader.ReadStream(u"WORKBOOK", out)) << "names compare without case";
    EXPECT_FALSE(reader.ReadStream(u"Book", out));
}

TEST(CompoundFile, FatExtensionSectorsAreFollowed) {
    // 110 FAT sectors: the header lists 109, the 110th comes from a DIFAT
    // sector. Sectors: FAT 0-109, DIFAT 110, directory 111, data 112-129.
    constexpr std::uint32_t kFat = 110, kDifat = 110, kDir = 111, kData = 112, kCount = 18;
    std::vector<std::uint8_t> f((kData + kCount + 1) * 512, 0);
    auto at = [](std::uint32_t sector) { return (std::size_t{sector} + 1) * 512; };
    PutHeader(f, 3, 9, kFat, kDir);
    Put32(f, 68, kDifat);
    Put32(f, 72, 1);
    for (std::uint32_t i = 0; i < 109; ++i)
        Put32(f, 76 + 4 * i, i);
    for (std::uint32_t i = 0; i < 127; ++i)
        Put32(f, at(kDifat) + 4 * i, i == 0 ? 109 : kFree);
    Put32(f, at(kDifat) + 508, kEnd);
    std::vector<std::uint32_t> fat(kFat * 128, kFree);
    for (std::uint32_t i = 0; i < kFat; ++i)
        fat[i] = 0xFFFFFFFD;
    fat[kDifat] = 0xFFFFFFFC;
    fat[kDir] = kEnd;
    for (std::uint32_t i = 0; i < kCount; ++i)
        fat[kData + i] = i + 1 < kCount ? kData + i + 1 : kEnd;
    for (std::size_t i = 0; i < fat.size(); ++i)
        Put32(f, at(static_cast<std::uint32_t>(i / 128)) + 4 * (i % 128), fat[i]);
    PutEntry(f, at(kDir), u"Root Entry", 5, 1, kEnd, 0);
    PutEntry(f, at(kDir) + 128, u"Workbook", 2, kFree, kData, 9000);
    const auto data = Data(9000);
    std::memcpy(&f[at(kData)], data.data(), data.size());
    std::vector<std::uint8_t> back;
    ASSERT_TRUE(Read(f, back));
    EXPECT_EQ(back, data);
    // A DIFAT chain pointing at itself ends: the FAT count bounds the walk.
    Put32(f, 44, 129);
    Put32(f, at(kDifat) + 508, kDifat);
    Read(f, back);                  // returns at all: that is the check
    Put32(f, at(kDifat) + 4, 4000); // a FAT sector beyond the file
    EXPECT_FALSE(Read(f, back));
}

// A version 4 file has 4096-byte sectors, the header alone in the first.
TEST(CompoundFile, VersionFourFilesWithLargeSectorsAreRead) {
    constexpr std::size_t Z = 4096;
    std::vector<std::uint8_t> f(5 * Z, 0); // header, FAT, directory, two stream sectors
    PutHeader(f, 4, 12, 1, 1);             // one FAT sector, the directory in sector 1
    f[24] = 0x3E;                          // minor version
    f[28] = 0xFE;                          // byte order mark
    f[29] = 0xFF;
    Put32(f, 68, kEnd); // no DIFAT sectors
    for (std::size_t i = 0; i < 109; ++i)
        Put32(f, 76 + 4 * i, i == 0 ? 0 : kFree);
    const std::uint32_t fat[] = {0xFFFFFFFD, kEnd, 3, kEnd};
    for (std::size_t i = 0; i < Z / 4; ++i)
        Put32(f, Z + 4 * i, i < 4 ? fat[i] : kFree);
    PutEntry(f, 2 * Z, u"Root Entry", 5, 1, kEnd, 0);
    PutEntry(f, 2 * Z + 128, u"Workbook", 2, kFree, 2, 5000);
    const auto data = Data(5000);
    std::copy(data.begin(), data.end(), f.begin() + 3 * Z);
    std::vector<std::uint8_t> out;
    ASSERT_TRUE(Read(f, out));
    EXPECT_EQ(out, data);
}

TEST(CompoundFile, BrokenFilesFailCleanly) {
    const auto good = cfb::WriteCompoundFile(u"Workbook", Data(9000));
    const auto small = cfb::WriteCompoundFile(u"Workbook", Data(300));
    auto with = [](Bytes f, std::size_t at, std::uint32_t v) {
        Put32(f, at, v);
        return f;
    };
    Bytes shift = good, notRoot = good;
    shift[30] = 30;
    notRoot[2 * 512 + 66] = 2;
    const std::pair<const char*, Bytes> cases[] = {
        {"empty", {}},
        {"signature", with(good, 0, 0x12345678)},
        {"truncated header", Bytes(good.begin(), good.begin() + 300)},
        {"truncated data", Bytes(good.begin(), good.end() - 1024)},
        {"sector shift", shift},
        {"FAT sector out of range", with(good, 76, 999999)},
        {"FAT count huge", with(good, 44, 0x7FFFFFFF)},
        // Stream data starts at sector 2; point sector 2 at itself: a loop.
        {"cyclic FAT", with(good, 512 + 4 * 2, 2)},
        {"chain out of range", with(good, 512 + 4 * 2, 5000)},
        {"directory chain loops", with(good, 512 + 4 * 1, 1)},
        {"size beyond chain", with(good, 2 * 512 + 128 + 120, 900000)},
        // The FAT sector itself as DIFAT: a loop.
        {"DIFAT loops", with(with(good, 44, 200), 68, 0)},
        {"mini FAT loops", with(small, 512 + 4 * 2, 2)},
        {"mini chain loops", with(small, 3 * 512, 0)}, // mini sector 0 to itself
        {"root is not a root", notRoot},
    };
    std::vector<std::uint8_t> out;
    for (const auto& [what, file] : cases)
        EXPECT_FALSE(Read(file, out)) << "case: " << what;
}

TEST(CompoundFile, DirectoryThatPointsToItselfIsWalkedOnce) {
    auto file = cfb::WriteCompoundFile(u"Other", Data(100));
    const std::size_t stream = 2 * 512 + 128;
    Put32(file, stream + 68, 1); // left sibling: itself
    Put32(file, stream + 72, 0); // right sibling: the root
    cfb::CCompoundFileReader reader;
    ASSERT_TRUE(reader.Open(file));
    std::vector<std::uint8_t> out;
    EXPECT_FALSE(reader.ReadStream(u"Workbook", out));
    EXPECT_TRUE(reader.ReadStream(u"Other", out));
}

TEST(StreamInPlace, HeadStreamAndPaddingAreTheWholeFile) {
    // 109 FAT sectors of 128 entries cover 13,952 sectors; past them the
    // FAT needs an extension sector, ahead of the stream.
    constexpr std::size_t kDifat = 13952 * 512;
    for (const std::size_t size : {std::size_t{4096}, std::size_t{4097}, std::size_t{5119},
                                   std::size_t{5120}, kDifat - 4096, kDifat + 4096}) {
        SCOPED_TRACE(size);
        const Bytes data = Data(size);
        const Bytes whole = cfb::WriteCompoundFile(u"Workbook", data);
        Bytes pieces = cfb::CompoundFileHead(u"Workbook", size);
        ASSERT_FALSE(pieces.empty());
        pieces.insert(pieces.end(), data.begin(), data.end());
        pieces.insert(pieces.end(), cfb::SectorPadding(size), 0);
        ASSERT_EQ(pieces.size(), whole.size());
        EXPECT_TRUE(pieces == whole);
    }
    // No head where the stream would not stand apart at the end.
    EXPECT_TRUE(cfb::CompoundFileHead(u"Workbook", 4095).empty());
    EXPECT_TRUE(cfb::CompoundFileHead(std::u16string(32, u'x'), 8192).empty());
    EXPECT_EQ(cfb::SectorPadding(512), 0u);
    EXPECT_EQ(cfb::SectorPadding(513), 511u);
}

class StreamInPlaceBook : public WorkbookTest {};

TEST_F(StreamInPlaceBook, ANewWorkbookOnDiskIsTheOneBuiltInMemory) {
    for (const int rows : {3, 400}) { // a stream in the mini stream, one in sectors
        SCOPED_TRACE(rows);
        CExcelBook book;
        book.New(1);
        CExcelSheet* sheet = book.GetWorksheet("Sheet1");
        ASSERT_NE(sheet, nullptr);
        for (int r = 0; r < rows; ++r) {
            sheet->Cell(static_cast<unsigned>(r), 0)->SetInteger(r * 1000);
            sheet->Cell(static_cast<unsigned>(r), 1)
                ->SetString(("row " + std::to_string(r)).c_str());
        }
        const std::string path = (m_dir / ("book" + std::to_string(rows) + ".xls")).string();
        ASSERT_TRUE(book.SaveAs(path));
        const Bytes onDisk = ReadBytes(path);
        EXPECT_TRUE(onDisk == book.SaveToMemory());
        EXPECT_EQ(onDisk.size() % 512, 0u);
    }
}
