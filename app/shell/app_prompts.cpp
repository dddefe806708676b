#include "app/shell/app_prompts.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QStringList>
#include <algorithm>

#include "app/dialogs/image_not_found_dialog.h"
#include "app/dialogs/template_dialogs.h"
#include "render/qt_colors.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kLayoutFilter = 10598;         // "Layout Files(*.qlf)|*.qlf||"
constexpr int kImageFilter = 10599;          // without the extended formats
constexpr int kExtendedImageFilter = 10613;  // with PSD, PNG and PICT
constexpr int kLayoutExtension = 10601;      // ".qlf"
constexpr const char* kRelativePathText = "Save layout with relative path to image data folder.";
constexpr ColorRef kCustomColor = 0xC0C0C0;
constexpr int kCustomColorCount = 16;

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A filter of the form "Name|*.A;*.B|Name2|*.C||" as Qt's "Name (*.A *.a *.B
// *.b)" entries; each pattern in both cases, since names on this system
// are case-sensitive.
QStringList QtFilters(std::string_view filter) {
  const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString name = parts[i];
    if (const qsizetype open = name.indexOf(QLatin1Char('(')); open > 0) name = name.left(open).trimmed();
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      patterns << p;
      if (p.toLower() != p) patterns << p.toLower();
    }
    filters << QStringLiteral("%1 (%2)").arg(name, patterns.join(QLatin1Char(' ')));
  }
  return filters;
}

std::vector<std::string> ToPaths(const QStringList& list) {
  std::vector<std::string> paths;
  for (const QString& s : list) paths.push_back(QDir::cleanPath(s).toStdString());
  return paths;
}

// The Get Image dialog takes folders as well as files: "Open" with folders
// selected adds them (a double click still goes into a folder).
class CImageFileDialog final : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;
  QStringList Chosen() const { return chosen_; }

 protected:
  void accept() override {
    const QStringList picked = selectedFiles();
    const bool anyFolder =
        std::any_of(picked.begin(), picked.end(), [](const QString& p) { return QFileInfo(p).isDir(); });
    if (anyFolder && !picked.isEmpty()) {
      chosen_ = picked;
      done(QDialog::Accepted);
      return;
    }
    QFileDialog::accept();
    chosen_ = selectedFiles();
  }

 private:
  QStringList chosen_;
};

}  // namespace

bool AppPrompts::ChooseTemplate(QWidget* parent, std::string& path) { return tl::ChooseTemplate(parent, path); }

std::string AppPrompts::OpenLayout(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(QtFilters(StringText(kLayoutFilter)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

std::vector<std::string> AppPrompts::ImageFiles(QWidget* parent, bool extendedFormats) {
  CImageFileDialog dialog(parent);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilters(QtFilters(StringText(extendedFormats ? kExtendedImageFilter : kImageFilter)));
  if (dialog.exec() != QDialog::Accepted) return {};
  return ToPaths(dialog.Chosen());
}

std::string AppPrompts::ReplacementImage(QWidget* parent, bool extendedFormats) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(QtFilters(StringText(extendedFormats ? kExtendedImageFilter : kImageFilter)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

std::string AppPrompts::StampPicture(QWidget* parent, const std::string& current, bool extendedFormats) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(QtFilters(StringText(extendedFormats ? kExtendedImageFilter : kImageFilter)));
  if (!current.empty()) dialog.selectFile(QString::fromStdString(current));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

bool AppPrompts::SaveLayoutAs(QWidget* parent, std::string& path, bool& relative) {
  QFileDialog dialog(parent);
  dialog.setOption(QFileDialog::DontUseNativeDialog);  // it carries the check box below
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(QtFilters(StringText(kLayoutFilter)) << QStringLiteral("Templates (*.qlt)"));
  dialog.setDefaultSuffix(ToQString(StringText(kLayoutExtension)).mid(1));
  dialog.selectFile(QString::fromStdString(path));
  QCheckBox* box = new QCheckBox(QString::fromLatin1(kRelativePathText), &dialog);
  box->setChecked(relative);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) grid->addWidget(box, grid->rowCount(), 0, 1, -1);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = dialog.selectedFiles().front().toStdString();
  relative = box->isChecked();
  return true;
}

bool AppPrompts::ChooseColor(QWidget* parent, ColorRef& color) {
  for (int i = 0; i < kCustomColorCount; ++i) QColorDialog::setCustomColor(i, ToQColor(kCustomColor));
  const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
  if (!chosen.isValid()) return false;
  color = MakeColor(uint8_t(chosen.red()), uint8_t(chosen.green()), uint8_t(chosen.blue()));
  return true;
}

bool AppPrompts::PdfOutputFile(QWidget* parent, std::string& path) {
  const QString file = QFileDialog::getSaveFileName(parent, QString(), QString::fromStdString(path),
                                                    QStringLiteral("PDF (*.pdf)"));
  if (file.isEmpty()) return false;
  path = file.toStdString();
  return true;
}

MissingImageAnswer AppPrompts::AskAboutMissingImage(QWidget* parent, const std::string& missingPath) {
  CImageNotFoundDlg dialog(missingPath, parent);
  dialog.exec();
  return dialog.Answer();
}

bool AppPrompts::ChooseMissingImage(QWidget* parent, const std::string& missingPath, const std::string& filter,
                                    std::string& chosen) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(QtFilters(filter));
  dialog.selectFile(QString::fromStdString(missingPath));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  chosen = dialog.selectedFiles().front().toStdString();
  return true;
}

}  // namespace tl
