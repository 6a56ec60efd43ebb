// Documents as values: two lists decoded side by side without touching the
// current one, and loads that fail at any step (the file cannot be read, it
// does not decode, the working copy cannot be written, the disk is full)
// after which the next save writes exactly what a fault-free run writes.
#include "document/Document.h"
#include "document/WorkingCopy.h"
#include "platform/FileOps.h"
#include "tests/image/ImageBuilder.h"

#include <cstring>
#include <iterator>
#include <tuple>
#include <utility>

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;

// A satellite image of the start-up receiver with `count` TV channels named
// after `prefix`, and a header text that tells the images apart.
Image ListImage(const std::string& prefix, int count, const std::string& header) {
    Image img(Profile{}.FlashSize());
    img.SetHeaderText(0, header);
    img.PutText(2, "Sport");
    for (int i = 0; i < count; ++i) {
        // Compact entries of list 7: number, satellite, attributes, name.
        const int at = 49152 + i * 56;
        img.Put16(at + 4, static_cast<WORD>(i + 1), 0);
        img.Put8(at + 6, 1);
        img.Put16(at + 18, 0x0400, 0);
        img.PutText(at + 22, prefix + " " + std::to_string(i));
    }
    img.Put16(49152 + 4096 - 6, static_cast<WORD>(count), 1);
    // Bytes past the blocks, which no block owns: a save must carry them from
    // the image it builds on.
    const std::string settings = prefix + " settings";
    img.Bytes().insert(img.Bytes().end(), settings.begin(), settings.end());
    return img;
}

std::vector<std::string> ChannelNames(const CZorvDB& db) {
    std::vector<std::string> names;
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        names.emplace_back(c.Name);
    return names;
}

std::ptrdiff_t FilesIn(const fs::path& dir) {
    return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
}

class DocumentLoad : public CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        m_work = Path("work");
        fs::create_directories(m_work);
        ASSERT_TRUE(CreateWorkingCopy(m_work.string()));
        WriteFile(Path("first.bin"), ListImage("First", 12, "first header").Bytes());
        WriteFile(Path("second.bin"), ListImage("Second", 30, "second header").Bytes());
    }
    void TearDown() override {
        DeleteWorkingCopy();
        CodecTest::TearDown();
    }
    // What the next save writes.
    std::vector<BYTE> NextSave() {
        const fs::path out = Path("saved-" + std::to_string(m_nSaves++) + ".bin");
        SaveReport report;
        EXPECT_EQ(ExportWorkingCopy(out.string(), &report), 1) << report.detail;
        return ReadFile(out);
    }
    // The bytes a fault-free open of `name` followed by a save writes.
    std::vector<BYTE> FaultFreeSaveOf(const std::string& name) {
        EXPECT_EQ(ImportToWorkingCopy(Path(name).string(), &prompt), 1);
        return NextSave();
    }

    fs::path m_work;
    int m_nSaves = 0;
};

TEST_F(DocumentLoad, TwoDocumentsDecodeSideBySideWithNeitherCurrent) {
    ASSERT_EQ(ImportToWorkingCopy(Path("first.bin").string(), &prompt), 1);
    const std::vector<std::string> currentNames = ChannelNames(TheZorvDB());
    const ImageStateValues currentValues = CurrentImageValues();
    const std::vector<BYTE> workingCopy = ReadFile(g_szWorkImagePath);

    CDocument a, b;
    EXPECT_TRUE(!a.IsCurrent() && CDocument::Current().IsCurrent());
    const ImageStateValues zero{};
    ASSERT_EQ(ReadImageDocument(Path("first.bin").string(), ImageForm::Convert, zero, a), 1);
    ASSERT_EQ(ReadImageDocument(Path("second.bin").string(), ImageForm::Convert, zero, b), 1);

    ASSERT_EQ(std::tuple(a.Store().Size(kTableChannel), b.Store().Size(kTableChannel)),
              std::tuple(12u, 30u));
    EXPECT_EQ(std::tuple(ChannelNames(a.Store()).front(), ChannelNames(b.Store()).back()),
              std::tuple(std::string("First 0"), std::string("Second 29")));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.Values().headerText)), "second header");
    EXPECT_NE(a.Values(), b.Values());
    EXPECT_EQ(b.Source(), Path("second.bin").string());

    // The current document saw none of it.
    EXPECT_EQ(ChannelNames(TheZorvDB()), currentNames);
    EXPECT_EQ(CurrentImageValues(), currentValues);
    EXPECT_EQ(ReadFile(g_szWorkImagePath), workingCopy);

    // A document encodes as the current one would: the same bytes as opening
    // the file and saving it.
    std::vector<BYTE> encoded;
    ASSERT_TRUE(EncodeImage(b, false, encoded));
    EXPECT_EQ(encoded, FaultFreeSaveOf("second.bin"));
}

