#include "tests/render/render_test_support.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

#include "render/gui_application.h"

namespace tl::test {
namespace {

// One Qt application for the whole run, made before the first test.
class GuiEnvironment final : public testing::Environment {
 public:
  void SetUp() override { application_ = EnsureGuiApplication(); }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] testing::Environment* const kGui = testing::AddGlobalTestEnvironment(new GuiEnvironment);

std::string WriteJpeg(const TempFolder& folder, const std::string& name, JpegRecipe recipe) {
  const std::string path = folder.File(name);
  recipe.Quality = 100;
  WriteBytes(path, MakeJpeg(recipe));
  return path;
}

void PutRgb(uint8_t* c, QRgb rgb) {
  c[0] = uint8_t(qRed(rgb)), c[1] = uint8_t(qGreen(rgb)), c[2] = uint8_t(qBlue(rgb));
}

}  // namespace

std::string WriteQuadrantJpeg(const TempFolder& folder, const std::string& name, int width, int height) {
  JpegRecipe recipe;
  recipe.Width = width, recipe.Height = height;
  recipe.Pixel = [width, height](int x, int y, uint8_t* c) {
    const bool right = x >= width / 2, bottom = y >= height / 2;
    PutRgb(c, bottom ? (right ? kYellow : kBlue) : (right ? kGreen : kRed));
  };
  return WriteJpeg(folder, name, recipe);
}

std::string WriteSolidJpeg(const TempFolder& folder, const std::string& name, int width, int height, QRgb color) {
  JpegRecipe recipe;
  recipe.Width = width, recipe.Height = height;
  recipe.Pixel = [color](int, int, uint8_t* c) { PutRgb(c, color); };
  return WriteJpeg(folder, name, recipe);
}

bool Near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QRgb Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// The box and the number of the pixels in `area` that `wanted` picks.
template <typename Wanted>
std::pair<QRect, int> PickedPixels(const QImage& image, const QRect& area, Wanted wanted) {
  QRect box;
  int count = 0;
  const QRect r = area & image.rect();
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (wanted(Rgb(image, x, y))) box |= QRect(x, y, 1, 1), ++count;
  return {box, count};
}

QRect InkBox(const QImage& image, const QRect& area, QRgb background, int tolerance) {
  return PickedPixels(image, area, [&](QRgb c) { return !Near(c, background & 0xFFFFFF, tolerance); }).first;
}

QRect ColorBox(const QImage& image, const QRect& area, QRgb color, int tolerance) {
  return PickedPixels(image, area, [&](QRgb c) { return Near(c, color & 0xFFFFFF, tolerance); }).first;
}

int InkCount(const QImage& image, const QRect& area, QRgb background, int tolerance) {
  return PickedPixels(image, area, [&](QRgb c) { return !Near(c, background & 0xFFFFFF, tolerance); }).second;
}

bool RunCommand(const std::string& command, std::string& output) {
  output.clear();
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return false;
  char buffer[4096];
  size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  return pclose(pipe) == 0;
}

}  // namespace tl::test
