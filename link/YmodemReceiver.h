// The receiving side of a YMODEM batch: asks with 'C', takes block 0 (file
// name and size), then the data blocks, and hands the file's bytes, without
// the padding, to a sink. One file per transfer.
#pragma once

#include "contracts/Progress.h"
#include "link/LinkResult.h"
#include "link/Transport.h"
#include "link/YmodemFrame.h"
#include "link/YmodemOptions.h"

#include <span>
#include <string>

namespace ymodem {

// Where the received file goes.
class IReceiveSink {
public:
    virtual ~IReceiveSink() = default;
    // Block 0 announced the file (its size is known and within the limit).
    // False refuses it; `why` is shown to the user.
    virtual bool Begin(const FileHeader& header, std::string& why) = 0;
    // The next bytes of the file, in order, never past the announced size.
    virtual bool Write(std::span<const std::uint8_t> data, std::string& why) = 0;
};

// Receives one file. Ok only when exactly the announced number of bytes went
// to the sink and the sender ended the file; on any failure the other side is
// sent the cancel sequence (unless it cancelled itself or the line is gone).
LinkResult Receive(ITransport& transport, IReceiveSink& sink, const Options& options,
                   IProgress* progress = nullptr);

} // namespace ymodem
