// tessaline-cli layout: makes a layout from a template (or the application
// default layout), adds image files and folders to it the way Get Image
// does, and saves it as a layout file.
#include <QGuiApplication>
#include <strings.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_command.h"
#include "document/layout_document.h"
#include "layout/layout_mode.h"
#include "persistence/image_services.h"
#include "persistence/preferences.h"
#include "persistence/template_library.h"
#include "render/gui_application.h"
#include "render/image_add_loop.h"
#include "render/layout_io.h"
#include "resources/string_table.h"

namespace tl::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kNotEnoughMemory = 10413;
constexpr int32_t kAssumedScreenWidth = 1920;  // window positions only; not used here

std::string Absolute(const std::string& path) {
  std::error_code ec;
  const fs::path full = fs::absolute(path, ec);
  return ec ? path : full.lexically_normal().string();
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strcasecmp(a.c_str(), b.c_str()) == 0;
}

// A template file given by path, or by the name of an installed or user
// template (its file name without ".qlt", case ignored).
std::string FindTemplate(const std::string& name) {
  std::error_code ec;
  if (fs::is_regular_file(name, ec)) return name;
  for (const TemplateSummary& t : ScanTemplateFolders()) {
    const fs::path path(t.Path);
    if (SameName(path.stem().string(), name) || SameName(path.filename().string(), name)) return t.Path;
  }
  return {};
}

// The application default layout: the built-in defaults with what the
// preferences file says (read only; a missing file is not created here).
DocumentPtr DefaultLayout() {
  PreferenceRecord preferences;
  if (!SetPreferenceDefaults(preferences, kAssumedScreenWidth)) return nullptr;
  std::error_code ec;
  if (fs::is_regular_file(PreferencesFilePath(), ec)) LoadPreferences(preferences);
  DocumentPtr document(DocumentNew(preferences.ApplicationDefaultDocument.get(), nullptr));
  if (document) document->RecordState = kRecordLive;
  return document;
}

// Says which files were not taken; there is nothing to pump and no stop
// request on the command line.
class SkippedFiles final : public ImageAddProgress {
 public:
  void FileFinished(const std::string& path, bool added) override {
    if (!added) std::fprintf(stderr, "tessaline-cli layout: skipped %s\n", path.c_str());
  }
  bool Pump() override { return false; }
};

int RunLayout(std::vector<std::string> arguments) {
  const CliCommand& self = *FindCliCommand("layout");
  CliArgs args(std::move(arguments));
  std::string templateName, output;
  const bool hasTemplate = args.Value("--template", templateName);
  const bool free = args.Flag("--free");
  args.Value("-o", output);
  const std::vector<std::string> operands = args.Operands();
  if (args.HasProblem()) return UsageError(self, args.Problem());
  if (output.empty()) return UsageError(self, "no output file given (-o OUT.qlf)");
  if (operands.empty()) return UsageError(self, "no image file or folder given");

  // Free texts are measured and the preview drawn with Qt's painter.
  const std::unique_ptr<QGuiApplication> application = EnsureGuiApplication();
  DocumentPtr document;
  if (hasTemplate) {
    const std::string path = FindTemplate(templateName);
    if (path.empty()) {
      std::fprintf(stderr, "tessaline-cli layout: no template \"%s\"\n", templateName.c_str());
      return kExitFailed;
    }
    LayoutReadOptions options;
    options.RecordSummary = false;
    document = LoadRenderedLayoutFile(path, options);
    if (!document) return kExitFailed;  // the reader has said why
    document->TemplateName.clear();
    document->SavingTemplate = 0;
  } else {
    document = DefaultLayout();
    if (!document) {
      std::fprintf(stderr, "%s\n", StringCopy(kNotEnoughMemory).c_str());
      return kExitFailed;
    }
  }
  LayoutDocument& d = *document;
  d.DocumentPath = Absolute(output);

  SkippedFiles progress;
  const ImageAddCounts counts = AddImageFiles(d, operands, progress);
  const int added = counts.Added, skipped = -counts.Failed;
  ImageImportServices services;
  if (free && !d.Free) ChangeLayoutMode(d, true, services);

  if (!SaveLayoutFileWithPreview(output, d)) {
    std::fprintf(stderr, "tessaline-cli layout: could not write %s\n", output.c_str());
    return kExitFailed;
  }
  std::printf("%s: %d image%s on %d page%s", output.c_str(), added, added == 1 ? "" : "s", d.PageNumber,
              d.PageNumber == 1 ? "" : "s");
  if (skipped) std::printf(", %d file%s skipped", skipped, skipped == 1 ? "" : "s");
  std::printf("\n");
  return kExitOk;
}

}  // namespace

extern const CliCommand kLayoutCommand = {
    "layout",
    "make a layout from a template and image files, and save it",
    "layout [--template NAME|FILE] [--free] -o OUT.qlf IMAGE|FOLDER...",
    RunLayout,
};

}  // namespace tl::cli
