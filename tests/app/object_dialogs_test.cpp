// The layout and object dialogs as a user meets them: opened by their
// commands, filled in with keys and the mouse, confirmed or cancelled, on
// the real widgets. Setting TL_DIALOG_SHOTS to a folder keeps a picture of
// every dialog there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <functional>

#include "app/dialogs/auto_rotation_dlg.h"
#include "app/dialogs/caption_dlg.h"
#include "app/dialogs/crop_dlg.h"
#include "app/dialogs/crop_preview.h"
#include "app/dialogs/cutoff_lines_dlg.h"
#include "app/dialogs/duplicate_dlg.h"
#include "app/dialogs/free_line_dlg.h"
#include "app/dialogs/free_text_dlg.h"
#include "app/dialogs/header_footer_dlg.h"
#include "app/dialogs/image_alignment_dlg.h"
#include "app/dialogs/image_size_dlg.h"
#include "app/dialogs/image_stamp_dlg.h"
#include "app/dialogs/labels_dlg.h"
#include "app/dialogs/length_dlg.h"
#include "app/dialogs/page_margins_dlg.h"
#include "app/dialogs/go_to_page_dlg.h"
#include "app/document/gp_doc.h"
#include "app/shell/command_actions.h"
#include "app/shell/main_frame.h"
#include "app/view/gp_view.h"
#include "document/selection.h"
#include "document/undo_store.h"
#include "layout/image_geometry.h"
#include "layout/typed_length.h"
#include "layout/units.h"
#include "persistence/layout_writer.h"
#include "render/layout_io.h"
#include "render/screen_page.h"
#include "resources/command_ids.h"
#include "tests/app/app_fixture.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

constexpr int kOutOfRange = 10410;

class ObjectDialogs : public AppTest {
 protected:
  void TearDown() override {
    watches_.clear();
    AppTest::TearDown();
  }

  // A new layout from `templateName` with `count` photographs.
  LayoutDocument& Sheet(int count, const std::string& templateName = "Contact Sheet A4.qlt") {
    if (!app_) Start();
    CGPDoc* doc = NewLayout(templateName);
    EXPECT_NE(doc, nullptr);
    if (count > 0) {
      fs::create_directories(Folder() + "/photos");
      for (int i = 0; i < count; ++i)
        EXPECT_TRUE(WritePhoto(Folder() + "/photos/p" + std::to_string(i) + ".jpg", 120 + 40 * i, 90));
      prompts_->Images.push_back({Folder() + "/photos"});
      Trigger(kCmdGetImage);
    }
    return *doc->Layout();
  }

  std::vector<ImageObject*> Images(LayoutDocument& d) {
    std::vector<ImageObject*> images;
    for (LayoutObject* o : d.Objects)
      if (ImageObject* image = AsImage(o)) images.push_back(image);
    return images;
  }

  void SelectOnly(LayoutDocument& d, std::initializer_list<LayoutObject*> objects) {
    for (LayoutObject* o : d.Objects) o->Selected = 0;
    for (LayoutObject* o : objects) {
      o->Selected = 1;
      if (ImageObject* image = AsImage(o)) d.CurrentImage = image;
    }
    RecountSelection(d);
    Frame().Actions().Update();
  }

  // The layout as Save would write it.
  std::string Saved(const LayoutDocument& d) {
    std::string xml;
    EXPECT_TRUE(LayoutFileText(Folder() + "/compare.qlf", d, {}, xml));
    return xml;
  }

  // Runs `act` on the first modal dialog of type D once it shows; the
  // watch gives up after a few seconds so a dialog that never shows fails
  // the test instead of hanging it.
  template <class D>
  void WhenModal(std::function<void(D*)> act) {
    auto timer = std::make_unique<QTimer>();
    QTimer* watch = timer.get();
    auto left = std::make_shared<int>(400);
    seen_ = false;
    QObject::connect(watch, &QTimer::timeout, [this, watch, act, left] {
      if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
        watch->stop();
        seen_ = true;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        act(dialog);
        // A dialog the act left open is closed, so the test goes on.
        if (dialog->isVisible()) dialog->reject();
      } else if (--*left <= 0) {
        watch->stop();
      }
    });
    watch->start(10);
    watches_.push_back(std::move(timer));
  }

  // Opens the dialog of `command`, lets `act` work in it, and says whether
  // it showed.
  template <class D>
  bool Run(int command, std::function<void(D*)> act) {
    WhenModal<D>(std::move(act));
    Trigger(command);
    return seen_;
  }

  static QLineEdit* Edit(QWidget* dialog, const char* name) {
    auto* edit = dialog->findChild<QLineEdit*>(name);
    EXPECT_TRUE(edit) << name;
    return edit;
  }
  // Types `text` over what the edit holds.
  static void Type(QWidget* dialog, const char* name, const QString& text) {
    QLineEdit* edit = Edit(dialog, name);
    if (!edit) return;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }
  template <class W>
  static void Click(QWidget* dialog, const char* name) {
    auto* w = dialog->findChild<W*>(name);
    ASSERT_TRUE(w) << name;
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
  }
  static void Choose(QWidget* dialog, const char* comboName, int index) {
    auto* combo = dialog->findChild<QComboBox*>(comboName);
    ASSERT_TRUE(combo) << comboName;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  static void Ok(QDialog* dialog) {
    auto* box = dialog->findChild<QDialogButtonBox*>();
    ASSERT_TRUE(box);
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
  }
  static void Cancel(QDialog* dialog) {
    auto* box = dialog->findChild<QDialogButtonBox*>();
    ASSERT_TRUE(box);
    QTest::mouseClick(box->button(QDialogButtonBox::Cancel), Qt::LeftButton);
  }
  // A refused OK: the dialog stays and the edit named has the focus with
  // its text selected.
  static void ExpectRefusedOn(QDialog* dialog, const char* editName) {
    EXPECT_TRUE(dialog->isVisible());
    QLineEdit* edit = Edit(dialog, editName);
    EXPECT_EQ(QApplication::focusWidget(), edit) << editName;
    if (edit) {
      EXPECT_EQ(edit->selectedText(), edit->text());
    }
  }
  static void Shot(QWidget* dialog, const char* name) {
    if (const char* folder = std::getenv("TL_DIALOG_SHOTS"))
      dialog->grab().save(QString::fromLocal8Bit(folder) + '/' + name + ".png");
  }

  std::vector<std::unique_ptr<QTimer>> watches_;
  bool seen_ = false;
};

