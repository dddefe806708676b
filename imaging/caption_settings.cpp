#include "imaging/caption_settings.h"

#include "document/message_box.h"
#include "document/undo_store.h"

namespace tl {
namespace {

void StoreCaption(const CaptionValues& v, ImageObject& m) {
  m.CaptionString = v.Text;
  m.CaptionFontName = v.FontName;
  m.CaptionFontSize = v.FontSize;
  m.CaptionAutoSize = v.AutoSize ? 1 : 0;
  m.CaptionFontColor = v.FontColor;
  m.CaptionAlign = v.Align;
  m.CaptionLocation = v.Location;
  m.CaptionUpsideDown = v.UpsideDown ? 1 : 0;
}

}  // namespace

bool OpenCaption(const LayoutDocument& d, int target, CaptionValues& v) {
  const ImageObject* m = TextDialogSource(d, target);
  if (!m) return false;
  v.Target = target;
  v.Text = m->CaptionString;
  v.FontName = m->CaptionFontName.str();
  v.FontSize = m->CaptionFontSize;
  v.AutoSize = m->CaptionAutoSize ? 1 : 0;
  v.FontColor = m->CaptionFontColor;
  v.Align = m->CaptionAlign;
  v.Location = m->CaptionLocation;
  v.UpsideDown = m->CaptionUpsideDown ? 1 : 0;
  v.LabelLocation = m->LabelLocation;
  return true;
}

bool CaptionLocationOffered(const CaptionValues& v, int16_t location) {
  return location >= kLocationTop && location <= kLocationRight && location != v.LabelLocation;
}

bool ApplyCaption(const CaptionValues& v, LayoutDocument& d, LayoutServices& services) {
  if (!CaptionLocationOffered(v, v.Location)) {
    ErrorBeep();
    return false;
  }
  return ApplyTextChoice(d, services, v.Target, kUndoCaption, [&v](ImageObject& image) { StoreCaption(v, image); });
}

}  // namespace tl
