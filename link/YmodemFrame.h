// YMODEM blocks and the batch header, as the lrzsz tools (sb, rb) exchange
// them: 128- or 1024-byte payloads with CRC-16, block 0 carrying the file name
// and its exact size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ymodem {

inline constexpr std::uint8_t kSOH = 0x01; // block with a 128-byte payload
inline constexpr std::uint8_t kSTX = 0x02; // block with a 1024-byte payload
inline constexpr std::uint8_t kEOT = 0x04; // end of the file
inline constexpr std::uint8_t kACK = 0x06;
inline constexpr std::uint8_t kNAK = 0x15;
inline constexpr std::uint8_t kCAN = 0x18;     // two in a row cancel the transfer
inline constexpr std::uint8_t kWantCrc = 'C';  // receiver: send, with CRC-16
inline constexpr std::uint8_t kPadding = 0x1A; // fills the last data block

inline constexpr std::size_t kSmallPayload = 128;
inline constexpr std::size_t kLargePayload = 1024;

// A block on the line:
//
// | offset | width | content                                              |
// |--------|-------|------------------------------------------------------|
// | 0      | 1     | SOH (128-byte payload) or STX (1024-byte payload)    |
// | 1      | 1     | block number modulo 256                              |
// | 2      | 1     | 255 minus the block number                           |
// | 3      | n     | payload                                              |
// | 3 + n  | 2     | CRC-16/XMODEM of the payload, most significant first |
inline constexpr std::size_t kFrameOverhead = 5;

// The payload size that a start byte announces, 0 for any other byte.
std::size_t PayloadSizeFor(std::uint8_t start);

// One block: `data` (at most `payloadSize` bytes) filled up with `fill`.
std::vector<std::uint8_t> BuildFrame(std::uint8_t number, std::span<const std::uint8_t> data,
                                     std::size_t payloadSize, std::uint8_t fill = kPadding);

// Checks a received block without its start byte (number, complement,
// payload, CRC); true when the complement and the CRC match.
bool CheckFrame(std::span<const std::uint8_t> body);

// What block 0 says about the file that follows. An empty name ends the batch.
struct FileHeader {
    std::string name;
    std::optional<std::uint64_t> size;
    std::uint64_t modified = 0; // seconds since 1970, 0 unknown
    std::uint32_t mode = 0;     // Unix file mode, 0 unknown
};

// Block 0's payload: the name and a NUL, then "size modified mode" (decimal,
// octal, octal) as sb writes them when the size is known, then NULs to 128
// bytes, or to 1024 when the text does not fit. An empty name gives the 128
// NULs that end the batch.
std::vector<std::uint8_t> BuildHeaderPayload(const FileHeader& header);

// Reads block 0's payload; nullopt when the name is not terminated within the
// payload or the size is not a decimal number.
std::optional<FileHeader> ParseHeaderPayload(std::span<const std::uint8_t> payload);

} // namespace ymodem
