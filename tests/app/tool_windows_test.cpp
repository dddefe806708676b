// The tool windows as a user meets them: the Window menu's show and hide
// commands with their texts and check mark, the information window and
// the preview following the current image, the preview's zoom list, its
// "+" and "-", wheel and colour management, the main window's shortcuts
// working from a tool window, and the windows' places kept over a restart.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>
#include <filesystem>

#include "app/document/gp_doc.h"
#include "app/shell/command_actions.h"
#include "app/shell/main_frame.h"
#include "app/shell/tool_windows.h"
#include "app/windows/image_info_wnd.h"
#include "app/windows/image_preview_wnd.h"
#include "app/windows/preview_pane.h"
#include "imaging/format_image_item.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "tests/app/app_fixture.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

constexpr int kShowInformation = 10607, kHideInformation = 10608;
constexpr int kShowPreview = 10609, kHidePreview = 10610;
constexpr int kDecodeWaitMs = 5000;

class ToolWindows : public AppTest {
 protected:
  // A contact sheet with a landscape and a portrait photograph.
  CGPDoc* SheetWithPhotos(int width = 1600, int height = 1200) {
    CGPDoc* doc = NewLayout();
    EXPECT_NE(doc, nullptr);
    fs::create_directories(Folder() + "/photos");
    landscape_ = Folder() + "/photos/a landscape.jpg";
    portrait_ = Folder() + "/photos/b portrait.jpg";
    EXPECT_TRUE(WritePhoto(landscape_, width, height));
    EXPECT_TRUE(WritePhoto(portrait_, height, width));
    prompts_->Images.push_back({landscape_, portrait_});
    Trigger(kCmdGetImage);
    return doc;
  }

  CImageInfoWnd* Information() { return App().ToolWindows().Information(); }
  CImagePreviewWnd* Preview() { return App().ToolWindows().Preview(); }

  CommandState State(int id) { return App().Router().State(id); }

  // Lets the preview's decode finish.
  bool DecodeSettles() {
    QElapsedTimer timer;
    timer.start();
    while (Preview() && Preview()->Decoding() && timer.elapsed() < kDecodeWaitMs)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    Settle();
    return Preview() && !Preview()->Decoding();
  }

  std::string AllowedZoomItems() {
    auto* model = qobject_cast<QStandardItemModel*>(Preview()->ZoomList()->model());
    std::string s;
    for (int item = 0; item < Preview()->ZoomList()->count(); ++item) s += model->item(item)->isEnabled() ? '1' : '.';
    return s;
  }

  std::string landscape_, portrait_;
};

TEST_F(ToolWindows, InformationWindowFollowsTheCurrentImage) {
  Start();
  SheetWithPhotos();
  EXPECT_EQ(State(kCmdShowImageInformation).TextId, kShowInformation);
  EXPECT_FALSE(State(kCmdShowImageInformation).Checked);
  ASSERT_TRUE(Trigger(kCmdShowImageInformation));
  ASSERT_NE(Information(), nullptr);
  EXPECT_TRUE(Information()->isVisible());
  EXPECT_EQ(State(kCmdShowImageInformation).TextId, kHideInformation);
  EXPECT_TRUE(State(kCmdShowImageInformation).Checked);
  EXPECT_EQ(App().Preferences().infoShow, 1);
  EXPECT_EQ(Information()->List()->topLevelItemCount(), kImageItemCount);

  Trigger(kCmdSelectAll);  // the last image selected becomes the current one
  EXPECT_EQ(Information()->Value(kItemName), "b portrait.jpg");
  EXPECT_EQ(Information()->Value(kItemNumber), "2");
  Trigger(kCmdSelectNone);
  EXPECT_EQ(Information()->Value(kItemName), "");
  Trigger(kCmdSelectAll);
  Trigger(kCmdEditClear);  // deleted: no current image
  EXPECT_EQ(Information()->Value(kItemName), "");
  Trigger(kCmdUndo);
  EXPECT_EQ(Information()->Value(kItemName), "b portrait.jpg");

  ASSERT_TRUE(Trigger(kCmdShowImageInformation));
  EXPECT_EQ(Information(), nullptr);
  EXPECT_EQ(State(kCmdShowImageInformation).TextId, kShowInformation);
  EXPECT_EQ(App().Preferences().infoShow, 0);
}

