#include "image/WorkingForm.h"

#include "image/Checksums.h"
#include "image/ImageFile.h"

#include <algorithm>
#include <cstring>

namespace {

std::span<const BYTE> Bytes(const std::string& s) {
    return {reinterpret_cast<const BYTE*>(s.data()), s.size()};
}

} // namespace

std::vector<BYTE> WorkingFormPrefix(std::span<const BYTE> image,
                                    std::span<const BYTE, kHeaderTextSize> headerText) {
    const auto startsWith = [&](const char* magic) {
        return image.size() >= 4 && std::memcmp(image.data(), magic, 4) == 0;
    };
    if (image.empty() || startsWith("VX  "))
        return {};
    std::vector<BYTE> prefix(kWorkingHeaderSize, 0);
    prefix[0] = 'V';
    prefix[1] = 'X';
    prefix[2] = ' ';
    prefix[3] = ' ';
    WriteWORD(prefix.data() + 4, kHeaderTextSize, 0);
    if (startsWith("ZORV")) {
        // 16 zero bytes, so the 64-byte header lands at header-text offset 16.
        prefix.resize(6 + 16);
    } else {
        std::copy(headerText.begin(), headerText.end(), prefix.begin() + 6);
    }
    return prefix;
}

std::vector<BYTE> ToWorkingForm(std::span<const BYTE> image,
                                std::span<const BYTE, kHeaderTextSize> headerText) {
    std::vector<BYTE> working = WorkingFormPrefix(image, headerText);
    working.insert(working.end(), image.begin(), image.end());
    return working;
}

std::vector<BYTE> OnDiskForm(std::span<const BYTE> working, const ImageStateValues& values) {
    if (!values.zorvImage)
        return {working.begin(), working.end()};
    const std::size_t skip = std::min<std::size_t>(working.size(), kWorkingHeaderSize);
    std::vector<BYTE> out(values.headerText + kZorvTagOffset,
                          values.headerText + kZorvTagOffset + kZorvHeaderSize);
    out.insert(out.end(), working.begin() + static_cast<std::ptrdiff_t>(skip), working.end());
    return out;
}

WORD ImageCrc(std::span<const BYTE> image) {
    if (image.size() < kZorvHeaderSize)
        return 0;
    const std::size_t range = image.size() - kZorvHeaderSize;
    WORD crc = Crc16Xmodem(image.subspan(kZorvHeaderSize));
    // The range is padded with zeros to a multiple of 1024.
    const std::vector<BYTE> padding((1024 - range % 1024) % 1024, 0);
    return Crc16Xmodem(padding, crc);
}

bool StampImageCrc(std::vector<BYTE>& image) {
    if (image.size() < kZorvHeaderSize)
        return false;
    WriteWORD(image.data() + 61, ImageCrc(image), 0);
    return true;
}

WORD ComputeImageCRC(const std::string& path) {
    std::string image;
    return ReadWholeFile(path, image) ? ImageCrc(Bytes(image)) : WORD{0};
}

bool StampImageCRC(const std::string& path) {
    std::string contents;
    if (!ReadWholeFile(path, contents))
        return false;
    std::vector<BYTE> image(contents.begin(), contents.end());
    return StampImageCrc(image) && WriteWholeFile(path, image);
}
