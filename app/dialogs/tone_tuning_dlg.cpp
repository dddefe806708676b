#include "app/dialogs/tone_tuning_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "document/layout_document.h"
#include "render/bitmap_image.h"

namespace tl {
namespace {

constexpr int kPreviewSide = 200;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CToneTuningDlg::CToneTuningDlg(const LayoutDocument& document, const ImageObject* previewed, QWidget* parent)
    : QDialog(parent),
      previewed_(previewed),
      texts_(LoadColorDialogTexts()),
      choice_(InitialToneTuningChoice(document)),
      modes_(new QButtonGroup(this)),
      preview_(new QLabel),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setWindowTitle(Qs(texts_.TuningTitle));
  setObjectName(QStringLiteral("toneTuningDialog"));

  auto* modeColumn = new QVBoxLayout;
  const struct {
    const std::string& text;
    int mode;
  } modes[] = {{texts_.Off, kTuningOff}, {texts_.AutomaticTuning, kTuningAutomatic}, {texts_.CustomTuning, kTuningCustom}};
  for (const auto& mode : modes) {
    auto* button = new QRadioButton(Qs(mode.text));
    modes_->addButton(button, mode.mode);
    modeColumn->addWidget(button);
  }

  auto* grid = new QGridLayout;
  const std::string* names[kTuningKindCount] = {&texts_.Brightness, &texts_.Contrast, &texts_.Vividness};
  for (int kind = 0; kind < kTuningKindCount; ++kind) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(QStringLiteral("tuningSlider%1").arg(kind));
    slider->setRange(0, kTuningSliderMax);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setMinimumWidth(180);
    grid->addWidget(new QLabel(Qs(*names[kind])), kind, 0);
    grid->addWidget(slider, kind, 1);
    sliders_[kind] = slider;
    connect(slider, &QSlider::valueChanged, this, [this, kind](int value) {
      choice_.Sliders[size_t(kind)] = value;
      ShowPreview();
    });
  }
  modeColumn->addLayout(grid);
  modeColumn->addStretch(1);

  preview_->setObjectName(QStringLiteral("tuningPreview"));
  preview_->setFixedSize(kPreviewSide, kPreviewSide);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setFrameShape(QFrame::StyledPanel);

  auto* body = new QHBoxLayout;
  body->addLayout(modeColumn, 1);
  body->addWidget(preview_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(buttons_);

  Show();
  connect(modes_, &QButtonGroup::idClicked, this, [this](int mode) {
    choice_.Mode = int16_t(mode);
    Show();
  });
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CToneTuningDlg::Show() {
  modes_->button(choice_.Mode)->setChecked(true);
  const bool live = ToneTuningSlidersEnabled(choice_);
  for (int kind = 0; kind < kTuningKindCount; ++kind) {
    const QSignalBlocker block(sliders_[kind]);
    sliders_[kind]->setValue(choice_.Sliders[size_t(kind)]);
    sliders_[kind]->setEnabled(live);
  }
  ShowPreview();
}

void CToneTuningDlg::ShowPreview() {
  const BitmapPtr tuned = previewed_ ? TunedPreview(*previewed_, choice_, kPreviewSide) : nullptr;
  if (!tuned) {
    preview_->clear();
    return;
  }
  preview_->setPixmap(QPixmap::fromImage(BitmapImage(*tuned).copy()));
}

}  // namespace tl
