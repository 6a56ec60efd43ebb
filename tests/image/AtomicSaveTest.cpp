// Saves that cannot destroy what they replace: every output goes through a
// temporary file, and a failure at any byte, at the sync, the close or the
// rename leaves an existing target byte for byte as it was and no new file.
#include "document/WorkingCopy.h"
#include "image/DefaultTableExport.h"
#include "platform/AtomicFile.h"
#include "platform/FileOps.h"
#include "tests/image/ImageBuilder.h"

#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <sys/stat.h>

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;

std::set<std::string> Listing(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.insert(e.path().filename().string());
    return names;
}

// The folder's files and their bytes.
std::map<std::string, std::vector<BYTE>> Contents(const fs::path& dir) {
    std::map<std::string, std::vector<BYTE>> files;
    for (const auto& name : Listing(dir))
        files[name] = ReadFile(dir / name);
    return files;
}

// The permission bits of `path`, or -1 when it cannot be read.
int Mode(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 0777) : -1;
}

std::vector<BYTE> Text(const std::string& s) {
    return {s.begin(), s.end()};
}

// `save` fails after each count of bytes in `points` (with "No space left on
// device") and at the sync, the close and the rename (with "Input/output
// error"); each time it says why, when `saysWhy`, and `dir` stays as it was.
void ExpectEveryFailureChangesNothing(const fs::path& dir, const std::set<std::int64_t>& points,
                                      const std::function<bool(std::string& why)>& save,
                                      bool saysWhy = true) {
    const auto before = Contents(dir);
    std::vector<CFailingFileOps> failures(points.size() + 3);
    auto step = failures.begin();
    for (const std::int64_t n : points)
        (step++)->failAfter = n;
    step[0].failSync = step[1].failClose = step[2].failRename = true;
    for (auto& failing : failures) {
        const bool write = failing.failAfter >= 0;
        const std::string cause = write ? "No space left on device" : "Input/output error";
        const std::string at = write ? "byte " + std::to_string(failing.failAfter)
                                     : "step " + std::to_string(&failing - failures.data());
        CScopedFileOps scope(failing);
        std::string why;
        ASSERT_FALSE(save(why)) << at;
        EXPECT_TRUE(!saysWhy || why.find(cause) != std::string::npos) << at << ": " << why;
        ASSERT_EQ(Contents(dir), before) << "after failing at " << at;
    }
}

class AtomicSave : public CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        m_work = Path("work");
        m_out = Path("out");
        fs::create_directories(m_work);
        fs::create_directories(m_out);
        ASSERT_TRUE(CreateWorkingCopy(m_work.string()));
    }
    void TearDown() override {
        DeleteWorkingCopy();
        CodecTest::TearDown();
    }
    // A loaded image with channels, so a save really writes blocks.
    void LoadExampleLike() {
        Image img(Profile{}.FlashSize());
        img.PutText(2, "Sport");
        for (int i = 0; i < 40; ++i) {
            // Compact entries of list 7: number, satellite, attributes, name.
            const int at = 49152 + i * 56;
            img.Put16(at + 4, static_cast<WORD>(i + 1), 0);
            img.Put8(at + 6, 1);
            img.Put16(at + 18, 0x0400, 0);
            img.PutText(at + 22, "Channel " + std::to_string(i));
        }
        img.Put16(49152 + 4096 - 6, 40, 1);
        WriteFile(Path("in.bin"), img.Bytes());
        ASSERT_EQ(ImportToWorkingCopy(Path("in.bin").string(), &prompt), 1);
        ASSERT_EQ(db.Size(kTableChannel), 40u);
    }
    // Bytes one successful save writes, counted through the seam.
    // The file it writes is removed again.
    std::int64_t BytesOfOneSave(const fs::path& target) {
        CFailingFileOps counting;
        CScopedFileOps scope(counting);
        EXPECT_EQ(ExportWorkingCopy(target.string()), 1);
        fs::remove(target);
        return counting.Written();
    }

    // An image save into `target` for ExpectEveryFailureChangesNothing.
    static std::function<bool(std::string&)> ImageSave(const fs::path& target) {
        return [target](std::string& why) {
            SaveReport report;
            const int ok = ExportWorkingCopy(target.string(), &report);
            EXPECT_TRUE(ok || report.message == "Cannot save channel file") << report.message;
            why = report.detail;
            return ok == 1;
        };
    }

    fs::path m_work, m_out;
};

} // namespace

