// The template dialogs as a user meets them: Choose Template, Save Template
// (As) and Organize Template, real widgets on the offscreen platform driven
// with QTest mouse and keys, over template files the tests write.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/dialogs/choose_template_dlg.h"
#include "app/dialogs/delete_template_dlg.h"
#include "app/dialogs/new_template_type_dlg.h"
#include "app/dialogs/organize_template_dlg.h"
#include "app/dialogs/save_template_as_dlg.h"
#include "app/dialogs/template_dialogs.h"
#include "app/dialogs/type_tree.h"
#include "document/layout_document.h"
#include "persistence/template_library.h"
#include "render/page_thumbnail.h"
#include "templates/user_template_types.h"
#include "tests/app/app_test_support.h"
#include "tests/templates/templates_fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

constexpr int kReplaceQuestion = 32903;

void ClickItem(QTreeWidget* tree, QTreeWidgetItem* item) {
  ASSERT_TRUE(item);
  tree->scrollToItem(item);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

QTreeWidgetItem* TypeItem(QTreeWidget* tree, int rootData, const QString& text) {
  QTreeWidgetItem* root = TypeTreeRootItem(tree, rootData);
  if (!root) return nullptr;
  for (int i = 0; i < root->childCount(); ++i)
    if (root->child(i)->text(0) == text) return root->child(i);
  return nullptr;
}

QPoint RowPoint(TemplateListPane* list, int row) {
  QAbstractItemView* view = list->CurrentView();
  return view->visualRect(view->model()->index(row, 0)).center();
}

void ClickRow(TemplateListPane* list, int row) {
  QTest::mouseClick(list->CurrentView()->viewport(), Qt::LeftButton, {}, RowPoint(list, row));
}

// A double click as the window system delivers it: press and release, then
// the double click (QTest's double click alone is only the last event).
void DoubleClickRow(TemplateListPane* list, int row) {
  ClickRow(list, row);
  QTest::mouseDClick(list->CurrentView()->viewport(), Qt::LeftButton, {}, RowPoint(list, row));
}

std::vector<std::string> Rows(TemplateListPane* list) {
  std::vector<std::string> rows;
  for (int i = 0; i < list->RowCount(); ++i) rows.push_back(list->RowText(i).toStdString());
  return rows;
}

QStringList ComboItems(QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

class TemplateDialogs : public ::testing::Test {
 protected:
  TemplateDialogs() {
    setenv("TESSALINE_DATA_DIR", (home_.Path() + "/data").c_str(), 1);
    ApplicationTemplateArray().clear();
    UserTemplateTypes() = {"MyTemp", "Weddings"};
  }
  ~TemplateDialogs() override {
    unsetenv("TESSALINE_DATA_DIR");
    ApplicationTemplateArray().clear();
    UserTemplateTypes().clear();
  }
  std::string Installed(const std::string& name) { return InstalledTemplateFolder() + "/" + name; }
  std::string User(const std::string& name) { return UserTemplateFolder() + "/" + name; }

  // Four templates: three standard ones (installed), one of the user's.
  void WriteLibrary() {
    ASSERT_TRUE(test::WriteTemplateFile(Installed("Proof.qlt"), {.Genre = "Commercial Photo", .OutputImageForm = "Photo",
                                                                 .PrinterModel = "Model 9", .PaperSize = "A4",
                                                                 .PaperSource = "Tray", .Comment = "One picture per page"}));
    ASSERT_TRUE(test::WriteTemplateFile(Installed("Cards.qlt"), {.Genre = "Personal Photo", .OutputImageForm = "Card",
                                                                 .PrinterModel = "Model 3", .PaperSize = "A5"}));
    ASSERT_TRUE(test::WriteTemplateFile(Installed("Banner.qlt"), {.Genre = "Design", .OutputImageForm = "Banner Images",
                                                                  .PrinterModel = "Model 9", .PaperSize = "Roll"}));
    ASSERT_TRUE(test::WriteTemplateFile(User("Wedding.qlt"), {.Genre = "Weddings", .OutputImageForm = "Card",
                                                              .PrinterModel = "Model 9", .PaperSize = "A4"}));
    ApplicationTemplateArray() = ScanTemplateFolders();
    ASSERT_EQ(ApplicationTemplateArray().size(), 4u);
  }

  // A template with a drawn preview, saved as Save Template As saves.
  void WriteTemplateWithPreview(const std::string& path, const std::string& genre, const std::string& form) {
    DocumentPtr d(DocumentNew(nullptr, nullptr));
    d->NameGenre = genre;
    d->NameOutputImageForm = form;
    d->Comment = "With a preview";
    ASSERT_TRUE(SaveTemplateFileAs(path, *d, PageThumbnailRenderer()));
  }

  // Runs `act` on the first modal dialog of type D once it shows (the
  // caller then enters a modal loop). The watch gives up after a few
  // seconds, so that a dialog that never shows fails the test instead of
  // hanging it, and ends with the test.
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
      } else if (--*left <= 0) {
        watch->stop();
      }
    });
    watch->start(10);
    watches_.push_back(std::move(timer));
  }

  test::PrivateHome home_;
  test::ScriptedSink sink_;
  std::vector<std::unique_ptr<QTimer>> watches_;
};

