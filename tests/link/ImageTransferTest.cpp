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

// Each form arrives in the working form, worked out by hand, and exactly as
// opening the file converts it; the file it replaces keeps its mode.
TEST(ImageReceive, EveryFormArrivesInTheWorkingForm) {
    HeaderTextScope text('h');
    const Bytes vx = Concat({{'V', 'X', ' ', ' ', 80, 0}, SampleBytes(80 + 20000, 3)});
    const Bytes zorv = Concat({{'Z', 'O', 'R', 'V'}, SampleBytes(60 + 9000, 4)});
    const Bytes bare = SampleBytes(5000, 5);
    // "VX  ", 80 least significant byte first, then 16 zero bytes before a
    // ZORV image, the current header text before a bare one (first: opening
    // the others may change that text).
    const std::pair<Bytes, Bytes> cases[] = {
        {bare, Concat({{'V', 'X', ' ', ' ', 0x50, 0x00}, Bytes(80, 'h'), bare})},
        {zorv, Concat({{'V', 'X', ' ', ' ', 0x50, 0x00}, Bytes(16, 0), zorv})},
        {vx, vx},
    };
    for (const auto& [image, expected] : cases) {
        CTempDir dir;
        const std::string dest = dir / "work.bin";
        WriteBytes(dest, kOldContents);
        ASSERT_EQ(::chmod(dest.c_str(), 0640), 0);
        const LinkResult r = SendAndReceive(image, dest);
        ASSERT_TRUE(r.Ok()) << r.message;
        EXPECT_EQ(ReadBytes(dest), expected);
        EXPECT_EQ(dir.List(), std::vector<std::string>{"work.bin"}) << "no temporary file is left";
        struct stat info {};
        ASSERT_EQ(::stat(dest.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0640u) << "the replaced file keeps its mode";
        WriteBytes(dir / "source.bin", image);
        CDocument opened;
        ReadImageDocument(dir / "source.bin", ImageForm::Convert, CurrentImageValues(), opened);
        EXPECT_EQ(opened.Image(), expected);
    }
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
    CMemorySink sink;
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
