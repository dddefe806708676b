// The About box.
#include "app/dialogs/about_dlg.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "app/shell/program_pictures.h"
#include "render/library_versions.h"
#include "resources/app_folders.h"

namespace tl {
namespace {

QString LibraryTable() {
  QString rows;
  for (const LibraryVersion& library : LibraryVersions())
    rows += QStringLiteral("<tr><td>%1</td><td style=\"padding-left:16px\">%2</td></tr>")
                .arg(QString::fromStdString(library.Name).toHtmlEscaped(),
                     QString::fromStdString(library.Version).toHtmlEscaped());
  return QStringLiteral("<p><b>Libraries in use</b></p><table>%1</table>").arg(rows);
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent),
      picture_(new QLabel),
      libraries_(new QLabel),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok)) {
  setObjectName("aboutDialog");
  setWindowTitle(QStringLiteral("About Tessaline"));
  picture_->setObjectName("aboutPicture");
  picture_->setPixmap(ProgramPicture(devicePixelRatio()));
  picture_->setCursor(Qt::PointingHandCursor);
  picture_->setToolTip(QStringLiteral("Click to close"));
  picture_->installEventFilter(this);

  auto* summary = new QLabel(
      QStringLiteral("<p><b>Tessaline %1</b></p><p>Photographs laid out on printed pages and printed: proofs, "
                     "contact sheets, cards and banners, colour-managed with ICC profiles.</p>")
          .arg(QStringLiteral(TL_VERSION)));
  summary->setWordWrap(true);
  libraries_->setObjectName("aboutLibraries");
  libraries_->setText(LibraryTable());
  libraries_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* data = new QLabel(QStringLiteral("Program data: %1").arg(QString::fromStdString(DataFolder()).toHtmlEscaped()));
  data->setTextInteractionFlags(Qt::TextSelectableByMouse);
  data->setWordWrap(true);

  auto* text = new QVBoxLayout;
  text->setContentsMargins(16, 8, 16, 0);
  text->addWidget(summary);
  text->addWidget(libraries_);
  text->addWidget(data);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 12);
  layout->addWidget(picture_);
  layout->addLayout(text);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(16, 0, 16, 0);
  buttons->addWidget(buttons_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

bool CAboutDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ && event->type() == QEvent::MouseButtonRelease) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tl
