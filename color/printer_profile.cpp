#include "color/printer_profile.h"

#include "color/profile_places.h"

namespace tl {

bool FindPrinterProfile(const PrinterProfileQuery& printer, std::string& name) {
  std::string path;
  if (!printer.CurrentPrinterProfile(path) || path.empty()) return false;
  name = IsProfilePath(path) ? ProfileNameForPath(path) : path;
  return true;
}

}  // namespace tl
