#include "app/dialogs/input_color_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "app/dialogs/color_controls.h"
#include "document/layout_document.h"

namespace tl {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CInputColorDlg::CInputColorDlg(LayoutDocument& document, QWidget* parent)
    : QDialog(parent),
      document_(document),
      texts_(LoadColorDialogTexts()),
      lists_(ListProfiles(ProfileListSet::Input)),
      useVdx_(new QCheckBox(Qs(texts_.UseVdx))),
      source_(new ProfileIntentRow(lists_.Rgb, texts_)),
      useEmbedded_(new QCheckBox(Qs(texts_.UseEmbedded))),
      simulation_(new SimulationBox(lists_, texts_)),
      output_(new OutputProfilesBox(document, texts_)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setWindowTitle(Qs(texts_.InputTitle));
  setObjectName(QStringLiteral("inputColorDialog"));
  useVdx_->setObjectName(QStringLiteral("useVdx"));
  useEmbedded_->setObjectName(QStringLiteral("useEmbedded"));

  auto* form = new QFormLayout;
  form->addRow(useVdx_);
  form->addRow(Qs(texts_.DefaultSource), source_);
  form->addRow(QString(), useEmbedded_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(simulation_);
  layout->addWidget(output_);
  layout->addWidget(buttons_);

  const InputColorChoice choice = InitialInputColorChoice(document, lists_);
  useVdx_->setChecked(choice.UseVdx);
  source_->Show(choice.Source);
  useEmbedded_->setChecked(choice.UseEmbedded);
  simulation_->Show(choice.Simulation);

  connect(buttons_, &QDialogButtonBox::accepted, this, &CInputColorDlg::Ok);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CInputColorDlg::Ok() {
  InputColorChoice choice;
  choice.UseVdx = useVdx_->isChecked();
  choice.Source = source_->Choice();
  choice.UseEmbedded = useEmbedded_->isChecked();
  choice.Simulation = simulation_->Choice();
  ConfirmInputColorChoice(document_, lists_, choice);
  accept();
}

}  // namespace tl
