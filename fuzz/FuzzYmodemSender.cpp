// libFuzzer target: the YMODEM sender against a receiver that answers
// whatever the input says (ACK, NAK, 'C', CAN, noise, pauses; see
// LinkScript.h), on a clock of its own. Whatever it answers, the sender must
// end within the bound its time-outs and the file's size give, and never
// write more than every block sent its retries over.
#include "fuzz/LinkScript.h"
#include "link/YmodemSender.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    using std::chrono::milliseconds;
    static constexpr std::uint32_t kRates[] = {960, 11520, 100000, 1};
    ymodem::Options options;
    options.startTimeout = milliseconds{5000};
    options.replyTimeout = milliseconds{1000};
    options.byteGap = milliseconds{300};
    options.maxRetries = 1 + (data[0] & 7);
    options.bytesPerSecond = kRates[(data[0] >> 4) & 3];
    // Up to 5 KiB, so a file has a short last block or several full ones.
    const std::size_t fileSize = (data[1] | std::size_t{data[2]} << 8) % 5121;
    std::vector<std::uint8_t> file(fileSize);
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<std::uint8_t>(i * 13 + 5);
    velmar::fuzz::CScriptedLine line({data + 3, size - 3}, (data[0] & 8) != 0);
    const auto start = line.Now();
    const LinkResult result = ymodem::Send(line, "image.bin", file, options);
    const auto took = line.Now() - start;

    if (std::getenv("VELMAR_FUZZ_VERBOSE")) // to see what a seed reaches
        std::fprintf(
            stderr, "%d %s (%llu of %llu bytes, %lld ms)\n", static_cast<int>(result.status),
            result.message.c_str(), static_cast<unsigned long long>(result.bytes),
            static_cast<unsigned long long>(result.total),
            static_cast<long long>(std::chrono::duration_cast<milliseconds>(took).count()));
    if (result.Ok() && result.bytes != file.size())
        __builtin_trap();
    // The start, block 0 with its retries, the request for the data, the
    // file's deadline, one reply wait that straddles it, and the batch end.
    const auto bound = options.startTimeout + 2 * options.maxRetries * options.replyTimeout +
                       ymodem::TransferAllowance(file.size(), options) + 3 * options.replyTimeout +
                       6 * options.byteGap + milliseconds{1000};
    if (took > bound)
        __builtin_trap();
    // Each block at most maxRetries times, the empty block 0 three times,
    // the cancel sequence once.
    const std::uint64_t blocks = 2 + (file.size() + 127) / 128;
    if (line.Written() > blocks * 1029 * options.maxRetries + 3 * 133 + 16)
        __builtin_trap();
    return 0;
}
