// Test fixtures for the receiver link: in-memory lines, a relay that damages
// the traffic on purpose, child processes with a deadline, scratch folders.
#pragma once

#include "contracts/Progress.h"
#include "link/Transport.h"
#include "link/YmodemOptions.h"
#include "link/YmodemReceiver.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace velmar::test {

// One end of an in-memory line; Close() ends both directions.
class CPipeEnd final : public ITransport {
public:
    struct Line; // both directions' bytes
    CPipeEnd(std::shared_ptr<Line> line, int side) : m_line(std::move(line)), m_side(side) {}
    std::ptrdiff_t Read(std::span<std::uint8_t> out, std::chrono::milliseconds timeout) override;
    bool Write(std::span<const std::uint8_t> data) override;
    std::string Error() const override { return "closed by the other side"; }
    void Close();
    // Everything this end has written, in order.
    std::vector<std::uint8_t> Written() const;

private:
    std::shared_ptr<Line> m_line;
    int m_side;
    std::vector<std::uint8_t> m_written;
};

std::pair<std::unique_ptr<CPipeEnd>, std::unique_ptr<CPipeEnd>> MakePipe();

// What the relay does to one direction, by byte offset in that direction;
// written with designated initializers (every member has a default).
struct Faults {
    std::set<std::uint64_t> drop{};      // these bytes never arrive
    std::set<std::uint64_t> corrupt{};   // these arrive with their bits inverted
    std::set<std::uint64_t> duplicate{}; // these arrive twice in a row
    std::map<std::uint64_t, std::chrono::milliseconds> delay{}; // a pause before these
    std::uint64_t trickleFrom = ~std::uint64_t{0}; // from here on one byte per trickleGap
    std::chrono::milliseconds trickleGap{0};
    std::uint64_t silentAfter = ~std::uint64_t{0}; // from here on nothing arrives
    std::uint64_t cutAfter = ~std::uint64_t{0};    // here the line closes
};

inline constexpr std::uint64_t kNever = ~std::uint64_t{0};

// Offsets in a sender's stream of long blocks: block 0 takes 133 bytes,
// then 1029 a block.
constexpr std::uint64_t Block(std::uint64_t n) {
    return 133 + (n - 1) * 1029;
}

// Carries bytes between two lines, one thread per direction, applying faults.
class CRelay {
public:
    // `closeA` / `closeB` close each side when the line is cut.
    CRelay(ITransport& a, ITransport& b, Faults aToB, Faults bToA, std::function<void()> closeA,
           std::function<void()> closeB);
    ~CRelay();

private:
    void Pump(ITransport& from, ITransport& to, const Faults& faults);
    void CutLine();

    std::function<void()> m_closeA, m_closeB;
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bCut{false};
    std::once_flag m_cutOnce;
    std::thread m_forward, m_backward;
};

// A scripted peer: answers each byte the other side writes with what
// `respond` returns, until that side cancels (CAN) or the line closes.
using Responder = std::function<std::vector<std::uint8_t>(std::uint8_t answer)>;
void Respond(ITransport& peer, const Responder& respond);

// A sender's answers: `header` (a whole block 0) on the first request, then
// `next` on the request after block 0 and on every ACK after that, `again` on
// a NAK.
Responder AfterHeader(std::vector<std::uint8_t> header,
                      std::function<std::vector<std::uint8_t>()> next,
                      std::function<std::vector<std::uint8_t>()> again = {});

// A sender that answers the first request with `header`, then sends `block`
// a byte for each answer or each `gap` of quiet, from its start again after a
// NAK, until the other side cancels or the line closes.
void TrickleBlock(ITransport& line, const std::vector<std::uint8_t>& header,
                  const std::vector<std::uint8_t>& block, std::chrono::milliseconds gap);

// Up to `n` bytes: all of them, or what came within `timeout`.
std::vector<std::uint8_t> ReadN(ITransport& line, std::size_t n,
                                std::chrono::milliseconds timeout = std::chrono::seconds(3));