// An existing file stays as it was and a new one does not appear.
TEST_F(AtomicSave, WriterFailingAnywhereKeepsTheOldFile) {
    const fs::path target = m_out / "list.txt";
    const auto fresh = Text(std::string(3000, 'n'));
    std::set<std::int64_t> points;
    for (std::int64_t n = 0; n < 3000; n += 97)
        points.insert(n);
    const auto write = [&](std::string& why) {
        return WriteFileAtomically(target.string(), fresh, &why);
    };
    ExpectEveryFailureChangesNothing(m_out, points, write);
    WriteFile(target, Text("the user's only copy\n"));
    ExpectEveryFailureChangesNothing(m_out, points, write);
    EXPECT_TRUE(WriteFileAtomically(target.string(), fresh));
    EXPECT_EQ(ReadFile(target), fresh);
    EXPECT_EQ(Listing(m_out), std::set<std::string>{"list.txt"});
}

TEST_F(AtomicSave, PermissionsLinksAndFoldersAreRespected) {
    const fs::path target = m_out / "private.txt";
    WriteFile(target, Text("x"));
    ::chmod(target.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(target.string(), Text("y")));
    EXPECT_EQ(Mode(target), 0640) << "the replaced file's permissions";

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(WriteFileAtomically((m_out / "fresh.txt").string(), Text("z")));
    ::umask(mask);
    EXPECT_EQ(Mode(m_out / "fresh.txt"), 0644) << "a new file as any other the user makes";

    const fs::path link = m_out / "link.txt";
    fs::create_symlink(target, link);
    ASSERT_TRUE(WriteFileAtomically(link.string(), Text("through the link")));
    EXPECT_TRUE(fs::is_symlink(link)) << "the link is not cut";
    EXPECT_EQ(ReadFile(target), Text("through the link"));

    fs::create_directories(m_out / "folder.txt");
    std::string error;
    EXPECT_FALSE(WriteFileAtomically((m_out / "folder.txt").string(), Text("no"), &error));
    EXPECT_NE(error.find("is not a regular file"), std::string::npos) << error;
}

TEST_F(AtomicSave, ImageSaveFailingAnywhereKeepsTheTargetAndLeavesNoFile) {
    LoadExampleLike();
    const fs::path target = m_out / "list.bin";
    WriteFile(target, Image(Profile{}.FlashSize(), 0x5A).Bytes());
    WriteFile(m_out / "list.bin.bak", Text("earlier backup"));
    const std::int64_t total = BytesOfOneSave(m_out / "probe.bin");
    ASSERT_GT(total, 300000);
    // Every sector boundary region and a stride through the whole image.
    std::set<std::int64_t> points = {0, 1, 85, 86, 87, total - 1};
    for (std::int64_t n = 0; n < total; n += 4096) {
        points.insert(n);
        points.insert(n + 1);
    }
    for (std::int64_t n = 0; n < total; n += 997)
        points.insert(n);
    ExpectEveryFailureChangesNothing(m_out, points, ImageSave(target));
}

TEST_F(AtomicSave, TheFirstSaveOfARunKeepsTheReplacedFileAsBak) {
    LoadExampleLike();
    const fs::path target = m_out / "list.bin";
    const auto first = Image(Profile{}.FlashSize(), 0x11).Bytes();
    WriteFile(target, first);
    ASSERT_EQ(ExportWorkingCopy(target.string()), 1);
    EXPECT_EQ(ReadFile(m_out / "list.bin.bak"), first);
    db.Clear(kTableChannel); // an edit, so the second save differs
    ASSERT_EQ(ExportWorkingCopy(target.string()), 1);
    EXPECT_NE(ReadFile(target), first);
    EXPECT_EQ(ReadFile(m_out / "list.bin.bak"), first) << "the file the run started from stays";
    EXPECT_EQ(Listing(m_out), (std::set<std::string>{"list.bin", "list.bin.bak"}));
    ASSERT_EQ(ExportWorkingCopy((m_out / "other.bin").string()), 1);
    EXPECT_FALSE(fs::exists(m_out / "other.bin.bak")) << "nothing was replaced";
}

// The CRC is stamped into the bytes before they are written; a failure at
// its two bytes, the last ones written, is a failed save like any other.
TEST_F(AtomicSave, AFailedWriteOfTheCrcIsAFailedSave) {
    std::vector<BYTE> zorv(static_cast<std::size_t>(64 + Profile{}.FlashSize()), 0);
    std::memcpy(zorv.data(), "ZORV", 4);
    WriteFile(Path("in.zorv"), zorv);
    ASSERT_EQ(ImportToWorkingCopy(Path("in.zorv").string(), &prompt), 1);
    ASSERT_TRUE(g_bZorvImage);
    const std::int64_t total = BytesOfOneSave(m_out / "probe.zorv");
    WriteFile(m_out / "box.zorv", Text("previous image"));
    // The CRC's two bytes are the last ones written.
    ExpectEveryFailureChangesNothing(m_out, {total - 2, total - 1}, ImageSave(m_out / "box.zorv"));
}

