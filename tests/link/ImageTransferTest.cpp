// Receiving an image into a file and sending one, over an in-memory line:
// the conversion into the working form, the atomic replace, and every way a
// receive can fail without touching the destination.
#include "link/ImageTransfer.h"
#include "document/CurrentDocument.h"
#include "document/WorkingCopy.h"
#include "link/YmodemReceiver.h"
#include "link/YmodemSender.h"
#include "tests/link/LinkTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace velmar::test;
using std::chrono::milliseconds;
using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes kOldContents = {'o', 'l', 'd', ' ', 'w', 'o', 'r', 'k', 'i', 'n', 'g'};

// Sends `data` with our own sender and receives it into `destination`.
LinkResult SendAndReceive(const Bytes& data, const std::string& destination,
                          LinkResult* sent = nullptr, IProgress* progress = nullptr) {
    auto [a, b] = MakePipe();
    auto sending = std::async(std::launch::async, [&, &end = *a] {
        return ymodem::Send(end, "image.bin", data, FastOptions());
    });
    const LinkResult received =
        ReceiveImage(*b, destination, FastOptions(), progress, CurrentHeaderText());
    const LinkResult s = sending.get();
    if (sent)
        *sent = s;
    return received;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

class HeaderTextScope {
public:
    explicit HeaderTextScope(char fill) {
        std::memcpy(m_saved, g_HeaderText, sizeof m_saved);
        std::memset(g_HeaderText, fill, sizeof g_HeaderText);
    }
    ~HeaderTextScope() { std::memcpy(g_HeaderText, m_saved, sizeof m_saved); }
    HeaderTextScope(const HeaderTextScope&) = delete;
    HeaderTextScope& operator=(const HeaderTextScope&) = delete;

private:
    BYTE m_saved[kHeaderTextSize];
};

} // namespace

TEST(ImageReceive, WorkingFormArrivesUnchanged) {
    CTempDir dir;
    const std::string dest = dir / "work.bin";
    WriteBytes(dest, kOldContents);
    const Bytes image = Concat({{'V', 'X', ' ', ' ', 80, 0}, SampleBytes(80 + 20000, 3)});
    const LinkResult r = SendAndReceive(image, dest);
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(ReadBytes(dest), image);
    EXPECT_EQ(dir.List(), std::vector<std::string>{"work.bin"}) << "no temporary file is left";
}

TEST(ImageReceive, ZorvImageGetsTheWorkingHeader) {
    CTempDir dir;
    const std::string dest = dir / "work.bin";
    const Bytes image = Concat({{'Z', 'O', 'R', 'V'}, SampleBytes(60 + 9000, 4)});
    ASSERT_TRUE(SendAndReceive(image, dest).Ok());
    // "VX  ", 80 least significant byte first, 16 zero bytes, then the file.
    const Bytes expected = Concat({{'V', 'X', ' ', ' ', 0x50, 0x00}, Bytes(16, 0), image});
    EXPECT_EQ(ReadBytes(dest), expected);
}

TEST(ImageReceive, BareImageGetsTheCurrentHeaderText) {
    HeaderTextScope text('h');
    CTempDir dir;
    const std::string dest = dir / "work.bin";
    const Bytes image = SampleBytes(5000, 5);
    ASSERT_TRUE(SendAndReceive(image, dest).Ok());
    const Bytes expected = Concat({{'V', 'X', ' ', ' ', 0x50, 0x00}, Bytes(80, 'h'), image});
    EXPECT_EQ(ReadBytes(dest), expected);
}

// The receive converts exactly as opening a file does.
TEST(ImageReceive, ConversionIsTheOneOpeningUses) {
    HeaderTextScope text('t');
    CTempDir dir;
    for (const Bytes& image :
         {Concat({{'V', 'X', ' ', ' ', 80, 0}, SampleBytes(3000, 6)}),
          Concat({{'Z', 'O', 'R', 'V'}, SampleBytes(3000, 7)}), SampleBytes(3000, 8)}) {
        const std::string source = dir / "source.bin";
        WriteBytes(source, image);
        // What opening the file decodes: its bytes in the working form.
        CDocument opened;
        ReadImageDocument(source, ImageForm::Convert, CurrentImageValues(), opened);
        const std::string dest = dir / "received.bin";
        ASSERT_TRUE(SendAndReceive(image, dest).Ok());
        EXPECT_EQ(ReadBytes(dest), opened.Image());
    }
}

