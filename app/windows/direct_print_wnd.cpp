#include "app/windows/direct_print_wnd.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/document/doc_manager.h"
#include "app/document/missing_image_prompt.h"
#include "app/shell/application.h"
#include "app/shell/dropped_files.h"
#include "render/direct_print.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kTitleString = 32830;       // "Direct-Print"
constexpr int kNoPrinterString = 40811;   // "(no printer)"
constexpr int kPrintingOnString = 40722;  // "%s on %s"
constexpr int kColumns = 2;
constexpr int kButtonWidth = 160;
constexpr int kButtonHeight = 44;
constexpr int kButtonGap = 6;
constexpr int kBusyRetryMs = 200;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

// The wait cursor while dropped files are printed.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

CDirectPrintWnd::CDirectPrintWnd(QWidget* parent, CTessalineApp& app, LPoint& origin)
    : CToolWindow(parent, origin),
      app_(app),
      status_(new QLabel) {
  setObjectName(QStringLiteral("DirectPrintWindow"));
  setWindowTitle(Qs(StringCopy(kTitleString)));
  setAcceptDrops(true);
  auto* grid = new QGridLayout;
  grid->setSpacing(kButtonGap);
  for (int i = 0; i < kDirectPrintPrinterCount; ++i) {
    auto* button = new QPushButton;
    button->setObjectName(QStringLiteral("DirectPrintButton%1").arg(i + 1));
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(button, i / kColumns, i % kColumns);
    buttons_[size_t(i)] = button;
  }
  status_->setObjectName(QStringLiteral("DirectPrintStatus"));
  status_->setFixedWidth(kColumns * kButtonWidth + (kColumns - 1) * kButtonGap);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kButtonGap, kButtonGap, kButtonGap, kButtonGap);
  layout->addLayout(grid);
  layout->addWidget(status_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  SetPrinters(app.Preferences().directPrintPrinter);
}

CDirectPrintWnd::~CDirectPrintWnd() = default;

void CDirectPrintWnd::SetPrinters(const std::array<std::string, kDirectPrintPrinterCount>& printers) {
  tray_.Printers = printers;
  for (size_t i = 0; i < printers.size(); ++i) {
    QPushButton* button = buttons_[i];
    const QString name = Qs(printers[i]);
    const QString shown = name.isEmpty() ? Qs(StringCopy(kNoPrinterString)) : name;
    button->setText(button->fontMetrics().elidedText(shown, Qt::ElideMiddle, kButtonWidth - 2 * kButtonGap));
    button->setToolTip(name);
    button->setEnabled(!name.isEmpty());
  }
}

int CDirectPrintWnd::ButtonAt(const QPoint& point) const {
  std::array<LRect, kDirectPrintPrinterCount> rects;
  for (size_t i = 0; i < rects.size(); ++i) {
    const QRect r(buttons_[i]->mapTo(this, QPoint(0, 0)), buttons_[i]->size());
    rects[i] = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  }
  return DirectPrintButtonAt(rects, {point.x(), point.y()});
}

void CDirectPrintWnd::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void CDirectPrintWnd::dragMoveEvent(QDragMoveEvent* event) {
  // Only a button with a printer takes files.
  if (DirectPrintTakesDrop(tray_, ButtonAt(event->position().toPoint()))) event->acceptProposedAction();
  else event->ignore();
}

void CDirectPrintWnd::dropEvent(QDropEvent* event) {
  const std::vector<std::string> files = DroppedFiles(event->mimeData());
  if (files.empty()) return;
  event->acceptProposedAction();
  DropFiles(event->position().toPoint(), files);
}

void CDirectPrintWnd::DropFiles(const QPoint& point, const std::vector<std::string>& files) {
  if (closing_) return;
  const auto openForEditing = [this](const std::string& path) { return app_.Documents().FindByPath(path) != nullptr; };
  if (DropOnDirectPrintButton(tray_, ButtonAt(point), files, openForEditing) > 0)
    QTimer::singleShot(0, this, [this] { PrintWaiting(); });
}

void CDirectPrintWnd::PrintWaiting() {
  if (printing_ || closing_ || tray_.Waiting.empty()) return;
  // A long operation of a layout goes first.
  if (app_.DocumentBusy()) {
    QTimer::singleShot(kBusyRetryMs, this, [this] { PrintWaiting(); });
    return;
  }
  printing_ = true;
  {
    WaitCursor wait;
    while (!tray_.Waiting.empty() && !closing_) PrintFirst();
  }
  printing_ = false;
  status_->clear();
  if (closing_) deleteLater();
}

void CDirectPrintWnd::PrintFirst() {
  const DirectPrintEntry entry = tray_.Waiting.front();
  status_->setText(Qs(StringWith(kPrintingOnString, {QFileInfo(Qs(entry.Path)).fileName().toStdString(),
                                                     entry.Printer})));
  DirectPrintResult result;
  {
    BusyScope busy(app_);
    PromptedMissingImages missing(app_.Prompts());
    LayoutReadOptions read;
    read.Prompt = &missing;
    read.RecordSummary = false;
    PrintOptions options;
    // The program stays usable between pages; closing the window stops.
    options.Continue = [this](int32_t) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
      return !closing_;
    };
    result = DirectPrintFile(entry.Path, entry.Printer, read, options);
  }
  std::vector<DirectPrintEntry>& waiting = tray_.Waiting;
  if (!waiting.empty()) waiting.erase(waiting.begin());
  // A printer that has gone takes the files waiting for it along: one message.
  if (result == DirectPrintResult::PrinterMissing)
    std::erase_if(waiting, [&](const DirectPrintEntry& e) { return e.Printer == entry.Printer; });
  emit FileDone(entry.Path);
}

void CDirectPrintWnd::Close() {
  closing_ = true;
  tray_.Waiting.clear();
  hide();
  if (!printing_) deleteLater();
}

}  // namespace tl