TEST_F(ObjectDialogs, PageMarginsAreTypedInTheLayoutsUnitAndRefusedWhenTheyCannotPrint) {
  LayoutDocument& d = Sheet(2);
  const LRect printer = d.PrinterMargins;
  const LRect margins = d.LayoutMargin;
  const int32_t mode = d.LayoutMarginMode;
  ASSERT_TRUE(Run<CPageMarginsDlg>(kCmdPageMargins, [&](CPageMarginsDlg* dialog) {
    Shot(dialog, "page_margins");
    Click<QRadioButton>(dialog, "manualRadio");
    EXPECT_TRUE(Edit(dialog, "leftEdit")->isEnabled());
    for (const char* name : {"leftEdit", "topEdit", "rightEdit", "bottomEdit"}) Type(dialog, name, "0");
    Ok(dialog);
    ExpectRefusedOn(dialog, "leftEdit");
    EXPECT_TRUE(sink_->Saw(kOutOfRange));
    EXPECT_EQ(Edit(dialog, "bottomEdit")->text().toStdString(), LengthText(printer.bottom, kUnitMillimetre))
        << "the values shown at opening come back";
    Type(dialog, "leftEdit", "20");
    Type(dialog, "rightEdit", "25.5");
    Ok(dialog);
    EXPECT_FALSE(dialog->isVisible());
  }));
  EXPECT_EQ(d.LayoutMarginMode, 1);
  EXPECT_EQ(d.LayoutMargin.left, 283);
  EXPECT_EQ(d.LayoutMargin.right, 361);
  EXPECT_EQ(d.LayoutMargin.bottom, printer.bottom);
  EXPECT_TRUE(Trigger(kCmdUndo));
  EXPECT_EQ(d.LayoutMargin, margins);
  EXPECT_EQ(d.LayoutMarginMode, mode);
}

TEST_F(ObjectDialogs, ImageAlignmentRearrangesAndCorrectsASpacingTooWide) {
  LayoutDocument& d = Sheet(3);
  ASSERT_TRUE(Run<CImageAlignmentDlg>(kCmdImageAlignment, [&](CImageAlignmentDlg* dialog) {
    Shot(dialog, "image_alignment");
    Click<QRadioButton>(dialog, "leftRadio");
    Type(dialog, "horizontalSpacingEdit", "5000");
    Ok(dialog);
    ExpectRefusedOn(dialog, "horizontalSpacingEdit");
    EXPECT_EQ(Edit(dialog, "horizontalSpacingEdit")->text().toStdString(),
              LengthText(d.PrintableRect.Width() * 3 / 4, kUnitMillimetre));
    EXPECT_EQ(sink_->beeps, 1);
    Type(dialog, "horizontalSpacingEdit", "2");
    Ok(dialog);
  }));
  EXPECT_EQ(d.AlignHorizontal, kAlignLeft);
  EXPECT_EQ(d.AlignHorizontalSpacing, 28);
  std::vector<ImageObject*> images = Images(d);
  EXPECT_EQ(images[0]->Origin.x, d.PrintableRect.left);
  EXPECT_EQ(images[1]->Origin.x, images[0]->Origin.x + images[0]->Size.cx + 28);

  Trigger(kCmdFreeLayout);
  EXPECT_FALSE(Enabled(kCmdImageAlignment)) << "alignment is for automatic layout";
}

