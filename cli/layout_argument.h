// The layout file a command is given, opened as the program opens it,
// with the Qt application its drawing needs.
#pragma once

#include <QGuiApplication>
#include <memory>
#include <string>

#include "document/layout_document.h"

namespace tl::cli {

struct OpenedLayout {
  std::unique_ptr<QGuiApplication> Application;
  DocumentPtr Document;
};

// False, with the message on standard error, when the file is not there
// or does not read. Printing decodes every picture afresh at the size it
// prints: `previews` is only for what draws the screen page.
bool OpenLayoutArgument(const std::string& path, OpenedLayout& opened, bool previews = true);

}  // namespace tl::cli