TEST_F(TemplateDialogs, AnEmptyLibraryListsNothingAndOpenStaysDisabled) {
  CChooseTemplateDlg dialog(ApplicationTemplateArray(), UserTemplateTypes());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.List()->RowCount(), 0);
  for (int f = 0; f < kTemplateFilterCount; ++f)
    EXPECT_EQ(ComboItems(dialog.FilterCombo(TemplateFilter(f))), QStringList{"(All)"});
  EXPECT_FALSE(dialog.OpenButton()->isEnabled());
  ClickItem(dialog.TypeTree(), TypeTreeRootItem(dialog.TypeTree(), 0x66));
  EXPECT_EQ(dialog.List()->RowCount(), 0);
  EXPECT_FALSE(dialog.OpenButton()->isEnabled());
  QTest::keyClick(dialog.OpenButton(), Qt::Key_Space);  // a disabled Open does nothing
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(TemplateDialogs, TheChooserStartsWithItsControlsAsSpecified) {
  WriteLibrary();
  CChooseTemplateDlg dialog(ApplicationTemplateArray(), UserTemplateTypes());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(ComboItems(dialog.ClassificationCombo()), (QStringList{"Genre", "Output Image Form"}));
  EXPECT_EQ(dialog.ClassificationCombo()->itemData(1).toInt(), 1);
  EXPECT_EQ(ComboItems(dialog.ViewModeCombo()),
            (QStringList{"List", "Thumbnail(Small)", "Thumbnail(Middle)", "Thumbnail(Large)"}));
  EXPECT_EQ(ComboItems(dialog.FilterCombo(TemplateFilter::Printer)), (QStringList{"(All)", "Model 3", "Model 9"}));
  EXPECT_EQ(ComboItems(dialog.FilterCombo(TemplateFilter::PaperSize)), (QStringList{"(All)", "A4", "A5", "Roll"}));
  EXPECT_EQ(ComboItems(dialog.FilterCombo(TemplateFilter::PaperType)), (QStringList{"(All)", "Tray"}));
  QTreeWidget* tree = dialog.TypeTree();
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), "All");
  EXPECT_EQ(tree->topLevelItem(0)->data(0, kTypeTreeDataRole).toInt(), 0x65);
  EXPECT_EQ(tree->topLevelItem(1)->text(0), "MyTemplate");
  EXPECT_EQ(tree->topLevelItem(1)->data(0, kTypeTreeDataRole).toInt(), 0x66);
  EXPECT_EQ(tree->topLevelItem(0)->childCount(), 7);
  EXPECT_EQ(tree->topLevelItem(0)->child(0)->data(0, kTypeTreeDataRole).toInt(), 0);
  EXPECT_EQ(tree->topLevelItem(1)->childCount(), 2);
  EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
  EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
  EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));
  // "All": the standard templates, in the order of the array.
  EXPECT_EQ(Rows(dialog.List()), (std::vector<std::string>{"Banner.qlt", "Cards.qlt", "Proof.qlt"}));
  EXPECT_FALSE(dialog.OpenButton()->isEnabled());
  // The report view's columns share its width two to one.
  QTreeView* report = dialog.List()->ReportView();
  EXPECT_EQ(report->model()->headerData(0, Qt::Horizontal).toString(), "File Name");
  EXPECT_EQ(report->model()->headerData(1, Qt::Horizontal).toString(), "Modified Date");
  const int width = report->viewport()->width();
  EXPECT_EQ(report->columnWidth(0), width * 2 / 3);
  EXPECT_EQ(report->columnWidth(0) + report->columnWidth(1), width);
}

