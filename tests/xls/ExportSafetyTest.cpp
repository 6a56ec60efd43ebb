// Exporting into an existing workbook keeps everything else in it: the other
// sheets' records, the global records, every other stream of the compound
// file, byte for byte where nothing had to move. A workbook that cannot be
// kept whole is refused and left as it was. Large exports use DIFAT sectors.
#include "platform/FileOps.h"
#include "tests/xls/XlsTestSupport.h"
#include "xls/ChannelWorkbook.h"

#include <map>

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;

// Every stream of a compound file by name (the Workbook stream included).
std::map<std::u16string, Bytes> Streams(const Bytes& file) {
    cfb::CCompoundFileReader reader;
    std::vector<cfb::DirectoryEntry> entries;
    EXPECT_TRUE(reader.Open(file));
    EXPECT_TRUE(reader.ReadAll(entries));
    std::map<std::u16string, Bytes> streams;
    for (const auto& e : entries)
        if (e.Type() == 2)
            streams[e.Name()] = e.data;
    return streams;
}

using Substream = std::vector<std::pair<std::uint16_t, Bytes>>; // type, data with CONTINUEs

// The workbook stream as its substreams: globals first, then each sheet.
std::vector<Substream> Substreams(const Bytes& stream) {
    std::vector<Substream> out;
    biff::Reader reader(stream);
    biff::Record r;
    int depth = 0;
    while (reader.Next(r)) {
        if (r.type == biff::kBof && depth++ == 0)
            out.emplace_back();
        if (r.type == biff::kEof)
            --depth;
        if (!out.empty())
            out.back().emplace_back(r.type, r.data);
    }
    return out;
}

// The records with what an export into the workbook moves blanked: the
// sheets' positions in the directory, the string table's index and a sheet's
// cell index.
Substream Unmoved(Substream records) {
    for (auto& [type, data] : records)
        if (type == biff::kBoundSheet && data.size() >= 4)
            std::fill_n(data.begin(), 4, 0);
        else if (type == biff::kExtSst || type == biff::kIndex)
            data.clear();
    return records;
}

const std::string kNotes =
    std::string(VELMAR_SOURCE_DIR) + "/tests/xls/fixtures/libreoffice-notes.xls";

class Export : public WorkbookTest {
protected:
    // The export is refused with a message naming the cause; the file is
    // left byte for byte and nothing else appears.
    void ExpectRefused(const fs::path& path, const std::string& cause) {
        const Bytes before = fs::is_regular_file(path) ? ReadBytes(path) : Bytes{};
        const auto entries = std::distance(fs::directory_iterator(m_dir), {});
        std::string message;
        EXPECT_FALSE(ExportChannelWorkbook(TheZorvDB(), path.string(), &message));
        EXPECT_NE(message.find(cause), std::string::npos) << message;
        EXPECT_EQ(fs::is_regular_file(path) ? ReadBytes(path) : Bytes{}, before);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), {}), entries);
    }
    // The saved workbook: its first sheet as it was (one integer 2) and
    // "Channel" appended after it; the first sheet's name.
    std::string KeptAndAppended(const fs::path& path) {
        CExcelBook book;
        EXPECT_TRUE(book.Load(path.string()));
        EXPECT_EQ(book.SheetCount(), 2u);
        if (book.SheetCount() != 2)
            return {};
        EXPECT_EQ(Rows(*book.Sheet(0)), std::vector<std::string>{"i 2"});
        EXPECT_EQ(book.Sheet(1)->Name(), "Channel");
        return book.Sheet(0)->Name();
    }
};

// The stream of `globals` and one sheet holding the integer 2.
Bytes WithASheet(Records records) {
    records.insert(records.end(), {{biff::kBof, kSheetBof},
                                   {biff::kRk, Bytes{0, 0, 0, 0, 15, 0, 0x0A, 0, 0, 0}},
                                   {biff::kEof, {}}});
    return StreamOf(records);
}

} // namespace

