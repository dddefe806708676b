#include "imaging/quicktime_alert.h"

#include "imaging/import_extensions.h"

namespace tl {

int QuickTimeStartupAlert(int hideFlags) {
  if ((hideFlags & kHideMissingAlert) && (hideFlags & kHideOldAlert)) return 0;
  if (!QuickTimeAvailable()) return (hideFlags & kHideMissingAlert) ? 0 : kMissingImporterMessage;
  if (QuickTimeVersion() >= kQuickTimeAlphaVersion || (hideFlags & kHideOldAlert)) return 0;
  return kOldImporterMessage;
}

int QuickTimeAlertFlagsAfterYes(int hideFlags, bool ticked) {
  if (!ticked) return hideFlags;
  return hideFlags | (QuickTimeAvailable() ? kHideOldAlert : kHideMissingAlert);
}

}  // namespace tl
