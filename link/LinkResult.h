// How a transfer ended, with the reason in words for the user.
#pragma once

#include "platform/Phrase.h"

#include <chrono>
#include <cstdint>
#include <string>

enum class LinkStatus {
    Ok,
    Cancelled,     // our user cancelled
    PeerCancelled, // the other side sent the cancel sequence
    TimedOut,      // the other side stayed silent
    TooManyErrors, // one block failed too often
    ShortTransfer, // fewer bytes than the header announced
    LineError,     // the line closed or failed
    ProtocolError, // the other side broke the protocol
    Refused,       // the announced file was not acceptable
    FileError,     // a local file could not be read or written
};

struct LinkResult {
    LinkStatus status = LinkStatus::Ok;
    std::string message;     // empty when Ok
    Phrase said;             // the message as its phrase, for the editor
    std::uint64_t bytes = 0; // bytes of the file moved
    std::uint64_t total = 0; // the file's size, 0 when not known
    std::string fileName;    // the name in the batch header, as sent: PeerText() to show it

    bool Ok() const { return status == LinkStatus::Ok; }
};

// "Transfer cancelled": the user stopped it.
Phrase TransferCancelled();

// "10 s", "2.5 s": a time-out as the messages show it.
std::string SecondsText(std::chrono::milliseconds duration);

// Text that came from the other side (a file name), safe to show: control
// characters, bytes that are not UTF-8, direction overrides and backslashes
// are written as escapes (\x1b, \\), and more than 80 bytes are cut to 80
// and "...". A terminal shows it as text and never acts on it.
std::string PeerText(const std::string& text);