TEST_F(TemplateDialogs, MyTemplateShowsExactlyTheTemplatesOfNoStandardGenre) {
  WriteLibrary();
  ASSERT_TRUE(test::WriteTemplateFile(User("Odd.qlt"), {.Genre = "Left over type", .OutputImageForm = "Poster"}));
  ApplicationTemplateArray() = ScanTemplateFolders();
  CChooseTemplateDlg dialog(ApplicationTemplateArray(), UserTemplateTypes());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ClickItem(dialog.TypeTree(), TypeTreeRootItem(dialog.TypeTree(), 0x66));
  EXPECT_EQ(Rows(dialog.List()), (std::vector<std::string>{"Odd.qlt", "Wedding.qlt"}));
  ClickItem(dialog.TypeTree(), TypeItem(dialog.TypeTree(), 0x66, "Weddings"));
  EXPECT_EQ(Rows(dialog.List()), std::vector<std::string>{"Wedding.qlt"});
  ClickItem(dialog.TypeTree(), TypeItem(dialog.TypeTree(), 0x65, "Design"));
  EXPECT_EQ(Rows(dialog.List()), std::vector<std::string>{"Banner.qlt"});

  // The output-form view: a user's template of a standard form is listed
  // under that form.
  QTest::keyClick(dialog.ClassificationCombo(), Qt::Key_Down);
  EXPECT_EQ(dialog.TypeTree()->topLevelItem(0)->child(0)->text(0), "A Version");
  EXPECT_EQ(dialog.TypeTree()->currentItem(), dialog.TypeTree()->topLevelItem(0));
  ClickItem(dialog.TypeTree(), TypeItem(dialog.TypeTree(), 0x65, "Card"));
  EXPECT_EQ(Rows(dialog.List()), (std::vector<std::string>{"Cards.qlt", "Wedding.qlt"}));
  ClickItem(dialog.TypeTree(), TypeTreeRootItem(dialog.TypeTree(), 0x66));
  EXPECT_EQ(Rows(dialog.List()), std::vector<std::string>{"Odd.qlt"});
}

TEST_F(TemplateDialogs, APrinterFilterListsThatPrinterOnly) {
  WriteLibrary();
  CChooseTemplateDlg dialog(ApplicationTemplateArray(), UserTemplateTypes());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QComboBox* printer = dialog.FilterCombo(TemplateFilter::Printer);
  QTest::keyClick(printer, Qt::Key_Down);
  QTest::keyClick(printer, Qt::Key_Down);
  ASSERT_EQ(printer->currentText(), "Model 9");
  EXPECT_EQ(dialog.FilterCombo(TemplateFilter::PaperSize)->currentText(), "(All)");
  EXPECT_EQ(Rows(dialog.List()), (std::vector<std::string>{"Banner.qlt", "Proof.qlt"}));
  ClickItem(dialog.TypeTree(), TypeTreeRootItem(dialog.TypeTree(), 0x66));
  EXPECT_EQ(Rows(dialog.List()), std::vector<std::string>{"Wedding.qlt"});
  QTest::keyClick(dialog.FilterCombo(TemplateFilter::PaperSize), Qt::Key_Down);  // "A4"
  EXPECT_EQ(Rows(dialog.List()), std::vector<std::string>{"Wedding.qlt"});
  QTest::keyClick(dialog.FilterCombo(TemplateFilter::PaperSize), Qt::Key_Down);  // "A5": none of Model 9
  EXPECT_TRUE(Rows(dialog.List()).empty());
}

