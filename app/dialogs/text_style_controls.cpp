// The label and caption dialogs' shared controls.
#include "app/dialogs/text_style_controls.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QStandardItemModel>

#include "app/dialogs/dialog_controls.h"
#include "render/qt_colors.h"

namespace tl {
namespace {

constexpr int kAlignNames[] = {10110, 10112, 10111};  // "Left", "Center", "Right"
constexpr const char* kAlignObjects[] = {"alignLeftRadio", "alignCenterRadio", "alignRightRadio"};
constexpr int kLocationNames[] = {10115, 10116, 10110, 10111};  // "Top", "Bottom", "Left", "Right"
constexpr Qt::Alignment kSampleAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

}  // namespace

QButtonGroup* NewAlignButtons(QWidget* owner, QHBoxLayout* row) {
  auto* group = new QButtonGroup(owner);
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(DialogText(kAlignNames[i]));
    radio->setObjectName(kAlignObjects[i]);
    group->addButton(radio, i);
    row->addWidget(radio);
  }
  return group;
}

QComboBox* NewLocationCombo() {
  auto* combo = new QComboBox;
  combo->setObjectName("locationCombo");
  for (int i = 0; i < 4; ++i) combo->addItem(DialogText(kLocationNames[i]), i);
  return combo;
}

void DisableLocation(QComboBox* combo, int location) {
  auto* model = qobject_cast<QStandardItemModel*>(combo->model());
  const int row = combo->findData(location);
  if (!model || row < 0) return;
  if (QStandardItem* item = model->item(row)) item->setEnabled(false);
}

void ShowTextSample(QLabel* label, const std::string& text, const std::string& fontName, ColorRef color,
                    int16_t align) {
  QFont font(QText(fontName));
  font.setPointSize(10);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ToQColor(color));
  label->setPalette(palette);
  label->setAlignment(kSampleAlign[align >= 0 && align < 3 ? align : 0] | Qt::AlignVCenter);
  label->setText(QText(text));
}

}  // namespace tl
