// What the persistence tests share: small image files, hand-written layout
// files, a scripted image-not-found prompt and a message recorder.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/layout_document.h"
#include "document/message_box.h"
#include "imaging/missing_image.h"
#include "resources/string_table.h"
#include "tests/imaging/fixtures.h"

namespace tl::test {

// A small JPEG (gray with one component) at `path`.
bool WriteJpeg(const std::string& path, bool gray = false);
bool WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);

// A layout file around the given children of `layout` and `object`.
std::string LayoutXml(const std::string& layoutRows, const std::string& objects = "",
                      const std::string& header = "<Version>1500</Version><Platform>Win</Platform><OSVersion>xxx</OSVersion>");
// An image element with every element a reader requires; `rows` come
// before File, `extra` after the colour settings (or replace a row of the
// same name when `without` names it).
std::string ImageXml(const std::string& folderRows, const std::string& file, const std::string& extra = "",
                     const std::string& without = "");
std::string FreeTextXml(const std::string& string, const std::string& extra = "", const std::string& without = "");
std::string FreeLineXml(const std::string& origin, int length, int angle, const std::string& without = "");

// Runs `work` with the size of written files limited to `bytes` (writes
// beyond fail as on a full disk) and returns its result.
bool WithFileSizeLimit(size_t bytes, const std::function<bool()>& work);

// Records the messages shown, each as its text and icon.
class MessageLog : public MessageSink {
 public:
  MessageLog() : scope_(this) {}
  MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons, MessageAnswer headless) override {
    texts.emplace_back(text);
    icons.push_back(icon);
    return headless;
  }
  int Count(int stringId) const {
    int n = 0;
    for (const std::string& t : texts) n += t == StringText(stringId);
    return n;
  }
  std::vector<std::string> texts;
  std::vector<MessageIcon> icons;

 private:
  ScopedMessageSink scope_;
};

class ScriptedPrompt : public MissingImagePrompt {
 public:
  MissingImageAnswer AskAboutMissingImage(const std::string& path) override {
    asked.push_back(path);
    return answer;
  }
  bool ChooseImageFile(const std::string&, const std::string&, std::string& chosen) override {
    chosen = choice;
    return !choice.empty();
  }
  MissingImageAnswer answer = MissingImageAnswer::Ignore;
  std::string choice;
  std::vector<std::string> asked;
};

}  // namespace tl::test