TEST_F(DocumentLoad, MakeCurrentExchangesEverythingAndCannotFail) {
    ASSERT_EQ(ImportToWorkingCopy(Path("first.bin").string(), &prompt), 1);
    const std::vector<BYTE> firstImage = CDocument::Current().Image();
    CDocument other;
    ASSERT_EQ(ReadImageDocument(Path("second.bin").string(), ImageForm::Convert,
                                CurrentImageValues(), other),
              1);
    CDocument::MakeCurrent(other);
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), 30u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(g_HeaderText)), "second header");
    EXPECT_EQ(other.Store().Size(kTableChannel), 12u) << "the old current one, now aside";
    EXPECT_EQ(other.Image(), firstImage);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(other.Values().headerText)),
              "first header");
}

// Each way an open can fail leaves the document the user had, byte for byte
// in the next save, and writes nothing.
TEST_F(DocumentLoad, FailedOpensChangeNothingAndWriteNothing) {
    const std::vector<BYTE> expected = FaultFreeSaveOf("first.bin");
    const std::vector<BYTE> workingCopy = ReadFile(g_szWorkImagePath);

    fs::create_directories(Path("folder.bin"));
    std::vector<BYTE> shortImage = ListImage("Short", 3, "short").Bytes();
    shortImage.resize(4000); // the header is fine, the blocks are missing
    WriteFile(Path("short.bin"), shortImage);
    std::vector<BYTE> badHeader = ListImage("Bad", 3, "bad").Bytes();
    badHeader[4] = 81; // a header length that is not 80: the question, answered No
    WriteFile(Path("badheader.bin"), badHeader);

    const std::pair<const char*, int> cases[] = {{"missing.bin", kImportFileError},
                                                 {"folder.bin", kImportFileError},
                                                 {"short.bin", 0},
                                                 {"badheader.bin", 0}};
    for (const auto& [file, result] : cases) {
        Phrase said;
        EXPECT_EQ(ImportToWorkingCopy(Path(file).string(), &prompt, &said), result) << file;
        const std::string error = English(said);
        EXPECT_EQ(result == kImportFileError, !error.empty()) << file << ": " << error;
        EXPECT_EQ(ChannelNames(TheZorvDB()).size(), 12u) << file;
        EXPECT_EQ(ReadFile(g_szWorkImagePath), workingCopy) << file;
        EXPECT_EQ(FilesIn(m_work), 1) << file;
        EXPECT_EQ(NextSave(), expected) << file;
    }
    EXPECT_EQ(prompt.Asked().size(), 1u) << "the header question, once";
}

// The working copy is written after the document is current; when that
// write fails (at any byte, the sync or the rename) the open still
// succeeded, says why the copy is stale, and the next save is the new
// document's, exactly.
TEST_F(DocumentLoad, AWorkingCopyThatCannotBeWrittenCostsTheSaveNothing) {
    const std::vector<BYTE> expected = FaultFreeSaveOf("second.bin");
    const std::int64_t size = static_cast<std::int64_t>(ReadFile(Path("second.bin")).size());
    // A full disk after n bytes, then a failing sync, then a failing rename.
    std::vector<CFailingFileOps> faults(7);
    const std::int64_t fullAfter[] = {0, 1, 86, size / 2, size - 1};
    for (std::size_t i = 0; i < 5; ++i)
        faults[i].failAfter = fullAfter[i];
    faults[5].failSync = true;
    faults[6].failRename = true;

    for (std::size_t i = 0; i < faults.size(); ++i) {
        ASSERT_EQ(ImportToWorkingCopy(Path("first.bin").string(), &prompt), 1);
        const std::vector<BYTE> firstCopy = ReadFile(g_szWorkImagePath);
        Phrase error, problem;
        const std::string copy = g_szWorkImagePath;
        {
            CScopedFileOps scope(faults[i]);
            EXPECT_EQ(ImportToWorkingCopy(Path("second.bin").string(), &prompt, &error,
                                          ImageForm::Convert, &problem),
                      1)
                << i;
        }
        const std::string why =
            i + 2 < faults.size()   ? "writing " + copy + ": No space left on device"
            : i + 1 < faults.size() ? "writing " + copy + " to disk: Input/output error"
                                    : "replacing " + copy + ": Input/output error";
        EXPECT_EQ(English(problem), why) << i;
        EXPECT_EQ(ReadFile(g_szWorkImagePath), firstCopy) << i << ": the old copy is whole";
        EXPECT_EQ(FilesIn(m_work), 1) << i << ": no staged file is left";
        EXPECT_EQ(NextSave(), expected) << i;
    }
}

