#include "document/duplicate_count.h"

#include <algorithm>

#include "document/duplicate.h"
#include "document/message_box.h"
#include "document/typed_number.h"

namespace tl {

bool ReadDuplicateCount(DuplicateCountValues& v, int& count) {
  int32_t typed = 0;
  const bool number = ReadTypedInteger(v.Count, typed);
  if (number && typed >= 1 && typed <= kMaxDuplicateCount) {
    count = typed;
    return true;
  }
  v.Count = std::to_string(number ? std::clamp<int32_t>(typed, 1, kMaxDuplicateCount) : 1);
  ErrorBeep();
  return false;
}

}  // namespace tl
