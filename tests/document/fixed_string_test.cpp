#include "document/fixed_string.h"

#include <gtest/gtest.h>

#include <string>

namespace tl {
namespace {

TEST(FixedString, KeepsShortTextsAndCutsLongOnesToTheLimit) {
  FontNameField name("DejaVu Sans");
  EXPECT_EQ(name, "DejaVu Sans");
  name = std::string(40, 'x');
  EXPECT_EQ(name.size(), 31u);
}

TEST(FixedString, NeverCutsInsideAUtf8Sequence) {
  // 30 ASCII bytes then a two-byte "é": the cut at 31 would split it.
  const std::string text = std::string(30, 'a') + "\xC3\xA9" + "z";
  FontNameField name(text);
  EXPECT_EQ(name.view(), std::string(30, 'a'));
  // A three-byte character that ends exactly at the limit is kept.
  const std::string euro = std::string(28, 'b') + "\xE2\x82\xAC";
  EXPECT_EQ(FontNameField(euro).view(), euro);
}

}  // namespace
}  // namespace tl
