// PrintInformation: what the print information line of a header or footer
// tells about the print settings. The printer layer fills it in; without
// it the line stays empty.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tl {

struct PrintMediaType {
  int32_t Id = 0;
  std::string Name;
};

struct PrintInformation {
  std::string PrinterName;
  // The printer's media list; empty when the printer gives none.
  std::vector<PrintMediaType> MediaTypes;
};

}  // namespace tl
