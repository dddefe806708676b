// The subcommands of tessaline-cli and what they share: exit codes, the
// command table, and a small argument reader.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tl::cli {

enum ExitCode : int {
  kExitOk = 0,
  kExitFailed = 1,  // the work failed; the message is on standard error
  kExitUsage = 2,
};

struct CliCommand {
  const char* Name;
  const char* Summary;
  const char* Usage;  // printed by "COMMAND --help" and on usage errors
  int (*Run)(std::vector<std::string> args);
};

// Every command, in the order "help" lists them.
const std::vector<CliCommand>& CliCommands();
const CliCommand* FindCliCommand(std::string_view name);

// Prints the command's usage on standard error and returns kExitUsage.
int UsageError(const CliCommand& command, std::string_view problem);

// Takes options out of an argument list; what is left are the operands.
class CliArgs {
 public:
  explicit CliArgs(std::vector<std::string> args) : args_(std::move(args)) {}

  // True (and removed) when "--name" is present.
  bool Flag(std::string_view name);
  // "--name VALUE" or "--name=VALUE": true with the value when present.
  // A "--name" without a value is recorded as a problem.
  bool Value(std::string_view name, std::string& value);
  // The remaining arguments; an unknown "--option" among them is a problem.
  std::vector<std::string> Operands();

  bool HasProblem() const { return !problem_.empty(); }
  const std::string& Problem() const { return problem_; }

 private:
  std::vector<std::string> args_;
  std::string problem_;
};

// Parses a whole decimal number; false for anything else.
bool ParseInt(std::string_view text, long& value);

}  // namespace tl::cli
