#include "imaging/exif_reader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "imaging/byte_source.h"
#include "imaging/jpeg_reader.h"
#include "imaging/photoshop_resources.h"

namespace tl {
namespace {

// Directory entry types.
enum EntryType : uint16_t {
  kTypeByte = 1,
  kTypeAscii = 2,
  kTypeShort = 3,
  kTypeLong = 4,
  kTypeRational = 5,
  kTypeSByte = 6,
  kTypeUndefined = 7,
  kTypeSShort = 8,
  kTypeSLong = 9,
  kTypeSRational = 10,
  kTypeLong8 = 16,
  kTypeSLong8 = 17,
  kTypeIfd8 = 18,
};

enum Tag : uint16_t {
  kTagCompression = 259,
  kTagMake = 271,
  kTagModel = 272,
  kTagOrientation = 274,
  kTagXResolution = 282,
  kTagYResolution = 283,
  kTagResolutionUnit = 296,
  kTagThumbnailOffset = 513,
  kTagThumbnailLength = 514,
  kTagExposureTime = 33434,
  kTagFNumber = 33437,
  kTagPhotoshop = 34377,
  kTagExifIfd = 34665,
  kTagIsoSpeed = 34855,
  kTagExifVersion = 36864,
  kTagDateTimeOriginal = 36867,
  kTagDateTimeDigitized = 36868,
  kTagExposureBias = 37380,
  kTagLightSource = 37384,
  kTagFlash = 37385,
  kTagColorSpace = 40961,
  kTagInteropIfd = 40965,
  kTagCustomRendered = 41985,
  kTagExposureMode = 41986,
  kTagWhiteBalance = 41987,
  kTagSceneCaptureType = 41990,
  kTagGainControl = 41991,
  kTagContrast = 41992,
  kTagSaturation = 41993,
  kTagSharpness = 41994,
  kTagInteropIndex = 1,
};

constexpr size_t kInteropIndexBytes = 4;

constexpr uint16_t kCompressionJpeg = 6;
constexpr uint16_t kBigVersion = 43;
constexpr size_t kExifVersionBytes = 4;

size_t TypeSize(uint16_t type) {
  switch (type) {
    case kTypeByte: case kTypeAscii: case kTypeSByte: case kTypeUndefined: return 1;
    case kTypeShort: case kTypeSShort: return 2;
    case kTypeLong: case kTypeSLong: return 4;
    case kTypeRational: case kTypeSRational: case kTypeLong8: case kTypeSLong8: case kTypeIfd8: return 8;
  }
  return 0;
}

struct Entry {
  uint16_t Tag = 0;
  uint16_t Type = 0;
  uint64_t Count = 0;
  uint8_t Field[8] = {};  // the value itself when it fits, else its offset
};

// One TIFF structure read through a bounded source in its byte order; a
// BigTIFF structure has 8-byte counts and offsets.
class TiffStructure {
 public:
  explicit TiffStructure(const ByteSource& source) : source_(source) {}

  // Reads the byte-order mark and the first directory's offset.
  bool Open(uint64_t& firstDirectory) {
    uint8_t head[16];
    if (!source_.Read(0, head, 8)) return false;
    if (head[0] == 'I' && head[1] == 'I')
      big_ = false;
    else if (head[0] == 'M' && head[1] == 'M')
      big_ = true;
    else
      return false;
    if (U16(head + 2) == kBigVersion) {
      if (!source_.Read(8, head + 8, 8)) return false;
      wide_ = true;
      firstDirectory = U64(head + 8);
      return true;
    }
    firstDirectory = U32(head + 4);
    return true;
  }

  uint16_t U16(const uint8_t* p) const { return big_ ? Big16(p) : Little16(p); }
  uint32_t U32(const uint8_t* p) const { return big_ ? Big32(p) : Little32(p); }
  uint64_t U64(const uint8_t* p) const {
    const uint64_t a = U32(p), b = U32(p + 4);
    return big_ ? (a << 32 | b) : (b << 32 | a);
  }
  // A count or offset: 4 bytes, or 8 in a BigTIFF structure.
  uint64_t Word(const uint8_t* p) const { return wide_ ? U64(p) : U32(p); }

