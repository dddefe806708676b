#include "document/undo_store.h"

#include <unordered_set>
#include <utility>
#include <vector>

#include "document/message_box.h"
#include "document/selection.h"
#include "document/undo_slots.h"
#include "document/view_link.h"

namespace tl {
namespace {

using ObjectSet = std::unordered_set<const LayoutObject*>;

struct UndoState {
  const LayoutDocument* document = nullptr;
  int16_t code = kUndoNone;
  // The two slot classes; `seriesActive` tells which one the stored
  // snapshot uses.
  UndoSlotArray series;  // Get Images
  UndoSlotArray other;
  bool seriesActive = false;

  // Document values of the snapshot. Only the fields of the code's row and
  // the ones every snapshot keeps are meaningful.
  LayoutDocument saved;
  int32_t savedCurrentPage = 0;
  const LayoutObject* savedCurrentImage = nullptr;

  ObjectList pending;
  ObjectList clipboard;
  bool failNextSnapshot = false;

  ~UndoState();
};

// Set when the application's store has been destroyed at exit, so that a
// document freed later does not reach into it.
bool storeGone = false;

UndoState& State() {
  static UndoState state;
  return state;
}

UndoSlotArray& ActiveSlots(UndoState& s) { return s.seriesActive ? s.series : s.other; }

bool Coalesces(const UndoState& s, const LayoutDocument& d, int16_t code) {
  if (s.document != &d) return false;
  return (code == kUndoReplaceImage && s.code == kUndoReplaceImage) ||
         (code == kUndoDuplicate && s.code == kUndoDuplicateNumber) ||
         (code == kUndoKeyboardMove && s.code == kUndoKeyboardMove);
}

// The document values each code saves, f(to, from) per field; AutoRotation
// and Modified go with every snapshot.
template <typename To, typename From, typename F>
void DocumentFields(int16_t code, To& to, From& from, F&& f) {
  switch (code) {
    case kUndoPage:
      f(to.PageNumber, from.PageNumber);
      break;
    case kUndoLayoutMode:
      f(to.Free, from.Free);
      break;
    case kUndoAlignment:
      f(to.AlignHorizontal, from.AlignHorizontal);
      f(to.AlignLine, from.AlignLine);
      f(to.AlignVertical, from.AlignVertical);
      f(to.AlignHorizontalSpacing, from.AlignHorizontalSpacing);
      f(to.AlignVerticalSpacing, from.AlignVerticalSpacing);
      break;
    case kUndoCutLines:
      f(to.CutLineMode, from.CutLineMode);
      f(to.CutLineOthersType, from.CutLineOthersType);
      f(to.CutLineCornerLength, from.CutLineCornerLength);
      f(to.CutLineColor, from.CutLineColor);
      break;
    case kUndoImageStamp:
      f(to.ImageStampInUse, from.ImageStampInUse);
      f(to.ImageStampSettings, from.ImageStampSettings);
      f(to.ImageStampFileName, from.ImageStampFileName);
      f(to.ImageStampPosition, from.ImageStampPosition);
      f(to.ImageStampSize, from.ImageStampSize);
      f(to.ImageStampConstrainPropotion, from.ImageStampConstrainPropotion);
      break;
    case kUndoHeaderFooter:
      f(to.Header, from.Header);
      f(to.Footer, from.Footer);
      f(to.HeaderFooterStyle, from.HeaderFooterStyle);
      break;
    case kUndoBackground:
      f(to.PaperColor, from.PaperColor);
      break;
    case kUndoPageMargins:
      f(to.LayoutMarginMode, from.LayoutMarginMode);
      f(to.LayoutMargin, from.LayoutMargin);
      break;
    default:
      break;
  }
  f(to.AutoRotation, from.AutoRotation);
  f(to.Modified, from.Modified);
}

constexpr auto kAssign = [](auto& to, const auto& from) { to = from; };

void SaveDocumentValues(UndoState& s, const LayoutDocument& d, int16_t code) {
  DocumentFields(code, s.saved, d, kAssign);
  s.savedCurrentPage = d.View ? d.View->CurrentPage() : 0;
  s.savedCurrentImage = d.CurrentImage;
}

void RestoreDocumentValues(const UndoState& s, LayoutDocument& d) {
  DocumentFields(s.code, d, s.saved, kAssign);
  if (s.code == kUndoPage && d.View) d.View->SetCurrentPage(s.savedCurrentPage);
}

ObjectSet Members(const ObjectList& list) {
  ObjectSet members;
  for (const LayoutObject* o : list) members.insert(o);
  return members;
}

// Frees the objects of `list` for good; no slot may name them afterwards.
void FreeForGood(UndoState& s, ObjectList& list) {
  if (list.Empty()) return;
  const ObjectSet freed = Members(list);
  ObjectListFree(list);
  s.series.Forget(freed);
  s.other.Forget(freed);
}

void Forget(UndoState& s) {
  s.document = nullptr;
  s.code = kUndoNone;
  s.series.Clear();
  s.other.Clear();
  s.seriesActive = false;
  s.saved = LayoutDocument();
  s.savedCurrentImage = nullptr;
}

UndoState::~UndoState() {
  Forget(*this);
  ObjectListFree(pending);
  ObjectListFree(clipboard);
  storeGone = true;
}

// Moves every object of `from` onto `pool` (front first), leaving `from`
// empty.
void MoveInto(std::vector<LayoutObject*>& pool, ObjectList& from) {
  for (LayoutObject* o = from.Head; o;) {
    LayoutObject* next = o->Next;
    o->Next = nullptr;
    pool.push_back(o);
    o = next;
  }
  from.Head = nullptr;
}

// An image whose file is no longer the one its slot names.
bool FileChanged(const UndoSlot& slot) {
  const ImageObject* image = AsImage(slot.Object);
  const ImageObject* saved = AsImage(slot.Values.get());
  return image && saved && image->ImagePath != saved->ImagePath;
}

// The object list becomes the slots' objects in slot order, with their
// saved values. Only objects found in `pool` (the list itself and the lists
// that kept removed objects alive) come back; everything else in the pool
// was added after the snapshot and is freed. Returns the images whose file
// changed under a replace-image snapshot.
std::vector<ImageObject*> RebuildList(UndoState& s, LayoutDocument& d, std::vector<LayoutObject*>& pool) {
  ObjectSet live(pool.begin(), pool.end());
  ObjectSet placed;
  std::vector<ImageObject*> changedFiles;
  LayoutObject** tail = &d.Objects.Head;
  for (const UndoSlot& slot : ActiveSlots(s)) {
    LayoutObject* o = slot.Object;
    if (!o || !live.count(o) || !placed.insert(o).second) continue;
    if (s.code == kUndoReplaceImage && FileChanged(slot)) changedFiles.push_back(AsImage(o));
    UndoSlotArray::Restore(slot);
    o->Owner = &d;
    *tail = o;
    tail = &o->Next;
  }
  *tail = nullptr;

  ObjectList added;
  for (LayoutObject* o : pool) {
    if (placed.count(o)) continue;
    o->Next = added.Head;
    added.Head = o;
  }
  FreeForGood(s, added);
  return changedFiles;
}

// The saved current image, when it came back into the list.
ImageObject* RestoredCurrentImage(const UndoState& s, LayoutDocument& d) {
  for (LayoutObject* o : d.Objects)
    if (o == s.savedCurrentImage) return AsImage(o);
  return nullptr;
}

// Copy took no slots: its copies go and the clipboard it replaced returns.
void RestoreCopy(UndoState& s) {
  ObjectListFree(s.clipboard);
  s.clipboard = s.pending;
  s.pending = ObjectList();
}

}  // namespace

bool UndoRecord(LayoutDocument& d, int16_t code) {
  UndoState& s = State();
  if (Coalesces(s, d, code)) return true;

  if (code != kUndoLayoutMode && code != kUndoCopy) {
    UndoSlotArray slots;
    const bool failing = s.failNextSnapshot;
    s.failNextSnapshot = false;
    if (failing || !slots.Take(d.Objects)) {
      ErrorBeep();
      return false;
    }
    (code == kUndoGetImages ? s.series : s.other) = std::move(slots);
  } else if (code == kUndoCopy) {
    s.other.Clear();
  }

  SaveDocumentValues(s, d, code);
  FreeForGood(s, s.pending);
  s.document = &d;
  s.code = code;
  s.seriesActive = code == kUndoGetImages;
  return true;
}

bool UndoAvailable(const LayoutDocument& d) {
  const UndoState& s = State();
  return s.document == &d && s.code != kUndoNone;
}

int16_t UndoChangeCode(const LayoutDocument& d) { return UndoAvailable(d) ? State().code : int16_t(kUndoNone); }

void UndoSetChangeCode(int16_t code) {
  UndoState& s = State();
  if (s.code == kUndoNone || code == kUndoNone) return;
  if (code == kUndoGetImages && !s.seriesActive) {
    s.series = std::move(s.other);
    s.seriesActive = true;
  }
  s.code = code;
}

bool UndoRestore(LayoutDocument& d, EditServices& services) {
  if (!UndoAvailable(d)) return false;
  UndoState& s = State();

  if (s.code == kUndoLayoutMode || s.code == kUndoCopy) {
    // Neither took slots nor moved objects: nothing is arranged again.
    if (s.code == kUndoCopy) RestoreCopy(s);
    RestoreDocumentValues(s, d);
    if (d.View) d.View->Invalidate();
    Forget(s);
    return true;
  }

  std::vector<LayoutObject*> pool;
  MoveInto(pool, d.Objects);
  if (s.code == kUndoCut) {
    // The cut objects come back from the clipboard, which gets back what
    // the cut replaced.
    MoveInto(pool, s.clipboard);
    s.clipboard = s.pending;
    s.pending = ObjectList();
  } else {
    MoveInto(pool, s.pending);
  }
  const std::vector<ImageObject*> changedFiles = RebuildList(s, d, pool);
  for (ImageObject* image : changedFiles) services.RereadImage(*image);

  RestoreDocumentValues(s, d);
  if (s.code == kUndoAlignment && d.Objects.Head) d.Objects.Head->NeedsRedraw = 1;
  RecountSelection(d);
  d.CurrentImage = RestoredCurrentImage(s, d);
  services.RebuildLabels(d);
  if (d.Objects.Head) d.Objects.Head->NeedsRedraw = 1;
  services.Arrange(d);
  if (d.CurrentImage) services.ScrollTo(d, *d.CurrentImage);
  if (d.View) d.View->Invalidate();
  // Arranging may have touched them; they are what they were before.
  d.AutoRotation = s.saved.AutoRotation;
  d.Modified = s.saved.Modified;
  Forget(s);
  return true;
}

void UndoClear() {
  if (storeGone) return;
  UndoState& s = State();
  Forget(s);
  ObjectListFree(s.pending);
}

void UndoKeepRemoved(LayoutObject& object) {
  ObjectList& pending = State().pending;
  object.Next = pending.Head;
  pending.Head = &object;
}

void UndoForgetDocument(const LayoutDocument& d) {
  if (!storeGone && State().document == &d) UndoClear();
}

ObjectList& ClipboardObjects() { return State().clipboard; }
ObjectList& PendingObjects() { return State().pending; }

void UndoFailNextSnapshot() { State().failNextSnapshot = true; }

void ResetUndoStore() {
  UndoClear();
  UndoState& s = State();
  ObjectListFree(s.clipboard);
  s.failNextSnapshot = false;
}

}  // namespace tl
