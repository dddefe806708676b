// CImageInfoWnd: the "Image Information" tool window. One list of 26 rows
// (caption, ":", value) shows the facts and Exif data of the current image
// of the active layout; it floats beside the main window, keeps its size,
// and opens where it was last.
#pragma once

#include "app/windows/tool_window.h"
#include "document/geometry.h"

class QTreeWidget;

namespace tl {

struct ImageObject;

class CImageInfoWnd : public CToolWindow {
  Q_OBJECT

 public:
  // `origin` is where the window opens and where its position is kept.
  CImageInfoWnd(QWidget* parent, LPoint& origin);

  // Fills the list for `image`; null leaves the values empty.
  void ShowImageInformation(const ImageObject* image);
  // The list itself, for tests and pictures.
  QTreeWidget* List() const { return list_; }
  // The value shown in `row`.
  QString Value(int row) const;

 private:
  void SetColumnWidths();

  QTreeWidget* list_;
};

}  // namespace tl
