// CStartupSplash: the program picture shown while a start-up takes long.
// It never holds the start-up back: it appears only once the start-up has
// run for its delay (checked between the start-up steps and, while events
// run, by a timer), and when the start-up is done it goes, after it has
// been seen for a moment, by a timer while the program runs on. A click
// takes it down at once.
#pragma once

#include <QElapsedTimer>
#include <QSplashScreen>
#include <QTimer>
#include <chrono>

namespace tl {

class CStartupSplash : public QSplashScreen {
  Q_OBJECT

 public:
  // Start-ups quicker than this show no splash.
  static constexpr std::chrono::milliseconds kDefaultDelay{400};
  // A splash that appeared stays this long, so that it does not flicker.
  static constexpr std::chrono::milliseconds kShownAtLeast{800};

  // The start-up begins now.
  explicit CStartupSplash(std::chrono::milliseconds delay = kDefaultDelay);

  // Between two start-up steps: shows the splash when the delay has passed.
  void Poll();
  // The start-up is done: a splash that was never shown never will be.
  void Finish();

 private:
  void ShowNow();

  QElapsedTimer clock_;
  QTimer delayTimer_;
  QElapsedTimer shownClock_;
  std::chrono::milliseconds delay_;
  bool shown_ = false;
  bool finished_ = false;
};

}  // namespace tl
