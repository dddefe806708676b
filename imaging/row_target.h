// RowTarget: where a decoder that delivers its picture row by row, top row
// first, puts the rows so that the result has the wanted size. Rows go
// straight into the result when the sizes agree, through an area-averaging
// shrinker when the result is smaller, so that a small preview of a large
// file never holds the whole picture, and into a full-size bitmap that is
// resampled at the end when the result is larger on either side. Pixels are
// four bytes; all four are scaled alike. The fourth may carry alpha: it can
// be moved into a mask as each result row is complete, while the row is
// still at hand.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "document/geometry.h"
#include "imaging/buffer.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

// What becomes of the fourth bytes of the result: left as they are,
// cleared, or moved into a mask of 255 - alpha and cleared.
enum class AlphaRows { Keep, Clear, Mask };

class RowTarget {
 public:
  // Prepares for a `width` x `height` picture delivered as rows, to end as
  // `wanted`. With `wholePicture` the rows are kept in a full-size bitmap
  // (for decoders that revisit rows, such as interlaced ones). False when
  // the picture exceeds the decode limit or memory cannot be had.
  bool Begin(int32_t width, int32_t height, LSize wanted, bool wholePicture = false,
             AlphaRows alpha = AlphaRows::Keep);

  // The buffer for the next source row (width x 4 bytes), then Commit.
  uint8_t* NextRow();
  void Commit();

  // Row `y` of the full-size bitmap; only when KeepsWholePicture().
  bool KeepsWholePicture() const { return whole_ != nullptr; }
  uint8_t* WholeRow(int32_t y) { return whole_->Row(y); }

  // The result of the wanted size once every row was committed (or, when
  // the whole picture was kept, written); null when memory fails.
  BitmapPtr Finish();
  // With AlphaRows::Mask, the mask of the result, after Finish.
  BitmapPtr TakeMask() { return std::move(mask_); }

 private:
  void ShrinkRow(const uint8_t* row);
  void FinishRow(int32_t y);

  int32_t width_ = 0, height_ = 0;
  LSize wanted_;
  int32_t nextRow_ = 0;
  BitmapPtr result_;  // direct or shrunk rows land here
  BitmapPtr whole_;   // full-size picture, resampled at the end
  AlphaRows alpha_ = AlphaRows::Keep;
  BitmapPtr mask_;
  // Shrinking: each source pixel (row) gives its weight to at most two
  // result pixels (rows); a result pixel's weights add up to the source
  // width (its row's to the source height).
  Buffer<uint8_t> row_;
  std::vector<int32_t> columnTarget_;
  std::vector<uint32_t> columnWeight_;  // share of the first target, out of wanted width
  Buffer<uint32_t> across_;             // one source row averaged across: wanted.cx x 4
  Buffer<uint64_t> sums_;               // the result row being filled and the next: 2 x wanted.cx x 4
};

}  // namespace tl
