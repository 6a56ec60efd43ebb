// Unsaved edits kept in the recovery file while the editor runs: written a
// moment after an edit, at once when another edit comes while one waits,
// gone when nothing is unsaved; restored edits stay unsaved. And a start
// that nobody can answer asks nothing.
#include "app/RecoveryWriter.h"
#include "app/EditLines.h"
#include "app/ScriptedStart.h"
#include "document/RecoveryFile.h"
#include "document/WorkingCopy.h"
#include "tests/gui/EditorFixture.h"

#include <QTest>

#include <algorithm>
#include <optional>

namespace fs = std::filesystem;

namespace {

class RecoveringEditor : public Editor {
protected:
    void SetUp() override {
        Editor::SetUp();
        m_dir = fs::path(Scratch("recovery"));
        fs::create_directories(m_dir);
        m_tmp.emplace(m_dir.string());
    }
    void TearDown() override {
        Editor::TearDown();
        m_tmp.reset();
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    std::string RecoveryFile() const { return RecoveryPathFor(g_szWorkImagePath); }
    // The image the recovery file holds; empty when there is none.
    std::string KeptImage() const {
        RecoveredEdits edits;
        if (!ParseRecoveryFile(ReadAll(RecoveryFile()), edits))
            return {};
        EXPECT_EQ(edits.source, kExample.toStdString());
        return edits.image;
    }
    void Edit(const char* line) { ASSERT_EQ(RunEditLine(frame->Session(), line), "") << line; }

    fs::path m_dir;
    std::optional<TmpDirScope> m_tmp;
};

TEST_F(RecoveringEditor, EditsAreKeptAMomentAfterAndGoneWhenNothingIsUnsaved) {
    Open();
    EXPECT_FALSE(fs::exists(RecoveryFile())) << "nothing unsaved after a load";

    Edit("rename 1 Kill 1");
    EXPECT_TRUE(frame->Recovery().Pending());
    EXPECT_FALSE(fs::exists(RecoveryFile())) << "not written inside the edit";
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(RecoveryFile()); }, 3000));
    EXPECT_FALSE(frame->Recovery().Pending());
    EXPECT_NE(KeptImage().find("Kill 1"), std::string::npos);

    // A burst: the second edit finds the first still waiting and writes both.
    Edit("rename 2 Kill 2");
    EXPECT_EQ(KeptImage().find("Kill 2"), std::string::npos);
    Edit("rename 3 Kill 3");
    EXPECT_FALSE(frame->Recovery().Pending());
    EXPECT_NE(KeptImage().find("Kill 2"), std::string::npos);
    EXPECT_NE(KeptImage().find("Kill 3"), std::string::npos);

    // Undone back to the tables as loaded: nothing to keep.
    Edit("undo");
    Edit("undo");
    EXPECT_TRUE(fs::exists(RecoveryFile()));
    Edit("undo");
    EXPECT_FALSE(frame->Session().IsModified());
    EXPECT_FALSE(fs::exists(RecoveryFile()));
    EXPECT_FALSE(frame->Recovery().Pending());

    // Saved: gone.
    Edit("redo");
    ASSERT_TRUE(frame->Recovery().WriteNow()) << frame->Recovery().LastError();
    ASSERT_TRUE(fs::exists(RecoveryFile()));
    SaveTo((m_dir / "saved.bin").string());
    EXPECT_FALSE(fs::exists(RecoveryFile()));

    // Closed with the edits dropped on purpose: gone, and no write comes later.
    Edit("rename 4 Kill 4");
    ASSERT_TRUE(frame->Recovery().WriteNow()) << frame->Recovery().LastError();
    ui.NextAnswer(IUiSeam::IDNO); // "save changes?"
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(fs::exists(RecoveryFile()));
    EXPECT_FALSE(frame->Recovery().Pending());

    // Loading another file: what was unsaved is dropped with the question.
    frame.reset();
    Open();
    Edit("rename 5 Kill 5");
    ASSERT_TRUE(frame->Recovery().WriteNow()) << frame->Recovery().LastError();
    ui.NextAnswer(IUiSeam::IDNO);
    OpenExample();
    EXPECT_FALSE(fs::exists(RecoveryFile()));
}

