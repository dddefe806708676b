// OffscreenBitmap: the one pixel buffer of the import, colour and drawing
// code. 32 bits per pixel in the byte order blue, green, red, fourth byte
// (0 for colour images; the four inks for CMYK data); rows top first, each
// Width x 4 bytes long.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace tl {

struct OffscreenBitmap {
  static constexpr int32_t kBytesPerPixel = 4;
  // Largest side accepted; far beyond any printable image, small enough
  // that a bad header cannot ask for an absurd buffer.
  static constexpr int32_t kMaxSide = 65535;
  static constexpr int64_t kMaxPixels = int64_t(1) << 30;

  int32_t Width = 0;
  int32_t Height = 0;
  std::unique_ptr<uint8_t[]> Pixels;

  size_t RowBytes() const { return size_t(Width) * kBytesPerPixel; }
  size_t ByteSize() const { return RowBytes() * size_t(Height); }
  uint8_t* Row(int32_t y) { return Pixels.get() + size_t(y) * RowBytes(); }
  const uint8_t* Row(int32_t y) const { return Pixels.get() + size_t(y) * RowBytes(); }
};

using BitmapPtr = std::unique_ptr<OffscreenBitmap>;

// A zero-filled bitmap of width x height; null when a side is not within
// 1..kMaxSide, the area exceeds kMaxPixels, or memory cannot be had.
BitmapPtr OffscreenBitmapNew(int32_t width, int32_t height);

}  // namespace tl
