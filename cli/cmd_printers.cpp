// tessaline-cli printers: every printer the program can print to (the
// CUPS destinations, printer URIs named in TESSALINE_PRINTERS, and the
// "PDF file" destination) with what each offers.
#include <cstdio>
#include <string>

#include "cli/cli_command.h"
#include "cli/json_writer.h"
#include "print/driver_extension.h"
#include "print/printer_settings.h"
#include "resources/string_table.h"

namespace tl::cli {
namespace {

constexpr int kPrinterNotAvailable = 40014;

struct ListedPrinter {
  std::string Name;
  PrinterCapabilities Caps;
};

std::string MarginsText(const PaperMargins& m) {
  return std::to_string(m.Left) + "/" + std::to_string(m.Top) + "/" + std::to_string(m.Right) + "/" +
         std::to_string(m.Bottom);
}

std::string ProfileOf(const PrinterCapabilities& caps, int32_t mediaTypeId) {
  for (const MediaProfile& profile : caps.MediaProfiles)
    if (profile.MediaTypeId == mediaTypeId) return profile.ProfileFile;
  return {};
}

void PrintText(const std::vector<ListedPrinter>& printers) {
  for (const ListedPrinter& p : printers) {
    std::printf("%s\n  Model: %s\n  Papers (id, name, size and margins left/top/right/bottom in 0.1 mm):\n",
                p.Name.c_str(), p.Caps.Model.c_str());
    for (const CapabilityPaper& paper : p.Caps.Papers)
      std::printf("    %5d  %-28s %5d x %-5d standard %s, maximum %s\n", paper.Id, paper.Name.c_str(), paper.Width,
                  paper.Length, MarginsText(paper.Standard).c_str(), MarginsText(paper.Maximum).c_str());
    std::printf("  Paper sources:\n");
    for (const CapabilityChoice& source : p.Caps.Sources)
      std::printf("    %5d  %s\n", source.Id, source.Name.c_str());
    if (p.Caps.RollLength > 0) std::printf("  Roll: up to %d x %d\n", p.Caps.RollWidth, p.Caps.RollLength);
    std::printf("  Media types:\n");
    for (const CapabilityChoice& type : p.Caps.MediaTypes) {
      const std::string profile = ProfileOf(p.Caps, type.Id);
      std::printf("    %5d  %s%s%s\n", type.Id, type.Name.c_str(), profile.empty() ? "" : "  profile ",
                  profile.c_str());
    }
    std::printf("  Colour modes:");
    for (const std::string& mode : p.Caps.ColorModes) std::printf(" %s", mode.c_str());
    std::printf("\n  Print qualities:");
    for (const int32_t quality : p.Caps.Qualities) std::printf(" %d", quality);
    std::printf("\n");
  }
}

void MarginsJson(JsonWriter& json, const char* key, const PaperMargins& m) {
  json.Key(key).BeginObject().Field("left", m.Left).Field("top", m.Top).Field("right", m.Right);
  json.Field("bottom", m.Bottom).EndObject();
}

void ChoicesJson(JsonWriter& json, const char* key, const std::vector<CapabilityChoice>& choices,
                 const PrinterCapabilities* profiles) {
  json.Key(key).BeginArray();
  for (const CapabilityChoice& c : choices) {
    json.BeginObject().Field("id", c.Id).Field("keyword", c.Keyword).Field("name", c.Name);
    if (profiles) json.Field("profile", ProfileOf(*profiles, c.Id));
    json.EndObject();
  }
  json.EndArray();
}

void PrintJson(const std::vector<ListedPrinter>& printers) {
  JsonWriter json;
  json.BeginArray();
  for (const ListedPrinter& p : printers) {
    json.BeginObject().Field("name", p.Name).Field("model", p.Caps.Model).Key("papers").BeginArray();
    for (const CapabilityPaper& paper : p.Caps.Papers) {
      json.BeginObject().Field("id", int32_t(paper.Id)).Field("name", paper.Name).Field("keyword", paper.Keyword);
      json.Field("width", paper.Width).Field("length", paper.Length);
      MarginsJson(json, "standard", paper.Standard);
      MarginsJson(json, "maximum", paper.Maximum);
      json.EndObject();
    }
    json.EndArray();
    ChoicesJson(json, "sources", p.Caps.Sources, nullptr);
    ChoicesJson(json, "mediaTypes", p.Caps.MediaTypes, &p.Caps);
    json.Key("roll").BeginObject().Field("width", p.Caps.RollWidth).Field("length", p.Caps.RollLength).EndObject();
    json.Key("colorModes").BeginArray();
    for (const std::string& mode : p.Caps.ColorModes) json.String(mode);
    json.EndArray().Key("qualities").BeginArray();
    for (const int32_t quality : p.Caps.Qualities) json.Int(quality);
    json.EndArray().EndObject();
  }
  json.EndArray();
  std::printf("%s\n", json.Text().c_str());
}

int RunPrinters(std::vector<std::string> arguments) {
  const CliCommand& self = *FindCliCommand("printers");
  CliArgs args(std::move(arguments));
  const bool json = args.Flag("--json");
  std::string only;
  const bool one = args.Value("--printer", only);
  const std::vector<std::string> operands = args.Operands();
  if (args.HasProblem()) return UsageError(self, args.Problem());
  if (!operands.empty()) return UsageError(self, "unexpected argument " + operands[0]);

  std::vector<std::string> names;
  if (one) {
    names.push_back(only);
  } else {
    for (const PrinterEntry& entry : ListPrinters()) names.push_back(entry.Name);
  }
  std::vector<ListedPrinter> printers;
  for (const std::string& name : names) {
    const DriverExtensionPtr x = ExtensionLoad(name);
    if (!x) {
      std::fprintf(stderr, "%s\n", StringWith(kPrinterNotAvailable, {name}).c_str());
      return kExitFailed;
    }
    printers.push_back({name, x->Caps});
  }
  if (json) {
    PrintJson(printers);
  } else {
    PrintText(printers);
  }
  return kExitOk;
}

}  // namespace

extern const CliCommand kPrintersCommand = {
    "printers",
    "list the printers with their papers, sources, media types and modes",
    "printers [--printer NAME|URI] [--json]",
    RunPrinters,
};

}  // namespace tl::cli
