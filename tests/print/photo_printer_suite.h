// A test suite that shares one photo printer: started before its first
// case, stopped after its last. Cases skip where the machine cannot run an
// IPP printer and fail where it did not start.
#pragma once

#include <gtest/gtest.h>

#include "tests/print/ipp_printer.h"

namespace tl::test {

class PhotoPrinterSuite : public testing::Test {
 protected:
  static void SetUpTestSuite() { printer_ = StartSuitePrinter(PhotoPrinterAttributes()); }
  static void TearDownTestSuite() {
    delete printer_;
    printer_ = nullptr;
  }

  static inline IppPrinter* printer_ = nullptr;
};

}  // namespace tl::test

// In SetUp or a case: skips where the machine cannot run the printer,
// fails where it did not start.
#define TL_REQUIRE_SUITE_PRINTER()                                                         \
  do {                                                                                     \
    if (!::tl::test::IppPrinter::Available()) GTEST_SKIP() << ::tl::test::kNoIppPrinter;   \
    ASSERT_NE(printer_, nullptr) << "the IPP printer did not start";                       \
  } while (0)
