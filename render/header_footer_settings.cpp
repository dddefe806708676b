#include "render/header_footer_settings.h"

#include <QLocale>
#include <algorithm>

#include "document/message_box.h"
#include "document/text_choices.h"
#include "layout/arrange.h"
#include "layout/typed_length.h"
#include "render/free_text_settings.h"
#include "render/header_footer.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kFixedDateString = 41207;  // ": %s"

BandSettings& BandOf(LayoutDocument& d, int band) { return band == kHeaderBand ? d.Header : d.Footer; }

BandValues OpenBand(const BandSettings& b, int unit) {
  BandValues v;
  v.Text = b.Text;
  v.Unit = unit;
  v.AreaHeight = LengthText(b.Offset, unit);
  v.DispText = b.DispText ? 1 : 0;
  v.DispPrintInfo = b.DispPrintInfo ? 1 : 0;
  v.DispDatePage = b.DispDatePage ? 1 : 0;
  v.UseFixedDate = b.UseFixedDate ? 1 : 0;
  v.FixedDate = b.FixedDate;
  return v;
}

// Reads a band's height; a refused one is replaced by the nearest allowed.
bool ReadBandHeight(BandValues& v, int32_t max, int16_t current, int32_t& height) {
  if (!ReadTypedLength(v.AreaHeight, v.Unit, height)) {
    v.AreaHeight = LengthText(std::clamp<int32_t>(current, kMinBandHeight, max), v.Unit);
    return false;
  }
  if (height >= kMinBandHeight && height <= max) return true;
  v.AreaHeight = LengthText(std::clamp<int32_t>(height, kMinBandHeight, max), v.Unit);
  return false;
}

void StoreBand(const BandValues& v, int32_t height, BandSettings& b) {
  b.Text = CutFreeText(v.Text);
  b.Offset = int16_t(height);
  b.DispText = v.DispText ? 1 : 0;
  b.DispPrintInfo = v.DispPrintInfo ? 1 : 0;
  b.DispDatePage = v.DispDatePage ? 1 : 0;
  b.UseFixedDate = v.UseFixedDate ? 1 : 0;
  b.FixedDate = v.UseFixedDate ? v.FixedDate : std::array<int16_t, 3>{0, 0, 0};
  b.Enabled = b.DispText || b.DispPrintInfo || b.DispDatePage ? 1 : 0;
}

}  // namespace

HeaderFooterValues OpenHeaderFooter(const LayoutDocument& d) {
  HeaderFooterValues v;
  const int unit = DialogUnitFor(d.DisplayUnit);
  v.Bands[kHeaderBand] = OpenBand(d.Header, unit);
  v.Bands[kFooterBand] = OpenBand(d.Footer, unit);
  const TextStyle& s = d.HeaderFooterStyle;
  v.FontName = s.FontName.str();
  v.FontSize = s.FontSize;
  v.LineHeight = s.LineHeight;
  v.LineHeightPercent = NearestLineHeightPercent(s.LineHeight, s.FontSize);
  v.FontColor = s.FontColor;
  v.Justify = s.Justify;
  v.Face = int16_t(s.FontFace & (kFaceBold | kFaceItalic | kFaceUnderline));
  return v;
}

void ChooseBandUnit(HeaderFooterValues& v, int band, int unit) {
  if (band < 0 || band >= kBandCount) return;
  BandValues& b = v.Bands[band];
  b.AreaHeight = ConvertLengthText(b.AreaHeight, b.Unit, unit);
  b.Unit = unit;
}

void ChooseHeaderFooterSize(HeaderFooterValues& v, int16_t size) {
  v.FontSize = size;
  v.LineHeight = LineHeightFor(v.LineHeightPercent, size);
}

void ChooseHeaderFooterLineHeight(HeaderFooterValues& v, int percent) {
  v.LineHeightPercent = percent;
  v.LineHeight = LineHeightFor(percent, v.FontSize);
}

void SetUseFixedDate(HeaderFooterValues& v, int band, bool fixed, const QDate& today) {
  if (band < 0 || band >= kBandCount) return;
  BandValues& b = v.Bands[band];
  b.UseFixedDate = fixed ? 1 : 0;
  b.FixedDate = fixed ? std::array<int16_t, 3>{int16_t(today.year()), int16_t(today.month()), int16_t(today.day())}
                      : std::array<int16_t, 3>{0, 0, 0};
}

std::string FixedDateText(const BandValues& b) {
  if (!b.UseFixedDate) return {};
  const QDate date(b.FixedDate[0], b.FixedDate[1], b.FixedDate[2]);
  if (!date.isValid()) return {};
  std::string text = StringCopy(kFixedDateString);
  if (const size_t at = text.find("%s"); at != std::string::npos)
    text.replace(at, 2, QLocale().toString(date, QLocale::ShortFormat).toStdString());
  return text;
}

int32_t MaxBandHeight(const LayoutDocument& d) { return std::max<int32_t>(kMinBandHeight, d.PrintableRect.Height() / 2); }

bool ApplyHeaderFooter(HeaderFooterValues& v, LayoutDocument& d, int& badBand) {
  const int32_t max = std::min<int32_t>(MaxBandHeight(d), INT16_MAX);
  std::array<int32_t, kBandCount> heights{};
  badBand = -1;
  for (int band = 0; band < kBandCount && badBand < 0; ++band)
    if (!ReadBandHeight(v.Bands[band], max, BandOf(d, band).Offset, heights[band])) badBand = band;
  if (badBand >= 0) {
    ErrorBeep();
    return false;
  }
  for (int band = 0; band < kBandCount; ++band) StoreBand(v.Bands[band], heights[band], BandOf(d, band));
  TextStyle& s = d.HeaderFooterStyle;
  s.FontName = v.FontName;
  s.FontSize = v.FontSize;
  s.LineHeight = v.LineHeight;
  s.FontColor = v.FontColor;
  s.Justify = v.Justify;
  s.FontFace = v.Face;
  ComposeHeaderFooter(d);
  if (LayoutObject* first = d.Objects.Head) {
    first->NeedsRedraw = 1;
    ArrangeLayout(d);
  }
  d.Modified = 1;
  return true;
}

}  // namespace tl
