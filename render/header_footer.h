// The header and the footer: lines of text at the top and the bottom of
// every page's printable area, composed before each draw from the free
// text, the print information line and the date and page line, in the
// shared header/footer style. On screen the header keeps to its band; on
// paper it may run down the printable area.
#pragma once

#include <QDate>
#include <QPainter>
#include <string>

#include "document/layout_document.h"
#include "render/page_draw_context.h"
#include "render/print_information.h"

namespace tl {

// The texts "@" stands for on a page: replaced by the page number where
// the band shows the date and page line.
constexpr char kPageNumberMark = '@';
constexpr size_t kMaxBandText = 255;

// The composed text of one band for `today` (used unless the band keeps a
// fixed date).
std::string ComposeBandText(const LayoutDocument& document, const BandSettings& band, const PrintInformation* print,
                            const QDate& today);

// Rebuilds the composed texts of both bands (today's date in UTC).
void ComposeHeaderFooter(LayoutDocument& document, const PrintInformation* print = nullptr);

// A band's composed text on page `pageIndex` (from 0).
std::string BandTextOnPage(const BandSettings& band, int32_t pageIndex);

// Draws the header and footer bands of the page in the context.
void DrawHeaderFooter(QPainter& painter, const PageDrawContext& context);

}  // namespace tl
