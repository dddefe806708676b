// CSaveTemplateAsDlg: the name, the "Genre :" combo of the
// user template types, the comment and "Save with arranged images". OK
// checks the name and asks before replacing a file (string 32903); No
// keeps the dialog open.
#pragma once

#include <QDialog>

#include "templates/save_template.h"
#include "templates/template_texts.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;

namespace tl {

class CSaveTemplateAsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CSaveTemplateAsDlg(const SaveTemplateAsFields& fields, QWidget* parent = nullptr);

  // After OK: the values of the controls and where the template goes.
  const SaveTemplateAsFields& Fields() const { return fields_; }
  const SaveTemplateAsTarget& Target() const { return target_; }

  QLineEdit* NameEdit() const { return name_; }
  QComboBox* GenreCombo() const { return genre_; }
  QLineEdit* CommentEdit() const { return comment_; }
  QCheckBox* WithImagesCheck() const { return withImages_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  void Ok();

  SaveTemplateAsFields fields_;
  SaveTemplateAsTarget target_;
  QLineEdit* name_;
  QComboBox* genre_;
  QLineEdit* comment_;
  QCheckBox* withImages_;
  QDialogButtonBox* buttons_;
};

}  // namespace tl
