// The undo store: one level of undo for the whole application. Before an
// operation changes a document it records a snapshot tagged with a change
// code -- the editable values of every object of the list and the document
// values that kind of change touches. Restoring puts them back into the same
// records, removes objects added since, re-links objects removed since and
// forgets the snapshot.
//
// The store also holds the application's two object lists: the clipboard
// (what Cut and Copy took; never the system clipboard) and the pending list
// (objects taken out of a document, or a clipboard that Cut or Copy
// replaced), kept alive so that undo can bring them back and freed for good
// by the next snapshot. Like the records, the store is touched only from the
// user interface thread.
#pragma once

#include <cstdint>

#include "document/edit_services.h"
#include "document/layout_document.h"

namespace tl {

// Change codes: what kind of operation a snapshot was taken for. The code
// decides the document values saved besides the object slots, coalescing
// and the repair of the object list on restore.
enum UndoCode : int16_t {
  kUndoNone = 0,
  kUndoCut = 3,
  kUndoCopy = 4,  // takes no object slots
  kUndoAddObject = 5,  // paste, adding an image file, crop, single-object dialogs
  kUndoDuplicate = 6,
  kUndoDelete = 8,
  kUndoObjectProperties = 13,  // property dialogs, sorting
  kUndoDrawingOrder = 14,
  kUndoDuplicateNumber = 15,
  kUndoPage = 16,        // PageNumber and the view's current page
  kUndoLayoutMode = 17,  // Free only; no object slots
  kUndoAlignment = 18,
  kUndoCutLines = 19,
  kUndoImageStamp = 20,
  kUndoHeaderFooter = 21,
  kUndoBackground = 22,
  kUndoPageMargins = 23,
  kUndoReplaceImage = 26,
  kUndoImageColor = 29,
  kUndoToneTuning = 31,
  kUndoLabels = 33,
  kUndoCaption = 34,
  kUndoKeyboardMove = 35,
  kUndoGetImages = 36,  // kept in a slot class of its own
  kUndoImageGeometry = 159,
};

// Takes a snapshot of `document` for a change of kind `code`. Replacing
// images, duplicates after a duplicate with a count, and keyboard moves
// after a keyboard move coalesce into the snapshot already stored for the
// document (one undo reverts the whole series). False, with the error beep,
// when memory for the slots cannot be had: the caller must not go on, and
// the store keeps what it had.
bool UndoRecord(LayoutDocument& document, int16_t code);

// The Undo command's enabled state: a snapshot of this document is stored.
bool UndoAvailable(const LayoutDocument& document);

// Puts the snapshot back into `document` and forgets it; false when there
// is nothing to undo for this document. `services` arranges the layout,
// rebuilds labels, re-reads replaced images and scrolls the view.
bool UndoRestore(LayoutDocument& document, EditServices& services = NoEditServices());

// Forgets the snapshot and frees the pending objects (on close, save, load
// and before operations that cannot be undone). The clipboard stays.
void UndoClear();

// The change code stored for `document`, 0 when its snapshot is not stored.
int16_t UndoChangeCode(const LayoutDocument& document);

// Retags the stored snapshot. Tagging it kUndoGetImages hands its slots to
// the Get Images class, so that one undo removes every image added since.
void UndoSetChangeCode(int16_t code);

// Keeps an object that was taken out of a document on the pending list
// until the next snapshot (it must be unlinked already).
void UndoKeepRemoved(LayoutObject& object);

// The document is going away: a snapshot of it is forgotten.
void UndoForgetDocument(const LayoutDocument& document);

// The application's clipboard list and the pending list.
ObjectList& ClipboardObjects();
ObjectList& PendingObjects();

// Tests: the next snapshot that takes object slots fails as if memory were
// short; and the whole store (clipboard included) emptied.
void UndoFailNextSnapshot();
void ResetUndoStore();

}  // namespace tl
