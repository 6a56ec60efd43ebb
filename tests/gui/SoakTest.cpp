// A day of use in a minute: the editor, offscreen, through many cycles of
// open, a random edit through its commands, save, and on every few cycles a
// send to lrzsz's rb and a receive of the same image back from sb over
// loopback TCP through the real link forms. The process's memory must settle,
// its descriptors must not grow, nothing may be left in the temporary folder
// (working copies, recovery files, half-written saves), and every saved or
// sent image must load again with the channels it was saved with.
//
// VELMAR_SOAK_CYCLES (default 60) sets the cycles, VELMAR_SOAK_LINK_EVERY
// (default 10) how often the link runs, VELMAR_SOAK_SEED the edits' seed.
// Label "soak"; scripts/soak.sh runs the long form.
#include "tests/gui/EditorFixture.h"
#include "tests/gui/Modal.h"

#include "contracts/Texts.h"
#include "document/RecoveryFile.h"
#include "document/WorkingCopy.h"
#include "qtkit/vxui/LinkDialogs.h"
#include "tests/link/LinkTestSupport.h"

#include <QKeyEvent>

#include <chrono>
#include <cstdio>
#include <future>
#include <random>
#include <set>

using namespace velmar::test;
using std::chrono::seconds;

namespace {

int EnvInt(const char* name, int fallback) {
    const char* text = std::getenv(name);
    const int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : fallback;
}

// Resident memory of this process in KiB, as the kernel counts it.
long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Open descriptors of this process (the listing's own one included, the
// same at every count).
int OpenDescriptors() {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                          std::filesystem::directory_iterator{}));
}

std::string BaseName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// sb or rb behind a loopback port, started on the connection the form makes.
class CLrzszPeer {
public:
    CLrzszPeer(std::vector<std::string> argv, std::string cwd) {
        m_done = std::async(std::launch::async, [this, argv = std::move(argv), cwd] {
            const int fd = m_server.Accept(seconds(20));
            if (fd < 0)
                return -2;
            CChild child(argv, fd, fd, cwd);
            ::close(fd);
            return child.Wait(seconds(90));
        });
    }
    std::uint16_t Port() const { return m_server.Port(); }
    // sb's or rb's exit status; -1 killed, -2 nobody connected.
    int Status() { return m_done.get(); }

private:
    CLoopbackServer m_server;
    std::future<int> m_done;
};

struct Figures {
    long rssAtTenth = -1, rssAtEnd = -1;
    int fdsBefore = -1, fdsAfter = -1;
    int imagesChecked = 0, linkRoundTrips = 0, edits = 0, listChecks = 0;
    std::vector<std::string> leftovers; // "cycle N: name"
};

class Soak : public Editor {
protected:
    void SetUp() override {
        Editor::SetUp();
        // The editor's temporary folder is one of our own, so that whatever
        // it leaves there is ours to see, whatever else runs on the machine.
        for (const auto& dir : {m_tmp, m_saves, m_rx})
            std::filesystem::create_directory(dir);
        m_tmpDir.emplace(m_tmp.string());
    }
    void TearDown() override {
        Editor::TearDown();
        m_tmpDir.reset();
    }

