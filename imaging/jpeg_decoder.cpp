// The JPEG pixel decoder, from a file and from memory.
#include <algorithm>

#include "document/layout_object.h"
#include "imaging/decode_limits.h"
#include "imaging/file_handle.h"
#include "imaging/image_codes.h"
#include "imaging/jpeg_library.h"
#include "imaging/jpeg_markers.h"
#include "imaging/jpeg_reader.h"
#include "imaging/ycc_to_rgb.h"

namespace tl {
namespace {

// Rows handed to the library at once: enough for its largest output group.
constexpr int kRowsPerRead = 4;

struct JpegPixels {
  BitmapPtr Image;
  BitmapPtr Mask;
  int Message = kMessageNotSupported;
};

void ClearFourthBytes(uint8_t* row, int32_t width) {
  for (int32_t x = 0; x < width; ++x) row[4 * x + 3] = 0;
}

void GrayRow(const JSAMPLE* in, uint8_t* out, int32_t width) {
  for (int32_t x = 0; x < width; ++x, out += 4) out[0] = out[1] = out[2] = in[x], out[3] = 0;
}

// The four channels of the mask variant: Y, Cb, Cr and the mask.
void EffRow(const JSAMPLE* in, uint8_t* out, uint8_t* mask, int32_t width) {
  for (int32_t x = 0; x < width; ++x, in += 4, out += 4) {
    YccToBgr(in[0], in[1], in[2], out);
    out[3] = 0;
    if (mask) {
      mask[0] = mask[1] = mask[2] = in[3];
      mask[3] = 0;
      mask += 4;
    }
  }
}

// Adobe's CMYK JPEGs keep inverted inks; the inks go out in file order.
void CmykRow(const JSAMPLE* in, uint8_t* out, int32_t width) {
  for (int32_t i = 0; i < width * 4; ++i) out[i] = uint8_t(255 - in[i]);
}

// Runs inside RunGuarded: only plain data lives across library calls.
bool DecodeGuarded(jpeg_decompress_struct& info, const LSize* requested, bool wantMask, int64_t maxPixels,
                   JpegPixels& out) {
  jpeg_save_markers(&info, kMarkerApp5, kJpegMarkerMaxLength);
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  if (int64_t(info.image_width) * info.image_height > maxPixels) return false;
  const bool eff = HasEffMarker(info.marker_list);
  if (requested) {
    info.scale_num = 1;
    info.scale_denom = JpegScaleDenominator(info.image_width, unsigned(std::max(1, requested->cx)));
  }
  const int64_t denom = info.scale_denom ? info.scale_denom : 1;
  if (!WithinDecodeLimit((info.image_width + denom - 1) / denom, (info.image_height + denom - 1) / denom))
    return false;
  bool direct = false;  // the library writes the bitmap's rows itself
  switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE: info.out_color_space = JCS_GRAYSCALE; break;
    case JCS_YCbCr:
    case JCS_RGB:
      info.out_color_space = JCS_EXT_BGRX;
      direct = true;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      // The mask variant's channels are taken as stored.
      if (eff) info.jpeg_color_space = JCS_CMYK;
      info.out_color_space = JCS_CMYK;
      break;
    default: return false;
  }
  jpeg_start_decompress(&info);
  const int32_t width = int32_t(info.output_width), height = int32_t(info.output_height);
  out.Image = OffscreenBitmapNew(width, height);
  if (eff && wantMask) out.Mask = OffscreenBitmapNew(width, height);
  if (!out.Image || (eff && wantMask && !out.Mask)) {
    out.Message = kMessageNotEnoughMemory;
    return false;
  }
  JSAMPARRAY rows = direct ? nullptr
                           : info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                    info.output_width * unsigned(info.output_components), 1);
  while (info.output_scanline < info.output_height) {
    const int32_t y = int32_t(info.output_scanline);
    if (direct) {
      JSAMPROW targets[kRowsPerRead];
      const int32_t n = std::min(kRowsPerRead, height - y);
      for (int32_t i = 0; i < n; ++i) targets[i] = out.Image->Row(y + i);
      const JDIMENSION got = jpeg_read_scanlines(&info, targets, JDIMENSION(n));
      for (JDIMENSION i = 0; i < got; ++i) ClearFourthBytes(targets[i], width);
      if (got == 0) return false;
      continue;
    }
    if (jpeg_read_scanlines(&info, rows, 1) != 1) return false;
    uint8_t* target = out.Image->Row(y);
    if (info.out_color_space == JCS_GRAYSCALE)
      GrayRow(rows[0], target, width);
    else if (eff)
      EffRow(rows[0], target, out.Mask ? out.Mask->Row(y) : nullptr, width);
    else
      CmykRow(rows[0], target, width);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

BitmapPtr DecodeJpegFile(const ImageObject& image, const DecodeRequest& request, int& message) {
  FilePtr file = OpenForReading(image.ImagePath);
  if (!file) {
    message = kMessageFailedToOpen;
    return nullptr;
  }
  JpegPixels pixels;
  {
    JpegDecompressor jpeg;
    UseFileSource(jpeg.get(), file.get(), kDecodePieceBytes);
    const bool decoded = RunGuarded(
        jpeg.Errors(), [&] { return DecodeGuarded(*jpeg.get(), request.Requested, request.Mask != nullptr, OffscreenBitmap::kMaxPixels,
                             pixels);
        });
    if (!decoded) {
      message = pixels.Message;
      return nullptr;
    }
  }
  return FinishDecode(image, request, std::move(pixels.Image), std::move(pixels.Mask), message);
}

BitmapPtr DecodeJpegMemory(const uint8_t* data, size_t size, int64_t maxPixels) {
  JpegPixels pixels;
  JpegDecompressor jpeg;
  UseMemorySource(jpeg.get(), data, size);
  if (!RunGuarded(jpeg.Errors(), [&] { return DecodeGuarded(*jpeg.get(), nullptr, false, maxPixels, pixels); }))
    return nullptr;
  return std::move(pixels.Image);
}

}  // namespace tl
