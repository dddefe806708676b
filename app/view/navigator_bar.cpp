#include "app/view/navigator_bar.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

#include "app/shell/command_actions.h"
#include "resources/command_ids.h"

namespace tl {
namespace {

constexpr int kZoomPresets[] = {1600, 800, 400, 200, 150, 100, 75, 66, 50, 33, 25, 12};
constexpr int kZoomBoxChars = 9;
constexpr int kPageBoxChars = 11;

QString ZoomText(int numerator, int denominator) {
  return QString::asprintf("%.2f%%", denominator > 0 ? numerator * 100.0 / denominator : 100.0);
}

}  // namespace

CGPDialogBar::CGPDialogBar(CommandActions& actions, QWidget* parent) : QWidget(parent), actions_(actions) {
  setObjectName(QStringLiteral("NavigatorBar"));
  zoom_ = new QComboBox(this);
  zoom_->setEditable(true);
  zoom_->setInsertPolicy(QComboBox::NoInsert);
  for (int percent : kZoomPresets) zoom_->addItem(QStringLiteral("%1%").arg(percent));
  zoom_->setMinimumContentsLength(kZoomBoxChars);
  zoomIn_ = CommandButton(QStringLiteral("+"), kCmdZoomIn);
  zoomOut_ = CommandButton(QStringLiteral("-"), kCmdZoomOut);
  page_ = new QComboBox(this);
  page_->setMinimumContentsLength(kPageBoxChars);
  previous_ = CommandButton(QStringLiteral("<-"), kCmdPreviousPage);
  next_ = CommandButton(QStringLiteral("->"), kCmdNextPage);
  connect(page_, &QComboBox::activated, this, &CGPDialogBar::PageChosen);

  QHBoxLayout* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->setSpacing(2);
  layout->addWidget(zoom_);
  layout->addWidget(zoomIn_);
  layout->addWidget(zoomOut_);
  layout->addSpacing(8);
  layout->addWidget(page_);
  layout->addWidget(previous_);
  layout->addWidget(next_);
  SetPages(0, 0);
  SetZoom(1, 1);
}

QToolButton* CGPDialogBar::CommandButton(const QString& text, int commandId) {
  QToolButton* button = new QToolButton(this);
  button->setText(text);
  button->setAutoRaise(true);
  connect(button, &QToolButton::clicked, this, [this, commandId] { actions_.Trigger(commandId); });
  button->setProperty("command", commandId);
  return button;
}

void CGPDialogBar::SetPages(int current, int count) {
  page_->blockSignals(true);
  page_->clear();
  for (int i = 1; i <= count; ++i) page_->addItem(QStringLiteral("%1 / %2").arg(i).arg(count));
  if (count > 0) page_->setCurrentIndex(std::min(current, count - 1));
  page_->blockSignals(false);
  page_->setEnabled(count > 0);
  UpdateButtons();
}

void CGPDialogBar::SetZoom(int numerator, int denominator) {
  const QString text = ZoomText(numerator, denominator);
  for (int i = 0; i < zoom_->count(); ++i) {
    const int percent = zoom_->itemText(i).chopped(1).toInt();
    if (int64_t(percent) * denominator == int64_t(numerator) * 100) {
      zoom_->setCurrentIndex(i);
      return;
    }
  }
  zoom_->setCurrentIndex(-1);
  zoom_->setEditText(text);
}

void CGPDialogBar::UpdateButtons() {
  for (QToolButton* button : {zoomIn_, zoomOut_, previous_, next_})
    button->setEnabled(actions_.Action(button->property("command").toInt())->isEnabled());
}

}  // namespace tl
