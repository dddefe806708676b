#include "app/view/navigator_bar.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

#include "app/shell/command_actions.h"
#include "render/navigator_entries.h"
#include "resources/command_ids.h"

namespace tl {
namespace {

constexpr int kZoomPresets[] = {1600, 800, 400, 200, 150, 100, 75, 66, 50, 33, 25, 12};
constexpr int kZoomBoxChars = 9;
constexpr int kPageBoxChars = 11;

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
  page_->setEditable(true);
  page_->setInsertPolicy(QComboBox::NoInsert);
  page_->setMinimumContentsLength(kPageBoxChars);
  previous_ = CommandButton(QStringLiteral("<-"), kCmdPreviousPage);
  next_ = CommandButton(QStringLiteral("->"), kCmdNextPage);
  connect(page_, &QComboBox::activated, this, &CGPDialogBar::PageChosen);
  connect(page_->lineEdit(), &QLineEdit::returnPressed, this, [this] { PageEntered(page_->currentText()); });
  connect(zoom_, &QComboBox::activated, this, [this](int index) { ZoomEntered(zoom_->itemText(index)); });
  connect(zoom_->lineEdit(), &QLineEdit::returnPressed, this, [this] { ZoomEntered(zoom_->currentText()); });

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
  current_ = current;
  count_ = count;
  page_->blockSignals(true);
  page_->clear();
  for (int i = 0; i < count; ++i) page_->addItem(QString::fromStdString(PageEntryText(i, count)));
  if (count > 0) page_->setCurrentIndex(std::min(current, count - 1));
  page_->blockSignals(false);
  page_->setEnabled(count > 0);
  UpdateButtons();
}

void CGPDialogBar::SetZoom(int numerator, int denominator) {
  numerator_ = numerator;
  denominator_ = denominator;
  const QString text = QString::fromStdString(ZoomEntryText({numerator, denominator}));
  zoom_->blockSignals(true);
  for (int i = 0; i < zoom_->count(); ++i) {
    const int percent = zoom_->itemText(i).chopped(1).toInt();
    if (int64_t(percent) * denominator == int64_t(numerator) * 100) {
      zoom_->setCurrentIndex(i);
      zoom_->blockSignals(false);
      return;
    }
  }
  zoom_->setCurrentIndex(-1);
  zoom_->setEditText(text);
  zoom_->blockSignals(false);
}

void CGPDialogBar::ZoomEntered(const QString& text) {
  ZoomRatio zoom;
  if (ParseZoomEntry(text.toStdString(), zoom)) emit ZoomChosen(zoom.Numerator, zoom.Denominator);
  else SetZoom(numerator_, denominator_);
}

void CGPDialogBar::PageEntered(const QString& text) {
  int32_t page = 0;
  if (ParsePageEntry(text.toStdString(), count_, page)) emit PageChosen(page);
  else SetPages(current_, count_);
}

void CGPDialogBar::UpdateButtons() {
  for (QToolButton* button : {zoomIn_, zoomOut_, previous_, next_})
    button->setEnabled(actions_.Action(button->property("command").toInt())->isEnabled());
}

}  // namespace tl
