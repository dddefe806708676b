// EditServices: what the editing commands and the undo restore need from the
// layers above the records -- the arrangement pass, image numbering and
// labels, re-reading an image file, and the view's scrolling and
// information windows. The layout layer implements it with the real
// arrangement; the defaults do nothing, so the commands also run on bare
// records.
#pragma once

namespace tl {

struct LayoutDocument;
struct LayoutObject;
struct ImageObject;

class EditServices {
 public:
  virtual ~EditServices() = default;

  // The arrangement pass, after every change that can move objects.
  virtual void Arrange(LayoutDocument& document);
  // Whether the images still fit the page budget (a dry run of the flow).
  virtual bool LayoutFits(const LayoutDocument& document);
  // Brings image numbers and label texts up to date.
  virtual void RebuildLabels(LayoutDocument& document);
  // Reads the image's file (ImagePath) again: description and preview.
  virtual void RereadImage(ImageObject& image);
  // Scrolls the view so that `object` is shown.
  virtual void ScrollTo(LayoutDocument& document, const LayoutObject& object);
  // The current image changed or went away: the information windows follow.
  virtual void CurrentImageChanged(LayoutDocument& document);
};

// The defaults alone: nothing is arranged, labelled, read or shown.
EditServices& NoEditServices();

}  // namespace tl
