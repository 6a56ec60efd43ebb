// The sending side of a YMODEM batch of one file: block 0 with the name and
// exact size, 1024-byte data blocks (a last remainder of at most 128 bytes in
// a short block), EOT, and the empty block 0 that ends the batch.
#pragma once

#include "contracts/Progress.h"
#include "link/LinkResult.h"
#include "link/Transport.h"
#include "link/YmodemFrame.h"
#include "link/YmodemOptions.h"

#include <cstdint>
#include <span>
#include <string>

namespace ymodem {

// Sends `data` under the name `name` (no directory; blanks become '_').
// `modified` (seconds since 1970) goes into block 0 as sb writes it. Ok when
// the receiver acknowledged every block and the end of the file.
LinkResult Send(ITransport& transport, const std::string& name, std::span<const std::uint8_t> data,
                const Options& options, IProgress* progress = nullptr, std::uint64_t modified = 0);

} // namespace ymodem
