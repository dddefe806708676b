// Small fixtures shared by the document and layout tests: a recording
// message sink, a view that records what it is asked, editing services that
// count their calls, and a mixed layout of every object kind.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/edit_services.h"
#include "document/layout_document.h"
#include "document/message_box.h"
#include "document/selection.h"
#include "document/undo_store.h"
#include "document/view_link.h"
#include "resources/string_table.h"

namespace tl::fixtures {

struct RecordingSink final : MessageSink {
  struct Shown {
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
  };
  std::vector<Shown> shown;
  MessageAnswer answer = MessageAnswer::Ok;
  int beeps = 0;

  MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons, MessageAnswer) override {
    shown.push_back({std::string(text), icon, buttons});
    return answer;
  }
  void Beep() override { ++beeps; }
  bool Showed(int stringId) const {
    for (const Shown& s : shown)
      if (s.text == StringText(stringId)) return true;
    return false;
  }
};

struct FakeView final : ViewLink {
  int32_t page = 0;
  LRect visible;
  int invalidations = 0;
  int pageCountChanges = 0;
  std::vector<LRect> areas;

  int32_t CurrentPage() const override { return page; }
  void SetCurrentPage(int32_t p) override { page = p; }
  void Invalidate() override { ++invalidations; }
  void InvalidateArea(const LRect& area) override { areas.push_back(area); }
  void PageCountChanged() override { ++pageCountChanges; }
  LRect VisiblePageArea() const override { return visible; }
};

// Editing services that count what the commands ask of the upper layers.
struct CountingEditServices final : EditServices {
  int arranges = 0;
  int relabels = 0;
  int currentImageChanges = 0;
  bool fits = true;
  std::vector<const LayoutObject*> scrolledTo;
  std::vector<std::string> reread;  // paths

  void Arrange(LayoutDocument&) override { ++arranges; }
  bool LayoutFits(const LayoutDocument&) override { return fits; }
  void RebuildLabels(LayoutDocument&) override { ++relabels; }
  void RereadImage(ImageObject& image) override { reread.push_back(image.ImagePath); }
  void ScrollTo(LayoutDocument&, const LayoutObject& o) override { scrolledTo.push_back(&o); }
  void CurrentImageChanged(LayoutDocument&) override { ++currentImageChanges; }
};

// Every test starts and ends with an empty application undo store and
// clipboard.
struct UndoStoreScope {
  UndoStoreScope() { ResetUndoStore(); }
  ~UndoStoreScope() { ResetUndoStore(); }
};

// Tests of editing commands: a fresh undo store and a recording sink.
class EditingTest : public ::testing::Test {
 protected:
  UndoStoreScope scope;
  RecordingSink sink;
  ScopedMessageSink sinkScope{&sink};
};

inline DocumentPtr NewDocument() { return DocumentPtr(DocumentNew(nullptr, nullptr)); }

inline std::vector<LayoutObject*> Members(const ObjectList& list) {
  std::vector<LayoutObject*> members;
  for (LayoutObject* o = list.Head; o; o = o->Next) members.push_back(o);
  return members;
}

// A layout with the crop mark set at the head, four images with distinct
// files and settings, two free texts and a free line, spread over two pages.
// Nothing is selected; every object is placed and needs no redraw.
struct MixedLayout {
  DocumentPtr d = NewDocument();
  CropMarkSet* marks = nullptr;
  ImageObject* images[4] = {};
  FreeTextObject* text = nullptr;
  FreeLineObject* line = nullptr;
  FreeTextObject* lowerText = nullptr;

  explicit MixedLayout(bool free) {
    d->Free = free ? 1 : 0;
    struct ImageFacts {
      const char* path;
      LPoint origin;
      LSize size;
      int64_t created;
      uint64_t bytes;
      uint32_t kind;
      int16_t brightness;
    } facts[4] = {
        {"/photos/b/beta.jpg", {100, 100}, {900, 600}, 300, 5000, FourCC("JPEG"), 120},
        {"/photos/a/alpha.jpg", {1100, 100}, {700, 1000}, 100, 9000, FourCC("TIFF"), 40},
        {"/scans/gamma.tif", {100, 1300}, {1200, 800}, 200, 700, FourCC("BMPf"), 200},
        {"/photos/a/delta.jpg", {300, 4400}, {800, 800}, 100, 9000, FourCC("JPEG"), 90},
    };
    for (int i = 0; i < 4; ++i) {
      ImageObject* image = ImageObjectNew(d->DefaultImageSettings, &d->Objects);
      image->Owner = d.get();
      image->ImagePath = facts[i].path;
      image->Origin = facts[i].origin;
      image->Size = facts[i].size;
      image->SizeAbsolute = facts[i].size;
      image->CreationTime = facts[i].created;
      image->LastWriteTime = 1000 - facts[i].created;
      image->FileSize = facts[i].bytes;
      image->FileKind = facts[i].kind;
      image->AverageBrightness = facts[i].brightness;
      image->LabelItems = 0x3;
      image->LabelText = std::to_string(i + 1) + " " + facts[i].path;
      image->CaptionString = "caption " + std::to_string(i);
      image->FrameRect = {10 * i, 10 * i, 10 * i, 10 * i};
      images[i] = image;
    }
    text = FreeTextObjectNew(d.get(), &d->Objects);
    text->Origin = {400, 300};
    text->Size = {900, 300};
    text->BoxSize = {900, 300};
    text->String = "Summer";
    line = FreeLineObjectNew(d.get(), &d->Objects);
    line->Anchor = {200, 2600};
    UpdateFreeLineEnds(*line);
    line->Origin = {200, 2000};
    line->Size = {1000, 1000};
    lowerText = FreeTextObjectNew(d.get(), &d->Objects);
    lowerText->Origin = {500, 6000};
    lowerText->Size = {600, 200};
    lowerText->String = "Winter";
    marks = CropMarkSetNew(d.get(), &d->Objects);
    d->PageNumber = 2;
    for (LayoutObject* o : d->Objects) o->NeedsRedraw = 0;
  }

  // Selects exactly `objects` and makes the last image among them current.
  void Select(std::initializer_list<LayoutObject*> objects) {
    for (LayoutObject* o : d->Objects) o->Selected = 0;
    d->CurrentImage = nullptr;
    for (LayoutObject* o : objects) {
      o->Selected = 1;
      if (ImageObject* image = AsImage(o)) d->CurrentImage = image;
    }
    RecountSelection(*d);
  }
};

}  // namespace tl::fixtures
