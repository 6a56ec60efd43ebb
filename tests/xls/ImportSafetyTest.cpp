// A workbook import replaces the channel table only after the whole workbook
// was read: each kind of damage leaves the channels as they were and says
// what is wrong; rows without a stored value are no channels; text cells
// written as LABEL records read like shared strings.
#include "tests/xls/XlsTestSupport.h"
#include "xls/ChannelWorkbook.h"

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;

constexpr const char* kUnchanged = " The channel list was not changed.";

Bytes Of(std::initializer_list<int> values) {
    Bytes out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

// A LABEL cell in BIFF8 form: 8-bit characters, or 16-bit with `wide`.
Bytes Label(int row, int col, const std::u16string& text, bool wide) {
    auto out =
        Of({row & 0xFF, row >> 8, col, 0, 15, 0, static_cast<int>(text.size()), 0, wide ? 1 : 0});
    for (char16_t c : text) {
        out.push_back(static_cast<std::uint8_t>(c));
        if (wide)
            out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return out;
}

class Import : public WorkbookTest {
protected:
    void SetUp() override {
        WorkbookTest::SetUp();
        AddChannels(db, 3, "Kept %d");
    }
    // The import fails with `message` and the three channels are still there.
    void ExpectRefused(const std::string& path, const std::string& message) {
        std::string error;
        EXPECT_FALSE(ImportChannelWorkbook(TheZorvDB(), path, &error));
        EXPECT_EQ(error, message);
        EXPECT_EQ(Names(db), (std::vector<std::string>{"Kept 1", "Kept 2", "Kept 3"}));
    }
    Bytes GoodWorkbook(int channels) {
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
};

} // namespace

// Each kind of damage is refused with its own reason.
TEST_F(Import, DamagedWorkbooksAreRefusedWithTheirReason) {
    const std::string broken = "The workbook is damaged: its \"Workbook\" stream ends early or its "
                               "sectors are chained wrongly.";
    // A record whose length runs past the end of the stream; a sheet
    // substream that stops before its EOF.
    Bytes overrun = StreamOf(ChannelBook({{0x027E, Rk(1, 0, 7)}}));
    overrun.resize(overrun.size() - 2);
    Records unended = ChannelBook({{0x027E, Rk(1, 0, 7)}});
    unended.pop_back();
    // The stream's sector chain loops back on itself.
    auto loop = GoodWorkbook(80); // large enough for regular sectors
    const std::uint32_t dir = loop[48] | loop[49] << 8;
    const std::size_t entry = (dir + 1) * 512 + 128; // the stream after the root
    const std::uint32_t start = loop[entry + 116] | loop[entry + 117] << 8;
    Put32(loop, 512 + 4 * (start + 1), start); // FAT sector 0 is sector 0
    CExcelBook twoSheets;
    twoSheets.New(2);
    const std::pair<Bytes, std::string> cases[] = {
        {cfb::WriteCompoundFile(u"Book", StreamOf({{0x0809, kBof}})),
         "The file holds no \"Workbook\" stream, so it is not an Excel 97-2003 workbook."},
        {WorkbookOf(unended), broken},
        {cfb::WriteCompoundFile(u"Workbook", overrun), broken},
        // A sheet named in the directory whose substream never comes.
        {WorkbookOf(ChannelBook({}, {{0x0085, kChannelSheet}})), broken},
        {loop, broken},
        // Two strings announced, the second cut short.
        {WorkbookOf(
             ChannelBook({}, {{0x00FC, Of({2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 'a', 9, 0, 0, 'b'})}})),
         "The workbook is damaged: its table of shared strings cannot be read."},
        {twoSheets.SaveToMemory(), "The workbook has no sheet named \"Channel\"."},
        {Of({'V', 'X', ' ', ' '}), "The file is not an Excel 97-2003 workbook (.xls)."},
    };
    for (const auto& [file, message] : cases)
        ExpectRefused(Write(file), message + kUnchanged);
    fs::create_directories(m_dir / "folder.xls");
    for (const fs::path& folder : {m_dir, m_dir / "folder.xls"})
        ExpectRefused(folder.string(),
                      folder.string() + " is a folder, not an Excel workbook." + kUnchanged);
}

TEST_F(Import, EveryTruncationAndByteFlipEitherReadsAllOrChangesNothing) {
    const auto good = GoodWorkbook(40);
    const std::string path = Write(good, "good.xls");
    ASSERT_TRUE(ImportChannelWorkbook(TheZorvDB(), path));
    ASSERT_EQ(db.Size(kTableChannel), 40u);
    int refused = 0, read = 0;
    auto check = [&](const Bytes& file, const std::string& what) {
        db.ClearAll();
        AddChannels(db, 1, "Mine");
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
        check(Bytes(good.begin(), good.begin() + static_cast<long>(cut)),
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
    const auto records = ChannelBook({
        {0x0200, Of({0, 0, 0, 0, 0x60, 0xEA, 0, 0, 0, 0, 60, 0, 0, 0})},
        {0x0208, Of({5, 0, 0, 0, 60, 0, 0xFF, 0, 0, 0, 0, 0, 0, 1, 0x0F, 0})},
        {0x027E, Rk(1, 0, 101)},
        {0x027E, Rk(4, 0, 104)},
        {0x0200, Of({0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0})},
    });
    std::string error;
    ASSERT_TRUE(ImportChannelWorkbook(TheZorvDB(), Write(WorkbookOf(records)), &error)) << error;
    std::vector<int> numbers;
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        numbers.push_back(c.ProgramNum);
    EXPECT_EQ(numbers, (std::vector<int>{101, 104}));
}

TEST_F(Import, LabelRecordsReadLikeSharedStrings) {
    const auto records = ChannelBook({
        {0x0204, Label(0, 0, u"ProgramNum", false)},
        {0x0204, Label(1, 0, u"42 and text", false)},
        {0x0204, Label(1, 13, u"Caf\u00e9 1", false)},
        {0x027E, Rk(1, 3, 1)},
        {0x0204, Label(2, 13, u"\u20ac News", true)},
        {0x00D6, Label(3, 13, u"Rich", false)}, // RSTRING: LABEL with runs after the text
    });
    const auto file = WorkbookOf(records);
    CExcelBook book;
    ASSERT_TRUE(book.LoadFromMemory(file));
    const CExcelSheet* sheet = book.GetWorksheet("Channel");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(Text(sheet->At(1, 13)), "s Caf\xE9 1");
    EXPECT_EQ(Text(sheet->At(2, 13)), "w 20ac 20 4e 65 77 73");
    std::string error;
    ASSERT_TRUE(ImportChannelWorkbook(TheZorvDB(), Write(file), &error)) << error;
    // The euro sign converted to the 8-bit code page.
    ASSERT_EQ(Names(db), (std::vector<std::string>{"Caf\xE9 1", "\x80 News", "Rich"}));
    EXPECT_EQ(db.NextAs<Channel_Info_Tag>(kTableChannel, 0)->ProgramNum, 42)
        << "a text cell in a numeric column reads as a number";
}

TEST_F(Import, ParsedChannelsAreAValueTheEditorCanApplyLater) {
    const std::string path = Write(GoodWorkbook(5));
    std::string error;
    const auto channels = ReadChannelWorkbook(path, error);
    ASSERT_TRUE(channels.has_value()) << error;
    EXPECT_EQ(channels->size(), 5u);
    EXPECT_EQ(db.Size(kTableChannel), 3u) << "reading changes nothing";
    ReplaceChannelTable(TheZorvDB(), *channels);
    EXPECT_EQ(Names(db), (std::vector<std::string>{"Channel 1", "Channel 2", "Channel 3",
                                                   "Channel 4", "Channel 5"}));
}