TEST_F(TemplateDialogs, AClickSelectsATemplateAndFillsThePanes) {
  WriteLibrary();
  CChooseTemplateDlg dialog(ApplicationTemplateArray(), UserTemplateTypes());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ASSERT_EQ(Rows(dialog.List())[2], "Proof.qlt");
  ClickRow(dialog.List(), 2);
  EXPECT_TRUE(dialog.OpenButton()->isEnabled());
  EXPECT_EQ(dialog.SelectedPath(), Installed("Proof.qlt"));
  EXPECT_EQ(dialog.Tabs()->FileNameLabel()->text(), "Proof.qlt");
  EXPECT_EQ(dialog.Tabs()->CommentLabel()->text(), "One picture per page");
  QTableWidget* info = dialog.Tabs()->InfoList();
  ASSERT_EQ(info->rowCount(), 13);
  EXPECT_EQ(info->item(0, 0)->text(), "Name");
  EXPECT_EQ(info->item(0, 1)->text(), "Proof.qlt");
  EXPECT_EQ(info->item(2, 0)->text(), "Printer");
  EXPECT_EQ(info->item(2, 1)->text(), "Model 9");
  EXPECT_EQ(info->item(5, 1)->text(), "-");
  EXPECT_EQ(info->item(12, 0)->text(), "Automatic Rotation");

  // A click on empty space clears the selection.
  QAbstractItemView* view = dialog.List()->CurrentView();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(20, view->viewport()->height() - 5));
  EXPECT_FALSE(dialog.OpenButton()->isEnabled());
  EXPECT_EQ(dialog.SelectedPath(), "");
  EXPECT_EQ(dialog.Tabs()->FileNameLabel()->text(), "");

  // A selected template that a filter hides is no longer selected.
  ClickRow(dialog.List(), 1);  // Cards, Model 3
  EXPECT_TRUE(dialog.OpenButton()->isEnabled());
  QTest::keyClick(dialog.FilterCombo(TemplateFilter::Printer), Qt::Key_End);  // "Model 9"
  EXPECT_FALSE(dialog.OpenButton()->isEnabled());
}

TEST_F(TemplateDialogs, ThumbnailModesShowThePreviewsAtTheirSizes) {
  WriteLibrary();
  WriteTemplateWithPreview(Installed("Drawn.qlt"), "General", "Photo");
  ApplicationTemplateArray() = ScanTemplateFolders();
  CChooseTemplateDlg dialog(ApplicationTemplateArray(), UserTemplateTypes());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ClickRow(dialog.List(), 0);
  const std::string selected = dialog.SelectedPath();
  for (int side : {32, 64, 128}) {
    QTest::keyClick(dialog.ViewModeCombo(), Qt::Key_Down);
    QAbstractItemView* view = dialog.List()->CurrentView();
    ASSERT_EQ(view, dialog.List()->IconView());
    EXPECT_EQ(dialog.List()->IconView()->iconSize(), QSize(side, side));
    ASSERT_EQ(dialog.List()->RowCount(), 4);
    for (int row = 0; row < 4; ++row) {
      const QIcon icon = view->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
      EXPECT_FALSE(icon.isNull());
      EXPECT_EQ(icon.availableSizes().value(0), QSize(side, side));
    }
    EXPECT_EQ(dialog.SelectedPath(), selected);  // the selection stays
    EXPECT_EQ(dialog.List()->SelectedRow(), 0);
  }
  // The preview pane shows the decoded picture.
  const int drawn = [&] {
    for (int row = 0; row < dialog.List()->RowCount(); ++row)
      if (dialog.List()->RowText(row) == "Drawn.qlt") return row;
    return -1;
  }();
  ASSERT_GE(drawn, 0);
  ClickRow(dialog.List(), drawn);
  EXPECT_EQ(dialog.Tabs()->Picture()->Image().size(), QSize(128, 128));
  QTest::keyClick(dialog.ViewModeCombo(), Qt::Key_Home);
  EXPECT_EQ(dialog.List()->CurrentView(), dialog.List()->ReportView());
}

