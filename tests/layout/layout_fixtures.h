// Small fixtures shared by the layout tests: a recording message sink, a
// view that records what it is asked, and quick ways to fill a document.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "document/image_desc.h"
#include "document/layout_document.h"
#include "document/message_box.h"
#include "document/view_link.h"
#include "layout/layout_services.h"
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

  MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons, MessageAnswer) override {
    shown.push_back({std::string(text), icon, buttons});
    return answer;
  }
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
  std::vector<LRect> areas;

  int32_t CurrentPage() const override { return page; }
  void SetCurrentPage(int32_t p) override { page = p; }
  void Invalidate() override { ++invalidations; }
  void InvalidateArea(const LRect& area) override { areas.push_back(area); }
  void PageCountChanged() override {}
  LRect VisiblePageArea() const override { return visible; }
};

// Services that record what the operations ask of the upper layers.
struct RecordingServices final : LayoutServices {
  std::vector<int16_t> recorded;     // RecordUndo change codes
  std::vector<int16_t> changedCodes;  // SetUndoChangeCode
  int restores = 0;
  int labels = 0;
  int relabels = 0;
  int previews = 0;
  std::vector<std::pair<int16_t, int16_t>> turns;
  bool undoWorks = true;
  bool previewWorks = true;

  bool RecordUndo(LayoutDocument&, int16_t code) override {
    recorded.push_back(code);
    return undoWorks;
  }
  void SetUndoChangeCode(int16_t code) override { changedCodes.push_back(code); }
  void RestoreUndo(LayoutDocument&) override { ++restores; }
  bool BuildPreview(ImageObject&) override {
    ++previews;
    return previewWorks;
  }
  void TurnPreview(ImageObject&, int16_t from, int16_t to) override { turns.emplace_back(from, to); }
  void ComposeLabel(ImageObject&) override { ++labels; }
  void RebuildLabels(LayoutDocument&) override { ++relabels; }
};

inline DocumentPtr NewDocument() { return DocumentPtr(DocumentNew(nullptr, nullptr)); }

// An image object of the given box, appended to the document's list.
inline ImageObject* AddBox(LayoutDocument& d, int32_t width, int32_t height) {
  ImageObject* image = ImageObjectNew(d.DefaultImageSettings, &d.Objects);
  image->Size = {width, height};
  return image;
}

inline ImageDescBlock Described(uint16_t width, uint16_t height, int32_t resolution = 300) {
  ImageDescBlock desc(ImageDescBlock::kBasicSize);
  desc.SetWidth(width);
  desc.SetHeight(height);
  desc.SetHResolution(resolution);
  desc.SetVResolution(resolution);
  return desc;
}

inline std::vector<LPoint> Origins(const LayoutDocument& d) {
  std::vector<LPoint> points;
  for (const LayoutObject* o : d.Objects) points.push_back(o->Origin);
  return points;
}

}  // namespace tl::fixtures
