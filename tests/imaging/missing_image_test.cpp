#include "imaging/missing_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "document/layout_document.h"
#include "document/layout_object.h"
#include "document/message_box.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

class ScriptedPrompt : public MissingImagePrompt {
 public:
  MissingImageAnswer AskAboutMissingImage(const std::string& path) override {
    asked.push_back(path);
    return answer;
  }
  bool ChooseImageFile(const std::string&, const std::string& filterText, std::string& chosen) override {
    filter = filterText;
    chosen = choice;
    return !choice.empty();
  }
  MissingImageAnswer answer = MissingImageAnswer::Ignore;
  std::string choice;
  std::string filter;
  std::vector<std::string> asked;
};

class MissingImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document_.reset(DocumentNew(nullptr, nullptr));
    std::filesystem::create_directories(dir_.File("moved"));
    for (const char* name : {"a.jpg", "b.jpg"})
      ASSERT_TRUE(test::WriteBytes(dir_.File(std::string("moved/") + name), test::MakeJpeg(test::JpegRecipe())));
    search_.Prompt = &prompt_;
  }
  bool Locate(const std::string& path) {
    ImageObject image;
    image.Owner = document_.get();
    const bool found = LocateMissingImage(search_, image, path);
    path_ = image.ImagePath;
    return found;
  }

  test::TempFolder dir_;
  DocumentPtr document_;
  ScriptedPrompt prompt_;
  MissingImageSearch search_;
  std::string path_;
};

TEST_F(MissingImageTest, FindOnceThenTheFolderIsRemembered) {
  prompt_.answer = MissingImageAnswer::Find;
  prompt_.choice = dir_.File("moved/a.jpg");
  ASSERT_TRUE(Locate("/old/place/a.jpg"));
  EXPECT_EQ(path_, dir_.File("moved/a.jpg"));
  EXPECT_EQ(prompt_.filter, "All Images|*.EPS;*.TIFF;*.TIF;*.JPG;*.JPEG;*.BMP;*.EFF||");
  EXPECT_TRUE(document_->Modified);

  prompt_.answer = MissingImageAnswer::Stop;  // must not be asked
  ASSERT_TRUE(Locate("C:\\old\\place\\b.jpg"));
  EXPECT_EQ(path_, dir_.File("moved/b.jpg"));
  EXPECT_EQ(prompt_.asked.size(), 1u);
}

TEST_F(MissingImageTest, IgnoreStopAndCancelSkipTheImage) {
  prompt_.answer = MissingImageAnswer::Ignore;
  EXPECT_FALSE(Locate("/nowhere/x.jpg"));
  EXPECT_FALSE(search_.Stop);
  EXPECT_TRUE(document_->Modified);

  prompt_.answer = MissingImageAnswer::Find;
  prompt_.choice.clear();  // the user cancels the file dialog
  EXPECT_FALSE(Locate("/nowhere/y.jpg"));

  prompt_.answer = MissingImageAnswer::Stop;
  EXPECT_FALSE(Locate("/nowhere/z.jpg"));
  EXPECT_TRUE(search_.Stop);

  // Headless: no prompt means "Ignore".
  MissingImageSearch headless;
  ImageObject image;
  EXPECT_FALSE(LocateMissingImage(headless, image, "/nowhere/z.jpg"));
  // An existing file is just read, with nobody asked.
  document_->Modified = 0;
  prompt_.asked.clear();
  EXPECT_TRUE(Locate(dir_.File("moved/a.jpg")));
  EXPECT_TRUE(prompt_.asked.empty());
  EXPECT_FALSE(document_->Modified);
}

TEST_F(MissingImageTest, ExtendedFormatsWithoutTheImporterAreSkippedWithOneNotice) {
  test::RecordingSink sink;
  ScopedMessageSink scope(&sink);
  EXPECT_FALSE(Locate(dir_.File("one.png")));
  EXPECT_FALSE(Locate(dir_.File("two.PNG")));
  EXPECT_FALSE(Locate(dir_.File("three.psd")));
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_NE(sink.texts[0].find("QuickTime Version 5.0"), std::string::npos);
  EXPECT_TRUE(prompt_.asked.empty());
}

}  // namespace
}  // namespace tl
