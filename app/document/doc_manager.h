// CGPDocManager: the open layouts and their windows. It makes a layout from
// a template (New) or a file (Open), reads a file again into the window
// that shows it ("Discard the current layout?"), closes layouts with the
// save-modified check, and keeps one layout open at a time as the program
// does: a new or opened layout closes the others.
#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <vector>

namespace tl {

class CGPDoc;
class CTessalineApp;

class CGPDocManager : public QObject {
  Q_OBJECT

 public:
  explicit CGPDocManager(CTessalineApp& app);
  ~CGPDocManager() override;

  std::vector<CGPDoc*> Documents() const;
  // The document of the active layout window; null when there is none.
  CGPDoc* Active() const;
  // The open document whose layout is the file at `path`.
  CGPDoc* FindByPath(const std::string& path) const;

  // New: the Choose Template dialog, then a layout made from the chosen
  // template; the other layouts are closed either way. Null when no layout
  // was made.
  CGPDoc* NewDocument();
  // Open of a file: the extension checked, the file read again into the
  // window that already shows it (after asking), or opened in a new one.
  // True when a layout shows the file afterwards.
  bool OpenFile(const std::string& path);
  // The file read again into `document` after "Discard the current
  // layout?"; false on Cancel or when it does not read.
  bool ReloadAfterAsking(CGPDoc& document, const std::string& path);

  // Closes a document after its save-modified check; false when refused.
  bool CloseDocument(CGPDoc* document);
  // Closes every document; false when one refused.
  bool CloseAll();
  // Every open layout is redrawn (a view setting of the application
  // changed).
  void RedrawAll();

 signals:
  // A layout window opened, closed or became active.
  void DocumentsChanged();

 private:
  CGPDoc* Show(std::unique_ptr<CGPDoc> document);
  void CloseOthers(CGPDoc* keep, const std::string& keepPath);

  CTessalineApp& app_;
  std::vector<std::unique_ptr<CGPDoc>> documents_;
};

}  // namespace tl