TEST_F(ToolWindows, ClosingAWindowByItsTitleBarHidesIt) {
  Start();
  Trigger(kCmdShowImagePreview);
  Trigger(kCmdShowImageInformation);
  ASSERT_NE(Preview(), nullptr);
  EXPECT_EQ(State(kCmdShowImagePreview).TextId, kHidePreview);
  EXPECT_FALSE(State(kCmdShowImagePreview).Checkable) << "only the information item carries a check mark";
  Preview()->close();
  Information()->close();
  Settle();
  EXPECT_EQ(Preview(), nullptr);
  EXPECT_EQ(Information(), nullptr);
  EXPECT_EQ(App().Preferences().scopeShow, 0);
  EXPECT_EQ(App().Preferences().infoShow, 0);
  EXPECT_EQ(State(kCmdShowImagePreview).TextId, kShowPreview);
  EXPECT_EQ(Frame().Actions().Action(kCmdShowImagePreview)->text(), QString::fromUtf8(StringText(kShowPreview).data()));
}

TEST_F(ToolWindows, PreviewOffersTheZoomsThePictureAllows) {
  Start();
  SheetWithPhotos(1600, 1200);
  Trigger(kCmdShowImagePreview);
  ASSERT_NE(Preview(), nullptr);
  EXPECT_FALSE(Preview()->ZoomList()->isEnabled()) << "no current image: everything disabled";
  Trigger(kCmdSelectAll);
  Trigger(kCmdSelectNone);
  // The landscape photograph as the current image.
  LayoutDocument& d = *Active()->Layout();
  for (LayoutObject* o : d.Objects)
    if (ImageObject* image = AsImage(o); image && image->ImagePath == landscape_) d.CurrentImage = image;
  Active()->UpdateAllViews();
  ASSERT_TRUE(DecodeSettles());
  CImagePreviewWnd& preview = *Preview();
  EXPECT_TRUE(preview.Pane()->HasFullPicture());
  EXPECT_EQ(AllowedZoomItems(), "111111.....") << "1600 x 1200 fits the 450 pane at 1/4";
  EXPECT_EQ(preview.ZoomList()->currentIndex(), kZoomAll);
  EXPECT_FALSE(preview.ZoomInButton()->isEnabled());
  EXPECT_FALSE(preview.ZoomOutButton()->isEnabled());
  EXPECT_TRUE(preview.ColorManagement()->isChecked()) << "ticked when the window opens";

  emit preview.ZoomList()->activated(kZoomActual);
  EXPECT_EQ(preview.Pane()->PictureRect().size(), QSize(1600, 1200));
  EXPECT_FALSE(preview.ZoomInButton()->isEnabled());
  EXPECT_TRUE(preview.ZoomOutButton()->isEnabled());
  QTest::mouseClick(preview.ZoomOutButton(), Qt::LeftButton);
  EXPECT_EQ(preview.ZoomList()->currentText(), "66.67%");
  // The wheel: towards the user zooms out, away from the user in.
  QWidget* viewport = preview.Pane()->viewport();
  const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
  QWheelEvent towards(at, viewport->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
  QCoreApplication::sendEvent(viewport, &towards);
  EXPECT_EQ(preview.ZoomList()->currentText(), "50%");
  QWheelEvent away(at, viewport->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                   false);
  QCoreApplication::sendEvent(viewport, &away);
  QCoreApplication::sendEvent(viewport, &away);
  EXPECT_EQ(preview.ZoomList()->currentText(), "100%");
  QCoreApplication::sendEvent(viewport, &away);
  EXPECT_EQ(preview.ZoomList()->currentText(), "100%") << "+ stops at 100 %";
  emit preview.ZoomList()->activated(9);  // "6.25%" is not offered
  EXPECT_EQ(preview.ZoomList()->currentIndex(), kZoomAll);

  // Colour management off decodes again, unmatched.
  QTest::mouseClick(preview.ColorManagement(), Qt::LeftButton);
  EXPECT_FALSE(preview.ColorManagement()->isChecked());
  EXPECT_TRUE(preview.Decoding());
  ASSERT_TRUE(DecodeSettles());
  EXPECT_TRUE(preview.Pane()->HasFullPicture());
  EXPECT_FALSE(preview.ColorManagement()->isChecked());
}

TEST_F(ToolWindows, SmallPicturesOfferAllAndActualSizeOnly) {
  Start();
  SheetWithPhotos(300, 200);
  Trigger(kCmdShowImagePreview);
  Trigger(kCmdSelectAll);
  ASSERT_TRUE(DecodeSettles());
  EXPECT_EQ(AllowedZoomItems(), "11.........");
  emit Preview()->ZoomList()->activated(kZoomActual);
  EXPECT_FALSE(Preview()->ZoomInButton()->isEnabled());
  EXPECT_FALSE(Preview()->ZoomOutButton()->isEnabled());
  // The portrait picture sets the pane's minimum height.
  EXPECT_GE(Preview()->Pane()->height(), 451);
}

TEST_F(ToolWindows, AVanishedFileShowsWhatIsKnownAndTheLoadsMessage) {
  Start();
  SheetWithPhotos();
  Trigger(kCmdShowImageInformation);
  Trigger(kCmdShowImagePreview);
  fs::remove(portrait_);
  const size_t before = sink_->Shown.size();
  Trigger(kCmdSelectAll);
  ASSERT_TRUE(DecodeSettles());
  EXPECT_EQ(Information()->Value(kItemName), "b portrait.jpg");
  EXPECT_FALSE(Information()->Value(kItemPixels).isEmpty());
  ASSERT_EQ(sink_->Shown.size(), before + 1) << "one message for the failed decode";
  EXPECT_EQ(sink_->Shown.back().Icon, MessageIcon::Stop);
  EXPECT_FALSE(Preview()->Pane()->HasPicture());
  EXPECT_FALSE(Preview()->ZoomList()->isEnabled());
  EXPECT_EQ(ImageCount(*Active()->Layout()), 2) << "nothing of the document changes";
}

TEST_F(ToolWindows, ImagePreviewRequestOpensOnlyWhenAskedTo) {
  Start();
  SheetWithPhotos();
  Trigger(kCmdSelectAll);
  emit App().ImagePreviewRequested(false);  // Enter in the view: only an open window
  EXPECT_EQ(Preview(), nullptr);
  emit App().ImagePreviewRequested(true);  // a double click on an image
  ASSERT_NE(Preview(), nullptr);
  EXPECT_EQ(App().Preferences().scopeShow, 1);
  EXPECT_EQ(State(kCmdShowImagePreview).TextId, kHidePreview);
  ASSERT_TRUE(DecodeSettles());
  EXPECT_TRUE(Preview()->Pane()->HasFullPicture());
}

TEST_F(ToolWindows, MainWindowShortcutsWorkFromAToolWindow) {
  Start();
  Trigger(kCmdShowImageInformation);
  CImageInfoWnd* information = Information();
  ASSERT_NE(information, nullptr);
  information->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(information, 2000));
  QTest::keyClick(information->List(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
  Settle();
  ASSERT_NE(Preview(), nullptr) << "Shift+Ctrl+F opened the preview";
  Preview()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Preview(), 2000));
  const int asked = prompts_->TemplateDialogs;
  QTest::keyClick(Preview()->ZoomList(), Qt::Key_N, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(prompts_->TemplateDialogs, asked + 1) << "Ctrl+N asked for a template";
  Preview()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Preview(), 2000));
  QTest::keyClick(Preview()->ZoomList(), Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
  Settle();
  EXPECT_EQ(Information(), nullptr) << "Shift+Ctrl+I hid the information window";
}

