#include "cli/cli_command.h"

#include <charconv>
#include <cstdio>

namespace tl::cli {

const CliCommand* FindCliCommand(std::string_view name) {
  for (const CliCommand& command : CliCommands())
    if (name == command.Name) return &command;
  return nullptr;
}

int UsageError(const CliCommand& command, std::string_view problem) {
  if (!problem.empty()) std::fprintf(stderr, "tessaline-cli %s: %.*s\n", command.Name, int(problem.size()), problem.data());
  std::fprintf(stderr, "usage: tessaline-cli %s\n", command.Usage);
  return kExitUsage;
}

bool CliArgs::Flag(std::string_view name) {
  for (auto it = args_.begin(); it != args_.end(); ++it) {
    if (*it == name) {
      args_.erase(it);
      return true;
    }
  }
  return false;
}

bool CliArgs::Value(std::string_view name, std::string& value) {
  for (auto it = args_.begin(); it != args_.end(); ++it) {
    const std::string& arg = *it;
    if (arg == name) {
      if (it + 1 == args_.end()) {
        problem_ = std::string(name) + " needs a value";
        args_.erase(it);
        return false;
      }
      value = *(it + 1);
      args_.erase(it, it + 2);
      return true;
    }
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 && arg[name.size()] == '=') {
      value = arg.substr(name.size() + 1);
      args_.erase(it);
      return true;
    }
  }
  return false;
}

std::vector<std::string> CliArgs::Operands() {
  for (const std::string& arg : args_) {
    if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      if (problem_.empty()) problem_ = "unknown option " + arg;
      break;
    }
  }
  return args_;
}

bool ParseInt(std::string_view text, long& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

}  // namespace tl::cli
