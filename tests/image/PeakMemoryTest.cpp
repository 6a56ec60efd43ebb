// Images of the largest size accepted, and every receiver family's image with
// every byte set, open and save within 64 MB of heap.
#include "contracts/ReceiverProfiles.h"
#include "document/WorkingCopy.h"
#include "image/ImageFile.h"
#include "tests/image/CountingAllocator.h"
#include "tests/image/ImageBuilder.h"

#include <random>

using namespace velmar::test;

namespace {

constexpr std::size_t kImageBound = 64 * kMiB;

class ImagePeak : public WorkingCopyTest {
protected:
    // Peak heap of opening `bytes` and saving what was opened.
    std::size_t PeakOfOpenAndSave(const std::vector<BYTE>& bytes) {
        WriteFile(Path("in.bin"), bytes);
        ResetHeapPeak();
        const std::size_t base = HeapInUse();
        prompt.ExpectAnswer(true);
        const int opened = ImportToWorkingCopy(Path("in.bin").string(), &prompt);
        EXPECT_NE(opened, kImportFileError);
        if (opened == 1) {
            SaveReport report;
            ExportWorkingCopy(Path("out.bin").string(), &report);
        }
        return HeapPeak() - base;
    }
};

} // namespace

TEST_F(ImagePeak, TheLargestImageAcceptedOpensAndSavesWithin64MB) {
    std::vector<BYTE> image(static_cast<std::size_t>(kMaxImageFileBytes), 0xFF);
    const std::size_t peak = PeakOfOpenAndSave(image);
    std::printf("[ measured ] a %lld-byte image: open and save %.1f MB\n",
                static_cast<long long>(kMaxImageFileBytes), static_cast<double>(peak) / kMiB);
    EXPECT_LT(peak, kImageBound);
    image.push_back(0);
    WriteFile(Path("big.bin"), image);
    Phrase said;
    EXPECT_EQ(ImportToWorkingCopy(Path("big.bin").string(), &prompt, &said), kImportFileError);
    const std::string error = English(said);
    EXPECT_NE(error.find("more than a receiver image can have"), std::string::npos) << error;
}

TEST_F(ImagePeak, EveryFamilyWithEveryByteSet) {
    std::mt19937 rng(5);
    for (const ReceiverProfile& p : ReceiverProfiles()) {
        ConfigurePolicy(p);
        const int size = ReceiverFlashBytes(p);
        for (const BYTE fill : {BYTE{0xFF}, BYTE{0x01}}) {
            Image img(size, fill);
            if (fill == 0x01)
                for (int i = 0; i < size; i += 7)
                    img[i] = static_cast<BYTE>(rng());
            db.ClearAll();
            EXPECT_LT(PeakOfOpenAndSave(img.Bytes()), kImageBound) << p.name << ", fill " << +fill;
        }
    }
}
