// What is refused before a byte is read: folders, devices, pipes, and files
// larger than any receiver's image or any workbook the program accepts.
#include "document/WorkingCopy.h"
#include "tests/image/ImageBuilder.h"
#include "xls/ChannelWorkbook.h"

#include <sys/stat.h>

using namespace velmar::test;

namespace {

class InputLimits : public WorkingCopyTest {
protected:
    std::string ImageError(const std::string& path) {
        Phrase error;
        EXPECT_EQ(ImportToWorkingCopy(path, &prompt, &error), kImportFileError) << path;
        return English(error);
    }
    std::string WorkbookError(const std::string& path) {
        std::string error;
        EXPECT_FALSE(ImportChannelWorkbook(TheZorvDB(), path, &error)) << path;
        return error;
    }
};

} // namespace

TEST_F(InputLimits, FoldersDevicesAndPipesAreNoFiles) {
    const std::string folder = Path("folder.bin").string();
    std::filesystem::create_directories(folder);
    EXPECT_EQ(ImageError(folder), folder + " is a folder, not a receiver image.");
    EXPECT_EQ(ImageError("/dev/zero"),
              "/dev/zero is not a regular file, so it cannot be a receiver image.");
    const std::string fifo = Path("pipe.xls").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Nobody writes into the pipe: opening it must not wait for a writer.
    EXPECT_EQ(ImageError(fifo), fifo + " is not a regular file, so it cannot be a receiver image.");
    EXPECT_EQ(WorkbookError(fifo),
              fifo + " is not a regular file, so it cannot be an Excel workbook. The channel list "
                     "was not changed.");
    EXPECT_EQ(WorkbookError("/dev/zero"), "/dev/zero is not a regular file, so it cannot be an "
                                          "Excel workbook. The channel list was not changed.");
    CChannelFile file(TheZorvDB(), CurrentImageValues());
    EXPECT_EQ(file.Load(folder.c_str()), 0);
    EXPECT_EQ(file.Load("/dev/zero"), 0);
}

TEST_F(InputLimits, FilesLargerThanAnythingAcceptedAreRefusedUnread) {
    // Sparse: a size on paper only, so a read would show as time and memory.
    const std::string huge = Path("huge.bin").string();
    { std::ofstream create(huge, std::ios::binary); }
    std::filesystem::resize_file(huge, std::uintmax_t{5} << 30);
    EXPECT_EQ(ImageError(huge),
              huge + " has 5,368,709,120 bytes, more than a receiver image can have (at most "
                     "16,777,216 bytes).");
    EXPECT_EQ(WorkbookError(huge),
              huge + " has 5,368,709,120 bytes, more than an Excel workbook can have (at most "
                     "67,108,864 bytes). The channel list was not changed.");
    EXPECT_EQ(db.Size(kTableChannel), 0u);
}
