#include "imaging/png_reader.h"

#include <png.h>

#include <csetjmp>

#include "imaging/bmp_reader.h"
#include "imaging/file_handle.h"
#include "imaging/image_codes.h"
#include "imaging/image_resolution.h"

namespace tl {
namespace {

constexpr size_t kSignatureBytes = kPngSignatureBytes;
// Ancillary chunks (profiles, texts) are small; a larger one is refused
// instead of decompressed.
constexpr png_alloc_size_t kChunkMemoryLimit = png_alloc_size_t(32) << 20;

void SilentError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void SilentWarning(png_structp, png_const_charp) {}

// A read structure and its info structure, destroyed together.
class PngReadHandle {
 public:
  PngReadHandle() {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, SilentError, SilentWarning);
    if (!png_) return;
    info_ = png_create_info_struct(png_);
    png_set_user_limits(png_, OffscreenBitmap::kMaxSide, OffscreenBitmap::kMaxSide);
    png_set_chunk_malloc_max(png_, kChunkMemoryLimit);
    // A damaged profile or text chunk costs that chunk, not the picture.
    png_set_benign_errors(png_, 1);
  }
  ~PngReadHandle() { png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr); }
  PngReadHandle(const PngReadHandle&) = delete;
  PngReadHandle& operator=(const PngReadHandle&) = delete;

  bool Ok() const { return png_ && info_; }
  png_structp Png() const { return png_; }
  png_infop Info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

bool HasSignature(FILE* file) {
  uint8_t head[kSignatureBytes];
  return ReadExact(file, head, sizeof head) && IsPngSignature(head);
}

// The functions below run library calls after a setjmp: an error jumps
// back there, so they keep only plain data across those calls.
bool ReadInfoGuarded(png_structp png, png_infop info, FILE* file) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_sig_bytes(png, int(kSignatureBytes));
  png_read_info(png, info);
  return true;
}

bool HasTransparency(png_structp png, png_infop info) {
  return (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
}

// Every form becomes 8-bit blue, green, red, alpha (or a zero filler).
void RequestBgra(png_structp png, png_infop info) {
  const int type = png_get_color_type(png, info);
  const int bits = png_get_bit_depth(png, info);
  const bool transparent = HasTransparency(png, info);
  if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (type == PNG_COLOR_TYPE_GRAY && bits < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (bits == 16) png_set_scale_16(png);
  if (!(type & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
  if (!transparent) png_set_filler(png, 0, PNG_FILLER_AFTER);
  png_set_bgr(png);
}

enum class DecodeFailure { None, Data, Memory };

bool DecodeGuarded(png_structp png, png_infop info, FILE* file, LSize size, AlphaRows alpha, RowTarget& target,
                   DecodeFailure& failure) {
  failure = DecodeFailure::Data;
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_sig_bytes(png, int(kSignatureBytes));
  png_read_info(png, info);
  RequestBgra(png, info);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const int32_t width = int32_t(png_get_image_width(png, info));
  const int32_t height = int32_t(png_get_image_height(png, info));
  if (png_get_rowbytes(png, info) != size_t(width) * OffscreenBitmap::kBytesPerPixel) return false;
  if (!target.Begin(width, height, size, passes > 1, alpha)) {
    failure = DecodeFailure::Memory;
    return false;
  }
  if (target.KeepsWholePicture()) {
    for (int pass = 0; pass < passes; ++pass)
      for (int32_t y = 0; y < height; ++y) png_read_row(png, target.WholeRow(y), nullptr);
  } else {
    for (int32_t y = 0; y < height; ++y) {
      png_read_row(png, target.NextRow(), nullptr);
      target.Commit();
    }
  }
  failure = DecodeFailure::None;
  return true;
}

int16_t DrawingDepth(png_structp png, png_infop info) {
  if (HasTransparency(png, info)) return 32;
  const int type = png_get_color_type(png, info);
  if (type == PNG_COLOR_TYPE_GRAY) return png_get_bit_depth(png, info) == 1 ? 1 : 8;
  return type == PNG_COLOR_TYPE_PALETTE ? 8 : 24;
}

}  // namespace

bool IsPngSignature(const uint8_t (&head)[kPngSignatureBytes]) {
  return png_sig_cmp(head, 0, kPngSignatureBytes) == 0;
}

bool ReadPngFacts(const std::string& path, PngFacts& facts) {
  FilePtr file = OpenForReading(path);
  if (!file || !HasSignature(file.get())) return false;
  PngReadHandle handle;
  if (!handle.Ok() || !ReadInfoGuarded(handle.Png(), handle.Info(), file.get())) return false;
  png_structp png = handle.Png();
  png_infop info = handle.Info();
  facts.Width = int32_t(png_get_image_width(png, info));
  facts.Height = int32_t(png_get_image_height(png, info));
  facts.Depth = DrawingDepth(png, info);
  facts.HasAlpha = HasTransparency(png, info);
  png_uint_32 x = 0, y = 0;
  int unit = PNG_RESOLUTION_UNKNOWN;
  const bool perMetre = png_get_pHYs(png, info, &x, &y, &unit) && unit == PNG_RESOLUTION_METER && x && y;
  facts.XResolution = perMetre ? BitmapDotsPerInch(x) : kDefaultResolution;
  facts.YResolution = perMetre ? BitmapDotsPerInch(y) : kDefaultResolution;
  facts.HasProfile = png_get_valid(png, info, PNG_INFO_iCCP) != 0;
  return true;
}

BitmapPtr DecodePngPixels(const std::string& path, LSize size, AlphaRows alpha, BitmapPtr& mask, int& message) {
  FilePtr file = OpenForReading(path);
  if (!file) {
    message = kMessageFailedToOpen;
    return nullptr;
  }
  message = kMessageNotSupported;
  if (!HasSignature(file.get())) return nullptr;
  PngReadHandle handle;
  if (!handle.Ok()) {
    message = kMessageNotEnoughMemory;
    return nullptr;
  }
  RowTarget target;
  DecodeFailure failure = DecodeFailure::Data;
  if (!DecodeGuarded(handle.Png(), handle.Info(), file.get(), size, alpha, target, failure)) {
    if (failure == DecodeFailure::Memory) message = kMessageNotEnoughMemory;
    return nullptr;
  }
  BitmapPtr pixels = target.Finish();
  mask = target.TakeMask();
  if (!pixels) message = kMessageNotEnoughMemory;
  return pixels;
}

bool ReadPngProfile(const std::string& path, std::vector<uint8_t>& profile) {
  profile.clear();
  FilePtr file = OpenForReading(path);
  if (!file || !HasSignature(file.get())) return false;
  PngReadHandle handle;
  if (!handle.Ok() || !ReadInfoGuarded(handle.Png(), handle.Info(), file.get())) return false;
  png_charp name = nullptr;
  int compression = 0;
  png_bytep data = nullptr;
  png_uint_32 length = 0;
  if (!png_get_iCCP(handle.Png(), handle.Info(), &name, &compression, &data, &length) || !data || length == 0)
    return false;
  profile.assign(data, data + length);
  return true;
}

}  // namespace tl
