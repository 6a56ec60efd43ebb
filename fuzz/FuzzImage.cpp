// libFuzzer target: arbitrary bytes as an image file, opened the way the
// editor opens one, under one of several receiver profiles (the first byte
// picks it), then saved and opened again. Small sectors keep inputs small.
#include "contracts/Prompt.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "fuzz/FuzzSupport.h"
#include "image/ImageFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string input = velmar::fuzz::Scratch("in.bin");
    static const std::string output = velmar::fuzz::Scratch("out.bin");
    if (size < 1 || !velmar::fuzz::Prepare())
        return 0;
    const auto& profile = velmar::fuzz::kProfiles[data[0] % std::size(velmar::fuzz::kProfiles)];
    velmar::fuzz::UseSmallSectors(profile, (data[0] >> 4) & 1, 1 + ((data[0] >> 5) & 7));
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
