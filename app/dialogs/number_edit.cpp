#include "app/dialogs/number_edit.h"

#include <QKeyEvent>
#include <QValidator>

#include "document/message_box.h"

namespace tl {
namespace {

// Pasted or otherwise set text: taken whole or not at all.
class NumberValidator final : public QValidator {
 public:
  NumberValidator(const NumberFieldRange& range, QObject* parent) : QValidator(parent), range_(range) {}
  State validate(QString& text, int&) const override {
    return NumberFieldAccepts(text.toStdString(), range_) ? Acceptable : Invalid;
  }

 private:
  NumberFieldRange range_;
};

}  // namespace

CNumberEdit::CNumberEdit(const NumberFieldRange& range, QWidget* parent) : QLineEdit(parent), range_(range) {
  setValidator(new NumberValidator(range, this));
  setMaxLength(int(range.MaxChars));
}

bool CNumberEdit::Refuses(const QKeyEvent& event) const {
  char key = 0;
  if (event.key() == Qt::Key_Backspace) {
    key = kBackspaceKey;
  } else {
    const QString text = event.text();
    if (text.size() != 1 || !text[0].isPrint() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
      return false;  // moves, shortcuts and other keys are the line edit's own
    const char16_t c = text[0].unicode();
    if (c > 0x7F || !NumberFieldKey(char(c))) return true;
    key = char(c);
  }
  const std::string current = text().toStdString();
  const int cursor = cursorPosition();
  const int start = hasSelectedText() ? selectionStart() : cursor;
  const int end = hasSelectedText() ? selectionStart() + int(selectedText().size()) : cursor;
  return !NumberFieldAccepts(TextAfterKey(current, size_t(start), size_t(end), key), range_);
}

void CNumberEdit::keyPressEvent(QKeyEvent* event) {
  if (Refuses(*event)) {
    ErrorBeep();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace tl
