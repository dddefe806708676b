// The Automatic Rotation dialog's widgets.
#include "app/dialogs/auto_rotation_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"
#include "layout/auto_rotation_setting.h"

namespace tl {
namespace {

constexpr int kTitle = 41030;

}  // namespace

CAutoRotationDlg::CAutoRotationDlg(int16_t mode, QWidget* parent) : QDialog(parent), choices_(new QButtonGroup(this)) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("autoRotationDialog");
  auto* layout = new QVBoxLayout(this);
  for (int code = 0; code < kAutoRotationChoiceCount; ++code) {
    auto* radio = new QRadioButton(DialogText(AutoRotationChoiceString(code)));
    radio->setObjectName(QStringLiteral("rotation%1Radio").arg(code));
    choices_->addButton(radio, code);
    layout->addWidget(radio);
  }
  CheckId(choices_, mode);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int16_t CAutoRotationDlg::Mode() const { return int16_t(choices_->checkedId()); }

}  // namespace tl
