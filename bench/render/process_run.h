// Runs another program to its end and measures it: the benchmarks that set
// the program beside other tools time each as a process of its own.
#pragma once

#include <string>
#include <vector>

namespace tl::bench {

struct ProcessRun {
  bool ok = false;  // started, and exited with status 0
  double milliseconds = 0;
  double peakMegabytes = 0;  // the child's peak resident size
};

// `args[0]` is looked up in PATH like a shell does.
ProcessRun RunProcess(std::vector<std::string> args);

}  // namespace tl::bench
