// The paper sizes the program knows: 21 rows plus the user-defined row 22,
// with their driver ids and built-in sizes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/geometry.h"

namespace tl {

struct LayoutDocument;

constexpr int kPaperRowCount = 21;   // rows 1..21 of the table
constexpr int kUserDefinedRow = 22;  // the user-defined page
constexpr int16_t kUserDefinedPaperId = 256;

struct PaperRow {
  int32_t PointsLong;   // first value: the long side (row 4: the short side)
  int32_t PointsShort;  // second value
  int16_t DriverId;
  int32_t BuiltInShort;  // 0.1 mm
  int32_t BuiltInLong;   // 0.1 mm
};

// Row 1..21, or null.
const PaperRow* PaperTableRow(int row);

// The row's display name (string 10200 + row - 1); row 22 is a template.
std::string_view PaperRowName(int row);

// The row's name with its size in `unit`, e.g. "A4 ( 209.97 x 296.97 mm )".
std::string PaperRowSizeName(int row, const LSize& page, int unit);

// Width and length in 0.1 mm of a driver paper id from the built-in column;
// false for ids not in the table.
bool BuiltInPaperSize(int16_t driverId, int32_t& width, int32_t& length);

// The page of a row in layout units (points x 5), landscape swapped; row 22
// is the document's UserDefinedPage. An empty size for other rows.
LSize PageSizeFromTableRow(const LayoutDocument& document, int row, bool landscape);

// The first row 1..21 whose page equals the document's page exactly (with
// PaperOrient); 22 for a user-defined page; -1 when none matches.
int16_t FindPaperTableIndex(const LayoutDocument& document);

}  // namespace tl