TEST(ImageReceive, ReplacedFileKeepsItsMode) {
    CTempDir dir;
    const std::string dest = dir / "work.bin";
    WriteBytes(dest, kOldContents);
    ASSERT_EQ(::chmod(dest.c_str(), 0640), 0);
    ASSERT_TRUE(SendAndReceive(SampleBytes(100), dest).Ok());
    struct stat info {};
    ASSERT_EQ(::stat(dest.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(ImageReceive, EmptyFileIsRefused) {
    CTempDir dir;
    const std::string dest = dir / "work.bin";
    WriteBytes(dest, kOldContents);
    LinkResult sent;
    const LinkResult r = SendAndReceive({}, dest, &sent);
    EXPECT_EQ(r.status, LinkStatus::FileError);
    EXPECT_EQ(r.message, "The sender's file image.bin is empty");
    EXPECT_EQ(sent.status, LinkStatus::PeerCancelled);
    EXPECT_EQ(ReadBytes(dest), kOldContents);
    EXPECT_EQ(dir.List(), std::vector<std::string>{"work.bin"});
}

// Something else cut the temporary file short once the data was in: what
// is read back is not the file that arrived, so it must not replace the
// destination.
TEST(ImageReceive, TemporaryFileCutShortIsRefused) {
    CTempDir dir;
    const std::string dest = dir / "work.bin";
    WriteBytes(dest, kOldContents);
    struct CutShort final : IProgress {
        const CTempDir& dir;
        explicit CutShort(const CTempDir& d) : dir(d) {}
        bool Step(std::uint64_t done, std::uint64_t total) override {
            for (const std::string& name : dir.List()) {
                if (total > 0 && done == total && name != "work.bin") {
                    EXPECT_EQ(::truncate((dir / name).c_str(), 100), 0);
                }
            }
            return true;
        }
    } cut(dir);
    const LinkResult r = SendAndReceive(SampleBytes(5000), dest, nullptr, &cut);
    EXPECT_EQ(r.status, LinkStatus::FileError);
    EXPECT_EQ(r.message.rfind("cannot read back the received file " + dir.Path() + "/", 0), 0u)
        << r.message;
    EXPECT_EQ(ReadBytes(dest), kOldContents);
    EXPECT_EQ(dir.List(), std::vector<std::string>{"work.bin"});
}

TEST(ImageReceive, UnwritableFolderIsRefusedBeforeTheData) {
    CTempDir dir;
    const std::string dest = dir / "missing/work.bin";
    LinkResult sent;
    const LinkResult r = SendAndReceive(SampleBytes(5000), dest, &sent);
    EXPECT_EQ(r.status, LinkStatus::FileError);
    EXPECT_NE(r.message.find("cannot create a file in " + dir.Path() + "/missing"),
              std::string::npos)
        << r.message;
    EXPECT_EQ(sent.status, LinkStatus::PeerCancelled);
    EXPECT_EQ(sent.bytes, 0u);
}

TEST(ImageSend, SendsTheFileAsItIs) {
    CTempDir dir;
    const std::string source = dir / "send me.bin";
    const Bytes image = SampleBytes(12345, 9);
    WriteBytes(source, image);
    auto [a, b] = MakePipe();
    struct Sink final : ymodem::IReceiveSink {
        ymodem::FileHeader header;
        Bytes data;
        bool Begin(const ymodem::FileHeader& h, std::string&) override {
            header = h;
            return true;
        }
        bool Write(std::span<const std::uint8_t> d, std::string&) override {
            data.insert(data.end(), d.begin(), d.end());
            return true;
        }
    } sink;
    auto receiving = std::async(
        std::launch::async, [&, &end = *b] { return ymodem::Receive(end, sink, FastOptions()); });
    const LinkResult s = SendImage(*a, source, FastOptions());
    ASSERT_TRUE(receiving.get().Ok());
    ASSERT_TRUE(s.Ok()) << s.message;
    EXPECT_EQ(sink.data, image);
    EXPECT_EQ(sink.header.name, "send_me.bin");
    struct stat info {};
    ASSERT_EQ(::stat(source.c_str(), &info), 0);
    EXPECT_EQ(sink.header.modified, static_cast<std::uint64_t>(info.st_mtime));
}

TEST(ImageSend, NothingToSend) {
    CTempDir dir;
    auto [a, b] = MakePipe();
    LinkResult s = SendImage(*a, dir / "absent.bin", FastOptions());
    EXPECT_EQ(s.status, LinkStatus::FileError);
    EXPECT_EQ(s.message, "cannot read " + dir / "absent.bin");
    WriteBytes(dir / "empty.bin", {});
    s = SendImage(*a, dir / "empty.bin", FastOptions());
    EXPECT_EQ(s.status, LinkStatus::FileError);
    EXPECT_EQ(s.message, dir / "empty.bin" + " is empty: there is nothing to send");
    EXPECT_TRUE(a->Written().empty()) << "nothing went on the line";
}
