#include "app/windows/image_preview_wnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/windows/preview_pane.h"
#include "document/message_box.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kTitleString = 40803;            // "Image Preview"
constexpr int kColorManagementString = 40804;  // "Enable Color Management"
constexpr int kResizeSettleMs = 250;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CImagePreviewWnd::CImagePreviewWnd(QWidget* parent, LPoint& origin, int32_t side)
    : CToolWindow(parent, origin),
      pane_(new CPreviewPane),
      zoomList_(new QComboBox),
      zoomIn_(new QToolButton),
      zoomOut_(new QToolButton),
      colorManagement_(new QCheckBox(Qs(StringCopy(kColorManagementString)))),
      decoder_([this](PreviewDecoder::Stage stage, PreviewPicture& picture) { Delivered(stage, picture); }) {
  setObjectName(QStringLiteral("ImagePreviewWindow"));
  setWindowTitle(Qs(StringCopy(kTitleString)));
  zoomList_->setObjectName(QStringLiteral("ZoomList"));
  for (int item = 0; item < kPreviewZoomCount; ++item) zoomList_->addItem(Qs(PreviewZoomText(item)));
  zoomIn_->setObjectName(QStringLiteral("ZoomIn"));
  zoomIn_->setText(QStringLiteral("+"));
  zoomOut_->setObjectName(QStringLiteral("ZoomOut"));
  zoomOut_->setText(QStringLiteral("-"));
  colorManagement_->setObjectName(QStringLiteral("EnableColorManagement"));
  colorManagement_->setChecked(true);

  auto* controls = new QHBoxLayout;
  controls->addWidget(zoomList_);
  controls->addWidget(zoomIn_);
  controls->addWidget(zoomOut_);
  controls->addSpacing(8);
  controls->addWidget(colorManagement_);
  controls->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(controls);
  layout->addWidget(pane_, 1);
  resize(side, side);

  connect(zoomList_, &QComboBox::activated, this, [this](int item) { Choose(item); });
  connect(zoomIn_, &QToolButton::clicked, this, [this] { StepZoom(true); });
  connect(zoomOut_, &QToolButton::clicked, this, [this] { StepZoom(false); });
  connect(pane_, &CPreviewPane::ZoomInRequested, this, [this] { StepZoom(true); });
  connect(pane_, &CPreviewPane::ZoomOutRequested, this, [this] { StepZoom(false); });
  connect(colorManagement_, &QCheckBox::clicked, this, [this](bool on) {
    wantsMatching_ = on;
    RefreshImagePreview();
  });
  resizeSettled_.setSingleShot(true);
  resizeSettled_.setInterval(kResizeSettleMs);
  connect(&resizeSettled_, &QTimer::timeout, this, [this] {
    if (!(pane_->PaneSize() == fittedPane_)) RefreshImagePreview();
  });
  EnableControls(false);
}

CImagePreviewWnd::~CImagePreviewWnd() = default;

void CImagePreviewWnd::Follow(const ImageObject* image) {
  const PreviewKey key = PreviewKeyOf(image);
  if (followed_ && key == shown_) return;
  followed_ = true;
  shown_ = key;
  source_ = image ? MakePreviewSource(*image) : nullptr;
  RefreshImagePreview();
}

void CImagePreviewWnd::RefreshImagePreview() {
  resizeSettled_.stop();
  decoder_.Cancel();
  pane_->Clear();
  zoom_ = {};
  if (!source_) {
    EnableControls(false);
    pane_->unsetCursor();
    ShowZoomState();
    return;
  }
  EnableControls(true);
  const ImageObject& image = source_->Image;
  const bool manageable = PreviewColorManageable(image);
  colorManagement_->setEnabled(manageable);
  colorManagement_->setChecked(manageable && wantsMatching_);
  const LSize picture = PreviewPictureSize(image);
  FitMinimumSize(picture);
  if (layout()) layout()->activate();
  const LSize pane = pane_->PaneSize();
  fittedPane_ = pane;
  zoom_ = FitPreviewZoom(picture, pane);
  pane_->SetPictureSize(picture);
  pane_->SetZoom(zoom_);
  ShowZoomState();
  // A fresh copy for each decode: the last one may still be read by a
  // superseded decode.
  source_ = MakePreviewSource(image);
  if (!source_) return;
  pane_->setCursor(Qt::BusyCursor);
  decoder_.Start(source_, colorManagement_->isChecked(), ZoomedPictureSize(zoom_, picture, pane));
}

void CImagePreviewWnd::Delivered(PreviewDecoder::Stage stage, PreviewPicture& picture) {
  if (!picture.Pixels) {
    pane_->unsetCursor();
    pane_->Clear();
    source_.reset();
    EnableControls(false);
    ShowMessage(picture.Message, MessageIcon::Stop);
    return;
  }
  if (stage == PreviewDecoder::Stage::Fitted) {
    pane_->SetFitted(std::move(picture.Pixels), std::move(picture.Mask));
  } else {
    pane_->SetFull(std::move(picture.Pixels), std::move(picture.Mask));
    pane_->unsetCursor();
  }
}

void CImagePreviewWnd::Choose(int item) {
  ChoosePreviewZoom(zoom_, item);
  pane_->SetZoom(zoom_);
  ShowZoomState();
}

void CImagePreviewWnd::StepZoom(bool in) {
  if (!source_) return;
  if (in) ZoomIn(zoom_);
  else ZoomOut(zoom_);
  pane_->SetZoom(zoom_);
  ShowZoomState();
}

void CImagePreviewWnd::ShowZoomState() {
  auto* model = qobject_cast<QStandardItemModel*>(zoomList_->model());
  for (int item = 0; item < kPreviewZoomCount; ++item)
    if (model) model->item(item)->setEnabled(zoom_.Allowed[size_t(item)] || item == kZoomAll);
  zoomList_->setCurrentIndex(zoom_.Selection);
  zoomIn_->setEnabled(source_ && CanZoomIn(zoom_));
  zoomOut_->setEnabled(source_ && CanZoomOut(zoom_));
}

void CImagePreviewWnd::EnableControls(bool enabled) {
  zoomList_->setEnabled(enabled);
  colorManagement_->setEnabled(enabled);
  zoomIn_->setEnabled(enabled && CanZoomIn(zoom_));
  zoomOut_->setEnabled(enabled && CanZoomOut(zoom_));
}

void CImagePreviewWnd::FitMinimumSize(LSize picture) {
  // The pane the picture asks for, with the controls and the margins.
  const LSize pane = PreviewPaneMinimum(picture);
  const QSize around = size() - pane_->size();
  setMinimumSize(pane.cx + around.width(), pane.cy + around.height());
}

void CImagePreviewWnd::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Decoded again for the new pane once the border drag has settled.
  if (source_ && isVisible()) resizeSettled_.start();
}

}  // namespace tl
