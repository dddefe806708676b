#include "print/stable_ids.h"

#include <cstdlib>
#include <string>

#include "layout/paper_table.h"

namespace tl {
namespace {

// How far (0.1 mm) a printer's paper may be from a table size and still be it.
constexpr int32_t kPaperSizeTolerance = 10;

bool Near(int32_t a, int32_t b) { return std::abs(a - b) <= kPaperSizeTolerance; }

uint32_t Fnv1a(std::string_view text) {
  uint32_t hash = 2166136261u;
  for (const char c : text) hash = (hash ^ uint8_t(c)) * 16777619u;
  return hash;
}

struct KeywordId {
  std::string_view Keyword;
  int32_t Id;
};

constexpr KeywordId kSourceIds[] = {
    {"main", 1},   {"top", 1},      {"tray-1", 1},   {"alternate", 2}, {"bottom", 2}, {"tray-2", 2},
    {"middle", 3}, {"manual", 4},   {"by-pass-tray", 4}, {"envelope", 5}, {"auto", 7},
};

constexpr KeywordId kMediaTypeIds[] = {
    {"stationery", 1}, {"plain", 1}, {"transparency", 2}, {"photographic-glossy", 3},
};

int32_t LookUp(std::string_view keyword, const KeywordId* first, const KeywordId* last) {
  for (const KeywordId* k = first; k != last; ++k)
    if (k->Keyword == keyword) return k->Id;
  return 0;
}

}  // namespace

int16_t PaperTableIdForSize(int32_t width, int32_t length) {
  for (int row = 1; row <= kPaperRowCount; ++row) {
    const PaperRow* r = PaperTableRow(row);
    const bool same = Near(width, r->BuiltInShort) && Near(length, r->BuiltInLong);
    const bool turned = Near(width, r->BuiltInLong) && Near(length, r->BuiltInShort);
    if (same || turned) return r->DriverId;
  }
  return 0;
}

int32_t HashedId(std::string_view keyword, int32_t first, int32_t last, std::set<int32_t>& taken) {
  const uint32_t span = uint32_t(last - first + 1);
  uint32_t slot = Fnv1a(keyword) % span;
  for (uint32_t tries = 0; tries < span; ++tries, slot = (slot + 1) % span) {
    const int32_t id = first + int32_t(slot);
    if (taken.insert(id).second) return id;
  }
  return 0;
}

int32_t FixedSourceId(std::string_view keyword) {
  return LookUp(keyword, std::begin(kSourceIds), std::end(kSourceIds));
}

bool IsRollSource(std::string_view keyword) { return keyword.find("roll") != std::string_view::npos; }

int32_t FixedMediaTypeId(std::string_view keyword) {
  return LookUp(keyword, std::begin(kMediaTypeIds), std::end(kMediaTypeIds));
}

}  // namespace tl
