// The view's zoom: the Zoom In and Zoom Out ladders from any ratio, the
// limits that refuse a step, Fit On Screen, the scroll position carried
// across a zoom, and what the navigator bar's boxes read and show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/navigator_entries.h"
#include "render/view_zoom.h"

namespace tl::test {
namespace {

std::string Text(ZoomRatio z) { return std::to_string(z.Numerator) + ":" + std::to_string(z.Denominator); }

// A4 with a 16-pixel scroll bar: nothing but the ladder's ends limits it
// between 1 : 32 and 7 : 1 (4209 x 8 > 32767).
constexpr ZoomLimits kA4{2976, 4209, 16};

std::vector<std::string> Steps(ZoomRatio from, int count, bool in, const ZoomLimits& limits) {
  std::vector<std::string> seen;
  ZoomRatio z = from;
  for (int i = 0; i < count; ++i) {
    ZoomRatio next;
    if (!(in ? ZoomIn(limits, z, next) : ZoomOut(limits, z, next))) break;
    seen.push_back(Text(next));
    z = next;
  }
  return seen;
}

TEST(ViewZoom, LaddersFromOneToOne) {
  const ZoomLimits unlimited{100, 100, 1};
  EXPECT_EQ(Steps({1, 1}, 20, true, unlimited),
            (std::vector<std::string>{"2:1", "3:1", "4:1", "5:1", "6:1", "7:1", "8:1", "9:1", "10:1", "11:1", "12:1",
                                      "13:1", "14:1", "15:1", "16:1"}));
  EXPECT_EQ(Steps({1, 1}, 20, false, unlimited),
            (std::vector<std::string>{"2:3", "1:2", "1:3", "1:4", "1:6", "1:8", "1:12", "1:16", "1:24", "1:32"}));
  // And back up the same rungs.
  EXPECT_EQ(Steps({1, 32}, 20, true, unlimited).front(), "1:24");
  EXPECT_EQ(Steps({1, 8}, 5, true, unlimited),
            (std::vector<std::string>{"1:6", "1:4", "1:3", "1:2", "2:3"}));
}

TEST(ViewZoom, StepsFromRatiosOffTheLadder) {
  struct Case {
    ZoomRatio from;
    ZoomRatio in, out;
  } cases[] = {
      {{5, 2}, {3, 1}, {2, 1}},       // 2.5: up to the next whole, down to the whole below
      {{700, 1123}, {2, 3}, {1, 2}},  // a fitted zoom between 1 : 2 and 2 : 3
      {{9, 20}, {1, 2}, {1, 3}},      // just below 1 : 2
      {{1, 5}, {1, 4}, {1, 6}},
      {{1, 40}, {1, 32}, {1, 32}},    // below the ladder: out does not go up
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Text(ZoomInStep(c.from)), Text(c.in)) << Text(c.from);
    EXPECT_EQ(Text(ZoomOutStep(c.from)), Text(c.out)) << Text(c.from);
  }
  ZoomRatio next;
  EXPECT_FALSE(ZoomOut({100, 100, 1}, {1, 40}, next)) << "a step out that would zoom in is refused";
}

TEST(ViewZoom, LimitsRefuseSteps) {
  struct Case {
    const char* what;
    ZoomLimits limits;
    ZoomRatio from;
    bool in;
    bool allowed;
  } cases[] = {
      {"A4 at 7 : 1 cannot reach 8 : 1", kA4, {7, 1}, true, false},
      {"A4 reaches 7 : 1", kA4, {6, 1}, true, true},
      {"16 : 1 is the top", {100, 100, 1}, {16, 1}, true, false},
      {"1 : 32 is the bottom", {100, 100, 1}, {1, 32}, false, false},
      {"a 15 m banner is too long for 1 : 1", {2976, 212598, 16}, {2, 3}, true, false},
      {"a strip 100 units high goes out to 1 : 2", {2976, 100, 16}, {2, 3}, false, true},
      {"but not to 1 : 3, less than three scroll bars", {2976, 100, 16}, {1, 2}, false, false},
  };
  for (const Case& c : cases) {
    ZoomRatio next{-1, -1};
    const bool done = c.in ? ZoomIn(c.limits, c.from, next) : ZoomOut(c.limits, c.from, next);
    EXPECT_EQ(done, c.allowed) << c.what;
    if (!done) {
      EXPECT_EQ(Text(next), "-1:-1") << c.what << ": a refused step leaves the zoom alone";
    }
  }
  EXPECT_TRUE(ZoomAllowed(kA4, {7, 1}));
  EXPECT_FALSE(ZoomAllowed(kA4, {8, 1}));
  EXPECT_FALSE(ZoomAllowed(kA4, {0, 1}));
}

TEST(ViewZoom, FitOnScreen) {
  ZoomRatio fit;
  // 744 x 1052 pixels into 500 x 500: the height limits.
  ASSERT_TRUE(FitZoom(744, 1052, 500, 500, 16, fit));
  EXPECT_EQ(Text(fit), "125:263");
  // Into a wide short window, the height still; into a tall one, the width.
  ASSERT_TRUE(FitZoom(744, 1052, 2000, 300, 16, fit));
  EXPECT_EQ(Text(fit), "75:263");
  ASSERT_TRUE(FitZoom(744, 1052, 372, 5000, 16, fit));
  EXPECT_EQ(Text(fit), "1:2");
  // Never less than three scroll bars tall.
  ASSERT_TRUE(FitZoom(744, 1052, 10, 10, 16, fit));
  EXPECT_EQ(Text(fit), "12:263");
  // Refused when the page would reach 32768 pixels, or without room.
  EXPECT_FALSE(FitZoom(100, 200, 40000, 40000, 16, fit));
  EXPECT_FALSE(FitZoom(744, 1052, 0, 500, 16, fit));
}

TEST(ViewZoom, ScrollFollowsTheZoom) {
  EXPECT_EQ(ScaledScroll(100, {1, 1}, {2, 1}), 200);
  EXPECT_EQ(ScaledScroll(101, {1, 1}, {1, 2}), 51) << "half up";
  EXPECT_EQ(ScaledScroll(99, {2, 3}, {1, 1}), 149) << "148.5 rounds up";
  EXPECT_EQ(ScaledScroll(0, {1, 1}, {16, 1}), 0);
}

TEST(NavigatorEntries, ZoomBox) {
  struct Case {
    const char* text;
    bool read;
    ZoomRatio zoom;
  } cases[] = {
      {"100", true, {1, 1}},     {"150%", true, {3, 2}},   {" 400 % ", true, {4, 1}}, {"250.7", true, {5, 2}},
      {"50", true, {1, 2}},      {"33.3", true, {1, 3}},   {"66", true, {25, 38}},    {"12.5%", true, {1, 8}},
      {"0", false, {}},          {"-50", false, {}},       {"abc", false, {}},        {"", false, {}},
      {"%", false, {}},          {"50x", false, {}},       {"1e300", false, {}},
  };
  for (const Case& c : cases) {
    ZoomRatio z{-1, -1};
    EXPECT_EQ(ParseZoomEntry(c.text, z), c.read) << c.text;
    EXPECT_EQ(Text(z), c.read ? Text(c.zoom) : "-1:-1") << c.text;
  }
  EXPECT_EQ(ZoomEntryText({2, 3}), "66.67%");
  EXPECT_EQ(ZoomEntryText({125, 263}), "47.53%");
  EXPECT_EQ(ZoomEntryText({16, 1}), "1600.00%");
}

TEST(NavigatorEntries, PageBox) {
  struct Case {
    const char* text;
    bool read;
    int page;
  } cases[] = {
      {"1", true, 0},     {"5", true, 4},      {" 3 ", true, 2}, {"3 / 5", true, 2}, {"3/5", true, 2},
      {"0", false, 0},    {"6", false, 0},     {"-1", false, 0}, {"x", false, 0},   {"", false, 0},
      {"3 / 4", false, 0}, {"3 /", false, 0},  {"2.5", false, 0},
  };
  for (const Case& c : cases) {
    int32_t page = -1;
    EXPECT_EQ(ParsePageEntry(c.text, 5, page), c.read) << c.text;
    EXPECT_EQ(page, c.read ? c.page : -1) << c.text;
  }
  EXPECT_EQ(PageEntryText(0, 12), "1 / 12");
}

}  // namespace
}  // namespace tl::test
