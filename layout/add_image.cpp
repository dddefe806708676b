#include "layout/add_image.h"

#include <climits>
#include <utility>

#include "document/message_box.h"
#include "document/view_link.h"
#include "layout/image_geometry.h"
#include "layout/orientation.h"

namespace tl {
namespace {

// The list's last object when the session knows it, so a series of adds
// does not walk the list to find its end.
LayoutObject* KnownTail(const LayoutDocument& d, const ImageAddSession& s) {
  LayoutObject* tail = s.Cursor.tail;
  return (s.Cursor.document == &d && tail && !tail->Next) ? tail : nullptr;
}

// A new image from the default settings, numbered and appended to the list.
ImageObject* NewListImage(LayoutDocument& d, const ImageAddSession& s) {
  ImageObject* image = ImageObjectNew(d.DefaultImageSettings, nullptr);
  if (!image) return nullptr;
  image->Owner = &d;
  image->ObjectRole = kRoleListMember;
  image->NeedsRedraw = 1;
  image->ImageNumber = s.NextNumber > 0 ? s.NextNumber : NextImageNumber(d.Objects);
  if (LayoutObject* tail = KnownTail(d, s)) tail->Next = image;
  else ObjectAppend(d.Objects, image);
  return image;
}

bool Describe(ImageObject& image, const ImageToAdd& file, LayoutServices& services) {
  if (!file.Desc.Valid()) return services.ReadImageHeader(image, file.Path);
  // A picture without pixels cannot be placed or drawn.
  if (file.Desc.Width() == 0 || file.Desc.Height() == 0) return false;
  image.ImageDesc = file.Desc;
  image.Exif = file.Exif;
  image.ImagePath = file.Path;
  return true;
}

// "Use Exif Information" shows the picture the way the camera was held,
// whatever box it is given: the picture turns, and a box that is made from
// the picture turns with it. The other modes choose a box's shape, so they
// turn a quarter only where the flow gives the turned box its own shape,
// and leave a half turn to the user.
void AutoRotate(const LayoutDocument& d, ImageObject& image) {
  const int16_t turn = AutoRotationFor(image, d.AutoRotation);
  const bool quarter = turn == kTurnClockwise || turn == kTurnCounterClockwise;
  if (d.AutoRotation == kAutoRotationExif && (quarter || turn == kTurnHalf)) {
    image.RotateFlip = ApplyOrientationCommand(image.RotateFlip, turn);
    if (quarter && image.SizeMethod != kSizeFixed) std::swap(image.Size.cx, image.Size.cy);
    return;
  }
  if (!quarter || d.Free || image.SizeMethod == kSizeFixed) return;
  image.RotateFlip = ApplyOrientationCommand(image.RotateFlip, turn);
  std::swap(image.Size.cx, image.Size.cy);
}

}  // namespace

bool SizeAndRotateNewImage(const LayoutDocument& d, ImageObject& image) {
  if (!SizeNewImage(image)) return false;
  AutoRotate(d, image);
  return true;
}

bool AddImageFile(LayoutDocument& d, const ImageToAdd& file, LayoutServices& services, ImageAddSession* session) {
  if (!d.DefaultImageSettings) return false;
  // Once a series is under way (Get Image takes its snapshot before the
  // loop; the first add of a drop makes one), its snapshot covers this add
  // too: one undo removes every image of the series. A snapshot of its own
  // would copy the whole list for every image, and restoring it on a
  // refusal would throw the series' undo away.
  const bool inSeries = services.UndoChangeCode(d) == kChangeGetImages;
  if (!inSeries && !services.RecordUndo(d, kChangeAddObject)) return false;

  ImageAddSession single;
  ImageAddSession& s = session ? *session : single;
  const int16_t nextNumber = s.NextNumber;
  ImageObject* image = NewListImage(d, s);
  if (!image) {
    ShowMessage(kNotEnoughMemory, MessageIcon::Stop);
    return false;
  }
  const auto drop = [&] {
    ObjectFree(image, &d.Objects);
    s.NextNumber = nextNumber;
  };

  if (!Describe(*image, file, services)) {
    drop();
    return false;
  }
  if (!SizeAndRotateNewImage(d, *image)) {
    drop();
    ShowMessage(kImageSizeOutOfRange, MessageIcon::Stop);
    return false;
  }
  services.ComposeLabel(*image);
  image->Origin.x = kUnplacedX;

  if (!CanPlaceImage(*image, &s.Cursor)) {
    drop();
    ShowMessage(kIllegalOperation, MessageIcon::Exclamation);
    if (!inSeries) {
      services.RestoreUndo(d);
      s = ImageAddSession();  // the restore may have rebuilt the list
    }
    if (d.View) d.View->Invalidate();
    return false;
  }

  // One Undo takes back every image of the series.
  if (!inSeries) services.SetUndoChangeCode(kChangeGetImages);
  const FlowCursor before = s.Cursor;
  PlaceNewObject(*image, &s.Cursor);
  if (!services.BuildPreview(*image)) {
    drop();
    s.Cursor = before;
    UpdatePageCount(d);
    return false;
  }
  d.Modified = 1;
  s.NextNumber = image->ImageNumber < SHRT_MAX ? int16_t(image->ImageNumber + 1) : 0;
  return true;
}

}  // namespace tl
