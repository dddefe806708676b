#include "persistence/ini_file.h"

#include <strings.h>

#include <algorithm>
#include <fstream>

#include "persistence/atomic_file.h"

namespace tl {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string_view Trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

bool IniFile::Load(const std::string& path) {
  sections_.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string text(kMaxIniBytes, '\0');
  in.read(text.data(), std::streamsize(text.size()));
  text.resize(size_t(in.gcount()));
  Parse(text);
  return true;
}

void IniFile::Parse(std::string_view text) {
  sections_.clear();
  Section* current = nullptr;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      const std::string_view name = Trimmed(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
      current = FindSection(name);
      if (!current) current = &sections_.emplace_back(Section{std::string(name), {}});
      continue;
    }
    const size_t equals = line.find('=');
    if (!current || equals == std::string_view::npos) continue;
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string_view value = Trimmed(line.substr(equals + 1));
    if (!Has(current->Name, key)) current->Entries.push_back({std::string(key), std::string(value)});
  }
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  for (Section& s : sections_)
    if (SameName(s.Name, name)) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  for (const Section& s : sections_)
    if (SameName(s.Name, name)) return &s;
  return nullptr;
}

std::string IniFile::Get(std::string_view section, std::string_view key, std::string_view fallback) const {
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->Entries)
      if (SameName(e.Key, key)) return e.Value;
  return std::string(fallback);
}

bool IniFile::Has(std::string_view section, std::string_view key) const {
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->Entries)
      if (SameName(e.Key, key)) return true;
  return false;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->Entries) keys.push_back(e.Key);
  return keys;
}

std::vector<std::string> IniFile::Sections() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.Name);
  return names;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view text) {
  // A line break would end the entry early and make the rest a line of its own.
  std::string value(text);
  std::replace_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  Section* s = FindSection(section);
  if (!s) s = &sections_.emplace_back(Section{std::string(section), {}});
  for (Entry& e : s->Entries)
    if (SameName(e.Key, key)) {
      e.Value = value;
      return;
    }
  s->Entries.push_back({std::string(key), std::string(value)});
}

void IniFile::Remove(std::string_view section, std::string_view key) {
  if (Section* s = FindSection(section))
    std::erase_if(s->Entries, [&](const Entry& e) { return SameName(e.Key, key); });
}

std::string IniFile::Text() const {
  std::string text;
  for (const Section& s : sections_) {
    text += "[" + s.Name + "]\r\n";
    for (const Entry& e : s.Entries) text += e.Key + "=" + e.Value + "\r\n";
  }
  return text;
}

bool IniFile::Save(const std::string& path) const { return ReplaceFileAtomically(path, Text()); }

}  // namespace tl
