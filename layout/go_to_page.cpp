#include "layout/go_to_page.h"

#include <algorithm>

#include "document/message_box.h"
#include "document/typed_number.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kPageCountString = 10146;  // "/ %d Page"

}  // namespace

SpecifiedPageValues OpenSpecifiedPage(int32_t currentPage, int32_t pageCount) {
  SpecifiedPageValues v;
  v.Opened = currentPage;
  v.PageCount = std::max(1, pageCount);
  v.Page = std::to_string(currentPage + 1);
  return v;
}

std::string PageCountText(int32_t pageCount) {
  std::string text(StringText(kPageCountString));
  if (const size_t at = text.find("%d"); at != std::string::npos) text.replace(at, 2, std::to_string(pageCount));
  return text;
}

bool ApplySpecifiedPage(SpecifiedPageValues& v, int32_t& page) {
  int32_t typed = 0;
  if (ReadTypedInteger(v.Page, typed) && typed >= 1 && typed <= v.PageCount) {
    page = typed - 1;
    return true;
  }
  if (!ReadTypedInteger(v.Page, typed)) v.Page = std::to_string(v.Opened + 1);
  else v.Page = std::to_string(typed < 1 ? 1 : v.PageCount);
  ErrorBeep();
  return false;
}

}  // namespace tl
