#include "app/dialogs/image_color_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/color_controls.h"
#include "document/layout_document.h"

namespace tl {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CImageColorDlg::CImageColorDlg(LayoutDocument& document, const ImageObject& image, QWidget* parent)
    : QDialog(parent),
      document_(document),
      image_(image),
      texts_(LoadColorDialogTexts()),
      lists_(ListProfiles(ProfileListSet::Input)),
      sources_(new QButtonGroup(this)),
      rgb_(new ProfileIntentRow(lists_.Rgb, texts_)),
      simulation_(new SimulationBox(lists_, texts_)),
      reset_(new QPushButton(Qs(texts_.ResetByInput))),
      output_(new OutputProfilesBox(document, texts_)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setWindowTitle(Qs(texts_.ImageTitle));
  setObjectName(QStringLiteral("imageColorDialog"));
  reset_->setObjectName(QStringLiteral("resetByInput"));

  auto* sourceBox = new QGroupBox(Qs(texts_.SourceProfile));
  auto* grid = new QGridLayout(sourceBox);
  const struct {
    const std::string& text;
    ImageSource source;
  } choices[] = {{texts_.Vividex, ImageSource::Vividex},
                 {texts_.ExifPrint, ImageSource::ExifPrint},
                 {texts_.EmbeddedProfile, ImageSource::EmbeddedProfile},
                 {texts_.RgbProfile, ImageSource::RgbProfile}};
  int row = 0;
  for (const auto& choice : choices) {
    auto* button = new QRadioButton(Qs(choice.text));
    sources_->addButton(button, int(choice.source));
    grid->addWidget(button, row++, 0);
  }
  grid->addWidget(rgb_, row - 1, 1);
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(sourceBox);
  layout->addWidget(simulation_);
  layout->addWidget(reset_, 0, Qt::AlignLeft);
  layout->addWidget(output_);
  layout->addWidget(buttons_);

  Show(InitialImageColorChoice(image, lists_));
  connect(sources_, &QButtonGroup::idClicked, this, [this] { EnableSources(); });
  connect(reset_, &QPushButton::clicked, this, [this] { Show(InputSettingsChoice(image_, document_, lists_)); });
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ImageColorChoice CImageColorDlg::Choice() const {
  ImageColorChoice choice;
  const int source = sources_->checkedId();
  choice.Source = source < 0 ? ImageSource::RgbProfile : ImageSource(source);
  choice.Rgb = rgb_->Choice();
  choice.Simulation = simulation_->Choice();
  return choice;
}

void CImageColorDlg::Show(const ImageColorChoice& choice) {
  sources_->button(int(choice.Source))->setChecked(true);
  rgb_->Show(choice.Rgb);
  simulation_->Show(choice.Simulation);
  EnableSources();
}

void CImageColorDlg::EnableSources() {
  const ImageSourceControls controls = ImageSourceAvailability(image_, Choice().Source);
  sources_->button(int(ImageSource::Vividex))->setEnabled(controls.Vividex);
  sources_->button(int(ImageSource::ExifPrint))->setEnabled(controls.ExifPrint);
  sources_->button(int(ImageSource::EmbeddedProfile))->setEnabled(controls.EmbeddedProfile);
  rgb_->setEnabled(controls.RgbLists);
}

}  // namespace tl
