#include "persistence/profile_text.h"

#include "color/profile_description.h"
#include "color/profile_roles.h"
#include "document/fixed_string.h"
#include "persistence/value_syntax.h"

namespace tl {

const std::string& ProfileTextCache::Describe(uint32_t role, const std::string& name) {
  static const std::string kNone;
  if (name.empty()) return kNone;
  const std::string key = std::to_string(role) + ":" + name;
  auto it = descriptions_.find(key);
  if (it == descriptions_.end()) {
    // A description beyond what readers accept is cut; it then finds no
    // profile and the reader keeps its default.
    std::string text(Utf8Prefix(DescribeRoleProfile(role, 1, name), kMaxFileTextBytes));
    it = descriptions_.emplace(key, std::move(text)).first;
  }
  return it->second;
}

const std::string& ProfileTextCache::Find(std::string_view description) {
  auto it = names_.find(description);
  if (it == names_.end()) it = names_.emplace(std::string(description), FindProfileByDescription(description)).first;
  return it->second;
}

bool ProfileTextCache::Assign(std::string_view description, std::string& name, int16_t* state) {
  if (description.empty()) return false;
  const std::string& found = Find(description);
  if (found.empty()) return false;
  name = found;
  if (state && *state <= 0) *state = 1;
  return true;
}

}  // namespace tl
