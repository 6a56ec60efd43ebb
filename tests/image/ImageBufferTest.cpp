// The image in memory that loads read and saves patch: it must behave as the
// file did (reads stop at the end, a write past the end fills the gap with
// zeros) and stop at the largest image a receiver can have.
#include "image/ImageBuffer.h"
#include "image/ImageFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

TEST(ImageBuffer, WritesPastTheEndFillTheGapWithZerosAndReadsStopAtTheEnd) {
    CImageBuffer image;
    image.Own({1, 2, 3});
    const BYTE patch[] = {9, 8};
    ASSERT_TRUE(image.Seek(1));
    ASSERT_TRUE(image.Write(patch));
    ASSERT_TRUE(image.Seek(6));
    ASSERT_TRUE(image.Write(patch));
    EXPECT_EQ(image.Length(), 8);
    BYTE out[10] = {};
    ASSERT_TRUE(image.Seek(4));
    EXPECT_EQ(image.Read(out), 4u);
    EXPECT_EQ(Bytes(out, out + 4), (Bytes{0, 0, 9, 8}));
    EXPECT_TRUE(image.View(8, 1).empty());
    EXPECT_EQ(image.Release(), (Bytes{1, 9, 8, 0, 0, 0, 9, 8}));
    EXPECT_EQ(image.Length(), 0);
}

TEST(ImageBuffer, BorrowedBytesAreReadInPlaceAndNeverWritten) {
    const Bytes source{5, 6, 7};
    CImageBuffer image;
    image.Borrow(source);
    EXPECT_EQ(image.View(1, 5).data(), source.data() + 1) << "no copy";
    EXPECT_EQ(image.View(1, 5).size(), 2u);
    const BYTE patch[] = {1};
    EXPECT_FALSE(image.Write(patch));
    EXPECT_EQ(image.Release(), source) << "a copy of what was borrowed";
}

TEST(ImageBuffer, AnImageEndsAtTheLargestAReceiverHas) {
    CImageBuffer image;
    image.Own({});
    const BYTE one[] = {0xAA};
    EXPECT_FALSE(image.Seek(-1));
    EXPECT_FALSE(image.Seek(kMaxImageFileBytes + 1));
    ASSERT_TRUE(image.Seek(kMaxImageFileBytes - 1));
    EXPECT_TRUE(image.Write(one)) << "the last byte an image may have";
    EXPECT_EQ(image.Length(), kMaxImageFileBytes);
    ASSERT_TRUE(image.Seek(kMaxImageFileBytes));
    EXPECT_FALSE(image.Write(one)) << "one past it";
    EXPECT_EQ(image.Length(), kMaxImageFileBytes);
}

} // namespace
