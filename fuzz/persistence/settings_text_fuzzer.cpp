// The settings text reader on arbitrary bytes; what it read is written
// again, so the writer sees every value the reader can produce.
#include <cstdint>
#include <string_view>

#include "persistence/preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tl::PreferenceRecord record;
  if (!tl::SetPreferenceDefaults(record, 1920)) return 0;
  tl::ReadPreferencesText(std::string_view(reinterpret_cast<const char*>(data), size), record);
  tl::PreferencesText(record);
  return 0;
}
