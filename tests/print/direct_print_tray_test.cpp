// The direct print window's rules without its widgets: which button a drop
// lands on, which drops are ignored, and the warnings for files that are
// open for editing or already waiting.
#include "print/direct_print_tray.h"

#include <gtest/gtest.h>

#include "document/message_box.h"

namespace tl::test {
namespace {

// Records each message with the title its box would carry.
struct TitledSink final : MessageSink {
  std::vector<std::pair<std::string, std::string>> shown;  // title, text
  MessageAnswer Show(std::string_view text, MessageIcon, MessageButtons, MessageAnswer headless) override {
    shown.emplace_back("(program)", std::string(text));
    return headless;
  }
  MessageAnswer ShowTitled(std::string_view title, std::string_view text, MessageIcon, MessageButtons,
                           MessageAnswer headless) override {
    shown.emplace_back(std::string(title), std::string(text));
    return headless;
  }
};

// Two columns of four buttons, 100 x 40 with 8 pixels between them.
std::array<LRect, kDirectPrintPrinterCount> Buttons() {
  std::array<LRect, kDirectPrintPrinterCount> rects;
  for (int i = 0; i < kDirectPrintPrinterCount; ++i) {
    const int32_t x = (i % 2) * 108, y = (i / 2) * 48;
    rects[size_t(i)] = {x, y, x + 100, y + 40};
  }
  return rects;
}

TEST(DirectPrintTray, DropPointFindsItsButton) {
  const auto buttons = Buttons();
  EXPECT_EQ(DirectPrintButtonAt(buttons, {5, 5}), 0);
  EXPECT_EQ(DirectPrintButtonAt(buttons, {150, 60}), 3);
  EXPECT_EQ(DirectPrintButtonAt(buttons, {104, 10}), -1) << "the gap between two buttons";
  EXPECT_EQ(DirectPrintButtonAt(buttons, {50, 44}), -1);
  EXPECT_EQ(DirectPrintButtonAt(buttons, {100, 10}), -1) << "right edges are outside";
  EXPECT_EQ(DirectPrintButtonAt(buttons, {500, 500}), -1);
  auto overlapping = buttons;
  overlapping[1] = overlapping[0];
  EXPECT_EQ(DirectPrintButtonAt(overlapping, {5, 5}), 0) << "the first in order wins";
}

TEST(DirectPrintTray, DropsAreTakenOnlyOnPrintersWhileFewFilesWait) {
  DirectPrintTray tray;
  tray.Printers[2] = "Studio";
  EXPECT_FALSE(DirectPrintTakesDrop(tray, 0)) << "a button without a printer";
  EXPECT_FALSE(DirectPrintTakesDrop(tray, -1));
  EXPECT_TRUE(DirectPrintTakesDrop(tray, 2));
  tray.Dropping = true;
  EXPECT_FALSE(DirectPrintTakesDrop(tray, 2)) << "a drop arriving while another one is checked";
  tray.Dropping = false;
  for (int i = 0; i < 4; ++i) tray.Waiting.push_back({"/l/" + std::to_string(i) + ".qlf", "Studio"});
  EXPECT_TRUE(DirectPrintTakesDrop(tray, 2));
  tray.Waiting.push_back({"/l/4.qlf", "Studio"});
  EXPECT_FALSE(DirectPrintTakesDrop(tray, 2)) << "five files waiting";
  EXPECT_EQ(DropOnDirectPrintButton(tray, 2, {"/l/new.qlf"}, {}), 0u);
  EXPECT_EQ(tray.Waiting.size(), 5u);
}

TEST(DirectPrintTray, FilesUnderEditOrInUseAreSkippedWithTheirWarnings) {
  TitledSink sink;
  ScopedMessageSink scope(&sink);
  DirectPrintTray tray;
  tray.Printers[0] = "Studio";
  const auto editing = [](const std::string& path) { return path == "/l/open.qlf"; };

  EXPECT_EQ(DropOnDirectPrintButton(tray, 0, {"/l/a.qlf", "/l/open.qlf", "/l/b.qlf"}, editing), 2u);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].first, "Warning");
  EXPECT_EQ(sink.shown[0].second, "\"/l/open.qlf\" is under edit.");
  ASSERT_EQ(tray.Waiting.size(), 2u);
  EXPECT_EQ(tray.Waiting[1].Path, "/l/b.qlf");
  EXPECT_EQ(tray.Waiting[1].Printer, "Studio");

  // The same file again, in quick succession: waiting already.
  EXPECT_EQ(DropOnDirectPrintButton(tray, 0, {"/l/a.qlf"}, editing), 0u);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1].first, "Warning");
  EXPECT_EQ(sink.shown[1].second, "\"/l/a.qlf\" is under use for other uses.");
  EXPECT_EQ(tray.Waiting.size(), 2u);
  EXPECT_FALSE(tray.Dropping);
}

// A drop that arrives while a warning of the previous one is up.
struct ReentrantSink final : MessageSink {
  DirectPrintTray* tray = nullptr;
  size_t nested = 99;
  MessageAnswer Show(std::string_view, MessageIcon, MessageButtons, MessageAnswer headless) override {
    nested = DropOnDirectPrintButton(*tray, 0, {"/l/late.qlf"}, {});
    return headless;
  }
};

TEST(DirectPrintTray, ADropDuringTheWarningsOfAnotherIsIgnored) {
  DirectPrintTray tray;
  tray.Printers[0] = "Studio";
  tray.Waiting.push_back({"/l/a.qlf", "Studio"});
  ReentrantSink sink;
  sink.tray = &tray;
  ScopedMessageSink scope(&sink);
  DropOnDirectPrintButton(tray, 0, {"/l/a.qlf"}, {});
  EXPECT_EQ(sink.nested, 0u);
  EXPECT_EQ(tray.Waiting.size(), 1u);
}

}  // namespace
}  // namespace tl::test
