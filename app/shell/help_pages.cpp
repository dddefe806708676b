#include "app/shell/help_pages.h"

#include <QDesktopServices>
#include <QUrl>
#include <filesystem>

#include "document/message_box.h"
#include "resources/app_folders.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kHelpNotFound = 10422;  // "Help file is not found."

}  // namespace

void OpenHelpPage(int stringId) {
  const std::string page = DataFolder() + std::string(StringText(stringId));
  std::error_code ec;
  if (StringText(stringId).empty() || !std::filesystem::is_regular_file(page, ec)) {
    ShowMessage(kHelpNotFound, MessageIcon::Stop);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page)));
}

}  // namespace tl
