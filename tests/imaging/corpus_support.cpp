#include "tests/imaging/corpus_support.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace tl::test {

std::string CorpusFolder() {
  const char* shared = std::getenv("TL_SHARED_DIR");
  if (!shared) return {};
  const std::string corpus = std::string(shared) + "/corpus";
  return std::filesystem::is_directory(corpus) ? corpus : std::string();
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

Bytes RunCommand(const std::string& command, bool* ok) {
  Bytes out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    if (ok) *ok = false;
    return out;
  }
  uint8_t buffer[65536];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.insert(out.end(), buffer, buffer + n);
  const int status = pclose(pipe);
  if (ok) *ok = WIFEXITED(status) && WEXITSTATUS(status) != 127 && WEXITSTATUS(status) != 1;
  return out;
}

bool HaveTool(const char* tool) { return std::system((std::string("command -v ") + tool + " >/dev/null").c_str()) == 0; }

}  // namespace tl::test
