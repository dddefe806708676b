// CToolWindow: what the floating tool windows share. A tool window of the
// main window, with a title and a close button only, that opens where it
// was last (kept in `origin`, brought back onto the screen's work area)
// and says when the user closes it.
#pragma once

#include <QWidget>

#include "document/geometry.h"

namespace tl {

class CToolWindow : public QWidget {
  Q_OBJECT

 public:
  // `origin` is where the window opens and where its position is kept.
  CToolWindow(QWidget* parent, LPoint& origin);

 signals:
  // The user closed the window.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  LPoint& origin_;
  bool placed_ = false;
};

}  // namespace tl
