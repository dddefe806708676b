#include "imaging/builtin_extensions.h"

#include "imaging/capture_matching.h"
#include "imaging/extended_importer.h"

namespace tl {

void InstallBuiltInImportExtensions() {
  // They live for the whole run; nothing ever uninstalls them.
  static BuiltInFormatImporter importer;
  static BuiltInCaptureMatcher matcher;
  SetExtendedFormatImporter(&importer);
  SetCaptureMatcher(&matcher);
}

}  // namespace tl
