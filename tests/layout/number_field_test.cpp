// Typing into a number field: the keys it looks at, the text a keystroke
// leaves, and which texts it takes (0 to 32000, at most 9 characters).
#include "layout/number_field.h"

#include <gtest/gtest.h>

namespace tl {
namespace {

constexpr NumberFieldRange kField = {0, 32000, 9};

TEST(NumberField, KeysItLooksAt) {
  for (char key : std::string("0123456789.+- \b")) EXPECT_TRUE(NumberFieldKey(key)) << int(key);
  for (char key : std::string("aE,e\t/*")) EXPECT_FALSE(NumberFieldKey(key)) << key;
}

TEST(NumberField, TextAfterAKeystroke) {
  const struct {
    const char* text;
    size_t start, end;
    char key;
    const char* after;
  } cases[] = {
      {"12", 2, 2, '.', "12."},         {"12", 0, 0, '3', "312"},      {"12.5", 1, 3, '7', "175"},
      {"12.5", 4, 4, kBackspaceKey, "12."}, {"12.5", 0, 0, kBackspaceKey, "12.5"},
      {"12.5", 0, 4, kBackspaceKey, ""},    {"12", 9, 9, '0', "120"},  // a cursor past the end types at the end
  };
  for (const auto& c : cases) EXPECT_EQ(TextAfterKey(c.text, c.start, c.end, c.key), c.after) << c.text;
}

TEST(NumberField, TakesDecimalsInsideTheRangeOnly) {
  const struct {
    const char* text;
    bool taken;
  } cases[] = {
      {"", true},        {".", true},        {"12.5", true},      {"  7", true},   {"32000", true},
      {"32000.0", true}, {"0.0001", true},   {"12.5.", false},    {"1.2.3", false}, {"32000.01", false},
      {"40000", false},  {"-1", false},      {"-", false},        {"+5", false},   {"1 2", false},
      {"7 ", false},     {"000000001", true}, {"0000000001", false},  // nine characters at most
  };
  for (const auto& c : cases) EXPECT_EQ(NumberFieldAccepts(c.text, kField), c.taken) << '"' << c.text << '"';
}

TEST(NumberField, AMinusSignOnlyWhereNegativeValuesAreAllowed) {
  const NumberFieldRange signedField = {-100, 100, 9};
  EXPECT_TRUE(NumberFieldAccepts("-", signedField));
  EXPECT_TRUE(NumberFieldAccepts(" -99.5", signedField));
  EXPECT_FALSE(NumberFieldAccepts("-101", signedField));
  EXPECT_FALSE(NumberFieldAccepts("5-", signedField));
}

}  // namespace
}  // namespace tl
