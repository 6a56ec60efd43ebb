// Bad images fail cleanly or load clamped: erased flash, absurd counts and
// geometry, empty files. (An image cut short of its last block: ProfileImage.)
#include "document/WorkingCopy.h"
#include "tests/image/ImageBuilder.h"

#include <cstring>

using namespace velmar::test;

using Malformed = CodecTest;

TEST_F(Malformed, ErasedFlashLoadsClampedWithoutChannels) {
    for (const Profile& p :
         {Profile{}, MakeProfile(2, 0x04), MakeProfile(1, 0x02), SmallSingleBlockProfile()}) {
        p.Apply();
        ASSERT_TRUE(Reload(Image(p.FlashSize(), 0xFF).Bytes())) << "list " << p.list;
        EXPECT_EQ(db.Size(kTableChannel), 0u) << "erased trailers end the channel block";
        EXPECT_EQ(db.Size(kTableTransponder), 0u);
        EXPECT_EQ(db.Size(kTableCableMux), 0u) << "erased counts count nothing";
        EXPECT_LE(db.Size(kTableSatellite), 127u);
    }
}

TEST_F(Malformed, AbsurdGeometryIsRefusedNotAllocated) {
    Profile huge, tiny, unterminated, single = SmallSingleBlockProfile(), none;
    huge.ch = {49152, 1 << 30, 56, 28}; // a block of 4 TB
    tiny.sectorSize = 8;                // smaller than any trailer
    unterminated.ch.fourth = 255;       // the record's name could not stay terminated
    single.ch = {12288, 1 << 28, 64, 28};
    none.mmi.entrySize = none.sat.entrySize = none.brd.entrySize = none.tp.entrySize = 0;
    for (const Profile* p : {&huge, &tiny, &unterminated, &single}) {
        p->Apply();
        EXPECT_EQ(Load(Blank()), 0) << "list " << p->list << ", sector " << p->sectorSize;
    }
    int ok = 1;
    Save(Blank(), &ok);
    EXPECT_EQ(ok, 0) << "the single block of 2^28 slots";
    none.Apply();
    EXPECT_EQ(Load(Blank()), 1) << "nothing to decode, nothing divided by zero";
}

TEST_F(Malformed, EmptyAndTinyFilesFailCleanly) {
    EXPECT_EQ(Load({}), 0);
    prompt.ExpectAnswer(true);
    EXPECT_EQ(Load({'V', 'X'}), 0) << "bare and far too short";
    EXPECT_EQ(Load({'V', 'X', ' ', ' ', 80, 0}), 0);
    CChannelFile file(TheZorvDB(), CurrentImageValues());
    EXPECT_EQ(file.Load(""), 0) << "empty path";
    EXPECT_EQ(file.Load(Path("missing").c_str()), 0);
    CChannelFile saver(TheZorvDB(), CurrentImageValues());
    EXPECT_EQ(saver.Save(Path("missing").c_str(), false), 0) << "Save never creates a file";
    EXPECT_FALSE(std::filesystem::exists(Path("missing")));
}
