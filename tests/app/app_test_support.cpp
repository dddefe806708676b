#include "tests/app/app_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

namespace tl::test {
namespace {

// The test program's QApplication, made before the first test and kept to
// the end (Qt allows one per process).
class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "app_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

const bool kRegistered = [] {
  ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);
  return true;
}();

}  // namespace

}  // namespace tl::test