    // The list check before a save asks when a drop left a channel on
    // another satellite's transponder number; the user saves anyway.
    void SaveAnyway(const std::string& target) {
        SaveTo(target);
        const std::vector<std::string> said = TakeMessages();
        m_asked = said.size() == 1 && said[0].rfind(texts::kListCheckBeforeSave, 0) == 0;
        if (!m_asked) {
            EXPECT_EQ(said, std::vector<std::string>{}) << "the save said nothing";
            return;
        }
        ++m_figures.listChecks;
        ui.NextAnswer(IUiSeam::IDOK); // "Save anyway"
        SaveTo(target);
        EXPECT_EQ(TakeMessages(), said) << "the same question, and nothing else";
    }
    // Runs the posted work (deferred deletes among it) so counts are of a
    // settled event loop.
    static void Settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    // What the user was shown since the last look; the record is emptied so
    // that the test's own bookkeeping does not grow with the cycles.
    std::vector<std::string> TakeMessages() {
        std::vector<std::string> out;
        for (const auto& m : ui.messages)
            out.push_back(m.informative.isEmpty()
                              ? m.text.toStdString()
                              : m.text.toStdString() + " / " + m.informative.toStdString());
        ui.messages.clear();
        ui.openDialogs.clear();
        ui.saveDialogs.clear();
        ui.progress.clear();
        ui.m_cursorChanges.clear();
        return out;
    }
    static std::size_t Channels() { return std::as_const(TheZorvDB()).Size(kTableChannel); }
    // 1 to 3 random rows of a channel list selected; their keys.
    std::vector<std::uint32_t> SelectSome(CChannelGridCtrl& grid) {
        std::vector<std::uint32_t> keys;
        const int rows = grid.GetRowCount() - 1;
        if (rows < 1)
            return keys;
        const int n = 1 + static_cast<int>(m_rng() % 3);
        for (int i = 0; i < n; ++i) {
            const std::uint32_t key = grid.GetRowKey(1 + static_cast<int>(m_rng() % rows));
            if (std::find(keys.begin(), keys.end(), key) == keys.end())
                keys.push_back(key);
        }
        grid.SelectRowsByKey(keys);
        return keys;
    }
    std::uint32_t RandomRowKey(CListGridCtrl& grid) {
        const int rows = grid.GetRowCount() - 1;
        return rows < 1 ? 0 : grid.GetRowKey(1 + static_cast<int>(m_rng() % rows));
    }

    // One random edit as the user makes it: drops on a source grid, the
    // tree or the list itself, or Delete answered Yes; sometimes undone,
    // sometimes redone. Returns the channel count it should leave.
    std::size_t RandomEdit() {
        frame->SendMessage(WM_FAV_NODE_SELECTED, 0, 255); // every channel on show
        const bool radio = m_rng() % 4 == 0;
        CChannelGridCtrl& list = radio ? Radio() : TV();
        const int drag = radio ? kDragRadio : kDragTV;
        const std::size_t before = Channels();
        std::size_t expected = before;
        const std::vector<std::uint32_t> keys = SelectSome(list);
        if (keys.empty())
            return expected;
        const std::pair<int, const char*> sources[] = {{kDragSatellite, "SatGrid"},
                                                       {kDragTransponder, "TPGrid"},
                                                       {kDragBroadcast, "BroadcastGrid"}};
        const auto pick = m_rng() % 6;
        if (pick < 3) {
            Drop(drag, sources[pick].first, RandomRowKey(Grid(sources[pick].second)));
        } else if (pick == 3) {
            const auto lists = std::as_const(TheZorvDB()).Size(kTableFavorite);
            Drop(drag, kDragFavoriteNode,
                 static_cast<std::uint32_t>(m_rng() % std::max<std::size_t>(lists, 1)));
        } else if (pick == 4) {
            Drop(drag, drag, RandomRowKey(list)); // moved within the list
        } else {
            ui.NextAnswer(IUiSeam::IDYES);
            QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
            QCoreApplication::sendEvent(&list, &del);
            const auto asked = TakeMessages();
            EXPECT_TRUE(asked.size() == 1 && asked[0].rfind(texts::kAskDelete, 0) == 0)
                << "the question before a delete";
            expected = before - keys.size();
        }
        ++m_figures.edits;
        EXPECT_EQ(Channels(), expected) << "after the edit";
        if (frame->Session().CanUndo() && m_rng() % 3 == 0) {
            Action("ID_EDIT_UNDO").trigger();
            EXPECT_EQ(Channels(), before) << "after the undo";
            if (m_rng() % 2 == 0) {
                Action("ID_EDIT_REDO").trigger();
                EXPECT_EQ(Channels(), expected) << "after the redo";
            } else {
                expected = before;
            }
        }
        return expected;
    }

    // The image at `path` read through the codec into a document of its
    // own: it must load, with `channels` channels.
    void CheckImage(const std::string& path, std::size_t channels, const char* what) {
        CDocument probe;
        Phrase error;
        EXPECT_EQ(
            ReadImageDocument(path, ImageForm::Convert, probe.Values(), probe, nullptr, &error), 1)
            << what << " " << path << ": " << English(error);
        EXPECT_EQ(probe.Store().Size(kTableChannel), channels) << what << " " << path;
        ++m_figures.imagesChecked;
    }

