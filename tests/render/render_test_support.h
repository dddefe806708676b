// Helpers of the render tests: the Qt application for the whole run,
// pictures whose parts are told apart by colour, colour probes and ink
// boxes on rendered pages, and poppler's tools on written PDFs.
#pragma once

#include <QImage>
#include <QRect>
#include <string>
#include <vector>

#include "tests/imaging/fixtures.h"
#include "tests/render/render_fixtures.h"

namespace tl::test {

// A JPEG of width x height in four quadrants: red top-left, green
// top-right, blue bottom-left, yellow bottom-right.
std::string WriteQuadrantJpeg(const TempFolder& folder, const std::string& name, int width, int height);
// A JPEG of one colour (0xRRGGBB).
std::string WriteSolidJpeg(const TempFolder& folder, const std::string& name, int width, int height, QRgb color);

constexpr QRgb kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kYellow = 0xFFFF00;
constexpr QRgb kWhiteRgb = 0xFFFFFF, kBlackRgb = 0x000000;

// True when every channel of `a` is within `tolerance` of `b`'s.
bool Near(QRgb a, QRgb b, int tolerance = 40);
// The pixel's colour without alpha.
QRgb Rgb(const QImage& image, int x, int y);

// The box of pixels inside `area` that differ from `background` by more
// than `tolerance` in some channel; empty when there are none.
QRect InkBox(const QImage& image, const QRect& area, QRgb background, int tolerance = 60);
// The box of pixels inside `area` within `tolerance` of `color`.
QRect ColorBox(const QImage& image, const QRect& area, QRgb color, int tolerance = 40);
int InkCount(const QImage& image, const QRect& area, QRgb background, int tolerance = 60);

// Runs a command line through the shell; its standard output, and false
// when it failed.
bool RunCommand(const std::string& command, std::string& output);

}  // namespace tl::test
