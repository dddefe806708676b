// What the Choose Template and Organize Template dialogs share: the
// template list (report view with "File Name" and "Modified Date", or icon
// view with 32/64/128-pixel previews), the previews decoded from the
// summaries' JPEG bytes, and the "Preview"/"Info" tabs.
#pragma once

#include <QHash>
#include <QImage>
#include <QListView>
#include <QPixmap>
#include <QTabWidget>
#include <QTreeView>
#include <QWidget>
#include <array>
#include <vector>

#include "persistence/template_summary.h"
#include "templates/template_chooser.h"
#include "templates/template_texts.h"

class QBoxLayout;
class QLabel;
class QSplitter;
class QStackedWidget;
class QStandardItemModel;
class QStandardItem;
class QTableWidget;

namespace tl {

// The preview picture of a summary: its JPEG decoded (128 x 128), or a null
// image when it has none or it does not decode.
QImage TemplatePreviewImage(const TemplateSummary& summary);

// The three image lists: each template's preview at 32, 64 and 128 pixels,
// made when first asked for and kept by path, each in a thin frame. A
// template without a preview gets a blank picture.
class TemplateThumbnails {
 public:
  QPixmap Thumbnail(const TemplateSummary& summary, TemplateViewMode mode);

 private:
  QHash<QString, std::array<QPixmap, 3>> pictures_;
};

// A tree view and a list view in which a click on empty space clears the
// selection.
class TemplateReportView : public QTreeView {
 public:
  using QTreeView::QTreeView;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};
class TemplateIconView : public QListView {
 public:
  using QListView::QListView;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// The template list. Rows are the templates given to Fill, in that order.
class TemplateListPane : public QWidget {
  Q_OBJECT

 public:
  // `editable`: the file name can be edited in place (Organize Template).
  TemplateListPane(const TemplateDialogTexts& texts, bool editable, QWidget* parent = nullptr);

  void SetViewMode(TemplateViewMode mode);
  TemplateViewMode ViewMode() const { return mode_; }
  // Deletes all rows and inserts one per template of `rows` (indexes into
  // `templates`): its file name and modified date, and in a thumbnail
  // mode its preview.
  void Fill(const TemplateArray& templates, const std::vector<size_t>& rows);
  // Selects a row without signalling (-1: none).
  void SelectRow(int row);
  int SelectedRow() const;
  int RowCount() const;
  QString RowText(int row) const;
  // Starts editing a row's file name (Organize Template).
  void EditRow(int row);

  // The view in use: the report view in "List" mode, else the icon view.
  QAbstractItemView* CurrentView() const;
  TemplateReportView* ReportView() const { return report_; }
  TemplateIconView* IconView() const { return icons_; }

 signals:
  void rowSelected(int row);  // a click on a row, or -1 on empty space
  void rowActivated(int row);  // a double click on a row
  void rowRenamed(int row, const QString& text);  // the in-place edit ended with another text

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SelectionChanged();
  void ItemChanged(QStandardItem* item);
  void FitColumns();

  TemplateViewMode mode_ = TemplateViewMode::List;
  bool editable_ = false;
  bool filling_ = false;
  QStandardItemModel* model_;
  QStackedWidget* stack_;
  TemplateReportView* report_;
  TemplateIconView* icons_;
  TemplateThumbnails thumbnails_;
};

// The picture of the preview pane: the image scaled to fit, centred, with
// its proportions.
class TemplatePreviewPicture : public QWidget {
 public:
  explicit TemplatePreviewPicture(QWidget* parent = nullptr);
  void SetImage(const QImage& image);
  const QImage& Image() const { return image_; }
  QSize sizeHint() const override { return {160, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

// The "Preview" and "Info" tabs.
class TemplateInfoTabs : public QTabWidget {
 public:
  TemplateInfoTabs(const TemplateDialogTexts& texts, QWidget* parent = nullptr);
  // Shows a template (null: none).
  void ShowTemplate(const TemplateSummary* summary);

  QLabel* FileNameLabel() const { return fileName_; }
  QLabel* CommentLabel() const { return comment_; }
  TemplatePreviewPicture* Picture() const { return picture_; }
  QTableWidget* InfoList() const { return info_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* fileName_;
  QLabel* comment_;
  TemplatePreviewPicture* picture_;
  QTableWidget* info_;
};

// The dialogs' body: the type tree, the template list (at least
// `listWidth` wide) and the tabs side by side.
QSplitter* TemplateBrowserPanes(QWidget* tree, QWidget* list, QWidget* tabs, int listWidth);

// A label and the control it names, added to `row`.
void AddLabelledControl(QBoxLayout* row, const QString& label, QWidget* control);

// Qt strings of the engine's UTF-8 texts.
inline QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace tl
