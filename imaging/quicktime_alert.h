// The start-up warning about the extended-formats importer: shown when the
// importer is missing or too old for transparency, unless the user asked
// not to see it again (the preference "hideQTAlert": bit 0 for a missing
// importer, bit 1 for one older than 6.0).
#pragma once

namespace tl {

enum QuickTimeAlertBits : int {
  kHideMissingAlert = 1,
  kHideOldAlert = 2,
};

inline constexpr int kMissingImporterMessage = 10446;
inline constexpr int kOldImporterMessage = 10447;

// The message of the warning the installed importer calls for (10446 or
// 10447), 0 when none is shown.
int QuickTimeStartupAlert(int hideFlags);

// The flags after "Yes" with "Don't display this dialog in the future."
// ticked (unchanged without the tick).
int QuickTimeAlertFlagsAfterYes(int hideFlags, bool ticked);

}  // namespace tl
