// The extended-formats importer built into this program: PNG pictures
// (through libpng), Photoshop documents (from their merged composite) and
// PICT pictures (from their bitmap opcodes), plus the picture preview a
// Macintosh file keeps in its resource fork. It yields what the import asks
// of such an importer: the file's kind, a 2152-byte description, natural
// bounds and a 32-bit drawing at the requested bounds, the mask of
// pictures with transparency, and the embedded ICC profile.
#pragma once

#include <cstdint>

#include "document/geometry.h"
#include "imaging/import_extensions.h"

namespace tl {

// The version this importer reports: masks are made from 6.0 on.
inline constexpr uint16_t kBuiltInImporterVersion = 0x0700;

// Without requested bounds a drawing is at most this many pixels a side.
inline constexpr int32_t kMaxNaturalSide = 10000;

class BuiltInFormatImporter final : public ExtendedFormatImporter {
 public:
  // `version` lets tests stand in for older releases (5.x draws no masks).
  explicit BuiltInFormatImporter(uint16_t version = kBuiltInImporterVersion) : version_(version) {}

  bool FileKindOf(const std::string& path, uint32_t& kind) override;
  bool ReadHeader(ImageObject& image) override;
  bool ReadColorSpace(ImageObject& image) override;
  BitmapPtr ReadPreview(ImageObject& image) override;
  BitmapPtr Decode(const ImageObject& image, const DecodeRequest& request, int& message) override;
  bool ReadProfile(const ImageObject& image, std::vector<uint8_t>& profile) override;
  uint16_t Version() const override { return version_; }

 private:
  uint16_t version_;
};

// The natural bounds limited to kMaxNaturalSide on each side.
LSize LimitNaturalBounds(LSize natural);

}  // namespace tl
