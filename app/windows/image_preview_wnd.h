// CImagePreviewWnd: the "Image Preview" tool window. It shows the current
// image of the active layout at a zoom chosen from its list ("All" fits
// the pane), colour-managed for the screen or not. The picture is decoded
// at full size from a working copy on worker threads, a quick picture
// fitted to the pane first; a newer image supersedes an older decode.
#pragma once

#include <QTimer>
#include <memory>

#include "app/windows/tool_window.h"
#include "document/geometry.h"
#include "render/image_preview_decode.h"
#include "render/preview_decoder.h"
#include "render/preview_zoom.h"

class QCheckBox;
class QComboBox;
class QToolButton;

namespace tl {

class CPreviewPane;
struct ImageObject;

class CImagePreviewWnd : public CToolWindow {
  Q_OBJECT

 public:
  // `origin` is where the window opens and where its position is kept;
  // `side` the side it opens with.
  CImagePreviewWnd(QWidget* parent, LPoint& origin, int32_t side);
  ~CImagePreviewWnd() override;

  // Shows `image` (null: nothing), decoding it again only when what it
  // shows has changed.
  void Follow(const ImageObject* image);
  // Decodes the current image again and repaints.
  void RefreshImagePreview();

  CPreviewPane* Pane() const { return pane_; }
  QComboBox* ZoomList() const { return zoomList_; }
  QToolButton* ZoomInButton() const { return zoomIn_; }
  QToolButton* ZoomOutButton() const { return zoomOut_; }
  QCheckBox* ColorManagement() const { return colorManagement_; }
  const PreviewZoom& Zoom() const { return zoom_; }
  // A decode of the current image is still under way.
  bool Decoding() const { return decoder_.Pending(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Delivered(PreviewDecoder::Stage stage, PreviewPicture& picture);
  void Choose(int item);
  void StepZoom(bool in);
  void ShowZoomState();
  void EnableControls(bool enabled);
  void FitMinimumSize(LSize picture);

  CPreviewPane* pane_;
  QComboBox* zoomList_;
  QToolButton* zoomIn_;
  QToolButton* zoomOut_;
  QCheckBox* colorManagement_;
  PreviewDecoder decoder_;
  std::shared_ptr<PreviewSource> source_;  // the working copy of the image shown
  PreviewKey shown_;
  bool followed_ = false;     // Follow has been told of an image at least once
  bool wantsMatching_ = true;  // the box's state apart from gray images
  PreviewZoom zoom_;
  QTimer resizeSettled_;       // a border drag has ended
  LSize fittedPane_;           // the pane the zoom list was fitted to
};

}  // namespace tl