TEST_F(TemplateDialogs, ChooseTemplateReturnsThePathOfADoubleClickedTemplate) {
  WriteLibrary();
  bool seen = false;
  WhenModal<CChooseTemplateDlg>(
      [](CChooseTemplateDlg* dialog) {
        DoubleClickRow(dialog->List(), 1);
      },
      &seen);
  std::string path;
  EXPECT_TRUE(ChooseTemplate(nullptr, path));
  EXPECT_TRUE(seen);
  EXPECT_EQ(path, Installed("Cards.qlt"));

  WhenModal<CChooseTemplateDlg>([](CChooseTemplateDlg* dialog) {
    ClickRow(dialog->List(), 2);
    QTest::mouseClick(dialog->OpenButton(), Qt::LeftButton);
  });
  EXPECT_TRUE(ChooseTemplate(nullptr, path));
  EXPECT_EQ(path, Installed("Proof.qlt"));

  WhenModal<CChooseTemplateDlg>([](CChooseTemplateDlg* dialog) {
    ClickRow(dialog->List(), 2);
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  path = "unchanged";
  EXPECT_FALSE(ChooseTemplate(nullptr, path));
  EXPECT_EQ(path, "unchanged");
}

TEST_F(TemplateDialogs, SaveTemplateOnANewLayoutRunsSaveTemplateAsThenWritesWithoutAsking) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->NameGenre = "Weddings";
  d->Comment = "before";
  bool seen = false;
  WhenModal<CSaveTemplateAsDlg>(
      [](CSaveTemplateAsDlg* dialog) {
        EXPECT_EQ(dialog->NameEdit()->text(), "");
        EXPECT_EQ(dialog->GenreCombo()->currentText(), "Weddings");
        EXPECT_EQ(dialog->CommentEdit()->text(), "before");
        EXPECT_FALSE(dialog->WithImagesCheck()->isChecked());
        QTest::keyClicks(dialog->NameEdit(), "Album");
        dialog->CommentEdit()->selectAll();
        QTest::keyClicks(dialog->CommentEdit(), "For the album");
        QTest::mouseClick(dialog->WithImagesCheck(), Qt::LeftButton);
        QTest::mouseClick(dialog->Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
      },
      &seen);
  ASSERT_TRUE(SaveTemplate(nullptr, *d));
  EXPECT_TRUE(seen);
  EXPECT_EQ(d->TemplateName, "Album.qlt");
  EXPECT_EQ(d->NameGenre, "Weddings");
  EXPECT_EQ(d->Comment, "For the album");
  EXPECT_EQ(d->SaveWithArrangedImages, 1);
  EXPECT_EQ(d->SavingTemplate, 0);
  EXPECT_EQ(d->SaveRelativePath, 0);
  const std::string path = User("Album.qlt");
  TemplateSummary s;
  ASSERT_TRUE(ReadTemplateSummary(path, s));
  EXPECT_EQ(s.Comment, "For the album");
  EXPECT_GT(s.PreviewSize, 0);
  EXPECT_TRUE(ApplicationTemplateArray().empty());  // listed from the next start on

  // Save Template again: the same file, no dialog and no question.
  d->Comment = "second";
  seen = false;
  WhenModal<QDialog>([](QDialog* dialog) { dialog->reject(); }, &seen);
  ASSERT_TRUE(SaveTemplate(nullptr, *d));
  QTest::qWait(50);
  EXPECT_FALSE(seen);
  ASSERT_TRUE(ReadTemplateSummary(path, s));
  EXPECT_EQ(s.Comment, "second");
  EXPECT_TRUE(sink_.Shown.empty());
}

TEST_F(TemplateDialogs, AnExistingNameAsksAndNoKeepsTheDialogOpen) {
  WriteTemplateWithPreview(User("Album.qlt"), "MyTemp", "Card");
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  sink_.Script = {MessageAnswer::No, MessageAnswer::Yes};
  bool stayedOpen = false;
  QString nameAfterNo;
  WhenModal<CSaveTemplateAsDlg>([&](CSaveTemplateAsDlg* dialog) {
    QTest::keyClicks(dialog->NameEdit(), "Album");
    QPushButton* ok = dialog->Buttons()->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);  // No
    stayedOpen = dialog->isVisible();
    nameAfterNo = dialog->NameEdit()->text();
    QTest::mouseClick(ok, Qt::LeftButton);  // Yes
  });
  ASSERT_TRUE(SaveTemplateAs(nullptr, *d));
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(nameAfterNo, "Album");  // unchanged
  EXPECT_EQ(sink_.Count(kReplaceQuestion), 2);
  ASSERT_FALSE(sink_.Shown.empty());
  EXPECT_EQ(sink_.Shown[0].Icon, MessageIcon::Exclamation);
  EXPECT_EQ(sink_.Shown[0].Buttons, MessageButtons::YesNo);
  EXPECT_EQ(d->TemplateName, "Album.qlt");
  EXPECT_EQ(d->NameGenre, "MyTemp");  // no equal type: the first one
}

TEST_F(TemplateDialogs, CancelInSaveTemplateAsWritesNothing) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  WhenModal<CSaveTemplateAsDlg>([](CSaveTemplateAsDlg* dialog) {
    QTest::keyClicks(dialog->NameEdit(), "Album");
    QTest::mouseClick(dialog->Buttons()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
  });
  EXPECT_FALSE(SaveTemplateAs(nullptr, *d));
  EXPECT_EQ(d->TemplateName, "");
  EXPECT_FALSE(fs::exists(User("Album.qlt")));
  // An empty name keeps the dialog open with the error beep.
  bool stayedOpen = false;
  WhenModal<CSaveTemplateAsDlg>([&](CSaveTemplateAsDlg* dialog) {
    QTest::mouseClick(dialog->Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    stayedOpen = dialog->isVisible();
    dialog->reject();
  });
  EXPECT_FALSE(SaveTemplateAs(nullptr, *d));
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(sink_.beeps, 1);
}

class OrganizeDialog : public TemplateDialogs {
 protected:
  void Open() {
    dialog_ = std::make_unique<COrganizeTemplateDlg>(ApplicationTemplateArray(), UserTemplateTypes());
    dialog_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
  }
  void Select(int rootData, const QString& type = {}) {
    QTreeWidget* tree = dialog_->TypeTree();
    ClickItem(tree, type.isEmpty() ? TypeTreeRootItem(tree, rootData) : TypeItem(tree, rootData, type));
  }
  void Rename(int row, const QString& text) {
    TemplateListPane* list = dialog_->List();
    // A click on the selected row would start a second edit after a while.
    if (list->SelectedRow() != row) ClickRow(list, row);
    QTest::keyClick(list->CurrentView(), Qt::Key_F2);
    auto* editor = list->CurrentView()->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The rename runs once the edit has closed, from the event queue.
    QPointer<QLineEdit> closing(editor);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !closing || !closing->isVisible(); }, 2000));
    for (int i = 0; i < 3; ++i) {
      QCoreApplication::sendPostedEvents();
      QCoreApplication::processEvents();
    }
  }
  std::unique_ptr<COrganizeTemplateDlg> dialog_;
};

