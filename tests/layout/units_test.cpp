#include "layout/units.h"

#include <gtest/gtest.h>

#include <string>

#include "document/layout_document.h"

namespace tl {
namespace {

TEST(UnitToLayout, ConvertsTypedLengths) {
  struct Case {
    const char* text;
    int unit;
    int32_t expected;
  } cases[] = {
      {"210", kUnitMillimetre, 2976},
      {"297", kUnitMillimetre, 4209},
      {"8.5", kUnitInch, 3060},
      {"-4.9", kUnitMillimetre, -69},
      {"0.00005", kUnitMillimetre, 0},    // the fifth fraction digit is ignored
      {"0.00009", kUnitInch, 0},
      {"1.0001", kUnitInch, 360},         // 360.036
      {"2.54", kUnitCentimetre, 360},
      {"-2.54", kUnitCentimetre, -360},
      {"0.5", kUnitPixels, 1},            // the number itself, half away from zero
      {"-0.5", kUnitPixels, -1},
      {"-0.4", kUnitPixels, 0},
      {"12.7", kUnitPoint, 13},
      {"1", kUnitInch, 360},
      {"0.0353", kUnitMillimetre, 1},     // 0.5003 units
      {"0.03528", kUnitMillimetre, 0},    // fifth digit dropped: 0.0352 mm = 0.4989
      {"0.0706", kUnitMillimetre, 1},     // 1.0006
      {"", kUnitMillimetre, 0},
      {"abc", kUnitInch, 0},
      {"5mm", kUnitMillimetre, 71},       // reading stops at the first non-digit
  };
  for (const Case& c : cases) EXPECT_EQ(UnitToLayout(c.text, c.unit), c.expected) << c.text << " in unit " << c.unit;
}

TEST(UnitToLayout, RoundsHalvesAwayFromZero) {
  // 1/360 inch is 0.0705555 mm: 0.03528 mm is just under half a unit, 0.0353 above it.
  EXPECT_EQ(UnitToLayout("0.0353", kUnitInch), 13);  // 12.708
  // Exactly half a layout unit in inches: 1/720 inch = 0.00138889; 0.0014 is above.
  EXPECT_EQ(UnitToLayout("0.0014", kUnitInch), 1);
  EXPECT_EQ(UnitToLayout("-0.0014", kUnitInch), -1);
  EXPECT_EQ(UnitToLayout("0.0013", kUnitInch), 0);
}

TEST(UnitToLayout, HugeNumbersDoNotOverflow) {
  EXPECT_GT(UnitToLayout("99999999999999999999999", kUnitInch), 0);
  EXPECT_LT(UnitToLayout("-99999999999999999999999", kUnitInch), 0);
}

TEST(LayoutToUnitText, FormatsLengthsWithTheUnitsDecimals) {
  struct Case {
    int32_t value;
    int unit;
    int32_t unitsPerInch;
    const char* expected;
  } cases[] = {
      {2976, kUnitMillimetre, 360, "209.97"},
      {4209, kUnitMillimetre, 360, "296.97"},
      {3060, kUnitInch, 360, "8.500"},
      {45, kUnitInch, 360, "0.125"},
      {-70, kUnitMillimetre, 360, "-4.94"},
      {360, kUnitInch, 360, "1"},            // a zero fraction prints no point
      {0, kUnitMillimetre, 360, "0"},
      {15, kUnitMillimetre, 360, "1.06"},
      {29, kUnitMillimetre, 360, "2.05"},    // 205 hundredths: one leading zero
      {1, kUnitMillimetre, 360, "0.07"},
      {360, kUnitCentimetre, 360, "2.54"},
      {360, -kUnitCentimetre, 360, "2.54"},
      {36, kUnitInchHundredths, 360, "0.10"},
      {360, kUnitTenthMillimetre, 360, "25.4"},
      {1, kUnitTenthMillimetre, 360, "0.1"},
      {300, kUnitMillimetre, 300, "25.40"},  // a resolution of 300 per inch
      {1234, kUnitPixels, 360, "1234"},
      {-1234, kUnitPercent, 360, "-1234"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LayoutToUnitText(c.value, c.unit, c.unitsPerInch), c.expected) << c.value << " in unit " << c.unit;
}

TEST(TenthMillimetres, AgreeWithTheTypedMillimetreConversion) {
  for (int32_t tenths = -3000; tenths <= 160000; tenths += 7) {
    const std::string text = std::to_string(tenths / 10) + "." + std::to_string(std::abs(tenths % 10));
    const std::string signedText = (tenths < 0 && tenths > -10) ? "-" + text : text;
    ASSERT_EQ(TenthMillimetresToLayout(tenths), UnitToLayout(signedText, kUnitMillimetre)) << signedText;
  }
}

TEST(UnitName, ComesFromTheStringTable) {
  EXPECT_EQ(UnitName(kUnitMillimetre), "mm");
  EXPECT_EQ(UnitName(kUnitInch), "inch");
  EXPECT_EQ(UnitName(kUnitPixelsPerInch), "pixels/inch");
}

}  // namespace
}  // namespace tl
