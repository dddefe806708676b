// What the corpus tests share: the shared corpus folder (skipped visibly
// when absent) and running the reference tools they compare with.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/imaging/fixtures.h"

namespace tl::test {

// The corpus folder, or empty when TL_SHARED_DIR does not name one.
std::string CorpusFolder();

#define REQUIRE_CORPUS()                                                             \
  const std::string corpus = ::tl::test::CorpusFolder();                             \
  if (corpus.empty()) GTEST_SKIP() << "the shared corpus (TL_SHARED_DIR) is absent"; \
  static_assert(true)

std::string Quoted(const std::string& s);

// The standard output of a command; `ok` is false when it did not run or failed.
Bytes RunCommand(const std::string& command, bool* ok = nullptr);

bool HaveTool(const char* tool);

}  // namespace tl::test
