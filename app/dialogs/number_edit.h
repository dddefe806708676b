// CNumberEdit: a number field of a dialog. A keystroke that would leave a
// text the field does not take is refused with the error beep; pasted text
// is held to the same rule.
#pragma once

#include <QLineEdit>

#include "layout/number_field.h"

namespace tl {

class CNumberEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CNumberEdit(const NumberFieldRange& range, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Whether the key is refused: a character the field does not look at,
  // or one that would leave a text it does not take.
  bool Refuses(const QKeyEvent& event) const;

  NumberFieldRange range_;
};

}  // namespace tl
