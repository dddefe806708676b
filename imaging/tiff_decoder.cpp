// The TIFF pixel decoder. Strips or tiles are read a band of rows at a
// time (planes of separate-plane files are interleaved on the way) and
// each row is converted by its photometric interpretation. Subsampled
// YCbCr data, which has no rows of whole pixels, goes through libtiff's
// RGBA reader instead.
#include <algorithm>
#include <cstring>

#include "document/layout_object.h"
#include "imaging/buffer.h"
#include "imaging/decode_limits.h"
#include "imaging/image_codes.h"
#include "imaging/tiff_library.h"
#include "imaging/tiff_reader.h"
#include "imaging/ycc_to_rgb.h"

namespace tl {
namespace {

// A band buffer beyond this is no real file's strip or tile row.
constexpr uint64_t kMaxBandBytes = uint64_t(1) << 30;

struct TiffLayout {
  uint32_t Width = 0, Height = 0;
  uint16_t Photometric = 0, Compression = COMPRESSION_NONE, Samples = 1, Bits = 1, Planar = PLANARCONFIG_CONTIG;
  const uint16_t* Map[3] = {};  // colour map of palette images: red, green, blue
  bool Mask = false;
};

// One row of whole pixels, `samples` per pixel, converted into BGRX.
class RowConverter {
 public:
  explicit RowConverter(const TiffLayout& t) : t_(t), maxValue_((1u << t.Bits) - 1) {}

  void Convert(const uint8_t* row, uint8_t* out, uint8_t* mask) const {
    for (uint32_t x = 0; x < t_.Width; ++x, out += 4) {
      Pixel(row, x, out);
      out[3] = t_.Photometric == PHOTOMETRIC_SEPARATED ? out[3] : 0;
      if (mask) {
        mask[0] = mask[1] = mask[2] = uint8_t(255 - Byte(row, x, 3));
        mask[3] = 0;
        mask += 4;
      }
    }
  }

 private:
  // The raw value of sample `s` of pixel `x`: packed bits, 8 or 16 bits.
  uint32_t Raw(const uint8_t* row, uint32_t x, uint32_t s) const {
    const uint64_t index = uint64_t(x) * t_.Samples + s;
    switch (t_.Bits) {
      case 8: return row[index];
      case 16: {
        uint16_t v;
        std::memcpy(&v, row + 2 * index, 2);
        return v;
      }
    }
    const uint64_t bit = index * t_.Bits;
    const uint32_t shift = 8 - t_.Bits - uint32_t(bit % 8);
    return (row[bit / 8] >> shift) & maxValue_;
  }

  // Sample `s` as one byte: the high byte of 16-bit samples, packed
  // samples spread over 0..255.
  uint8_t Byte(const uint8_t* row, uint32_t x, uint32_t s) const {
    const uint32_t v = Raw(row, x, s);
    if (t_.Bits == 16) return uint8_t(v >> 8);
    if (t_.Bits < 8) return uint8_t(v * 255 / maxValue_);
    return uint8_t(v);
  }

  void Pixel(const uint8_t* row, uint32_t x, uint8_t* out) const {
    switch (t_.Photometric) {
      case PHOTOMETRIC_MINISWHITE: out[0] = out[1] = out[2] = uint8_t(255 - Byte(row, x, 0)); return;
      case PHOTOMETRIC_MINISBLACK: out[0] = out[1] = out[2] = Byte(row, x, 0); return;
      case PHOTOMETRIC_RGB:
        out[0] = Byte(row, x, 2);
        out[1] = Byte(row, x, 1);
        out[2] = Byte(row, x, 0);
        return;
      case PHOTOMETRIC_PALETTE: {
        const uint32_t index = Raw(row, x, 0);
        out[0] = uint8_t(t_.Map[2][index] >> 8);
        out[1] = uint8_t(t_.Map[1][index] >> 8);
        out[2] = uint8_t(t_.Map[0][index] >> 8);
        return;
      }
      case PHOTOMETRIC_SEPARATED:
        for (uint32_t s = 0; s < 4; ++s) out[s] = Byte(row, x, s);
        return;
      case PHOTOMETRIC_YCBCR: YccToBgr(Byte(row, x, 0), Byte(row, x, 1), Byte(row, x, 2), out); return;
    }
  }

