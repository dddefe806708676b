// LayoutServices: what the layout operations need from the layers above
// layout/ -- the undo store, the image file header reader, the label
// composer and the preview builder. Those layers derive from it and fill in
// the real work; the defaults let every operation run without them: no
// undo, no header reader (images must come described), no labels, and
// previews that always succeed.
#pragma once

#include <cstdint>
#include <string>

namespace tl {

struct LayoutDocument;
struct ImageObject;

// Undo change codes the layout operations record.
enum LayoutChangeCode : int16_t {
  kChangeAddObject = 5,     // adding an image file, crop
  kChangeLayoutMode = 17,   // keeps the old mode only
  kChangeGetImages = 36,    // a series of added images, undone at once
  kChangeImageGeometry = 159,  // size, rotate and flip
};

class LayoutServices {
 public:
  virtual ~LayoutServices() = default;

  // Undo store. RecordUndo takes a snapshot before a change; false means
  // the change must not go on.
  virtual bool RecordUndo(LayoutDocument& document, int16_t changeCode);
  // Replaces the change code of the stored snapshot, keeping its slots.
  virtual void SetUndoChangeCode(int16_t changeCode);
  // Puts the snapshot back (objects added since it was taken are gone).
  virtual void RestoreUndo(LayoutDocument& document);

  // Image import. ReadImageHeader fills the image source fields of a fresh
  // image object from its file; false means the image is not taken (any
  // message has been shown). BuildPreview makes the preview bitmap; false
  // when none can be made. TurnPreview brings an existing preview from
  // one Rotate/Flip state to another.
  virtual bool ReadImageHeader(ImageObject& image, const std::string& path);
  virtual bool BuildPreview(ImageObject& image);
  virtual void TurnPreview(ImageObject& image, int16_t fromState, int16_t toState);

  // Labels: rebuilds LabelText and the automatic label and caption sizes of
  // one image, or renumbers and relabels every image of a document.
  virtual void ComposeLabel(ImageObject& image);
  virtual void RebuildLabels(LayoutDocument& document);
};

// The defaults alone, for callers that have no upper layers at hand.
LayoutServices& NoLayoutServices();

}  // namespace tl
