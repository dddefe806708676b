// The application's three tool windows -- image information, image
// preview and direct print -- shown and hidden by their Window menu
// commands, reopened at start-up when they were open at the last exit,
// and kept following the current image of the active layout.
#pragma once

#include <QObject>
#include <QPointer>

namespace tl {

class CDirectPrintWnd;
class CGPDoc;
class CImageInfoWnd;
class CImagePreviewWnd;
class CTessalineApp;
struct ImageObject;

class CToolWindows : public QObject {
  Q_OBJECT

 public:
  explicit CToolWindows(CTessalineApp& app);
  ~CToolWindows() override;

  // The open windows; null for a closed one.
  CImageInfoWnd* Information() const;
  CImagePreviewWnd* Preview() const;
  CDirectPrintWnd* DirectPrint() const;

  // A shown window is closed, a hidden one opened; the show flag of the
  // preferences follows.
  void ShowInformation(bool shown);
  void ShowPreview(bool shown);
  void ShowDirectPrint(bool shown);
  // The windows whose show flags are set (start-up).
  void OpenStored();
  // The image preview asked for: opened when `createIfClosed`, else only
  // brought up to date when open.
  void PreviewRequested(bool createIfClosed);
  // The direct print printers changed (the preferences' OK).
  void DirectPrintersChanged();
  // The current image of the active layout may have changed.
  void Follow();
  // Told by `document`'s editing that its current image changed.
  void CurrentImageChanged(CGPDoc& document);

 private:
  void WatchDocuments();
  // The Window menu's texts follow a window the user closed.
  void UpdateMenus();
  const ImageObject* CurrentImage() const;

  CTessalineApp& app_;
  QPointer<CImageInfoWnd> information_;
  QPointer<CImagePreviewWnd> preview_;
  QPointer<CDirectPrintWnd> directPrint_;
};

}  // namespace tl
