// A real IPP printer for the tests: ippeveprinter on a free loopback port
// with the attributes a test gives it, keeping every document it receives
// in its spool folder. It announces itself over a private message bus of
// its own, so nothing on the machine is touched.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace tl::test {

// Attributes of a photo printer: A4, Letter, A3 and a borderless A4, a roll
// 329 mm wide, trays, manual feed and the roll, three media types (glossy
// with a profile of its own), colour, black and Duotint, three qualities.
std::string PhotoPrinterAttributes();
// The same printer without a roll.
std::string SheetPrinterAttributes();

// Why a printing test is skipped on a machine without the IPP printer.
constexpr const char* kNoIppPrinter = "ippeveprinter (cups-ipp-utils) is not installed";

struct ReceivedJob {
  int Id = 0;
  std::map<std::string, std::string> Attributes;  // job attributes as ipptool shows them
  std::string Document;                           // the spooled file; empty when none
};

class IppPrinter {
 public:
  IppPrinter() = default;
  ~IppPrinter();
  IppPrinter(const IppPrinter&) = delete;
  IppPrinter& operator=(const IppPrinter&) = delete;

  // Whether ippeveprinter and dbus-daemon are installed.
  static bool Available();

  // Starts the printer with these attributes (ipptool ATTR lines); false
  // when it does not answer within a few seconds.
  bool Start(const std::string& attributes, const std::string& name = "Tessaline Test Printer");
  void Stop();

  const std::string& Uri() const { return uri_; }
  // Every job the printer has, oldest first.
  std::vector<ReceivedJob> Jobs() const;

 private:
  bool StartOnce(const std::string& attributes, const std::string& name);

  std::string folder_;
  std::string uri_;
  std::string failure_;  // the printer's log of the last start that failed
  pid_t bus_ = -1;
  pid_t printer_ = -1;
};

// A started printer for a test suite to keep; null when this machine has
// none or it did not answer.
IppPrinter* StartSuitePrinter(const std::string& attributes, const std::string& name = "Tessaline Test Printer");

}  // namespace tl::test
