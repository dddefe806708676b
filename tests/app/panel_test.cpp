// The print and colour settings as a user meets them: the side panel of a
// layout window and the dialogs behind "More...", Print Preferences and the
// colour commands, driven with keys and the mouse on the offscreen platform
// against a real IPP printer; and a print set up entirely in the program,
// printed, saved, reopened and printed again.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "app/dialogs/color_controls.h"
#include "app/dialogs/image_color_dlg.h"
#include "app/dialogs/input_color_dlg.h"
#include "app/dialogs/output_color_dlg.h"
#include "app/dialogs/print_preferences_dlg.h"
#include "app/dialogs/tone_tuning_dlg.h"
#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/panels/main_form_view.h"
#include "app/shell/child_frame.h"
#include "app/shell/main_frame.h"
#include "color/lcms_handles.h"
#include "document/selection.h"
#include "print/driver_items.h"
#include "resources/command_ids.h"
#include "tests/app/app_fixture.h"
#include "tests/print/ipp_printer.h"

namespace tl::test {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kGlossy = 3;
constexpr int32_t kA3 = 8;
constexpr int kPrinterNotAvailable = 40014;

// Moves a closed list to `index` with the arrow keys, as a user does.
void ChooseIndex(QComboBox* combo, int index) {
  ASSERT_GE(index, 0);
  ASSERT_LT(index, combo->count());
  combo->setFocus();
  while (combo->currentIndex() != index) {
    const int before = combo->currentIndex();
    QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_NE(combo->currentIndex(), before) << "the list did not move";
  }
}

// Picks the entry whose data is `data`.
void Choose(QComboBox* combo, const QVariant& data) {
  const int target = combo->findData(data);
  ASSERT_GE(target, 0) << data.toString().toStdString();
  ChooseIndex(combo, target);
}

// Clicks a button; a check box or radio button on its indicator, as the
// rest of a stretched one takes no clicks.
void Click(QAbstractButton* button) {
  ASSERT_TRUE(button);
  ASSERT_TRUE(button->isEnabled());
  const bool indicator = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
  const QPoint at = indicator ? QPoint(button->height() / 2, button->height() / 2) : button->rect().center();
  QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void ClickOk(QDialogButtonBox* buttons) { Click(buttons->button(QDialogButtonBox::Ok)); }

class PanelTest : public AppTest {
 protected:
  static void SetUpTestSuite() { printer_ = StartSuitePrinter(PhotoPrinterAttributes(), "Panel Test Photo"); }
  static void TearDownTestSuite() {
    delete printer_;
    printer_ = nullptr;
  }

  void SetUp() override {
    AppTest::SetUp();
    if (!IppPrinter::Available()) GTEST_SKIP() << kNoIppPrinter;
    ASSERT_NE(printer_, nullptr) << "the IPP printer did not start";
    setenv(kExtraPrintersVariable, printer_->Uri().c_str(), 1);
    // The printer recommends Glossy_Photo.icc for its glossy paper; the
    // user's colour folder has it.
    const std::string colors = std::string(std::getenv("XDG_DATA_HOME")) + "/icc";
    fs::create_directories(colors);
    WriteProfile(colors + "/Glossy_Photo.icc", "Glossy Photo Paper");
    WriteProfile(colors + "/Studio.icc", "Studio Printer");
  }
  void TearDown() override {
    watches_.clear();
    AppTest::TearDown();
    unsetenv(kExtraPrintersVariable);
  }

  static void WriteProfile(const std::string& path, const char* description) {
    const ProfilePtr profile(cmsCreate_sRGBProfile());
    cmsSetDeviceClass(profile.get(), cmsSigOutputClass);
    cmsMLU* text = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(text, "en", "US", description);
    cmsWriteTag(profile.get(), cmsSigProfileDescriptionTag, text);
    cmsMLUfree(text);
    ASSERT_TRUE(cmsSaveProfileToFile(profile.get(), path.c_str()));
  }

  // A new contact sheet on the IPP printer, with `photos` photographs.
  CGPDoc* Sheet(int photos = 0) {
    Start();
    CGPDoc* doc = NewLayout();
    EXPECT_NE(doc, nullptr);
    if (!doc) return nullptr;
    if (photos > 0) {
      fs::create_directories(Folder() + "/photos");
      for (int i = 0; i < photos; ++i)
        EXPECT_TRUE(WritePhoto(Folder() + "/photos/p" + std::to_string(i) + ".jpg", 320, 240));
      prompts_->Images.push_back({Folder() + "/photos"});
      Trigger(kCmdGetImage);
    }
    if (doc->Layout()->PrinterName != printer_->Uri()) {
      Choose(Panel()->PrinterCombo(), QString::fromStdString(printer_->Uri()));
      Settle();
    }
    EXPECT_EQ(doc->Layout()->PrinterName, printer_->Uri());
    return doc;
  }

  CMainFormView* Panel() { return Active()->Frame()->SidePanel(); }
  LayoutDocument& Layout() { return *Active()->Layout(); }

  // Runs `act` on the first modal dialog of type D once it shows; the
  // caller then opens it. Gives up after a few seconds, so that a dialog
  // that never shows fails the test instead of hanging it.
  template <class D>
  void WhenModal(std::function<void(D*)> act, bool* seen = nullptr) {
    auto timer = std::make_unique<QTimer>();
    QTimer* watch = timer.get();
    auto left = std::make_shared<int>(400);
    QObject::connect(watch, &QTimer::timeout, [watch, act, seen, left] {
      if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
        watch->stop();
        if (seen) *seen = true;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        act(dialog);
        if (dialog->isVisible()) dialog->reject();
      } else if (--*left <= 0) {
        watch->stop();
      }
    });
    watch->start(10);
    watches_.push_back(std::move(timer));
  }

  std::vector<ReceivedJob> NewJobs() {
    std::vector<ReceivedJob> jobs = printer_->Jobs();
    std::vector<ReceivedJob> fresh;
    for (const ReceivedJob& job : jobs)
      if (job.Id > lastJob_) fresh.push_back(job);
    if (!jobs.empty()) lastJob_ = jobs.back().Id;
    return fresh;
  }

  static inline IppPrinter* printer_ = nullptr;
  static inline int lastJob_ = 0;
  std::vector<std::unique_ptr<QTimer>> watches_;
};

TEST_F(PanelTest, SectionsCloseToTheirHeaders) {
  ASSERT_TRUE(Sheet());
  CMainFormView* panel = Panel();
  QToolButton* print = panel->SectionHeader(CMainFormView::kPrintSettings);
  QToolButton* color = panel->SectionHeader(CMainFormView::kColorManagement);
  QToolButton* templates = panel->SectionHeader(CMainFormView::kTemplateSettings);
  EXPECT_EQ(print->text(), "Print Settings");
  EXPECT_EQ(color->text(), "Color Management");
  EXPECT_EQ(templates->text(), "Template Settings");
  const int colorTop = color->mapTo(panel->widget(), QPoint()).y();
  const int templatesTop = templates->mapTo(panel->widget(), QPoint()).y();

  Click(print);
  Settle();
  EXPECT_FALSE(panel->SectionOpen(CMainFormView::kPrintSettings));
  EXPECT_FALSE(panel->SectionBody(CMainFormView::kPrintSettings)->isVisible());
  EXPECT_EQ(print->height(), CMainFormView::kHeaderHeight);
  const int moved = colorTop - color->mapTo(panel->widget(), QPoint()).y();
  EXPECT_GT(moved, 100);
  EXPECT_EQ(templatesTop - templates->mapTo(panel->widget(), QPoint()).y(), moved);

  Click(print);
  Settle();
  EXPECT_TRUE(panel->SectionBody(CMainFormView::kPrintSettings)->isVisible());
  EXPECT_EQ(color->mapTo(panel->widget(), QPoint()).y(), colorTop);
}

TEST_F(PanelTest, PanelShowsTheLayoutsPrinterAndAppliesEachChangeAtOnce) {
  CGPDoc* doc = Sheet(3);
  ASSERT_TRUE(doc);
  CMainFormView* panel = Panel();
  LayoutDocument& d = Layout();
  EXPECT_EQ(panel->PrinterCombo()->currentData().toString().toStdString(), printer_->Uri());
  EXPECT_EQ(panel->PaperSizeCombo()->currentData().toInt(), kA4PaperId);
  EXPECT_EQ(panel->TemplateTable()->item(2, 1)->text().toStdString(), printer_->Uri());

  Choose(panel->PaperSizeCombo(), kA3);
  Settle();
  EXPECT_EQ(d.PaperSizeID, kA3);
  EXPECT_EQ(d.PageHeight, TenthMillimetresToLayout(4200));
  EXPECT_EQ(d.PrintableRect.bottom, d.PageHeight - d.PrinterMargins.bottom);
  EXPECT_EQ(d.Modified, 1);

  Click(panel->LandscapeButton());
  Settle();
  EXPECT_EQ(d.Orientation, kLandscape);
  EXPECT_EQ(d.PageWidth, TenthMillimetresToLayout(4200));
  EXPECT_EQ(panel->TemplateTable()->item(7, 1)->text(), "Landscape");

  // Roll paper: banner mode with its length controls.
  EXPECT_FALSE(panel->PaperLengthGroup()->isEnabled());
  Choose(panel->FeederCombo(), kSourceRoll);
  Settle();
  EXPECT_EQ(d.Banner, 1);
  ASSERT_TRUE(panel->PaperLengthGroup()->isEnabled());
  const int32_t sheet = d.PageWidth;
  panel->BannerCountSpin()->setFocus();
  QTest::keyClick(panel->BannerCountSpin(), Qt::Key_Up);
  Settle();
  EXPECT_EQ(d.PageWidth, 2 * sheet);
  EXPECT_EQ(panel->TemplateTable()->item(5, 1)->text(), "2");
  Choose(panel->FeederCombo(), kSourceMain);
  Settle();
  EXPECT_EQ(d.Banner, 0);
  EXPECT_FALSE(panel->PaperLengthGroup()->isEnabled());

  Choose(panel->MediaTypeCombo(), kGlossy);
  Settle();
  EXPECT_EQ(d.MediaTypeID, kGlossy);
  EXPECT_EQ(d.OutputPrinterProfile, "Glossy_Photo.icc");
}

TEST_F(PanelTest, DriverMatchingGreysThePrinterProfileList) {
  ASSERT_TRUE(Sheet());
  CMainFormView* panel = Panel();
  LayoutDocument& d = Layout();
  // By application first, with a profile of the user's.
  bool seen = false;
  WhenModal<COutputColorDlg>(
      [](COutputColorDlg* dialog) {
        Click(dialog->ByApplication());
        EXPECT_TRUE(dialog->PrinterCombo()->isEnabled());
        const int studio = dialog->PrinterCombo()->findText("Studio Printer");
        ASSERT_GT(studio, 1);
        ChooseIndex(dialog->PrinterCombo(), studio);
        ClickOk(dialog->Buttons());
      },
      &seen);
  Click(panel->ColorMoreButton());
  Settle();
  ASSERT_TRUE(seen);
  EXPECT_EQ(d.OutputPrinterControls, kByApplication);
  EXPECT_EQ(d.OutputPrinterProfile, "Studio.icc");
  EXPECT_TRUE(panel->PrinterProfileCombo()->isEnabled());
  EXPECT_EQ(panel->PrinterProfileCombo()->currentText(), "Studio Printer");

  seen = false;
  WhenModal<COutputColorDlg>(
      [](COutputColorDlg* dialog) {
        EXPECT_EQ(dialog->PrinterCombo()->currentText(), "Studio Printer");
        Click(dialog->ByPrinterDriver());
        EXPECT_FALSE(dialog->PrinterCombo()->isEnabled());
        EXPECT_EQ(dialog->PrinterCombo()->currentIndex(), 0);
        ClickOk(dialog->Buttons());
      },
      &seen);
  Trigger(kCmdOutputColorManagement);
  ASSERT_TRUE(seen);
  EXPECT_EQ(d.OutputPrinterControls, kByPrinterDriver);
  EXPECT_FALSE(panel->PrinterProfileCombo()->isEnabled());
  EXPECT_EQ(panel->PrinterProfileCombo()->currentText(), "Recommended by ORVEX");
}

TEST_F(PanelTest, PrintPreferencesRoundTrip) {
  ASSERT_TRUE(Sheet());
  CMainFormView* panel = Panel();
  LayoutDocument& d = Layout();
  bool seen = false;
  WhenModal<CPrintPreferencesDlg>(
      [](CPrintPreferencesDlg* dialog) {
        Choose(dialog->PaperSizeCombo(), kA3);
        dialog->Tabs()->setCurrentIndex(1);
        Choose(dialog->MediaTypeCombo(), kGlossy);
        Click(dialog->ModeButtons()->button(kModePhoto));
        Click(dialog->InkButtons()->button(kInkBlack));
        EXPECT_NE(dialog->Summary()->text().indexOf("Photo"), -1);
        ClickOk(dialog->Buttons());
      },
      &seen);
  Click(panel->PrintMoreButton());
  Settle();
  ASSERT_TRUE(seen);
  EXPECT_EQ(d.PaperSizeID, kA3);
  EXPECT_EQ(d.MediaTypeID, kGlossy);
  EXPECT_EQ(d.AutoMode, kModePhoto);
  EXPECT_EQ(d.Color, kInkBlack);
  EXPECT_EQ(panel->PaperSizeCombo()->currentData().toInt(), kA3);
  EXPECT_EQ(panel->MediaTypeCombo()->currentData().toInt(), kGlossy);
  EXPECT_EQ(panel->TemplateTable()->item(8, 1)->text(), "Black");

  // Opened again, it shows what OK stored; Cancel changes nothing.
  seen = false;
  WhenModal<CPrintPreferencesDlg>(
      [](CPrintPreferencesDlg* dialog) {
        EXPECT_EQ(dialog->PaperSizeCombo()->currentData().toInt(), kA3);
        EXPECT_TRUE(dialog->ModeButtons()->button(kModePhoto)->isChecked());
        Choose(dialog->PaperSizeCombo(), kA4PaperId);
        Click(dialog->Buttons()->button(QDialogButtonBox::Cancel));
      },
      &seen);
  Trigger(kCmdPrintPreferences);
  ASSERT_TRUE(seen);
  EXPECT_EQ(d.PaperSizeID, kA3);
}

TEST_F(PanelTest, APrinterThatGoesAwayLeavesTheLayoutAsItWas) {
  IppPrinter passing;
  ASSERT_TRUE(passing.Start(PhotoPrinterAttributes(), "Passing Printer"));
  setenv(kExtraPrintersVariable, (passing.Uri() + " " + printer_->Uri()).c_str(), 1);
  ASSERT_TRUE(Sheet());
  CMainFormView* panel = Panel();
  LayoutDocument& d = Layout();
  Choose(panel->PrinterCombo(), QString::fromStdString(passing.Uri()));
  Settle();
  ASSERT_EQ(d.PrinterName, passing.Uri());

  // Gone while Print Preferences is open: OK is refused, the dialog stays.
  bool seen = false;
  WhenModal<CPrintPreferencesDlg>(
      [&](CPrintPreferencesDlg* dialog) {
        Choose(dialog->PaperSizeCombo(), kA3);
        passing.Stop();
        ClickOk(dialog->Buttons());
        EXPECT_TRUE(dialog->isVisible());
      },
      &seen);
  Trigger(kCmdPrintPreferences);
  ASSERT_TRUE(seen);
  EXPECT_EQ(d.PrinterName, passing.Uri());
  EXPECT_EQ(d.PaperSizeID, kA4PaperId);
  ASSERT_FALSE(sink_->Shown.empty());
  EXPECT_EQ(sink_->Shown.back().Text, StringWith(kPrinterNotAvailable, {passing.Uri()}));

  // "Refresh" finds it gone and takes the first listed printer.
  Click(panel->RefreshButton());
  Settle();
  EXPECT_EQ(d.PrinterName, printer_->Uri());
  EXPECT_EQ(panel->PrinterCombo()->currentData().toString().toStdString(), printer_->Uri());
  EXPECT_EQ(panel->PrinterCombo()->findData(QString::fromStdString(passing.Uri())), -1);
}

TEST_F(PanelTest, ColourDialogsRoundTrip) {
  ASSERT_TRUE(Sheet(2));
  LayoutDocument& d = Layout();
  SelectObjects(d, kSelectAllImages);
  ImageObject* image = d.CurrentImage;
  ASSERT_NE(image, nullptr);

  // Input Color Management: the defaults for images to come.
  bool seen = false;
  WhenModal<CInputColorDlg>(
      [](CInputColorDlg* dialog) {
        EXPECT_EQ(dialog->OutputProfiles()->PrinterText()->text(), "Printer color space");
        Click(dialog->UseVdxCheck());
        Click(dialog->Simulation()->Methods()->button(1));  // CMYK
        EXPECT_TRUE(dialog->Simulation()->CmykRow()->isEnabled());
        EXPECT_FALSE(dialog->Simulation()->RgbRow()->isEnabled());
        ChooseIndex(dialog->Simulation()->CmykRow()->IntentCombo(), 2);
        ClickOk(dialog->Buttons());
      },
      &seen);
  Trigger(kCmdInputColorManagement);
  ASSERT_TRUE(seen);
  EXPECT_EQ(d.InputSimMethod, 1);
  EXPECT_EQ(d.InputSimIntent, 3);
  EXPECT_EQ(d.InputSrcUseVdx, 0);

  // Image Color Management on the current image; undone as one step.
  seen = false;
  WhenModal<CImageColorDlg>(
      [](CImageColorDlg* dialog) {
        EXPECT_FALSE(dialog->Sources()->button(int(ImageSource::Vividex))->isEnabled());
        EXPECT_FALSE(dialog->Sources()->button(int(ImageSource::EmbeddedProfile))->isEnabled());
        EXPECT_TRUE(dialog->RgbRow()->isEnabled());
        ChooseIndex(dialog->RgbRow()->IntentCombo(), 1);
        Click(dialog->Simulation()->Methods()->button(2));  // RGB
        ClickOk(dialog->Buttons());
      },
      &seen);
  Trigger(kCmdImageColorManagement);
  ASSERT_TRUE(seen);
  EXPECT_EQ(image->ImageSrcIntent, 2);
  EXPECT_EQ(image->ImageSimMethod, 2);
  Trigger(kCmdUndo);
  image = d.CurrentImage ? d.CurrentImage : AsImage(d.Objects.Head);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->ImageSimMethod, 0);

