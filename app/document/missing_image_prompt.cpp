#include "app/document/missing_image_prompt.h"

#include <QApplication>

#include "app/shell/app_prompts.h"

namespace tl {

MissingImageAnswer PromptedMissingImages::AskAboutMissingImage(const std::string& missingPath) {
  return prompts_.AskAboutMissingImage(QApplication::activeWindow(), missingPath);
}

bool PromptedMissingImages::ChooseImageFile(const std::string& missingPath, const std::string& filter,
                                            std::string& chosen) {
  return prompts_.ChooseMissingImage(QApplication::activeWindow(), missingPath, filter, chosen);
}

}  // namespace tl
