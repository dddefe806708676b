// The options `tessaline` answers at once, before any window and without
// asking a running instance: --version and --help (-h). Everything else on
// its command line is the program's own (app/shell/command_line.h).
#pragma once

#include <string>
#include <vector>

namespace tl {

enum class InfoOption { None, Version, Help };

// The first of --version, --help and -h among the program's arguments
// (the program's name not among them).
InfoOption FindInfoOption(const std::vector<std::string>& arguments);

// What --help prints.
std::string ProgramHelpText();

}  // namespace tl