    // `peer` (sb or rb) behind a loopback port, and the real link form the
    // command `action` opens, filled with a TCP line to it and started (a
    // form still open a minute later is closed, and the test fails).
    template <class Dlg>
    void OverTheLink(std::vector<std::string> peer, const std::string& cwd, const char* action) {
        const std::string program = BaseName(peer[0]);
        CLrzszPeer far(std::move(peer), cwd);
        auto result = std::make_shared<int>(-1); // the script outlives this call if never run
        ui.NextDialog<Dlg>(IUiSeam::IDOK, [this, result, port = far.Port()](Dlg& d) {
            WhenModalNamed(Dlg::kClassName, [port](QDialog& form) { StartOverTcp(form, port); });
            *result = d.ShowForm(frame.get());
        });
        Action(action).trigger();
        ASSERT_EQ(ui.PendingDialogScripts(), 0u) << "the form " << Dlg::kClassName << " came up";
        EXPECT_EQ(*result, IUiSeam::IDOK) << "the form " << Dlg::kClassName;
        EXPECT_EQ(far.Status(), 0) << program << " finished cleanly";
    }

    // Send to rb, then the same image received back from sb.
    void LinkRoundTrip(std::size_t channels) {
        const std::string sent = m_rx / "velmar.bin";
        if (m_asked) // the list check asks again before the send
            ui.NextAnswer(IUiSeam::IDOK);
        OverTheLink<CDlgSendDataToSTB>({FindProgram("rb"), "-q"}, m_rx, "ID_SEND_DB");
        const std::vector<std::string> said = TakeMessages();
        EXPECT_EQ(said.size(), m_asked ? 1u : 0u) << "the send said nothing else";
        EXPECT_TRUE(said.empty() || said[0].rfind(texts::kListCheckBeforeSend, 0) == 0) << said[0];
        const std::vector<std::uint8_t> working = ReadBytes(g_szWorkImagePath);
        ASSERT_EQ(ReadBytes(sent), working) << "rb got the working copy as it is";
        CheckImage(sent, channels, "sent");
        OverTheLink<CDlgRecvDataFromSTBEx>({FindProgram("sb"), "-q", "-k", sent}, {},
                                           "ID_RECEIVE_DB");
        EXPECT_EQ(TakeMessages(), std::vector<std::string>{}) << "the receive said nothing";
        EXPECT_EQ(Channels(), channels) << "the received tables";
        EXPECT_EQ(ReadBytes(g_szWorkImagePath), working) << "what came back is what went";
        EXPECT_FALSE(frame->Session().IsModified());
        std::filesystem::remove(sent);
        ++m_figures.linkRoundTrips;
    }

    // What the temporary folder holds besides the working copy in use, what
    // rb's folder holds after its file was checked, and strays beside the saves.
    void CollectLeftovers(int cycle) {
        const auto left = [&](const char* where, const std::string& name) {
            m_figures.leftovers.push_back("cycle " + std::to_string(cycle) + ": " + where + name);
        };
        for (const auto& name : Names(m_tmp))
            if (name != BaseName(g_szWorkImagePath))
                left("tmp/", name);
        for (const auto& name : Names(m_rx))
            left("rx/", name);
        // Beside the saves: the lists and the backups their first saves kept,
        // nothing half-written.
        for (const auto& name : Names(m_saves))
            if (!(name.size() >= 10 && name.rfind("list-", 0) == 0 &&
                  (name.substr(6) == ".bin" || name.substr(6) == ".bin.bak")))
                left("saves/", name);
    }

    CTempDir m_scratch;
    std::filesystem::path m_root = m_scratch.Path();
    std::filesystem::path m_tmp = m_root / "tmp", m_saves = m_root / "saves", m_rx = m_root / "rx";
    std::optional<TmpDirScope> m_tmpDir;
    bool m_asked = false; // the list check asked before the last save
    std::mt19937 m_rng;
    Figures m_figures;
};

} // namespace

