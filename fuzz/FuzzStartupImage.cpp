// libFuzzer target: images of the editor's real start-up receiver (4096-byte
// sectors, a channel block of 64 sectors), too large to fuzz byte for byte.
// The input is a list of patches on a blank image instead, so a few bytes
// reach any sector: flags, then (sector, offset, length, bytes) again and
// again. The image is opened as the editor opens it, saved, opened again,
// and a second save must give the same bytes as the first.
#include "contracts/Prompt.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "fuzz/FuzzSupport.h"
#include "image/ImageFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kHeader = 86;
constexpr std::size_t kSector = 4096;
// Favourite, satellite, broadcast and transponder blocks, then 64 channel sectors.
constexpr std::size_t kFlash = 49152 + 64 * kSector;

std::vector<std::uint8_t> Build(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t flags = data[0];
    std::vector<std::uint8_t> image(kHeader + kFlash, (flags & 1) ? 0xFF : 0x00);
    const char magic[] = {'V', 'X', ' ', ' ', 80, 0};
    std::memcpy(image.data(), magic, sizeof magic);
    if (flags & 2)
        std::memcpy(image.data() + 22, "ZORV", 4); // the maker's form, as a working copy
    for (std::size_t at = 1; at + 5 <= size;) {
        const std::size_t sector = (data[at] | data[at + 1] << 8) % (kFlash / kSector);
        const std::size_t offset = (data[at + 2] | data[at + 3] << 8) % kSector;
        std::size_t length = data[at + 4];
        at += 5;
        length = std::min({length, size - at, kSector - offset});
        std::memcpy(image.data() + kHeader + sector * kSector + offset, data + at, length);
        at += length;
    }
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string input = velmar::fuzz::Scratch("startup-in.bin");
    static const std::string first = velmar::fuzz::Scratch("startup-first.bin");
    static const std::string second = velmar::fuzz::Scratch("startup-second.bin");
    if (size < 1 || !velmar::fuzz::Prepare())
        return 0;
    ConfigureStartupPolicy();
    ResetImageState();
    TheZorvDB().ClearAll();
    const auto image = Build(data, size);
    WriteWholeFile(input, image);
    CFixedAnswerPrompt prompt(true);
    if (ImportToWorkingCopy(input, &prompt) == 1 && ExportWorkingCopy(first) == 1) {
        // What we saved opens again, and saves again to the same bytes.
        if (ImportToWorkingCopy(first, &prompt) != 1 || ExportWorkingCopy(second) != 1)
            __builtin_trap();
        std::string a, b;
        if (!ReadWholeFile(first, a) || !ReadWholeFile(second, b) || a != b)
            __builtin_trap();
    }
    TheZorvDB().ClearAll();
    return 0;
}
