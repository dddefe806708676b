// PaperList: the papers a printer driver offers. The printing layer answers
// it from the printer; the built-in list answers from the paper table when
// no printer is at hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tl {

struct DriverPaper {
  int16_t Id = 0;
  int32_t Width = 0;   // short side, 0.1 mm
  int32_t Length = 0;  // long side, 0.1 mm
  std::string Name;
};

class PaperList {
 public:
  virtual ~PaperList() = default;
  virtual std::vector<DriverPaper> Papers() const = 0;
  // The largest paper the printer takes, in 0.1 mm; false when unknown.
  virtual bool LargestPaper(int32_t& width, int32_t& length) const = 0;
};

// The 21 papers of the paper table with their built-in sizes.
const PaperList& BuiltInPaperList();

}  // namespace tl
