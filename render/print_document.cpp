#include "render/print_document.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "color/match_bitmap.h"
#include "document/message_box.h"
#include "document/undo_store.h"
#include "document/view_link.h"
#include "print/job_submission.h"
#include "print/print_job.h"
#include "render/document_output.h"
#include "render/header_footer.h"
#include "resources/app_folders.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kQuickPrintEnabled = 10147;
constexpr int kQuickPrintAsk = 10148;
constexpr int kQuickPrintExecuting = 10149;
constexpr int kPdfNotWritten = 40013;
constexpr int kJobNotWritten = 40015;

std::string JobTitle(const LayoutDocument& d) {
  if (d.DocumentPath.empty()) return "Untitled";
  return std::filesystem::path(d.DocumentPath).stem().string();
}

// A new file in the cache folder that holds the job until it is sent.
std::string MakeSpoolFile() {
  const std::string folder = CacheFolder();
  if (!EnsureFolder(folder)) return {};
  std::string path = folder + "/print-XXXXXX";
  const int fd = mkstemp(path.data());
  if (fd < 0) return {};
  close(fd);
  return path;
}

void ReportNotWritten(bool toFile, const std::string& path) {
  ShowMessageText(StringWith(toFile ? kPdfNotWritten : kJobNotWritten, {path}), MessageIcon::Stop);
}

}  // namespace

PrintInformation PrintInformationOf(const LayoutDocument& d, const PrinterSettings& settings) {
  PrintInformation info;
  info.PrinterName = d.PrinterName;
  for (const IdName& type : settings.MediaTypes) info.MediaTypes.push_back({type.Id, type.Name});
  return info;
}

std::string DefaultPdfPath(const LayoutDocument& d) {
  if (d.DocumentPath.empty()) return "Untitled.pdf";
  return std::filesystem::path(d.DocumentPath).replace_extension(".pdf").string();
}

PrintResult PrintDocument(LayoutDocument& d, PrinterSettings& settings, const PrintOptions& options) {
  PrintJob job;
  if (!PreparePrintJob(d, settings, job)) return PrintResult::NotStarted;
  const PrintInformation info = PrintInformationOf(d, settings);
  ComposeHeaderFooter(d, &info);

  const bool toFile = job.Device->PdfFile;
  const std::string path = toFile ? (options.PdfPath.empty() ? DefaultPdfPath(d) : options.PdfPath) : MakeSpoolFile();
  if (path.empty()) return PrintResult::Failed;

  BeginPrintJob(d, job);
  bool cancelled = false;
  PdfOutputOptions pdf;
  pdf.Resolution = options.Resolution;
  pdf.Services = options.Services;
  if (!pdf.Services.PrintInfo) pdf.Services.PrintInfo = &info;
  ColorPixelMatcher matcher;  // the document's output colour handling, unless the caller has its own
  if (!pdf.Services.Matcher) pdf.Services.Matcher = &matcher;
  pdf.PageCount = job.LastPage - job.FirstPage + 1;
  pdf.PageStarting = [&](int32_t index) {
    const int32_t number = job.FirstPage + index;
    if (options.Continue && !options.Continue(number)) return !(cancelled = true);
    ShowPrintingPage(d, number);
    return true;
  };
  const bool drawn = RenderDocumentPdf(d, path, pdf);
  EndPrintJob(d, job);

  if (!drawn) {
    if (!toFile) std::remove(path.c_str());
    if (cancelled) return PrintResult::Cancelled;
    ReportNotWritten(toFile, path);
    return PrintResult::Failed;
  }
  if (toFile) return PrintResult::Printed;
  std::string detail;
  const SubmitResult sent = SubmitPrintJob(*job.Device, path, JobTitle(d), detail);
  std::remove(path.c_str());
  if (sent == SubmitResult::Sent) return PrintResult::Printed;
  ReportSubmitFailure(*job.Device, sent, detail);
  return PrintResult::Failed;
}

PrintResult QuickPrint(LayoutDocument& d, PrinterSettings& settings, bool ask, StatusLine* status,
                       EditServices& services, const PrintOptions& options) {
  PrintResult result = PrintResult::NotStarted;
  if (!ask || ShowMessage(kQuickPrintAsk, MessageIcon::Question, MessageButtons::OkCancel) == MessageAnswer::Ok) {
    if (status) status->ShowStatus(StringText(kQuickPrintExecuting));
    result = PrintDocument(d, settings, options);
    if (status) status->ShowStatus(StringText(kQuickPrintEnabled));
  }
  // The images brought in for quick print leave the layout again.
  UndoRestore(d, services);
  if (d.View) d.View->Invalidate();
  return result;
}

}  // namespace tl
