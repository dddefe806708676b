// Profiles in stored files are named by their descriptions: the text
// written for a chosen profile, and the profile found again from a text.
// One cache serves one read or write, since both open profile files.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace tl {

class ProfileTextCache {
 public:
  // The description of the profile `name` chosen for `role`, cut to what a
  // reader accepts; empty for an empty choice (the role's default), which
  // reads back as that default.
  const std::string& Describe(uint32_t role, const std::string& name);
  // The file name of the installed profile with that description (case
  // ignored); empty when there is none.
  const std::string& Find(std::string_view description);
  // Points `name` at the profile found for `description` and, when given,
  // makes `state` a named choice (1) unless it is one already; true when a
  // profile was found. Without one, both keep their values.
  bool Assign(std::string_view description, std::string& name, int16_t* state = nullptr);

 private:
  std::map<std::string, std::string> descriptions_;
  std::map<std::string, std::string, std::less<>> names_;
};

}  // namespace tl