  const TiffLayout& t_;
  uint32_t maxValue_;
};

bool ReadLayout(TIFF* tiff, TiffLayout& t) {
  if (!TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &t.Width) || !TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &t.Height) ||
      !TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &t.Photometric))
    return false;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &t.Compression);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &t.Samples);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &t.Bits);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &t.Planar);
  return true;
}

// Whether the row conversions can take the layout; fills the colour map.
bool CanConvertRows(TIFF* tiff, TiffLayout& t) {
  if (t.Samples < 1 || (t.Bits != 1 && t.Bits != 2 && t.Bits != 4 && t.Bits != 8 && t.Bits != 16)) return false;
  if (t.Bits < 8 && t.Samples != 1) return false;
  switch (t.Photometric) {
    case PHOTOMETRIC_MINISWHITE:
    case PHOTOMETRIC_MINISBLACK: return true;
    case PHOTOMETRIC_RGB:
    case PHOTOMETRIC_YCBCR: return t.Samples >= 3 && t.Bits >= 8;
    case PHOTOMETRIC_SEPARATED: return t.Samples >= 4 && t.Bits >= 8;
    case PHOTOMETRIC_PALETTE: {
      uint16_t *r = nullptr, *g = nullptr, *b = nullptr;
      if (!TIFFGetField(tiff, TIFFTAG_COLORMAP, &r, &g, &b) || !r || !g || !b) return false;
      t.Map[0] = r, t.Map[1] = g, t.Map[2] = b;
      return true;
    }
  }
  return false;
}

// Whether the file is YCbCr whose chroma is subsampled.
bool IsSubsampledYcc(TIFF* tiff, const TiffLayout& t) {
  if (t.Photometric != PHOTOMETRIC_YCBCR) return false;
  uint16_t h = 1, v = 1;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_YCBCRSUBSAMPLING, &h, &v);
  return h != 1 || v != 1;
}

// Reads bands of rows, whole pixels in each row, and hands them on.
class BandReader {
 public:
  BandReader(TIFF* tiff, const TiffLayout& t) : tiff_(tiff), t_(t) {}

  bool Init() {
    tiled_ = TIFFIsTiled(tiff_);
    separate_ = t_.Planar == PLANARCONFIG_SEPARATE && t_.Samples > 1;
    if (separate_ && t_.Bits < 8) return false;
    if (tiled_) {
      if (!TIFFGetField(tiff_, TIFFTAG_TILEWIDTH, &tileWidth_) || !TIFFGetField(tiff_, TIFFTAG_TILELENGTH, &band_) ||
          tileWidth_ == 0 || band_ == 0)
        return false;
      pieceBytes_ = uint64_t(TIFFTileSize64(tiff_));
    } else {
      TIFFGetFieldDefaulted(tiff_, TIFFTAG_ROWSPERSTRIP, &band_);
      band_ = std::clamp<uint32_t>(band_, 1, t_.Height);
      pieceBytes_ = uint64_t(TIFFStripSize64(tiff_));
    }
    band_ = std::min(band_, t_.Height);
    rowBytes_ = (uint64_t(t_.Width) * t_.Samples * t_.Bits + 7) / 8;
    if (pieceBytes_ == 0 || pieceBytes_ > kMaxBandBytes || rowBytes_ * band_ > kMaxBandBytes) return false;
    piece_ = NewBuffer<uint8_t>(size_t(pieceBytes_));
    rows_ = NewBuffer<uint8_t>(size_t(rowBytes_ * band_));
    return piece_ && rows_;
  }

