#include "print/print_job.h"

#include <lcms2.h>

#include <algorithm>
#include <cmath>

#include "color/monitor_profile.h"
#include "color/profile_places.h"
#include "color/profile_roles.h"
#include "document/layout_document.h"
#include "document/message_box.h"
#include "document/view_link.h"
#include "layout/page_geometry.h"
#include "document/object_geometry.h"
#include "print/driver_items.h"

namespace tl {
namespace {

constexpr int kLayoutExceedsPrintable = 10426;
constexpr int kSetColorManually = 40002;
constexpr int kCaptureMatchingMayFail = 40003;
constexpr int16_t kA4Source = 4;

// A paper never chosen is A4 portrait, fed by hand.
void FallBackToA4(LayoutDocument& d) {
  if (d.PaperSizeID != 0) return;
  ApplyPaperIdFallback(d);
  d.PaperSourceID = kA4Source;
}

bool AcrossBanner(const LayoutDocument& d) { return d.Banner && d.Orientation == kLandscape; }

// The printable length of one sheet along the banner, layout units.
int32_t SheetPrintableLength(const LayoutDocument& d, const LRect& margins) {
  const int32_t sheet = TenthMillimetresToLayout(d.PaperLength);
  return sheet - (AcrossBanner(d) ? margins.left + margins.right : margins.top + margins.bottom);
}

// The margins along a banner are 0 when it asks for the maximum area.
LRect BannerMargins(const LayoutDocument& d, LRect margins) {
  if (!d.Banner || d.PrintableArea != 1) return margins;
  if (AcrossBanner(d)) {
    margins.left = margins.right = 0;
  } else {
    margins.top = margins.bottom = 0;
  }
  return margins;
}

int64_t FarthestObjectEdge(const LayoutDocument& d) {
  int64_t edge = 0;
  for (const LayoutObject* object : d.Objects) {
    const LRect r = ObjectArea(*object);
    edge = std::max<int64_t>(edge, AcrossBanner(d) ? r.right : r.bottom);
  }
  return edge;
}

bool ExceedsPrinterArea(const LayoutDocument& d, const LRect& area) {
  const LRect& p = d.PrintableRect;
  if (!d.Banner) return p.left < area.left || p.top < area.top || p.right > area.right || p.bottom > area.bottom;
  if (AcrossBanner(d)) return p.top < area.top || p.bottom > area.bottom || FarthestObjectEdge(d) > p.right;
  return p.left < area.left || p.right > area.right || FarthestObjectEdge(d) > p.bottom;
}

bool ApplyColorHandling(const LayoutDocument& d, DriverExtension& x) {
  ItemRecord ink;
  const auto setInkFlags = [&] {
    if (!ExtensionGetData(x, kItemInk, ink)) return false;
    ink.Fields[kInkSetFlag] = ink.Fields[kInkColorFlag] = 1;
    return ExtensionSetData(x, kItemInk, ink);
  };
  switch (d.OutputPrinterControls) {
    case kByApplication: return setInkFlags() && ExtensionSetValue(x, kItemColorAdjust, kAdjustByApplication);
    case kByMonitorSimulation: {
      ItemRecord management;
      if (!ExtensionGetData(x, kItemColorManagement, management)) return false;
      management.Fields[kManagementMode] = kManagementByDriver;
      return ExtensionSetData(x, kItemColorManagement, management);
    }
    case kByPrinterDriver: return setInkFlags();
    default: return true;
  }
}

bool ApplyPaperSource(const LayoutDocument& d, DriverExtension& x) {
  if (!d.Banner) {
    ExtensionSetValue(x, kItemPaperSource, d.PaperSourceID);  // a source the printer lacks leaves its own
    return true;
  }
  if (RefuseBannerMode(x) || !ExtensionSetValue(x, kItemPaperSource, kSourceRoll)) return false;
  ItemRecord flags;
  ExtensionGetData(x, kItemBannerFlags, flags);
  flags.Fields[kRecordValue] = (flags.Fields[kRecordValue] & kBannerKeptFlags) | kBannerFlags;
  return ExtensionSetData(x, kItemBannerFlags, flags);
}

bool PrintsCaptureMatchedImages(const LayoutDocument& d) {
  if (!d.InputSrcUseVdx) return false;
  for (const LayoutObject* object : d.Objects)
    if (const ImageObject* image = AsImage(object); image && image->CaptureMatchingLevel != 0) return true;
  return false;
}

bool CheckCaptureMatching(const LayoutDocument& d, DriverExtension& x) {
  if (!PrintsCaptureMatchedImages(d)) return true;
  std::vector<int32_t> modes;
  ItemRecord ink;
  const bool offered = ExtensionGetRange(x, kItemColorAdjust, modes) &&
                       std::ranges::count(modes, kAdjustCaptureMatching) && ExtensionGetData(x, kItemInk, ink) &&
                       ink.Fields[kInkCode] == kInkColor;
  if (offered && ExtensionSetValue(x, kItemColorAdjust, kAdjustCaptureMatching)) return true;
  return ShowMessage(kCaptureMatchingMayFail, MessageIcon::Exclamation, MessageButtons::OkCancel) == MessageAnswer::Ok;
}

int32_t GamutOfIntent(uint32_t intent) {
  switch (intent) {
    case INTENT_PERCEPTUAL: return kGamutImages;
    case INTENT_RELATIVE_COLORIMETRIC: return kGamutGraphics;
    case INTENT_SATURATION: return kGamutBusiness;
    default: return kGamutAbsoluteColorimetric;
  }
}

std::string OutputProfilePath(const LayoutDocument& d) {
  switch (d.OutputPrinterControls) {
    case kByApplication: return ResolveProfileName(d.OutputPrinterProfile);
    case kByMonitorSimulation: return ResolveProfileName(FindMonitorProfile());
    case kByPrinterDriver: return WorkingRgbProfilePath();
    default: return {};
  }
}

}  // namespace

int32_t BannerSheetCount(const LayoutDocument& d, int32_t sheetLength) {
  if (sheetLength <= 0) return 1;
  const int64_t length = AcrossBanner(d) ? d.PageWidth : d.PageHeight;
  return int32_t(std::max<int64_t>(1, (length + sheetLength - 1) / sheetLength));
}

bool PreparePrintJob(LayoutDocument& d, PrinterSettings& settings, PrintJob& job) {
  if (!settings.Extension) return false;
  DriverExtension& x = *settings.Extension;
  FallBackToA4(d);
  ApplyDocumentSettings(d, x);
  TakeRecommendedProfile(d, settings);

  LRect margins{};
  if (!ReadPrintableMargins(x, margins)) return false;
  margins = BannerMargins(d, margins);
  job.FirstPage = 1;
  job.LastPage = std::max<int32_t>(1, d.PageNumber);
  if (d.Banner) {
    // Counted for this job only; the document keeps its own values.
    const int32_t sheet = SheetPrintableLength(d, margins);
    job.LastPage = BannerSheetCount(d, sheet);
  }
  job.PrinterArea = {margins.left, margins.top, d.PageWidth - margins.right, d.PageHeight - margins.bottom};
  if (ExceedsPrinterArea(d, job.PrinterArea)) ShowMessage(kLayoutExceedsPrintable, MessageIcon::Exclamation);

  if (!ApplyColorHandling(d, x)) ShowMessage(kSetColorManually, MessageIcon::Exclamation);
  if (!ApplyPaperSource(d, x)) return false;
  if (!CheckCaptureMatching(d, x)) return false;
  job.Device = ExtensionCreateDC(x, d);
  return job.Device != nullptr;
}

void BeginPrintJob(LayoutDocument& d, PrintJob& job) {
  job.SavedPage = d.View ? d.View->CurrentPage() : 0;
  job.ReplacedColorSpace = job.Device->ColorSpace;
  const std::string path = OutputProfilePath(d);
  if (path.empty()) return;
  const ProfilePtr profile = OpenProfileByName(path);
  if (!profile) return;
  job.Device->ColorSpace = {path, GamutOfIntent(cmsGetHeaderRenderingIntent(profile.get()))};
}

void ShowPrintingPage(LayoutDocument& d, int32_t pageNumber) {
  if (d.View) d.View->SetCurrentPage(pageNumber - 1);
}

void EndPrintJob(LayoutDocument& d, PrintJob& job) {
  if (job.Device) job.Device->ColorSpace = job.ReplacedColorSpace;
  if (d.View) d.View->SetCurrentPage(job.SavedPage);
}

}  // namespace tl
