// Unsaved edits kept in the recovery file while the editor runs: written a
// moment after an edit, at once when another edit comes while one waits,
// gone when nothing is unsaved; restored edits stay unsaved. A real editor
// process, edited through its hidden --edit-lines input and ended by
// SIGTERM or SIGKILL, leaves what the next start offers back, and a start
// that nobody can answer asks nothing. The process runs offscreen with its
// temporary, runtime and home folders in a folder of the test, so its
// working copy and recovery file are the test's alone.
#include "app/EditLines.h"
#include "app/RecoveryWriter.h"
#include "app/ScriptedStart.h"
#include "app/SignalWatch.h"
#include "document/RecoveryFile.h"
#include "document/WorkingCopy.h"
#include "tests/gui/EditorFixture.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>

#include <csignal>
#include <map>

namespace fs = std::filesystem;

namespace {

// The test's folder: "tmp" for the working copies (TMPDIR once UseTmp ran),
// "home" and "run" for an editor process.
class RecoveringEditor : public Editor {
protected:
    void SetUp() override {
        Editor::SetUp();
        m_dir = fs::path(Scratch("recovery"));
        for (const char* sub : {"tmp", "home", "run"})
            fs::create_directories(m_dir / sub);
        fs::permissions(m_dir / "run", fs::perms::owner_all, fs::perm_options::replace);
    }
    void TearDown() override {
        Editor::TearDown();
        m_tmp.reset();
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    void UseTmp() { m_tmp.emplace((m_dir / "tmp").string()); }
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
    void WriteNow() { ASSERT_TRUE(frame->Recovery().WriteNow()) << frame->Recovery().LastError(); }
    std::string NameOf(std::uint32_t key) {
        const auto* channel = TheZorvDB().Get<Channel_Info_Tag>(kTableChannel, key);
        return channel ? channel->Name : "(none)";
    }

    fs::path m_dir;
    std::optional<TmpDirScope> m_tmp;
};

TEST_F(RecoveringEditor, EditsAreKeptAMomentAfterAndGoneWhenNothingIsUnsaved) {
    UseTmp();
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
    WriteNow();
    ASSERT_TRUE(fs::exists(RecoveryFile()));
    SaveTo((m_dir / "saved.bin").string());
    EXPECT_FALSE(fs::exists(RecoveryFile()));

    // Closed with the edits dropped on purpose: gone, and no write comes later.
    Edit("rename 4 Kill 4");
    WriteNow();
    ui.NextAnswer(IUiSeam::IDNO); // "save changes?"
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(fs::exists(RecoveryFile()));
    EXPECT_FALSE(frame->Recovery().Pending());

    // Loading another file: what was unsaved is dropped with the question.
    frame.reset();
    Open();
    Edit("rename 5 Kill 5");
    WriteNow();
    ui.NextAnswer(IUiSeam::IDNO);
    OpenExample();
    EXPECT_FALSE(fs::exists(RecoveryFile()));
}

TEST_F(RecoveringEditor, AFailedWriteIsToldOnceUntilOneSucceedsAgain) {
    UseTmp();
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
    const QStringList plain{"velmar"};
    const struct {
        StartSetting start;
        bool nobody;
    } cases[] = {
        {{plain, "xcb", true, true}, false},
        {{plain, "wayland", false, true}, false}, // from a desktop menu
        {{plain + QStringList{"--open", "--screenshot.bin"}, "xcb", true, true}, false},
        {{plain, "offscreen", true, true}, true},
        {{plain, "linuxfb", false, false}, true},
        {{plain, "linuxfb", true, false}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NobodyToAnswer(c.start), c.nobody) << c.start.arguments.join(' ').toStdString()
                                                     << " on " << c.start.platform.toStdString();
    for (const char* option :
         {"--quit-after-first-paint", "--screenshot", "--screenshot=/tmp/a.png", "-screenshot",
          "--print-pdf", "--print-pdf=/tmp/a.pdf", "--edit-lines"})
        EXPECT_TRUE(NobodyToAnswer({plain + QStringList{option}, "xcb", true, true})) << option;
}

// SIGTERM or SIGHUP right after the last edit: nothing waits for it, and
// every edit is kept. SIGKILL in the middle of editing, the edits faster
// than the writer's delay, some waiting and some not, and the kill the
// moment the last one ran: at most the last edit is lost. A scripted start
// then asks nothing; the next interactive one offers the edits back.
class EndedEditor : public RecoveringEditor, public ::testing::WithParamInterface<int> {
protected:
    void TearDown() override {
        if (m_child.state() != QProcess::NotRunning) {
            m_child.kill();
            m_child.waitForFinished(5000);
        }
        RecoveringEditor::TearDown();
    }
    // The channel names of the example as it loads.
    std::map<std::uint32_t, std::string> ExampleNames() {
        Open();
        std::map<std::uint32_t, std::string> names;
        for (const std::uint32_t key : TheZorvDB().Keys(kTableChannel))
            names[key] = NameOf(key);
        frame.reset();
        TheZorvDB().ClearAll();
        return names;
    }
    void StartEditorProcess() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const auto& [name, sub] :
             {std::pair{"TMPDIR", "tmp"}, {"HOME", "home"}, {"XDG_RUNTIME_DIR", "run"}})
            env.insert(name, QString::fromStdString((m_dir / sub).string()));
        env.remove("XDG_CONFIG_HOME");
        m_child.setProcessEnvironment(env);
        m_child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_child.start(VELMAR_EDITOR, {"--open", kExample, "--edit-lines"});
        ASSERT_TRUE(m_child.waitForStarted(10000));
        ASSERT_TRUE(WaitForLine("ready")) << "the editor opened the example";
    }
    // Reads the editor's output until `line` comes; false on a timeout.
    bool WaitForLine(const QByteArray& line) {
        while (true) {
            while (m_child.canReadLine()) {
                const QByteArray got = m_child.readLine().trimmed();
                if (got == line)
                    return true;
                if (got.startsWith("refused")) {
                    ADD_FAILURE() << got.toStdString();
                    return false;
                }
            }
            if (!m_child.waitForReadyRead(20000))
                return false;
        }
    }
    // Renames channels 1 to n ("Kill 1" ...), each once the one before ran.
    void RenameChannels(int n) {
        for (int i = 1; i <= n; ++i) {
            const std::string id = std::to_string(i);
            m_child.write(QByteArray::fromStdString("rename " + id + " Kill " + id + "\n"));
            ASSERT_TRUE(WaitForLine("applied " + QByteArray::number(i)));
        }
    }
    std::vector<fs::path> Files(const std::string& suffix) {
        std::vector<fs::path> found;
        for (const auto& e : fs::directory_iterator(m_dir / "tmp"))
            if (e.path().extension() == suffix)
                found.push_back(e.path());
        return found;
    }

