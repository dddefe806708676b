#include "imaging/preview_jpeg.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "document/message_box.h"
#include "imaging/buffer.h"
#include "imaging/image_codes.h"
#include "imaging/jpeg_library.h"
#include "imaging/jpeg_reader.h"

namespace tl {
namespace {

struct FreeDeleter {
  void operator()(unsigned char* p) const { std::free(p); }
};

}  // namespace

bool EncodePreviewJpeg(const OffscreenBitmap& pixels, std::vector<uint8_t>& jpeg) {
  if (!pixels.Pixels || pixels.Width < 1 || pixels.Height < 1) return false;
  Buffer<JSAMPLE> row = NewBuffer<JSAMPLE>(size_t(pixels.Width) * 3);
  if (!row) return false;
  unsigned char* memory = nullptr;  // the library's own buffer, freed below
  unsigned long length = 0;
  bool written = false;
  {
    JpegCompressor jpegc;
    written = RunGuarded(jpegc.Errors(), [&] {
      jpeg_mem_dest(jpegc.get(), &memory, &length);
      jpegc->image_width = JDIMENSION(pixels.Width);
      jpegc->image_height = JDIMENSION(pixels.Height);
      jpegc->input_components = 3;
      jpegc->in_color_space = JCS_RGB;
      jpeg_set_defaults(jpegc.get());
      jpeg_set_quality(jpegc.get(), kPreviewJpegQuality, TRUE);
      jpeg_start_compress(jpegc.get(), TRUE);
      while (jpegc->next_scanline < jpegc->image_height) {
        const uint8_t* in = pixels.Row(int32_t(jpegc->next_scanline));
        JSAMPLE* out = row.get();
        for (int32_t x = 0; x < pixels.Width; ++x, in += 4, out += 3) out[0] = in[2], out[1] = in[1], out[2] = in[0];
        JSAMPROW rows[1] = {row.get()};
        jpeg_write_scanlines(jpegc.get(), rows, 1);
      }
      jpeg_finish_compress(jpegc.get());
      return true;
    });
  }
  std::unique_ptr<unsigned char, FreeDeleter> owned(memory);
  if (!written || !memory) return false;
  jpeg.assign(memory, memory + length);
  return true;
}

BitmapPtr DecodePreviewJpeg(const uint8_t* data, size_t size) {
  BitmapPtr decoded = DecodeJpegMemory(data, size, kMaxThumbnailPixels);
  if (!decoded) return nullptr;
  BitmapPtr preview = OffscreenBitmapNew(kPreviewJpegSide, kPreviewJpegSide);
  if (!preview) {
    ShowMessage(kMessageNotEnoughMemory, MessageIcon::Stop);
    return nullptr;
  }
  const int32_t rows = std::min(decoded->Height, kPreviewJpegSide);
  const size_t bytes = size_t(std::min(decoded->Width, kPreviewJpegSide)) * OffscreenBitmap::kBytesPerPixel;
  for (int32_t y = 0; y < rows; ++y) std::memcpy(preview->Row(y), decoded->Row(y), bytes);
  return preview;
}

}  // namespace tl
