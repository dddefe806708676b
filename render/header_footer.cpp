#include "render/header_footer.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QLocale>
#include <cmath>
#include <vector>

#include "render/qt_colors.h"
#include "render/text_fonts.h"
#include "render/text_format.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kPrintInformationString = 10682;  // "Printer : %s  Ink : %s  Media Type : %s"
constexpr int kMonochromeString = 10683;
constexpr int kDuotintString = 10684;
constexpr int kColorString = 10685;
constexpr int kDatePageString = 10686;  // "%s  %s / %d"
const char kLineEnd[] = "\r\n";

std::string InkName(int16_t ink) {
  if (ink == kInkBlack) return StringCopy(kMonochromeString);
  if (ink == kInkDuotint) return StringCopy(kDuotintString);
  return StringCopy(kColorString);
}

std::string PrintInformationLine(const LayoutDocument& d, const PrintInformation* print) {
  // Without the printer's own lists (the layout view, a rendered preview)
  // the line tells what the layout stored, as the printed page will.
  if (!print) return FillPlaceholders(StringText(kPrintInformationString), {d.PrinterName, InkName(d.Color), d.MediaType});
  std::string media;
  for (const PrintMediaType& m : print->MediaTypes)
    if (m.Id == d.MediaTypeID) {
      media = m.Name;
      break;
    }
  return FillPlaceholders(StringText(kPrintInformationString), {print->PrinterName, InkName(d.Color), media});
}

std::string DateText(const BandSettings& band, const QDate& today) {
  QDate date = today;
  if (band.UseFixedDate) date = QDate(band.FixedDate[0], band.FixedDate[1], band.FixedDate[2]);
  if (!date.isValid()) return {};
  return QLocale().toString(date, QLocale::ShortFormat).toStdString();
}



void DrawBand(QPainter& p, const PageDrawContext& c, const BandSettings& band, const QRectF& area) {
  const std::string text = BandTextOnPage(band, c.firstPage);
  const TextStyle& style = c.document->HeaderFooterStyle;
  const double size = c.PixelsY(style.FontSize);
  if (text.empty() || size <= 0 || area.width() <= 0 || area.height() <= 0) return;
  const double lineHeight = c.PixelsY(style.LineHeight);
  if (lineHeight <= 0) return;
  const QFont font = PageFont(style.FontName.view(), style.FontFace, size, *p.device());
  const QFontMetricsF metrics(font, p.device());
  p.save();
  p.setFont(font);
  p.setPen(ToQColor(style.FontColor));
  p.setRenderHint(QPainter::TextAntialiasing);
  const std::vector<std::string_view> lines = SplitTextLines(text);
  const double width = area.width();
  for (size_t k = 0; k < lines.size(); ++k) {
    const QRectF line(area.left() + 1, area.top() + k * lineHeight, width, lineHeight);
    if (line.bottom() > area.bottom() + 1e-6) break;
    const QString s = metrics.elidedText(ToQString(lines[k]), Qt::ElideRight, width);
    p.drawText(line, int(JustifyAlignment(style.Justify)) | Qt::AlignTop | Qt::TextSingleLine, s);
  }
  p.restore();
}

}  // namespace

std::string ComposeBandText(const LayoutDocument& d, const BandSettings& band, const PrintInformation* print,
                            const QDate& today) {
  std::string text;
  if (band.DispText) text += band.Text + kLineEnd;
  if (band.DispPrintInfo) text += PrintInformationLine(d, print) + kLineEnd;
  if (band.DispDatePage) {
    const std::string page = d.Banner ? "1" : std::string(1, kPageNumberMark);
    text += FillPlaceholders(StringText(kDatePageString), {DateText(band, today), page, std::to_string(d.PageNumber)});
    text += kLineEnd;
  }
  return text;
}

void ComposeHeaderFooter(LayoutDocument& d, const PrintInformation* print) {
  const QDate today = QDateTime::currentDateTimeUtc().date();
  d.Header.WorkText = ComposeBandText(d, d.Header, print, today);
  d.Footer.WorkText = ComposeBandText(d, d.Footer, print, today);
}

std::string BandTextOnPage(const BandSettings& band, int32_t pageIndex) {
  if (!band.DispDatePage) return band.WorkText;
  const std::string number = std::to_string(int64_t(pageIndex) + 1);
  std::string text;
  size_t i = 0;
  for (; i < band.WorkText.size(); ++i) {
    const char ch = band.WorkText[i];
    if (ch != kPageNumberMark) {
      text += ch;
      continue;
    }
    // Stop at the first mark that would make the text too long.
    if (text.size() + number.size() + (band.WorkText.size() - i - 1) > kMaxBandText) break;
    text += number;
  }
  text.append(band.WorkText, i, std::string::npos);
  return text;
}

void DrawHeaderFooter(QPainter& p, const PageDrawContext& c) {
  const LayoutDocument& d = *c.document;
  QRect area = c.printableRect;
  // A banner sheet carries its own header and footer.
  if (c.bannerSlice) area &= c.sliceRect;
  const QRectF printable(area);
  if (!d.Header.WorkText.empty()) {
    QRectF band = printable;
    if (c.OnScreen()) band.setHeight(std::min(printable.height(), c.PixelsY(d.Header.Offset)));
    DrawBand(p, c, d.Header, band);
  }
  if (!d.Footer.WorkText.empty()) {
    const double height = std::min(printable.height(), c.PixelsY(d.Footer.Offset));
    DrawBand(p, c, d.Footer, QRectF(printable.left(), printable.bottom() - height, printable.width(), height));
  }
}

}  // namespace tl
