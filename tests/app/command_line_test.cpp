// The program's arguments as AppCommandLineInfo takes them, and the list
// path a hand-over flag names.
#include "app/shell/command_line.h"

#include <gtest/gtest.h>

namespace tl {
namespace {

struct ParseCase {
  std::vector<std::string> Arguments;
  ShellCommand Command;
  std::string FileName;
  int HandOverMode;
  std::string Wp2Flag;
  std::string FmFlag;
};

std::string Shown(const std::vector<std::string>& arguments) {
  std::string text;
  for (const std::string& a : arguments) text += "[" + a + "] ";
  return text;
}

TEST(CommandLine, ParsesEachArgumentInTurn) {
  const ShellCommand New = ShellCommand::FileNew, Open = ShellCommand::FileOpen;
  const ParseCase cases[] = {
      {{}, New, "", kHandOverNone, "", ""},
      {{"sheet.qlf"}, Open, "sheet.qlf", kHandOverNone, "", ""},
      // An absolute path is a file, not a "/" flag.
      {{"/home/ann/sheet.qlf"}, Open, "/home/ann/sheet.qlf", kHandOverNone, "", ""},
      {{"/ddemo.qlf"}, Open, "/ddemo.qlf", kHandOverNone, "", ""},
      {{"a.qlf", "b.qlf"}, Open, "b.qlf", kHandOverNone, "", ""},
      {{"/WP2=/tmp/list.ini"}, New, "", kHandOverIniList, "WP2=/tmp/list.ini", ""},
      {{"-WP2=/tmp/list.ini"}, New, "", kHandOverIniList, "WP2=/tmp/list.ini", ""},
      {{"/FM=/tmp/list.txt"}, New, "", kHandOverTextList, "", "FM=/tmp/list.txt"},
      {{"-WP2=a", "-FM=b"}, New, "", kHandOverTextList, "WP2=a", "FM=b"},
      // A file after a flag ends the hand-over but keeps the flag's text.
      {{"-WP2=a", "sheet.qlf"}, Open, "sheet.qlf", kHandOverNone, "WP2=a", ""},
      {{"sheet.qlf", "-WP2=a"}, Open, "sheet.qlf", kHandOverIniList, "WP2=a", ""},
      // Other flags, and flags whose case differs, are ignored; so are empty arguments.
      {{"/dde", "--help", "--version", "-", "-wp2=a", "-p"}, New, "", kHandOverNone, "", ""},
      {{""}, New, "", kHandOverNone, "", ""},
  };
  for (const ParseCase& c : cases) {
    const AppCommandLineInfo info = ParseCommandLine(c.Arguments);
    EXPECT_EQ(info.Command, c.Command) << Shown(c.Arguments);
    EXPECT_EQ(info.FileName, c.FileName) << Shown(c.Arguments);
    EXPECT_EQ(info.HandOverMode, c.HandOverMode) << Shown(c.Arguments);
    EXPECT_EQ(info.Wp2Flag, c.Wp2Flag) << Shown(c.Arguments);
    EXPECT_EQ(info.FmFlag, c.FmFlag) << Shown(c.Arguments);
  }
}

TEST(CommandLine, TheHandOverFlagIsTheOneOfTheMode) {
  EXPECT_EQ(HandOverFlag(ParseCommandLine({"-FM=b", "-WP2=a"})), "WP2=a");
  EXPECT_EQ(HandOverFlag(ParseCommandLine({"-WP2=a", "-FM=b"})), "FM=b");
  EXPECT_EQ(HandOverFlag(ParseCommandLine({"-WP2=a", "x.qlf"})), "");
}

TEST(CommandLine, TheListPathFollowsTheLastEqualsSign) {
  EXPECT_EQ(HandOverFilePath("WP2=/tmp/list.ini"), "/tmp/list.ini");
  EXPECT_EQ(HandOverFilePath("FM=/tmp/a=b/list.txt"), "b/list.txt");
  EXPECT_EQ(HandOverFilePath("WP2="), "");
  EXPECT_EQ(HandOverFilePath("dde"), "");
}

}  // namespace
}  // namespace tl
