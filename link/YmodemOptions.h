// Time-outs and limits of the YMODEM transfer. The defaults are the protocol's
// usual ones; tests shorten them.
#pragma once

#include "image/ImageFile.h"

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
    // Failures of one block (damage, NAK, time-out, a repeat, a block past
    // the end) before the transfer ends.
    int maxRetries = 10;
    // Largest file the receiver accepts: the largest image a receiver has.
    std::uint64_t maxFileSize = static_cast<std::uint64_t>(kMaxImageFileBytes);
    // The slowest the line may carry bytes, per second. It sets how long one
    // block and the whole file may take; a serial line gives its own rate,
    // any other line is taken to be as slow as 9600 baud.
    std::uint32_t bytesPerSecond = 960;
};

// The longest one block of `payload` bytes may take from its first byte to
// its last: twice its time at the line's rate, plus one byte gap.
std::chrono::milliseconds BlockAllowance(std::size_t payload, const Options& options);

// The longest the data of a file of `size` bytes may take once block 0 is
// through: twice its time at the line's rate in the smallest blocks, plus
// 10 ms of turnaround for each of those blocks, plus `maxRetries` reply
// waits. Whatever the other side does, the transfer ends by then.
std::chrono::milliseconds TransferAllowance(std::uint64_t size, const Options& options);

} // namespace ymodem
