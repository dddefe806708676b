// The output colour settings of a document as the Output Color Management
// dialog shows and stores them: the monitor profile, the output mode (by
// application or by the printer driver) and the printer profile, chosen
// from the lists of ListProfiles(ProfileListSet::Output).
#pragma once

#include <string_view>

#include "color/profile_list.h"

namespace tl {

struct LayoutDocument;

struct OutputColorChoice {
  int MonitorPosition = 0;
  bool ByApplication = false;
  int PrinterPosition = 0;  // 0: "Recommended by ORVEX"
  int KeptPrinterPosition = 0;  // the application's choice while the driver matches
};

// "by Application" and "by Printer Driver": while the driver matches, the
// printer list shows its first entry (and is disabled) and the position
// chosen before is kept for a return to "by Application".
void ChooseOutputMode(OutputColorChoice& choice, bool byApplication);

// The list position of `name` (file names compared exactly); else that of
// `fallback`; else 0.
int ProfileListPosition(const ProfileList& list, std::string_view name, std::string_view fallback);

// What the dialog shows first: the document's monitor and printer profiles
// in the lists, the printer list at its first entry when the printer driver
// matches colours.
OutputColorChoice InitialOutputColorChoice(const LayoutDocument& document, const ProfileLists& lists);

// OK: the monitor profile's state is its position + 1, the printer
// profile's state its position (the first entry when the printer driver
// matches colours), each with the entry's file name; every image is
// redrawn.
void ConfirmOutputColorChoice(LayoutDocument& document, const ProfileLists& lists, const OutputColorChoice& choice);

}  // namespace tl