TEST_F(Export, EverythingElseInAForeignWorkbookIsKept) {
    const fs::path path = m_dir / "notes.xls";
    fs::copy_file(kNotes, path);
    const Bytes original = ReadBytes(path);
    AddChannels(db, 100);
    std::string message;
    ASSERT_TRUE(ExportChannelWorkbook(TheZorvDB(), path.string(), &message)) << message;
    const Bytes written = ReadBytes(path);

    // Every other stream of the compound file, byte for byte; the global
    // records in their order, unchanged but for the sheet directory (new
    // positions) and the string table's index (it moved); the second sheet,
    // record for record, its INDEX moved with it.
    auto before = Streams(original), after = Streams(written);
    ASSERT_EQ(before.size(), 5u) << "Workbook, CompObj, Ole and the two property streams";
    const auto old = Substreams(before[u"Workbook"]), now = Substreams(after[u"Workbook"]);
    before.erase(u"Workbook");
    after.erase(u"Workbook");
    EXPECT_TRUE(after == before);
    ASSERT_EQ(old.size(), 3u) << "globals, Channel, Notes";
    ASSERT_EQ(now.size(), 3u);
    EXPECT_EQ(Unmoved(now[0]), Unmoved(old[0]));
    EXPECT_EQ(Unmoved(now[2]), Unmoved(old[2]));

    // And what our reader sees: the new channels in place of the old sheet.
    CExcelBook book;
    ASSERT_TRUE(book.Load(path.string()));
    ASSERT_EQ(book.SheetCount(), 2u);
    EXPECT_EQ(book.Sheet(0)->Name(), "Channel") << "replaced where it was";
    EXPECT_EQ(book.Sheet(1)->Name(), "Notes");
    // 12.5 stays in the file as LibreOffice wrote it (an RK value of 1250 with the x100
    // flag, see the records above); the reader's RK rule reads it as the integer 12.
    EXPECT_EQ(book.Sheet(1)->At(0, 0).GetInteger(), 12);
    EXPECT_STREQ(book.Sheet(1)->At(0, 1).GetString(), "merged");
    db.ClearAll();
    ASSERT_TRUE(ImportChannelWorkbook(TheZorvDB(), path.string(), &message)) << message;
    EXPECT_EQ(db.Size(kTableChannel), 100u);
    EXPECT_STREQ(db.NextAs<Channel_Info_Tag>(kTableChannel, 0)->Name, "Channel 1");

    // Exporting again into what we wrote changes nothing but the channels.
    ASSERT_TRUE(ExportChannelWorkbook(TheZorvDB(), path.string(), &message)) << message;
    EXPECT_EQ(ReadBytes(path), written);
}

TEST_F(Export, AWorkbookThatCannotBeKeptWholeIsRefused) {
    AddChannels(db, 3);
    Bytes cut = Streams(ReadBytes(kNotes))[u"Workbook"];
    cut.resize(cut.size() - 30);
    Bytes damaged = ReadBytes(kNotes);
    damaged[48] = 0x70; // the directory in a sector beyond the file
    const std::pair<Bytes, std::string> cases[] = {
        // Another program's document.
        {cfb::WriteCompoundFile(u"WordDocument", Bytes(5000, 7)), "holds no \"Workbook\" stream"},
        {cfb::WriteCompoundFile(u"Workbook", cut), "ends early"},
        {WorkbookOf({{biff::kBof, kBof}, {biff::kFilePass, Bytes(54, 1)}}),
         "protected with a password"},
        {damaged, "its sector tables or its directory cannot be read"},
    };
    for (const auto& [file, cause] : cases)
        ExpectRefused(Write(file, "refused.xls"), cause);
    fs::create_directories(m_dir / "folder.xls");
    ExpectRefused(m_dir / "folder.xls", "is a folder");
}

TEST_F(Export, AFileThatIsNoWorkbookOrNoFileBecomesANewWorkbook) {
    AddChannels(db, 2);
    const fs::path image = m_dir / "image.xls";
    WriteBytes(image, Bytes{'V', 'X', ' ', ' ', 80, 0});
    ASSERT_TRUE(ExportChannelWorkbook(TheZorvDB(), image.string()));
    CExcelBook book;
    ASSERT_TRUE(book.Load(image.string()));
    ASSERT_EQ(book.SheetCount(), 1u);
    EXPECT_EQ(book.Sheet(0)->Name(), "Channel");
    ASSERT_TRUE(ExportChannelWorkbook(TheZorvDB(), (m_dir / "new.xls").string()));
    EXPECT_TRUE(fs::exists(m_dir / "new.xls"));
}

