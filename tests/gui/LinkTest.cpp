// The editor's Receive and Send: the frame's commands with scripted dialogs,
// the dialogs' own forms moving real images over loopback TCP, and the two
// commands against each other through a null-modem bridge.
#include "document/WorkingCopy.h"
#include "link/ImageTransfer.h"
#include "link/TcpTransport.h"
#include "platform/FileOps.h"
#include "qtkit/QtUiSeam.h"
#include "qtkit/vxui/LinkDialogs.h"
#include "qtkit/vxui/LinkForm.h"
#include "tests/gui/EditorFixture.h"
#include "tests/gui/InLanguage.h"
#include "tests/gui/Modal.h"
#include "tests/link/LinkTestSupport.h"

#include <QLabel>
#include <QProgressBar>
#include <QSettings>

#include <future>
#include <sys/socket.h>

using namespace velmar::test;
using std::chrono::milliseconds;
using std::chrono::seconds;
using Bytes = std::vector<std::uint8_t>;

namespace {

// The forms' settings in a fresh folder of the test: no line remembered
// from another test.
class SettingsScope {
public:
    SettingsScope() {
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QString::fromStdString(m_dir.Path()));
    }

private:
    CTempDir m_dir;
};

// A peer behind a loopback port: accepts one connection and runs `talk` on it.
class CPeer {
public:
    explicit CPeer(std::function<LinkResult(ITransport&)> talk) {
        std::string error;
        m_listener.Listen("127.0.0.1", 0, error);
        m_done = std::async(std::launch::async, [this, talk = std::move(talk)] {
            std::string why;
            auto line = m_listener.Accept(seconds(20), nullptr, why);
            return line ? talk(*line)
                        : LinkResult{.status = LinkStatus::LineError,
                                     .message = why,
                                     .said = {},
                                     .fileName = {}};
        });
    }
    std::uint16_t Port() const { return m_listener.Port(); }
    LinkResult Result() { return m_done.get(); }

private:
    CTcpListener m_listener;
    std::future<LinkResult> m_done;
};

class EditorLink : public Editor {
protected:
    Bytes WorkingCopy() const { return ReadBytes(g_szWorkImagePath); }
};

// A received image as the dialog leaves it: written into the working copy.
std::function<void(CDlgRecvDataFromSTBEx&)> Deliver(const Bytes& image) {
    return [image](CDlgRecvDataFromSTBEx& d) { WriteBytes(d.Path(), image); };
}

} // namespace

TEST(LinkForm, ProgressText) {
    EXPECT_EQ(TransferProgressText(155691, 311382, 10752).toStdString(),
              "155691 of 311382 bytes (50%), 10.5 KiB/s");
    EXPECT_EQ(TransferProgressText(0, 0, 0).toStdString(), "0 of 0 bytes (0%), 0.0 KiB/s");
}