TEST_F(ObjectDialogs, AutomaticRotationSetsTheLayoutOrTheDefaultsWhenNoneIsOpen) {
  LayoutDocument& d = Sheet(0);
  ASSERT_TRUE(Run<CAutoRotationDlg>(kCmdAutoRotation, [&](CAutoRotationDlg* dialog) {
    Shot(dialog, "auto_rotation");
    const QString shown = QStringLiteral("rotation%1Radio").arg(d.AutoRotation);
    EXPECT_TRUE(dialog->findChild<QRadioButton*>(shown)->isChecked()) << "the layout's own setting";
    Click<QRadioButton>(dialog, "rotation3Radio");
    Ok(dialog);
  }));
  EXPECT_EQ(d.AutoRotation, 3);
  EXPECT_EQ(d.Modified, 1);

  d.Modified = 0;
  Trigger(kCmdFileClose);
  Settle();
  ASSERT_EQ(Active(), nullptr);
  ASSERT_TRUE(Enabled(kCmdAutoRotation));
  ASSERT_TRUE(Run<CAutoRotationDlg>(kCmdAutoRotation, [&](CAutoRotationDlg* dialog) {
    Click<QRadioButton>(dialog, "rotation1Radio");
    Ok(dialog);
  }));
  EXPECT_EQ(App().Preferences().ApplicationDefaultDocument->AutoRotation, 1);
}

TEST_F(ObjectDialogs, TheBannerLengthStaysWithinItsLimits) {
  Sheet(0, "Contact Sheet A4.qlt");
  EXPECT_FALSE(Enabled(kCmdBannerLength)) << "only banners have a length";
  LayoutDocument& banner = Sheet(2, "Banner Roll 210 mm.qlt");
  ASSERT_EQ(banner.Banner, 1);
  ASSERT_TRUE(Enabled(kCmdBannerLength));
  ASSERT_TRUE(Run<CLengthDlg>(kCmdBannerLength, [&](CLengthDlg* dialog) {
    Shot(dialog, "length");
    EXPECT_EQ(dialog->findChild<QLabel*>("maxLabel")->text().toStdString(),
              LengthText(30000, kUnitMillimetre) + " mm");
    Type(dialog, "lengthEdit", "5000");
    Ok(dialog);
    ExpectRefusedOn(dialog, "lengthEdit");
    EXPECT_EQ(Edit(dialog, "lengthEdit")->text().toStdString(), LengthText(30000, kUnitMillimetre));
    Type(dialog, "lengthEdit", "1500");
    Ok(dialog);
  }));
  EXPECT_EQ(banner.PageHeight, 21260);
  EXPECT_FALSE(UndoAvailable(banner));
}

TEST_F(ObjectDialogs, ImageSizeResizesTheSelectedImagesAndTheDefaults) {
  LayoutDocument& d = Sheet(3);
  EXPECT_FALSE(Enabled(kCmdImageSize));
  Trigger(kCmdSelectAll);
  std::vector<ImageObject*> images = Images(d);
  ASSERT_TRUE(Run<CImageSizeDlg>(kCmdImageSize, [&](CImageSizeDlg* dialog) {
    Shot(dialog, "image_size");
    Type(dialog, "widthEdit", "5");  // below 141 units
    Ok(dialog);
    ExpectRefusedOn(dialog, "widthEdit");
    EXPECT_TRUE(sink_->Saw(kOutOfRange));
    Click<QCheckBox>(dialog, "constrainCheck");
    Type(dialog, "widthEdit", "60");
    Type(dialog, "heightEdit", "60");
    dialog->findChild<QTabWidget*>("tabs")->setCurrentIndex(1);
    Shot(dialog, "image_size_frame");
    Click<QRadioButton>(dialog, "frameCustomRadio");
    for (const char* name : {"frameLeftEdit", "frameTopEdit", "frameRightEdit", "frameBottomEdit"})
      Type(dialog, name, "2");
    Ok(dialog);
  }));
  for (ImageObject* image : images) {
    EXPECT_EQ(image->FrameSetting, kFrameCustom);
    EXPECT_EQ(image->FrameRect, (LRect{28, 28, 28, 28}));
    EXPECT_EQ(image->Size, (LSize{850, 850}));
    EXPECT_EQ(image->SizeRatio, 0);
  }
  EXPECT_EQ(UndoChangeCode(d), kUndoImageGeometry);

  ASSERT_TRUE(Run<CImageSizeDlg>(kCmdDefaultImageSize, [&](CImageSizeDlg* dialog) {
    Click<QRadioButton>(dialog, "ratioRadio");
    EXPECT_FALSE(Edit(dialog, "widthEdit")->isEnabled());
    Type(dialog, "widthPercentEdit", "25");
    EXPECT_EQ(Edit(dialog, "heightPercentEdit")->text(), "25") << "constrained";
    Ok(dialog);
  }));
  EXPECT_EQ(d.DefaultImageSettings->SizeMethod, kSizeRelative);
  EXPECT_EQ(d.DefaultImageSettings->SizeRelative, (LSize{250, 250}));
  EXPECT_FALSE(UndoAvailable(d));
}

