#include "color/output_color_settings.h"

#include <algorithm>

#include "color/profile_roles.h"
#include "document/layout_document.h"

namespace tl {
namespace {

int Find(const ProfileList& list, std::string_view name) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].FileName == name) return int(i);
  return -1;
}

const ProfileListEntry* EntryAt(const ProfileList& list, int position) {
  return position >= 0 && size_t(position) < list.size() ? &list[size_t(position)] : nullptr;
}

}  // namespace

int ProfileListPosition(const ProfileList& list, std::string_view name, std::string_view fallback) {
  int position = Find(list, name);
  if (position < 0) position = Find(list, fallback);
  return std::max(position, 0);
}

OutputColorChoice InitialOutputColorChoice(const LayoutDocument& document, const ProfileLists& lists) {
  OutputColorChoice choice;
  choice.MonitorPosition =
      ProfileListPosition(lists.Monitor, document.OutputMonitorProfile, DefaultProfileName(kRoleMonitor));
  choice.ByApplication = document.OutputPrinterControls == kByApplication;
  // The stored position names the entry; the recommended entry carries the
  // document's own name, so position 0 stands as it is.
  const int stored = document.OutputPrinterProfileState;
  choice.KeptPrinterPosition = EntryAt(lists.Printer, stored) ? stored : 0;
  choice.PrinterPosition = choice.ByApplication ? choice.KeptPrinterPosition : 0;
  return choice;
}

void ChooseOutputMode(OutputColorChoice& choice, bool byApplication) {
  if (byApplication == choice.ByApplication) return;
  if (!byApplication) choice.KeptPrinterPosition = choice.PrinterPosition;
  choice.ByApplication = byApplication;
  choice.PrinterPosition = byApplication ? choice.KeptPrinterPosition : 0;
}

void ConfirmOutputColorChoice(LayoutDocument& document, const ProfileLists& lists, const OutputColorChoice& choice) {
  if (const ProfileListEntry* monitor = EntryAt(lists.Monitor, choice.MonitorPosition)) {
    document.OutputMonitorProfileState = int16_t(choice.MonitorPosition + 1);
    document.OutputMonitorProfile = monitor->FileName;
  }
  document.OutputPrinterControls = choice.ByApplication ? kByApplication : kByPrinterDriver;
  const int printer = choice.ByApplication ? choice.PrinterPosition : 0;
  if (const ProfileListEntry* entry = EntryAt(lists.Printer, printer)) {
    document.OutputPrinterProfileState = int16_t(printer);
    document.OutputPrinterProfile = entry->FileName;
  }
  for (LayoutObject* object : document.Objects)
    if (ImageObject* image = AsImage(object)) image->NeedsRedraw = 1;
  document.Modified = 1;
}

}  // namespace tl