// Receive has a button, Send none: the toolbar's order in EditingTest.
TEST_F(EditorLink, ReceiveAndSendAreCommandsWithTheirKeys) {
    StartActive();
    QTest::keyClick(frame.get(), Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(frame.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(ui.Shown<CDlgRecvDataFromSTBEx>().size(), 1u);
    ExpectSaid(1, IUiSeam::Icon::Stop, "Upload data is empty or invalid"); // nothing to send
}

TEST_F(EditorLink, ProductListChoosesTheReceiveDialog) {
    Start();
    std::vector<std::string> shown;
    for (const int list : {1, 5, 6, 7, 8, 9, 10, 11, 64}) {
        SetProductList(list);
        Action("ID_RECEIVE_DB").trigger();
        ASSERT_EQ(ui.ShownDialogs().size(), shown.size() + 1) << "list " << list;
        const auto& dialog = dynamic_cast<const CLinkDialogBase&>(*ui.ShownDialogs().back());
        shown.push_back(dialog.ClassName());
        EXPECT_EQ(dialog.Path(), g_szWorkImagePath);
    }
    const std::string plain = "CDlgRecvDataFromSTB", ex = "CDlgRecvDataFromSTBEx";
    EXPECT_EQ(shown, (std::vector{plain, plain, plain, ex, ex, ex, ex, plain, plain}));
    EXPECT_TRUE(ui.messages.empty());
}

// Where the letter would leave cleared tables and say nothing, the editor
// keeps what it had and says the image could not be read; a cancelled
// receive keeps it too, without a word.
TEST_F(EditorLink, ReceivedImageThatDoesNotLoadKeepsTheTables) {
    Open();
    const Bytes before = WorkingCopy();
    ui.NextDialog<CDlgRecvDataFromSTBEx>(IUiSeam::IDCANCEL);
    Action("ID_RECEIVE_DB").trigger();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(WorkingCopy(), before);
    EXPECT_EQ(TV().GetRowCount() - 1, 204);

    // Working form, but far too short for the blocks.
    Bytes broken = {'V', 'X', ' ', ' ', 80, 0};
    broken.resize(86 + 1000, 0x55);
    ui.NextDialog<CDlgRecvDataFromSTBEx>(IUiSeam::IDOK, Deliver(broken));
    Action("ID_RECEIVE_DB").trigger();
    ExpectSaid(1, IUiSeam::Icon::Stop, "Cannot open or invalid version file");
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), 293u);
    EXPECT_EQ(TV().GetItemText(1, 6), "Das Erste HD");
    EXPECT_EQ(WorkingCopy(), before);

    // A file without the working header: Load asks; No keeps everything too.
    ui.NextDialog<CDlgRecvDataFromSTBEx>(IUiSeam::IDOK, Deliver(SampleBytes(5000)));
    ui.NextAnswer(IUiSeam::IDNO);
    Action("ID_RECEIVE_DB").trigger();
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[1].text, "Cannot read file header. Continue?");
    EXPECT_EQ(ui.messages[2].text, "Cannot open or invalid version file");
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), 293u);
    EXPECT_EQ(WorkingCopy(), before);
}

// A send that cannot go says why as an error, shows no send form and leaves
// the working copy as it was.
TEST_F(EditorLink, SendThatCannotGoSaysWhyAndWritesNothing) {
    // No favourite lists, then a disk that fills part-way through the save
    // before the send.
    for (const bool diskFills : {false, true}) {
        SCOPED_TRACE(diskFills ? "a full disk" : "no favourite lists");
        frame.reset();
        TheZorvDB().ClearAll();
        Open();
        const Bytes before = WorkingCopy();
        const std::size_t said = ui.messages.size(), shown = ui.ShownDialogs().size();
        if (!diskFills)
            TheZorvDB().Clear(kTableFavorite);
        {
            CFailingFileOps failing;
            failing.failAfter = 4096;
            std::optional<CScopedFileOps> scope;
            if (diskFills)
                scope.emplace(failing);
            Action("ID_SEND_DB").trigger();
        }
        ASSERT_EQ(ui.messages.size(), said + 1);
        ExpectMessage(ui.messages.back(),
                      diskFills ? "Cannot save channel file" : "Upload data is empty or invalid",
                      IUiSeam::Icon::Stop, IUiSeam::Buttons::Ok);
        EXPECT_EQ(ui.ShownDialogs().size(), shown) << "no send form";
        EXPECT_EQ(WorkingCopy(), before) << "nothing saved";
    }
}

