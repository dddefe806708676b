// The texts a second instance, or another program, hands the running
// instance: the 260-byte hand-over record carrying a "WP2=" or "FM=" flag,
// and the DDE-style commands "[open(\"...\")]", "[print(\"...\")]" and
// "[printto(\"...\",\"...\")]". An empty text only asks the running
// instance to come to the front, as every hand-over does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/shell/command_line.h"

namespace tl {

constexpr size_t kHandOverRecordBytes = 260;

// `flag` zero-padded to kHandOverRecordBytes; a longer flag is cut to leave
// at least one zero byte, never inside a UTF-8 sequence.
std::string MakeHandOverRecord(std::string_view flag);

// The zero-terminated text of a record; false when `record` is not
// kHandOverRecordBytes long (a record that ended early).
bool ReadHandOverRecord(std::string_view record, std::string* flag);

enum class DdeVerb { Open, Print, PrintTo };

struct DdeCommand {
  DdeVerb Verb = DdeVerb::Open;
  std::string Path;
  std::string Printer;  // PrintTo only
};

// The command's text; a quote inside a path or printer name is doubled.
std::string MakeDdeCommand(const DdeCommand& command);

// The commands of `text` in order (several may follow one another, with
// blanks between them). Any malformed part, an unknown verb or an empty path
// makes the whole text yield none.
std::vector<DdeCommand> ParseDdeCommands(std::string_view text);

// What a received text asks for: a hand-over list (a record whose text
// contains "WP2=" or "FM="), DDE-style commands, or, when neither, only to
// come to the front.
struct HandOverRequest {
  int HandOverMode = kHandOverNone;  // kHandOverIniList or kHandOverTextList for a list
  std::string Flag;                  // the record's text; HandOverFilePath names the list
  std::vector<DdeCommand> Commands;
};

HandOverRequest ReadHandOverText(std::string_view text);

// What a second instance started with `info` sends the first, in order: an
// open command for the file it names, the record of its hand-over flag, or
// with neither the empty text. Relative paths are made absolute against
// `currentFolder`, since the first instance runs in a folder of its own.
std::vector<std::string> SecondInstanceTexts(const AppCommandLineInfo& info, const std::string& currentFolder);

}  // namespace tl
