// How a transfer reports progress and learns that the user cancelled.
#pragma once

#include <cstdint>

class ILinkProgress {
public:
    virtual ~ILinkProgress() = default;
    // Bytes done out of `total` (0 while the total is not known yet). Also
    // called, with unchanged numbers, at least every few tenths of a second
    // while the transfer waits for the other side, so that a cancel is seen
    // at once. Returning false cancels the transfer.
    virtual bool Step(std::uint64_t done, std::uint64_t total) = 0;
};
