#include "tests/imaging/extended_fixtures.h"

#include <png.h>

#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/pixel_matcher.h"

#include <algorithm>
#include <cstring>

namespace tl::test {
namespace {

void Big16To(Bytes& b, uint32_t v) {
  b.push_back(uint8_t(v >> 8));
  b.push_back(uint8_t(v));
}
void Big32To(Bytes& b, uint32_t v) {
  Big16To(b, v >> 16);
  Big16To(b, v & 0xFFFF);
}

void WriteToBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

int SamplesOf(int colorType) {
  switch (colorType) {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_PALETTE: return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
  }
  return 4;
}

uint32_t DefaultSample(int x, int y, int c, int bits) {
  const uint32_t top = (1u << bits) - 1;
  return (uint32_t(x) * 29 + uint32_t(y) * 13 + uint32_t(c) * 71) * (bits == 16 ? 101u : 1u) & top;
}

// Packs `count` units of `unit` bytes.
Bytes PackUnits(const Bytes& row, size_t unit) {
  Bytes out;
  const size_t n = row.size() / unit;
  auto same = [&](size_t a, size_t b) { return std::memcmp(&row[a * unit], &row[b * unit], unit) == 0; };
  size_t i = 0;
  while (i < n) {
    size_t run = 1;
    while (i + run < n && run < 128 && same(i, i + run)) ++run;
    if (run >= 2) {
      out.push_back(uint8_t(257 - run));
      out.insert(out.end(), row.begin() + long(i * unit), row.begin() + long((i + 1) * unit));
      i += run;
      continue;
    }
    size_t literal = 1;
    while (i + literal < n && literal < 128 && !(i + literal + 1 < n && same(i + literal, i + literal + 1)))
      ++literal;
    out.push_back(uint8_t(literal - 1));
    out.insert(out.end(), row.begin() + long(i * unit), row.begin() + long((i + literal) * unit));
    i += literal;
  }
  return out;
}

void PutCount(Bytes& b, size_t count, int rowBytes) {
  if (rowBytes > 250)
    Big16To(b, uint32_t(count));
  else
    b.push_back(uint8_t(count));
}

}  // namespace

std::string ExtendedFormatTest::WriteFile(const char* name, const Bytes& bytes) {
  const std::string path = dir_.File(name);
  EXPECT_TRUE(WriteBytes(path, bytes));
  return path;
}

BitmapPtr ExtendedFormatTest::DecodeFile(const std::string& path, BitmapPtr* mask, const LSize* request) {
  image_ = ImageObject();
  message_ = 0;
  if (!ReadImageHeader(image_, path)) return nullptr;
  return DecodeImagePixels(image_, kMatchNone, request, mask, nullptr, message_);
}

void ExtendedFormatTest::ExpectFailures(const char* fileName, const std::vector<Damaged>& cases) {
  for (const Damaged& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string path = WriteFile(fileName, c.Data);
    ImageObject image;
    ASSERT_EQ(ReadImageHeader(image, path), c.HeaderReads);
    if (!c.HeaderReads) continue;
    const LSize small = {8, 8};
    int message = 0;
    EXPECT_FALSE(DecodeImagePixels(image, kMatchNone, &small, nullptr, nullptr, message));
    EXPECT_EQ(message, c.Message);
  }
}

Bytes MakePng(const PngRecipe& r) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, WriteToBytes, nullptr);
  png_set_IHDR(png, info, png_uint_32(r.Width), png_uint_32(r.Height), r.BitDepth, r.ColorType,
               r.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (uint32_t c : r.Palette) palette.push_back({png_byte(c >> 16), png_byte(c >> 8), png_byte(c)});
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), int(palette.size()));
  if (!r.PaletteAlpha.empty())
    png_set_tRNS(png, info, r.PaletteAlpha.data(), int(r.PaletteAlpha.size()), nullptr);
  png_color_16 gray{};
  if (r.TransparentGray >= 0) {
    gray.gray = png_uint_16(r.TransparentGray);
    png_set_tRNS(png, info, nullptr, 0, &gray);
  }
  if (!r.Icc.empty()) png_set_iCCP(png, info, "test", 0, r.Icc.data(), png_uint_32(r.Icc.size()));
  if (r.PixelsPerMetre) png_set_pHYs(png, info, r.PixelsPerMetre, r.PixelsPerMetre, PNG_RESOLUTION_METER);
  png_write_info(png, info);
  const int samples = SamplesOf(r.ColorType);
  const size_t rowBytes = (size_t(r.Width) * samples * r.BitDepth + 7) / 8;
  std::vector<Bytes> rows(size_t(r.Height), Bytes(rowBytes, 0));
  for (int y = 0; y < r.Height; ++y) {
    Bytes& row = rows[size_t(y)];
    for (int x = 0; x < r.Width; ++x)
      for (int c = 0; c < samples; ++c) {
        const uint32_t v = r.Sample ? r.Sample(x, y, c) : DefaultSample(x, y, c, r.BitDepth);
        const size_t index = size_t(x) * samples + size_t(c);
        if (r.BitDepth == 16) {
          row[index * 2] = uint8_t(v >> 8);
          row[index * 2 + 1] = uint8_t(v);
        } else if (r.BitDepth == 8) {
          row[index] = uint8_t(v);
        } else {
          const size_t bit = index * size_t(r.BitDepth);
          row[bit / 8] |= uint8_t(v << (8 - r.BitDepth - bit % 8));
        }
      }
  }
  std::vector<png_bytep> pointers;
  for (Bytes& row : rows) pointers.push_back(row.data());
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

