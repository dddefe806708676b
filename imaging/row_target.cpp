#include "imaging/row_target.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "imaging/alpha_mask.h"
#include "imaging/decode_limits.h"
#include "imaging/resample_bitmap.h"

namespace tl {
namespace {

constexpr int kChannels = OffscreenBitmap::kBytesPerPixel;

}  // namespace

bool RowTarget::Begin(int32_t width, int32_t height, LSize wanted, bool wholePicture, AlphaRows alpha) {
  width_ = width;
  height_ = height;
  wanted_ = wanted;
  nextRow_ = 0;
  alpha_ = alpha;
  result_.reset();
  whole_.reset();
  mask_.reset();
  if (!WithinDecodeLimit(width, height) || wanted.cx < 1 || wanted.cy < 1) return false;
  const bool same = wanted.cx == width && wanted.cy == height;
  if (wholePicture || wanted.cx > width || wanted.cy > height) {
    whole_ = OffscreenBitmapNew(width, height);
    return whole_ != nullptr;
  }
  result_ = OffscreenBitmapNew(wanted.cx, wanted.cy);
  if (!result_) return false;
  if (alpha == AlphaRows::Mask && !(mask_ = OffscreenBitmapNew(wanted.cx, wanted.cy))) return false;
  if (same) return true;

  row_ = NewBuffer<uint8_t>(size_t(width) * kChannels);
  across_ = NewBuffer<uint32_t>(size_t(wanted.cx) * kChannels);
  sums_ = NewBuffer<uint64_t>(size_t(wanted.cx) * kChannels * 2);
  if (!row_ || !across_ || !sums_) return false;
  columnTarget_.resize(size_t(width));
  columnWeight_.resize(size_t(width));
  for (int32_t x = 0; x < width; ++x) {
    // Source pixel x spans [x * cx, (x + 1) * cx) in units where a result
    // pixel is `width` wide.
    const int64_t start = int64_t(x) * wanted.cx, end = start + wanted.cx;
    const int64_t target = start / width;
    columnTarget_[size_t(x)] = int32_t(target);
    columnWeight_[size_t(x)] = uint32_t(std::min<int64_t>(end, (target + 1) * width) - start);
  }
  return true;
}

uint8_t* RowTarget::NextRow() {
  if (whole_) return whole_->Row(nextRow_);
  if (wanted_.cx == width_ && wanted_.cy == height_) return result_->Row(nextRow_);
  return row_.get();
}

void RowTarget::Commit() {
  if (nextRow_ >= height_) return;
  if (result_ && !(wanted_.cx == width_ && wanted_.cy == height_))
    ShrinkRow(row_.get());
  else if (result_)
    FinishRow(nextRow_);
  ++nextRow_;
}

void RowTarget::FinishRow(int32_t y) {
  if (alpha_ == AlphaRows::Keep) return;
  uint8_t* p = result_->Row(y);
  uint8_t* m = mask_ ? mask_->Row(y) : nullptr;
  for (int32_t x = 0; x < wanted_.cx; ++x, p += kChannels) {
    if (m) {
      m[0] = m[1] = m[2] = uint8_t(255 - p[3]);
      m += kChannels;
    }
    p[3] = 0;
  }
}

void RowTarget::ShrinkRow(const uint8_t* row) {
  const size_t across = size_t(wanted_.cx) * kChannels;
  std::memset(across_.get(), 0, across * sizeof(uint32_t));
  const uint32_t full = uint32_t(wanted_.cx);
  for (int32_t x = 0; x < width_; ++x) {
    const uint8_t* p = row + size_t(x) * kChannels;
    const size_t t = size_t(columnTarget_[size_t(x)]);
    const uint32_t first = columnWeight_[size_t(x)], second = full - first;
    uint32_t* a = across_.get() + t * kChannels;
    for (int c = 0; c < kChannels; ++c) a[c] += p[c] * first;
    if (second) {
      uint32_t* b = a + kChannels;
      for (int c = 0; c < kChannels; ++c) b[c] += p[c] * second;
    }
  }
  // Source row y spans [y * cy, (y + 1) * cy) in units where a result row
  // is `height` high.
  const int64_t start = int64_t(nextRow_) * wanted_.cy, end = start + wanted_.cy;
  const int32_t target = int32_t(start / height_);
  const uint64_t first = uint64_t(std::min<int64_t>(end, int64_t(target + 1) * height_) - start);
  const uint64_t second = uint64_t(wanted_.cy) - first;
  uint64_t* current = sums_.get();
  uint64_t* next = current + across;
  for (size_t i = 0; i < across; ++i) {
    current[i] += uint64_t(across_[i]) * first;
    next[i] += uint64_t(across_[i]) * second;
  }
  // A result row is complete once the source row that reaches its end was
  // added (the last source row always does).
  if (end < int64_t(target + 1) * height_) return;
  const uint64_t area = uint64_t(width_) * uint64_t(height_);
  uint8_t* out = result_->Row(target);
  for (size_t i = 0; i < across; ++i) out[i] = uint8_t((current[i] + area / 2) / area);
  FinishRow(target);
  std::memcpy(current, next, across * sizeof(uint64_t));
  std::memset(next, 0, across * sizeof(uint64_t));
}

BitmapPtr RowTarget::Finish() {
  if (!whole_) return std::move(result_);
  BitmapPtr scaled = whole_->Width == wanted_.cx && whole_->Height == wanted_.cy
                         ? std::move(whole_)
                         : ResampledCopy(*whole_, wanted_.cx, wanted_.cy);
  whole_.reset();
  if (!scaled || alpha_ == AlphaRows::Keep) return scaled;
  bool failed = false;
  mask_ = SplitAlphaMask(*scaled, alpha_ == AlphaRows::Mask, failed);
  return failed ? nullptr : std::move(scaled);
}

}  // namespace tl
