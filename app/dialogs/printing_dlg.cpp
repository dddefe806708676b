#include "app/dialogs/printing_dlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kTitleString = 40721;       // "Printing"
constexpr int kDocumentOnPrinter = 40722;  // "%s on %s"
constexpr int kPageString = 40723;         // "Page %s"
constexpr int kMinimumWidth = 320;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CPrintingDlg::CPrintingDlg(QWidget* parent, const std::string& document, const std::string& printer)
    : QDialog(parent), page_(new QLabel) {
  setObjectName(QStringLiteral("PrintingDialog"));
  setWindowTitle(Qs(StringCopy(kTitleString)));
  setWindowModality(Qt::ApplicationModal);
  auto* what = new QLabel(Qs(StringWith(kDocumentOnPrinter, {document, printer})));
  what->setWordWrap(true);
  page_->setObjectName(QStringLiteral("PrintingPage"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPrintingDlg::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(what);
  layout->addWidget(page_);
  layout->addWidget(buttons);
  setMinimumWidth(kMinimumWidth);
}

bool CPrintingDlg::Continue(int32_t pageNumber) {
  page_->setText(Qs(StringWith(kPageString, {std::to_string(pageNumber)})));
  if (!isVisible()) show();
  // Lets the window show and a click on Cancel arrive.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return !cancelled_;
}

void CPrintingDlg::reject() {
  cancelled_ = true;
  hide();
}

}  // namespace tl
