#include "app/shell/message_box_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kApplicationTitle = 128;

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

MessageAnswer Answer(int button) {
  switch (button) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Ok;
  }
}

// Texts from the string table break their lines with "\r\n" or "\n\r".
QString BoxText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1String("\n\r"), QLatin1String("\n"));
  s.remove(QLatin1Char('\r'));
  return s.trimmed();
}

}  // namespace

MessageAnswer QtMessageSink::Show(std::string_view text, MessageIcon icon, MessageButtons buttons,
                                  MessageAnswer headless) {
  return ShowTitled(StringText(kApplicationTitle), text, icon, buttons, headless);
}

MessageAnswer QtMessageSink::ShowTitled(std::string_view title, std::string_view text, MessageIcon icon,
                                        MessageButtons buttons, MessageAnswer) {
  QMessageBox box(BoxIcon(icon), QString::fromUtf8(title.data(), qsizetype(title.size())), BoxText(text),
                  BoxButtons(buttons), QApplication::activeWindow());
  return Answer(box.exec());
}

void QtMessageSink::Beep() { QApplication::beep(); }

}  // namespace tl
