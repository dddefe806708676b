// tessaline-cli profiles: checks the application profiles as start-up
// does, then prints the monitor profile and the profile lists of the colour
// dialogs (RGB, CMYK, monitor, printer).
#include <cstdio>
#include <string>

#include "cli/cli_command.h"
#include "cli/json_writer.h"
#include "color/application_profiles.h"
#include "color/monitor_profile.h"
#include "color/profile_list.h"

namespace tl::cli {
namespace {

struct NamedList {
  const char* title;
  const char* key;
  const ProfileList* list;
};

void PrintText(const std::string& monitor, const NamedList (&lists)[4]) {
  std::printf("Application profiles: all present\n");
  std::printf("Monitor profile:      %s\n", monitor.c_str());
  for (const NamedList& named : lists) {
    std::printf("%s\n", named.title);
    for (const ProfileListEntry& entry : *named.list)
      std::printf("  %-40s %s\n", entry.Description.c_str(), entry.FileName.c_str());
  }
}

void PrintJson(const std::string& monitor, const NamedList (&lists)[4]) {
  JsonWriter json;
  json.BeginObject().Field("applicationProfiles", "present").Field("monitorProfile", monitor);
  for (const NamedList& named : lists) {
    json.Key(named.key).BeginArray();
    for (const ProfileListEntry& entry : *named.list)
      json.BeginObject().Field("description", entry.Description).Field("file", entry.FileName).EndObject();
    json.EndArray();
  }
  json.EndObject();
  std::printf("%s\n", json.Text().c_str());
}

int RunProfiles(std::vector<std::string> arguments) {
  const CliCommand& self = *FindCliCommand("profiles");
  CliArgs args(std::move(arguments));
  const bool json = args.Flag("--json");
  const std::vector<std::string> operands = args.Operands();
  if (args.HasProblem()) return UsageError(self, args.Problem());
  if (!operands.empty()) return UsageError(self, "unexpected argument " + operands[0]);

  std::vector<std::string> missing;
  if (!CheckApplicationProfiles(&missing)) {
    for (const std::string& name : missing) std::fprintf(stderr, "  %s\n", name.c_str());
    return kExitFailed;
  }
  const std::string monitor = FindMonitorProfile();
  const ProfileLists input = ListProfiles(ProfileListSet::Input);
  const ProfileLists output = ListProfiles(ProfileListSet::Output);
  const NamedList lists[4] = {{"RGB profiles:", "rgb", &input.Rgb},
                              {"CMYK profiles:", "cmyk", &input.Cmyk},
                              {"Monitor profiles:", "monitor", &output.Monitor},
                              {"Printer profiles:", "printer", &output.Printer}};
  if (json)
    PrintJson(monitor, lists);
  else
    PrintText(monitor, lists);
  return kExitOk;
}

}  // namespace

extern const CliCommand kProfilesCommand = {
    "profiles", "check the application colour profiles and list the installed ones",
    "profiles [--json]", RunProfiles};

}  // namespace tl::cli