  // Color Tone Tuning: the sliders live only for custom tuning.
  SelectObjects(d, kSelectAllImages);
  seen = false;
  WhenModal<CToneTuningDlg>(
      [](CToneTuningDlg* dialog) {
        EXPECT_FALSE(dialog->Slider(0)->isEnabled());
        Click(dialog->Modes()->button(kTuningCustom));
        ASSERT_TRUE(dialog->Slider(0)->isEnabled());
        dialog->Slider(0)->setFocus();
        QTest::keyClick(dialog->Slider(0), Qt::Key_Right);
        QTest::keyClick(dialog->Slider(0), Qt::Key_Right);
        EXPECT_FALSE(dialog->Preview()->pixmap().isNull());
        ClickOk(dialog->Buttons());
      },
      &seen);
  Trigger(kCmdColorToneTuning);
  ASSERT_TRUE(seen);
  for (LayoutObject* object : d.Objects) {
    if (ImageObject* tuned = AsImage(object)) {
      EXPECT_EQ(tuned->ColorTuneMode, kTuningCustom);
      EXPECT_EQ(tuned->ColorTune[0], 2);
    }
  }

  // The colour-matched view rebuilds the selected previews.
  std::vector<const OffscreenBitmap*> before;
  for (LayoutObject* object : d.Objects)
    if (ImageObject* shown = AsImage(object)) before.push_back(shown->Preview.get());
  ASSERT_TRUE(Trigger(kCmdColorMatchedView));
  size_t i = 0;
  for (LayoutObject* object : d.Objects)
    if (ImageObject* shown = AsImage(object)) {
      EXPECT_NE(shown->Preview.get(), before[i++]);
    }
}