// Block 0 announcing `name` of `size` bytes (none: no size at all).
std::vector<std::uint8_t> HeaderBlock(const std::string& name, std::optional<std::uint64_t> size);

// Short time-outs so failure cases end in a second or two.
ymodem::Options FastOptions();

// A receive sink that keeps the header and the data in memory.
class CMemorySink final : public ymodem::IReceiveSink {
public:
    bool Begin(const ymodem::FileHeader& h, std::string&) override {
        header = h;
        ++begun;
        return true;
    }
    bool Write(std::span<const std::uint8_t> d, std::string&) override {
        data.insert(data.end(), d.begin(), d.end());
        return true;
    }
    ymodem::FileHeader header;
    int begun = 0;
    std::vector<std::uint8_t> data;
};

// Records progress; says stop once `cancelAt` bytes are done.
class CRecordingProgress final : public IProgress {
public:
    explicit CRecordingProgress(std::uint64_t cancelAt = ~std::uint64_t{0})
        : m_nCancelAt(cancelAt) {}
    bool Step(std::uint64_t done, std::uint64_t total) override {
        std::lock_guard lock(m_mutex);
        if (m_steps.empty() || m_steps.back() != std::pair{done, total})
            m_steps.emplace_back(done, total);
        return done < m_nCancelAt;
    }
    std::vector<std::pair<std::uint64_t, std::uint64_t>> Steps() const {
        std::lock_guard lock(m_mutex);
        return m_steps;
    }

private:
    std::uint64_t m_nCancelAt;
    mutable std::mutex m_mutex;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> m_steps;
};

// A scratch folder, removed with everything in it.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;
    const std::string& Path() const { return m_strPath; }
    std::string operator/(const std::string& name) const { return m_strPath + "/" + name; }
    // Names of the files in the folder, sorted.
    std::vector<std::string> List() const;

private:
    std::string m_strPath;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// The parts one after the other.
std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts);
// Deterministic pseudo-random bytes.
std::vector<std::uint8_t> SampleBytes(std::size_t size, std::uint32_t seed = 1);

// The full path of a program on PATH, empty when it is not installed.
std::string FindProgram(const std::string& name);

// A child process with its standard input and output on given descriptors;
// killed if it is still running when the object goes.
class CChild {
public:
    CChild(const std::vector<std::string>& argv, int stdinFd, int stdoutFd,
           const std::string& cwd = {}, int stderrFd = -1);
    ~CChild();
    CChild(const CChild&) = delete;
    CChild& operator=(const CChild&) = delete;
    // Waits at most `timeout`; the exit status, or -1 when it had to be killed.
    int Wait(std::chrono::milliseconds timeout);
    void Kill();

private:
    int m_pid = -1;
    int m_status = -1;
};

// A TCP server on 127.0.0.1 written with plain sockets, independent of the
// link's own listener, for putting sb or rb behind a port.
class CLoopbackServer {
public:
    CLoopbackServer();
    ~CLoopbackServer();
    CLoopbackServer(const CLoopbackServer&) = delete;
    CLoopbackServer& operator=(const CLoopbackServer&) = delete;
    std::uint16_t Port() const { return m_nPort; }
    // The next connection's descriptor (blocking), or -1 after `timeout`.
    int Accept(std::chrono::milliseconds timeout);

private:
    int m_fd = -1;
    std::uint16_t m_nPort = 0;
};

// A socat pseudo-terminal pair: two linked devices in `dir`, "a" and "b".
class CPtyPair {
public:
    explicit CPtyPair(const std::string& dir);
    bool Ready() const { return m_bReady; }
    std::string A() const { return m_strDir + "/a"; }
    std::string B() const { return m_strDir + "/b"; }

private:
    std::string m_strDir;
    std::unique_ptr<CChild> m_socat;
    bool m_bReady = false;
};

} // namespace velmar::test