  // Calls `visit` for each entry of the directory at `offset`; returns the
  // next directory's offset (0 when there is none or the walk broke off).
  template <typename Visit>
  uint64_t Walk(uint64_t offset, Visit&& visit) const {
    const size_t countBytes = wide_ ? 8 : 2, entryBytes = wide_ ? 20 : 12, word = wide_ ? 8 : 4;
    uint8_t countField[8];
    if (offset == 0 || !source_.Read(offset, countField, countBytes)) return 0;
    const uint64_t count = wide_ ? U64(countField) : U16(countField);
    for (uint64_t i = 0; i < count; ++i) {
      uint8_t raw[20];
      if (!source_.Read(offset + countBytes + i * entryBytes, raw, entryBytes)) return 0;
      Entry entry;
      entry.Tag = U16(raw);
      entry.Type = U16(raw + 2);
      entry.Count = Word(raw + 4);
      std::memcpy(entry.Field, raw + 4 + word, word);
      if (!visit(entry)) return 0;
    }
    uint8_t next[8];
    if (!source_.Read(offset + countBytes + count * entryBytes, next, word)) return 0;
    return Word(next);
  }

  // The bytes of the entry's value: in its field when they fit, else at the
  // offset the field holds. At most `limit` bytes are taken.
  bool Bytes(const Entry& e, size_t limit, std::vector<uint8_t>& out) const {
    const uint64_t size = TypeSize(e.Type);
    const uint64_t total = e.Count > UINT64_MAX / 8 ? UINT64_MAX : size * e.Count;
    const uint64_t take = std::min<uint64_t>(total, limit);
    if (total <= (wide_ ? 8u : 4u)) {
      out.assign(e.Field, e.Field + take);
      return true;
    }
    return source_.ReadBlock(Offset(e), take, out);
  }

  // A text value ended at its first zero byte (or its count).
  std::string Text(const Entry& e, size_t limit) const {
    std::vector<uint8_t> bytes;
    if (!Bytes(e, limit, bytes)) return {};
    const auto end = std::find(bytes.begin(), bytes.end(), uint8_t(0));
    return std::string(bytes.begin(), end);
  }

  // The first integer of the value, in the entry's own type.
  bool Integer(const Entry& e, int64_t& value) const {
    if (e.Count == 0) return false;
    switch (e.Type) {
      case kTypeByte: case kTypeUndefined: value = e.Field[0]; return true;
      case kTypeSByte: value = int8_t(e.Field[0]); return true;
      case kTypeShort: value = U16(e.Field); return true;
      case kTypeSShort: value = int16_t(U16(e.Field)); return true;
      case kTypeLong: value = U32(e.Field); return true;
      case kTypeSLong: value = int32_t(U32(e.Field)); return true;
      case kTypeLong8:
      case kTypeSLong8:
      case kTypeIfd8: value = wide_ ? int64_t(U64(e.Field)) : 0; return wide_;
    }
    return false;
  }

  bool Rational(const Entry& e, uint32_t& numerator, uint32_t& denominator) const {
    if ((e.Type != kTypeRational && e.Type != kTypeSRational) || e.Count == 0) return false;
    uint8_t pair[8];
    // A rational fits in a BigTIFF entry's field.
    if (wide_)
      std::memcpy(pair, e.Field, sizeof pair);
    else if (!source_.Read(U32(e.Field), pair, sizeof pair))
      return false;
    numerator = U32(pair);
    denominator = U32(pair + 4);
    return true;
  }

  uint64_t Offset(const Entry& e) const { return Word(e.Field); }
  const ByteSource& Source() const { return source_; }

