// tessaline-cli: the layout engine from the command line.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/stderr_message_sink.h"
#include "imaging/builtin_extensions.h"
#include "render/library_versions.h"

namespace {

using tl::cli::CliCommand;
using tl::cli::CliCommands;
using tl::cli::FindCliCommand;

void PrintOverview(FILE* out) {
  std::fprintf(out, "usage: tessaline-cli COMMAND [OPTIONS] [ARGS]\n\ncommands:\n");
  std::fprintf(out, "  %-10s %s\n", "help", "show this list, or the usage of one command");
  for (const CliCommand& command : CliCommands()) std::fprintf(out, "  %-10s %s\n", command.Name, command.Summary);
  std::fprintf(out,
               "\n\"tessaline-cli COMMAND --help\" shows the usage of a command, \"tessaline-cli --version\"\n"
               "the version and the libraries in use; \"man tessaline-cli\" describes every command.\n");
}

void PrintUsage(const CliCommand& command) {
  std::printf("usage: tessaline-cli %s\n\n%s\n", command.Usage, command.Summary);
}

int RunHelp(const std::vector<std::string>& args) {
  if (args.empty()) {
    PrintOverview(stdout);
    return tl::cli::kExitOk;
  }
  const CliCommand* command = FindCliCommand(args[0]);
  if (!command) {
    std::fprintf(stderr, "tessaline-cli: no command \"%s\"\n", args[0].c_str());
    return tl::cli::kExitUsage;
  }
  PrintUsage(*command);
  return tl::cli::kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  tl::InstallBuiltInImportExtensions();
  if (argc < 2) {
    PrintOverview(stderr);
    return tl::cli::kExitUsage;
  }
  const std::string name = argv[1];
  std::vector<std::string> args(argv + 2, argv + argc);

  if (name == "help" || name == "--help" || name == "-h") return RunHelp(args);
  if (name == "--version") {
    std::fputs(tl::VersionReport("tessaline-cli").c_str(), stdout);
    return tl::cli::kExitOk;
  }
  const CliCommand* command = FindCliCommand(name);
  if (!command) {
    std::fprintf(stderr, "tessaline-cli: no command \"%s\"\n", name.c_str());
    PrintOverview(stderr);
    return tl::cli::kExitUsage;
  }
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      PrintUsage(*command);
      return tl::cli::kExitOk;
    }
  }
  tl::cli::StderrMessageSink messages;
  tl::ScopedMessageSink scope(&messages);
  return command->Run(std::move(args));
}
