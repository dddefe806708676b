#include "tests/imaging/fixtures.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <jpeglib.h>
#include <tiffio.h>

namespace tl::test {

TempFolder::TempFolder() {
  const char* binary = std::getenv("TL_BINARY_DIR");
  std::string base = binary ? std::string(binary) + "/test-tmp" : "/tmp";
  std::filesystem::create_directories(base);
  std::string pattern = base + "/imaging-XXXXXX";
  if (mkdtemp(pattern.data())) path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

bool WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void GradientPixel(int x, int y, uint8_t* c) {
  c[0] = uint8_t(x * 4);
  c[1] = uint8_t(y * 4);
  c[2] = 96;
  c[3] = uint8_t(x + y);
}

Bytes MakeJpeg(const JpegRecipe& recipe) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* memory = nullptr;
  unsigned long length = 0;
  jpeg_mem_dest(&info, &memory, &length);
  info.image_width = JDIMENSION(recipe.Width);
  info.image_height = JDIMENSION(recipe.Height);
  info.input_components = recipe.Components;
  info.in_color_space = recipe.Components == 1 ? JCS_GRAYSCALE : recipe.Components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&info);
  if (recipe.Components == 4) {
    jpeg_set_colorspace(&info, JCS_CMYK);
    info.write_Adobe_marker = FALSE;  // the components are stored as they are
  }
  info.write_JFIF_header = recipe.Jfif ? TRUE : FALSE;
  info.density_unit = UINT8(recipe.DensityUnit);
  info.X_density = UINT16(recipe.XDensity);
  info.Y_density = UINT16(recipe.YDensity);
  jpeg_set_quality(&info, recipe.Quality, TRUE);
  if (recipe.Progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  for (const auto& [code, data] : recipe.Markers) jpeg_write_marker(&info, code, data.data(), unsigned(data.size()));
  std::vector<uint8_t> row(size_t(recipe.Width) * size_t(recipe.Components));
  for (int y = 0; y < recipe.Height; ++y) {
    for (int x = 0; x < recipe.Width; ++x) {
      uint8_t c[4];
      recipe.Pixel(x, y, c);
      std::memcpy(&row[size_t(x) * size_t(recipe.Components)], c, size_t(recipe.Components));
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(memory, memory + length);
  std::free(memory);
  return out;
}

Bytes IccSegment(int sequence, int count, const Bytes& data) {
  Bytes b = {'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0, uint8_t(sequence), uint8_t(count)};
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

void ExifBuilder::Put16(Bytes& b, uint16_t v) const {
  if (big_) {
    b.push_back(uint8_t(v >> 8));
    b.push_back(uint8_t(v));
  } else {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
  }
}

void ExifBuilder::Put32(Bytes& b, uint32_t v) const {
  if (big_) {
    Put16(b, uint16_t(v >> 16));
    Put16(b, uint16_t(v));
  } else {
    Put16(b, uint16_t(v));
    Put16(b, uint16_t(v >> 16));
  }
}

void ExifBuilder::Ascii(Directory d, uint16_t tag, const std::string& text) {
  Bytes v(text.begin(), text.end());
  v.push_back(0);
  Add(d, {tag, 2, uint32_t(v.size()), v});
}

void ExifBuilder::Short(Directory d, uint16_t tag, uint16_t value) {
  Bytes v;
  Put16(v, value);
  Add(d, {tag, 3, 1, v});
}

void ExifBuilder::Long(Directory d, uint16_t tag, uint32_t value) {
  Bytes v;
  Put32(v, value);
  Add(d, {tag, 4, 1, v});
}

void ExifBuilder::Rational(Directory d, uint16_t tag, uint32_t numerator, uint32_t denominator) {
  Bytes v;
  Put32(v, numerator);
  Put32(v, denominator);
  Add(d, {tag, 5, 1, v});
}

void ExifBuilder::SRational(Directory d, uint16_t tag, int32_t numerator, int32_t denominator) {
  Bytes v;
  Put32(v, uint32_t(numerator));
  Put32(v, uint32_t(denominator));
  Add(d, {tag, 10, 1, v});
}

void ExifBuilder::Undefined(Directory d, uint16_t tag, const Bytes& data) {
  Add(d, {tag, 7, uint32_t(data.size()), data});
}

void ExifBuilder::Raw(Directory d, uint16_t tag, uint16_t type, uint32_t count, uint32_t field) {
  Entry e{tag, type, count, {}};
  e.RawField = true;
  e.Field = field;
  Add(d, std::move(e));
}


Bytes ExifBuilder::Tiff() const {
  // Layout: header, IFD0, Exif IFD, IFD1, then all values, then the thumbnail.
  std::vector<Entry> dirs[3] = {entries_[0], entries_[1], entries_[2]};
  const bool hasExif = !dirs[kExifIfd].empty();
  const bool hasThumb = !thumbnail_.empty() || !dirs[kIfd1].empty();
  if (hasExif) dirs[kIfd0].push_back({34665, 4, 1, {}});
  if (!thumbnail_.empty()) {
    dirs[kIfd1].push_back({259, 3, 1, {}});
    dirs[kIfd1].push_back({513, 4, 1, {}});
    dirs[kIfd1].push_back({514, 4, 1, {}});
  }
  auto dirSize = [](const std::vector<Entry>& d) { return d.empty() ? 0u : uint32_t(2 + 12 * d.size() + 4); };
  // The first directory is always there, even without entries.
  const uint32_t ifd0 = 8, exif = ifd0 + uint32_t(2 + 12 * dirs[kIfd0].size() + 4), ifd1 = exif + dirSize(dirs[kExifIfd]);
  uint32_t values = ifd1 + dirSize(dirs[kIfd1]);
  uint32_t valueSize = 0;
  for (auto& d : dirs)
    for (auto& e : d)
      if (e.Value.size() > 4) valueSize += uint32_t(e.Value.size() + (e.Value.size() & 1));
  const uint32_t thumbAt = values + valueSize;

  Bytes out;
  out.push_back(big_ ? 'M' : 'I');
  out.push_back(big_ ? 'M' : 'I');
  Put16(out, 42);
  Put32(out, ifd0);
  Bytes area;
  auto writeDir = [&](std::vector<Entry>& d, uint32_t next, bool always = false) {
    if (d.empty() && !always) return;
    Put16(out, uint16_t(d.size()));
    for (Entry& e : d) {
      Put16(out, e.Tag);
      Put16(out, e.Type);
      Put32(out, e.Count);
      if (e.RawField) {
        Put32(out, e.Field);
      } else if (e.Tag == 34665 && e.Value.empty()) {
        Put32(out, exif);
      } else if (e.Tag == 259 && e.Value.empty()) {
        Put16(out, 6);
        Put16(out, 0);
      } else if (e.Tag == 513 && e.Value.empty()) {
        Put32(out, thumbAt);
      } else if (e.Tag == 514 && e.Value.empty()) {
        Put32(out, uint32_t(thumbnail_.size()));
      } else if (e.Value.size() <= 4) {
        Bytes field = e.Value;
        field.resize(4, 0);
        out.insert(out.end(), field.begin(), field.end());
      } else {
        Put32(out, values + uint32_t(area.size()));
        area.insert(area.end(), e.Value.begin(), e.Value.end());
        if (e.Value.size() & 1) area.push_back(0);
      }
    }
    Put32(out, next);
  };
  writeDir(dirs[kIfd0], hasThumb ? ifd1 : 0, true);
  writeDir(dirs[kExifIfd], 0);
  writeDir(dirs[kIfd1], 0);
  out.insert(out.end(), area.begin(), area.end());
  out.insert(out.end(), thumbnail_.begin(), thumbnail_.end());
  return out;
}

Bytes ExifBuilder::App1() const {
  Bytes out = {'E', 'x', 'i', 'f', 0, 0};
  Bytes tiff = Tiff();
  out.insert(out.end(), tiff.begin(), tiff.end());
  return out;
}

Bytes PhotoshopBlock(uint16_t id, const std::string& name, const Bytes& data) {
  Bytes b = {'8', 'B', 'I', 'M', uint8_t(id >> 8), uint8_t(id), uint8_t(name.size())};
  b.insert(b.end(), name.begin(), name.end());
  if ((1 + name.size()) & 1) b.push_back(0);
  const uint32_t n = uint32_t(data.size());
  b.insert(b.end(), {uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)});
  b.insert(b.end(), data.begin(), data.end());
  if (n & 1) b.push_back(0);
  return b;
}

Bytes PhotoshopThumbnailBlock(uint16_t id, const Bytes& jpeg) {
  Bytes header(28, 0);
  const uint32_t n = uint32_t(jpeg.size());
  header[20] = uint8_t(n >> 24), header[21] = uint8_t(n >> 16), header[22] = uint8_t(n >> 8), header[23] = uint8_t(n);
  header.insert(header.end(), jpeg.begin(), jpeg.end());
  return PhotoshopBlock(id, "", header);
}

bool WriteTiff(const std::string& path, const TiffRecipe& s) {
  TIFF* tiff = TIFFOpen(path.c_str(), "w");
  if (!tiff) return false;
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(s.Width));
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(s.Height));
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(s.Samples));
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(s.Bits));
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, uint16_t(s.Photometric));
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, uint16_t(s.Compression));
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, uint16_t(s.Planar));
  TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, uint16_t(s.ResolutionUnit));
  TIFFSetField(tiff, TIFFTAG_XRESOLUTION, s.XResolution);
  TIFFSetField(tiff, TIFFTAG_YRESOLUTION, s.YResolution);
  if (s.ExtraSamples) {
    const uint16_t extra[1] = {EXTRASAMPLE_UNASSALPHA};
    TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, uint16_t(1), extra);
  }
  if (!s.ColorMap.empty()) {
    const size_t n = s.ColorMap.size() / 3;
    TIFFSetField(tiff, TIFFTAG_COLORMAP, s.ColorMap.data(), s.ColorMap.data() + n, s.ColorMap.data() + 2 * n);
  }
  if (!s.Icc.empty()) TIFFSetField(tiff, TIFFTAG_ICCPROFILE, uint32_t(s.Icc.size()), s.Icc.data());
  if (s.Compression == COMPRESSION_JPEG) TIFFSetField(tiff, TIFFTAG_JPEGQUALITY, 95);
  // Raw YCbCr rows of whole pixels.
  if (s.Photometric == PHOTOMETRIC_YCBCR && s.Compression != COMPRESSION_JPEG)
    TIFFSetField(tiff, TIFFTAG_YCBCRSUBSAMPLING, uint16_t(1), uint16_t(1));
  const bool tiled = s.TileWidth > 0;
  if (tiled) {
    TIFFSetField(tiff, TIFFTAG_TILEWIDTH, uint32_t(s.TileWidth));
    TIFFSetField(tiff, TIFFTAG_TILELENGTH, uint32_t(s.TileHeight));
  } else {
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(s.RowsPerStrip));
  }
  const bool separate = s.Planar == PLANARCONFIG_SEPARATE;
  const int planes = separate ? s.Samples : 1;
  const int perPixel = separate ? 1 : s.Samples;
  // Packs the samples of the pixels x0..x0+w of row y of one plane.
  auto pack = [&](int y, int x0, int w, int plane, uint8_t* out) {
    const size_t rowBytes = (size_t(w) * size_t(perPixel) * size_t(s.Bits) + 7) / 8;
    std::memset(out, 0, rowBytes);
    size_t bit = 0;
    for (int x = x0; x < x0 + w; ++x) {
      for (int k = 0; k < perPixel; ++k, bit += size_t(s.Bits)) {
        const int sample = separate ? plane : k;
        const uint32_t v = (x < s.Width && y < s.Height) ? s.Sample(x, y, sample) : 0;
        if (s.Bits == 16) {
          const uint16_t v16 = uint16_t(v);
          std::memcpy(out + bit / 8, &v16, 2);
        } else if (s.Bits == 8) {
          out[bit / 8] = uint8_t(v);
        } else {
          out[bit / 8] |= uint8_t(v << (8 - s.Bits - bit % 8));
        }
      }
    }
  };
  bool ok = true;
  if (tiled) {
    std::vector<uint8_t> tile(size_t(TIFFTileSize(tiff)));
    const size_t rowBytes = size_t(TIFFTileRowSize(tiff));
    for (int plane = 0; plane < planes; ++plane)
      for (int ty = 0; ty < s.Height; ty += s.TileHeight)
        for (int tx = 0; tx < s.Width; tx += s.TileWidth) {
          for (int r = 0; r < s.TileHeight; ++r) pack(ty + r, tx, s.TileWidth, plane, tile.data() + size_t(r) * rowBytes);
          ok = ok && TIFFWriteTile(tiff, tile.data(), uint32_t(tx), uint32_t(ty), 0, uint16_t(plane)) >= 0;
        }
  } else {
    std::vector<uint8_t> row(size_t(TIFFScanlineSize(tiff)));
    for (int plane = 0; plane < planes; ++plane)
      for (int y = 0; y < s.Height; ++y) {
        pack(y, 0, s.Width, plane, row.data());
        ok = ok && TIFFWriteScanline(tiff, row.data(), uint32_t(y), uint16_t(plane)) >= 0;
      }
  }
  TIFFClose(tiff);
  return ok;
}