    QProcess m_child;
};

TEST(SignalWatch, SignalsArriveInTheEventLoopInTheirOrder) {
    CSignalWatch watch;
    ASSERT_TRUE(watch.Active());
    EXPECT_FALSE(CSignalWatch().Active()) << "one watch per process";
    QSignalSpy spy(&watch, &CSignalWatch::Received);
    ASSERT_EQ(::raise(SIGTERM), 0); // would end this test program without the watch
    ASSERT_EQ(::raise(SIGHUP), 0);
    EXPECT_EQ(spy.count(), 0) << "nothing runs inside the handler";
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.count() == 2; }, 2000));
    EXPECT_EQ((std::pair{spy[0][0].toInt(), spy[1][0].toInt()}), (std::pair{SIGTERM, SIGHUP}));
}

TEST_P(EndedEditor, TheNextStartOffersExactlyTheEditsKept) {
    const bool killed = GetParam() == SIGKILL;
    auto names = ExampleNames();
    ASSERT_GT(names.size(), 5u);
    StartEditorProcess();
    RenameChannels(killed ? 5 : 3);
    ::kill(static_cast<pid_t>(m_child.processId()), GetParam());
    ASSERT_TRUE(m_child.waitForFinished(10000));
    if (killed) {
        EXPECT_EQ(m_child.exitStatus(), QProcess::CrashExit);
    } else {
        EXPECT_EQ(m_child.exitStatus(), QProcess::NormalExit) << "ended by itself, asking nothing";
        EXPECT_EQ(m_child.exitCode(), 0);
        EXPECT_EQ(Files(".tmp").size(), 0u) << "its working copy went as at a normal end";
    }
    ASSERT_EQ(Files(".rec").size(), 1u);
    const fs::path left = Files(".rec")[0];

    // A start by a script, offscreen: it must end by itself, not wait on a
    // question, and leave the edits for an interactive start.
    QProcess script;
    script.setProcessEnvironment(m_child.processEnvironment());
    script.start(VELMAR_EDITOR, {"--open", kExample, "--quit-after-first-paint"});
    ASSERT_TRUE(script.waitForFinished(30000)) << "the start waited for an answer";
    EXPECT_EQ(script.exitCode(), 0);
    EXPECT_TRUE(script.readAllStandardOutput().contains("first paint"));
    ASSERT_TRUE(fs::exists(left));

    // The next start, here through the scripted seam: one question about
    // the example's edits, answered Yes. The tables then hold what it restored.
    UseTmp();
    Start();
    ui.messages.clear();
    ui.NextAnswer(IUiSeam::IDYES);
    frame->OfferWorkingCopyRecovery();
    ASSERT_EQ(ui.messages.size(), 1u) << "one question for the editor that ended";
    EXPECT_TRUE(ui.messages[0].text.contains("Restore those edits?") &&
                ui.messages[0].text.contains(kExample))
        << ui.messages[0].text.toStdString();
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), names.size());
    EXPECT_TRUE(frame->Session().IsModified()) << "restored edits are not saved";
    EXPECT_EQ(Files(".tmp").size(), 1u) << "only this session's working copy is left";
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(RecoveryFile())) << "kept again, beside this session's copy";
    if (killed) {
        EXPECT_TRUE(NameOf(5) == "Kill 5" || NameOf(5) == names.at(5)) << NameOf(5);
        names.erase(5);
    }
    // Channels 1 to 3 (4 when killed) have their new names, the others the example's.
    const std::uint32_t renamed = killed ? 4 : 3;
    for (const auto& [key, name] : names)
        EXPECT_EQ(NameOf(key), key <= renamed ? "Kill " + std::to_string(key) : name) << key;
}

INSTANTIATE_TEST_SUITE_P(BySignal, EndedEditor, ::testing::Values(SIGTERM, SIGHUP, SIGKILL),
                         [](const ::testing::TestParamInfo<int>& p) {
                             return std::string(p.param == SIGTERM  ? "Sigterm"
                                                : p.param == SIGHUP ? "Sighup"
                                                                    : "Sigkill");
                         });

} // namespace
