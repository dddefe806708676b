#include "tests/print/ipp_printer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <cups/cups.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

extern char** environ;

namespace tl::test {
namespace {

constexpr const char* kPrinterProgram = "/usr/sbin/ippeveprinter";
constexpr const char* kBusProgram = "/usr/bin/dbus-daemon";
constexpr auto kStartTimeout = std::chrono::seconds(15);
constexpr int kStartAttempts = 3;

const char* const kCommonAttributes = R"(ATTR text printer-make-and-model "Tessaline Test Photo 1"
ATTR mimeMediaType document-format-supported application/pdf,application/octet-stream
ATTR mimeMediaType document-format-default application/pdf
ATTR keyword media-default iso_a4_210x297mm
ATTR collection media-col-default {MEMBER collection media-size {MEMBER integer x-dimension 21000 MEMBER integer y-dimension 29700} MEMBER integer media-bottom-margin 300 MEMBER integer media-left-margin 300 MEMBER integer media-right-margin 300 MEMBER integer media-top-margin 300 MEMBER keyword media-source main MEMBER keyword media-type stationery}
ATTR integer media-bottom-margin-supported 0,300
ATTR integer media-top-margin-supported 0,300
ATTR integer media-left-margin-supported 0,300
ATTR integer media-right-margin-supported 0,300
ATTR keyword media-type-supported stationery,photographic-glossy,photographic-matte
ATTR collection printer-icc-profiles {MEMBER name profile-name photographic-glossy MEMBER uri profile-url "http://localhost/profiles/Glossy_Photo.icc"}
ATTR keyword print-color-mode-supported auto,color,monochrome,process-monochrome
ATTR keyword print-color-mode-default auto
ATTR enum print-quality-supported 3,4,5
ATTR enum print-quality-default 4
ATTR enum orientation-requested-supported 3,4
)";

std::string Size(int width, int length, int margin, const char* extra = "") {
  const std::string m = std::to_string(margin);
  return "{MEMBER collection media-size {MEMBER integer x-dimension " + std::to_string(width) +
         " MEMBER integer y-dimension " + std::to_string(length) + "} MEMBER integer media-bottom-margin " + m +
         " MEMBER integer media-left-margin " + m + " MEMBER integer media-right-margin " + m +
         " MEMBER integer media-top-margin " + m + extra + "}";
}

// media-size-supported: what a job's media-col may ask for.
std::string Dimensions(int width, int length) {
  return "{MEMBER integer x-dimension " + std::to_string(width) + " MEMBER integer y-dimension " +
         std::to_string(length) + "}";
}

std::string SheetDimensions() {
  return Dimensions(21000, 29700) + "," + Dimensions(21590, 27940) + "," + Dimensions(29700, 42000);
}

std::string SheetSizes() {
  return Size(21000, 29700, 300) + "," + Size(21000, 29700, 0) + "," + Size(21590, 27940, 300) + "," +
         Size(29700, 42000, 300);
}

int FreePort() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
  close(s);
  return port;
}

pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv, const std::string& log) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<std::string> env(extraEnv);
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// Whether the process has ended (and is reaped).
bool Exited(pid_t& pid) {
  int status = 0;
  if (waitpid(pid, &status, WNOHANG) != pid) return false;
  pid = -1;
  return true;
}

void Kill(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  pid = -1;
}

// A destination for the printer's URI, reached directly.
cups_dest_t* DestForUri(const std::string& uri) {
  cups_dest_t* dest = cupsGetDestWithURI(nullptr, uri.c_str());
  if (dest) dest->num_options = cupsAddOption("printer-uri-supported", uri.c_str(), dest->num_options, &dest->options);
  return dest;
}

bool Answers(const std::string& uri) {
  cups_dest_t* dest = DestForUri(uri);
  if (!dest) return false;
  char resource[256];
  http_t* http = cupsConnectDest(dest, CUPS_DEST_FLAGS_NONE, 500, nullptr, resource, sizeof resource, nullptr, nullptr);
  bool ready = false;
  if (http) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    ipp_t* response = cupsDoRequest(http, request, resource);
    ready = response && ippGetStatusCode(response) <= IPP_STATUS_OK_EVENTS_COMPLETE;
    ippDelete(response);
    httpClose(http);
  }
  cupsFreeDests(1, dest);
  return ready;
}

std::string SpooledDocument(const std::string& folder, int jobId) {
  std::error_code error;
  const std::string prefix = std::to_string(jobId) + "-";
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0 && entry.path().extension() == ".pdf") return entry.path().string();
  }
  return {};
}

}  // namespace

