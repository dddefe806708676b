// CGPDialogBar: the navigator bar beside the tool bar -- the zoom box with
// "+" and "-", and the page box with "<-" and "->". Its buttons send the
// zoom and page commands; the boxes show the active view's zoom and page,
// and take a zoom or a page typed in (or picked from their lists). What
// cannot be read puts the previous entry back.
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
  QComboBox* PageBox() const { return page_; }

 signals:
  // A page (from 0) was chosen in the page box.
  void PageChosen(int page);
  // A zoom was typed or picked in the zoom box. The receiver answers with
  // SetZoom, which also puts the entry back when it refused the zoom.
  void ZoomChosen(int numerator, int denominator);

 private:
  QToolButton* CommandButton(const QString& text, int commandId);
  void ZoomEntered(const QString& text);
  void PageEntered(const QString& text);

  CommandActions& actions_;
  QComboBox* zoom_;
  QComboBox* page_;
  QToolButton* zoomIn_;
  QToolButton* zoomOut_;
  QToolButton* previous_;
  QToolButton* next_;
  int numerator_ = 1, denominator_ = 1;  // the zoom shown
  int current_ = 0, count_ = 0;          // the page shown
};

}  // namespace tl
