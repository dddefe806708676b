// PrintDevice: where a print job goes and with which job attributes, made
// from the driver's current settings and the document's paper. For CUPS
// destinations the attributes are the IPP job template attributes sent
// with the job; the "PDF file" destination writes to a file instead.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "print/driver_extension.h"

namespace tl {

struct LayoutDocument;

// The colour space selected into the device for a job.
struct DeviceColorSpace {
  std::string ProfilePath;  // empty: none selected
  int32_t Intent = 0;       // one of the kGamut values
};
// Gamut-mapping intents of a device colour space.
constexpr int32_t kGamutBusiness = 1;
constexpr int32_t kGamutGraphics = 2;
constexpr int32_t kGamutImages = 4;
constexpr int32_t kGamutAbsoluteColorimetric = 8;

struct PrintDevice {
  std::string PrinterName;
  bool PdfFile = false;
  std::string OutputPath;  // the PDF file destination's file
  bool AcceptsPdf = true;
  std::vector<std::pair<std::string, std::string>> Options;
  DeviceColorSpace ColorSpace;
};
using PrintDevicePtr = std::unique_ptr<PrintDevice>;

// The device for a job with the driver's settings; null without a paper.
PrintDevicePtr ExtensionCreateDC(const DriverExtension& extension, const LayoutDocument& document);

// The value of a job option; empty when the device does not set it.
std::string DeviceOption(const PrintDevice& device, const std::string& name);

}  // namespace tl