// A print set up entirely in the program reaches the printer, and again
// the same once the layout is saved, closed and reopened. Matched by the
// program, the job tells the driver not to match again; left to the
// driver, it does not.
TEST_F(PanelTest, APrintSetUpInTheProgramPrintsTheSameAfterReopening) {
  ASSERT_TRUE(Sheet(2));
  CMainFormView* panel = Panel();
  Choose(panel->FeederCombo(), kSourceMain);
  Choose(panel->PaperSizeCombo(), kA3);
  Choose(panel->MediaTypeCombo(), kGlossy);
  Click(panel->LandscapeButton());
  Settle();

  bool seen = false;
  WhenModal<CPrintPreferencesDlg>(
      [](CPrintPreferencesDlg* dialog) {
        dialog->Tabs()->setCurrentIndex(1);
        Click(dialog->ModeButtons()->button(kModePhoto));
        ClickOk(dialog->Buttons());
      },
      &seen);
  Click(panel->PrintMoreButton());
  Settle();
  ASSERT_TRUE(seen);

  // Matched by the program with the user's printer profile, chosen in the
  // panel once the dialog allows it.
  seen = false;
  WhenModal<COutputColorDlg>(
      [](COutputColorDlg* dialog) {
        Click(dialog->ByApplication());
        ClickOk(dialog->Buttons());
      },
      &seen);
  Click(panel->ColorMoreButton());
  Settle();
  ASSERT_TRUE(seen);
  const int studio = panel->PrinterProfileCombo()->findText("Studio Printer");
  ASSERT_GT(studio, 0);
  ChooseIndex(panel->PrinterProfileCombo(), studio);
  Settle();

  // The source profile's intent and a CMYK simulation for the images to
  // come; custom tuning on the images there are.
  seen = false;
  WhenModal<CInputColorDlg>(
      [](CInputColorDlg* dialog) {
        ChooseIndex(dialog->SourceRow()->IntentCombo(), 1);
        Click(dialog->Simulation()->Methods()->button(1));
        ClickOk(dialog->Buttons());
      },
      &seen);
  Trigger(kCmdInputColorManagement);
  ASSERT_TRUE(seen);
  SelectObjects(Layout(), kSelectAllImages);
  seen = false;
  WhenModal<CToneTuningDlg>(
      [](CToneTuningDlg* dialog) {
        Click(dialog->Modes()->button(kTuningCustom));
        dialog->Slider(0)->setFocus();
        QTest::keyClick(dialog->Slider(0), Qt::Key_Right);
        ClickOk(dialog->Buttons());
      },
      &seen);
  Trigger(kCmdColorToneTuning);
  ASSERT_TRUE(seen);

  const auto printed = [this] {
    EXPECT_TRUE(Trigger(kCmdFilePrint));
    const std::vector<ReceivedJob> jobs = NewJobs();
    EXPECT_EQ(jobs.size(), 1u);
    return jobs.empty() ? std::map<std::string, std::string>() : jobs[0].Attributes;
  };
  const std::map<std::string, std::string> first = printed();
  ASSERT_FALSE(first.empty());
  const std::string media = first.count("media-col") ? first.at("media-col") : "";
  EXPECT_NE(media.find("x-dimension=29700 y-dimension=42000"), std::string::npos) << media;
  EXPECT_NE(media.find("media-source=main"), std::string::npos) << media;
  EXPECT_NE(media.find("media-type=photographic-glossy"), std::string::npos) << media;
  EXPECT_EQ(first.count("orientation-requested") ? first.at("orientation-requested") : "", "landscape");
  EXPECT_EQ(first.count("print-quality") ? first.at("print-quality") : "", "high");
  EXPECT_EQ(first.count("cm-calibration") ? first.at("cm-calibration") : "", "true");

  const std::string path = Folder() + "/set up in the program.qlf";
  prompts_->SaveAsPaths.push_back(path);
  ASSERT_TRUE(Trigger(kCmdFileSave));
  ASSERT_TRUE(Trigger(kCmdFileClose));
  ASSERT_EQ(Active(), nullptr);
  prompts_->Layouts.push_back(path);
  ASSERT_TRUE(Trigger(kCmdFileOpen));
  ASSERT_NE(Active(), nullptr);
  Settle();

  const LayoutDocument& d = Layout();
  EXPECT_EQ(d.OutputPrinterProfile, "Studio.icc");
  EXPECT_EQ(Panel()->PrinterProfileCombo()->currentText(), "Studio Printer");
  EXPECT_EQ(Panel()->PaperSizeCombo()->currentData().toInt(), kA3);
  EXPECT_TRUE(Panel()->LandscapeButton()->isChecked());
  EXPECT_EQ(d.InputSrcIntent, 2);
  EXPECT_EQ(d.InputSimMethod, 1);
  for (const LayoutObject* object : d.Objects)
    if (const ImageObject* image = AsImage(object)) {
      EXPECT_EQ(image->ColorTuneMode, kTuningCustom);
    }

  const std::map<std::string, std::string> again = printed();
  for (const char* name : {"media-col", "orientation-requested", "print-quality", "print-color-mode", "cm-calibration"})
    EXPECT_EQ(again.count(name) ? again.at(name) : "", first.count(name) ? first.at(name) : "") << name;

  seen = false;
  WhenModal<COutputColorDlg>(
      [](COutputColorDlg* dialog) {
        Click(dialog->ByPrinterDriver());
        ClickOk(dialog->Buttons());
      },
      &seen);
  Trigger(kCmdOutputColorManagement);
  ASSERT_TRUE(seen);
  const std::map<std::string, std::string> byDriver = printed();
  EXPECT_EQ(byDriver.count("cm-calibration"), 0u);
  EXPECT_EQ(byDriver.count("print-quality") ? byDriver.at("print-quality") : "", "high");
}

