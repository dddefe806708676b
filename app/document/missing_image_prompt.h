// The image-not-found questions of a layout being read, asked through the
// application's prompts.
#pragma once

#include "imaging/missing_image.h"

namespace tl {

class AppPrompts;

class PromptedMissingImages final : public MissingImagePrompt {
 public:
  explicit PromptedMissingImages(AppPrompts& prompts) : prompts_(prompts) {}
  MissingImageAnswer AskAboutMissingImage(const std::string& missingPath) override;
  bool ChooseImageFile(const std::string& missingPath, const std::string& filter, std::string& chosen) override;

 private:
  AppPrompts& prompts_;
};

}  // namespace tl
