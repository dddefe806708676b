#include "app/shell/hand_over_text.h"

#include <strings.h>

#include <filesystem>

#include "document/fixed_string.h"

namespace tl {
namespace {

constexpr char kQuote = '"';
constexpr std::string_view kBlanks = " \t\r\n";
constexpr size_t kPrintToMinArguments = 2;  // path, printer
constexpr size_t kPrintToMaxArguments = 4;  // and the driver and port other senders add

constexpr std::string_view kOpenVerb = "open";
constexpr std::string_view kPrintVerb = "print";
constexpr std::string_view kPrintToVerb = "printto";

std::string_view VerbText(DdeVerb verb) {
  switch (verb) {
    case DdeVerb::Open: return kOpenVerb;
    case DdeVerb::Print: return kPrintVerb;
    case DdeVerb::PrintTo: return kPrintToVerb;
  }
  return kOpenVerb;
}

bool VerbOf(std::string_view word, DdeVerb* verb) {
  for (DdeVerb v : {DdeVerb::Open, DdeVerb::Print, DdeVerb::PrintTo}) {
    const std::string_view text = VerbText(v);
    if (word.size() == text.size() && strncasecmp(word.data(), text.data(), text.size()) == 0) {
      *verb = v;
      return true;
    }
  }
  return false;
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, kQuote);
  for (char c : text) {
    if (c == kQuote) quoted += kQuote;
    quoted += c;
  }
  return quoted + kQuote;
}

// Reads a received command text from the front; every Take leaves the rest
// unchanged when it fails.
class CommandScanner {
 public:
  explicit CommandScanner(std::string_view text) : rest_(text) {}

  bool AtEnd() {
    SkipBlanks();
    return rest_.empty();
  }

  bool Take(char c) {
    SkipBlanks();
    if (rest_.empty() || rest_.front() != c) return false;
    rest_.remove_prefix(1);
    return true;
  }

  bool TakeWord(std::string_view* word) {
    SkipBlanks();
    size_t n = 0;
    while (n < rest_.size() && IsLetter(rest_[n])) ++n;
    if (n == 0) return false;
    *word = rest_.substr(0, n);
    rest_.remove_prefix(n);
    return true;
  }

  // A quoted string in which "" stands for one quote.
  bool TakeString(std::string* text) {
    if (!Take(kQuote)) return false;
    text->clear();
    for (size_t i = 0; i < rest_.size(); ++i) {
      if (rest_[i] == '\0') return false;
      if (rest_[i] != kQuote) {
        *text += rest_[i];
      } else if (i + 1 < rest_.size() && rest_[i + 1] == kQuote) {
        *text += kQuote;
        ++i;
      } else {
        rest_.remove_prefix(i + 1);
        return true;
      }
    }
    return false;
  }

 private:
  static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
  void SkipBlanks() {
    const size_t n = rest_.find_first_not_of(kBlanks);
    rest_.remove_prefix(n == std::string_view::npos ? rest_.size() : n);
  }

  std::string_view rest_;
};

bool TakeArguments(CommandScanner& scanner, std::vector<std::string>* arguments) {
  if (!scanner.Take('(')) return false;
  do {
    if (!scanner.TakeString(&arguments->emplace_back())) return false;
  } while (scanner.Take(','));
  return scanner.Take(')');
}

bool ArgumentsFit(DdeVerb verb, const std::vector<std::string>& arguments) {
  if (arguments.front().empty()) return false;
  if (verb != DdeVerb::PrintTo) return arguments.size() == 1;
  return arguments.size() >= kPrintToMinArguments && arguments.size() <= kPrintToMaxArguments &&
         !arguments[1].empty();
}

bool TakeCommand(CommandScanner& scanner, DdeCommand* command) {
  std::string_view word;
  std::vector<std::string> arguments;
  if (!scanner.Take('[') || !scanner.TakeWord(&word) || !VerbOf(word, &command->Verb) ||
      !TakeArguments(scanner, &arguments) || !scanner.Take(']') || !ArgumentsFit(command->Verb, arguments))
    return false;
  command->Path = arguments[0];
  if (command->Verb == DdeVerb::PrintTo) command->Printer = arguments[1];
  return true;
}

std::string AbsolutePath(const std::string& path, const std::string& currentFolder) {
  if (path.empty() || path.front() == '/') return path;
  return (std::filesystem::path(currentFolder) / path).string();
}

// The flag with its list path made absolute; the path is what follows the last "=".
std::string FlagWithAbsolutePath(const std::string& flag, const std::string& currentFolder) {
  const size_t equals = flag.rfind('=');
  return flag.substr(0, equals + 1) + AbsolutePath(HandOverFilePath(flag), currentFolder);
}

}  // namespace

std::string MakeHandOverRecord(std::string_view flag) {
  std::string record(kHandOverRecordBytes, '\0');
  const std::string_view kept = Utf8Prefix(flag, kHandOverRecordBytes - 1);
  record.replace(0, kept.size(), kept);
  return record;
}

bool ReadHandOverRecord(std::string_view record, std::string* flag) {
  if (record.size() != kHandOverRecordBytes) return false;
  *flag = std::string(record.substr(0, record.find('\0')));
  return true;
}

std::string MakeDdeCommand(const DdeCommand& command) {
  std::string text(1, '[');
  text.append(VerbText(command.Verb)).append(1, '(').append(Quoted(command.Path));
  if (command.Verb == DdeVerb::PrintTo) text.append(1, ',').append(Quoted(command.Printer));
  return text.append(")]");
}

std::vector<DdeCommand> ParseDdeCommands(std::string_view text) {
  std::vector<DdeCommand> commands;
  CommandScanner scanner(text);
  while (!scanner.AtEnd())
    if (!TakeCommand(scanner, &commands.emplace_back())) return {};
  return commands;
}

HandOverRequest ReadHandOverText(std::string_view text) {
  HandOverRequest request;
  // A record always ends in a zero byte; a command text never holds one.
  if (text.size() == kHandOverRecordBytes && text.back() == '\0') {
    ReadHandOverRecord(text, &request.Flag);
    if (request.Flag.find(kWp2FlagPrefix) != std::string::npos) request.HandOverMode = kHandOverIniList;
    else if (request.Flag.find(kFmFlagPrefix) != std::string::npos) request.HandOverMode = kHandOverTextList;
    return request;
  }
  request.Commands = ParseDdeCommands(text);
  return request;
}

std::vector<std::string> SecondInstanceTexts(const AppCommandLineInfo& info, const std::string& currentFolder) {
  std::vector<std::string> texts;
  if (info.Command == ShellCommand::FileOpen)
    texts.push_back(MakeDdeCommand({DdeVerb::Open, AbsolutePath(info.FileName, currentFolder), {}}));
  if (info.HandOverMode != kHandOverNone)
    texts.push_back(MakeHandOverRecord(FlagWithAbsolutePath(HandOverFlag(info), currentFolder)));
  if (texts.empty()) texts.emplace_back();
  return texts;
}

}  // namespace tl
