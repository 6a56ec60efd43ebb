#include "link/YmodemFrame.h"

#include "image/Checksums.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace ymodem {

std::size_t PayloadSizeFor(std::uint8_t start) {
    return start == kSOH ? kSmallPayload : start == kSTX ? kLargePayload : 0;
}

std::vector<std::uint8_t> BuildFrame(std::uint8_t number, std::span<const std::uint8_t> data,
                                     std::size_t payloadSize, std::uint8_t fill) {
    std::vector<std::uint8_t> frame(payloadSize + kFrameOverhead, fill);
    frame[0] = payloadSize == kLargePayload ? kSTX : kSOH;
    frame[1] = number;
    frame[2] = static_cast<std::uint8_t>(0xFF - number);
    const std::size_t used = std::min(data.size(), payloadSize);
    std::copy_n(data.begin(), used, frame.begin() + 3);
    const WORD crc = Crc16Xmodem(std::span<const BYTE>(frame).subspan(3, payloadSize));
    frame[3 + payloadSize] = static_cast<std::uint8_t>(crc >> 8);
    frame[4 + payloadSize] = static_cast<std::uint8_t>(crc & 0xFF);
    return frame;
}

bool CheckFrame(std::span<const std::uint8_t> body) {
    if (body.size() < 4 || body[0] != static_cast<std::uint8_t>(0xFF - body[1]))
        return false;
    const std::size_t payloadSize = body.size() - 4;
    const WORD crc = Crc16Xmodem(body.subspan(2, payloadSize));
    return body[2 + payloadSize] == (crc >> 8) && body[3 + payloadSize] == (crc & 0xFF);
}

std::vector<std::uint8_t> BuildHeaderPayload(const FileHeader& header) {
    std::vector<std::uint8_t> text(header.name.begin(), header.name.end());
    text.push_back(0);
    if (!header.name.empty() && header.size) {
        char fields[64];
        const int n = std::snprintf(fields, sizeof fields, "%llu %llo %o",
                                    static_cast<unsigned long long>(*header.size),
                                    static_cast<unsigned long long>(header.modified), header.mode);
        text.insert(text.end(), fields, fields + n);
    }
    // At least one NUL must follow the text.
    const std::size_t size = text.size() < kSmallPayload ? kSmallPayload : kLargePayload;
    text.resize(size, 0);
    return text;
}

std::optional<FileHeader> ParseHeaderPayload(std::span<const std::uint8_t> payload) {
    const auto nameEnd = std::find(payload.begin(), payload.end(), std::uint8_t{0});
    if (nameEnd == payload.end())
        return std::nullopt;
    FileHeader header;
    header.name.assign(payload.begin(), nameEnd);
    if (header.name.empty())
        return header;
    // The fields after the name, up to the next NUL, separated by single blanks.
    const char* p = reinterpret_cast<const char*>(&*nameEnd) + 1;
    const char* end = reinterpret_cast<const char*>(payload.data() + payload.size());
    end = std::find(p, end, '\0');
    const auto field = [&](auto& value, int base) {
        while (p < end && *p == ' ')
            ++p;
        if (p == end)
            return false;
        const auto [next, ec] = std::from_chars(p, end, value, base);
        if (ec != std::errc{})
            return false;
        p = next;
        return true;
    };
    std::uint64_t size = 0;
    if (p == end)
        return header; // name only: the size is unknown
    if (!field(size, 10))
        return std::nullopt;
    header.size = size;
    // The later fields are optional and only informative.
    if (field(header.modified, 8))
        field(header.mode, 8);
    return header;
}

} // namespace ymodem