  uint32_t BandHeight() const { return band_; }
  const uint8_t* Row(uint32_t i) const { return rows_.get() + rowBytes_ * i; }

  // Reads the band of rows that starts at row `top`.
  bool Read(uint32_t top) {
    const uint16_t planes = separate_ ? t_.Samples : 1;
    for (uint16_t plane = 0; plane < planes; ++plane) {
      if (tiled_) {
        for (uint32_t x = 0; x < t_.Width; x += tileWidth_)
          if (!ReadPiece(TIFFComputeTile(tiff_, x, top, 0, plane), x, tileWidth_, plane)) return false;
      } else if (!ReadPiece(TIFFComputeStrip(tiff_, top, plane), 0, t_.Width, plane)) {
        return false;
      }
    }
    return true;
  }

 private:
  // Reads strip or tile `index`, `width` pixels wide at column `x`, into
  // the band; a separate plane fills its own sample of every pixel.
  bool ReadPiece(uint32_t index, uint32_t x, uint32_t width, uint16_t plane) {
    std::memset(piece_.get(), 0, size_t(pieceBytes_));
    const bool read = tiled_ ? TIFFReadEncodedTile(tiff_, index, piece_.get(), tmsize_t(pieceBytes_)) >= 0
                             : TIFFReadEncodedStrip(tiff_, index, piece_.get(), tmsize_t(pieceBytes_)) >= 0;
    if (!read) return false;
    const uint32_t columns = std::min(width, t_.Width - x);
    const uint64_t pieceSamples = separate_ ? 1 : t_.Samples;
    const uint64_t pieceRowBytes = (uint64_t(width) * pieceSamples * t_.Bits + 7) / 8;
    const uint64_t rowsInPiece = pieceBytes_ / pieceRowBytes;
    const uint32_t rows = uint32_t(std::min<uint64_t>(band_, rowsInPiece));
    for (uint32_t r = 0; r < rows; ++r) {
      const uint8_t* from = piece_.get() + r * pieceRowBytes;
      uint8_t* to = rows_.get() + r * rowBytes_;
      if (!separate_) {
        const uint64_t start = uint64_t(x) * t_.Samples * t_.Bits / 8;
        const uint64_t count = (uint64_t(columns) * t_.Samples * t_.Bits + 7) / 8;
        std::memcpy(to + start, from, size_t(std::min(count, rowBytes_ - start)));
        continue;
      }
      const uint32_t bytes = t_.Bits / 8;
      for (uint32_t c = 0; c < columns; ++c)
        std::memcpy(to + (uint64_t(x + c) * t_.Samples + plane) * bytes, from + uint64_t(c) * bytes, bytes);
    }
    return true;
  }

  TIFF* tiff_;
  const TiffLayout& t_;
  bool tiled_ = false, separate_ = false;
  uint32_t tileWidth_ = 0, band_ = 0;
  uint64_t pieceBytes_ = 0, rowBytes_ = 0;
  Buffer<uint8_t> piece_, rows_;
};

int DecodeRows(TIFF* tiff, const TiffLayout& t, OffscreenBitmap& image, OffscreenBitmap* mask) {
  BandReader bands(tiff, t);
  if (!bands.Init()) return kMessageNotSupported;
  const RowConverter convert(t);
  for (uint32_t top = 0; top < t.Height; top += bands.BandHeight()) {
    if (!bands.Read(top)) return kMessageNotSupported;
    const uint32_t rows = std::min(bands.BandHeight(), t.Height - top);
    for (uint32_t r = 0; r < rows; ++r)
      convert.Convert(bands.Row(r), image.Row(int32_t(top + r)), mask ? mask->Row(int32_t(top + r)) : nullptr);
  }
  return 0;
}