TEST_F(OrganizeDialog, TheTreeHasThreeRootsAndEachItemListsItsTemplates) {
  WriteLibrary();
  Open();
  QTreeWidget* tree = dialog_->TypeTree();
  ASSERT_EQ(tree->topLevelItemCount(), 3);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), "Genre");
  EXPECT_EQ(tree->topLevelItem(1)->text(0), "Output Image Form");
  EXPECT_EQ(tree->topLevelItem(2)->text(0), "MyTemplate");
  EXPECT_EQ(tree->topLevelItem(2)->data(0, kTypeTreeDataRole).toInt(), 0x67);
  EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));
  EXPECT_EQ(Rows(dialog_->List()), (std::vector<std::string>{"Banner.qlt", "Cards.qlt", "Proof.qlt"}));
  Select(0x66, "Card");
  EXPECT_EQ(Rows(dialog_->List()), (std::vector<std::string>{"Cards.qlt", "Wedding.qlt"}));
  Select(0x67);
  EXPECT_EQ(Rows(dialog_->List()), std::vector<std::string>{"Wedding.qlt"});
  EXPECT_FALSE(dialog_->DeleteTypeButton()->isEnabled());
  EXPECT_FALSE(dialog_->DeleteTemplateButton()->isEnabled());
  Select(0x67, "Weddings");
  EXPECT_TRUE(dialog_->DeleteTypeButton()->isEnabled());
  ClickRow(dialog_->List(), 0);
  EXPECT_TRUE(dialog_->DeleteTemplateButton()->isEnabled());
  EXPECT_EQ(dialog_->Tabs()->FileNameLabel()->text(), "Wedding.qlt");
  // The view mode combo as in Choose Template; the selection stays.
  QTest::keyClick(dialog_->ViewModeCombo(), Qt::Key_End);
  EXPECT_EQ(dialog_->List()->CurrentView(), dialog_->List()->IconView());
  EXPECT_EQ(dialog_->List()->IconView()->iconSize(), QSize(128, 128));
  EXPECT_EQ(Rows(dialog_->List()), std::vector<std::string>{"Wedding.qlt"});
  EXPECT_EQ(dialog_->List()->SelectedRow(), 0);
}

