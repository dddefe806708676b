// The choices a user makes in the system's own dialogs -- which files to
// open or add, where to save, which template or colour -- behind one
// interface. The application shows the real dialogs; tests put scripted
// answers in their place and drive everything else through the real
// windows.
#pragma once

#include <string>
#include <vector>

#include "document/geometry.h"
#include "imaging/missing_image.h"

class QWidget;

namespace tl {

class AppPrompts {
 public:
  virtual ~AppPrompts() = default;

  // New: the template a layout starts from; false on Cancel.
  virtual bool ChooseTemplate(QWidget* parent, std::string& path);
  // Open: a layout file; empty on Cancel.
  virtual std::string OpenLayout(QWidget* parent);
  // Get Image: image files and folders in the order chosen; empty on
  // Cancel. `extendedFormats` adds PSD, PNG and PICT to the filter.
  virtual std::vector<std::string> ImageFiles(QWidget* parent, bool extendedFormats);
  // Replace Image: one image file; empty on Cancel.
  virtual std::string ReplacementImage(QWidget* parent, bool extendedFormats);
  // Image Stamp: the stamp picture, starting at `current`; empty on Cancel.
  virtual std::string StampPicture(QWidget* parent, const std::string& current, bool extendedFormats);
  // Save As: `path` holds the suggested name and receives the chosen one;
  // `relative` is the state of "Save layout with relative path to image
  // data folder." in and out. False on Cancel.
  virtual bool SaveLayoutAs(QWidget* parent, std::string& path, bool& relative);
  // The system colour dialog, opened with `color`; false on Cancel.
  virtual bool ChooseColor(QWidget* parent, ColorRef& color);
  // Print to the "PDF file" destination: the file to write, starting from
  // `path`; false on Cancel.
  virtual bool PdfOutputFile(QWidget* parent, std::string& path);
  // An image of a layout being read is not where the layout says: the
  // image-not-found dialog, then the file dialog that finds it.
  virtual MissingImageAnswer AskAboutMissingImage(QWidget* parent, const std::string& missingPath);
  virtual bool ChooseMissingImage(QWidget* parent, const std::string& missingPath, const std::string& filter,
                                  std::string& chosen);
};

}  // namespace tl