TEST_F(ObjectDialogs, CropIsDrawnOnThePreviewAndRefusedWithoutAWidth) {
  LayoutDocument& d = Sheet(1);
  ImageObject* image = Images(d)[0];
  SelectOnly(d, {image});
  const LSize before = image->Size;
  ASSERT_TRUE(Run<CCropDlg>(kCmdCrop, [&](CCropDlg* dialog) {
    Choose(dialog, "unitCombo", kUnitPixels);
    EXPECT_EQ(Edit(dialog, "widthEdit")->text(), "120");
    CCropPreview* preview = dialog->Preview();
    const QPoint from = preview->ToWidget(30, 20).toPoint(), to = preview->ToWidget(90, 70).toPoint();
    QTest::mousePress(preview, Qt::LeftButton, {}, from);
    QTest::mouseMove(preview, to);
    QTest::mouseRelease(preview, Qt::LeftButton, {}, to);
    Shot(dialog, "crop");
    EXPECT_NEAR(Edit(dialog, "xEdit")->text().toInt(), 30, 2);
    EXPECT_NEAR(Edit(dialog, "widthEdit")->text().toInt(), 60, 2);
    // Dragging inside moves the part kept without changing its size.
    const QPoint inside = preview->ToWidget(60, 45).toPoint();
    QTest::mousePress(preview, Qt::LeftButton, {}, inside);
    QTest::mouseMove(preview, inside + QPoint(200, 0));
    QTest::mouseRelease(preview, Qt::LeftButton, {}, inside + QPoint(200, 0));
    EXPECT_EQ(preview->Kept().right, 120) << "kept on the picture";
    EXPECT_NEAR(Edit(dialog, "widthEdit")->text().toInt(), 60, 2);
    Type(dialog, "heightEdit", "0");
    Ok(dialog);
    ExpectRefusedOn(dialog, "heightEdit");
    EXPECT_TRUE(sink_->Saw(kCropEmptySide));
    Type(dialog, "heightEdit", "45");
    Ok(dialog);
  }));
  EXPECT_EQ(image->CropMode, kCropCut);
  EXPECT_EQ(image->CropArea.right, 0);
  EXPECT_EQ(90 - image->CropArea.top - image->CropArea.bottom, 45);
  EXPECT_NE(image->Size, before);
  Trigger(kCmdUndo);
  EXPECT_EQ(image->CropMode, kCropNone);
}

TEST_F(ObjectDialogs, DuplicateNumberMakesTheCopiesOneUndoTakesAway) {
  LayoutDocument& d = Sheet(2);
  SelectOnly(d, {Images(d)[0]});
  ASSERT_TRUE(Run<CDuplicateDlg>(kCmdDuplicateNumber, [&](CDuplicateDlg* dialog) {
    Shot(dialog, "duplicate");
    Type(dialog, "countEdit", "1000");
    Ok(dialog);
    ExpectRefusedOn(dialog, "countEdit");
    EXPECT_EQ(Edit(dialog, "countEdit")->text(), "999");
    Type(dialog, "countEdit", "3");
    Ok(dialog);
  }));
  EXPECT_EQ(ImageCount(d), 5);
  Trigger(kCmdUndo);
  EXPECT_EQ(ImageCount(d), 2);
}

TEST_F(ObjectDialogs, SpecifiedPageJumpsToATypedPage) {
  LayoutDocument& d = Sheet(0);
  Trigger(kCmdFreeLayout);
  Trigger(kCmdInsertPageBehind);
  Trigger(kCmdInsertPageBehind);
  ASSERT_EQ(d.PageNumber, 3);
  ASSERT_TRUE(Run<CSpecifiedPageDlg>(kCmdSpecifiedPage, [&](CSpecifiedPageDlg* dialog) {
    Shot(dialog, "go_to_page");
    EXPECT_EQ(dialog->findChild<QLabel*>("pageCountLabel")->text(), "/ 3 Page");
    Type(dialog, "pageEdit", "0");
    Ok(dialog);
    ExpectRefusedOn(dialog, "pageEdit");
    EXPECT_EQ(Edit(dialog, "pageEdit")->text(), "1");
    Type(dialog, "pageEdit", "3");
    Ok(dialog);
  }));
  EXPECT_EQ(Active()->View()->CurrentPage(), 2);
}

