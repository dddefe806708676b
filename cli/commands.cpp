// The command table. Each command lives in its own cmd_*.cpp file.
#include "cli/cli_command.h"

namespace tl::cli {

extern const CliCommand kInfoCommand;
extern const CliCommand kLayoutCommand;
extern const CliCommand kPageCommand;
extern const CliCommand kProfilesCommand;
extern const CliCommand kShowCommand;
extern const CliCommand kRenderCommand;
extern const CliCommand kPrintersCommand;
extern const CliCommand kPrintCommand;

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      kPageCommand,
      kInfoCommand,
      kProfilesCommand,
      kLayoutCommand,
      kShowCommand,
      kRenderCommand,
      kPrintersCommand,
      kPrintCommand,
  };
  return commands;
}

}  // namespace tl::cli