TEST_F(Soak, ADayOfUseInAMinute) {
    if (FindProgram("sb").empty() || FindProgram("rb").empty())
        GTEST_SKIP() << "sb or rb (lrzsz) is not installed";
    const int cycles = EnvInt("VELMAR_SOAK_CYCLES", 60);
    const int linkEvery = EnvInt("VELMAR_SOAK_LINK_EVERY", 10);
    const auto seed = static_cast<std::uint32_t>(EnvInt("VELMAR_SOAK_SEED", 2026));
    m_rng.seed(seed);
    const int tenth = std::max(1, cycles / 10);
    std::printf("soak: %d cycles, link every %d, seed %u\n", cycles, linkEvery, seed);
    std::fflush(stdout); // seen at once, not after the run, when stdout is a pipe

    Start();
    ASSERT_NE(g_szWorkImagePath[0], '\0') << "the editor has its working copy";
    const std::string example = kExample.toStdString();
    std::string lastSaved;
    std::size_t lastSavedChannels = 0;
    const auto started = std::chrono::steady_clock::now();

    for (int cycle = 1; cycle <= cycles; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle) + ", seed " + std::to_string(seed));
        // Open: the example, or the file saved the cycle before.
        const bool reopen = !lastSaved.empty() && cycle % 2 == 0;
        const std::string open = reopen ? lastSaved : example;
        ASSERT_FALSE(frame->Session().IsModified()) << "nothing unsaved before the open";
        OpenFile(QString::fromStdString(open));
        ASSERT_EQ(TakeMessages(), std::vector<std::string>{}) << "the open said nothing";
        ASSERT_EQ(Channels(), reopen ? lastSavedChannels : 293u) << open;

        const std::size_t channels = RandomEdit();
        const bool link = (cycle - 1) % linkEvery == 0;
        const std::string recovery = RecoveryPathFor(g_szWorkImagePath);
        if (link && frame->Session().IsModified()) {
            // The unsaved edit is kept on disk a moment later ...
            EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(recovery); }, 3000))
                << "the recovery file was written";
        }

        // Save, into one of three names in turn (a save over one keeps a backup).
        const std::string target =
            (m_saves / ("list-" + std::to_string(cycle % 3) + ".bin")).string();
        SaveAnyway(target);
        EXPECT_FALSE(frame->Session().IsModified()) << "saved";
        EXPECT_FALSE(std::filesystem::exists(recovery)) << "... and goes once it is saved";
        CheckImage(target, channels, "saved");
        lastSaved = target;
        lastSavedChannels = channels;

        if (link)
            LinkRoundTrip(channels);
        if (HasFatalFailure())
            return;

        Settle();
        CollectLeftovers(cycle);
        if (cycle == 1)
            m_figures.fdsBefore = OpenDescriptors(); // after the first of everything
        if (cycle == tenth)
            m_figures.rssAtTenth = ResidentKiB();
    }
    Settle();
    m_figures.rssAtEnd = ResidentKiB();
    m_figures.fdsAfter = OpenDescriptors();
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    // Closed normally, the editor takes its working copy with it.
    frame.reset();
    Settle();
    for (const auto& name : Names(m_tmp))
        m_figures.leftovers.push_back("after closing: tmp/" + name);

    const double growth = 100.0 * static_cast<double>(m_figures.rssAtEnd - m_figures.rssAtTenth) /
                          static_cast<double>(std::max(m_figures.rssAtTenth, 1L));
    std::printf("soak: %d cycles in %.1f s, %d edits, %d link round trips\n"
                "soak: RSS at cycle %d: %ld KiB, at cycle %d: %ld KiB (%+.1f %%)\n"
                "soak: open descriptors after cycle 1: %d, after cycle %d: %d\n"
                "soak: images checked: %d; list-check questions answered: %d\n"
                "soak: leftover files: %zu\n",
                cycles, elapsed, m_figures.edits, m_figures.linkRoundTrips, tenth,
                m_figures.rssAtTenth, cycles, m_figures.rssAtEnd, growth, m_figures.fdsBefore,
                cycles, m_figures.fdsAfter, m_figures.imagesChecked, m_figures.listChecks,
                m_figures.leftovers.size());
    for (const auto& leftover : m_figures.leftovers)
        std::printf("soak:   %s\n", leftover.c_str());
    std::fflush(stdout);

#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back in its quarantine, so the
    // process grows by design there; the release build checks memory.
#else
    EXPECT_LE(m_figures.rssAtEnd, m_figures.rssAtTenth + m_figures.rssAtTenth / 10)
        << "memory did not settle";
#endif
    EXPECT_LE(m_figures.fdsAfter, m_figures.fdsBefore) << "descriptors grew";
    EXPECT_TRUE(m_figures.leftovers.empty()) << "files were left behind";
    EXPECT_EQ(m_figures.imagesChecked, cycles + m_figures.linkRoundTrips);
    EXPECT_EQ(m_figures.linkRoundTrips, (cycles + linkEvery - 1) / linkEvery);
}
