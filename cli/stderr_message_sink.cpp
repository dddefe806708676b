#include "cli/stderr_message_sink.h"

#include <cstdio>
#include <string>

namespace tl::cli {

MessageAnswer StderrMessageSink::Show(std::string_view text, MessageIcon, MessageButtons, MessageAnswer headless) {
  // Messages break their lines with "\n\r"; a terminal wants plain "\n".
  std::string line;
  for (char c : text)
    if (c != '\r') line += c;
  std::fprintf(stderr, "%s\n", line.c_str());
  ++count_;
  return headless;
}

}  // namespace tl::cli