TEST_F(OrganizeDialog, RenamingToTheNameOfAnotherTemplateIsRefused) {
  WriteLibrary();
  Open();
  ASSERT_EQ(Rows(dialog_->List())[1], "Cards.qlt");
  Rename(1, "Proof.qlt");
  EXPECT_EQ(Rows(dialog_->List()), (std::vector<std::string>{"Banner.qlt", "Cards.qlt", "Proof.qlt"}));
  EXPECT_TRUE(fs::exists(Installed("Cards.qlt")));
  EXPECT_EQ(sink_.beeps, 1);
  Rename(1, "Wedding.qlt");  // another folder's template counts too
  EXPECT_TRUE(fs::exists(Installed("Cards.qlt")));
  EXPECT_FALSE(fs::exists(Installed("Wedding.qlt")));

  Rename(1, "Postcards.qlt");
  EXPECT_EQ(Rows(dialog_->List()), (std::vector<std::string>{"Banner.qlt", "Postcards.qlt", "Proof.qlt"}));
  EXPECT_FALSE(fs::exists(Installed("Cards.qlt")));
  EXPECT_TRUE(fs::exists(Installed("Postcards.qlt")));
  EXPECT_EQ(ApplicationTemplateArray()[dialog_->Listed()[1]].Path, Installed("Postcards.qlt"));
  EXPECT_EQ(dialog_->List()->SelectedRow(), 1);
}

