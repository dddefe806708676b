// Small fixtures shared by the layout tests: services that record what the
// operations ask, and quick ways to fill a document. The recording message
// sink and view come with the document fixtures.
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
#include "tests/document/document_fixtures.h"

namespace tl::fixtures {

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
