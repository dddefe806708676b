#include "imaging/offscreen_bitmap.h"

#include <gtest/gtest.h>

namespace tl {
namespace {

TEST(OffscreenBitmap, IsZeroFilledWithFourBytesPerPixel) {
  BitmapPtr bitmap = OffscreenBitmapNew(3, 2);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->RowBytes(), 12u);
  EXPECT_EQ(bitmap->Row(1) - bitmap->Row(0), 12);
  for (size_t i = 0; i < bitmap->ByteSize(); ++i) ASSERT_EQ(bitmap->Pixels[i], 0);
}

TEST(OffscreenBitmap, RefusesSizesNoImageCanHave) {
  EXPECT_FALSE(OffscreenBitmapNew(0, 10));
  EXPECT_FALSE(OffscreenBitmapNew(10, -1));
  EXPECT_FALSE(OffscreenBitmapNew(OffscreenBitmap::kMaxSide + 1, 1));
  EXPECT_FALSE(OffscreenBitmapNew(OffscreenBitmap::kMaxSide, OffscreenBitmap::kMaxSide));  // area limit
}

}  // namespace
}  // namespace tl
