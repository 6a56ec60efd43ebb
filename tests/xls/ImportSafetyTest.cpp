// A workbook import replaces the channel table only after the whole workbook
// was read: each kind of damage leaves the channels as they were and says
// what is wrong; rows without a stored value are no channels; text cells
// written as LABEL records read like shared strings.
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "xls/BiffRecords.h"
#include "xls/ChannelWorkbook.h"
#include "xls/CompoundFile.h"
#include "xls/ExcelBook.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* kUnchanged = " The channel list was not changed.";

using Records = std::vector<std::pair<int, std::vector<std::uint8_t>>>;

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

std::vector<std::uint8_t> StreamOf(const Records& records) {
    biff::Writer w;
    for (const auto& [type, data] : records) {
        w.Begin(static_cast<std::uint16_t>(type));
        w.Raw(data);
        w.End();
    }
    return w.Bytes();
}

const auto kBof = Bytes({0, 6, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
const auto kSheetBof = Bytes({0, 6, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
const auto kChannelSheet = Bytes({0, 0, 0, 0, 0, 0, 7, 0, 'C', 'h', 'a', 'n', 'n', 'e', 'l'});

// An RK integer cell.
std::vector<std::uint8_t> Rk(int row, int col, int value) {
    const auto rk = static_cast<std::uint32_t>(value) << 2 | 2;
    return Bytes({row & 0xFF, row >> 8, col, 0, 15, 0, static_cast<int>(rk & 0xFF),
                  static_cast<int>((rk >> 8) & 0xFF), static_cast<int>((rk >> 16) & 0xFF),
                  static_cast<int>(rk >> 24)});
}

// A LABEL cell in BIFF8 form: 8-bit characters, or 16-bit with `wide`.
std::vector<std::uint8_t> Label(int row, int col, const std::u16string& text, bool wide) {
    auto out = Bytes(
        {row & 0xFF, row >> 8, col, 0, 15, 0, static_cast<int>(text.size()), 0, wide ? 1 : 0});
    for (char16_t c : text) {
        out.push_back(static_cast<std::uint8_t>(c));
        if (wide)
            out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return out;
}

class Import : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("velmar-import-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        db.ClearAll();
        for (int i = 0; i < 3; ++i) {
            auto c = NewRecord<Channel_Info_Tag>();
            std::snprintf(c->Name, sizeof c->Name, "Kept %d", i);
            c->SatID = 1;
            db.AddIndexed(kTableChannel, std::move(c));
        }
    }
    void TearDown() override {
        db.ClearAll();
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    std::string Write(const std::vector<std::uint8_t>& file, const char* name = "in.xls") {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()),
                   static_cast<std::streamsize>(file.size()));
        return path.string();
    }
    // The import fails with `message` and the three channels are still there.
    void ExpectRefused(const std::string& path, const std::string& message) {
        std::string error;
        EXPECT_FALSE(ImportChannelWorkbook(TheZorvDB(), path, &error));
        EXPECT_EQ(error, message);
        ASSERT_EQ(db.Size(kTableChannel), 3u);
        EXPECT_STREQ(db.NextAs<Channel_Info_Tag>(kTableChannel, 0)->Name, "Kept 0");
    }
    std::vector<std::uint8_t> GoodWorkbook(int channels) {
        CZorvDB saved;
        CExcelBook book;
        book.New(1);
        book.RenameWorksheet("Sheet1", "Channel");
        CExcelSheet* sheet = book.GetWorksheet("Channel");
        for (int col = 0; col < kChannelColumns; ++col)
            sheet->Cell(0, static_cast<unsigned>(col))->SetString(ChannelColumnName(col));
        for (int row = 1; row <= channels; ++row) {
            for (int col = 0; col < kChannelColumns; ++col)
                sheet->Cell(static_cast<unsigned>(row), static_cast<unsigned>(col))
                    ->SetInteger(row * 100 + col);
            sheet->Cell(static_cast<unsigned>(row), 13)
                ->SetString(("Channel " + std::to_string(row)).c_str());
        }
        return book.SaveToMemory();
    }

    CZorvDB& db = TheZorvDB();
    fs::path m_dir;
};

} // namespace

TEST_F(Import, ACompoundFileWithoutAWorkbookStream) {
    ExpectRefused(Write(cfb::WriteCompoundFile(u"Book", StreamOf({{0x0809, kBof}}))),
                  std::string("The file holds no \"Workbook\" stream, so it is not an Excel "
                              "97-2003 workbook.") +
                      kUnchanged);
}

TEST_F(Import, AStreamThatEndsEarlyOrChainsBadly) {
    const std::string broken = std::string("The workbook is damaged: its \"Workbook\" stream "
                                           "ends early or its sectors are chained wrongly.") +
                               kUnchanged;
    // Records: the sheet substream stops before its EOF.
    auto records = Records{{0x0809, kBof},
                           {0x0085, kChannelSheet},
                           {0x000A, {}},
                           {0x0809, kSheetBof},
                           {0x027E, Rk(1, 0, 7)}};
    ExpectRefused(Write(cfb::WriteCompoundFile(u"Workbook", StreamOf(records))), broken);
    // A record whose length runs past the end of the stream.
    auto stream = StreamOf({{0x0809, kBof},
                            {0x0085, kChannelSheet},
                            {0x000A, {}},
                            {0x0809, kSheetBof},
                            {0x027E, Rk(1, 0, 7)},
                            {0x000A, {}}});
    stream.resize(stream.size() - 2);
    ExpectRefused(Write(cfb::WriteCompoundFile(u"Workbook", stream)), broken);
    // A sheet named in the directory whose substream never comes.
    records = {{0x0809, kBof}, {0x0085, kChannelSheet}, {0x0085, kChannelSheet},
               {0x000A, {}},   {0x0809, kSheetBof},     {0x000A, {}}};
    ExpectRefused(Write(cfb::WriteCompoundFile(u"Workbook", StreamOf(records))), broken);
    // The stream's sector chain loops back on itself.
    auto file = GoodWorkbook(80); // large enough for regular sectors
    const std::uint32_t dir = file[48] | file[49] << 8;
    const std::size_t entry = (dir + 1) * 512 + 128; // the stream after the root
    const std::uint32_t start = file[entry + 116] | file[entry + 117] << 8;
    const std::size_t fatEntry = 512 + 4 * (start + 1); // FAT sector 0 is sector 0
    file[fatEntry] = static_cast<std::uint8_t>(start);
    file[fatEntry + 1] = static_cast<std::uint8_t>(start >> 8);
    file[fatEntry + 2] = file[fatEntry + 3] = 0;
    ExpectRefused(Write(file), broken);
}

TEST_F(Import, ASharedStringTableThatDoesNotParse) {
    // Two strings announced, the second cut short.
    const auto records =
        Records{{0x0809, kBof},
                {0x0085, kChannelSheet},
                {0x00FC, Bytes({2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 'a', 9, 0, 0, 'b'})},
                {0x000A, {}},
                {0x0809, kSheetBof},
                {0x000A, {}}};
    ExpectRefused(
        Write(cfb::WriteCompoundFile(u"Workbook", StreamOf(records))),
        std::string("The workbook is damaged: its table of shared strings cannot be read.") +
            kUnchanged);
}

TEST_F(Import, AWorkbookWithoutAChannelSheet) {
    CExcelBook book;
    book.New(2);
    ExpectRefused(Write(book.SaveToMemory()),
                  std::string("The workbook has no sheet named \"Channel\".") + kUnchanged);
}

TEST_F(Import, FilesThatAreNoWorkbookAtAll) {
    ExpectRefused(Write(Bytes({'V', 'X', ' ', ' '})),
                  std::string("The file is not an Excel 97-2003 workbook (.xls).") + kUnchanged);
    ExpectRefused(m_dir.string(),
                  m_dir.string() + " is a folder, not an Excel workbook." + kUnchanged);
    fs::create_directories(m_dir / "folder.xls");
    std::string error;
    EXPECT_FALSE(ImportChannelWorkbook(TheZorvDB(), (m_dir / "folder.xls").string(), &error));
    EXPECT_EQ(db.Size(kTableChannel), 3u);
}

TEST_F(Import, EveryTruncationAndByteFlipEitherReadsAllOrChangesNothing) {
    const auto good = GoodWorkbook(40);
    const std::string path = Write(good, "good.xls");
    ASSERT_TRUE(ImportChannelWorkbook(TheZorvDB(), path));
    ASSERT_EQ(db.Size(kTableChannel), 40u);
    int refused = 0, read = 0;
    auto check = [&](const std::vector<std::uint8_t>& file, const std::string& what) {
        db.ClearAll();
        auto c = NewRecord<Channel_Info_Tag>();
        std::strcpy(c->Name, "Mine");
        db.AddIndexed(kTableChannel, std::move(c));
        std::string error;
        if (ImportChannelWorkbook(TheZorvDB(), Write(file, "damaged.xls"), &error)) {
            ++read;
            // A flipped row number may move a cell to a row of its own; no row is lost.
            EXPECT_GE(db.Size(kTableChannel), 40u) << what << ": a partial list was taken";
        } else {
            ++refused;
            EXPECT_FALSE(error.empty()) << what;
            ASSERT_EQ(db.Size(kTableChannel), 1u) << what << ": " << error;
            EXPECT_STREQ(db.NextAs<Channel_Info_Tag>(kTableChannel, 0)->Name, "Mine");
        }
    };
    for (std::size_t cut = 0; cut < good.size(); cut += good.size() / 23 + 1)
        check(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(cut)),
              "cut at " + std::to_string(cut));
    for (std::size_t at = 0; at < good.size(); at += good.size() / 61 + 1) {
        auto flipped = good;
        flipped[at] ^= 0xFF;
        check(flipped, "byte " + std::to_string(at) + " flipped");
    }
    EXPECT_GT(refused, 20);
    EXPECT_GT(read, 10);
}

TEST_F(Import, RowsWithoutAStoredValueAreNoChannelsWhateverTheDimensionsSay) {
    // DIMENSIONS claims 60,000 rows; two rows hold cells, one of them after a
    // gap; a ROW record alone makes no channel. A late DIMENSIONS record
    // claiming fewer rows takes none away.
    const auto records = Records{
        {0x0809, kBof},
        {0x0085, kChannelSheet},
        {0x000A, {}},
        {0x0809, kSheetBof},
        {0x0200, Bytes({0, 0, 0, 0, 0x60, 0xEA, 0, 0, 0, 0, 60, 0, 0, 0})},
        {0x0208, Bytes({5, 0, 0, 0, 60, 0, 0xFF, 0, 0, 0, 0, 0, 0, 1, 0x0F, 0})},
        {0x027E, Rk(1, 0, 101)},
        {0x027E, Rk(4, 0, 104)},
        {0x0200, Bytes({0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0})},
        {0x000A, {}},
    };
    std::string error;
    ASSERT_TRUE(ImportChannelWorkbook(
        TheZorvDB(), Write(cfb::WriteCompoundFile(u"Workbook", StreamOf(records))), &error))
        << error;
    ASSERT_EQ(db.Size(kTableChannel), 2u);
    const auto* first = db.NextAs<Channel_Info_Tag>(kTableChannel, 0);
    EXPECT_EQ(first->ProgramNum, 101);
    EXPECT_EQ(db.NextAs<Channel_Info_Tag>(kTableChannel, first->Index)->ProgramNum, 104);
}

TEST_F(Import, LabelRecordsReadLikeSharedStrings) {
    const auto records = Records{
        {0x0809, kBof},
        {0x0085, kChannelSheet},
        {0x000A, {}},
        {0x0809, kSheetBof},
        {0x0204, Label(0, 0, u"ProgramNum", false)},
        {0x0204, Label(1, 0, u"42 and text", false)},
        {0x0204, Label(1, 13, u"Caf\u00e9 1", false)},
        {0x027E, Rk(1, 3, 1)},
        {0x0204, Label(2, 13, u"\u20ac News", true)},
        {0x00D6, Label(3, 13, u"Rich", false)}, // RSTRING: LABEL with runs after the text
        {0x000A, {}},
    };
    const auto file = cfb::WriteCompoundFile(u"Workbook", StreamOf(records));
    CExcelBook book;
    ASSERT_TRUE(book.LoadFromMemory(file));
    const CExcelSheet* sheet = book.GetWorksheet("Channel");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->At(1, 13).Type(), CExcelCell::kString) << "8-bit text, type 3";
    EXPECT_STREQ(sheet->At(1, 13).GetString(), "Caf\xE9 1");
    EXPECT_EQ(sheet->At(2, 13).Type(), CExcelCell::kWString) << "16-bit text, type 4";
    EXPECT_EQ(std::u16string(sheet->At(2, 13).GetWString()), u"\u20ac News");
    std::string error;
    ASSERT_TRUE(ImportChannelWorkbook(TheZorvDB(), Write(file), &error)) << error;
    ASSERT_EQ(db.Size(kTableChannel), 3u);
    const auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0);
    EXPECT_EQ(c->ProgramNum, 42) << "a text cell in a numeric column reads as a number";
    EXPECT_STREQ(c->Name, "Caf\xE9 1");
    c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index);
    EXPECT_STREQ(c->Name, "\x80 News") << "converted to the 8-bit code page";
    c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index);
    EXPECT_STREQ(c->Name, "Rich");
}

TEST_F(Import, ParsedChannelsAreAValueTheEditorCanApplyLater) {
    const std::string path = Write(GoodWorkbook(5));
    std::string error;
    const auto channels = ReadChannelWorkbook(path, error);
    ASSERT_TRUE(channels.has_value()) << error;
    EXPECT_EQ(channels->size(), 5u);
    EXPECT_EQ(db.Size(kTableChannel), 3u) << "reading changes nothing";
    ReplaceChannelTable(TheZorvDB(), *channels);
    EXPECT_EQ(db.Size(kTableChannel), 5u);
    EXPECT_STREQ(db.NextAs<Channel_Info_Tag>(kTableChannel, 0)->Name, "Channel 1");
}