// Pictures of the panel and the dialogs for a developer to look at (not
// compared), in PNG files under the build folder.
TEST_F(PanelTest, PicturesOfThePanelAndTheDialogs) {
  const char* binary = std::getenv("TL_BINARY_DIR");
  if (!binary) GTEST_SKIP() << "TL_BINARY_DIR is not set";
  ASSERT_TRUE(Sheet(2));
  Frame().resize(1280, 900);
  Settle();
  SelectObjects(Layout(), kSelectAllImages);
  const QString folder = QString::fromStdString(std::string(binary) + "/screenshots/panel");
  QDir().mkpath(folder);
  const auto save = [folder](QWidget* widget, const char* name) {
    QTest::qWait(20);
    const QPixmap picture = widget->grab();
    EXPECT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(folder + "/" + name + ".png"));
  };
  save(Panel(), "side_panel");
  save(Active()->Frame(), "layout_window");
  Choose(Panel()->FeederCombo(), kSourceRoll);
  Settle();
  save(Panel(), "side_panel_banner");

  WhenModal<CPrintPreferencesDlg>([&](CPrintPreferencesDlg* dialog) {
    save(dialog, "print_preferences_paper");
    dialog->Tabs()->setCurrentIndex(1);
    save(dialog, "print_preferences_media");
  });
  Trigger(kCmdPrintPreferences);
  WhenModal<COutputColorDlg>([&](COutputColorDlg* dialog) { save(dialog, "output_color_management"); });
  Trigger(kCmdOutputColorManagement);
  WhenModal<CInputColorDlg>([&](CInputColorDlg* dialog) { save(dialog, "input_color_management"); });
  Trigger(kCmdInputColorManagement);
  WhenModal<CImageColorDlg>([&](CImageColorDlg* dialog) { save(dialog, "image_color_management"); });
  Trigger(kCmdImageColorManagement);
  WhenModal<CToneTuningDlg>([&](CToneTuningDlg* dialog) {
    Click(dialog->Modes()->button(kTuningCustom));
    save(dialog, "color_tone_tuning");
  });
  Trigger(kCmdColorToneTuning);
}

}  // namespace
}  // namespace tl::test
