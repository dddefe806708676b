#include "layout/paper_list.h"

#include "layout/paper_table.h"

namespace tl {
namespace {

class BuiltInPapers final : public PaperList {
 public:
  std::vector<DriverPaper> Papers() const override {
    std::vector<DriverPaper> papers;
    for (int row = 1; row <= kPaperRowCount; ++row) {
      const PaperRow* r = PaperTableRow(row);
      papers.push_back({r->DriverId, r->BuiltInShort, r->BuiltInLong, std::string(PaperRowName(row))});
    }
    return papers;
  }

  bool LargestPaper(int32_t& width, int32_t& length) const override {
    int64_t largestArea = 0;
    for (int row = 1; row <= kPaperRowCount; ++row) {
      const PaperRow* r = PaperTableRow(row);
      const int64_t area = int64_t(r->BuiltInShort) * r->BuiltInLong;
      if (area > largestArea) {
        largestArea = area;
        width = r->BuiltInShort;
        length = r->BuiltInLong;
      }
    }
    return largestArea > 0;
  }
};

}  // namespace

const PaperList& BuiltInPaperList() {
  static const BuiltInPapers papers;
  return papers;
}

}  // namespace tl