TEST_F(ToolWindows, WindowsKeepTheirPlacesAndReopenAfterARestart) {
  Start();
  Trigger(kCmdShowImageInformation);
  Trigger(kCmdShowImagePreview);
  Information()->move(40, 50);
  Preview()->move(90, 60);
  Settle();
  const LPoint info = App().Preferences().infoOrigin;
  const LPoint scope = App().Preferences().scopeOrigin;
  EXPECT_EQ(info, (LPoint{40, 50}));
  Trigger(kCmdShowImageInformation);
  Trigger(kCmdShowImageInformation);
  ASSERT_NE(Information(), nullptr);
  EXPECT_EQ(Information()->frameGeometry().topLeft(), QPoint(info.x, info.y)) << "reopened where it was";

  App().ExitInstance();
  app_.reset();
  Settle();
  Start();
  ASSERT_NE(Information(), nullptr) << "open at the last exit, open again";
  ASSERT_NE(Preview(), nullptr);
  EXPECT_EQ(App().ToolWindows().DirectPrint(), nullptr);
  EXPECT_EQ(Information()->frameGeometry().topLeft(), QPoint(info.x, info.y));
  EXPECT_EQ(Preview()->frameGeometry().topLeft(), QPoint(scope.x, scope.y));
  EXPECT_EQ(State(kCmdShowImageInformation).TextId, kHideInformation);
}

}  // namespace
}  // namespace tl::test
