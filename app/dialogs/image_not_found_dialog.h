// The image-not-found dialog shown while a layout is read: titled with the
// missing path, it offers Find (look for the file), Stop (read no further
// images) and Ignore (leave this image out).
#pragma once

#include <QDialog>
#include <string>

#include "imaging/missing_image.h"

namespace tl {

class CImageNotFoundDlg : public QDialog {
  Q_OBJECT

 public:
  CImageNotFoundDlg(const std::string& missingPath, QWidget* parent = nullptr);
  MissingImageAnswer Answer() const { return answer_; }

 private:
  MissingImageAnswer answer_ = MissingImageAnswer::Ignore;
};

}  // namespace tl