// libtiff's RGBA reader fills the bitmap itself (each pixel a 32-bit value
// holding red, green, blue and alpha from its low byte up); the bytes are
// then put in the bitmap's order. Whole strips are read once this way,
// which codecs such as old-style JPEG need.
int DecodeThroughRgba(TIFF* tiff, const TiffLayout& t, OffscreenBitmap& image) {
  char problem[1024];
  TIFFRGBAImage rgba{};
  if (!TIFFRGBAImageOK(tiff, problem) || !TIFFRGBAImageBegin(&rgba, tiff, 0, problem)) return kMessageNotSupported;
  // The picture is kept as stored (the row conversions do not turn it either).
  uint16_t orientation = ORIENTATION_TOPLEFT;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation);
  rgba.req_orientation = orientation <= ORIENTATION_BOTLEFT ? orientation : ORIENTATION_TOPLEFT;
  auto* raster = reinterpret_cast<uint32_t*>(image.Pixels.get());
  const bool read = TIFFRGBAImageGet(&rgba, raster, t.Width, t.Height);
  TIFFRGBAImageEnd(&rgba);
  if (!read) return kMessageNotSupported;
  for (size_t i = 0, n = size_t(t.Width) * t.Height; i < n; ++i) {
    const uint32_t v = raster[i];
    uint8_t* p = image.Pixels.get() + 4 * i;
    p[0] = uint8_t(TIFFGetB(v));
    p[1] = uint8_t(TIFFGetG(v));
    p[2] = uint8_t(TIFFGetR(v));
    p[3] = 0;
  }
  return 0;
}

// Decodes the first image of an open file; 0, or the message code.
int DecodeTiff(TIFF* tiff, bool wantMask, bool uncompressedOnly, BitmapPtr& image, BitmapPtr& mask) {
  TiffLayout t;
  if (!ReadLayout(tiff, t)) return kMessageNotSupported;
  if (uncompressedOnly && t.Compression != COMPRESSION_NONE) return kMessageNotSupported;
  if (!TIFFIsCODECConfigured(t.Compression)) return kMessageNotSupported;
  // libtiff turns JPEG-compressed YCbCr into RGB itself.
  if (t.Compression == COMPRESSION_JPEG && t.Photometric == PHOTOMETRIC_YCBCR &&
      TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB))
    t.Photometric = PHOTOMETRIC_RGB;
  const bool viaRgba = IsSubsampledYcc(tiff, t);
  if (!viaRgba && !CanConvertRows(tiff, t)) return kMessageNotSupported;
  if (!WithinDecodeLimit(t.Width, t.Height)) return kMessageNotSupported;

  t.Mask = wantMask && !viaRgba && t.Photometric == PHOTOMETRIC_RGB && t.Samples == 4;
  image = OffscreenBitmapNew(int32_t(t.Width), int32_t(t.Height));
  if (t.Mask) mask = OffscreenBitmapNew(int32_t(t.Width), int32_t(t.Height));
  if (!image || (t.Mask && !mask)) return kMessageNotEnoughMemory;
  return viaRgba ? DecodeThroughRgba(tiff, t, *image) : DecodeRows(tiff, t, *image, mask.get());
}

}  // namespace

BitmapPtr DecodeTiffFile(const ImageObject& image, const DecodeRequest& request, int& message) {
  TiffPtr tiff = OpenTiffFile(image.ImagePath);
  if (!tiff) {
    message = kMessageFailedToOpen;
    return nullptr;
  }
  BitmapPtr pixels, mask;
  if (const int failure = DecodeTiff(tiff.get(), request.Mask != nullptr, false, pixels, mask)) {
    message = failure;
    return nullptr;
  }
  tiff.reset();
  return FinishDecode(image, request, std::move(pixels), std::move(mask), message);
}

BitmapPtr DecodeTiffMemory(const uint8_t* data, size_t size) {
  TiffMemory memory{data, size, 0};
  TiffPtr tiff = OpenTiffMemory(memory);
  if (!tiff) return nullptr;
  BitmapPtr pixels, mask;
  if (DecodeTiff(tiff.get(), false, true, pixels, mask)) return nullptr;
  return pixels;
}

}  // namespace tl
