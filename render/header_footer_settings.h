// The "Header/Footer" dialog without its widgets: each band's text, area
// height in its own unit and what it shows (the text, the print
// information line, the date and page line, with today's or a fixed
// date), and the style the two bands share.
#pragma once

#include <QDate>
#include <array>
#include <cstdint>
#include <string>

#include "document/layout_document.h"

namespace tl {

enum HeaderFooterBand : int { kHeaderBand, kFooterBand, kBandCount };

constexpr int16_t kMinBandHeight = 4;

struct BandValues {
  std::string Text;  // lines end in "\r\n"
  int Unit = 0;
  std::string AreaHeight;  // in Unit
  int32_t DispText = 0;
  int32_t DispPrintInfo = 0;
  int32_t DispDatePage = 0;
  int32_t UseFixedDate = 0;
  std::array<int16_t, 3> FixedDate = {0, 0, 0};  // year, month, day
};

struct HeaderFooterValues {
  std::array<BandValues, kBandCount> Bands;
  std::string FontName;
  int16_t FontSize = 0;
  int LineHeightPercent = 110;
  int16_t LineHeight = 0;
  ColorRef FontColor = kBlack;
  int16_t Justify = 0;  // 0 left, 1 centre, -1 right
  int16_t Face = 0;     // bold, italic, underline bits
};

HeaderFooterValues OpenHeaderFooter(const LayoutDocument& document);

void ChooseBandUnit(HeaderFooterValues& values, int band, int unit);
void ChooseHeaderFooterSize(HeaderFooterValues& values, int16_t size);
void ChooseHeaderFooterLineHeight(HeaderFooterValues& values, int percent);

// "Use Fixed Date": checking keeps `today` (UTC) as the band's date,
// unchecking clears it.
void SetUseFixedDate(HeaderFooterValues& values, int band, bool fixed, const QDate& today);
// ": date" with the short date of the band's fixed date; empty without one.
std::string FixedDateText(const BandValues& band);

// The tallest band: half the printable height.
int32_t MaxBandHeight(const LayoutDocument& document);

// OK. An area height outside 4 ... half the printable height (or no
// number) is replaced in its field by the nearest allowed value, with the
// error beep; `badBand` names the band and nothing changes. Otherwise the
// values are stored, the bands' texts composed again and the layout
// arranged (the bands take room from the images).
bool ApplyHeaderFooter(HeaderFooterValues& values, LayoutDocument& document, int& badBand);

}  // namespace tl
