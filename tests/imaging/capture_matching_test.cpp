// The capture-matching engine and the decode path over it: the level a
// file's capture data gives, the engine's call sequence and its failures,
// the modes' corrections, and the decodes that go through it (screen
// widths in multiples of 4, full size for output, automatic tuning, the
// preview call) or never do (files without capture data).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "document/layout_object.h"
#include "imaging/bitmap_orientation.h"
#include "imaging/byte_source.h"
#include "imaging/capture_data.h"
#include "imaging/capture_engine.h"
#include "imaging/exif_reader.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/pixel_matcher.h"
#include "tests/imaging/extended_fixtures.h"

namespace tl {
namespace {

using test::Bytes;
using test::ExifBuilder;

constexpr int kApp1 = 0xE1, kApp5 = 0xE5;
constexpr uint16_t kTagColorSpace = 40961, kTagExifVersion = 36864, kTagScene = 41990, kTagContrast = 41992,
                   kTagSaturation = 41993, kTagWhiteBalance = 41987;

// A dull, slightly green picture: much for the correction to do.
void DullPixel(int x, int y, uint8_t* c) {
  c[0] = uint8_t(70 + (x * 90) / 160);
  c[1] = uint8_t(80 + (y * 80) / 120);
  c[2] = uint8_t(60 + ((x + y) * 50) / 280);
}

// A TIFF structure whose Exif directory points to an interoperability
// directory holding `index` (and, optionally, the colour space tag).
Bytes InteropTiff(bool big, const std::string& index, int colorSpace = -1) {
  Bytes b;
  auto u16 = [&](uint32_t v) {
    if (big) b.insert(b.end(), {uint8_t(v >> 8), uint8_t(v)});
    else b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8)});
  };
  auto u32 = [&](uint32_t v) {
    if (big) { u16(v >> 16); u16(v & 0xFFFF); }
    else { u16(v & 0xFFFF); u16(v >> 16); }
  };
  b.insert(b.end(), {uint8_t(big ? 'M' : 'I'), uint8_t(big ? 'M' : 'I')});
  u16(42);
  u32(8);
  u16(1);  // IFD0: the Exif pointer
  u16(34665), u16(4), u32(1), u32(26);
  u32(0);
  const uint16_t exifEntries = colorSpace >= 0 ? 2 : 1;
  u16(exifEntries);  // at 26
  const uint32_t interop = 26 + 2 + 12 * exifEntries + 4;
  if (colorSpace >= 0) u16(kTagColorSpace), u16(3), u32(1), u16(uint32_t(colorSpace)), u16(0);
  u16(40965), u16(4), u32(1), u32(interop);
  u32(0);
  u16(1);
  Bytes text(index.begin(), index.end());
  text.resize(4, 0);
  u16(1), u16(2), u32(4);
  b.insert(b.end(), text.begin(), text.end());
  u32(0);
  return b;
}

Bytes App1Of(const Bytes& tiff) {
  Bytes app1 = {'E', 'x', 'i', 'f', 0, 0};
  app1.insert(app1.end(), tiff.begin(), tiff.end());
  return app1;
}

class CaptureMatchingTest : public ::testing::Test {
 protected:
  std::string WriteJpeg(const std::vector<std::pair<int, Bytes>>& markers, const char* name = "capture.jpg",
                        int width = 160, int height = 120, int components = 3) {
    test::JpegRecipe recipe;
    recipe.Width = width;
    recipe.Height = height;
    recipe.Components = components;
    recipe.Pixel = DullPixel;
    recipe.Markers = markers;
    const std::string path = dir_.File(name);
    EXPECT_TRUE(test::WriteBytes(path, test::MakeJpeg(recipe)));
    return path;
  }
  // A JPEG with both kinds of capture data (level 6).
  std::string FullCaptureJpeg(const char* name = "full.jpg", int width = 160, int height = 120) {
    ExifBuilder exif(false);
    exif.Undefined(ExifBuilder::kExifIfd, kTagExifVersion, {'0', '2', '2', '0'});
    exif.Short(ExifBuilder::kExifIfd, kTagColorSpace, 1);
    exif.Short(ExifBuilder::kExifIfd, kTagScene, 1);  // landscape
    exif.Short(ExifBuilder::kExifIfd, kTagContrast, 2);
    exif.Short(ExifBuilder::kExifIfd, kTagSaturation, 1);
    return WriteJpeg({{kApp1, exif.App1()}, {kApp5, test::CaptureRecordMarker(2, 0, 255, 150, 135, 0)}}, name,
                     width, height);
  }
  ImageObject Header(const std::string& path) {
    ImageObject image;
    EXPECT_TRUE(ReadImageHeader(image, path));
    return image;
  }

