// libFuzzer target: arbitrary bytes as an image file, opened the way the
// editor opens one, under one of several receiver profiles (the first byte
// picks it), then saved and opened again. Small sectors keep inputs small.
#include "contracts/Policy.h"
#include "contracts/Prompt.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "fuzz/FuzzSupport.h"
#include "image/ImageFile.h"

#include <cstddef>
#include <cstdint>

namespace {

struct Profile {
    int list;
    std::uint32_t type;
};

constexpr Profile kProfiles[] = {{7, 0x01}, {8, 0x19}, {1, 0x21}, {64, 0x49}, {5, 0x04}, {9, 0x12},
                                 {1, 0x02}, {2, 0x04}, {3, 0x03}, {10, 0x14}, {5, 0x01}, {6, 0x03}};

void Apply(const Profile& p, int order, int maxMux) {
    SetProductList(p.list);
    SetProductType(p.type);
    SetFlashByteOrder(order);
    velmar::policy_profile::SetFlashOneSectorSize(256);
    velmar::policy_profile::SetFlashMaxMuxCount(maxMux);
    SetFlashMMIBlockInfo(0, 1, 20, 8);
    if (p.list == 10) { // counts of slots, not sectors
        SetFlashSatBlockInfo(0, 0, 32);
        SetFlashTPBlockInfo(256, 4, 16);
        SetFlashBrdBlockInfo(0, 4, 20);
        SetFlashCHBlockInfo(0, 6, 64, 10);
    } else {
        SetFlashSatBlockInfo(256, 1, 32);
        SetFlashBrdBlockInfo(512, 1, 20);
        SetFlashTPBlockInfo(768, 2, 20);
        SetFlashCHBlockInfo(1280, 3, 64, 10);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string input = velmar::fuzz::Scratch("in.bin");
    static const std::string output = velmar::fuzz::Scratch("out.bin");
    if (size < 1 || !velmar::fuzz::Prepare())
        return 0;
    const Profile& profile = kProfiles[data[0] % std::size(kProfiles)];
    Apply(profile, (data[0] >> 4) & 1, 1 + ((data[0] >> 5) & 7));
    ResetImageState();
    TheZorvDB().ClearAll();

    WriteWholeFile(input, {data + 1, size - 1});
    CFixedAnswerPrompt prompt((data[0] & 0x80) != 0);
    if (ImportToWorkingCopy(input, &prompt) == 1 && ExportWorkingCopy(output) == 1) {
        // What we saved must open again.
        if (ImportToWorkingCopy(output, &prompt) != 1)
            __builtin_trap();
    }
    TheZorvDB().ClearAll();
    return 0;
}
