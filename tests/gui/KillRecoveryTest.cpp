// A real editor process edited through its hidden --edit-lines input, then
// ended by SIGTERM or SIGKILL: what the next start offers back. The editor
// runs offscreen with its temporary, runtime and home folders in a folder of
// the test, so its working copy and recovery file are the test's alone.
#include "app/SignalWatch.h"
#include "tests/gui/EditorFixture.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <map>
#include <optional>

namespace fs = std::filesystem;

namespace {

class KilledEditor : public Editor {
protected:
    void SetUp() override {
        Editor::SetUp();
        m_dir = fs::path(Scratch("kill"));
        fs::create_directories(m_dir / "tmp");
        fs::create_directories(m_dir / "home");
        fs::create_directories(m_dir / "run");
        fs::permissions(m_dir / "run", fs::perms::owner_all, fs::perm_options::replace);
    }
    void TearDown() override {
        if (m_child.state() != QProcess::NotRunning) {
            m_child.kill();
            m_child.waitForFinished(5000);
        }
        Editor::TearDown();
        m_tmp.reset();
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    // The channel names of the example as it loads.
    std::map<std::uint32_t, std::string> ExampleNames() {
        Open();
        std::map<std::uint32_t, std::string> names;
        for (const std::uint32_t key : TheZorvDB().Keys(kTableChannel))
            names[key] = TheZorvDB().Get<Channel_Info_Tag>(kTableChannel, key)->Name;
        frame.reset();
        TheZorvDB().ClearAll();
        return names;
    }

    void StartEditorProcess() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TMPDIR", QString::fromStdString((m_dir / "tmp").string()));
        env.insert("HOME", QString::fromStdString((m_dir / "home").string()));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString((m_dir / "run").string()));
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
    void Send(const std::string& line) { m_child.write(QByteArray::fromStdString(line + "\n")); }
    // Renames channels 1 to n ("Kill 1" ...), each once the one before ran.
    void RenameChannels(int n) {
        for (int i = 1; i <= n; ++i) {
            Send("rename " + std::to_string(i) + " Kill " + std::to_string(i));
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
    // The next start, here through the scripted seam: one question, answered
    // Yes. The tables then hold what it restored.
    void RestoreAtNextStart() {
        m_tmp.emplace((m_dir / "tmp").string());
        Start();
        ui.messages.clear();
        ui.NextAnswer(IUiSeam::IDYES);
        frame->OfferWorkingCopyRecovery();
        ASSERT_EQ(ui.messages.size(), 1u) << "one question for the editor that ended";
        EXPECT_TRUE(ui.messages[0].text.contains("Restore those edits?"))
            << ui.messages[0].text.toStdString();
    }
    std::string NameOf(std::uint32_t key) {
        const auto* channel = TheZorvDB().Get<Channel_Info_Tag>(kTableChannel, key);
        return channel ? channel->Name : "(none)";
    }

    fs::path m_dir;
    QProcess m_child;
    std::optional<TmpDirScope> m_tmp;
};

TEST(SignalWatch, SignalsArriveInTheEventLoopInTheirOrder) {
    CSignalWatch watch;
    ASSERT_TRUE(watch.Active());
    EXPECT_FALSE(CSignalWatch().Active()) << "one watch per process";
    QSignalSpy spy(&watch, &CSignalWatch::Received);
    ASSERT_EQ(::raise(SIGTERM), 0); // would end this test program without the watch
    ASSERT_EQ(::raise(SIGHUP), 0);
    EXPECT_EQ(spy.count(), 0) << "nothing runs inside the handler";
    EXPECT_TRUE(QTest::qWaitFor([&] { return spy.count() == 2; }, 2000));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy[0][0].toInt(), SIGTERM);
    EXPECT_EQ(spy[1][0].toInt(), SIGHUP);
}

// SIGTERM or SIGHUP right after the last edit: nothing waits for it.
class EndedEditor : public KilledEditor, public ::testing::WithParamInterface<int> {};

TEST_P(EndedEditor, KeepsEveryEditAndTheNextStartOffersExactlyThose) {
    const auto names = ExampleNames();
    ASSERT_GT(names.size(), 4u);
    StartEditorProcess();
    RenameChannels(3);
    ::kill(static_cast<pid_t>(m_child.processId()), GetParam());
    ASSERT_TRUE(m_child.waitForFinished(10000));
    EXPECT_EQ(m_child.exitStatus(), QProcess::NormalExit) << "ended by itself, asking nothing";
    EXPECT_EQ(m_child.exitCode(), 0);
    EXPECT_EQ(Files(".rec").size(), 1u);
    EXPECT_EQ(Files(".tmp").size(), 0u) << "its working copy went as at a normal end";

    RestoreAtNextStart();
    for (const auto& [key, name] : names)
        EXPECT_EQ(NameOf(key), key <= 3 ? "Kill " + std::to_string(key) : name) << key;
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), names.size());
    EXPECT_TRUE(frame->Session().IsModified());
}

INSTANTIATE_TEST_SUITE_P(BySignal, EndedEditor, ::testing::Values(SIGTERM, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& p) {
                             return std::string(p.param == SIGTERM ? "Sigterm" : "Sighup");
                         });

TEST_F(KilledEditor, SigkillInTheMiddleOfEditingLosesAtMostTheLastEdit) {
    const auto names = ExampleNames();
    StartEditorProcess();
    // Edits faster than the writer's delay, some waiting and some not, and
    // the kill the moment the last one ran.
    RenameChannels(5);
    m_child.kill();
    ASSERT_TRUE(m_child.waitForFinished(10000));
    EXPECT_EQ(m_child.exitStatus(), QProcess::CrashExit);

    RestoreAtNextStart();
    for (std::uint32_t key = 1; key <= 4; ++key)
        EXPECT_EQ(NameOf(key), "Kill " + std::to_string(key));
    EXPECT_TRUE(NameOf(5) == "Kill 5" || NameOf(5) == names.at(5)) << NameOf(5);
    for (const auto& [key, name] : names) {
        if (key > 5) {
            EXPECT_EQ(NameOf(key), name) << key;
        }
    }
    EXPECT_TRUE(Files(".tmp").size() == 1u) << "only this session's working copy is left";
}

TEST_F(KilledEditor, AScriptedStartAsksNothingAndLeavesTheEditsForLater) {
    StartEditorProcess();
    RenameChannels(2);
    m_child.terminate();
    ASSERT_TRUE(m_child.waitForFinished(10000));
    ASSERT_EQ(Files(".rec").size(), 1u);
    const fs::path left = Files(".rec")[0];

    // A start by a script, offscreen: it must end by itself, not wait on a question.
    QProcessEnvironment env = m_child.processEnvironment();
    QProcess script;
    script.setProcessEnvironment(env);
    script.start(VELMAR_EDITOR, {"--open", kExample, "--quit-after-first-paint"});
    ASSERT_TRUE(script.waitForFinished(30000)) << "the start waited for an answer";
    EXPECT_EQ(script.exitCode(), 0);
    EXPECT_TRUE(script.readAllStandardOutput().contains("first paint"));
    EXPECT_TRUE(fs::exists(left)) << "kept for an interactive start";
}

} // namespace
