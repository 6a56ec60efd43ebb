// velmar-cli receive and send: the command line as typed, and the failures
// that come before any transfer.
#include "cli/LinkCommands.h"
#include "tests/cli/CliRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmar::test;

namespace {

LinkCommandLine Parse(const std::vector<std::string>& args, std::string* error = nullptr) {
    LinkCommandLine line;
    std::string why;
    const bool ok = ParseLinkCommandLine(args, line, why);
    if (error)
        *error = ok ? std::string() : why;
    return line;
}

std::string ErrorOf(const std::vector<std::string>& args) {
    std::string error;
    Parse(args, &error);
    return error;
}

} // namespace

TEST(LinkCommandLine, Lines) {
    LinkCommandLine serial = Parse({"--port", "/dev/ttyUSB0", "out.bin"});
    EXPECT_EQ(serial.endpoint.kind, LinkEndpoint::Kind::Serial);
    EXPECT_EQ(serial.endpoint.device, "/dev/ttyUSB0");
    EXPECT_EQ(serial.endpoint.baud, 115200u);
    EXPECT_EQ(serial.file, "out.bin");
    EXPECT_EQ(serial.options.startTimeout, std::chrono::seconds(60));
    EXPECT_EQ(Parse({"out.bin", "--baud", "57600", "--port", "/dev/ttyS0"}).endpoint.baud, 57600u)
        << "options in any order";
    const LinkCommandLine tcp = Parse({"--tcp", "10.1.2.3:4001", "--timeout", "5", "x.bin"});
    EXPECT_EQ(tcp.endpoint.kind, LinkEndpoint::Kind::TcpConnect);
    EXPECT_EQ(tcp.endpoint.host, "10.1.2.3");
    EXPECT_EQ(tcp.endpoint.port, 4001);
    EXPECT_EQ(tcp.options.startTimeout, std::chrono::seconds(5));
    const LinkCommandLine listen = Parse({"--listen", "2000", "x.bin"});
    EXPECT_EQ(listen.endpoint.kind, LinkEndpoint::Kind::TcpListen);
    EXPECT_EQ(listen.endpoint.host, "");
    EXPECT_EQ(listen.endpoint.port, 2000);
    EXPECT_EQ(Parse({"--listen", "127.0.0.1:0", "x.bin"}).endpoint.host, "127.0.0.1");
}

TEST(LinkCommandLine, UsageErrors) {
    EXPECT_EQ(ErrorOf({"x.bin"}), "give exactly one of --port, --tcp and --listen");
    EXPECT_EQ(ErrorOf({"--port", "a", "--tcp", "h:1", "x.bin"}),
              "give exactly one of --port, --tcp and --listen");
    EXPECT_EQ(ErrorOf({"--port", "a"}), "one file name is needed");
    EXPECT_EQ(ErrorOf({"--port", "a", "x", "y"}), "one file name is needed");
    EXPECT_EQ(ErrorOf({"--port"}), "--port needs a value");
    EXPECT_EQ(ErrorOf({"--port", "a", "--baud", "12345", "x"}),
              "--baud 12345 is not a serial rate");
    EXPECT_EQ(ErrorOf({"--port", "a", "--baud", "99999999999", "x"}),
              "--baud 99999999999 is not a serial rate");
    EXPECT_EQ(ErrorOf({"--tcp", "h:1", "--baud", "9600", "x"}), "--baud goes with --port");
    EXPECT_EQ(ErrorOf({"--tcp", "nohost", "x"}), "--tcp wants HOST:PORT, not nohost");
    EXPECT_EQ(ErrorOf({"--tcp", ":2000", "x"}), "--tcp wants HOST:PORT, not :2000");
    EXPECT_EQ(ErrorOf({"--listen", "70000", "x"}), "--listen wants [HOST:]PORT, not 70000");
    EXPECT_EQ(ErrorOf({"--port", "a", "--timeout", "0", "x"}),
              "--timeout wants a number of seconds, not 0");
    EXPECT_EQ(ErrorOf({"--port", "a", "--fast", "x"}), "unknown option --fast");
}

TEST(LinkCommandLine, ExitStatusAndReason) {
    Outcome run = Cli("receive --port /nonexistent/ttyX out.bin");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "velmar-cli: receive: cannot open /nonexistent/ttyX: No such file or directory\n");
    run = Cli("send --tcp 127.0.0.1:9 /nonexistent/image.bin");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velmar-cli: send: cannot read /nonexistent/image.bin\n");
}