Bytes MakeBmp(const BmpRecipe& s) {
  const bool paletted = s.Bits <= 8;
  const uint32_t paletteEntries = paletted ? uint32_t(s.Palette.size()) : 0;
  const uint32_t headerSize = s.CoreHeader ? 12 : 40;
  const uint32_t entryBytes = s.CoreHeader ? 3 : 4;
  const uint32_t dataOffset = 14 + headerSize + paletteEntries * entryBytes;
  const size_t stride = ((size_t(s.Width) * size_t(s.Bits) + 31) / 32) * 4;
  Bytes data;
  if (s.Compression) {
    data = s.RleData;
  } else {
    data.assign(stride * size_t(s.Height), 0);
    for (int y = 0; y < s.Height; ++y) {
      uint8_t* row = &data[stride * size_t(s.TopDown ? y : s.Height - 1 - y)];
      for (int x = 0; x < s.Width; ++x) {
        const uint32_t v = s.Pixel(x, y);
        if (s.Bits == 24) {
          row[3 * x] = uint8_t(v), row[3 * x + 1] = uint8_t(v >> 8), row[3 * x + 2] = uint8_t(v >> 16);
        } else if (s.Bits == 16) {
          row[2 * x] = uint8_t(v), row[2 * x + 1] = uint8_t(v >> 8);
        } else {
          const size_t bit = size_t(x) * size_t(s.Bits);
          row[bit / 8] |= uint8_t(v << (8 - s.Bits - bit % 8));
        }
      }
    }
  }
  Bytes b = {'B', 'M'};
  auto put16 = [&](uint32_t v) { b.push_back(uint8_t(v)), b.push_back(uint8_t(v >> 8)); };
  auto put32 = [&](uint32_t v) { put16(v & 0xFFFF), put16(v >> 16); };
  put32(uint32_t(dataOffset + data.size()));
  put32(0);
  put32(dataOffset);
  put32(headerSize);
  if (s.CoreHeader) {
    put16(uint32_t(s.Width));
    put16(uint32_t(s.Height));
    put16(1);
    put16(uint32_t(s.Bits));
  } else {
    put32(uint32_t(s.Width));
    put32(uint32_t(s.TopDown ? -s.Height : s.Height));
    put16(1);
    put16(uint32_t(s.Bits));
    put32(s.Compression);
    put32(uint32_t(data.size()));
    put32(s.PixelsPerMetre);
    put32(s.PixelsPerMetre);
    put32(paletteEntries);
    put32(0);
  }
  for (uint32_t c : s.Palette) {
    if (!paletted) break;
    b.push_back(uint8_t(c)), b.push_back(uint8_t(c >> 8)), b.push_back(uint8_t(c >> 16));
    if (!s.CoreHeader) b.push_back(0);
  }
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

uint32_t RgbAt(const OffscreenBitmap& b, int x, int y) {
  const uint8_t* p = b.Row(y) + size_t(x) * 4;
  return (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
}

namespace {

// An uppercase hexadecimal dump in "% "-prefixed comment lines.
std::string Hex(const Bytes& data, size_t lineBytes = 32) {
  std::string text = "% ";
  char pair[3];
  for (size_t i = 0; i < data.size(); ++i) {
    std::snprintf(pair, sizeof pair, "%02X", data[i]);
    text += pair;
    if ((i + 1) % lineBytes == 0) text += "\r\n% ";
  }
  return text + "\r\n";
}

std::string Ascii85(const Bytes& data) {
  std::string text;
  for (size_t i = 0; i < data.size(); i += 4) {
    uint32_t v = 0;
    const size_t n = std::min<size_t>(4, data.size() - i);
    for (size_t k = 0; k < 4; ++k) v = v << 8 | (k < n ? data[i + k] : 0);
    if (v == 0 && n == 4) {
      text += 'z';
      continue;
    }
    char group[5];
    for (int k = 4; k >= 0; --k, v /= 85) group[k] = char('!' + v % 85);
    text.append(group, n + 1);
    if (text.size() % 64 < 5) text += "\r\n";
  }
  return text + "~>";
}

constexpr uint32_t kDosEpsHeaderBytes = 30;

}  // namespace


uint8_t EpsChannelValue(int x, int y, int c) { return uint8_t(x * 40 + y * 7 + c * 3); }

std::string MakeEps(const EpsRecipe& s) {
  const int block = s.BlockBytes ? s.BlockBytes : s.Width;
  std::string eps = "%!PS-Adobe-3.0 EPSF-3.0\r\n%%Creator: the tests\r\n";
  if (s.WithImageData) {
    char line[128];
    std::snprintf(line, sizeof line, "%%ImageData: %d %d %d %d %d %d %d \"beginimage\"\r\n", s.Width, s.Height, s.Bits,
                  s.Channels, s.Pad, block, s.Encoding);
    eps += line;
  }
  if (!s.Resources.empty())
    eps += "%BeginPhotoshop: " + std::to_string(s.Resources.size()) + "\r\n" + Hex(s.Resources) + "%EndPhotoshop\r\n";
  if (!s.Profile.empty()) eps += "%%BeginICCProfile: (Test) -1 Hex\r\n" + Hex(s.Profile, 37) + "%%EndICCProfile\r\n";
  std::string data;
  if (s.Encoding >= 3) {
    data = Ascii85(s.JpegData);
  } else {
    Bytes raw;
    for (int y = 0; y < s.Height; ++y)
      for (int c = 0; c < s.Channels + s.Pad; ++c)
        for (int x = 0; x < block; ++x) raw.push_back(c < s.Channels ? EpsChannelValue(x, y, c) : 0xEE);
    data = s.Encoding == 1 ? std::string(raw.begin(), raw.end()) : Hex(raw, 5);
  }
  eps += "%%BeginBinary: " + std::to_string(data.size() + 11) + "\r\nbeginimage\r" + data + "\r\n%%EndBinary\r\n";
  return eps;
}

// A subpath of four corner knots whose control points lie on their anchors.
Bytes RectanglePath(double top, double left, double bottom, double right) {
  Bytes path(26, 0);  // the fill-rule record (selector 6)
  path[1] = 6;
  Bytes length(26, 0);
  length[3] = 4;  // selector 0, four knots
  path.insert(path.end(), length.begin(), length.end());
  auto fixed = [](double f, uint8_t* p) {
    const uint32_t v = uint32_t(int32_t(f * (1 << 24)));
    p[0] = uint8_t(v >> 24), p[1] = uint8_t(v >> 16), p[2] = uint8_t(v >> 8), p[3] = uint8_t(v);
  };
  const double corners[4][2] = {{top, left}, {top, right}, {bottom, right}, {bottom, left}};
  for (const auto& c : corners) {
    Bytes knot(26, 0);
    knot[1] = 1;
    for (int k = 0; k < 3; ++k) {
      fixed(c[0], &knot[2 + 8 * k]);
      fixed(c[1], &knot[6 + 8 * k]);
    }
    path.insert(path.end(), knot.begin(), knot.end());
  }
  return path;
}

Bytes DosEps(const std::string& postscript, const Bytes& tiffPreview) {
  Bytes dos = {0xC5, 0xD0, 0xD3, 0xC6};
  auto put32 = [&](uint32_t v) { dos.insert(dos.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}); };
  put32(kDosEpsHeaderBytes);
  put32(uint32_t(postscript.size()));
  put32(0);
  put32(0);
  put32(uint32_t(kDosEpsHeaderBytes + postscript.size()));
  put32(uint32_t(tiffPreview.size()));
  dos.insert(dos.end(), {0xFF, 0xFF});
  dos.insert(dos.end(), postscript.begin(), postscript.end());
  dos.insert(dos.end(), tiffPreview.begin(), tiffPreview.end());
  return dos;
}

}  // namespace tl::test
