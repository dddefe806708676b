#include "app/shell/child_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/panels/main_form_view.h"
#include "app/shell/application.h"
#include "app/shell/dropped_files.h"
#include "app/shell/main_frame.h"
#include "app/view/gp_view.h"

namespace tl {
namespace {

constexpr int kStatusMinimumWidth = 170;
const QColor kAlertColor(224, 128, 128);

}  // namespace

CChildFrame::CChildFrame(CGPDoc& document, QWidget* parent) : QMdiSubWindow(parent), document_(document) {
  // No system menu and no caption buttons: the layout window lives as long
  // as its layout.
  setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setAcceptDrops(true);

  QWidget* body = new QWidget(this);
  splitter_ = new QSplitter(Qt::Horizontal, body);
  panel_ = new CMainFormView(document, splitter_);
  view_ = new CGPView(document, splitter_);
  splitter_->addWidget(panel_);
  splitter_->addWidget(view_);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);
  splitter_->setChildrenCollapsible(true);
  panelWidth_ = CMainFormView::InitialWidth(this);
  splitter_->setSizes({panelWidth_, 1000});

  status_ = new QStatusBar(body);
  status_->setSizeGripEnabled(false);
  status_->setAutoFillBackground(true);
  statusText_ = new QLabel(status_);
  statusText_->setMinimumWidth(kStatusMinimumWidth);
  status_->addWidget(statusText_, 1);

  QVBoxLayout* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(splitter_, 1);
  layout->addWidget(status_);
  setWidget(body);
  view_->setFocus();
  UpdateTitle();
}

void CChildFrame::ShowSidePanel(bool shown) {
  const QList<int> sizes = splitter_->sizes();
  if (!shown && sizes.value(0) > 0) panelWidth_ = sizes.value(0);
  const int total = sizes.value(0) + sizes.value(1);
  splitter_->setSizes({shown ? panelWidth_ : 0, shown ? std::max(0, total - panelWidth_) : total});
}

void CChildFrame::UpdateTitle() { setWindowTitle(QString::fromStdString(document_.Title())); }

void CChildFrame::SetStatusText(std::string_view text, bool alert) {
  statusText_->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
  alert_ = alert;
  QPalette palette = status_->palette();
  palette.setColor(QPalette::Window, alert ? kAlertColor : this->palette().color(QPalette::Window));
  status_->setPalette(palette);
}

QString CChildFrame::StatusText() const { return statusText_->text(); }

void CChildFrame::closeEvent(QCloseEvent* event) {
  // The window goes with its layout: closing it is the Close command.
  event->ignore();
  CTessalineApp::Instance().Documents().CloseDocument(&document_);
}

void CChildFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void CChildFrame::dropEvent(QDropEvent* event) {
  const std::vector<std::string> files = DroppedFiles(event->mimeData());
  if (files.empty()) return;
  event->acceptProposedAction();
  if (CMainFrame* frame = CTessalineApp::Instance().MainFrame()) frame->DropOnLayoutWindow(*this, files);
}

}  // namespace tl
