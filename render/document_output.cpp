#include "render/document_output.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cmath>
#include <cstdio>

#include "render/printer_page.h"
#include "render/screen_page.h"
#include "render/text_fonts.h"

namespace tl {
namespace {

// A name beside `path` for the file being written.
QString WorkingName(const std::string& path) { return ToQString(path + ".part"); }

bool MoveIntoPlace(const QString& working, const std::string& path) {
  if (std::rename(working.toStdString().c_str(), path.c_str()) == 0) return true;
  QFile::remove(working);
  return false;
}

// A file that remembers any write that did not go through whole: the PDF
// writer does not look at what its writes return, so a full disk would
// otherwise end as a short file taken for a good one.
class CheckedFile final : public QIODevice {
 public:
  explicit CheckedFile(const QString& path) : file_(path) {}
  bool open(OpenMode mode) override {
    return file_.open(mode | QIODevice::Truncate | QIODevice::Unbuffered) && QIODevice::open(mode | QIODevice::Unbuffered);
  }
  // Closes the file; true when everything written reached it.
  bool Finish() {
    close();
    file_.close();
    return !failed_ && file_.error() == QFileDevice::NoError;
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 length) override {
    const qint64 done = file_.write(data, length);
    if (done != length) failed_ = true;
    return done;
  }

 private:
  QFile file_;
  bool failed_ = false;
};

bool WritePdf(LayoutDocument& d, QIODevice& file, const std::string& title, const PdfOutputOptions& options) {
  const LSize sheet = PdfSheetSize(d);
  QPdfWriter writer(&file);
  writer.setCreator(QStringLiteral("Tessaline"));
  writer.setTitle(ToQString(title));
  writer.setResolution(int(std::lround(options.Resolution)));
  const QPageSize size(QSizeF(double(sheet.cx) / kLayoutUnitsPerInch, double(sheet.cy) / kLayoutUnitsPerInch),
                       QPageSize::Inch, QString(), QPageSize::ExactMatch);
  if (!writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)))) return false;
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  PrinterPage page;
  page.ResolutionX = page.ResolutionY = writer.resolution();
  page.PhysicalSize = QSize(writer.width(), writer.height());
  const int32_t count = options.PageCount > 0 ? options.PageCount : PrinterPageCount(d, page);
  for (int32_t n = 0; n < count; ++n) {
    if (options.PageStarting && !options.PageStarting(n)) return false;
    if (n > 0 && !writer.newPage()) return false;
    page.Index = n;
    DrawPrinterPage(painter, d, page, options.Services);
  }
  return painter.end();
}

}  // namespace

LSize PdfSheetSize(const LayoutDocument& d) {
  LSize sheet = {d.PageWidth, d.PageHeight};
  if (!d.Banner) return sheet;
  const int32_t along = TenthMillimetresToLayout(d.PaperLength);
  if (IsAcrossBanner(d)) {
    if (along > 0 && along < sheet.cx) sheet.cx = along;
  } else if (along > 0 && along < sheet.cy) {
    sheet.cy = along;
  }
  return sheet;
}

bool RenderDocumentPdf(LayoutDocument& d, const std::string& path, const PdfOutputOptions& options) {
  if (d.PageWidth <= 0 || d.PageHeight <= 0) return false;
  const QString working = WorkingName(path);
  CheckedFile file(working);
  const bool written = file.open(QIODevice::WriteOnly) &&
                       WritePdf(d, file, QFileInfo(ToQString(path)).completeBaseName().toStdString(), options) &&
                       file.Finish();
  if (!written) {
    QFile::remove(working);
    return false;
  }
  return MoveIntoPlace(working, path);
}

std::string PngPagePath(const std::string& prefix, int32_t pageIndex) {
  return prefix + "-" + std::to_string(int64_t(pageIndex) + 1) + ".png";
}

bool RenderDocumentPngs(LayoutDocument& d, const std::string& prefix, const PngOutputOptions& options) {
  ScreenView view;
  view.ZoomNumerator = options.ZoomNumerator;
  view.ZoomDenominator = options.ZoomDenominator;
  view.DpiX = view.DpiY = options.Dpi;
  const PageDrawContext probe = ScreenDrawContext(d, view);
  // The page with the margin the view keeps around it when it does not fit.
  view.ClientSize = QSize(probe.paperRect.width() + 2 * kPaperInset, probe.paperRect.height() + 2 * kPaperInset);
  const int32_t pages = d.Banner ? 1 : std::max<int32_t>(1, d.PageNumber);
  for (int32_t n = 0; n < pages; ++n) {
    view.CurrentPage = n;
    const QImage image = RenderScreenPage(d, view, QRect(QPoint(0, 0), view.ClientSize), options.Services);
    if (image.isNull()) return false;
    const std::string path = PngPagePath(prefix, n);
    const QString working = WorkingName(path);
    QImageWriter writer(working, "png");
    if (!writer.write(image)) {
      QFile::remove(working);
      return false;
    }
    if (!MoveIntoPlace(working, path)) return false;
  }
  return true;
}

}  // namespace tl