  test::TempFolder dir_;
  BuiltInFormatImporter importer_;
  BuiltInCaptureMatcher matcher_;
  test::ScopedExtensions extensions_{&importer_, &matcher_};
};

TEST_F(CaptureMatchingTest, LevelComesFromTheFilesCaptureData) {
  auto exifWith = [](std::initializer_list<std::pair<uint16_t, uint16_t>> shorts, const char* version) {
    ExifBuilder e(true);
    e.Ascii(ExifBuilder::kIfd0, 271, "Maker");
    if (version) e.Undefined(ExifBuilder::kExifIfd, kTagExifVersion, Bytes(version, version + 4));
    for (auto [tag, value] : shorts) e.Short(ExifBuilder::kExifIfd, tag, value);
    return e.App1();
  };
  const Bytes record = test::CaptureRecordMarker(0, 10, 240, 0, 0, kRecordLevelsMeasured);
  Bytes badRecord = record;
  badRecord[9] = 2;  // a version this engine does not know
  Bytes saturated = test::CaptureRecordMarker(0, 0, 0, 0, 250, 0);
  struct Case {
    const char* Name;
    std::vector<std::pair<int, Bytes>> Markers;
    int16_t Level;
  };
  const Case cases[] = {
      {"no Exif", {}, 0},
      {"Exif without colour facts", {{kApp1, exifWith({{37385, 0}}, "0230")}}, 0},
      {"colour space", {{kApp1, exifWith({{kTagColorSpace, 1}}, "0210")}}, kLevelExifPrint},
      {"uncalibrated colour space", {{kApp1, exifWith({{kTagColorSpace, 0xFFFF}}, nullptr)}}, kLevelExifPrint},
      {"interoperability R98", {{kApp1, App1Of(InteropTiff(false, "R98"))}}, kLevelExifPrint},
      {"interoperability R03", {{kApp1, App1Of(InteropTiff(true, "R03"))}}, kLevelExifPrint},
      {"interoperability THM", {{kApp1, App1Of(InteropTiff(false, "THM"))}}, 0},
      {"Exif 2.2 scene tags", {{kApp1, exifWith({{kTagScene, 2}}, "0220")}}, kLevelExifPrint},
      {"scene tags before Exif 2.2", {{kApp1, exifWith({{kTagScene, 2}, {kTagWhiteBalance, 1}}, "0210")}}, 0},
      {"capture record", {{kApp5, record}}, kLevelCaptureRecord},
      {"both", {{kApp1, exifWith({{kTagColorSpace, 1}}, "0221")}, {kApp5, record}},
       kLevelExifPrint | kLevelCaptureRecord},
      {"record of another version", {{kApp5, badRecord}}, 0},
      {"record with an impossible saturation", {{kApp5, saturated}}, 0},
      {"the mask variant's APP5 mark is no record", {{kApp5, {'E', 'F', 'F', 'H', 'E', 'A', 'D', 0, 1, 2}}}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ImageObject image = Header(WriteJpeg(c.Markers));
    EXPECT_EQ(image.CaptureMatchingLevel, c.Level);
  }
  // Gray pictures never have a level, whatever they carry.
  ImageObject gray =
      Header(WriteJpeg({{kApp1, exifWith({{kTagColorSpace, 1}}, "0220")}, {kApp5, record}}, "gray.jpg", 32, 32, 1));
  EXPECT_EQ(gray.CaptureMatchingLevel, 0);
}

TEST_F(CaptureMatchingTest, PrintFieldsReadTheSameInBothByteOrders) {
  ExifPrintFields little, big;
  const Bytes l = InteropTiff(false, "R03", 0xFFFF), b = InteropTiff(true, "R03", 0xFFFF);
  ASSERT_TRUE(ReadExifPrintFields(MemoryByteSource(l.data(), l.size()), little));
  ASSERT_TRUE(ReadExifPrintFields(MemoryByteSource(b.data(), b.size()), big));
  EXPECT_EQ(little, big);
  EXPECT_EQ(little.InteropIndex, "R03");
  EXPECT_EQ(little.ColorSpace, -1);
  EXPECT_EQ(little.Presence, uint32_t(kPrintHasInteropIndex | kPrintHasColorSpace));
  // A directory pointing back at itself is read once.
  Bytes loop = InteropTiff(false, "R98");
  const size_t pointer = 26 + 2 + 8;  // the interoperability pointer's value
  loop[pointer] = 26, loop[pointer + 1] = 0;
  ExifPrintFields fields;
  EXPECT_TRUE(ReadExifPrintFields(MemoryByteSource(loop.data(), loop.size()), fields));
  EXPECT_TRUE(fields.InteropIndex.empty());
}

// Runs the analysis and conversion of `rows` in `mode` and returns the output.
Bytes Convert(const std::string& path, int mode, const Bytes& rows, int width, int height) {
  std::unique_ptr<CaptureEngine> engine;
  EXPECT_EQ(CaptureEngine::Open(path, engine), kCaptureOk);
  if (!engine) return {};
  EXPECT_EQ(engine->SelectMode(mode), kCaptureOk);
  EXPECT_EQ(engine->SetDataFormat(kFormatRgbRows), kCaptureOk);
  const int analysis = engine->BeginAnalysis(height, width, kQualityPrint);
  EXPECT_GE(analysis, 0);
  if (analysis == kCaptureOk) {
    for (int y = 0; y < height; ++y) EXPECT_EQ(engine->AnalyseRow(&rows[size_t(y) * width * 3]), kCaptureOk);
    EXPECT_EQ(engine->EndAnalysis(), kCaptureOk);
  }
  int outputRows = 0;
  EXPECT_EQ(engine->BeginConversion(height, width, kQualityPrint, outputRows), kCaptureOk);
  EXPECT_EQ(outputRows, height);
  Bytes out(rows.size());
  for (int y = 0; y < height; ++y) {
    int ready = 0;
    EXPECT_EQ(engine->FeedRow(&rows[size_t(y) * width * 3], ready), kCaptureOk);
    EXPECT_EQ(ready, 1);
    EXPECT_EQ(engine->TakeRow(&out[size_t(y) * width * 3]), kCaptureOk);
  }
  EXPECT_EQ(engine->EndConversion(), kCaptureOk);
  EXPECT_EQ(engine->Close(), kCaptureOk);
  return out;
}

double MeanDifference(const Bytes& a, const Bytes& b) {
  double sum = 0;
  for (size_t i = 0; i < a.size(); ++i) sum += std::abs(int(a[i]) - int(b[i]));
  return sum / double(a.size());
}

TEST_F(CaptureMatchingTest, ModesGiveDifferentDeterministicCorrections) {
  const std::string path = FullCaptureJpeg();
  const int width = 64, height = 48;
  Bytes rows(size_t(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) DullPixel(x * 2, y * 2, &rows[(size_t(y) * width + size_t(x)) * 3]);
  const Bytes exif = Convert(path, kModeExif, rows, width, height);
  const Bytes vdx = Convert(path, kModeVividex, rows, width, height);
  const Bytes both = Convert(path, kModeVividexExif, rows, width, height);
  const Bytes tuning = Convert(path, kModeAutomaticTuning, rows, width, height);
  EXPECT_EQ(Convert(path, kModeExif, rows, width, height), exif);
  EXPECT_EQ(Convert(path, kModeVividexExif, rows, width, height), both);
  for (const Bytes* out : {&exif, &vdx, &both, &tuning}) EXPECT_GT(MeanDifference(*out, rows), 8.0);
  EXPECT_GT(MeanDifference(exif, vdx), 3.0);
  EXPECT_GT(MeanDifference(exif, both), 3.0);
  EXPECT_GT(MeanDifference(vdx, both), 1.0);
  // The levels are stretched: the dull picture's range grows.
  const auto [inLow, inHigh] = std::minmax_element(rows.begin(), rows.end());
  const auto [low, high] = std::minmax_element(exif.begin(), exif.end());
  EXPECT_LT(*low, 20);
  EXPECT_GT(*high - *low, *inHigh - *inLow + 40);
}

TEST_F(CaptureMatchingTest, EngineRefusesCallsOutOfOrderAndBadArguments) {
  std::unique_ptr<CaptureEngine> engine;
  EXPECT_EQ(CaptureEngine::Open(dir_.File("missing.jpg"), engine), kCaptureFileError);
  EXPECT_FALSE(engine);

  const std::string plain = WriteJpeg({}, "plain.jpg");
  ASSERT_EQ(CaptureEngine::Open(plain, engine), kCaptureOk);
  int16_t level = -1;
  EXPECT_EQ(engine->ReadLevel(level), kCaptureOk);
  EXPECT_EQ(level, 0);
  uint8_t row[48 * 3] = {};
  int rows = 0, ready = 0;
  EXPECT_EQ(engine->BeginAnalysis(16, 48, kQualityPrint), kCaptureOutOfOrder);  // no mode yet
  for (int mode : {1, 2, 3, 4, 6, 7})
    EXPECT_EQ(engine->SelectMode(mode), kCaptureModeRefused) << mode;  // without the data they need
  EXPECT_EQ(engine->SelectMode(kModeAutomaticTuning), kCaptureOk);
  EXPECT_EQ(engine->SetDataFormat(600), kCaptureBadArgument);
  EXPECT_EQ(engine->SetPreviewLevels(256), kCaptureOutOfOrder);  // only in the preview call
  EXPECT_EQ(engine->SetDataFormat(kFormatPreview), kCaptureOk);
  uint8_t parameters[kPreviewParameterBytes] = {};
  EXPECT_EQ(engine->SetPreviewParameters(parameters, 1000, kQualityPrint), kCaptureBadArgument);
  parameters[kPreviewStrengthOffset] = 11;
  EXPECT_EQ(engine->SetPreviewParameters(parameters, sizeof parameters, kQualityPrint), kCaptureBadArgument);
  EXPECT_EQ(engine->SetPreviewLevels(1), kCaptureBadArgument);
  EXPECT_EQ(engine->BeginAnalysis(16, 48, 150), kCaptureBadArgument);
  EXPECT_EQ(engine->BeginAnalysis(0, 48, kQualityPrint), kCaptureBadArgument);
  EXPECT_EQ(engine->AnalyseRow(row), kCaptureOutOfOrder);
  ASSERT_EQ(engine->BeginAnalysis(2, 48, kQualityScreen), kCaptureOk);
  EXPECT_EQ(engine->EndAnalysis(), kCaptureOutOfOrder);  // rows missing
  EXPECT_EQ(engine->AnalyseRow(row), kCaptureOk);
  EXPECT_EQ(engine->AnalyseRow(row), kCaptureOk);
  EXPECT_EQ(engine->AnalyseRow(row), kCaptureOutOfOrder);  // one too many
  EXPECT_EQ(engine->EndAnalysis(), kCaptureOk);
  EXPECT_EQ(engine->BeginConversion(3, 48, kQualityScreen, rows), kCaptureBadArgument);  // not the analysed size
  ASSERT_EQ(engine->BeginConversion(2, 48, kQualityScreen, rows), kCaptureOk);
  EXPECT_EQ(engine->TakeRow(row), kCaptureOutOfOrder);  // nothing fed
  EXPECT_EQ(engine->FeedRow(row, ready), kCaptureOk);
  EXPECT_EQ(engine->FeedRow(row, ready), kCaptureOutOfOrder);  // the ready row is not taken
  EXPECT_EQ(engine->TakeRow(row), kCaptureOk);
  EXPECT_EQ(engine->EndConversion(), kCaptureOutOfOrder);  // a row is missing
  EXPECT_EQ(engine->Close(), kCaptureOk);
  EXPECT_EQ(engine->ReadLevel(level), kCaptureOutOfOrder);
  EXPECT_EQ(engine->Close(), kCaptureOutOfOrder);
}

TEST_F(CaptureMatchingTest, AnalysisIsSkippedForMeasuredLevelsAndTinyPictures) {
  const std::string measured =
      WriteJpeg({{kApp5, test::CaptureRecordMarker(0, 30, 220, 0, 0, kRecordLevelsMeasured)}}, "measured.jpg");
  std::unique_ptr<CaptureEngine> engine;
  ASSERT_EQ(CaptureEngine::Open(measured, engine), kCaptureOk);
  ASSERT_EQ(engine->SelectMode(kModeVividex), kCaptureOk);
  EXPECT_EQ(engine->BeginAnalysis(120, 160, kQualityPrint), kCaptureLevelsMeasured);
  int rows = 0;
  EXPECT_EQ(engine->BeginConversion(120, 160, kQualityPrint, rows), kCaptureOk);

  ASSERT_EQ(CaptureEngine::Open(measured, engine), kCaptureOk);
  ASSERT_EQ(engine->SelectMode(kModeAutomaticTuning), kCaptureOk);
  EXPECT_EQ(engine->BeginAnalysis(7, 9, kQualityPrint), kCaptureTooSmall);
  ASSERT_EQ(CaptureEngine::Open(measured, engine), kCaptureOk);
  ASSERT_EQ(engine->SelectMode(kModeAutomaticTuning), kCaptureOk);
  EXPECT_EQ(engine->BeginAnalysis(8, 8, kQualityPrint), kCaptureOk);  // 64 pixels are enough
}

TEST_F(CaptureMatchingTest, ScreenDecodesUseWidthsInMultiplesOfFour) {
  ImageObject image = Header(FullCaptureJpeg("wide.jpg", 1000, 500));
  image.ImageSrcManagementMode = kModeExif;
  const LSize request = {643, 322};
  int message = 0;
  BitmapPtr screen = DecodeImagePixels(image, kMatchScreen, &request, nullptr, nullptr, message);
  ASSERT_TRUE(screen) << message;
  EXPECT_EQ(screen->Width, 640);
  EXPECT_EQ(screen->Height, 320);
  BitmapPtr printed = DecodeImagePixels(image, kMatchOutput, &request, nullptr, nullptr, message);
  ASSERT_TRUE(printed) << message;
  EXPECT_EQ(printed->Width, 1000);
  EXPECT_EQ(printed->Height, 500);
  // The plain decode at the same size differs: the rows were corrected.
  image.ImageSrcManagementMode = 0;
  const LSize same = {640, 320};
  BitmapPtr plain = DecodeImagePixels(image, kMatchNone, &same, nullptr, nullptr, message);
  ASSERT_TRUE(plain);
  double difference = 0;
  for (int y = 0; y < 320; y += 7)
    for (int x = 0; x < 640; x += 7) difference += std::abs(int(plain->Row(y)[x * 4]) - int(screen->Row(y)[x * 4]));
  EXPECT_GT(difference / ((320 / 7 + 1) * (640 / 7 + 1)), 5.0);
}

TEST_F(CaptureMatchingTest, FilesWithoutCaptureDataNeverTakeThePath) {
  // As the input settings leave it: the level (0) as the mode.
  const std::string path = WriteJpeg({}, "plain.jpg");
  ImageObject image = Header(path);
  EXPECT_EQ(image.CaptureMatchingLevel, 0);
  image.ImageSrcManagementMode = image.CaptureMatchingLevel;
  const LSize request = {99, 74};
  int message = 0;
  BitmapPtr matched = DecodeImagePixels(image, kMatchNone, &request, nullptr, nullptr, message);
  test::ScopedExtensions none(nullptr);
  BitmapPtr plain = DecodeImagePixels(image, kMatchNone, &request, nullptr, nullptr, message);
  ASSERT_TRUE(matched && plain);
  EXPECT_EQ(matched->Width, 99);  // not rounded to a multiple of 4: the file's own decoder
  EXPECT_EQ(std::memcmp(matched->Pixels.get(), plain->Pixels.get(), plain->ByteSize()), 0);
}

TEST_F(CaptureMatchingTest, ModeFollowsWhatTheFileCarries) {
  struct Case {
    const char* Name;
    std::string Path;
    int16_t Mode;
    int16_t Expected;
  };
  const std::string full = FullCaptureJpeg();
  const std::string recordOnly = WriteJpeg({{kApp5, test::CaptureRecordMarker(0, 0, 255, 0, 0, 0)}}, "record.jpg");
  const Case cases[] = {
      {"VDX with capture data becomes VDX/Exif", full, kModeVividex, kModeVividexExif},
      {"Exif without Exif data becomes the level", recordOnly, kModeExif, kLevelCaptureRecord},
      {"a new image's 1 becomes the level", full, 1, kLevelExifPrint | kLevelCaptureRecord},
      {"Exif stays", full, kModeExif, kModeExif},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ImageObject image = Header(c.Path);
    image.ImageSrcManagementMode = c.Mode;
    const LSize request = {40, 30};
    int message = 0;
    EXPECT_TRUE(DecodeImagePixels(image, kMatchNone, &request, nullptr, nullptr, message)) << message;
    EXPECT_EQ(image.ImageSrcManagementMode, c.Expected);
  }
}

// Counts the purposes it is asked to match for.
class CountingMatcher final : public PixelMatcher {
 public:
  bool MatchPixels(const ImageObject&, OffscreenBitmap&, int purpose) override {
    purposes.push_back(purpose);
    return succeed;
  }
  std::vector<int> purposes;
  bool succeed = true;
};

TEST_F(CaptureMatchingTest, MatchedDecodesAreMatchedForTheirPurposeAndFailCleanly) {
  ImageObject image = Header(FullCaptureJpeg());
  image.ImageSrcManagementMode = kModeExif;
  CountingMatcher matcher;
  const LSize request = {80, 60};
  int message = 0;
  EXPECT_TRUE(DecodeImagePixels(image, kMatchNone, &request, nullptr, &matcher, message));
  EXPECT_TRUE(DecodeImagePixels(image, kMatchScreenTuned, &request, nullptr, &matcher, message));
  EXPECT_EQ(matcher.purposes, std::vector<int>{kMatchScreenTuned});
  matcher.succeed = false;
  EXPECT_FALSE(DecodeImagePixels(image, kMatchOutput, &request, nullptr, &matcher, message));
  EXPECT_EQ(message, kMessageMissingProfiles);

  std::remove(image.ImagePath.c_str());
  EXPECT_FALSE(DecodeImagePixels(image, kMatchNone, &request, nullptr, nullptr, message));
  EXPECT_EQ(message, kMessageFailedToOpen);
}

TEST_F(CaptureMatchingTest, AutomaticTuningWorksForEveryKindAndItsPreview) {
  // A PNG (the engine's own decode path takes rows from any decoder) and a
  // TIFF (rows in blue-green-red order) as well as a JPEG.
  test::PngRecipe png;
  png.Width = 160;
  png.Height = 120;
  png.Sample = [](int x, int y, int c) {
    uint8_t p[3];
    DullPixel(x, y, p);
    return uint32_t(p[c]);
  };
  const std::string pngPath = dir_.File("tuned.png");
  ASSERT_TRUE(test::WriteBytes(pngPath, test::MakePng(png)));
  test::TiffRecipe tiff;
  tiff.Width = 160;
  tiff.Height = 120;
  tiff.Sample = [](int x, int y, int s) {
    uint8_t p[3];
    DullPixel(x, y, p);
    return uint32_t(p[s]);
  };
  const std::string tiffPath = dir_.File("tuned.tif");
  ASSERT_TRUE(test::WriteTiff(tiffPath, tiff));
  const std::string jpegPath = WriteJpeg({}, "tuned.jpg");
  BitmapPtr reference;
  for (const std::string& path : {pngPath, tiffPath, jpegPath}) {
    SCOPED_TRACE(path);
    ImageObject image = Header(path);
    image.ImageSrcManagementMode = 0;
    image.ColorTuneMode = 1;
    const LSize request = {80, 60};
    int message = 0;
    BitmapPtr tuned = DecodeImagePixels(image, kMatchNone, &request, nullptr, nullptr, message);
    ASSERT_TRUE(tuned) << message;
    image.ColorTuneMode = 0;
    BitmapPtr plain = DecodeImagePixels(image, kMatchNone, &request, nullptr, nullptr, message);
    ASSERT_TRUE(plain);
    EXPECT_NE(std::memcmp(tuned->Pixels.get(), plain->Pixels.get(), plain->ByteSize()), 0);
    // PNG and TIFF carry the same pixels: their tuned rows agree exactly.
    if (path != jpegPath) {
      if (!reference) reference = std::move(tuned);
      else EXPECT_EQ(std::memcmp(tuned->Pixels.get(), reference->Pixels.get(), reference->ByteSize()), 0);
    }
  }

  // The preview call writes the tuned picture, turned as shown, into the preview.
  ImageObject image = Header(pngPath);
  image.ImageSrcManagementMode = 0;
  image.ColorTuneMode = 1;
  image.RotateFlip = kRotate90;
  BitmapPtr preview = OffscreenBitmapNew(45, 60);
  ASSERT_TRUE(preview);
  ASSERT_TRUE(matcher_.ProcessPreview(image, *preview));
  const LSize shown = {45, 60};
  int message = 0;
  BitmapPtr decoded = DecodeImagePixels(image, kMatchNone, &shown, nullptr, nullptr, message);
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->Width, 45);
  ASSERT_EQ(decoded->Height, 60);
  // The same correction: the preview call analyses every pixel (print
  // quality), the screen decode every other one, so they differ by a few
  // levels at most.
  int worst = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 45; ++x)
      for (int c = 0; c < 3; ++c)
        worst = std::max(worst, std::abs(int(preview->Row(y)[x * 4 + c]) - int(decoded->Row(y)[x * 4 + c])));
  EXPECT_LE(worst, 4);
  image.ImagePath = dir_.File("gone.png");
  EXPECT_FALSE(matcher_.ProcessPreview(image, *preview));
}

}  // namespace
}  // namespace tl
