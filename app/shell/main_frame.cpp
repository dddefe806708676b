#include "app/shell/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <filesystem>

#include "app/dialogs/template_dialogs.h"
#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/panels/main_form_view.h"
#include "app/shell/application.h"
#include "app/shell/dropped_files.h"
#include "app/shell/child_frame.h"
#include "app/shell/command_actions.h"
#include "app/shell/lock_keys.h"
#include "app/shell/recent_files.h"
#include "app/shell/window_placement.h"
#include "app/view/gp_view.h"
#include "app/view/navigator_bar.h"
#include "color/monitor_profile.h"
#include "document/message_box.h"
#include "document/undo_store.h"
#include "render/context_menu_choice.h"
#include "render/status_text.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kTitleString = 128;
constexpr int kReadyString = 57345;
constexpr int kEmptyPaneString = 59142;
constexpr int kQuickPrintEnabledString = 10147;
constexpr int kQuickPrintExecutingString = 10149;

enum QuickPrintPaneKind : int { kPaneClear = 9, kPaneEnabled = 10, kPaneExecuting = 11, kPaneEnabledAgain = 12 };

constexpr int kQuickPrintPaneWidth = 100;
constexpr int kFirstRunShare = 85;  // percent of the screen

// Window settings.
constexpr const char* kWindowPosKey = "Settings/WindowPos";
constexpr const char* kWindowKeys[] = {"Window/left", "Window/top", "Window/right", "Window/bottom"};
constexpr const char* kShowKey = "Window/show";
constexpr const char* kBarStateKey = "General/BarState";
constexpr int kBarStateVersion = 1;

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// Ctrl with "." or with the numeric keypad's decimal point.
bool IsStopKey(const QKeyEvent& key) {
  if (!(key.modifiers() & Qt::ControlModifier)) return false;
  const bool keypad = key.modifiers() & Qt::KeypadModifier;
  return key.key() == Qt::Key_Period || (keypad && key.key() == Qt::Key_Comma);
}

// A stored rectangle is used only where a screen still shows it.
bool OnSomeScreen(const QRect& rect) {
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen->availableGeometry().intersects(rect)) return true;
  return false;
}

int ShowValue(const QWidget& window) {
  if (window.isMaximized()) return kShowMaximized;
  return kShowNormal;
}

}  // namespace

CMainFrame::CMainFrame(CTessalineApp& app) : app_(app) {
  setWindowTitle(ToQString(StringText(kTitleString)));
  setObjectName(QStringLiteral("MainFrame"));
  mdi_ = new QMdiArea(this);
  mdi_->setViewMode(QMdiArea::SubWindowView);
  mdi_->setBackground(palette().brush(QPalette::Dark));
  setCentralWidget(mdi_);
  setAcceptDrops(true);
  actions_ = std::make_unique<CommandActions>(app.Router(), this);
  connect(actions_.get(), &CommandActions::Executed, this, [this] { UpdateCommands(); });
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { ActiveChildChanged(); });
  app.Router().SetActiveDocument([this]() -> const CommandHandlerMap* {
    CChildFrame* child = ActiveChild();
    return child ? &child->Document().Handlers() : nullptr;
  });
  qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
  qApp->removeEventFilter(this);
  app_.Router().SetActiveDocument({});
}

bool CMainFrame::Create() {
  ApplyPlacement();
  CreateBars();
  CreateStatusBar();
  FindMonitorProfile();
  actions_->SetRecentFiles(app_.RecentFiles().Paths());
  RegisterCommands();
  UpdateCommands();
  return true;
}

void CMainFrame::RegisterCommands() {
  CommandHandlerMap& commands = app_.Router().FrameHandlers();
  // F6 and Shift+F6 move the focus between the side panel and the page.
  const auto switchPane = [this] {
    CChildFrame* child = ActiveChild();
    if (!child) return;
    QWidget* panel = child->SidePanel();
    if (panel->isAncestorOf(QApplication::focusWidget()) || panel->width() == 0) child->View()->setFocus();
    else panel->setFocus();
  };
  const auto hasChild = [this] { return ActiveChild() != nullptr; };
  commands.Add(kCmdOrganizeTemplate, [this] { OrganizeTemplates(this); });
  commands.Add(kCmdNextPane, switchPane, hasChild);
  commands.Add(kCmdPreviousPane, switchPane, hasChild);
  RegisterObjectCommands();
  RegisterPreferencesCommand();
}