TEST_F(AtomicSave, CFragmentFailureKeepsTheOldFragment) {
    LoadExampleLike();
    const fs::path target = m_out / "table.h";
    WriteFile(target, Text("/* hand-edited */\n"));
    const std::size_t size = FormatDefaultChannelTable(TheZorvDB()).size();
    std::set<std::int64_t> points;
    for (std::size_t n = 0; n < size; n += 211)
        points.insert(static_cast<std::int64_t>(n));
    ExpectEveryFailureChangesNothing(
        m_out, points,
        [&](std::string& why) {
            return WriteDefaultChannelTable(TheZorvDB(), target.string(), &why);
        },
        false);
    ASSERT_TRUE(WriteDefaultChannelTable(TheZorvDB(), target.string()));
    EXPECT_EQ(ReadFile(target).size(), size);
}

TEST_F(AtomicSave, TheWorkingCopyIsPrivateHeldAndReplacedWhole) {
    EXPECT_EQ(Mode(g_szWorkImagePath), 0600);
    LoadExampleLike();
    const auto loaded = ReadFile(g_szWorkImagePath);
    EXPECT_EQ(Mode(g_szWorkImagePath), 0600) << "still private after it was replaced";

    // A failing replacement (after an open of another image) leaves it
    // whole, and says so; the opened document is whole in memory.
    Image other(Profile{}.FlashSize(), 0x77);
    WriteFile(Path("other.bin"), other.Bytes());
    for (const std::int64_t n : {0, 1, 86, 5000, 300000}) {
        LoadExampleLike();
        CFailingFileOps failing;
        failing.failAfter = n;
        CScopedFileOps scope(failing);
        Phrase error, problem;
        EXPECT_EQ(ImportToWorkingCopy(Path("other.bin").string(), &prompt, &error,
                                      ImageForm::Convert, &problem),
                  1);
        EXPECT_EQ(English(problem),
                  "writing " + std::string(g_szWorkImagePath) + ": No space left on device");
        EXPECT_EQ(ReadFile(g_szWorkImagePath), loaded) << n;
        EXPECT_EQ(Listing(m_work).size(), 1u) << "only the working copy";
    }

    // Removed by name, it is still what the next save starts from.
    LoadExampleLike();
    ASSERT_EQ(ExportWorkingCopy((m_out / "before.bin").string()), 1);
    fs::remove(g_szWorkImagePath);
    ASSERT_EQ(ExportWorkingCopy((m_out / "after.bin").string()), 1);
    EXPECT_EQ(ReadFile(m_out / "after.bin"), ReadFile(m_out / "before.bin"));
}

// A save builds on the document's bytes in memory: without a working copy
// it writes exactly what it would have written with one.
TEST_F(AtomicSave, WithoutAWorkingCopyASaveWritesTheSameBytes) {
    LoadExampleLike();
    ASSERT_EQ(ExportWorkingCopy((m_out / "with.bin").string()), 1);
    DeleteWorkingCopy();
    SaveReport report;
    ASSERT_EQ(ExportWorkingCopy((m_out / "without.bin").string(), &report), 1) << report.detail;
    EXPECT_EQ(ReadFile(m_out / "without.bin"), ReadFile(m_out / "with.bin"));
}

TEST_F(AtomicSave, SendSavesIntoTheWorkingCopyAllOrNothing) {
    LoadExampleLike();
    const auto loaded = ReadFile(g_szWorkImagePath);
    db.Delete(kTableChannel, 1);
    {
        CFailingFileOps failing;
        failing.failAfter = 100000;
        CScopedFileOps scope(failing);
        EXPECT_EQ(SaveIntoWorkingCopy(), 0);
    }
    EXPECT_EQ(ReadFile(g_szWorkImagePath), loaded);
    EXPECT_EQ(Listing(m_work).size(), 1u);
    ASSERT_EQ(SaveIntoWorkingCopy(), 1);
    EXPECT_NE(ReadFile(g_szWorkImagePath), loaded);
    db.ClearAll();
    ASSERT_EQ(LoadWorkingCopy(&prompt), 1);
    EXPECT_EQ(db.Size(kTableChannel), 39u);
}