 private:
  const ByteSource& source_;
  bool big_ = false;
  bool wide_ = false;
};

int16_t ClampShort(int64_t v) {
  return int16_t(std::clamp<int64_t>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

// Numerator divided by denominator, whole; 0 for a zero denominator.
int16_t WholeRatio(const TiffStructure& tiff, const Entry& e) {
  uint32_t n = 0, d = 0;
  if (!tiff.Rational(e, n, d) || d == 0) return 0;
  return ClampShort(n / d);
}

// A 16-bit value of the entry into `field`; false when it has none.
bool ReadShort(const TiffStructure& tiff, const Entry& e, int16_t& field) {
  int64_t value = 0;
  if (!tiff.Integer(e, value)) return false;
  field = int16_t(uint16_t(value));
  return true;
}

// The entries both passes read from the first directory.
void ReadCameraEntry(const TiffStructure& tiff, const Entry& e, ExifFields& exif) {
  int64_t value = 0;
  switch (e.Tag) {
    case kTagMake: exif.Maker = tiff.Text(e, kExifMakerMaxBytes); break;
    case kTagModel: exif.Model = tiff.Text(e, kExifMakerMaxBytes); break;
    case kTagXResolution: exif.XResolution = WholeRatio(tiff, e); break;
    case kTagYResolution: exif.YResolution = WholeRatio(tiff, e); break;
    case kTagResolutionUnit:
      if (tiff.Integer(e, value)) exif.ResolutionUnit = ClampShort(value);
      break;
    case kTagOrientation:
      if (tiff.Integer(e, value)) exif.Orientation = ClampShort(value);
      break;
  }
}

// Reads one entry of the Exif directory into its field and presence bit.
void ReadExifEntry(const TiffStructure& tiff, const Entry& e, ExifFields& exif) {
  auto shortField = [&](int16_t& field, uint32_t bit) {
    if (ReadShort(tiff, e, field)) exif.ExifPresence |= bit;
  };
  uint32_t n = 0, d = 0;
  switch (e.Tag) {
    case kTagExifVersion: {
      std::vector<uint8_t> bytes;
      if (tiff.Bytes(e, kExifVersionBytes, bytes) && bytes.size() == kExifVersionBytes) {
        exif.ExifVersion.assign(bytes.begin(), bytes.end());
        exif.ExifPresence |= kExifHasVersion;
      }
      break;
    }
    case kTagDateTimeOriginal: exif.DateTimeOriginal = tiff.Text(e, kExifDateMaxBytes); break;
    case kTagDateTimeDigitized: exif.DateTimeDigitized = tiff.Text(e, kExifDateMaxBytes); break;
    case kTagFlash: shortField(exif.Flash, kExifHasFlash); break;
    case kTagLightSource: shortField(exif.LightSource, kExifHasLightSource); break;
    case kTagWhiteBalance: shortField(exif.WhiteBalance, kExifHasWhiteBalance); break;
    case kTagContrast: shortField(exif.Contrast, kExifHasContrast); break;
    case kTagSaturation: shortField(exif.Saturation, kExifHasSaturation); break;
    case kTagIsoSpeed: shortField(exif.IsoSpeed, kExifHasIsoSpeed); break;
    case kTagColorSpace: shortField(exif.ColorSpace, kExifHasColorSpace); break;
    // A zero denominator says "unknown": such a value is left out.
    case kTagExposureTime:
      if (tiff.Rational(e, n, d) && d != 0) {
        exif.ExposureTimeNumerator = n;
        exif.ExposureTimeDenominator = d;
        exif.ExifPresence |= kExifHasExposureTime;
      }
      break;
    case kTagFNumber:
      if (tiff.Rational(e, n, d) && d != 0) {
        exif.FNumberNumerator = n;
        exif.FNumberDenominator = d;
        exif.FNumber = double(n) / double(d);
        exif.ExifPresence |= kExifHasFNumber;
      }
      break;
    case kTagExposureBias:
      if (tiff.Rational(e, n, d) && d != 0) {
        exif.ExposureBiasNumerator = int32_t(n);
        exif.ExposureBiasDenominator = int32_t(d);
        exif.ExposureBias = double(int32_t(n)) / double(int32_t(d));
        exif.ExifPresence |= kExifHasExposureBias;
      }
      break;
  }
}

BitmapPtr ReadJpegThumbnailAt(const TiffStructure& tiff, uint64_t offset, uint64_t length) {
  std::vector<uint8_t> jpeg;
  if (!tiff.Source().ReadBlock(offset, length, jpeg)) return nullptr;
  return DecodeJpegMemory(jpeg.data(), jpeg.size(), kMaxThumbnailPixels);
}

// The thumbnail directory: a JPEG thumbnail when its compression says so.
BitmapPtr ReadThumbnailDirectory(const TiffStructure& tiff, uint64_t offset) {
  int64_t compression = 0, thumbOffset = 0, thumbLength = 0;
  tiff.Walk(offset, [&](const Entry& e) {
    if (e.Tag == kTagCompression) tiff.Integer(e, compression);
    if (e.Tag == kTagThumbnailOffset) tiff.Integer(e, thumbOffset);
    if (e.Tag == kTagThumbnailLength) tiff.Integer(e, thumbLength);
    return true;
  });
  if (compression != kCompressionJpeg || thumbOffset <= 0 || thumbLength <= 0) return nullptr;
  return ReadJpegThumbnailAt(tiff, uint64_t(thumbOffset), uint64_t(thumbLength));
}

// One entry of the Exif directory into the print facts.
void ReadPrintEntry(const TiffStructure& tiff, const Entry& e, ExifPrintFields& f) {
  auto shortField = [&](int16_t& field, uint32_t bit) {
    if (ReadShort(tiff, e, field)) f.Presence |= bit;
  };
  switch (e.Tag) {
    case kTagExifVersion: {
      std::vector<uint8_t> bytes;
      if (tiff.Bytes(e, kExifVersionBytes, bytes) && bytes.size() == kExifVersionBytes) {
        f.ExifVersion.assign(bytes.begin(), bytes.end());
        f.Presence |= kPrintHasVersion;
      }
      break;
    }
    case kTagColorSpace: shortField(f.ColorSpace, kPrintHasColorSpace); break;
    case kTagCustomRendered: shortField(f.CustomRendered, kPrintHasCustomRendered); break;
    case kTagExposureMode: shortField(f.ExposureMode, kPrintHasExposureMode); break;
    case kTagWhiteBalance: shortField(f.WhiteBalance, kPrintHasWhiteBalance); break;
    case kTagSceneCaptureType: shortField(f.SceneCaptureType, kPrintHasSceneCaptureType); break;
    case kTagGainControl: shortField(f.GainControl, kPrintHasGainControl); break;
    case kTagContrast: shortField(f.Contrast, kPrintHasContrast); break;
    case kTagSaturation: shortField(f.Saturation, kPrintHasSaturation); break;
    case kTagSharpness: shortField(f.Sharpness, kPrintHasSharpness); break;
  }
}

}  // namespace

bool ReadExifIfd0(const ByteSource& source, ExifFields& exif) {
  TiffStructure tiff(source);
  uint64_t first = 0;
  if (!tiff.Open(first)) return false;
  exif.ExifPresence = kExifBlockFound;
  tiff.Walk(first, [&](const Entry& e) {
    ReadCameraEntry(tiff, e, exif);
    return true;
  });
  return true;
}

BitmapPtr ReadExif(const ByteSource& source, ExifFields& exif) {
  TiffStructure tiff(source);
  uint64_t first = 0;
  if (!tiff.Open(first)) return nullptr;

  BitmapPtr thumbnail;
  uint64_t exifDirectory = 0;
  const uint64_t next = tiff.Walk(first, [&](const Entry& e) {
    ReadCameraEntry(tiff, e, exif);
    if (e.Tag == kTagPhotoshop && !thumbnail) {
      SubByteSource resources(source, tiff.Offset(e), e.Count);
      thumbnail = ReadPhotoshopThumbnail(resources);
    } else if (e.Tag == kTagExifIfd) {
      exifDirectory = tiff.Offset(e);
      exif.ExifPresence = kExifBlockFound;
    }
    // The walk goes on after a Photoshop thumbnail: the Exif directory's
    // pointer follows it in tag order, and the camera facts must not be lost.
    return true;
  });
  if (!thumbnail && next) thumbnail = ReadThumbnailDirectory(tiff, next);
  if (exifDirectory) {
    tiff.Walk(exifDirectory, [&](const Entry& e) {
      ReadExifEntry(tiff, e, exif);
      return true;
    });
  }
  return thumbnail;
}

bool ReadExifPrintFields(const ByteSource& source, ExifPrintFields& fields) {
  TiffStructure tiff(source);
  uint64_t first = 0;
  if (!tiff.Open(first)) return false;
  uint64_t exifDirectory = 0, interopDirectory = 0;
  tiff.Walk(first, [&](const Entry& e) {
    if (e.Tag == kTagExifIfd) exifDirectory = tiff.Offset(e);
    return true;
  });
  if (exifDirectory) {
    tiff.Walk(exifDirectory, [&](const Entry& e) {
      if (e.Tag == kTagInteropIfd)
        interopDirectory = tiff.Offset(e);
      else
        ReadPrintEntry(tiff, e, fields);
      return true;
    });
  }
  // The interoperability directory must not be the Exif directory again.
  if (interopDirectory && interopDirectory != exifDirectory) {
    tiff.Walk(interopDirectory, [&](const Entry& e) {
      if (e.Tag == kTagInteropIndex && e.Type == kTypeAscii) {
        fields.InteropIndex = tiff.Text(e, kInteropIndexBytes);
        fields.Presence |= kPrintHasInteropIndex;
      }
      return true;
    });
  }
  return true;
}

}  // namespace tl
