// tessaline-cli render: draws a layout file's pages as the program prints
// them (one PDF page per printer page, at a printer resolution) or as the
// layout view shows them (one PNG per page, at a zoom).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "cli/cli_command.h"
#include "cli/layout_argument.h"
#include "color/match_bitmap.h"
#include "document/layout_document.h"
#include "render/document_output.h"

namespace tl::cli {
namespace {

constexpr double kMaxDpi = 2400;
constexpr double kMaxZoomPercent = 1600;


// A zoom as the navigator takes it: a percentage x (a trailing "%" is
// ignored) is x : 100 from 100 % up, else 100 : 10000 / x.
bool ParseZoom(std::string text, int32_t& numerator, int32_t& denominator) {
  if (!text.empty() && text.back() == '%') text.pop_back();
  char* end = nullptr;
  const double x = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(x > 0) || x > kMaxZoomPercent) return false;
  if (x >= 100) {
    numerator = int32_t(std::floor(x)), denominator = 100;
  } else {
    numerator = 100, denominator = int32_t(std::lround(10000 / x));
  }
  return true;
}

int RunRender(std::vector<std::string> arguments) {
  const CliCommand& self = *FindCliCommand("render");
  CliArgs args(std::move(arguments));
  std::string pdf, prefix, zoomText, dpiText;
  const bool toPdf = args.Value("-o", pdf);
  const bool toPng = args.Value("--png", prefix);
  const bool hasZoom = args.Value("--zoom", zoomText);
  const bool hasDpi = args.Value("--dpi", dpiText);
  const std::vector<std::string> operands = args.Operands();
  if (args.HasProblem()) return UsageError(self, args.Problem());
  if (operands.size() != 1) return UsageError(self, "give one layout file");
  if (toPdf == toPng) return UsageError(self, "give either -o OUT.pdf or --png PREFIX");
  if (hasZoom && !toPng) return UsageError(self, "--zoom goes with --png");
  if (hasDpi && !toPdf) return UsageError(self, "--dpi goes with -o");

  PngOutputOptions png;
  if (hasZoom && !ParseZoom(zoomText, png.ZoomNumerator, png.ZoomDenominator))
    return UsageError(self, "--zoom takes a percentage above 0 and up to 1600");
  PdfOutputOptions print;
  if (hasDpi) {
    long dpi = 0;
    if (!ParseInt(dpiText, dpi) || dpi < 1 || dpi > long(kMaxDpi)) return UsageError(self, "--dpi takes 1 to 2400");
    print.Resolution = double(dpi);
  }

  OpenedLayout opened;
  if (!OpenLayoutArgument(operands[0], opened, toPng)) return kExitFailed;
  LayoutDocument* document = opened.Document.get();

  if (toPdf) {
    ColorPixelMatcher matcher;
    print.Services.Matcher = &matcher;
    if (RenderDocumentPdf(*document, pdf, print)) return kExitOk;
    std::fprintf(stderr, "tessaline-cli render: cannot write %s\n", pdf.c_str());
    return kExitFailed;
  }
  if (RenderDocumentPngs(*document, prefix, png)) return kExitOk;
  std::fprintf(stderr, "tessaline-cli render: cannot write %s\n", PngPagePath(prefix, 0).c_str());
  return kExitFailed;
}

}  // namespace

extern const CliCommand kRenderCommand = {
    "render",
    "draw a layout's pages into a PDF (as printed) or into PNG files (as the view shows them)",
    "render LAYOUT.qlf (-o OUT.pdf [--dpi N] | --png PREFIX [--zoom PERCENT])",
    RunRender,
};

}  // namespace tl::cli
