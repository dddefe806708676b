// LayoutServices: what the layout operations need from the undo store and
// from the layers above layout/ -- the image file header reader, the label
// composer and the preview builder. Those layers derive from it and fill in
// the real work; the defaults let every operation run without them: the
// application's undo store, no header reader (images must come described),
// no labels, and previews that always succeed.
#pragma once

#include <cstdint>
#include <string>

#include "document/undo_store.h"

namespace tl {

struct LayoutDocument;
struct ImageObject;

// Undo change codes the layout operations record.
enum LayoutChangeCode : int16_t {
  kChangeAddObject = kUndoAddObject,          // adding an image file, crop
  kChangeLayoutMode = kUndoLayoutMode,        // keeps the old mode only
  kChangeGetImages = kUndoGetImages,          // a series of added images, undone at once
  kChangeImageGeometry = kUndoImageGeometry,  // size, rotate and flip
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
  // The change code of the snapshot stored for the document, 0 for none.
  virtual int16_t UndoChangeCode(const LayoutDocument& document);

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
