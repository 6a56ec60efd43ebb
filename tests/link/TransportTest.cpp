// The lines under the protocol: TCP both ways on loopback, the serial port's
// refusals, addresses as the user types them.
#include "link/LinkEndpoint.h"
#include "link/SerialTransport.h"
#include "link/TcpTransport.h"
#include "tests/link/LinkTestSupport.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

using namespace velmar::test;
using std::chrono::milliseconds;
using std::chrono::seconds;

TEST(LinkAddress, HostAndPort) {
    const std::tuple<const char*, bool, std::string, std::uint16_t> good[] = {
        {"192.168.1.20:2000", false, "192.168.1.20", 2000},
        {"box.local:23", false, "box.local", 23},
        {"[fe80::1]:4001", false, "fe80::1", 4001},
        {":0", true, "", 0}, // listening: any port
    };
    std::string host;
    std::uint16_t port = 0;
    for (const auto& [text, listening, wantHost, wantPort] : good) {
        EXPECT_TRUE(SplitHostPort(text, host, port, listening)) << text;
        EXPECT_EQ(std::pair(host, port), std::pair(wantHost, wantPort)) << text;
    }
    for (const char* bad : {"box", "box:", "box:0", "box:65536", "box:12x", "[::1]2000"})
        EXPECT_FALSE(SplitHostPort(bad, host, port)) << bad;
}

TEST(TcpLine, ConnectAndListenCarryBytesBothWays) {
    CTcpListener listener;
    std::string error;
    ASSERT_TRUE(listener.Listen("127.0.0.1", 0, error)) << error;
    ASSERT_NE(listener.Port(), 0);
    auto accepting = std::async(std::launch::async, [&] {
        std::string why;
        return listener.Accept(seconds(5), nullptr, why);
    });
    auto client = CTcpTransport::Connect("127.0.0.1", listener.Port(), seconds(5), nullptr, error);
    ASSERT_TRUE(client) << error;
    auto server = accepting.get();
    ASSERT_TRUE(server);
    const auto data = SampleBytes(200000); // more than one socket buffer
    auto writing = std::async(std::launch::async, [&] { return client->Write(data); });
    EXPECT_EQ(ReadN(*server, data.size(), seconds(10)), data);
    EXPECT_TRUE(writing.get());
    std::uint8_t buffer[64];
    EXPECT_EQ(client->Read(buffer, milliseconds(50)), 0) << "nothing: a time-out, not an end";
    server.reset();
    EXPECT_EQ(client->Read(buffer, seconds(5)), ITransport::kLineClosed);
    EXPECT_EQ(client->Error(), "closed by the other side");
    // Writing on: the first writes may still land in the socket buffer, then
    // they fail (and the process gets no SIGPIPE).
    bool failed = false;
    for (int i = 0; i < 50 && !failed; ++i) {
        failed = !client->Write(data);
        std::this_thread::sleep_for(milliseconds(10));
    }
    EXPECT_TRUE(failed);
}

TEST(TcpLine, RefusalsAndTimeOutsSayWhy) {
    std::uint16_t port = 0;
    {
        CTcpListener gone;
        std::string error;
        ASSERT_TRUE(gone.Listen("127.0.0.1", 0, error));
        port = gone.Port();
    }
    std::string error;
    EXPECT_FALSE(CTcpTransport::Connect("127.0.0.1", port, seconds(5), nullptr, error));
    EXPECT_EQ(error,
              "cannot connect to 127.0.0.1:" + std::to_string(port) + ": Connection refused");
    EXPECT_FALSE(CTcpTransport::Connect("no-such-host.invalid", 2000, seconds(5), nullptr, error));
    EXPECT_EQ(error.rfind("cannot find no-such-host.invalid: ", 0), 0u) << error;

    CTcpListener listener;
    ASSERT_TRUE(listener.Listen("127.0.0.1", 0, error));
    EXPECT_FALSE(listener.Accept(milliseconds(300), nullptr, error));
    EXPECT_EQ(error,
              "Nobody connected to port " + std::to_string(listener.Port()) + " within 0.3 s");
    // A cancel ends the wait at once.
    CRecordingProgress cancelled(0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(listener.Accept(seconds(30), &cancelled, error));
    EXPECT_EQ(error, "Transfer cancelled");
    EXPECT_LT(std::chrono::steady_clock::now() - start, seconds(2));
}

TEST(SerialLine, RefusesWhatIsNoSerialPort) {
    CTempDir dir;
    std::string error;
    EXPECT_FALSE(CSerialTransport::Open(dir / "ttyNone", 115200, error));
    EXPECT_EQ(error, "cannot open " + dir / "ttyNone" + ": No such file or directory");
    WriteBytes(dir / "plain.txt", {'x'});
    EXPECT_FALSE(CSerialTransport::Open(dir / "plain.txt", 115200, error));
    EXPECT_EQ(error.rfind(dir / "plain.txt" + " is not a serial port: ", 0), 0u) << error;
    EXPECT_FALSE(CSerialTransport::Open(dir / "plain.txt", 12345, error));
    EXPECT_EQ(error, "12345 baud is not a rate a serial port can be set to");
    EXPECT_EQ((std::vector{IsSupportedBaud(115200), IsSupportedBaud(9600), IsSupportedBaud(0)}),
              (std::vector{true, true, false}));
}

TEST(LinkEndpoints, DescribeAndOpen) {
    LinkEndpoint link;
    link.device = "/dev/ttyUSB0";
    EXPECT_EQ(link.Describe(), "serial /dev/ttyUSB0 at 115200 baud");
    link.kind = LinkEndpoint::Kind::TcpConnect;
    link.host = "10.0.0.5";
    link.port = 4001;
    EXPECT_EQ(link.Describe(), "TCP 10.0.0.5:4001");
    // Listening tells the chosen port before it waits.
    link.kind = LinkEndpoint::Kind::TcpListen;
    link.host = "127.0.0.1";
    link.port = 0;
    std::promise<std::uint16_t> told;
    auto opening = std::async(std::launch::async, [&] {
        std::string error;
        return OpenLink(link, seconds(5), nullptr, error,
                        [&](std::uint16_t port) { told.set_value(port); });
    });
    std::string error;
    auto client =
        CTcpTransport::Connect("127.0.0.1", told.get_future().get(), seconds(5), nullptr, error);
    ASSERT_TRUE(client) << error;
    EXPECT_TRUE(opening.get());
}
