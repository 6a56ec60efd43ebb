// The editor's file commands when things go wrong: a save that fails at any
// point leaves the file as it was and says so; a damaged workbook leaves the
// channel list as it was (said in the user's language); a folder dropped on the window is refused;
// a working copy left by a crashed session is offered at start.
#include "document/WorkingCopy.h"
#include "platform/FileOps.h"
#include "tests/gui/EditorFixture.h"
#include "tests/gui/InLanguage.h"
#include "xls/ExcelBook.h"

namespace {

namespace fs = std::filesystem;

const std::string kNotes =
    std::string(VELMAR_SOURCE_DIR) + "/tests/xls/fixtures/libreoffice-notes.xls";

std::size_t Entries(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

struct SafeEditor : Editor {
    void SetUp() override {
        Editor::SetUp();
        m_dir = Scratch("safety");
        fs::create_directories(m_dir / "out");
    }
    void TearDown() override {
        Editor::TearDown();
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    void SaveAs(const fs::path& path) { SaveTo(path.string()); }
    // A workbook cut in half, and one with no sheet named "Channel".
    fs::path HalfNotes() {
        std::string notes = ReadAll(kNotes);
        notes.resize(notes.size() / 2);
        std::ofstream(m_dir / "bad.xls", std::ios::binary) << notes;
        return m_dir / "bad.xls";
    }
    QString NoChannelSheet() {
        CExcelBook sheets;
        sheets.New(2);
        EXPECT_TRUE(sheets.SaveAs((m_dir / "sheets.xls").string()));
        return QString::fromStdString((m_dir / "sheets.xls").string());
    }
    // Saves over `target` that fail after each of `failAfter` bytes: each
    // says so, leaves the file as it was and nothing beside it.
    void ExpectFailedSavesKeep(const fs::path& target,
                               std::initializer_list<std::int64_t> failAfter) {
        const std::string old = ReadAll(target);
        for (const std::int64_t n : failAfter) {
            CFailingFileOps failing;
            failing.failAfter = n;
            CScopedFileOps scope(failing);
            ui.messages.clear();
            SaveAs(target);
            SCOPED_TRACE("failed after " + std::to_string(n) + " bytes");
            ExpectSaid(1, IUiSeam::Icon::Stop, "Cannot save channel file");
            EXPECT_EQ(ReadAll(target), old);
            EXPECT_EQ(Entries(target.parent_path()), 1u) << "no new file beside it";
        }
    }

    fs::path m_dir;
};

} // namespace

TEST_F(SafeEditor, AFailingImageSaveLeavesTheFileAsItWasAndSaysSo) {
    Open();
    const fs::path target = m_dir / "out" / "receiver.bin";
    const std::string old(5000, 'o');
    std::ofstream(target, std::ios::binary) << old;
    // Where a save may fail is the atomic save's to try; here the window's
    // save says so and keeps the file.
    ExpectFailedSavesKeep(target, {0, 4096, 311381});
    ui.messages.clear();
    SaveAs(target);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ReadAll(target), ReadAll(kExample.toStdString()));
    EXPECT_EQ(ReadAll(target.string() + ".bak"), old) << "the replaced file is kept";
}

TEST_F(SafeEditor, AFailingWorkbookExportLeavesTheWorkbookAsItWas) {
    Open();
    const fs::path target = m_dir / "out" / "channels.xls";
    fs::copy_file(kNotes, target);
    const std::string old = ReadAll(target);
    ExpectFailedSavesKeep(target, {0, 512, 30000});
    ui.messages.clear();
    SaveAs(target);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NE(ReadAll(target), old);
}

// What the workbook reader and the file writer say reaches the window in the
// user's language (Russian: none of these words reads as in English); the
// system's own reason stays as the system gave it.
TEST_F(SafeEditor, WhyAFileCannotBeReadOrWrittenIsSaidInTheLanguage) {
    Open();
    const int rows = TV().GetRowCount();
    const CInLanguage russian("ru");
    OpenFile(NoChannelSheet());
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text,
              "В книге нет листа с именем «Channel». Список каналов не изменён.");

    const fs::path bad = HalfNotes();
    const std::string notes = ReadAll(bad);
    OpenFile(QString::fromStdString(bad.string()));
    const QString damaged =
        "Книга повреждена: не удаётся прочитать её таблицы секторов или каталог.";
    EXPECT_EQ(ui.messages.back().text, damaged + " Список каналов не изменён.");
    EXPECT_EQ(TV().GetRowCount(), rows);
    EXPECT_EQ(ui.m_cursorChanges.back(), false) << "the arrow cursor is back";
    // Saving the channels into it would cost what cannot be read of it.
    ui.messages.clear();
    SaveAs(bad);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              damaged + " Ничего не записано. Сохраните каналы под другим именем.");
    EXPECT_EQ(ReadAll(bad), notes);

    CFailingFileOps failing;
    failing.failAfter = 4096;
    CScopedFileOps scope(failing);
    ui.messages.clear();
    OpenFile(kExample);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Образ открыт, но его рабочую копию не удалось записать во временный каталог. "
              "Список каналов полностью находится в памяти и сохраняется как обычно.\nзапись " +
                  QString::fromLocal8Bit(g_szWorkImagePath) + ": No space left on device");
}

TEST_F(SafeEditor, AWorkingCopyLeftByACrashIsOfferedAtStart) {
    // The temporary directory of this test alone, holding a copy that an
    // editor left (in the working form, held by nobody).
    const fs::path tmp = m_dir / "tmp";
    fs::create_directories(tmp);
    fs::copy_file(kExample.toStdString(), tmp / "ZOcrash1.tmp");
    const TmpDirScope scope(tmp.string());
    Start();
    ui.NextAnswer(IUiSeam::IDYES);
    frame->OfferWorkingCopyRecovery();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].buttons, IUiSeam::Buttons::YesNo);
    EXPECT_TRUE(ui.messages[0].text.contains("did not end normally"));
    EXPECT_TRUE(ui.messages[0].text.contains("ZOcrash1.tmp"));
    EXPECT_GT(TV().GetRowCount(), 100) << "the recovered image is open";
    EXPECT_FALSE(fs::exists(tmp / "ZOcrash1.tmp"));
    frame.reset();
    EXPECT_EQ(Entries(tmp), 0u) << "the session's own copy is deleted when it ends";
}
