// IniFile: a small INI file of sections and "key=value" entries, read
// whole, changed in memory and written back whole. Section and key names
// compare ignoring case; other sections survive a rewrite.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tl {

class IniFile {
 public:
  // False when the file cannot be read (it is then empty in memory).
  // Files beyond kMaxIniBytes are read up to that size.
  static constexpr size_t kMaxIniBytes = size_t(1) << 20;
  bool Load(const std::string& path);
  void Parse(std::string_view text);

  // The value, or `fallback` when the key is absent.
  std::string Get(std::string_view section, std::string_view key, std::string_view fallback) const;
  bool Has(std::string_view section, std::string_view key) const;
  // The keys of a section in file order.
  std::vector<std::string> Keys(std::string_view section) const;
  // The section names in file order.
  std::vector<std::string> Sections() const;
  void Set(std::string_view section, std::string_view key, std::string_view value);
  void Remove(std::string_view section, std::string_view key);

  std::string Text() const;
  // Replaces the file with the whole text; false when it cannot be written.
  bool Save(const std::string& path) const;

 private:
  struct Entry {
    std::string Key;
    std::string Value;
  };
  struct Section {
    std::string Name;
    std::vector<Entry> Entries;
  };
  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;

  std::vector<Section> sections_;
};

}  // namespace tl
