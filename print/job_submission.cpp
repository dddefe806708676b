#include "print/job_submission.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#include "document/message_box.h"
#include "print/cups_destination.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kPrinterUnreachable = 40010;
constexpr int kJobRefused = 40011;
constexpr int kJobFileUnreadable = 40012;
constexpr size_t kChunkBytes = size_t(64) << 10;
constexpr int kBusyRetries = 60;
constexpr auto kBusyPause = std::chrono::seconds(1);

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string LastError() {
  const char* text = cupsLastErrorString();
  return text ? text : "";
}

enum class StreamResult { Sent, ReadFailed, SendFailed };

// Streams the file into the open document.
StreamResult StreamFile(http_t* http, std::FILE* file) {
  char buffer[kChunkBytes];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    if (cupsWriteRequestData(http, buffer, got) != HTTP_STATUS_CONTINUE) return StreamResult::SendFailed;
  return std::ferror(file) ? StreamResult::ReadFailed : StreamResult::Sent;
}

// A printer busy with another job takes the next one when it is done.
bool CreateJob(CupsDestination& d, const std::string& title, const CupsOptions& options, int& jobId) {
  for (int attempt = 0;; ++attempt) {
    const ipp_status_t status = cupsCreateDestJob(d.Http.get(), d.Dest.get(), d.Info.get(), &jobId, title.c_str(),
                                                  options.Count(), options.Data());
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE) return true;
    if (status != IPP_STATUS_ERROR_BUSY || attempt == kBusyRetries) return false;
    std::this_thread::sleep_for(kBusyPause);
  }
}

}  // namespace

SubmitResult SubmitPrintJob(const PrintDevice& device, const std::string& pdfPath, const std::string& title,
                            std::string& detail) {
  const FilePtr file(std::fopen(pdfPath.c_str(), "rb"));
  if (!file) return detail = pdfPath, SubmitResult::ReadFailed;
  CupsDestination d;
  if (!OpenCupsDestination(device.PrinterName, d)) return detail = LastError(), SubmitResult::PrinterUnreachable;

  CupsOptions options;
  for (const auto& [name, value] : device.Options) options.Set(name.c_str(), value.c_str());
  int jobId = 0;
  if (!CreateJob(d, title, options, jobId)) return detail = LastError(), SubmitResult::Refused;

  // A printer that cannot take PDF by name may still recognise it.
  const char* format = device.AcceptsPdf ? CUPS_FORMAT_PDF : CUPS_FORMAT_AUTO;
  const bool started = cupsStartDestDocument(d.Http.get(), d.Dest.get(), d.Info.get(), jobId, title.c_str(), format,
                                             0, nullptr, 1) == HTTP_STATUS_CONTINUE;
  const StreamResult streamed = started ? StreamFile(d.Http.get(), file.get()) : StreamResult::SendFailed;
  // Finishing also reads the printer's answer to a document it did not take.
  const bool finished =
      started && cupsFinishDestDocument(d.Http.get(), d.Dest.get(), d.Info.get()) <= IPP_STATUS_OK_EVENTS_COMPLETE;
  if (finished && streamed == StreamResult::Sent) return SubmitResult::Sent;
  const bool unread = streamed == StreamResult::ReadFailed;
  detail = unread ? pdfPath : LastError();
  cupsCancelDestJob(d.Http.get(), d.Dest.get(), jobId);
  return unread ? SubmitResult::ReadFailed : SubmitResult::Refused;
}

void ReportSubmitFailure(const PrintDevice& device, SubmitResult result, const std::string& detail) {
  const int id = result == SubmitResult::PrinterUnreachable ? kPrinterUnreachable
                 : result == SubmitResult::Refused          ? kJobRefused
                                                            : kJobFileUnreadable;
  ShowMessageText(StringWith(id, {device.PrinterName, detail}), MessageIcon::Stop);
}

}  // namespace tl
