#include "cli/layout_argument.h"

#include <cstdio>
#include <filesystem>

#include "render/gui_application.h"
#include "render/layout_io.h"
#include "resources/string_table.h"

namespace tl::cli {
namespace {

constexpr int kFailedToOpenFile = 10417;

}  // namespace

bool OpenLayoutArgument(const std::string& path, OpenedLayout& opened, bool previews) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), StringCopy(kFailedToOpenFile).c_str());
    return false;
  }
  opened.Application = EnsureGuiApplication();
  LayoutReadOptions options;
  options.BuildPreviews = previews;
  opened.Document = LoadRenderedLayoutFile(path, options);
  return opened.Document != nullptr;
}

}  // namespace tl::cli
