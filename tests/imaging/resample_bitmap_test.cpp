#include "imaging/resample_bitmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "document/layout_object.h"
#include "imaging/bitmap_orientation.h"
#include "layout/orientation.h"

namespace tl {
namespace {

BitmapPtr Filled(int32_t w, int32_t h, const std::function<uint32_t(int, int)>& pixel) {
  BitmapPtr b = OffscreenBitmapNew(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t v = pixel(x, y);
      std::memcpy(b->Row(y) + 4 * x, &v, 4);
    }
  return b;
}

uint32_t At(const OffscreenBitmap& b, int x, int y) {
  uint32_t v;
  std::memcpy(&v, b.Row(y) + 4 * x, 4);
  return v;
}

TEST(ResampleBitmap, FlatColourStaysFlatAtEverySize) {
  BitmapPtr source = Filled(37, 23, [](int, int) { return 0x10C0407Fu; });
  for (auto [w, h] : {std::pair{37, 23}, {10, 7}, {1, 1}, {100, 9}, {5, 60}, {3000, 2}}) {
    BitmapPtr out = ResampledCopy(*source, w, h);
    ASSERT_TRUE(out);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) ASSERT_EQ(At(*out, x, y), 0x10C0407Fu) << w << "x" << h << " at " << x << "," << y;
  }
}

TEST(ResampleBitmap, ShrinkingAveragesTheCoveredArea) {
  // 2 x 2 blocks of 0 and 200 in a checkerboard average to 100 exactly.
  BitmapPtr checker = Filled(8, 8, [](int x, int y) { return ((x + y) % 2) ? 0xC8C8C8C8u : 0u; });
  BitmapPtr half = ResampledCopy(*checker, 4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(At(*half, x, y), 0x64646464u);
  // Three source pixels into two: the middle one is shared half and half.
  BitmapPtr row = Filled(3, 1, [](int x, int) { return uint32_t(x == 0 ? 0 : x == 1 ? 90 : 180); });
  BitmapPtr two = ResampledCopy(*row, 2, 1);
  EXPECT_EQ(At(*two, 0, 0) & 0xFF, 30u);   // (0 * 1 + 90 * 0.5) / 1.5
  EXPECT_EQ(At(*two, 1, 0) & 0xFF, 150u);  // (90 * 0.5 + 180) / 1.5
}

TEST(ResampleBitmap, EnlargingInterpolatesSmoothly) {
  BitmapPtr two = Filled(2, 1, [](int x, int) { return x ? 0xFFu : 0u; });
  BitmapPtr wide = ResampledCopy(*two, 8, 3);
  ASSERT_TRUE(wide);
  int previous = -1;
  for (int x = 0; x < 8; ++x) {
    const int v = int(At(*wide, x, 1) & 0xFF);
    EXPECT_GE(v, previous);  // never a step back, never a copied block
    previous = v;
  }
  EXPECT_EQ(At(*wide, 0, 0) & 0xFF, 0u);
  EXPECT_EQ(At(*wide, 7, 2) & 0xFF, 255u);
  EXPECT_GT(At(*wide, 3, 0) & 0xFF, 60u);
  EXPECT_LT(At(*wide, 3, 0) & 0xFF, 190u);
}

TEST(ApplyRotateFlip, TurnsAndMirrorsAsTheBitsSay) {
  // A 3 x 2 picture whose pixels name their position.
  auto source = [] { return Filled(3, 2, [](int x, int y) { return uint32_t(10 * y + x); }); };
  const struct {
    int16_t bits;
    int w, h;
    std::vector<uint32_t> rows;  // the result, row by row
  } cases[] = {
      {0, 3, 2, {0, 1, 2, 10, 11, 12}},
      {kRotate90, 2, 3, {10, 0, 11, 1, 12, 2}},
      {kRotate180, 3, 2, {12, 11, 10, 2, 1, 0}},
      {kRotate270, 2, 3, {2, 12, 1, 11, 0, 10}},
      {kFlipHorizontal, 3, 2, {2, 1, 0, 12, 11, 10}},
      // Mirrored first, then turned.
      {kRotate90 | kFlipHorizontal, 2, 3, {12, 2, 11, 1, 10, 0}},
      {kRotate270 | kFlipHorizontal, 2, 3, {0, 10, 1, 11, 2, 12}},
      {kExifOrientationApplied, 3, 2, {0, 1, 2, 10, 11, 12}},
  };
  for (const auto& c : cases) {
    BitmapPtr out = ApplyRotateFlip(source(), c.bits);
    ASSERT_TRUE(out);
    ASSERT_EQ(out->Width, c.w);
    ASSERT_EQ(out->Height, c.h);
    std::vector<uint32_t> rows;
    for (int y = 0; y < c.h; ++y)
      for (int x = 0; x < c.w; ++x) rows.push_back(At(*out, x, y));
    EXPECT_EQ(rows, c.rows) << "bits " << c.bits;
  }
}

TEST(ApplyRotateFlip, MovesPixelsWhereTheLayoutModelPutsThem) {
  // The drawing and crop code map rectangles with MapRect; the pixels must
  // land at the same place for every one of the eight states.
  const int w = 5, h = 3;
  for (int16_t bits : {0, 1, 2, 4, 8, 9, 10, 12}) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        BitmapPtr out = ApplyRotateFlip(Filled(w, h, [&](int px, int py) { return uint32_t(px == x && py == y); }), bits);
        ASSERT_TRUE(out);
        const LRect mapped = MapRect(OrientationOf(bits), {x, y, x + 1, y + 1}, {w, h});
        EXPECT_EQ(At(*out, mapped.left, mapped.top), 1u) << "bits " << bits << " pixel " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace tl
