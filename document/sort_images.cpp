#include "document/sort_images.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "document/selection.h"
#include "document/undo_store.h"
#include "document/view_link.h"

namespace tl {
namespace {

bool KnownOrder(int16_t order) {
  return (order >= kSortFileName && order <= kSortHeight) || order == kSortFileKind || order == kSortFileSize ||
         order == kSortBrightness || order == kSortReverse;
}

// The name of the folder that directly holds the file, written with a
// leading separator; the root for a file in the root folder.
std::string FolderName(std::string_view path) {
  const std::string_view folder = FolderOf(path);
  std::string name = "/";
  name += FileNameOf(folder);
  return name;
}

int32_t ShownWidth(const ImageObject& image) {
  return (image.RotateFlip & kQuarterTurnMask) ? image.Size.cy : image.Size.cx;
}
int32_t ShownHeight(const ImageObject& image) {
  return (image.RotateFlip & kQuarterTurnMask) ? image.Size.cx : image.Size.cy;
}

// Whether `a` must come before `b`: its key is smaller. Equal keys keep
// their order (the sort is stable). Paths compare byte by byte.
bool Precedes(const ImageObject& a, const ImageObject& b, int16_t order) {
  switch (order) {
    case kSortFileName: return FileNameOf(a.ImagePath) < FileNameOf(b.ImagePath);
    case kSortFolderName: return FolderName(a.ImagePath) < FolderName(b.ImagePath);
    case kSortCreationTime: return a.CreationTime < b.CreationTime;
    case kSortLastWriteTime: return a.LastWriteTime < b.LastWriteTime;
    case kSortWidth: return ShownWidth(a) < ShownWidth(b);
    case kSortHeight: return ShownHeight(a) < ShownHeight(b);
    case kSortFileKind: return a.FileKind < b.FileKind;
    case kSortFileSize: return a.FileSize < b.FileSize;
    case kSortBrightness: return a.AverageBrightness < b.AverageBrightness;
  }
  return false;
}

std::vector<LayoutObject*> ListNodes(const ObjectList& list) {
  std::vector<LayoutObject*> nodes;
  for (LayoutObject* o = list.Head; o; o = o->Next) nodes.push_back(o);
  return nodes;
}

// Positions (in `nodes`) of the images the sort reorders: the selected run,
// or every image when none is selected.
std::vector<size_t> SortedPositions(const std::vector<LayoutObject*>& nodes) {
  std::vector<size_t> images, selected;
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (!IsImage(nodes[i])) continue;
    images.push_back(i);
    if (nodes[i]->Selected) selected.push_back(i);
  }
  return selected.empty() ? images : selected;
}

void Relink(ObjectList& list, const std::vector<LayoutObject*>& nodes) {
  LayoutObject** link = &list.Head;
  for (LayoutObject* o : nodes) {
    *link = o;
    link = &o->Next;
  }
  *link = nullptr;
}

}  // namespace

bool SortEnabled(const LayoutDocument& d) {
  if (d.Free) return false;
  int images = 0;
  bool runStarted = false, runEnded = false;
  for (const LayoutObject* o : d.Objects) {
    if (!IsImage(o)) continue;
    ++images;
    if (o->Selected) {
      if (runEnded) return false;
      runStarted = true;
    } else if (runStarted) {
      runEnded = true;
    }
  }
  return images >= 2;
}

bool SortImages(LayoutDocument& d, int16_t order, EditServices& services) {
  if (!KnownOrder(order) || !SortEnabled(d)) return false;
  if (!UndoRecord(d, kUndoObjectProperties)) return false;

  std::vector<LayoutObject*> nodes = ListNodes(d.Objects);
  const std::vector<size_t> positions = SortedPositions(nodes);
  std::vector<ImageObject*> images;
  for (size_t i : positions) images.push_back(AsImage(nodes[i]));
  if (order == kSortReverse) {
    std::reverse(images.begin(), images.end());
  } else {
    std::stable_sort(images.begin(), images.end(),
                     [order](const ImageObject* a, const ImageObject* b) { return Precedes(*a, *b, order); });
  }
  for (size_t k = 0; k < positions.size(); ++k) nodes[positions[k]] = images[k];
  Relink(d.Objects, nodes);

  if (d.Objects.Head) d.Objects.Head->NeedsRedraw = 1;
  services.RebuildLabels(d);
  services.Arrange(d);
  if (d.View) d.View->Invalidate();
  if (d.SelectedImageCount > 0) services.CurrentImageChanged(d);
  d.Modified = 1;
  return true;
}

}  // namespace tl