TEST_F(ObjectDialogs, LabelsAndCaptionsGoToTheSelectedImages) {
  LayoutDocument& d = Sheet(2);
  Trigger(kCmdSelectAll);
  ASSERT_TRUE(Run<CLabelsDlg>(kCmdLabels, [&](CLabelsDlg* dialog) {
    auto* items = dialog->findChild<QListWidget*>("itemList");
    EXPECT_EQ(items->count(), 10) << "no Exif items for pictures without Exif data";
    Choose(dialog, "presetCombo", 6);  // "Number - Name"
    EXPECT_EQ(items->item(1)->checkState(), Qt::Checked);
    const QString sample = dialog->findChild<QLabel*>("sampleLabel")->text();
    EXPECT_TRUE(sample.startsWith("Number: ")) << sample.toStdString();
    EXPECT_TRUE(sample.contains("Name: p")) << sample.toStdString();
    Shot(dialog, "labels");
    // Ticking one more item makes the set a custom one.
    QListWidgetItem* created = items->item(2);
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualItemRect(created).center());
    created->setCheckState(Qt::Checked);
    EXPECT_EQ(dialog->findChild<QComboBox*>("presetCombo")->currentText(), "Number - Name - Created");
    Ok(dialog);
  }));
  for (ImageObject* image : Images(d)) {
    EXPECT_EQ(image->LabelItems, 0x7);
    EXPECT_NE(image->LabelText.find("Created: "), std::string::npos);
  }
  EXPECT_EQ(UndoChangeCode(d), kUndoLabels);

  ImageObject* first = Images(d)[0];
  ASSERT_TRUE(Run<CCaptionDlg>(kCmdCaption, [&](CCaptionDlg* dialog) {
    auto* location = dialog->findChild<QComboBox*>("locationCombo");
    auto* model = qobject_cast<QStandardItemModel*>(location->model());
    EXPECT_FALSE(model->item(location->findData(first->LabelLocation))->isEnabled()) << "the label's side";
    Type(dialog, "captionEdit", "Harbour");
    Shot(dialog, "caption");
    Ok(dialog);
  }));
  for (ImageObject* image : Images(d)) EXPECT_EQ(image->CaptionString, "Harbour");

  ASSERT_TRUE(Run<CLabelsDlg>(kCmdDefaultLabels, [&](CLabelsDlg* dialog) {
    EXPECT_EQ(dialog->findChild<QListWidget*>("itemList")->count(), 25);
    Choose(dialog, "presetCombo", 1);
    Ok(dialog);
  }));
  EXPECT_EQ(d.DefaultImageSettings->LabelItems, 0x1);
}

TEST_F(ObjectDialogs, FreeTextIsInsertedOnTheVisiblePageAndEdited) {
  LayoutDocument& d = Sheet(1);
  EXPECT_FALSE(Enabled(kCmdEditFreeText));
  // Cancel inserts nothing.
  ASSERT_TRUE(Run<CFreeTextDlg>(kCmdInsertFreeText, [&](CFreeTextDlg* dialog) {
    QTest::keyClicks(dialog->findChild<QPlainTextEdit*>("textEdit"), "gone");
    Cancel(dialog);
  }));
  const int objects = ObjectCount(d.Objects);
  EXPECT_EQ(objects, ImageCount(d));
  ASSERT_TRUE(Run<CFreeTextDlg>(kCmdInsertFreeText, [&](CFreeTextDlg* dialog) {
    auto* text = dialog->findChild<QPlainTextEdit*>("textEdit");
    QTest::keyClicks(text, "Summer");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "2024");
    Click<QToolButton>(dialog, "boldButton");
    EXPECT_TRUE(text->font().bold()) << "the box shows the text as it will print";
    Type(dialog, "angleEdit", "500");
    Shot(dialog, "free_text");
    Ok(dialog);
    ExpectRefusedOn(dialog, "angleEdit");
    Type(dialog, "angleEdit", "15");
    Ok(dialog);
  }));
  FreeTextObject* text = nullptr;
  for (LayoutObject* o : d.Objects)
    if (AsFreeText(o)) text = AsFreeText(o);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->String, "Summer\r\n2024");
  EXPECT_EQ(text->Style.FontFace, kFaceBold);
  EXPECT_EQ(text->Angle, 15);
  const LRect shown = Active()->View()->VisiblePageArea();
  EXPECT_GE(text->Origin.x, shown.left);
  EXPECT_LE(text->Origin.x + text->Size.cx, shown.right);
  ASSERT_TRUE(Enabled(kCmdEditFreeText)) << "the new text is selected";

  ASSERT_TRUE(Run<CFreeTextDlg>(kCmdEditFreeText, [&](CFreeTextDlg* dialog) {
    auto* edit = dialog->findChild<QPlainTextEdit*>("textEdit");
    EXPECT_EQ(edit->toPlainText(), "Summer\n2024");
    edit->setPlainText(QString(200, 'W'));
    Choose(dialog, "sizeCombo", dialog->findChild<QComboBox*>("sizeCombo")->count() - 1);  // 420 points
    Ok(dialog);
    EXPECT_TRUE(dialog->isVisible()) << "a line wider than 45.5 inches";
    EXPECT_TRUE(sink_->Saw(10681));
    edit->setPlainText("Autumn");
    Ok(dialog);
  }));
  EXPECT_EQ(text->String, "Autumn");
  EXPECT_EQ(UndoChangeCode(d), kUndoImageGeometry);
  Trigger(kCmdUndo);
  EXPECT_EQ(text->String, "Summer\r\n2024");
}

