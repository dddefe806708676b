#include "print/print_device.h"

#include "document/layout_document.h"
#include "print/driver_items.h"

namespace tl {
namespace {

constexpr int kHundredthsPerTenth = 10;

std::string Hundredths(int32_t tenths) { return std::to_string(int64_t(tenths) * kHundredthsPerTenth); }

const char* ColorModeOfInk(int32_t ink) {
  if (ink == kInkBlack) return "monochrome";
  if (ink == kInkDuotint) return "process-monochrome";
  return "color";
}

// media-col: the size (a roll sheet as the document's paper), the margins
// of the printable area chosen, the source and the media type.
std::string MediaCollection(const DriverExtension& x, const CapabilityPaper& paper, const LayoutDocument& d) {
  const bool roll = x.State.SourceId == kSourceRoll;
  const int32_t width = roll && d.PaperWidth > 0 ? d.PaperWidth : paper.Width;
  const int32_t length = roll && d.PaperLength > 0 ? d.PaperLength : paper.Length;
  const PaperMargins& m = x.State.PrintableArea ? paper.Maximum : paper.Standard;
  std::string col = "{media-size={x-dimension=" + Hundredths(width) + " y-dimension=" + Hundredths(length) + "}";
  col += " media-left-margin=" + Hundredths(m.Left) + " media-top-margin=" + Hundredths(m.Top);
  col += " media-right-margin=" + Hundredths(m.Right) + " media-bottom-margin=" + Hundredths(m.Bottom);
  if (const CapabilityChoice* source = FindChoice(x.Caps.Sources, x.State.SourceId))
    col += " media-source=" + source->Keyword;
  if (const CapabilityChoice* type = FindChoice(x.Caps.MediaTypes, x.State.MediaTypeId))
    col += " media-type=" + type->Keyword;
  return col + "}";
}

}  // namespace

PrintDevicePtr ExtensionCreateDC(const DriverExtension& x, const LayoutDocument& d) {
  const CapabilityPaper* paper = FindPaper(x.Caps, x.State.PaperId);
  if (!paper) return nullptr;
  auto device = std::make_unique<PrintDevice>();
  device->PrinterName = x.PrinterName;
  device->PdfFile = x.PdfFile;
  device->AcceptsPdf = x.Caps.AcceptsPdf;
  auto& options = device->Options;
  options.emplace_back("media-col", MediaCollection(x, *paper, d));
  options.emplace_back("orientation-requested", x.State.Orientation == 2 ? "4" : "3");
  const std::string mode = ColorModeOfInk(x.State.Ink);
  if (OffersColorMode(x.Caps, mode)) options.emplace_back("print-color-mode", mode);
  const int32_t quality = QualityOfPrintMode(x.State.PrintMode);
  for (const int32_t offered : x.Caps.Qualities)
    if (offered == quality) options.emplace_back("print-quality", std::to_string(quality));
  options.emplace_back("copies", "1");
  // Pixels the program has matched for the printer must not be matched
  // again. The driver's colour adjustment cannot tell: capture-matching
  // printing sets it whoever matches the output colours.
  if (d.OutputPrinterControls == kByApplication) options.emplace_back("cm-calibration", "true");
  return device;
}

std::string DeviceOption(const PrintDevice& device, const std::string& name) {
  for (const auto& [key, value] : device.Options)
    if (key == name) return value;
  return {};
}

}  // namespace tl
