// The fuzz targets decode within a small pixel budget so that they run
// fast; the budget belongs to them alone. A picture larger than the budget
// is read in full by the program, and refused only once a fuzz target has
// lowered the limit.
#include "fuzz/fuzz_budget.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/decode_limits.h"
#include "imaging/offscreen_bitmap.h"
#include "tests/imaging/extended_fixtures.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

using test::Bytes;

constexpr int kWidth = 320, kHeight = 240;
static_assert(int64_t(kWidth) * kHeight > fuzz::kFuzzPixelBudget);

class ScopedDecodeLimit {
 public:
  explicit ScopedDecodeLimit(int64_t pixels) : previous_(DecodePixelLimit()) { SetDecodePixelLimit(pixels); }
  ~ScopedDecodeLimit() { SetDecodePixelLimit(previous_); }
  ScopedDecodeLimit(const ScopedDecodeLimit&) = delete;
  ScopedDecodeLimit& operator=(const ScopedDecodeLimit&) = delete;

 private:
  int64_t previous_;
};

class FuzzBudgetTest : public test::ExtendedFormatTest {
 protected:
  Bytes Tiff() {
    test::TiffRecipe recipe;
    recipe.Width = kWidth, recipe.Height = kHeight;
    recipe.Sample = [](int x, int y, int s) { return uint32_t(x + y + s) & 0xFF; };
    const std::string path = dir_.File("source.tif");
    return test::WriteTiff(path, recipe) ? test::ReadBytes(path) : Bytes();
  }
};

TEST_F(FuzzBudgetTest, PicturesOverTheBudgetAreReadByTheProgramAndRefusedOnlyWithinIt) {
  test::JpegRecipe jpeg;
  jpeg.Width = kWidth, jpeg.Height = kHeight;
  test::BmpRecipe bmp;
  bmp.Width = kWidth, bmp.Height = kHeight;
  bmp.Pixel = [](int x, int y) { return uint32_t(x * 0x100 + y); };
  test::PngRecipe png;
  png.Width = kWidth, png.Height = kHeight;
  test::PsdRecipe psd;
  psd.Width = kWidth, psd.Height = kHeight;
  test::PictBuilder pict(0, 0, kHeight, kWidth);
  pict.Direct32(kWidth, kHeight, 4, 3, 0, 0, [](int x, int y) { return uint32_t(0xFF000000u | x << 8 | y); });
  test::EpsRecipe eps;
  eps.Width = kWidth, eps.Height = kHeight;
  const std::string epsText = test::MakeEps(eps);

  const struct {
    const char* Name;
    Bytes Data;
  } files[] = {
      {"picture.jpg", test::MakeJpeg(jpeg)},
      {"picture.tif", Tiff()},
      {"picture.bmp", test::MakeBmp(bmp)},
      {"picture.png", test::MakePng(png)},
      {"picture.psd", test::MakePsd(psd)},
      {"picture.pct", pict.Picture()},
      {"picture.eps", Bytes(epsText.begin(), epsText.end())},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.Name);
    const std::string path = WriteFile(file.Name, file.Data);
    BitmapPtr full = DecodeFile(path);
    ASSERT_TRUE(full) << "message " << message_;
    EXPECT_EQ(full->Width, kWidth);
    EXPECT_EQ(full->Height, kHeight);

    const ScopedDecodeLimit budget(fuzz::kFuzzPixelBudget);
    EXPECT_FALSE(DecodeFile(path));
  }
}

}  // namespace
}  // namespace tl
