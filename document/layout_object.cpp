#include "document/layout_object.h"

#include <climits>
#include <cmath>
#include <new>

#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kApplicationFontString = 10606;

// Degrees to radians, with the constant the stored end points were made with.
constexpr double kRadiansPerDegree = 0.01745327777777778;

template <typename T, typename Base>
T* CheckedCast(Base* o, int16_t kind) {
  return (o && o->ObjectKind == kind) ? static_cast<T*>(o) : nullptr;
}

}  // namespace

ImageObject::ImageObject() : LayoutObject(kKindImage) {
  Size = {kDefaultImageSide, kDefaultImageSide};
  LabelFontName = StringText(kApplicationFontString);
  CaptionFontName = StringText(kApplicationFontString);
}

FreeTextObject::FreeTextObject() : LayoutObject(kKindFreeText) {
  Style.FontName = StringText(kApplicationFontString);
  Style.FontSize = kDefaultFontSize;
  Style.LineHeight = kDefaultLineHeight;
  Style.Justify = kJustifyCenter;
}

FreeLineObject::FreeLineObject() : LayoutObject(kKindFreeLine) { UpdateFreeLineEnds(*this); }

CropMarkSet::CropMarkSet() : LayoutObject(kKindCropMarkSet) {}

ImageObject* AsImage(LayoutObject* o) { return CheckedCast<ImageObject>(o, kKindImage); }
const ImageObject* AsImage(const LayoutObject* o) { return CheckedCast<const ImageObject>(o, kKindImage); }
FreeTextObject* AsFreeText(LayoutObject* o) { return CheckedCast<FreeTextObject>(o, kKindFreeText); }
const FreeTextObject* AsFreeText(const LayoutObject* o) {
  return CheckedCast<const FreeTextObject>(o, kKindFreeText);
}
FreeLineObject* AsFreeLine(LayoutObject* o) { return CheckedCast<FreeLineObject>(o, kKindFreeLine); }
const FreeLineObject* AsFreeLine(const LayoutObject* o) {
  return CheckedCast<const FreeLineObject>(o, kKindFreeLine);
}
CropMarkSet* AsCropMarkSet(LayoutObject* o) { return CheckedCast<CropMarkSet>(o, kKindCropMarkSet); }

int16_t NextImageNumber(const ObjectList& list) {
  int16_t highest = 0;
  for (const LayoutObject* o : list)
    if (const ImageObject* image = AsImage(o); image && image->ImageNumber > highest)
      highest = image->ImageNumber;
  return int16_t(highest + 1);
}

ImageObject* ImageObjectNew(const ImageObject* source, ObjectList* list) {
  ImageObject* image = source ? new (std::nothrow) ImageObject(*source) : new (std::nothrow) ImageObject();
  if (!image) return nullptr;
  if (list) {
    image->ObjectRole = kRoleListMember;
    image->NeedsRedraw = 1;
    image->ImageNumber = NextImageNumber(*list);
    ObjectAppend(*list, image);
  }
  return image;
}

FreeTextObject* FreeTextObjectNew(LayoutDocument* document, ObjectList* list) {
  auto* text = new (std::nothrow) FreeTextObject();
  if (!text) return nullptr;
  text->Owner = document;
  if (list) ObjectAppend(*list, text);
  return text;
}

FreeLineObject* FreeLineObjectNew(LayoutDocument* document, ObjectList* list) {
  auto* line = new (std::nothrow) FreeLineObject();
  if (!line) return nullptr;
  line->Owner = document;
  if (list) ObjectAppend(*list, line);
  return line;
}

CropMarkSet* CropMarkSetNew(LayoutDocument* document, ObjectList* list) {
  if (!list || list->Empty()) return nullptr;
  auto* marks = new (std::nothrow) CropMarkSet();
  if (!marks) return nullptr;
  marks->Owner = document;
  marks->Next = list->Head;
  list->Head = marks;
  return marks;
}

LayoutObject* ObjectClone(const LayoutObject& object) {
  switch (object.ObjectKind) {
    case kKindImage:
      return new (std::nothrow) ImageObject(static_cast<const ImageObject&>(object));
    case kKindFreeText:
      return new (std::nothrow) FreeTextObject(static_cast<const FreeTextObject&>(object));
    case kKindFreeLine:
      return new (std::nothrow) FreeLineObject(static_cast<const FreeLineObject&>(object));
    case kKindCropMarkSet:
      return new (std::nothrow) CropMarkSet(static_cast<const CropMarkSet&>(object));
  }
  return nullptr;
}

int ObjectInsertBefore(ObjectList& list, LayoutObject* member, LayoutObject* object) {
  int position = 1;
  LayoutObject** link = &list.Head;
  while (*link && *link != member) {
    link = &(*link)->Next;
    ++position;
  }
  object->Next = *link;  // null when member was not found: appended
  *link = object;
  return position;
}

void ObjectAppend(ObjectList& list, LayoutObject* object) { ObjectInsertBefore(list, nullptr, object); }

void ObjectUnlink(ObjectList& list, LayoutObject* object) {
  for (LayoutObject** link = &list.Head; *link; link = &(*link)->Next) {
    if (*link == object) {
      *link = object->Next;
      object->Next = nullptr;
      return;
    }
  }
}

void ObjectFree(LayoutObject* object, ObjectList* list) {
  if (!object) return;
  if (list) ObjectUnlink(*list, object);
  delete object;  // the kind's destructor releases previews, description and texts
}

void ObjectListFree(ObjectList& list) {
  while (LayoutObject* o = list.Head) {
    list.Head = o->Next;
    delete o;
  }
}

int ObjectCount(const ObjectList& list) {
  int count = 0;
  for (const LayoutObject* o : list) {
    (void)o;
    ++count;
  }
  return count;
}

bool ObjectInList(const ObjectList& list, const LayoutObject* object) {
  for (const LayoutObject* o : list)
    if (o == object) return true;
  return false;
}

// One end of a line: the centre minus half the length along `degrees`,
// each product truncated toward zero. The first end is taken at the angle
// plus 180 degrees, so both ends lose the same truncation that stored
// layouts carry. Worked in long double and clamped, so lengths and places
// read from a file cannot overflow.
static LPoint LineEnd(long double cx, long double y, int32_t length, double degrees) {
  const auto clamp = [](long double v) {
    return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
  };
  const long double a = static_cast<long double>(degrees) * kRadiansPerDegree;
  const long double half = static_cast<long double>(length) * -0.5L;
  return {clamp(cx - std::trunc(std::cos(a) * half)), clamp(y - std::trunc(std::sin(a) * half))};
}

void UpdateFreeLineEnds(FreeLineObject& line) {
  const long double cx = static_cast<long double>(line.Anchor.x) + line.Length / 2;
  line.End1 = LineEnd(cx, line.Anchor.y, line.Length, line.Angle + 180.0);
  line.End2 = LineEnd(cx, line.Anchor.y, line.Length, line.Angle);
}

}  // namespace tl
