#include "render/free_text_settings.h"

#include "document/message_box.h"
#include "document/text_choices.h"
#include "document/typed_number.h"
#include "document/undo_store.h"
#include "layout/arrange.h"
#include "render/free_object_insert.h"
#include "render/free_text.h"

namespace tl {
namespace {

constexpr int kNotEnoughMemory = 10413;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

FreeTextValues OpenFreeText(const FreeTextObject& t) {
  FreeTextValues v;
  v.Text = t.String;
  v.FontName = t.Style.FontName.str();
  v.FontSize = t.Style.FontSize;
  v.LineHeight = t.Style.LineHeight;
  v.LineHeightPercent = NearestLineHeightPercent(t.Style.LineHeight, t.Style.FontSize);
  v.FontColor = t.Style.FontColor;
  v.Justify = t.Style.Justify;
  v.Face = int16_t(t.Style.FontFace & (kFaceBold | kFaceItalic | kFaceUnderline));
  v.Columnar = t.ColumnarWriting ? 1 : 0;
  v.Angle = std::to_string(t.Angle);
  v.Background = t.DispBackGround ? 1 : 0;
  v.BackgroundColor = t.BackGroundColor;
  return v;
}

std::string EditorText(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string RecordText(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void ChooseFreeTextSize(FreeTextValues& v, int16_t size) {
  v.FontSize = size;
  v.LineHeight = LineHeightFor(v.LineHeightPercent, size);
}

void ChooseLineHeightPercent(FreeTextValues& v, int percent) {
  v.LineHeightPercent = percent;
  v.LineHeight = LineHeightFor(percent, v.FontSize);
}

std::string CutFreeText(std::string_view text) {
  size_t characters = 0, i = 0;
  for (; i < text.size(); ++i) {
    if (IsContinuationByte(text[i])) continue;
    if (characters == kFreeTextMaxChars) break;
    ++characters;
  }
  return std::string(text.substr(0, i));
}

bool CheckFreeText(const FreeTextValues& v, int& badField) {
  int32_t angle = 0;
  if (!ReadTypedInteger(v.Angle, angle) || angle < kMinTextAngle || angle > kMaxTextAngle) {
    badField = kFreeTextAngleField;
    ErrorBeep();
    return false;
  }
  const std::string text = CutFreeText(v.Text);
  if (CheckFreeTextWidth(text, v.FontName, v.Face, v.FontSize) != text.size()) {
    badField = kFreeTextTextField;
    ShowMessage(kFreeTextTooWideMessage, MessageIcon::Exclamation);
    return false;
  }
  badField = -1;
  return true;
}

void StoreFreeText(const FreeTextValues& v, FreeTextObject& t) {
  int32_t angle = 0;
  ReadTypedInteger(v.Angle, angle);
  t.String = CutFreeText(v.Text);
  t.Style.FontName = v.FontName;
  t.Style.FontSize = v.FontSize;
  t.Style.LineHeight = v.LineHeight;
  t.Style.FontColor = v.FontColor;
  t.Style.Justify = v.Justify;
  t.Style.FontFace = v.Face;
  t.ColumnarWriting = v.Columnar ? 1 : 0;
  t.Angle = int16_t(angle);
  t.DispBackGround = v.Background ? 1 : 0;
  t.BackGroundColor = v.BackgroundColor;
  MeasureFreeText(t);
  t.NeedsRedraw = 1;
}

FreeTextObject* InsertFreeText(LayoutDocument& d, const FreeTextValues& v, int& badField, LayoutServices& services) {
  if (!CheckFreeText(v, badField)) return nullptr;
  FreeTextObject* text = FreeTextObjectNew(&d, nullptr);
  if (!text) {
    ShowMessage(kNotEnoughMemory, MessageIcon::Stop);
    return nullptr;
  }
  StoreFreeText(v, *text);
  if (!LinkNewFreeObject(d, *text, services)) {
    ObjectFree(text, nullptr);
    return nullptr;
  }
  PlaceInVisiblePart(d, *text);
  ArrangeLayout(d);
  d.Modified = 1;
  return text;
}

bool EditFreeText(LayoutDocument& d, FreeTextObject& t, const FreeTextValues& v, int& badField,
                  LayoutServices& services) {
  if (!CheckFreeText(v, badField)) return false;
  if (!services.RecordUndo(d, kUndoImageGeometry)) return false;
  StoreFreeText(v, t);
  ArrangeLayout(d);
  d.Modified = 1;
  return true;
}

FreeTextObject* SoleSelectedFreeText(LayoutDocument& d) {
  FreeTextObject* found = nullptr;
  for (LayoutObject* o : d.Objects) {
    FreeTextObject* text = AsFreeText(o);
    if (!text || !text->Selected) continue;
    if (found) return nullptr;
    found = text;
  }
  return found;
}

}  // namespace tl
