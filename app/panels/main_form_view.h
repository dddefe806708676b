// CMainFormView: the layout side panel in the left column of a layout
// window, where the printer, paper and template settings of the layout are
// shown and changed.
#pragma once

#include <QScrollArea>

namespace tl {

class CGPDoc;

class CMainFormView : public QScrollArea {
  Q_OBJECT

 public:
  CMainFormView(CGPDoc& document, QWidget* parent = nullptr);

  // The column's width when it opens: 332 pixels, a scroll bar and two
  // window edges.
  static int InitialWidth(const QWidget* reference);

 private:
  CGPDoc& document_;
};

}  // namespace tl
