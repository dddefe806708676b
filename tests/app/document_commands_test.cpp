// The layout commands as their menus run them: each reaches its engine
// operation, takes its undo snapshot, follows its enabled rule and shows
// its state; Replace Image keeps what the user gave the image; the recent
// file list opens what was saved and forgets what is gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/recent_files.h"
#include "document/selection.h"
#include "resources/command_ids.h"
#include "tests/app/app_fixture.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

class DocumentCommands : public AppTest {
 protected:
  // A new contact sheet with `count` photographs.
  LayoutDocument& SheetWithPhotos(int count) {
    Start();
    CGPDoc* doc = NewLayout();
    EXPECT_NE(doc, nullptr);
    fs::create_directories(Folder() + "/photos");
    for (int i = 0; i < count; ++i) EXPECT_TRUE(WritePhoto(Folder() + "/photos/p" + std::to_string(i) + ".jpg"));
    prompts_->Images.push_back({Folder() + "/photos"});
    Trigger(kCmdGetImage);
    return *doc->Layout();
  }

  std::vector<ImageObject*> Images(LayoutDocument& d) {
    std::vector<ImageObject*> images;
    for (LayoutObject* o : d.Objects)
      if (ImageObject* image = AsImage(o)) images.push_back(image);
    return images;
  }
};

TEST_F(DocumentCommands, BackgroundColourIsUndoneAndCarriesOverToNewLayouts) {
  LayoutDocument& d = SheetWithPhotos(1);
  prompts_->Colors.push_back(MakeColor(10, 20, 30));
  Trigger(kCmdPaperOthers);
  EXPECT_EQ(d.PaperColor, MakeColor(10, 20, 30));
  EXPECT_EQ(App().Preferences().ApplicationDefaultDocument->PaperColor, MakeColor(10, 20, 30));
  Trigger(kCmdPaperBlack);
  EXPECT_EQ(d.PaperColor, 0u);
  Trigger(kCmdUndo);
  EXPECT_EQ(d.PaperColor, MakeColor(10, 20, 30));
  // A cancelled colour dialog changes nothing.
  Trigger(kCmdPaperOthers);
  EXPECT_EQ(d.PaperColor, MakeColor(10, 20, 30));
}

TEST_F(DocumentCommands, LayoutModeCarriesItsCheckMarkAndRules) {
  LayoutDocument& d = SheetWithPhotos(2);
  EXPECT_TRUE(App().Router().State(kCmdAutomaticLayout).Checked);
  EXPECT_FALSE(Enabled(kCmdSnapAtGrid)) << "snapping is for free layout";
  EXPECT_TRUE(Enabled(kCmdSortFileName));
  Trigger(kCmdFreeLayout);
  EXPECT_EQ(d.Free, 1);
  EXPECT_TRUE(App().Router().State(kCmdFreeLayout).Checked);
  EXPECT_TRUE(Enabled(kCmdSnapAtGrid));
  EXPECT_FALSE(Enabled(kCmdSortFileName)) << "sorting is for automatic layout";
  EXPECT_FALSE(Enabled(kCmdAutomaticLayout)) << "images placed by hand stay";
  EXPECT_EQ(App().Router().State(kCmdSnapAtGrid).TextId, 15023);
  Trigger(kCmdSnapAtGrid);
  EXPECT_EQ(App().Router().State(kCmdSnapAtGrid).TextId, 15024);
}

TEST_F(DocumentCommands, EditCommandsReachTheLayout) {
  LayoutDocument& d = SheetWithPhotos(3);
  EXPECT_FALSE(Enabled(kCmdEditPaste));
  Trigger(kCmdSelectAll);
  EXPECT_EQ(d.SelectedImageCount, 3);
  Trigger(kCmdEditCopy);
  EXPECT_TRUE(Enabled(kCmdEditPaste));
  Trigger(kCmdSelectNone);
  Trigger(kCmdEditPaste);
  EXPECT_EQ(ImageCount(d), 6);
  Trigger(kCmdUndo);
  EXPECT_EQ(ImageCount(d), 3);
  Trigger(kCmdSelectAllImages);
  Trigger(kCmdEditClear);
  EXPECT_EQ(ImageCount(d), 0);
  EXPECT_EQ(d.Modified, 1);
  Trigger(kCmdUndo);
  EXPECT_EQ(ImageCount(d), 3);
}