TEST_F(ObjectDialogs, FreeLinesAreInsertedAndEditedOneAtATime) {
  LayoutDocument& d = Sheet(1);
  for (int i = 0; i < 2; ++i)
    ASSERT_TRUE(Run<CFreeLineDlg>(kCmdInsertFreeLine, [&](CFreeLineDlg* dialog) {
      Click<QRadioButton>(dialog, "arrowMark2Radio");
      Click<QToolButton>(dialog, "arrowType3Button");
      Click<QToolButton>(dialog, "dashButton");
      Type(dialog, "thicknessEdit", "0");
      Ok(dialog);
      ExpectRefusedOn(dialog, "thicknessEdit");
      Type(dialog, "thicknessEdit", "20");
      EXPECT_FALSE(dialog->Sample()->pixmap().isNull());
      Shot(dialog, "free_line");
      Ok(dialog);
    }));
  std::vector<FreeLineObject*> lines;
  for (LayoutObject* o : d.Objects)
    if (FreeLineObject* line = AsFreeLine(o)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]->ArrowMark, kArrowBothSide);
  EXPECT_EQ(lines[0]->ArrowAngle, 60);
  EXPECT_EQ(lines[0]->ArrowFill, 0);
  EXPECT_EQ(lines[0]->LineStyle, kLineDash);
  EXPECT_EQ(lines[0]->Thickness, 20);

  SelectOnly(d, {lines[0], lines[1]});
  EXPECT_FALSE(Enabled(kCmdEditFreeLine)) << "two free lines";
  SelectOnly(d, {lines[1], Images(d)[0]});
  ASSERT_TRUE(Enabled(kCmdEditFreeLine)) << "one free line among images";
  ASSERT_TRUE(Run<CFreeLineDlg>(kCmdEditFreeLine, [&](CFreeLineDlg* dialog) {
    Type(dialog, "angleEdit", "-90");
    Ok(dialog);
  }));
  EXPECT_EQ(lines[1]->Angle, -90);
  EXPECT_EQ(lines[0]->Angle, 45);
}

TEST_F(ObjectDialogs, HeaderAndFooterArePrintedAndCancelForgetsTheSnapshot) {
  LayoutDocument& d = Sheet(1);
  const std::string before = Saved(d);
  ASSERT_TRUE(Run<CHeaderFooterDlg>(kCmdHeaderFooter, [&](CHeaderFooterDlg* dialog) {
    EXPECT_TRUE(UndoAvailable(d)) << "the snapshot is taken as the dialog opens";
    dialog->findChild<QPlainTextEdit*>("footerTextEdit")->setPlainText("Changed");
    Cancel(dialog);
  }));
  EXPECT_FALSE(UndoAvailable(d));
  EXPECT_EQ(Saved(d), before);

  ASSERT_TRUE(Run<CHeaderFooterDlg>(kCmdHeaderFooter, [&](CHeaderFooterDlg* dialog) {
    dialog->findChild<QPlainTextEdit*>("footerTextEdit")->setPlainText("Proof sheet @");
    dialog->findChild<QCheckBox*>("footerTextCheck")->setChecked(true);
    dialog->findChild<QCheckBox*>("footerDatePageCheck")->setChecked(true);
    Click<QCheckBox>(dialog, "footerFixedDateCheck");
    EXPECT_TRUE(dialog->findChild<QLabel*>("footerDateLabel")->text().startsWith(": "));
    Type(dialog, "footerHeightEdit", "0.1");
    Ok(dialog);
    ExpectRefusedOn(dialog, "footerHeightEdit");
    Type(dialog, "footerHeightEdit", "8");
    Shot(dialog, "header_footer");
    Ok(dialog);
  }));
  EXPECT_EQ(d.Footer.Enabled, 1);
  EXPECT_EQ(d.Footer.Offset, 113);
  EXPECT_EQ(d.Footer.UseFixedDate, 1);
  EXPECT_EQ(d.Footer.WorkText.rfind("Proof sheet @\r\n", 0), 0u);
  // The footer shows on the page the view draws.
  ScreenView view = Active()->View()->ScreenState();
  const QImage page = RenderScreenPage(d, view, QRect(QPoint(0, 0), view.ClientSize));
  const PageDrawContext c = ScreenDrawContext(d, view);
  const QRect band = c.MapOnPage({d.PrintableRect.left, d.PrintableRect.bottom - 113, d.PrintableRect.right,
                                  d.PrintableRect.bottom});
  int ink = 0;
  for (int y = band.top(); y <= band.bottom(); ++y)
    for (int x = band.left(); x <= band.right(); ++x)
      if (page.rect().contains(x, y) && qGray(page.pixel(x, y)) < 128) ++ink;
  EXPECT_GT(ink, 10);
}