TEST_F(EditorLink, SendSavesTheTablesIntoTheWorkingCopyFirst) {
    Open();
    auto* first = TheZorvDB().NextAs<Channel_Info_Tag>(kTableChannel, 0);
    ASSERT_NE(first, nullptr);
    std::strcpy(first->Name, "Renamed");
    Bytes seen;
    ui.NextDialog<CDlgSendDataToSTB>(IUiSeam::IDCANCEL,
                                     [&](CDlgSendDataToSTB& d) { seen = ReadBytes(d.Path()); });
    Action("ID_SEND_DB").trigger();
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(ui.Shown<CDlgSendDataToSTB>().size(), 1u);
    EXPECT_EQ(ui.LastShown<CDlgSendDataToSTB>()->Path(), g_szWorkImagePath);
    ASSERT_GT(seen.size(), 86u);
    EXPECT_EQ(std::string(seen.begin(), seen.begin() + 4), "VX  ");
    const std::string text(seen.begin(), seen.end());
    EXPECT_NE(text.find("Renamed"), std::string::npos) << "the send dialog got the edit";
    EXPECT_EQ(TV().GetItemText(1, 6), "Renamed") << "the panes were rebuilt first";
}

TEST_F(EditorLink, SendAsksBeforeABrokenListLeaves) {
    Open();
    const Bytes before = WorkingCopy();
    CZorvDB& db = TheZorvDB();
    const auto* first = db.NextAs<Channel_Info_Tag>(kTableChannel, 0);
    auto twin = NewRecord<Channel_Info_Tag>();
    *twin = *first; // the same kind on the same number
    db.AddIndexed(kTableChannel, std::move(twin));

    Action("ID_SEND_DB").trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.toStdString(), texts::kListCheckBeforeSend);
    EXPECT_EQ(ui.messages[0].proceed, "Send anyway");
    EXPECT_TRUE(ui.messages[0].informative.startsWith(
        "2 channels share a number with another channel of their kind"))
        << ui.messages[0].informative.toStdString();
    EXPECT_TRUE(ui.ShownDialogs().empty()) << "Cancel sends nothing";
    EXPECT_EQ(WorkingCopy(), before) << "and writes nothing";

    ui.NextAnswer(IUiSeam::IDOK);
    Action("ID_SEND_DB").trigger();
    EXPECT_EQ(ui.Shown<CDlgSendDataToSTB>().size(), 1u) << "Send anyway goes on";
    EXPECT_NE(WorkingCopy(), before);
}

// ---- The forms themselves, over loopback TCP -----------------------------------------

class LinkForms : public ::testing::Test {
protected:
    SettingsScope settings;
    CQtUiSeam qt;
    CTempDir dir;
};

TEST_F(LinkForms, CancelWhileWaitingLeavesTheFileAndTellsTheSender) {
    const std::string dest = dir / "work.bin";
    const Bytes old = {'k', 'e', 'p', 't'};
    WriteBytes(dest, old);
    Bytes heard;
    CPeer peer([&](ITransport& line) {
        // A sender that never starts: listen until the cancel arrives.
        std::uint8_t buffer[256];
        const auto deadline = std::chrono::steady_clock::now() + seconds(15);
        while (std::chrono::steady_clock::now() < deadline &&
               std::count(heard.begin(), heard.end(), 0x18) < 8) {
            const auto got = line.Read(buffer, milliseconds{50});
            if (got < 0)
                break;
            heard.insert(heard.end(), buffer, buffer + got);
        }
        return LinkResult{};
    });
    CDlgRecvDataFromSTBEx dialog(qt);
    dialog.Initialize(dest.c_str());
    std::chrono::steady_clock::time_point pressed;
    WhenModalNamed("CDlgRecvDataFromSTBEx", [&](QDialog& form) {
        StartOverTcp(form, peer.Port());
        auto& status = Child<QLabel>(form, "Status");
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return status.text().startsWith("Waiting for the receiver to send"); }, 5000))
            << status.text().toStdString();
        pressed = std::chrono::steady_clock::now();
        Child<QPushButton>(form, "Cancel").click();
    });
    EXPECT_EQ(dialog.DoModal(), IUiSeam::IDCANCEL);
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, seconds(2));
    peer.Result();
    EXPECT_EQ(ReadBytes(dest), old);
    EXPECT_EQ(dir.List(), std::vector<std::string>{"work.bin"});
    EXPECT_GE(std::count(heard.begin(), heard.end(), 0x18), 8) << "the sender was told";
}