TEST_F(DocumentCommands, RotationNeedsSelectedImages) {
  LayoutDocument& d = SheetWithPhotos(2);
  EXPECT_FALSE(Enabled(kCmdRotate90CW));
  Trigger(kCmdSelectAll);
  ASSERT_TRUE(Enabled(kCmdRotate90CW));
  Trigger(kCmdRotate90CW);
  for (ImageObject* image : Images(d)) EXPECT_NE(image->RotateFlip & kRotateMask, 0);
  Trigger(kCmdOriginalDirection);
  for (ImageObject* image : Images(d)) EXPECT_EQ(image->RotateFlip & kRotateMask, 0);
}

TEST_F(DocumentCommands, ReplaceImageKeepsWhatTheImageWasGiven) {
  LayoutDocument& d = SheetWithPhotos(2);
  ImageObject* first = Images(d)[0];
  first->CaptionString = "Wedding";
  first->ColorTune = {1, 2, 3};
  first->Selected = 1;
  RecountSelection(d);
  ASSERT_TRUE(WritePhoto(Folder() + "/other.jpg", 96, 64));
  prompts_->Replacements.push_back(Folder() + "/other.jpg");
  Trigger(kCmdReplaceImage);
  ASSERT_EQ(ImageCount(d), 2);
  ImageObject* replaced = Images(d)[0];
  EXPECT_EQ(replaced->ImagePath, Folder() + "/other.jpg");
  EXPECT_EQ(replaced->CaptionString, "Wedding");
  EXPECT_EQ(replaced->ColorTune, (std::array<int16_t, 3>{1, 2, 3}));
  EXPECT_EQ(replaced->ImageNumber, 1);
  Trigger(kCmdUndo);
  EXPECT_EQ(Images(d)[0]->ImagePath, Folder() + "/photos/p0.jpg");

  // A file that is no picture leaves the image as it was.
  Images(d)[0]->Selected = 1;
  RecountSelection(d);
  std::ofstream(Folder() + "/bad.jpg") << "no picture";
  prompts_->Replacements.push_back(Folder() + "/bad.jpg");
  Trigger(kCmdReplaceImage);
  EXPECT_EQ(Images(d)[0]->ImagePath, Folder() + "/photos/p0.jpg");
  EXPECT_EQ(ImageCount(d), 2);
}

TEST_F(DocumentCommands, RecentFilesOpenWhatWasSavedAndForgetWhatIsGone) {
  Start();
  for (const char* name : {"/one.qlf", "/two.qlf"}) {
    NewLayout();
    prompts_->SaveAsPaths.push_back(Folder() + name);
    ASSERT_TRUE(Active()->SaveAs());
  }
  ASSERT_EQ(App().RecentFiles().Paths().front(), Folder() + "/two.qlf");
  Trigger(kCmdFileClose);
  EXPECT_TRUE(Enabled(kCmdRecentFirst + 1));
  EXPECT_FALSE(Enabled(kCmdRecentFirst + 2));
  Trigger(kCmdRecentFirst + 1);
  ASSERT_NE(Active(), nullptr);
  EXPECT_EQ(Active()->Layout()->DocumentPath, Folder() + "/one.qlf");

  fs::remove(Folder() + "/two.qlf");
  Trigger(kCmdRecentFirst + 1);  // two.qlf, now second
  EXPECT_EQ(App().RecentFiles().Paths().size(), 1u);
}

}  // namespace
}  // namespace tl::test
