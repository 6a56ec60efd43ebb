// Time-outs and limits of the YMODEM transfer. The defaults are the protocol's
// usual ones; tests shorten them.
#pragma once

#include <chrono>
#include <cstdint>

namespace ymodem {

struct Options {
    // How long to wait for the other side to start: the sender for the first
    // 'C', the receiver for block 0.
    std::chrono::milliseconds startTimeout{60000};
    // The receiver repeats its 'C' this often until block 0 arrives.
    std::chrono::milliseconds startInterval{3000};
    // The wait for an answer to a block, or for the next block.
    std::chrono::milliseconds replyTimeout{10000};
    // The longest gap between two bytes of one block.
    std::chrono::milliseconds byteGap{1000};
    // After a damaged block the rest of it is dropped until the line has been
    // quiet this long.
    std::chrono::milliseconds purgeQuiet{100};
    // Failures of one block (damage, NAK, time-out) before the transfer ends.
    int maxRetries = 10;
    // Largest file the receiver accepts (a flash image is well below 1 MiB).
    std::uint64_t maxFileSize = 64u << 20;
};

} // namespace ymodem
