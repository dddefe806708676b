// The "Duplicate" dialog's number without its widgets: how many copies
// Duplicate(Number) makes of the selection.
#pragma once

#include <string>

namespace tl {

struct DuplicateCountValues {
  std::string Count = "1";
};

// OK: the number of copies, 1 ... kMaxDuplicateCount. A number outside is
// replaced in the edit by the nearest one allowed, a text that is no
// number by 1; each with the error beep and false.
bool ReadDuplicateCount(DuplicateCountValues& values, int& count);

}  // namespace tl
