// The printer's colour profile, asked of the print settings through a small
// interface that the printing layer implements (it knows the current
// printer and what its driver reports).
#pragma once

#include <string>

namespace tl {

class PrinterProfileQuery {
 public:
  virtual ~PrinterProfileQuery() = default;
  // The ICC profile file of the current printer; false when it has none.
  virtual bool CurrentPrinterProfile(std::string& path) const = 0;
};

// The current printer's profile name (the bare file name when the colour
// folders find it by that name, else its path); false when the printer
// reports none. The caller keeps it as the printer profile choice.
bool FindPrinterProfile(const PrinterProfileQuery& printer, std::string& name);

}  // namespace tl