void CMainFrame::CreateBars() {
  actions_->BuildMenuBar(menuBar());
  actions_->InstallAccelerators(this);

  toolBar_ = addToolBar(QStringLiteral("Standard"));
  toolBar_->setObjectName(QStringLiteral("ToolBar"));
  toolBar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  toolBar_->setIconSize(QSize(16, 16));
  actions_->BuildToolBar(toolBar_);

  // The navigator bar docks on the tool bar's row, to its right.
  navigatorBar_ = addToolBar(QStringLiteral("Navigator"));
  navigatorBar_->setObjectName(QStringLiteral("NavigatorBar"));
  navigatorBar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  navigator_ = new CGPDialogBar(*actions_, navigatorBar_);
  navigatorBar_->addWidget(navigator_);
  connect(navigator_, &CGPDialogBar::PageChosen, this, [this](int page) {
    if (CChildFrame* child = ActiveChild()) {
      UndoClear();
      child->View()->SetCurrentPage(page);
      child->Document().ShowStatus(kStatusSummary);
    }
  });
  connect(navigator_, &CGPDialogBar::ZoomChosen, this, [this](int numerator, int denominator) {
    CChildFrame* child = ActiveChild();
    if (!child) return;
    CGPView* view = child->View();
    view->ChangeZoom({numerator, denominator});
    navigator_->SetZoom(view->Status().ZoomNumerator, view->Status().ZoomDenominator);
    UpdateCommands();
  });
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  messagePane_ = new QLabel(ToQString(StringText(kReadyString)), bar);
  bar->addWidget(messagePane_, 1);
  quickPrintPane_ = new QLabel(bar);
  quickPrintPane_->setFixedWidth(kQuickPrintPaneWidth);
  quickPrintPane_->setFrameShape(QFrame::StyledPanel);
  capsPane_ = new QLabel(QStringLiteral("CAP"), bar);
  numPane_ = new QLabel(QStringLiteral("NUM"), bar);
  for (QLabel* pane : {capsPane_, numPane_}) {
    pane->setFrameShape(QFrame::StyledPanel);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("CAPS")));
  }
  bar->addPermanentWidget(quickPrintPane_);
  bar->addPermanentWidget(capsPane_);
  bar->addPermanentWidget(numPane_);
  SetQuickPrintPane(kPaneClear);
  const LockKeys keys = ReadLockKeys();
  capsPane_->setEnabled(keys.Caps);
  numPane_->setEnabled(keys.Num);
}

// A first run without a stored placement: most of the screen, centred.
void CMainFrame::DefaultPlacement() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  const QSize size(room.width() * kFirstRunShare / 100, room.height() * kFirstRunShare / 100);
  setGeometry(QRect(room.center() - QPoint(size.width() / 2, size.height() / 2), size));
}

void CMainFrame::ApplyPlacement() {
  DefaultPlacement();
  QSettings& s = app_.Settings();
  WindowPlacement placement;
  if (ParseWindowPos(s.value(kWindowPosKey).toString().toStdString(), placement)) {
    const QRect normal(QPoint(placement.Left, placement.Top), QPoint(placement.Right - 1, placement.Bottom - 1));
    if (normal.isValid() && OnSomeScreen(normal)) setGeometry(normal);
  }
  int rect[4];
  for (int i = 0; i < 4; ++i) rect[i] = s.value(kWindowKeys[i], 0).toInt();
  const QRect window(QPoint(rect[0], rect[1]), QPoint(rect[2] - 1, rect[3] - 1));
  if (window.isValid() && OnSomeScreen(window)) setGeometry(window);
  bool valid = false;
  const int show = s.value(kShowKey, kShowNormal).toInt(&valid);
  showCommand_ = valid ? show : kShowNormal;
}

