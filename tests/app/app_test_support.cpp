#include "tests/app/app_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "resources/string_table.h"

namespace tl::test {
namespace {

constexpr const char* kHomeVariables[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"};

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

PrivateHome::PrivateHome() {
  for (const char* name : kHomeVariables) {
    const char* value = std::getenv(name);
    saved_.emplace_back(name, value ? value : "");
    const std::string folder = Path() + "/" + name;
    setenv(name, folder.c_str(), 1);
  }
}

PrivateHome::~PrivateHome() {
  for (const auto& [name, value] : saved_) {
    if (value.empty()) unsetenv(name.c_str());
    else setenv(name.c_str(), value.c_str(), 1);
  }
}

std::string PrivateHome::Path() const { return dir_.path().toStdString(); }

MessageAnswer ScriptedSink::Show(std::string_view text, MessageIcon icon, MessageButtons buttons,
                                 MessageAnswer headless) {
  Shown.push_back({std::string(text), icon, buttons});
  if (Script.empty()) return headless;
  const MessageAnswer answer = Script.front();
  Script.pop_front();
  return answer;
}

int ScriptedSink::Count(int stringId) const {
  int n = 0;
  for (const ShownMessage& m : Shown) n += m.Text == StringText(stringId);
  return n;
}

}  // namespace tl::test