TEST_F(OrganizeDialog, DeletingATemplateAsksAndThenDeletesItsFile) {
  WriteLibrary();
  Open();
  Select(0x67);
  ClickRow(dialog_->List(), 0);
  WhenModal<CDeleteTemplateDlg>([](CDeleteTemplateDlg* ask) {
    EXPECT_EQ(ask->NameLabel()->text(), "Wedding.qlt");
    EXPECT_EQ(ask->TextLabel()->text(), "This template will be deleted.");
    QTest::mouseClick(ask->Buttons()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
  });
  QTest::mouseClick(dialog_->DeleteTemplateButton(), Qt::LeftButton);
  EXPECT_TRUE(fs::exists(User("Wedding.qlt")));
  EXPECT_EQ(ApplicationTemplateArray().size(), 4u);

  WhenModal<CDeleteTemplateDlg>([](CDeleteTemplateDlg* ask) {
    QTest::mouseClick(ask->Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
  QTest::mouseClick(dialog_->DeleteTemplateButton(), Qt::LeftButton);
  EXPECT_FALSE(fs::exists(User("Wedding.qlt")));
  EXPECT_EQ(ApplicationTemplateArray().size(), 3u);
  EXPECT_EQ(dialog_->List()->RowCount(), 0);
  EXPECT_FALSE(dialog_->DeleteTemplateButton()->isEnabled());
  EXPECT_EQ(dialog_->Tabs()->FileNameLabel()->text(), "");
}

TEST_F(OrganizeDialog, AddingAndDeletingTypes) {
  WriteLibrary();
  Open();
  // An empty name adds nothing.
  WhenModal<CNewTemplateTypeDlg>([](CNewTemplateTypeDlg* ask) {
    QTest::mouseClick(ask->Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
  QTest::mouseClick(dialog_->AddTypeButton(), Qt::LeftButton);
  EXPECT_EQ(UserTemplateTypes(), (std::vector<std::string>{"MyTemp", "Weddings"}));
  EXPECT_EQ(TypeTreeRootItem(dialog_->TypeTree(), 0x67)->childCount(), 2);

  WhenModal<CNewTemplateTypeDlg>([](CNewTemplateTypeDlg* ask) {
    QTest::keyClicks(ask->NameEdit(), "Passports");
    QTest::keyClick(ask->NameEdit(), Qt::Key_Return);
  });
  QTest::mouseClick(dialog_->AddTypeButton(), Qt::LeftButton);
  EXPECT_EQ(UserTemplateTypes(), (std::vector<std::string>{"MyTemp", "Weddings", "Passports"}));
  EXPECT_TRUE(TypeItem(dialog_->TypeTree(), 0x67, "Passports"));

  // Deleting "Weddings": its template stays and is listed under the root.
  Select(0x67, "Weddings");
  WhenModal<CDeleteTemplateDlg>([](CDeleteTemplateDlg* ask) {
    EXPECT_EQ(ask->NameLabel()->text(), "Weddings");
    EXPECT_EQ(ask->TextLabel()->text(), "This template type will be deleted.");
    QTest::mouseClick(ask->Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
  QTest::mouseClick(dialog_->DeleteTypeButton(), Qt::LeftButton);
  EXPECT_EQ(UserTemplateTypes(), (std::vector<std::string>{"MyTemp", "Passports"}));
  EXPECT_FALSE(TypeItem(dialog_->TypeTree(), 0x67, "Weddings"));
  EXPECT_EQ(dialog_->TypeTree()->currentItem(), TypeTreeRootItem(dialog_->TypeTree(), 0x67));
  EXPECT_EQ(Rows(dialog_->List()), std::vector<std::string>{"Wedding.qlt"});
  EXPECT_TRUE(fs::exists(User("Wedding.qlt")));
  EXPECT_FALSE(dialog_->DeleteTypeButton()->isEnabled());
}

// Pictures of the dialogs for a developer to look at (not compared): the
// stock templates of the build tree, in PNG files under the build folder.
TEST_F(TemplateDialogs, PicturesOfTheDialogs) {
  const char* binary = std::getenv("TL_BINARY_DIR");
  if (!binary) GTEST_SKIP() << "TL_BINARY_DIR is not set";
  setenv("TESSALINE_DATA_DIR", (std::string(binary) + "/share/tessaline").c_str(), 1);
  ApplicationTemplateArray() = ScanTemplateFolders();
  WriteTemplateWithPreview(User("Wedding Album.qlt"), "Weddings", "Card");
  TemplateArray& templates = ApplicationTemplateArray();
  TemplateSummary mine;
  ASSERT_TRUE(ReadTemplateSummary(User("Wedding Album.qlt"), mine));
  templates.push_back(mine);
  const QString folder = QString::fromStdString(std::string(binary) + "/screenshots/templates");
  QDir().mkpath(folder);
  auto save = [&](QWidget* widget, const char* name) {
    QTest::qWait(20);
    const QPixmap picture = widget->grab();
    EXPECT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(folder + "/" + name + ".png"));
  };

  CChooseTemplateDlg choose(templates, UserTemplateTypes());
  choose.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&choose));
  ClickRow(choose.List(), 0);
  save(&choose, "choose_template_list");
  choose.Tabs()->setCurrentIndex(1);
  save(&choose, "choose_template_info");
  choose.Tabs()->setCurrentIndex(0);
  QTest::keyClick(choose.ViewModeCombo(), Qt::Key_End);
  save(&choose, "choose_template_large");
  QTest::keyClick(choose.ViewModeCombo(), Qt::Key_Up);
  save(&choose, "choose_template_middle");
  QTest::keyClick(choose.ViewModeCombo(), Qt::Key_Up);
  save(&choose, "choose_template_small");

  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->TemplateName = "Wedding Album.qlt";
  d->NameGenre = "Weddings";
  d->Comment = "Two pictures per card";
  CSaveTemplateAsDlg saveAs(OpenSaveTemplateAs(*d, UserTemplateTypes()));
  saveAs.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&saveAs));
  save(&saveAs, "save_template_as");

  COrganizeTemplateDlg organize(templates, UserTemplateTypes());
  organize.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&organize));
  ClickItem(organize.TypeTree(), TypeItem(organize.TypeTree(), 0x67, "Weddings"));
  ClickRow(organize.List(), 0);
  save(&organize, "organize_template");

  CNewTemplateTypeDlg newType;
  newType.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&newType));
  save(&newType, "new_template_type");
  CDeleteTemplateDlg deleteTemplate(CDeleteTemplateDlg::Kind::Template, "Wedding Album.qlt");
  deleteTemplate.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&deleteTemplate));
  save(&deleteTemplate, "delete_template");
  CDeleteTemplateDlg deleteType(CDeleteTemplateDlg::Kind::TemplateType, "Weddings");
  deleteType.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&deleteType));
  save(&deleteType, "delete_template_type");
}

}  // namespace
}  // namespace tl
