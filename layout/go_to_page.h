// The "Specified Page" dialog without its widgets: the page to show,
// typed from 1, and the page count beside it.
#pragma once

#include <cstdint>
#include <string>

namespace tl {

constexpr int32_t kMaxSpecifiedPage = 32000;  // what the edit takes

struct SpecifiedPageValues {
  std::string Page;       // the view's current page + 1
  int32_t PageCount = 1;  // PageNumber
  int32_t Opened = 0;     // the current page (from 0) when the dialog opened
};

SpecifiedPageValues OpenSpecifiedPage(int32_t currentPage, int32_t pageCount);

// "/ %d Page" with the page count.
std::string PageCountText(int32_t pageCount);

// OK: the page to show, counted from 0. A page below 1 puts 1 back into
// the edit, one above the count the count, a text that is no number the
// page shown; each with the error beep and false.
bool ApplySpecifiedPage(SpecifiedPageValues& values, int32_t& page);

}  // namespace tl
