#include "resources/string_table.h"

#include <gtest/gtest.h>

namespace tl {
namespace {

TEST(StringTable, FindsTextsByIdKeepingTheirLineBreaks) {
  EXPECT_EQ(StringText(10413), "Not enough memory.");
  EXPECT_EQ(StringText(10606), "Tahoma");
  EXPECT_EQ(StringText(10424), "Auto alignment discards the current \n\rimage positions. Continue?");
  EXPECT_EQ(StringText(10607), "Show Image Information\tShift+Ctrl+I");
  EXPECT_EQ(StringText(10221), "User Defined ( %s x %s %s )");
}

TEST(StringTable, UnknownIdsGiveEmptyText) {
  EXPECT_TRUE(StringText(0).empty());
  EXPECT_TRUE(StringText(10402).empty());
  EXPECT_TRUE(StringText(99999).empty());
  EXPECT_TRUE(StringCopy(-1).empty());
}

}  // namespace
}  // namespace tl