TEST_F(Export, AFailingWriterLeavesTheWorkbookAsItWas) {
    const fs::path path = m_dir / "notes.xls";
    fs::copy_file(kNotes, path);
    const Bytes original = ReadBytes(path);
    AddChannels(db, 200);
    for (const std::int64_t n : {0, 1, 511, 512, 4096, 20000, 50000}) {
        CFailingFileOps failing;
        failing.failAfter = n;
        CScopedFileOps scope(failing);
        std::string message;
        EXPECT_FALSE(ExportChannelWorkbook(TheZorvDB(), path.string(), &message)) << n;
        EXPECT_EQ(message, "Cannot save channel file");
        ASSERT_EQ(ReadBytes(path), original) << n;
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), {}), 1) << n;
    }
    CFailingFileOps failing;
    failing.failClose = true;
    CScopedFileOps scope(failing);
    EXPECT_FALSE(ExportChannelWorkbook(TheZorvDB(), path.string()));
    EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(Export, EveryChannelCountUpToAFullSheetExports) {
    AddChannels(db, 65535);
    const fs::path path = m_dir / "full.xls";
    std::string message;
    ASSERT_TRUE(ExportChannelWorkbook(TheZorvDB(), path.string(), &message)) << message;
    const Bytes file = ReadBytes(path);
    // Far beyond 109 FAT sectors: the header names extension sectors, the
    // directory still stands in sector 1 and the further FAT sectors follow it.
    const std::uint32_t fatSectors = At32(file, 44);
    EXPECT_GT(fatSectors, 109u);
    EXPECT_EQ(At32(file, 48), 1u);
    EXPECT_GT(At32(file, 72), 0u) << "DIFAT sectors";
    EXPECT_NE(At32(file, 68), 0xFFFFFFFEu);
    EXPECT_EQ(At32(file, 76), 0u);
    for (std::uint32_t i = 1; i < 109; ++i)
        ASSERT_EQ(At32(file, 76 + 4 * i), i + 1) << "FAT sector " << i;
    db.ClearAll();
    ASSERT_TRUE(ImportChannelWorkbook(TheZorvDB(), path.string(), &message)) << message;
    const auto names = Names(db);
    ASSERT_EQ(names.size(), 65535u);
    EXPECT_EQ(names.back(), "Channel 65535");

    // One more than a sheet holds: refused, the file as it was.
    AddChannels(db, 1);
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    EXPECT_FALSE(ExportChannelWorkbook(TheZorvDB(), path.string(), &message));
    EXPECT_EQ(message, "The channel list has 65,536 channels, but a workbook sheet holds at most "
                       "65,535. Remove 1 channels and save again.");
    EXPECT_EQ(fs::file_size(path, ec), size);
}

TEST_F(Export, AnAddedSheetIsCountedWhereTheWorkbookCountsItsSheets) {
    // One sheet "Notes"; the workbook's reference to itself (SUPBOOK) says
    // one sheet, the tab ids list one.
    const Records globals = {
        {biff::kBof, kBof},
        {biff::kTabId, Bytes{5, 0}},
        {biff::kBoundSheet, Bytes{0, 0, 0, 0, 0, 0, 5, 0, 'N', 'o', 't', 'e', 's'}},
        {biff::kSupBook, Bytes{1, 0, 1, 4}},
        {biff::kEof, {}}};
    Bytes stream = WithASheet(globals);
    // The sheet's position, after BOF and TABID.
    Put32(stream, 20 + 6 + 4, static_cast<std::uint32_t>(StreamOf(globals).size()));
    const fs::path path = m_dir / "counted.xls";
    WriteBytes(path, cfb::WriteCompoundFile(u"Workbook", stream));
    AddChannels(db, 1);
    std::string message;
    ASSERT_TRUE(ExportChannelWorkbook(TheZorvDB(), path.string(), &message)) << message;
    std::map<std::uint16_t, Bytes> byType;
    const auto written = Substreams(Streams(ReadBytes(path))[u"Workbook"]);
    for (const auto& [type, data] : written[0])
        byType[type] = data;
    EXPECT_EQ(byType[biff::kSupBook], (Bytes{2, 0, 1, 4})) << "two sheets now";
    EXPECT_EQ(byType[biff::kTabId], (Bytes{5, 0, 6, 0})) << "the new sheet's tab id";
    EXPECT_EQ(KeptAndAppended(path), "Notes");
}

TEST_F(Export, ADirectoryRecordTooShortForItsPositionIsWrittenAnew) {
    // A damaged workbook the reader lets pass: the only sheet's directory
    // record is empty or cut short. Copied as it was, the sheet's position
    // patched into it landed on the next record: the added "Channel" sheet
    // was lost from the saved file without a word.
    for (const Bytes& directory : {Bytes{}, Bytes{0, 0, 0, 0, 0}}) {
        SCOPED_TRACE(directory.size());
        const fs::path path = m_dir / "short-directory.xls";
        WriteBytes(path,
                   cfb::WriteCompoundFile(u"Workbook", WithASheet({{biff::kBof, kBof},
                                                                   {biff::kBoundSheet, directory},
                                                                   {biff::kEof, {}}})));
        db.ClearAll();
        AddChannels(db, 3);
        std::string message;
        ASSERT_TRUE(ExportChannelWorkbook(TheZorvDB(), path.string(), &message)) << message;
        KeptAndAppended(path);
        std::string error;
        const auto channels = ReadChannelWorkbook(path.string(), error);
        ASSERT_TRUE(channels) << error;
        EXPECT_EQ(channels->size(), 3u);
    }
}