// A whole image over the real forms is EditorLink.EditorToEditor's and the
// soak's; here the form's defaults, a failure, and the line remembered.
TEST_F(LinkForms, FailureStaysOnTheFormAndCanBeTriedAgain) {
    std::uint16_t closedPort = 0;
    {
        CTcpListener gone;
        std::string error;
        ASSERT_TRUE(gone.Listen("127.0.0.1", 0, error));
        closedPort = gone.Port();
    }
    const std::string dest = dir / "work.bin";
    WriteBytes(dest, {'x'});
    CDlgRecvDataFromSTB dialog(qt);
    dialog.Initialize(dest.c_str());
    WhenModalNamed("CDlgRecvDataFromSTB", [&](QDialog& form) {
        EXPECT_EQ(form.windowTitle(), "Receive DB from STB");
        EXPECT_TRUE(Child<QRadioButton>(form, "Serial").isChecked()) << "serial by default";
        EXPECT_EQ(Child<QComboBox>(form, "Baud").currentText(), "115200");
        StartOverTcp(form, closedPort);
        auto& status = Child<QLabel>(form, "Status");
        const QString failure =
            "Transfer failed: cannot connect to 127.0.0.1:" + QString::number(closedPort) +
            ": Connection refused";
        EXPECT_TRUE(QTest::qWaitFor([&] { return status.text() == failure; }, 5000))
            << status.text().toStdString();
        EXPECT_TRUE(Child<QPushButton>(form, "Start").isEnabled()) << "it can be tried again";
        form.reject();
    });
    EXPECT_EQ(dialog.DoModal(), IUiSeam::IDCANCEL);
    EXPECT_EQ(ReadBytes(dest), Bytes{'x'});

    // The same dialog class offers the line again; the line's own reason
    // comes in the user's language too.
    {
        const CInLanguage russian("ru");
        WhenModalNamed("CDlgRecvDataFromSTB", [&](QDialog& form) {
            EXPECT_TRUE(Child<QRadioButton>(form, "Tcp").isChecked());
            EXPECT_EQ(Child<QLineEdit>(form, "Host").text(), "127.0.0.1");
            StartOverTcp(form, closedPort);
            auto& status = Child<QLabel>(form, "Status");
            const QString said =
                "не удаётся подключиться к 127.0.0.1:" + QString::number(closedPort);
            EXPECT_TRUE(QTest::qWaitFor([&] { return status.text().contains(said); }, 5000))
                << status.text().toStdString();
            form.reject();
        });
        EXPECT_EQ(dialog.DoModal(), IUiSeam::IDCANCEL);
    }
    // The other dialog class has a line of its own.
    CDlgRecvDataFromSTBEx other(qt);
    WhenModalNamed("CDlgRecvDataFromSTBEx", [](QDialog& form) {
        EXPECT_TRUE(Child<QRadioButton>(form, "Serial").isChecked());
        form.reject();
    });
    EXPECT_EQ(other.DoModal(), IUiSeam::IDCANCEL);
}

// A line that takes its time, so the form is seen at work.
class CSlowLine final : public ITransport {
public:
    explicit CSlowLine(ITransport& line) : m_line(line) {}
    std::ptrdiff_t Read(std::span<std::uint8_t> out, milliseconds timeout) override {
        return m_line.Read(out, timeout);
    }
    bool Write(std::span<const std::uint8_t> data) override {
        std::this_thread::sleep_for(milliseconds{40});
        return m_line.Write(data);
    }
    std::string Error() const override { return m_line.Error(); }

private:
    ITransport& m_line;
};