void CMainFrame::ShowStored() {
  if (showCommand_ == kShowMaximized) showMaximized();
  else show();
  const QByteArray state = app_.Settings().value(kBarStateKey).toByteArray();
  if (!state.isEmpty()) restoreState(state, kBarStateVersion);
  toolBar_->show();
}

void CMainFrame::SavePlacement() {
  QSettings& s = app_.Settings();
  s.setValue(kBarStateKey, saveState(kBarStateVersion));
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  WindowPlacement placement;
  placement.Flags = 0;
  placement.Show = uint32_t(ShowValue(*this));
  placement.Left = normal.left();
  placement.Top = normal.top();
  placement.Right = normal.left() + normal.width();
  placement.Bottom = normal.top() + normal.height();
  s.setValue(kWindowPosKey, QString::fromStdString(WindowPosText(placement)));
  const int rect[4] = {placement.Left, placement.Top, placement.Right, placement.Bottom};
  for (int i = 0; i < 4; ++i) s.setValue(kWindowKeys[i], rect[i]);
  s.setValue(kShowKey, int(placement.Show));
  s.sync();
}

void CMainFrame::AddChild(CChildFrame* child) {
  connect(child->View(), &CGPView::ZoomChanged, this, [this, child] {
    if (ActiveChild() != child) return;
    navigator_->SetZoom(child->View()->Status().ZoomNumerator, child->View()->Status().ZoomDenominator);
    UpdateCommands();
  });
  mdi_->addSubWindow(child);
  child->showMaximized();
  mdi_->setActiveSubWindow(child);
  ActiveChildChanged();
}

CChildFrame* CMainFrame::ActiveChild() const {
  for (QMdiSubWindow* w : {mdi_->activeSubWindow(), mdi_->currentSubWindow()}) {
    auto* child = qobject_cast<CChildFrame*>(w);
    if (child && child->isVisible()) return child;
  }
  // A layout window that is the only one counts as active while the
  // application itself is not.
  for (QMdiSubWindow* w : mdi_->subWindowList())
    if (auto* child = qobject_cast<CChildFrame*>(w); child && child->isVisible()) return child;
  return nullptr;
}

void CMainFrame::ActiveChildChanged() {
  CChildFrame* child = ActiveChild();
  if (child) {
    CGPView* view = child->View();
    navigator_->SetZoom(view->Status().ZoomNumerator, view->Status().ZoomDenominator);
    child->Document().ShowStatus(kStatusSummary);
  } else {
    navigator_->SetPages(0, 0);
    messagePane_->setText(ToQString(StringText(kReadyString)));
  }
  UpdateCommands();
}

void CMainFrame::UpdateCommands() {
  actions_->Update();
  actions_->SetRecentFiles(app_.RecentFiles().Paths());
  if (navigator_) navigator_->UpdateButtons();
}

void CMainFrame::ShowStatus(CGPDoc* document, int kind) {
  if (!document || !document->Layout()) return;
  CGPView* view = document->View();
  const StatusValues values = view ? view->Status() : StatusValues();
  const std::string text = view || kind != kStatusSummary ? StatusText(document->Layout(), values, kind) : "";
  const bool alert = kind == kStatusFailures && lastStatusKind_ != kStatusFailures;
  lastStatusKind_ = kind;
  if (CChildFrame* child = document->Frame()) {
    child->SetStatusText(text, alert);
    messagePane_->setText(ToQString(StringText(kReadyString)));
  } else {
    messagePane_->setText(ToQString(text));
  }
  if (kind == kStatusSummary && view && ActiveChild() == document->Frame())
    navigator_->SetPages(view->CurrentPage(), document->Layout()->PageNumber);
  // The place or size of what a drag moves changes no command's state.
  if (kind != kStatusMoving && kind != kStatusResizing) UpdateCommands();
}

QString CMainFrame::MainStatusText() const { return messagePane_->text(); }

