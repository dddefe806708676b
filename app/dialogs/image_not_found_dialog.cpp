#include "app/dialogs/image_not_found_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tl {
namespace {

constexpr const char* kText =
    "Image not found.\nIgnore : Ignore the image.\nFind : Go next step to find the image.\nStop : Stop getting images.";
constexpr int kIconSize = 32;

}  // namespace

CImageNotFoundDlg::CImageNotFoundDlg(const std::string& missingPath, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(missingPath));
  QLabel* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kIconSize, kIconSize));
  icon->setAlignment(Qt::AlignTop);
  QLabel* text = new QLabel(QString::fromLatin1(kText), this);

  QDialogButtonBox* buttons = new QDialogButtonBox(this);
  QPushButton* find = buttons->addButton(QStringLiteral("Find"), QDialogButtonBox::AcceptRole);
  QPushButton* stop = buttons->addButton(QStringLiteral("Stop"), QDialogButtonBox::RejectRole);
  QPushButton* ignore = buttons->addButton(QStringLiteral("Ignore"), QDialogButtonBox::DestructiveRole);
  find->setDefault(true);
  connect(find, &QPushButton::clicked, this, [this] { answer_ = MissingImageAnswer::Find, accept(); });
  connect(stop, &QPushButton::clicked, this, [this] { answer_ = MissingImageAnswer::Stop, reject(); });
  connect(ignore, &QPushButton::clicked, this, [this] { answer_ = MissingImageAnswer::Ignore, reject(); });

  QHBoxLayout* message = new QHBoxLayout;
  message->addWidget(icon);
  message->addWidget(text, 1);
  QVBoxLayout* layout = new QVBoxLayout(this);
  layout->addLayout(message);
  layout->addWidget(buttons);
}

}  // namespace tl