TEST_F(RecoveringEditor, RestoredEditsStayUnsavedAndAreKeptForTheNewSession) {
    Open();
    Edit("rename 1 Kill 1");
    ASSERT_TRUE(frame->Recovery().WriteNow()) << frame->Recovery().LastError();
    const std::string left = RecoveryFile();
    frame.reset(); // ends without the close: as a killed editor would
    ASSERT_TRUE(fs::exists(left));
    TheZorvDB().ClearAll();

    Start();
    ui.messages.clear();
    ui.NextAnswer(IUiSeam::IDYES);
    frame->OfferWorkingCopyRecovery();
    ASSERT_EQ(ui.messages.size(), 1u) << "one question";
    EXPECT_TRUE(ui.messages[0].text.contains("Restore those edits?"))
        << ui.messages[0].text.toStdString();
    EXPECT_TRUE(ui.messages[0].text.contains(kExample));
    const auto* channel = TheZorvDB().Get<Channel_Info_Tag>(kTableChannel, 1);
    ASSERT_NE(channel, nullptr);
    EXPECT_STREQ(channel->Name, "Kill 1");
    EXPECT_TRUE(frame->Session().IsModified()) << "restored edits are not saved";
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(RecoveryFile())) << "kept again, beside this session's copy";
    // Closing asks, as for any unsaved edit.
    ui.messages.clear();
    ui.NextAnswer(IUiSeam::IDCANCEL);
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(fs::exists(RecoveryFile()));
}

TEST_F(RecoveringEditor, AFailedWriteIsToldOnceUntilOneSucceedsAgain) {
    Open();
    // A folder where the file goes: the atomic rename onto it fails, as a
    // full or read-only disk would make it fail.
    fs::create_directories(RecoveryFile());
    ui.messages.clear();
    const auto warnings = [&] {
        return std::count_if(ui.messages.begin(), ui.messages.end(), [](const auto& m) {
            return m.text.contains("could not be kept in the recovery file");
        });
    };
    Edit("rename 1 Kill 1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return warnings() == 1; }, 3000));
    EXPECT_FALSE(frame->Recovery().LastError().empty());
    Edit("rename 2 Kill 2");
    QTest::qWait(2 * CRecoveryWriter::kDelayMs);
    EXPECT_EQ(warnings(), 1) << "told once, not after every edit";

    fs::remove_all(RecoveryFile());
    Edit("rename 3 Kill 3");
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::is_regular_file(RecoveryFile()); }, 3000));
    fs::remove(RecoveryFile());
    fs::create_directories(RecoveryFile());
    Edit("rename 4 Kill 4");
    EXPECT_TRUE(QTest::qWaitFor([&] { return warnings() == 2; }, 3000))
        << "told again after a good write";
    fs::remove_all(RecoveryFile());
}

TEST(ScriptedStart, OnlyAPersonWhoCanSeeTheQuestionIsAsked) {
    StartSetting person{{"velmar"}, "xcb", true, true};
    EXPECT_FALSE(NobodyToAnswer(person));
    StartSetting launcher{{"velmar"}, "wayland", false, true}; // from a desktop menu
    EXPECT_FALSE(NobodyToAnswer(launcher));
    for (const char* option :
         {"--quit-after-first-paint", "--screenshot", "--screenshot=/tmp/a.png", "-screenshot",
          "--print-pdf", "--print-pdf=/tmp/a.pdf", "--edit-lines"}) {
        StartSetting scripted = person;
        scripted.arguments << option;
        EXPECT_TRUE(NobodyToAnswer(scripted)) << option;
    }
    StartSetting named = person;
    named.arguments << "--open"
                    << "--screenshot.bin"; // a file's name, not the option
    EXPECT_FALSE(NobodyToAnswer(named));
    StartSetting unseen = person;
    unseen.platform = "offscreen";
    EXPECT_TRUE(NobodyToAnswer(unseen));
    StartSetting nobody{{"velmar"}, "linuxfb", false, false};
    EXPECT_TRUE(NobodyToAnswer(nobody));
    nobody.terminal = true;
    EXPECT_FALSE(NobodyToAnswer(nobody));
}

} // namespace
