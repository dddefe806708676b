#include "app/shell/command_line.h"

#include <array>

namespace tl {
namespace {

// Flags that start with "/" when given as "/flag". Any other argument that
// starts with "/" is an absolute path, which on this system is far more
// likely than an unknown flag.
constexpr std::array<std::string_view, 3> kSlashFlagPrefixes = {kWp2FlagPrefix, kFmFlagPrefix, "dde"};

bool IsSlashFlag(std::string_view rest) {
  for (std::string_view prefix : kSlashFlagPrefixes)
    if (rest.starts_with(prefix)) return rest.size() == prefix.size() || prefix.back() == '=';
  return false;
}

// The flag text without its leading character; false for a parameter.
bool SplitFlag(std::string_view argument, std::string_view* flag) {
  if (argument.empty()) return false;
  const std::string_view rest = argument.substr(1);
  if (argument.front() == '-' || (argument.front() == '/' && IsSlashFlag(rest))) {
    *flag = rest;
    return true;
  }
  return false;
}

}  // namespace

void ParseParam(AppCommandLineInfo& info, std::string_view argument) {
  // An empty argument names no file (a launcher's empty field placeholder).
  if (argument.empty()) return;
  std::string_view flag;
  if (!SplitFlag(argument, &flag)) {
    info.Command = ShellCommand::FileOpen;
    info.FileName = std::string(argument);
    info.HandOverMode = kHandOverNone;
  } else if (flag.starts_with(kWp2FlagPrefix)) {
    info.HandOverMode = kHandOverIniList;
    info.Wp2Flag = std::string(flag);
  } else if (flag.starts_with(kFmFlagPrefix)) {
    info.HandOverMode = kHandOverTextList;
    info.FmFlag = std::string(flag);
  }
}

AppCommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments) {
  AppCommandLineInfo info;
  for (const std::string& argument : arguments) ParseParam(info, argument);
  return info;
}

std::string HandOverFlag(const AppCommandLineInfo& info) {
  if (info.HandOverMode == kHandOverIniList) return info.Wp2Flag;
  if (info.HandOverMode == kHandOverTextList) return info.FmFlag;
  return {};
}

std::string HandOverFilePath(std::string_view flag) {
  const size_t equals = flag.rfind('=');
  return equals == std::string_view::npos ? std::string() : std::string(flag.substr(equals + 1));
}

}  // namespace tl