TEST_F(LinkForms, ProgressMovesWhileTheWindowKeepsAnswering) {
    const std::string source = dir / "data.bin";
    WriteBytes(source, SampleBytes(40 * 1024, 3));
    CPeer peer([&](ITransport& line) {
        CSlowLine slow(line);
        return SendImage(slow, source, ymodem::Options{.startTimeout = seconds(20)});
    });
    const std::string dest = dir / "work.bin";
    CDlgRecvDataFromSTB dialog(qt);
    dialog.Initialize(dest.c_str());
    QStringList texts;
    int midway = -1;
    WhenModalNamed("CDlgRecvDataFromSTB", [&](QDialog& form) {
        StartOverTcp(form, peer.Port());
        auto& status = Child<QLabel>(form, "Status");
        auto& bar = Child<QProgressBar>(form, "Progress");
        // The event loop keeps running: the label and the bar follow the data.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                if (!texts.contains(status.text()))
                    texts << status.text();
                if (bar.value() > 0 && bar.value() < 1000)
                    midway = bar.value();
                return midway > 0 && status.text().contains(" of 40960 bytes (");
            },
            10000));
    });
    EXPECT_EQ(dialog.DoModal(), IUiSeam::IDOK);
    EXPECT_GT(midway, 0);
    EXPECT_TRUE(peer.Result().Ok());
    EXPECT_EQ(ReadBytes(dest).size(), 40960u + 86) << "a bare file gets the working header";
}

// ---- Editor to editor --------------------------------------------------------------

// Two TCP ports joined back to back, like a null-modem cable.
class CNullModem {
public:
    CNullModem() {
        std::string error;
        m_a.Listen("127.0.0.1", 0, error);
        m_b.Listen("127.0.0.1", 0, error);
        m_joining = std::async(std::launch::async, [this] {
            std::string why;
            m_lineA = m_a.Accept(seconds(20), nullptr, why);
            m_lineB = m_b.Accept(seconds(20), nullptr, why);
            if (m_lineA && m_lineB)
                m_relay = std::make_unique<CRelay>(
                    *m_lineA, *m_lineB, Faults{}, Faults{},
                    [fd = m_lineA->Fd()] { ::shutdown(fd, SHUT_RDWR); },
                    [fd = m_lineB->Fd()] { ::shutdown(fd, SHUT_RDWR); });
        });
    }
    ~CNullModem() {
        m_joining.wait();
        m_relay.reset();
    }
    std::uint16_t PortA() const { return m_a.Port(); }
    std::uint16_t PortB() const { return m_b.Port(); }

private:
    CTcpListener m_a, m_b;
    std::unique_ptr<CTcpTransport> m_lineA, m_lineB;
    std::unique_ptr<CRelay> m_relay;
    std::future<void> m_joining;
};

// The editor's Send, with its real form, to the editor's Receive, with its
// real form, while the send is still running: the sent tables come back in.
TEST_F(EditorLink, EditorToEditor) {
    SettingsScope settings;
    CQtUiSeam qt;
    frame = std::make_unique<CMainFrame>(qt, false);
    frame->show();
    frame->OpenPath(kExample);
    auto* first = TheZorvDB().NextAs<Channel_Info_Tag>(kTableChannel, 0);
    ASSERT_NE(first, nullptr);
    std::strcpy(first->Name, "Sent over the wire");
    CNullModem cable;
    bool received = false;
    QString title;
    WhenModalNamed("CDlgSendDataToSTB", [&](QDialog& sendForm) {
        title = sendForm.windowTitle();
        StartOverTcp(sendForm, cable.PortA());
        // The other editor: its Receive, from inside this one's send.
        WhenModalNamed("CDlgRecvDataFromSTBEx",
                       [&](QDialog& receiveForm) { StartOverTcp(receiveForm, cable.PortB()); });
        TheZorvDB().ClearAll(); // what arrives must come over the line
        frame->OnReceiveDb();
        received = true;
    });
    Action("ID_SEND_DB").trigger();
    ASSERT_TRUE(received);
    EXPECT_EQ(title, "Send DB to STB");
    EXPECT_EQ(TheZorvDB().Size(kTableChannel), 293u);
    EXPECT_EQ(TV().GetItemText(1, 6), "Sent over the wire");
}
