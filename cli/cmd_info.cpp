// tessaline-cli info: reads image files the way a layout takes them in and
// prints, for each, the rows of the image information window; with --json
// the facts read from the file and its raw Exif values.
#include <cstdio>
#include <string>

#include "cli/cli_command.h"
#include "cli/json_writer.h"
#include "color/image_color_settings.h"
#include "cli/message_watch.h"
#include "document/layout_document.h"
#include "document/layout_object.h"
#include "document/message_box.h"
#include "imaging/format_image_item.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/preview.h"
#include "resources/string_table.h"

namespace tl::cli {
namespace {

constexpr int kCaptionWidth = 20;

// Rows shown: the filled ones, except the caption-less flash mode row when
// there is no mode to show.
bool Shown(const ImageObject& image, int row) {
  return InformationRowFilled(image, row) && (row != kItemFlashMode || !FormatImageItem(image, row).empty());
}

std::string Caption(int row) { return row < kItemFlashMode ? StringCopy(kInformationCaptionFirst + row) : ""; }

// Exif texts are meant to be ASCII; any byte that is not part of a valid
// UTF-8 sequence is shown as U+FFFD so that the output stays valid.
std::string Utf8Text(const std::string& in) {
  std::string out;
  for (size_t i = 0; i < in.size();) {
    const auto c = uint8_t(in[i]);
    const size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    bool valid = n > 0 && i + n <= in.size() && !(n == 2 && c < 0xC2);
    for (size_t k = 1; valid && k < n; ++k) valid = (uint8_t(in[i + k]) & 0xC0) == 0x80;
    if (valid) {
      out.append(in, i, n);
      i += n;
    } else {
      out += "\xEF\xBF\xBD";
      ++i;
    }
  }
  return out;
}

std::string Ratio(int64_t numerator, int64_t denominator) {
  return std::to_string(numerator) + "/" + std::to_string(denominator);
}

void PrintRows(const ImageObject& image) {
  std::printf("%s\n", image.ImagePath.c_str());
  for (int row = 0; row < kImageItemCount; ++row) {
    if (!Shown(image, row)) continue;
    std::printf("  %-*s : %s\n", kCaptionWidth, Caption(row).c_str(), FormatImageItem(image, row).c_str());
  }
}

void RawExifFields(const ExifFields& e, JsonWriter& json) {
  const uint32_t has = e.ExifPresence;
  auto number = [&](const char* key, int16_t value, uint32_t bit) {
    if (has & bit) json.Key(key).Int(uint16_t(value));
  };
  if (!e.Maker.empty()) json.Field("Make", Utf8Text(e.Maker));
  if (!e.Model.empty()) json.Field("Model", Utf8Text(e.Model));
  if (has & kExifHasVersion) json.Field("ExifVersion", Utf8Text(e.ExifVersion));
  if (!e.DateTimeOriginal.empty()) json.Field("DateTimeOriginal", Utf8Text(e.DateTimeOriginal));
  if (!e.DateTimeDigitized.empty()) json.Field("DateTimeDigitized", Utf8Text(e.DateTimeDigitized));
  number("Flash", e.Flash, kExifHasFlash);
  number("LightSource", e.LightSource, kExifHasLightSource);
  if (has & kExifHasExposureTime)
    json.Field("ExposureTime", Ratio(e.ExposureTimeNumerator, e.ExposureTimeDenominator));
  if (has & kExifHasExposureBias)
    json.Field("ExposureBiasValue", Ratio(e.ExposureBiasNumerator, e.ExposureBiasDenominator));
  if (has & kExifHasFNumber) json.Field("FNumber", Ratio(e.FNumberNumerator, e.FNumberDenominator));
  number("ISOSpeedRatings", e.IsoSpeed, kExifHasIsoSpeed);
  number("WhiteBalance", e.WhiteBalance, kExifHasWhiteBalance);
  number("ColorSpace", e.ColorSpace, kExifHasColorSpace);
  number("Contrast", e.Contrast, kExifHasContrast);
  number("Saturation", e.Saturation, kExifHasSaturation);
  if (e.Orientation != 0) json.Key("Orientation").Int(e.Orientation);
}

void PrintJson(const ImageObject& image) {
  const ImageDescBlock& desc = image.ImageDesc;
  JsonWriter json;
  json.BeginObject()
      .Field("path", Utf8Text(image.ImagePath))
      .Field("kind", FourCCText(image.FileKind))
      .Field("colorSpace", FourCCText(image.ColorSpace))
      .Field("width", int32_t(desc.Width()))
      .Field("height", int32_t(desc.Height()))
      .Field("xResolution", desc.HResolution())
      .Field("yResolution", desc.VResolution())
      .Field("bitsPerPixel", int32_t(image.BitsPerPixel))
      .Field("hasProfile", image.HasEmbeddedProfile != 0)
      .Field("captureLevel", int32_t(image.CaptureMatchingLevel))
      .Field("hasMask", image.PreviewMask != nullptr)
      .Field("exifPresence", int64_t(image.Exif.ExifPresence));
  RawExifFields(image.Exif, json);
  json.Key("rows").BeginObject();
  for (int row = 0; row < kImageItemCount; ++row)
    if (Shown(image, row)) json.Field(Caption(row), Utf8Text(FormatImageItem(image, row)));
  json.EndObject().EndObject();
  std::printf("%s\n", json.Text().c_str());
}

void PrintFailureJson(const std::string& path, const std::string& message) {
  JsonWriter json;
  json.BeginObject().Field("path", Utf8Text(path)).Field("error", message).EndObject();
  std::printf("%s\n", json.Text().c_str());
}

// Reads one file into a new image of `document`; false when it is not taken.
bool ReadImage(LayoutDocument& document, const std::string& path, MessageWatch& messages, bool json) {
  ImageObject* image = ImageObjectNew(nullptr, &document.Objects);
  if (!image) {
    ShowMessage(kMessageNotEnoughMemory, MessageIcon::Stop);
    return false;
  }
  image->Owner = &document;
  messages.Forget();
  bool taken = ReadImageHeader(*image, path);
  if (taken) {
    ApplyInputColorSettings(*image, document);
    BitmapPtr mask;
    BitmapPtr preview = MakePreview(*image, &mask);
    taken = preview != nullptr;
    image->Preview = std::move(preview);
    image->PreviewMask = std::move(mask);
  }
  if (!taken) {
    // Refusals such as CMYK images show nothing of their own.
    if (messages.Last().empty()) ShowMessage(kMessageNotSupported, MessageIcon::Stop);
    if (json) PrintFailureJson(path, messages.Last());
    return false;
  }
  if (json)
    PrintJson(*image);
  else
    PrintRows(*image);
  return true;
}

int RunInfo(std::vector<std::string> arguments) {
  const CliCommand& self = *FindCliCommand("info");
  CliArgs args(std::move(arguments));
  const bool json = args.Flag("--json");
  const std::vector<std::string> files = args.Operands();
  if (args.HasProblem()) return UsageError(self, args.Problem());
  if (files.empty()) return UsageError(self, "no image file given");

  DocumentPtr document(DocumentNew(nullptr, nullptr));
  if (!document) {
    std::fprintf(stderr, "%s\n", StringCopy(kMessageNotEnoughMemory).c_str());
    return kExitFailed;
  }
  MessageWatch messages;
  int status = kExitOk;
  for (const std::string& file : files)
    if (!ReadImage(*document, file, messages, json)) status = kExitFailed;
  return status;
}

}  // namespace

extern const CliCommand kInfoCommand = {
    "info",
    "read image files and show their facts and Exif data",
    "info [--json] FILE...",
    RunInfo,
};

}  // namespace tl::cli
