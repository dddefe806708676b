// What the dialogs read from their fields: only whole numbers are taken,
// lengths go through the unit conversions and come back unchanged.
#include <gtest/gtest.h>

#include <climits>

#include "document/typed_number.h"
#include "layout/typed_length.h"
#include "layout/units.h"

namespace tl {
namespace {

TEST(TypedNumber, TakesOnlyWholeNumbers) {
  struct Case {
    const char* text;
    bool integer;
    bool fraction;
  } cases[] = {
      {"12", true, true},    {" 12\t", true, true}, {"-3", true, true},   {"1.5", false, true},
      {".5", false, true},   {"5.", false, true},   {"", false, false},   {" ", false, false},
      {"-", false, false},   {".", false, false},   {"abc", false, false}, {"12abc", false, false},
      {"1-2", false, false}, {"--1", false, false}, {"1.2.3", false, false}, {"1,5", false, false},
      {"+4", false, false},  {"1 2", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsTypedNumber(c.text, false), c.integer) << '"' << c.text << '"';
    EXPECT_EQ(IsTypedNumber(c.text, true), c.fraction) << '"' << c.text << '"';
  }
}

TEST(TypedNumber, ReadsIntegersAndTenthsSaturatingHugeValues) {
  int32_t v = 7;
  EXPECT_TRUE(ReadTypedInteger("-42", v));
  EXPECT_EQ(v, -42);
  EXPECT_TRUE(ReadTypedInteger("99999999999999999999", v));
  EXPECT_EQ(v, INT32_MAX);
  EXPECT_TRUE(ReadTypedInteger("-99999999999999999999", v));
  EXPECT_EQ(v, -INT32_MAX);
  v = 7;
  EXPECT_FALSE(ReadTypedInteger("4x", v));
  EXPECT_EQ(v, 7) << "a refused text leaves the value alone";

  struct Case {
    const char* text;
    int32_t tenths;
  } tenths[] = {{"100", 1000}, {"12.5", 125}, {"12.59", 125}, {"0.05", 0}, {"-1.5", -15}, {".5", 5}, {"3.", 30}};
  for (const Case& c : tenths) {
    ASSERT_TRUE(ReadTypedTenths(c.text, v)) << c.text;
    EXPECT_EQ(v, c.tenths) << c.text;
  }
  EXPECT_TRUE(ReadTypedTenths("123456789012.5", v));
  EXPECT_EQ(v, INT32_MAX);
  EXPECT_FALSE(ReadTypedTenths("1e3", v));
  EXPECT_EQ(TenthsText(1000), "100");
  EXPECT_EQ(TenthsText(125), "12.5");
  EXPECT_EQ(TenthsText(-15), "-1.5");
}

TEST(TypedLength, ReadsTheUnitsOfTheUnitBox) {
  int32_t v = 0;
  EXPECT_TRUE(ReadTypedLength("210", kUnitMillimetre, v));
  EXPECT_EQ(v, 2976);
  EXPECT_TRUE(ReadTypedLength("8.5", kUnitInch, v));
  EXPECT_EQ(v, 3060);
  EXPECT_TRUE(ReadTypedLength("-4.9", kUnitMillimetre, v));
  EXPECT_EQ(v, -69);
  EXPECT_FALSE(ReadTypedLength("2l0", kUnitMillimetre, v));
  EXPECT_FALSE(ReadTypedLength("", kUnitInch, v));
  EXPECT_TRUE(ReadTypedLength("999999999999999", kUnitInch, v));
  EXPECT_EQ(v, INT32_MAX) << "a huge length saturates, so a range check refuses it";

  EXPECT_EQ(LengthUnitOfEntry(0), kUnitMillimetre);
  EXPECT_EQ(LengthUnitOfEntry(1), kUnitInch);
  EXPECT_EQ(EntryOfLengthUnit(kUnitInch), 1);
  EXPECT_EQ(DialogUnitFor(1), kUnitMillimetre);
  EXPECT_EQ(DialogUnitFor(2), kUnitInch);
  EXPECT_EQ(DialogUnitFor(0), kUnitInch);
}

// A dialog opened and closed without a change must give every length back.
TEST(TypedLength, EveryLengthComesBackUnchangedInBothUnits) {
  for (int unit : {int(kUnitMillimetre), int(kUnitInch)})
    for (int32_t length = -2000; length <= 40000; ++length) {
      int32_t back = 0;
      ASSERT_TRUE(ReadTypedLength(LengthText(length, unit), unit, back)) << length;
      ASSERT_EQ(back, length) << LengthText(length, unit) << " in unit " << unit;
    }
}

TEST(TypedLength, ChangingTheUnitShowsTheSameLength) {
  EXPECT_EQ(ConvertLengthText("210", kUnitMillimetre, kUnitInch), "8.267");
  EXPECT_EQ(ConvertLengthText("1", kUnitInch, kUnitMillimetre), "25.40");
  EXPECT_EQ(ConvertLengthText("1", kUnitInch, kUnitMillimetre), LengthText(360, kUnitMillimetre));
  EXPECT_EQ(ConvertLengthText("abc", kUnitInch, kUnitMillimetre), "abc") << "a text that is no number stays";
  EXPECT_EQ(ConvertLengthText("12.3", kUnitInch, kUnitInch), "12.3");
}

}  // namespace
}  // namespace tl