std::string PhotoPrinterAttributes() {
  const std::string roll = Size(32900, 1500000, 0, " MEMBER keyword media-source roll");
  return std::string(kCommonAttributes) +
         "ATTR keyword media-supported iso_a4_210x297mm,na_letter_8.5x11in,iso_a3_297x420mm,custom_min_89x127mm,"
         "custom_max_329x15000mm\n"
         "ATTR keyword media-source-supported auto,main,manual,roll\n"
         "ATTR collection media-col-database " + SheetSizes() + "," + roll + "\n" +
         "ATTR collection media-size-supported " + SheetDimensions() +
         ",{MEMBER rangeOfInteger x-dimension 8900-32900 MEMBER rangeOfInteger y-dimension 12700-1500000}\n";
}

std::string SheetPrinterAttributes() {
  return std::string(kCommonAttributes) +
         "ATTR keyword media-supported iso_a4_210x297mm,na_letter_8.5x11in,iso_a3_297x420mm\n"
         "ATTR keyword media-source-supported auto,main,manual\n"
         "ATTR collection media-col-database " + SheetSizes() + "\n" +
         "ATTR collection media-size-supported " + SheetDimensions() + "\n";
}

IppPrinter* StartSuitePrinter(const std::string& attributes, const std::string& name) {
  if (!IppPrinter::Available()) return nullptr;
  auto printer = std::make_unique<IppPrinter>();
  return printer->Start(attributes, name) ? printer.release() : nullptr;
}

IppPrinter::~IppPrinter() { Stop(); }

bool IppPrinter::Available() { return access(kPrinterProgram, X_OK) == 0 && access(kBusProgram, X_OK) == 0; }

bool IppPrinter::Start(const std::string& attributes, const std::string& name) {
  // A port found free may be taken again before the printer binds it.
  for (int attempt = 0; attempt < kStartAttempts; ++attempt)
    if (StartOnce(attributes, name)) return true;
  std::fprintf(stderr, "ippeveprinter did not start:\n%s\n", failure_.c_str());
  return false;
}

bool IppPrinter::StartOnce(const std::string& attributes, const std::string& name) {
  Stop();
  char pattern[] = "/tmp/tl-ipp-XXXXXX";
  if (!mkdtemp(pattern)) return false;
  folder_ = pattern;
  std::filesystem::create_directories(folder_ + "/spool");
  std::ofstream(folder_ + "/printer.conf") << attributes;
  const std::string bus = "unix:path=" + folder_ + "/bus";
  bus_ = Spawn({kBusProgram, "--session", "--nofork", "--address=" + bus}, {}, folder_ + "/bus.log");
  const int port = FreePort();
  uri_ = "ipp://localhost:" + std::to_string(port) + "/ipp/print";
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (!std::filesystem::exists(folder_ + "/bus") && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  // "Printing" is a program that ends at once, so the next job need not wait.
  printer_ = Spawn({kPrinterProgram, "-a", folder_ + "/printer.conf", "-c", "/bin/true", "-d", folder_ + "/spool",
                    "-k", "-n", "localhost", "-p", std::to_string(port), "-r", "off", name},
                   {"DBUS_SYSTEM_BUS_ADDRESS=" + bus}, folder_ + "/printer.log");
  while (printer_ > 0 && !Exited(printer_) && std::chrono::steady_clock::now() < deadline) {
    if (Answers(uri_)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  std::ifstream log(folder_ + "/printer.log");
  failure_.assign(std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>());
  Stop();
  return false;
}

void IppPrinter::Stop() {
  Kill(printer_);
  Kill(bus_);
  if (!folder_.empty()) {
    std::error_code error;
    // TL_KEEP_IPP=1 keeps the folder, with the printer's log, for a look after a failure.
    if (!std::getenv("TL_KEEP_IPP")) std::filesystem::remove_all(folder_, error);
    folder_.clear();
  }
}

std::vector<ReceivedJob> IppPrinter::Jobs() const {
  std::vector<ReceivedJob> jobs;
  cups_dest_t* dest = DestForUri(uri_);
  if (!dest) return jobs;
  char resource[256];
  http_t* http = cupsConnectDest(dest, CUPS_DEST_FLAGS_NONE, 2000, nullptr, resource, sizeof resource, nullptr, nullptr);
  if (http) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri_.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
    ipp_t* response = cupsDoRequest(http, request, resource);
    ReceivedJob job;
    for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
      if (!ippGetName(a)) {
        if (job.Id) jobs.push_back(job);
        job = {};
        continue;
      }
      if (ippGetGroupTag(a) != IPP_TAG_JOB) continue;
      char value[4096];
      ippAttributeString(a, value, sizeof value);
      job.Attributes[ippGetName(a)] = value;
      if (std::string(ippGetName(a)) == "job-id") job.Id = ippGetInteger(a, 0);
    }
    if (job.Id) jobs.push_back(job);
    ippDelete(response);
    httpClose(http);
  }
  cupsFreeDests(1, dest);
  for (ReceivedJob& job : jobs) job.Document = SpooledDocument(folder_ + "/spool", job.Id);
  std::sort(jobs.begin(), jobs.end(), [](const ReceivedJob& a, const ReceivedJob& b) { return a.Id < b.Id; });
  return jobs;
}

}  // namespace tl::test