TEST_F(ObjectDialogs, CutoffLinesOfferTheirControlsForTheirMode) {
  LayoutDocument& d = Sheet(1);
  prompts_->Colors.push_back(MakeColor(200, 0, 0));
  ASSERT_TRUE(Run<CCutoffLinesDlg>(kCmdCutoffLines, [&](CCutoffLinesDlg* dialog) {
    EXPECT_TRUE(dialog->findChild<QPushButton*>("helpButton"));
    EXPECT_FALSE(Edit(dialog, "lengthEdit")->isEnabled());
    Click<QRadioButton>(dialog, "othersRadio");
    EXPECT_TRUE(Edit(dialog, "lengthEdit")->isEnabled()) << "At Corner is the default type";
    Click<QRadioButton>(dialog, "aroundImageRadio");
    EXPECT_FALSE(Edit(dialog, "lengthEdit")->isEnabled());
    Click<QRadioButton>(dialog, "atCornerRadio");
    Type(dialog, "lengthEdit", "x");
    Ok(dialog);
    ExpectRefusedOn(dialog, "lengthEdit");
    Type(dialog, "lengthEdit", "3");
    QTest::mouseClick(dialog->findChild<QPushButton*>("colorButton"), Qt::LeftButton);
    Shot(dialog, "cutoff_lines");
    Ok(dialog);
  }));
  EXPECT_EQ(d.CutLineMode, kCutLineOthers);
  EXPECT_EQ(d.CutLineOthersType, kCutAtCorner);
  EXPECT_EQ(d.CutLineCornerLength, 43);
  EXPECT_EQ(d.CutLineColor, MakeColor(200, 0, 0));
  EXPECT_EQ(UndoChangeCode(d), kUndoCutLines);
}

