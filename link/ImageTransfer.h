// Receiving an image into a file and sending a file, over any line. This is
// what the receive and send commands of the editor and of velmar-cli run.
#pragma once

#include "link/LinkProgress.h"
#include "link/LinkResult.h"
#include "link/Transport.h"
#include "link/YmodemOptions.h"

#include <string>

// Receives one file into a temporary file beside `destination`. Only a
// complete transfer of the announced, non-zero size is taken: it is put into
// the working form by its first four bytes (as opening an image does) and
// then replaces `destination` in one rename. Any other ending leaves
// `destination` exactly as it was and says why.
LinkResult ReceiveImage(ITransport& line, const std::string& destination,
                        const ymodem::Options& options, ILinkProgress* progress = nullptr);

// Sends the file at `source` byte for byte. The name in the batch header is
// `nameOnLine`, or the file's own name when that is empty.
LinkResult SendImage(ITransport& line, const std::string& source, const ymodem::Options& options,
                     ILinkProgress* progress = nullptr, const std::string& nameOnLine = {});
