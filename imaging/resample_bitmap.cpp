#include "imaging/resample_bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "imaging/buffer.h"

namespace tl {
namespace {

constexpr int kChannels = OffscreenBitmap::kBytesPerPixel;
constexpr int kWeightBits = 14;
constexpr int32_t kWeightOne = 1 << kWeightBits;
// The horizontal pass keeps 8 fractional bits (pixel value x 256), so the
// vertical pass rounds away kWeightBits + 8 bits.
constexpr int kRowFractionBits = 8;
constexpr int kHorizontalShift = kWeightBits - kRowFractionBits;
constexpr int kVerticalShift = kWeightBits + kRowFractionBits;

// For each output index along one axis: the first source index and the
// weights of the source indices that make it (they sum to kWeightOne).
struct AxisFilter {
  int32_t taps = 0;  // weights kept per output index
  Buffer<int32_t> first;
  Buffer<int32_t> count;
  Buffer<int16_t> weights;  // output index * taps + k
  bool shrinking = false;
};

void Normalise(int16_t* w, int32_t n) {
  int32_t sum = 0, biggest = 0;
  for (int32_t k = 0; k < n; ++k) {
    sum += w[k];
    if (w[k] > w[biggest]) biggest = k;
  }
  w[biggest] = int16_t(w[biggest] + (kWeightOne - sum));
}

bool MakeFilter(int32_t sourceSize, int32_t outputSize, AxisFilter& f) {
  const double scale = double(sourceSize) / double(outputSize);
  f.shrinking = scale > 1.0;
  f.taps = f.shrinking ? int32_t(std::ceil(scale)) + 1 : 2;
  f.first = NewBuffer<int32_t>(size_t(outputSize));
  f.count = NewBuffer<int32_t>(size_t(outputSize));
  f.weights = NewBuffer<int16_t>(size_t(outputSize) * size_t(f.taps));
  if (!f.first || !f.count || !f.weights) return false;
  for (int32_t o = 0; o < outputSize; ++o) {
    int16_t* w = &f.weights[size_t(o) * size_t(f.taps)];
    int32_t first = 0, n = 0;
    if (f.shrinking) {
      // Each source pixel weighs by how much of it the output pixel covers.
      const double left = o * scale, right = std::min(double(sourceSize), (o + 1) * scale);
      first = int32_t(left);
      const int32_t last = std::min(sourceSize - 1, int32_t(std::ceil(right)) - 1);
      for (int32_t i = first; i <= last && n < f.taps; ++i, ++n) {
        const double cover = std::min(double(i + 1), right) - std::max(double(i), left);
        w[n] = int16_t(std::lround(std::max(0.0, cover) / scale * kWeightOne));
      }
    } else {
      const double centre = std::clamp((o + 0.5) * scale - 0.5, 0.0, double(sourceSize - 1));
      first = int32_t(centre);
      const double frac = centre - first;
      w[0] = int16_t(std::lround((1.0 - frac) * kWeightOne));
      n = 1;
      if (first + 1 < sourceSize) {
        w[1] = int16_t(kWeightOne - w[0]);
        n = 2;
      }
    }
    Normalise(w, n);
    f.first[size_t(o)] = first;
    f.count[size_t(o)] = n;
  }
  return true;
}

// One source row scaled across into `out` (pixel values x 256).
void ResampleRow(const uint8_t* row, const AxisFilter& f, int32_t outputWidth, uint16_t* out) {
  for (int32_t o = 0; o < outputWidth; ++o) {
    const int16_t* w = &f.weights[size_t(o) * size_t(f.taps)];
    const uint8_t* p = row + size_t(f.first[size_t(o)]) * kChannels;
    int32_t s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    for (int32_t k = 0, n = f.count[size_t(o)]; k < n; ++k, p += kChannels) {
      s0 += w[k] * p[0];
      s1 += w[k] * p[1];
      s2 += w[k] * p[2];
      s3 += w[k] * p[3];
    }
    constexpr int32_t half = 1 << (kHorizontalShift - 1);
    out[0] = uint16_t((s0 + half) >> kHorizontalShift);
    out[1] = uint16_t((s1 + half) >> kHorizontalShift);
    out[2] = uint16_t((s2 + half) >> kHorizontalShift);
    out[3] = uint16_t((s3 + half) >> kHorizontalShift);
    out += kChannels;
  }
}

void Accumulate(int32_t* acc, const uint16_t* row, int32_t weight, size_t values) {
  for (size_t i = 0; i < values; ++i) acc[i] += weight * row[i];
}

void Emit(const int32_t* acc, uint8_t* out, size_t values) {
  constexpr int32_t half = 1 << (kVerticalShift - 1);
  for (size_t i = 0; i < values; ++i) out[i] = uint8_t((acc[i] + half) >> kVerticalShift);
}

}  // namespace

bool ResampleBitmap(const OffscreenBitmap& source, OffscreenBitmap& destination) {
  if (!source.Pixels || !destination.Pixels || source.Width < 1 || source.Height < 1 || destination.Width < 1 ||
      destination.Height < 1)
    return false;
  if (source.Width == destination.Width && source.Height == destination.Height) {
    std::memcpy(destination.Pixels.get(), source.Pixels.get(), source.ByteSize());
    return true;
  }
  AxisFilter across, down;
  if (!MakeFilter(source.Width, destination.Width, across) || !MakeFilter(source.Height, destination.Height, down))
    return false;

  const size_t values = size_t(destination.Width) * kChannels;
  // Each source row is scaled across once. A shrinking axis gathers every
  // source row into the (at most three) output rows it covers; a growing
  // one keeps the two source rows an output row lies between.
  constexpr int kSlots = 3;
  Buffer<uint16_t> rows = NewBuffer<uint16_t>(values * kSlots);
  Buffer<int32_t> sums = NewBuffer<int32_t>(values * kSlots);
  if (!rows || !sums) return false;
  int32_t rowOfSlot[kSlots] = {-1, -1, -1};

  if (down.shrinking) {
    int32_t next = 0;  // first output row not yet emitted
    for (int32_t i = 0; i < source.Height && next < destination.Height; ++i) {
      ResampleRow(source.Row(i), across, destination.Width, rows.get());
      for (int32_t o = next; o < std::min(next + kSlots, destination.Height); ++o) {
        const int32_t k = i - down.first[size_t(o)];
        if (k < 0 || k >= down.count[size_t(o)]) continue;
        const int32_t weight = down.weights[size_t(o) * size_t(down.taps) + size_t(k)];
        Accumulate(&sums[values * size_t(o % kSlots)], rows.get(), weight, values);
      }
      while (next < destination.Height && down.first[size_t(next)] + down.count[size_t(next)] - 1 <= i) {
        int32_t* acc = &sums[values * size_t(next % kSlots)];
        Emit(acc, destination.Row(next), values);
        std::fill(acc, acc + values, 0);
        ++next;
      }
    }
    return true;
  }

  for (int32_t o = 0; o < destination.Height; ++o) {
    int32_t* acc = sums.get();
    std::fill(acc, acc + values, 0);
    for (int32_t k = 0; k < down.count[size_t(o)]; ++k) {
      const int32_t i = down.first[size_t(o)] + k;
      const int slot = i % kSlots;
      uint16_t* row = &rows[values * size_t(slot)];
      if (rowOfSlot[slot] != i) {
        ResampleRow(source.Row(i), across, destination.Width, row);
        rowOfSlot[slot] = i;
      }
      Accumulate(acc, row, down.weights[size_t(o) * size_t(down.taps) + size_t(k)], values);
    }
    Emit(acc, destination.Row(o), values);
  }
  return true;
}

BitmapPtr ResampledCopy(const OffscreenBitmap& source, int32_t width, int32_t height) {
  BitmapPtr copy = OffscreenBitmapNew(width, height);
  if (!copy || !ResampleBitmap(source, *copy)) return nullptr;
  return copy;
}

}  // namespace tl
