// Receiving an image into a file and sending a file, over any line. This is
// what the receive and send commands of the editor and of velmar-cli run.
//
// Progress: Step(bytes done, file size; 0 until block 0 has told the size).
// While the transfer waits for the other side, Step is called again with the
// same numbers at least every 50 ms, so a cancel (Step returning false) ends
// the transfer at once: the other side is sent the cancel sequence.
#pragma once

#include "contracts/Progress.h"
#include "link/LinkResult.h"
#include "link/Transport.h"
#include "link/YmodemOptions.h"

#include "image/ImageState.h"

#include <array>
#include <string>

// Receives one file into a temporary file beside `destination`. Only a
// complete transfer of the announced, non-zero size is taken: it is put into
// the working form by its first four bytes (as opening an image does) and
// then replaces `destination` in one rename. Any other ending leaves
// `destination` exactly as it was and says why. A bare image gets
// `headerText` in its working header (the open document's, in the editor).
LinkResult ReceiveImage(ITransport& line, const std::string& destination,
                        const ymodem::Options& options, IProgress* progress = nullptr,
                        const std::array<BYTE, kHeaderTextSize>& headerText = {});

// Sends the file at `source` byte for byte. The name in the batch header is
// `nameOnLine`, or the file's own name when that is empty.
LinkResult SendImage(ITransport& line, const std::string& source, const ymodem::Options& options,
                     IProgress* progress = nullptr, const std::string& nameOnLine = {});
