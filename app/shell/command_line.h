// The program's command line: AppCommandLineInfo and the parsing of the
// program's arguments into it (files to open, the hand-over flags "WP2="
// and "FM=" that name a list of images made by another program).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tl {

enum class ShellCommand { None, FileNew, FileOpen };

// HandOverMode values; 0 and 1 are also the HandOverListForm values.
constexpr int kHandOverNone = -1;
constexpr int kHandOverIniList = 0;
constexpr int kHandOverTextList = 1;

constexpr std::string_view kWp2FlagPrefix = "WP2=";  // an INI list follows
constexpr std::string_view kFmFlagPrefix = "FM=";    // a text list follows

struct AppCommandLineInfo {
  ShellCommand Command = ShellCommand::FileNew;
  std::string FileName;
  int HandOverMode = kHandOverNone;
  std::string Wp2Flag;  // the last "WP2=..." flag, without its "/" or "-"
  std::string FmFlag;   // the last "FM=..." flag
};

// Takes one argument into `info`: a parameter that is not a flag names the
// file to open; "WP2=" and "FM=" flags set the hand-over mode; any other
// flag, and an empty argument, are ignored.
void ParseParam(AppCommandLineInfo& info, std::string_view argument);

// All arguments, the program's name not among them.
AppCommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments);

// The flag text of the hand-over mode ("WP2=..." or "FM=..."); empty
// without a hand-over.
std::string HandOverFlag(const AppCommandLineInfo& info);

// The list file a hand-over flag names: the text after its last "=".
std::string HandOverFilePath(std::string_view flag);

}  // namespace tl
