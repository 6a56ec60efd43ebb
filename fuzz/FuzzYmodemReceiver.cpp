// libFuzzer target: the YMODEM receiver against a sender that sends whatever
// the input says (block 0 with any name and size, any block numbers, damaged
// and cut blocks, CAN, EOT, pauses; see LinkScript.h), on a clock of its own.
// Whatever it sends, the receiver must end within the bound its time-outs
// and the announced size give, never hand the sink more than the announced
// size, and succeed only with exactly that size.
#include "fuzz/LinkScript.h"
#include "link/YmodemReceiver.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

class CCountingSink final : public ymodem::IReceiveSink {
public:
    bool Begin(const ymodem::FileHeader& header, std::string& why) override {
        if (m_bBegun || !header.size)
            __builtin_trap(); // once, and only with a size
        m_bBegun = true;
        m_nAnnounced = *header.size;
        if (m_nAnnounced == 0) {
            why = "empty";
            return false;
        }
        return true;
    }
    bool Write(std::span<const std::uint8_t> data, std::string&) override {
        m_nBytes += data.size();
        if (!m_bBegun || data.empty() || m_nBytes > m_nAnnounced)
            __builtin_trap();
        return true;
    }
    bool m_bBegun = false;
    std::uint64_t m_nAnnounced = 0;
    std::uint64_t m_nBytes = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    using std::chrono::milliseconds;
    static constexpr std::uint32_t kRates[] = {960, 11520, 100000, 1};
    ymodem::Options options;
    options.startTimeout = milliseconds{5000};
    options.startInterval = milliseconds{1000};
    options.replyTimeout = milliseconds{1000};
    options.byteGap = milliseconds{300};
    options.purgeQuiet = milliseconds{50};
    options.maxRetries = 1 + (data[0] & 7);
    options.bytesPerSecond = kRates[(data[0] >> 4) & 3];
    velmar::fuzz::CScriptedLine line({data + 1, size - 1}, (data[0] & 8) != 0);
    CCountingSink sink;
    const auto start = line.Now();
    const LinkResult result = ymodem::Receive(line, sink, options);
    const auto took = line.Now() - start;

    if (std::getenv("VELMAR_FUZZ_VERBOSE")) // to see what a seed reaches
        std::fprintf(
            stderr, "%d %s (%llu of %llu bytes, %lld ms)\n", static_cast<int>(result.status),
            result.message.c_str(), static_cast<unsigned long long>(result.bytes),
            static_cast<unsigned long long>(result.total),
            static_cast<long long>(std::chrono::duration_cast<milliseconds>(took).count()));
    if (result.Ok() && (sink.m_nBytes != result.total || result.bytes != result.total))
        __builtin_trap();
    if (result.total > options.maxFileSize)
        __builtin_trap();
    // The start, the file's own deadline, and a few waits, blocks and purges
    // that may straddle a deadline, plus the batch end.
    const auto step = options.replyTimeout + ymodem::BlockAllowance(ymodem::kLargePayload, options);
    const auto bound = options.startTimeout + ymodem::TransferAllowance(result.total, options) +
                       8 * step + milliseconds{1000};
    if (took > bound)
        __builtin_trap();
    return 0;
}
