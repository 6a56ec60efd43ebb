// The recovery file's bytes, what is refused, and which files a new start
// may offer: only those whose working copy no running editor holds.
#include "document/RecoveryFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/file.h>
#include <tuple>
#include <unistd.h>

namespace {

std::string Image() {
    std::string image = "VX  ";
    image.resize(86 + 10, '\x01');
    return image;
}

TEST(RecoveryFile, BytesAreHeaderSourceThenImage) {
    RecoveredEdits edits;
    edits.source = "a\nb.c"; // a newline in a path survives: the length is counted
    edits.zorvImage = true;
    edits.image = Image();
    const std::string bytes = RecoveryFileBytes(edits);
    EXPECT_EQ(bytes, "VELMAR-EDITS 1\nzorv 1\nsource 5\na\nb.c\n" + Image());
    RecoveredEdits back;
    ASSERT_TRUE(ParseRecoveryFile(bytes, back));
    EXPECT_EQ(std::tuple(back.source, back.zorvImage, back.image),
              std::tuple(edits.source, true, edits.image));
}

TEST(RecoveryFile, TornOrForeignFilesAreRefused) {
    RecoveredEdits edits;
    edits.source = "/x/list.bin";
    edits.image = Image();
    const std::string good = RecoveryFileBytes(edits);
    RecoveredEdits out;
    EXPECT_FALSE(ParseRecoveryFile(good.substr(0, 30), out));               // cut in the source
    EXPECT_FALSE(ParseRecoveryFile(good.substr(0, good.size() - 20), out)); // short image
    EXPECT_FALSE(ParseRecoveryFile("VELMAR-EDITS 2\n" + good.substr(15), out));
    std::string noImage = good;
    noImage[good.size() - Image().size()] = 'Z'; // not "VX  "
    EXPECT_FALSE(ParseRecoveryFile(noImage, out));
    std::string badLength = good;
    badLength.replace(good.find("source 11"), 9, "source 99");
    EXPECT_FALSE(ParseRecoveryFile(badLength, out));
}

TEST(RecoveryFile, NamedAfterItsWorkingCopy) {
    EXPECT_EQ(RecoveryPathFor("/tmp/ZOabcdef.tmp"), "/tmp/ZOabcdef.rec");
    EXPECT_EQ(RecoveryPathFor("/tmp/other"), "/tmp/other.rec");
}

TEST(RecoveryFile, OnlyFilesOfEditorsThatEndedAreFound) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("velmar-recovery-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    RecoveredEdits edits;
    edits.image = Image();
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    };
    write("ZOendedx.rec", RecoveryFileBytes(edits)); // no working copy: its editor ended
    write("ZOrunnin.rec", RecoveryFileBytes(edits));
    write("ZOrunnin.tmp", Image());
    write("ZOforgnx.rec", "not ours");
    write("XXendedx.rec", RecoveryFileBytes(edits));
    // A running editor holds its working copy locked.
    const int held = ::open((dir / "ZOrunnin.tmp").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    const auto found = FindRecoveryFiles(dir.string());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], (dir / "ZOendedx.rec").string());
    // Once that editor is gone its edits are offered too.
    ::close(held);
    EXPECT_EQ(FindRecoveryFiles(dir.string()).size(), 2u);
    std::filesystem::remove_all(dir);
}

} // namespace
