// Replays a fuzz target's corpus without libFuzzer: every file of the
// folders (or the files) named on the command line goes through the
// target's entry point once, in name order, each in a buffer of exactly its
// size so that the sanitizers see a read past its end. A crash, a sanitizer
// report, a leak or an allocation beyond the campaigns' limit fails the
// run; so does a folder with no inputs, which would otherwise pass without
// checking anything.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// The allocation limit the campaigns run with (scripts/fuzz): an input
// that asks for more is a finding here too, although the allocation
// itself would succeed on a machine that overcommits memory.
extern "C" const char* __asan_default_options() { return "max_allocation_size_mb=2560"; }
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const fs::path& where) {
  std::vector<fs::path> inputs;
  std::error_code error;
  if (fs::is_regular_file(where, error)) return {where};
  for (const fs::directory_entry& entry : fs::directory_iterator(where, error))
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

bool Replay(const fs::path& input) {
  std::ifstream file(input, std::ios::binary);
  if (!file) return false;
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  // A fresh allocation of exactly the input's size, also for empty inputs.
  std::unique_ptr<uint8_t[]> data(new uint8_t[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), data.get());
  std::printf("%s\n", input.c_str());
  std::fflush(stdout);
  LLVMFuzzerTestOneInput(data.get(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER_OR_FILE...\n", argv[0]);
    return 2;
  }
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  for (int i = 1; i < argc; ++i) {
    const std::vector<fs::path> inputs = InputsOf(argv[i]);
    if (inputs.empty()) {
      std::fprintf(stderr, "no inputs in %s\n", argv[i]);
      return 1;
    }
    for (const fs::path& input : inputs) {
      if (!Replay(input)) {
        std::fprintf(stderr, "cannot read %s\n", input.c_str());
        return 1;
      }
    }
    std::printf("replayed %zu inputs from %s\n", inputs.size(), argv[i]);
  }
  return 0;
}