void CMainFrame::SetQuickPrintPane(int kind) {
  const bool on = app_.Preferences().quickPrint != 0;
  switch (kind) {
    case kPaneExecuting: SetQuickPrintText(StringText(kQuickPrintExecutingString)); break;
    case kPaneEnabled:
    case kPaneEnabledAgain:
      SetQuickPrintText(StringText(on ? kQuickPrintEnabledString : kEmptyPaneString));
      break;
    default: SetQuickPrintText(StringText(kEmptyPaneString)); break;
  }
}

void CMainFrame::SetQuickPrintText(std::string_view text) { quickPrintPane_->setText(ToQString(text)); }

QString CMainFrame::QuickPrintText() const { return quickPrintPane_->text(); }

void CMainFrame::SetStopRequested(int value) {
  if (stopRequested_ == 0 && value == 1) QApplication::beep();
  stopRequested_ = value;
}

void CMainFrame::Refresh() {
  if (QLayout* l = layout()) l->activate();
  repaint();
}

int CMainFrame::ContextMenuFor(QWidget* source) const {
  for (QWidget* w = source; w; w = w->parentWidget()) {
    if (w->objectName() == QLatin1String("LayoutSidePanel")) return 0;
    if (w == statusBar()) return 0;
    if (w == toolBar_ || w == navigatorBar_ || w == menuBar()) return 0;
    if (auto* child = qobject_cast<CChildFrame*>(w)) {
      const LayoutDocument* d = child->Document().Layout();
      return d ? ContextMenuForSelection(*d) : 0;
    }
  }
  return kMenuFrame;
}

void CMainFrame::ShowContextMenu(const QPoint& globalPos, QWidget* source) {
  const int menuId = ContextMenuFor(source);
  if (menuId == 0) return;
  QMenu* menu = actions_->BuildContextMenu(menuId, this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(globalPos);
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event) {
  QWidget* source = childAt(mapFromGlobal(event->globalPos()));
  // Right clicks on the bars get the framework's own menu of bars.
  if (source && (source == toolBar_ || toolBar_->isAncestorOf(source) || source == navigatorBar_ ||
                 navigatorBar_->isAncestorOf(source))) {
    QMainWindow::contextMenuEvent(event);
    return;
  }
  ShowContextMenu(event->globalPos(), source ? source : this);
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const std::vector<std::string> files = DroppedFiles(event->mimeData());
  if (files.empty()) return;
  event->acceptProposedAction();
  DropLayoutFiles(files);
}

void CMainFrame::DropLayoutFiles(const std::vector<std::string>& files) {
  if (CGPDoc* active = app_.Documents().Active(); active && active->Layout()) UndoClear();
  if (app_.DocumentBusy()) {
    ErrorBeep();
    return;
  }
  SetStopRequested(0);
  Refresh();
  for (const std::string& file : files) {
    if (CGPDoc* shown = app_.Documents().FindByPath(file)) {
      BusyScope busy(app_);
      if (!app_.Documents().ReloadAfterAsking(*shown, file)) break;
    } else if (!app_.Documents().OpenFile(file)) {
      break;
    }
    QCoreApplication::processEvents();
    if (StopRequested()) break;
  }
}

void CMainFrame::DropOnLayoutWindow(CChildFrame& child, const std::vector<std::string>& files) {
  raise();
  activateWindow();
  mdi_->setActiveSubWindow(&child);
  CGPDoc& document = child.Document();
  if (!document.Layout()) return;
  std::vector<std::string> existing;
  for (const std::string& file : files) {
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) existing.push_back(file);
  }
  document.AddImages(existing);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (app_.DocumentBusy()) {
    event->ignore();
    return;
  }
  SavePlacement();
  if (!app_.Documents().CloseAll()) {
    event->ignore();
    return;
  }
  event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsStopKey(*key)) {
      SetStopRequested(1);
      return true;
    }
  }
  if (event->type() == QEvent::KeyRelease || event->type() == QEvent::WindowActivate) {
    const LockKeys keys = ReadLockKeys();
    if (capsPane_) capsPane_->setEnabled(keys.Caps);
    if (numPane_) numPane_->setEnabled(keys.Num);
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tl