TEST_F(ObjectDialogs, TheStampPictureIsChosenPreviewedAndPlaced) {
  LayoutDocument& d = Sheet(1);
  ASSERT_TRUE(WritePhoto(Folder() + "/logo.jpg", 80, 40));
  prompts_->StampPictures.push_back(Folder() + "/logo.jpg");
  ASSERT_TRUE(Run<CImageStampDlg>(kCmdImageStamp, [&](CImageStampDlg* dialog) {
    EXPECT_FALSE(dialog->findChild<QPushButton*>("chooseButton")->isEnabled()) << "off until In Use";
    Click<QRadioButton>(dialog, "inUseRadio");
    QTest::mouseClick(dialog->findChild<QPushButton*>("chooseButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog->PreviewLabel()->pixmap().isNull());
    EXPECT_FALSE(Edit(dialog, "widthEdit")->isEnabled());
    Click<QRadioButton>(dialog, "manualRadio");
    dialog->findChild<QCheckBox*>("constrainCheck")->setChecked(false);
    Type(dialog, "xEdit", "5");
    Type(dialog, "yEdit", "5");
    Type(dialog, "widthEdit", "20");
    Type(dialog, "heightEdit", "10");
    Shot(dialog, "image_stamp");
    Ok(dialog);
  }));
  EXPECT_EQ(d.ImageStampInUse, 1);
  EXPECT_EQ(d.ImageStampFileName, Folder() + "/logo.jpg");
  EXPECT_EQ(d.ImageStampSettings, 1);
  EXPECT_EQ(d.ImageStampSize, (LSize{283, 142}));
  EXPECT_EQ(UndoChangeCode(d), kUndoImageStamp);
}

// What the issue promises: a decorated contact sheet built with the
// dialogs alone, saved, and read back as it was made.
TEST_F(ObjectDialogs, ADecoratedContactSheetIsBuiltWithTheDialogsAlone) {
  LayoutDocument& d = Sheet(4);
  Trigger(kCmdSelectAll);
  Run<CImageSizeDlg>(kCmdImageSize, [](CImageSizeDlg* dialog) {
    Type(dialog, "widthEdit", "60");
    Ok(dialog);
  });
  Run<CLabelsDlg>(kCmdLabels, [](CLabelsDlg* dialog) {
    Choose(dialog, "presetCombo", 6);  // "Number - Name"
    Ok(dialog);
  });
  Run<CCaptionDlg>(kCmdCaption, [](CCaptionDlg* dialog) {
    Type(dialog, "captionEdit", "Harbour");
    Ok(dialog);
  });
  Run<CFreeTextDlg>(kCmdInsertFreeText, [](CFreeTextDlg* dialog) {
    QTest::keyClicks(dialog->findChild<QPlainTextEdit*>("textEdit"), "Summer 2024");
    Ok(dialog);
  });
  Run<CFreeLineDlg>(kCmdInsertFreeLine, [](CFreeLineDlg* dialog) {
    Click<QRadioButton>(dialog, "arrowMark1Radio");
    Ok(dialog);
  });
  ASSERT_TRUE(WritePhoto(Folder() + "/logo.jpg", 40, 20));
  prompts_->StampPictures.push_back(Folder() + "/logo.jpg");
  Run<CImageStampDlg>(kCmdImageStamp, [](CImageStampDlg* dialog) {
    Click<QRadioButton>(dialog, "inUseRadio");
    QTest::mouseClick(dialog->findChild<QPushButton*>("chooseButton"), Qt::LeftButton);
    Click<QRadioButton>(dialog, "manualRadio");
    Type(dialog, "widthEdit", "10");
    Ok(dialog);
  });
  Run<CHeaderFooterDlg>(kCmdHeaderFooter, [](CHeaderFooterDlg* dialog) {
    dialog->findChild<QPlainTextEdit*>("headerTextEdit")->setPlainText("Proof");
    dialog->findChild<QCheckBox*>("headerTextCheck")->setChecked(true);
    dialog->findChild<QCheckBox*>("footerDatePageCheck")->setChecked(true);
    Ok(dialog);
  });
  Run<CCutoffLinesDlg>(kCmdCutoffLines, [](CCutoffLinesDlg* dialog) {
    Click<QRadioButton>(dialog, "othersRadio");
    Ok(dialog);
  });
  if (const char* folder = std::getenv("TL_DIALOG_SHOTS"))
    Frame().grab().save(QString::fromLocal8Bit(folder) + "/decorated_sheet.png");

  const std::string path = Folder() + "/decorated.qlf";
  prompts_->SaveAsPaths.push_back(path);
  Trigger(kCmdFileSaveAs);
  DocumentPtr read = LoadRenderedLayoutFile(path);
  ASSERT_TRUE(read);
  int images = 0, texts = 0, lines = 0;
  for (const LayoutObject* o : read->Objects) {
    if (const ImageObject* image = AsImage(o)) {
      ++images;
      EXPECT_EQ(image->LabelItems, 0x3);
      EXPECT_EQ(image->CaptionString, "Harbour");
      // Fitted into 60 mm by the current picture's proportions.
      EXPECT_LE(image->Size.cx, 850);
      EXPECT_LE(image->Size.cy, 319);
    }
    if (const FreeTextObject* text = AsFreeText(o)) texts += text->String == "Summer 2024";
    if (const FreeLineObject* line = AsFreeLine(o)) lines += line->ArrowMark == kArrowOneSide;
  }
  EXPECT_EQ(images, 4);
  EXPECT_EQ(texts, 1);
  EXPECT_EQ(lines, 1);
  EXPECT_EQ(read->ImageStampInUse, 1);
  EXPECT_EQ(read->ImageStampSize.cx, 142);
  EXPECT_EQ(read->Header.Text, "Proof");
  EXPECT_EQ(read->Header.DispText, 1);
  EXPECT_EQ(read->Footer.DispDatePage, 1);
  EXPECT_EQ(read->CutLineMode, kCutLineOthers);
  EXPECT_EQ(Saved(*read), Saved(d)) << "the file holds the layout as it was made";
}

// Every dialog, changed and cancelled, leaves the layout as it was.
TEST_F(ObjectDialogs, CancelLeavesTheLayoutExactlyAsItWas) {
  LayoutDocument& d = Sheet(2);
  Trigger(kCmdSelectAll);
  const std::string before = Saved(d);
  const auto typeEverything = [](QDialog* dialog) {
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
      if (edit->isEnabled() && !edit->isReadOnly()) {
        edit->selectAll();
        QTest::keyClicks(edit, "7");
      }
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
      if (radio->isEnabled() && !radio->isChecked()) radio->click();
    Cancel(dialog);
  };
  struct Case {
    int command;
    std::function<void()> watch;
  };
  const Case cases[] = {
      {kCmdPageMargins, [&] { WhenModal<CPageMarginsDlg>(typeEverything); }},
      {kCmdImageAlignment, [&] { WhenModal<CImageAlignmentDlg>(typeEverything); }},
      {kCmdAutoRotation, [&] { WhenModal<CAutoRotationDlg>(typeEverything); }},
      {kCmdImageSize, [&] { WhenModal<CImageSizeDlg>(typeEverything); }},
      {kCmdDefaultImageSize, [&] { WhenModal<CImageSizeDlg>(typeEverything); }},
      {kCmdCrop, [&] { WhenModal<CCropDlg>(typeEverything); }},
      {kCmdDuplicateNumber, [&] { WhenModal<CDuplicateDlg>(typeEverything); }},
      {kCmdLabels, [&] { WhenModal<CLabelsDlg>(typeEverything); }},
      {kCmdDefaultLabels, [&] { WhenModal<CLabelsDlg>(typeEverything); }},
      {kCmdCaption, [&] { WhenModal<CCaptionDlg>(typeEverything); }},
      {kCmdDefaultCaption, [&] { WhenModal<CCaptionDlg>(typeEverything); }},
      {kCmdCutoffLines, [&] { WhenModal<CCutoffLinesDlg>(typeEverything); }},
      {kCmdImageStamp, [&] { WhenModal<CImageStampDlg>(typeEverything); }},
      {kCmdInsertFreeText, [&] { WhenModal<CFreeTextDlg>(typeEverything); }},
      {kCmdInsertFreeLine, [&] { WhenModal<CFreeLineDlg>(typeEverything); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    ASSERT_TRUE(Enabled(c.command));
    c.watch();
    Trigger(c.command);
    EXPECT_TRUE(seen_);
    EXPECT_EQ(Saved(d), before);
  }
}

}  // namespace
}  // namespace tl::test