// A receive leaves the received image under the working copy's name. One
// that does not load puts the document's bytes back; when even that write
// fails, the next save still builds on the document's own bytes, never on
// what the receive left.
TEST_F(DocumentLoad, AFailedReceiveNeverLendsItsBytesToTheNextSave) {
    const std::vector<BYTE> expected = FaultFreeSaveOf("first.bin");
    const std::vector<BYTE> firstCopy = ReadFile(g_szWorkImagePath);
    std::vector<BYTE> received = ListImage("Received", 5, "received").Bytes();
    received[4] = 81; // does not load (the question is answered No)

    for (const bool restoreFails : {false, true}) {
        WriteFile(g_szWorkImagePath, received);
        Phrase said;
        CFailingFileOps failing;
        failing.failAfter = restoreFails ? 0 : -1;
        {
            CScopedFileOps scope(failing);
            EXPECT_EQ(AdoptReceivedWorkingCopy(&prompt, &said), 0) << restoreFails;
        }
        const std::string error = English(said);
        EXPECT_EQ(ChannelNames(TheZorvDB()).size(), 12u);
        if (restoreFails) {
            EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
            EXPECT_EQ(ReadFile(g_szWorkImagePath), received);
        } else {
            EXPECT_EQ(ReadFile(g_szWorkImagePath), firstCopy);
        }
        EXPECT_EQ(NextSave(), expected) << restoreFails;
    }

    // A good one becomes current, and the held copy is what was received.
    const std::vector<BYTE> good = ListImage("Received", 5, "received").Bytes();
    WriteFile(g_szWorkImagePath, good);
    ASSERT_EQ(AdoptReceivedWorkingCopy(&prompt), 1);
    EXPECT_EQ(ChannelNames(TheZorvDB()).front(), "Received 0");
    EXPECT_EQ(ReadFile(g_szWorkImagePath), good);
}

// A working copy left by an editor that did not end normally: a damaged one
// changes nothing; a good one opens even when its new working copy cannot
// be written.
TEST_F(DocumentLoad, RecoveryDecodesBeforeItCommits) {
    const std::vector<BYTE> expected = FaultFreeSaveOf("first.bin");
    const fs::path abandoned = m_work / "ZOabcdef.tmp";
    std::vector<BYTE> damaged = ListImage("Left", 4, "left").Bytes();
    damaged.resize(3000);
    WriteFile(abandoned, damaged);
    prompt.ExpectAnswer(true); // open it
    EXPECT_EQ(OfferWorkingCopyRecovery(prompt, m_work.string()), 0);
    EXPECT_EQ(ChannelNames(TheZorvDB()).size(), 12u);
    EXPECT_EQ(NextSave(), expected);

    WriteFile(abandoned, ListImage("Left", 4, "left").Bytes());
    WriteFile(Path("left.bin"), ListImage("Left", 4, "left").Bytes());
    const std::vector<BYTE> left = FaultFreeSaveOf("left.bin");
    ASSERT_EQ(ImportToWorkingCopy(Path("first.bin").string(), &prompt), 1);
    prompt.ExpectAnswer(true);
    CFailingFileOps failing;
    failing.failAfter = 0;
    {
        CScopedFileOps scope(failing);
        EXPECT_EQ(OfferWorkingCopyRecovery(prompt, m_work.string()), 1);
    }
    EXPECT_EQ(ChannelNames(TheZorvDB()).front(), "Left 0");
    EXPECT_EQ(NextSave(), left);
}

} // namespace