Bytes PackBits(const Bytes& row) { return PackUnits(row, 1); }

Bytes MakePsd(const PsdRecipe& r) {
  Bytes b = {'8', 'B', 'P', 'S'};
  Big16To(b, uint32_t(r.Version));
  b.insert(b.end(), 6, 0);
  Big16To(b, uint32_t(r.Channels));
  Big32To(b, uint32_t(r.Height));
  Big32To(b, uint32_t(r.Width));
  Big16To(b, uint32_t(r.Depth));
  Big16To(b, uint32_t(r.Mode));
  Big32To(b, uint32_t(r.ColorModeData.size()));
  b.insert(b.end(), r.ColorModeData.begin(), r.ColorModeData.end());
  Big32To(b, uint32_t(r.Resources.size()));
  b.insert(b.end(), r.Resources.begin(), r.Resources.end());
  const bool large = r.Version == 2;
  auto length = [&](uint64_t v) {
    if (large) Big32To(b, uint32_t(v >> 32));
    Big32To(b, uint32_t(v));
  };
  if (r.LayerCount != 0) {
    length((large ? 8 : 4) + 2);
    length(2);
    Big16To(b, uint16_t(int16_t(r.LayerCount)));
  } else {
    length(0);
  }
  Big16To(b, uint32_t(r.Compression));
  const size_t rowBytes = (size_t(r.Width) * size_t(r.Depth) + 7) / 8;
  std::vector<Bytes> rows;
  for (int c = 0; c < r.Channels; ++c)
    for (int y = 0; y < r.Height; ++y) {
      Bytes row(rowBytes, 0);
      for (int x = 0; x < r.Width; ++x) {
        const uint32_t v = r.Sample ? r.Sample(x, y, c) : DefaultSample(x, y, c, r.Depth == 1 ? 1 : r.Depth);
        if (r.Depth == 16) {
          row[size_t(x) * 2] = uint8_t(v >> 8);
          row[size_t(x) * 2 + 1] = uint8_t(v);
        } else if (r.Depth == 8) {
          row[size_t(x)] = uint8_t(v);
        } else if (v) {
          row[size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
        }
      }
      rows.push_back(r.Compression == 1 ? PackBits(row) : row);
    }
  if (r.Compression == 1)
    for (const Bytes& row : rows) large ? Big32To(b, uint32_t(row.size())) : Big16To(b, uint32_t(row.size()));
  for (const Bytes& row : rows) b.insert(b.end(), row.begin(), row.end());
  return b;
}

PictBuilder::PictBuilder(int top, int left, int bottom, int right) : frame_{top, left, bottom, right} {
  Put16(0);  // the size, set when the picture is taken
  PutRect(top, left, bottom, right);
  Put16(0x0011);
  Put16(0x02FF);
}

void PictBuilder::Put16(int v) { Big16To(body_, uint32_t(v) & 0xFFFF); }
void PictBuilder::Put32(uint32_t v) { Big32To(body_, v); }
void PictBuilder::PutRect(int top, int left, int bottom, int right) {
  Put16(top);
  Put16(left);
  Put16(bottom);
  Put16(right);
}
void PictBuilder::Align() {
  if (body_.size() & 1) body_.push_back(0);
}

void PictBuilder::ExtendedHeader(int dpi, int top, int left, int bottom, int right) {
  Put16(0x0C00);
  Put16(-2);
  Put16(0);
  Put32(uint32_t(dpi) << 16);
  Put32(uint32_t(dpi) << 16);
  PutRect(top, left, bottom, right);
  Put32(0);
}

void PictBuilder::PixMapFields(int packType, int pixelSize, int components, int componentSize) {
  Put16(0);  // version
  Put16(packType);
  Put32(0);  // pack size
  Put32(72u << 16);
  Put32(72u << 16);
  Put16(pixelSize == 16 || pixelSize == 32 ? 16 : 0);  // pixel type
  Put16(pixelSize);
  Put16(components);
  Put16(componentSize);
  Put32(0);
  Put32(0);
  Put32(0);
}

void PictBuilder::Direct32(int width, int height, int packType, int components, int dstLeft, int dstTop,
                           const std::function<uint32_t(int, int)>& argb, const Bytes& region) {
  Align();
  Put16(region.empty() ? 0x009A : 0x009B);
  Put32(0xFF);
  const int rowBytes = width * 4;
  Put16(rowBytes | 0x8000);
  PutRect(0, 0, height, width);
  PixMapFields(packType, 32, components, 8);
  PutRect(0, 0, height, width);
  PutRect(dstTop, dstLeft, dstTop + height, dstLeft + width);
  Put16(0x40);
  body_.insert(body_.end(), region.begin(), region.end());
  const bool packed = rowBytes >= 8 && packType != 1 && packType != 2;
  for (int y = 0; y < height; ++y) {
    Bytes row;
    for (int x = 0; x < width; ++x) {
      const uint32_t p = argb(x, y);
      if (packType == 2) {
        row.insert(row.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
      } else if (!packed) {
        row.insert(row.end(), {uint8_t(p >> 24), uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
      }
    }
    if (packed) {
      for (int plane = components == 4 ? 0 : 1; plane < 4; ++plane)
        for (int x = 0; x < width; ++x) row.push_back(uint8_t(argb(x, y) >> (24 - 8 * plane)));
      const Bytes data = PackBits(row);
      PutCount(body_, data.size(), rowBytes);
      body_.insert(body_.end(), data.begin(), data.end());
    } else {
      body_.insert(body_.end(), row.begin(), row.end());
    }
  }
}

void PictBuilder::Direct16(int width, int height, int packType, const std::function<uint16_t(int, int)>& pixel) {
  Align();
  Put16(0x009A);
  Put32(0xFF);
  const int rowBytes = width * 2;
  Put16(rowBytes | 0x8000);
  PutRect(0, 0, height, width);
  PixMapFields(packType, 16, 3, 5);
  PutRect(0, 0, height, width);
  PutRect(frame_[0], frame_[1], frame_[0] + height, frame_[1] + width);
  Put16(0x40);
  for (int y = 0; y < height; ++y) {
    Bytes row;
    for (int x = 0; x < width; ++x) Big16To(row, pixel(x, y));
    if (packType == 3 && rowBytes >= 8) {
      const Bytes data = PackUnits(row, 2);
      PutCount(body_, data.size(), rowBytes);
      body_.insert(body_.end(), data.begin(), data.end());
    } else {
      body_.insert(body_.end(), row.begin(), row.end());
    }
  }
}

void PictBuilder::Indexed(int width, int height, int bits, bool packed, const std::vector<uint32_t>& colors,
                          const std::function<int(int, int)>& index) {
  Align();
  Put16(packed ? 0x0098 : 0x0090);
  const int rowBytes = ((width * bits + 15) / 16) * 2;
  Put16(rowBytes | 0x8000);
  PutRect(0, 0, height, width);
  PixMapFields(0, bits, 1, bits);
  Put32(0);
  Put16(0);
  Put16(int(colors.size()) - 1);
  for (size_t i = 0; i < colors.size(); ++i) {
    Put16(int(i));
    Put16(int((colors[i] >> 16) & 0xFF) * 257);
    Put16(int((colors[i] >> 8) & 0xFF) * 257);
    Put16(int(colors[i] & 0xFF) * 257);
  }
  PutRect(0, 0, height, width);
  PutRect(frame_[0], frame_[1], frame_[0] + height, frame_[1] + width);
  Put16(0);
  for (int y = 0; y < height; ++y) {
    Bytes row(size_t(rowBytes), 0);
    for (int x = 0; x < width; ++x) {
      const size_t bit = size_t(x) * size_t(bits);
      row[bit / 8] |= uint8_t(index(x, y) << (8 - bits - bit % 8));
    }
    if (packed && rowBytes >= 8) {
      const Bytes data = PackBits(row);
      PutCount(body_, data.size(), rowBytes);
      body_.insert(body_.end(), data.begin(), data.end());
    } else {
      body_.insert(body_.end(), row.begin(), row.end());
    }
  }
}

void PictBuilder::BlackWhite(int width, int height, const std::function<bool(int, int)>& black) {
  Align();
  Put16(0x0098);
  const int rowBytes = ((width + 15) / 16) * 2;
  Put16(rowBytes);
  PutRect(0, 0, height, width);
  PutRect(0, 0, height, width);
  PutRect(frame_[0], frame_[1], frame_[0] + height, frame_[1] + width);
  Put16(0);
  for (int y = 0; y < height; ++y) {
    Bytes row(size_t(rowBytes), 0);
    for (int x = 0; x < width; ++x)
      if (black(x, y)) row[size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
    if (rowBytes >= 8) {
      const Bytes data = PackBits(row);
      PutCount(body_, data.size(), rowBytes);
      body_.insert(body_.end(), data.begin(), data.end());
    } else {
      body_.insert(body_.end(), row.begin(), row.end());
    }
  }
}

void PictBuilder::Opcode(uint16_t op, const Bytes& data) {
  Align();
  Put16(op);
  body_.insert(body_.end(), data.begin(), data.end());
}

void PictBuilder::Comment(const Bytes& text) {
  Bytes data;
  Big16To(data, 100);
  Big16To(data, uint32_t(text.size()));
  data.insert(data.end(), text.begin(), text.end());
  Opcode(0x00A1, data);
}

Bytes PictBuilder::Picture(bool fileHeader) const {
  Bytes picture = body_;
  if (picture.size() & 1) picture.push_back(0);
  Big16To(picture, 0x00FF);
  picture[0] = uint8_t(picture.size() >> 8);
  picture[1] = uint8_t(picture.size());
  if (fileHeader) picture.insert(picture.begin(), 512, 0);
  return picture;
}

Bytes PictBuilder::Region(int top, int left, int bottom, int right, const std::vector<std::vector<int>>& rows) {
  Bytes data;
  for (const std::vector<int>& row : rows) {
    for (int v : row) Big16To(data, uint32_t(v) & 0xFFFF);
    Big16To(data, 0x7FFF);
  }
  if (!rows.empty()) Big16To(data, 0x7FFF);
  Bytes region;
  Big16To(region, uint32_t(10 + data.size()));
  for (int v : {top, left, bottom, right}) Big16To(region, uint32_t(v) & 0xFFFF);
  region.insert(region.end(), data.begin(), data.end());
  return region;
}

Bytes AppleDoubleWithPreview(const Bytes& picture) {
  constexpr uint32_t kDataOffset = 256;
  Bytes data;
  Big32To(data, uint32_t(picture.size()));
  data.insert(data.end(), picture.begin(), picture.end());
  Bytes map(28, 0);
  Big16To(map, 0);            // one type
  Big32To(map, 0x50494354);   // "PICT"
  Big16To(map, 0);            // one resource
  Big16To(map, 10);           // its references, from the type list
  Big16To(map, 1);            // id 1
  Big16To(map, 0xFFFF);       // no name
  Big32To(map, 0);            // attributes and data offset 0
  Big32To(map, 0);            // handle
  map[24] = 0;
  map[25] = 28;  // the type list follows the map header
  map[26] = uint8_t(map.size() >> 8);
  map[27] = uint8_t(map.size());
  Bytes fork;
  Big32To(fork, kDataOffset);
  Big32To(fork, kDataOffset + uint32_t(data.size()));
  Big32To(fork, uint32_t(data.size()));
  Big32To(fork, uint32_t(map.size()));
  fork.resize(kDataOffset, 0);
  fork.insert(fork.end(), data.begin(), data.end());
  fork.insert(fork.end(), map.begin(), map.end());

  Bytes file;
  Big32To(file, 0x00051607);
  Big32To(file, 0x00020000);
  file.insert(file.end(), 16, 0);
  Big16To(file, 1);
  Big32To(file, 2);  // the resource fork entry
  Big32To(file, 26 + 12);
  Big32To(file, uint32_t(fork.size()));
  file.insert(file.end(), fork.begin(), fork.end());
  return file;
}

Bytes CaptureRecordMarker(uint16_t scene, uint8_t black, uint8_t white, uint8_t midTone, uint8_t saturation,
                          uint16_t flags) {
  Bytes b = {'V', 'D', 'X', 'I', 'N', 'F', 'O', 0};
  Big16To(b, 1);
  Big16To(b, scene);
  b.insert(b.end(), {black, white, midTone, saturation});
  Big16To(b, flags);
  return b;
}

}  // namespace tl::test
