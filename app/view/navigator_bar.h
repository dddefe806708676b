// CGPDialogBar: the navigator bar beside the tool bar -- the zoom box with
// "+" and "-", and the page box with "<-" and "->". Its buttons send the
// zoom and page commands; the boxes show the active view's zoom and page.
#pragma once

#include <QWidget>

class QComboBox;
class QToolButton;

namespace tl {

class CommandActions;

class CGPDialogBar : public QWidget {
  Q_OBJECT

 public:
  CGPDialogBar(CommandActions& actions, QWidget* parent = nullptr);

  // The page box: entries "%d / %d" for every page, `current` (from 0)
  // selected; no entries without a layout (count 0).
  void SetPages(int current, int count);
  // The zoom box: the preset of the ratio, else "%.2f%%".
  void SetZoom(int numerator, int denominator);
  // The buttons follow their commands' enabled states.
  void UpdateButtons();

  QComboBox* ZoomBox() const { return zoom_; }
 signals:
  // A page (from 0) was chosen in the page box.
  void PageChosen(int page);

 public:
  QComboBox* PageBox() const { return page_; }

 private:
  QToolButton* CommandButton(const QString& text, int commandId);

  CommandActions& actions_;
  QComboBox* zoom_;
  QComboBox* page_;
  QToolButton* zoomIn_;
  QToolButton* zoomOut_;
  QToolButton* previous_;
  QToolButton* next_;
};

}  // namespace tl
