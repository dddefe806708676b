#include "app/shell/startup_splash.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "app/shell/program_pictures.h"

namespace tl {
namespace {

constexpr std::chrono::milliseconds kModalRetry{200};

}  // namespace

CStartupSplash::CStartupSplash(std::chrono::milliseconds delay) : delay_(delay) {
  setObjectName("startupSplash");
  // The main window keeps the keyboard; the splash only shows.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  clock_.start();
  delayTimer_.setSingleShot(true);
  delayTimer_.setTimerType(Qt::PreciseTimer);  // never early: an early Poll would show nothing
  connect(&delayTimer_, &QTimer::timeout, this, &CStartupSplash::Poll);
  delayTimer_.start(delay_);
}

void CStartupSplash::Poll() {
  if (shown_ || finished_ || std::chrono::milliseconds(clock_.elapsed()) < delay_) return;
  // A question asked while starting stays in front; the splash waits.
  if (QApplication::activeModalWidget()) {
    delayTimer_.start(kModalRetry);
    return;
  }
  ShowNow();
}

void CStartupSplash::ShowNow() {
  // Before showing: the splash paints at once and lets pending events run,
  // which may bring the next Poll.
  shown_ = true;
  shownClock_.start();
  const QScreen* screen = QGuiApplication::primaryScreen();
  setPixmap(ProgramPicture(screen ? screen->devicePixelRatio() : 1.0));
  show();
  raise();
}

void CStartupSplash::Finish() {
  finished_ = true;
  delayTimer_.stop();
  if (!shown_ || isHidden()) return;
  const std::chrono::milliseconds seen(shownClock_.elapsed());
  QTimer::singleShot(std::max(std::chrono::milliseconds(0), kShownAtLeast - seen), this, &QWidget::close);
}

}  // namespace tl
