#include "imaging/missing_image.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

#include "document/layout_document.h"
#include "document/layout_object.h"
#include "document/message_box.h"
#include "imaging/image_header.h"
#include "imaging/import_extensions.h"
#include "resources/string_table.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

constexpr int kNeedsImporterMessage = 10448;
constexpr int kFilterWithExtended = 10613;
constexpr int kFilterOwnFormats = 10599;
constexpr const char* kExtendedExtensions[] = {".pict", ".pct", ".psd", ".png"};

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool NeedsImporter(const std::string& path) {
  for (const char* extension : kExtendedExtensions) {
    const size_t n = std::char_traits<char>::length(extension);
    if (path.size() >= n && strcasecmp(path.c_str() + path.size() - n, extension) == 0) return true;
  }
  return false;
}

// The file name of a path that may use either separator.
std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void MarkModified(ImageObject& image) {
  if (image.Owner) image.Owner->Modified = 1;
}

}  // namespace

bool LocateMissingImage(MissingImageSearch& search, ImageObject& image, const std::string& path) {
  if (!QuickTimeAvailable() && NeedsImporter(path)) {
    if (!search.ExtendedFormatNoticeShown) {
      search.ExtendedFormatNoticeShown = true;
      ShowMessage(kNeedsImporterMessage, MessageIcon::Exclamation);
    }
    return false;
  }
  std::string found = path;
  if (!Exists(found)) {
    // Whatever follows, the layout's stored path is no longer right.
    MarkModified(image);
    const std::string inLastFolder =
        search.LastFoundFolder.empty() ? std::string() : (fs::path(search.LastFoundFolder) / FileNameOf(path)).string();
    if (!inLastFolder.empty() && Exists(inLastFolder)) {
      found = inLastFolder;
    } else {
      if (!search.KeepAsking || !search.Prompt) return false;
      switch (search.Prompt->AskAboutMissingImage(path)) {
        case MissingImageAnswer::Ignore: return false;
        case MissingImageAnswer::Stop: search.Stop = true; return false;
        case MissingImageAnswer::Find: break;
      }
      const int filter = QuickTimeAvailable() ? kFilterWithExtended : kFilterOwnFormats;
      std::string chosen;
      if (!search.Prompt->ChooseImageFile(path, StringCopy(filter), chosen) || !Exists(chosen)) return false;
      found = chosen;
      search.LastFoundFolder = fs::path(chosen).parent_path().string();
    }
  }
  return ReadImageHeader(image, found);
}

}  // namespace tl
