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

LinkCommandLine Parse(const std::vector<std::string>& args) {
    LinkCommandLine line;
    std::string why;
    EXPECT_TRUE(ParseLinkCommandLine(args, line, why)) << why;
    return line;
}

std::string ErrorOf(const std::vector<std::string>& args) {
    LinkCommandLine line;
    std::string why;
    return ParseLinkCommandLine(args, line, why) ? std::string() : why;
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
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"x.bin"}, "give exactly one of --port, --tcp and --listen"},
        {{"--port", "a", "--tcp", "h:1", "x.bin"},
         "give exactly one of --port, --tcp and --listen"},
        {{"--port", "a"}, "one file name is needed"},
        {{"--port", "a", "x", "y"}, "one file name is needed"},
        {{"--port"}, "--port needs a value"},
        {{"--port", "a", "--baud", "12345", "x"}, "--baud 12345 is not a serial rate"},
        {{"--port", "a", "--baud", "99999999999", "x"}, "--baud 99999999999 is not a serial rate"},
        {{"--tcp", "h:1", "--baud", "9600", "x"}, "--baud goes with --port"},
        {{"--tcp", "nohost", "x"}, "--tcp wants HOST:PORT, not nohost"},
        {{"--tcp", ":2000", "x"}, "--tcp wants HOST:PORT, not :2000"},
        {{"--listen", "70000", "x"}, "--listen wants [HOST:]PORT, not 70000"},
        {{"--port", "a", "--timeout", "0", "x"}, "--timeout wants a number of seconds, not 0"},
        {{"--port", "a", "--fast", "x"}, "unknown option --fast"},
    };
    for (const auto& [args, error] : cases)
        EXPECT_EQ(ErrorOf(args), error);
}

TEST(LinkCommandLine, ExitStatusAndReason) {
    EXPECT_TRUE(ExitsSaying(
        Cli("receive --port /nonexistent/ttyX out.bin"), 1,
        "velmar-cli: receive: cannot open /nonexistent/ttyX: No such file or directory\n"));
    EXPECT_TRUE(ExitsSaying(Cli("send --tcp 127.0.0.1:9 /nonexistent/image.bin"), 1,
                            "velmar-cli: send: cannot read /nonexistent/image.bin\n"));
}
