// tessaline-cli printers and print, as a user runs them: a layout made by
// "tessaline-cli layout" printed on the IPP printer and into a PDF file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/imaging/fixtures.h"
#include "tests/print/ipp_printer.h"

namespace tl::test {
namespace {

struct CliRun {
  int Status = -1;
  std::string Output;
};

class CliPrintTest : public testing::Test {
 protected:
  void SetUp() override {
    const char* binary = std::getenv("TL_BINARY_DIR");
    const char* source = std::getenv("TL_SOURCE_DIR");
    if (!binary || !source) GTEST_SKIP() << "TL_BINARY_DIR and TL_SOURCE_DIR are not set";
    cli_ = std::string(binary) + "/bin/tessaline-cli";
    samples_ = std::string(source) + "/resources/samples";
    // The default layout takes the samples on three pages.
    CliRun made = Cli("layout -o " + Layout() + " " + samples_);
    ASSERT_EQ(made.Status, 0) << made.Output;
  }

  std::string Layout() const { return folder_.File("sheet.qlf"); }

  CliRun Cli(const std::string& arguments, const std::string& environment = {}) const {
    const std::string command = "env XDG_CONFIG_HOME=" + folder_.File("config") + " XDG_DATA_HOME=" +
                                folder_.File("data") + " XDG_CACHE_HOME=" + folder_.File("cache") + " " +
                                environment + " " + cli_ + " " + arguments + " 2>&1";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.Output.append(buffer, got);
    const int status = pclose(pipe);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
  }

  TempFolder folder_;
  std::string cli_;
  std::string samples_;
};

TEST_F(CliPrintTest, ContactSheetPrintsOnTheIppPrinter) {
  if (!IppPrinter::Available()) GTEST_SKIP() << kNoIppPrinter;
  IppPrinter printer;
  ASSERT_TRUE(printer.Start(PhotoPrinterAttributes()));

  const CliRun printed = Cli("print " + Layout() + " --printer " + printer.Uri());
  ASSERT_EQ(printed.Status, 0) << printed.Output;
  EXPECT_NE(printed.Output.find("Printed 3 pages on " + printer.Uri()), std::string::npos) << printed.Output;
  const std::vector<ReceivedJob> jobs = printer.Jobs();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].Attributes.at("job-name"), "sheet");
  EXPECT_NE(jobs[0].Attributes.at("media-col").find("x-dimension=21000 y-dimension=29700"), std::string::npos);
  FILE* pdf = popen(("pdfinfo " + jobs[0].Document + " | grep Pages:").c_str(), "r");
  char line[256] = {};
  ASSERT_NE(std::fgets(line, sizeof line, pdf), nullptr);
  pclose(pdf);
  EXPECT_NE(std::string(line).find(" 3"), std::string::npos) << line;

  // The printer with what it offers, and in the list when named in the environment.
  const CliRun listed = Cli("printers --json --printer " + printer.Uri());
  ASSERT_EQ(listed.Status, 0) << listed.Output;
  for (const char* fact : {"\"model\":\"Tessaline Test Photo 1\"", "\"keyword\":\"roll\"", "\"id\":256",
                           "\"profile\":\"Glossy_Photo.icc\"", "\"process-monochrome\""})
    EXPECT_NE(listed.Output.find(fact), std::string::npos) << fact << " in " << listed.Output;
  const CliRun all = Cli("printers --json", "TESSALINE_PRINTERS=" + printer.Uri());
  EXPECT_NE(all.Output.find("\"name\":\"" + printer.Uri() + "\""), std::string::npos) << all.Output;
  EXPECT_NE(all.Output.find("\"name\":\"PDF file\""), std::string::npos);
}

TEST_F(CliPrintTest, PrintModeKeptInTheLayoutReachesThePrinter) {
  if (!IppPrinter::Available()) GTEST_SKIP() << kNoIppPrinter;
  IppPrinter printer;
  ASSERT_TRUE(printer.Start(PhotoPrinterAttributes()));
  std::string xml;
  {
    std::ifstream in(Layout());
    xml.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const struct {
    const char* mode;
    const char* quality;
  } cases[] = {{"1", "high"}, {"3", "draft"}};
  for (const auto& c : cases) {
    std::string edited = xml;
    const std::string element = "<AutoMode>0</AutoMode>";
    const size_t at = edited.find(element);
    ASSERT_NE(at, std::string::npos);
    edited.replace(at, element.size(), std::string("<AutoMode>") + c.mode + "</AutoMode>");
    std::ofstream(Layout(), std::ios::trunc) << edited;
    const CliRun printed = Cli("print " + Layout() + " --printer " + printer.Uri());
    ASSERT_EQ(printed.Status, 0) << printed.Output;
    const std::vector<ReceivedJob> jobs = printer.Jobs();
    ASSERT_FALSE(jobs.empty());
    EXPECT_EQ(jobs.back().Attributes.at("print-quality"), c.quality) << "mode " << c.mode;
  }
}

TEST_F(CliPrintTest, ContactSheetPrintsIntoAPdfFile) {
  const std::string pdf = folder_.File("sheet.pdf");
  const CliRun printed = Cli("print " + Layout() + " --pdf " + pdf);
  ASSERT_EQ(printed.Status, 0) << printed.Output;
  EXPECT_NE(printed.Output.find("Printed 3 pages to " + pdf), std::string::npos) << printed.Output;

  const struct {
    const char* arguments;
    int status;
  } failures[] = {
      {"print", 2},
      {"print a.qlf b.qlf", 2},
      {"print LAYOUT --printer lp --pdf x.pdf", 2},
      {"print /no/such/layout.qlf --pdf x.pdf", 1},
      {"print LAYOUT --printer ipp://localhost:1/ipp/print", 1},
      {"printers --printer 'No Such Printer'", 1},
  };
  for (const auto& f : failures) {
    std::string arguments = f.arguments;
    if (const size_t at = arguments.find("LAYOUT"); at != std::string::npos) arguments.replace(at, 6, Layout());
    EXPECT_EQ(Cli(arguments).Status, f.status) << arguments;
  }
}

}  // namespace
}  // namespace tl::test
