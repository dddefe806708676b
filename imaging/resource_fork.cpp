#include "imaging/resource_fork.h"

#include "imaging/byte_source.h"
#include "imaging/file_handle.h"

namespace tl {
namespace {

constexpr uint32_t kAppleSingleMagic = 0x00051600;
constexpr uint32_t kAppleDoubleMagic = 0x00051607;
constexpr uint32_t kResourceForkEntry = 2;
constexpr uint64_t kEntryCountOffset = 24;
constexpr uint64_t kEntryBytes = 12;
constexpr uint64_t kTypeListOffsetInMap = 24;
constexpr uint64_t kTypeEntryBytes = 8;
constexpr uint64_t kReferenceBytes = 12;
constexpr uint32_t kPictType = 0x50494354;  // "PICT"
constexpr int16_t kPreviewId = 1;

}  // namespace

bool FindResourceFork(const ByteSource& file, uint64_t& offset, uint64_t& length) {
  uint8_t head[26];
  if (!file.Read(0, head, sizeof head)) return false;
  const uint32_t magic = Big32(head);
  if (magic != kAppleDoubleMagic && magic != kAppleSingleMagic) return false;
  const uint16_t entries = Big16(head + kEntryCountOffset);
  for (uint16_t i = 0; i < entries; ++i) {
    uint8_t entry[kEntryBytes];
    if (!file.Read(sizeof head + i * kEntryBytes, entry, sizeof entry)) return false;
    if (Big32(entry) != kResourceForkEntry) continue;
    offset = Big32(entry + 4);
    length = Big32(entry + 8);
    return file.Contains(offset, length);
  }
  return false;
}

bool FindResource(const ByteSource& fork, uint32_t type, int16_t id, std::vector<uint8_t>& data) {
  uint8_t header[16];
  if (!fork.Read(0, header, sizeof header)) return false;
  const uint64_t dataStart = Big32(header), mapStart = Big32(header + 4);
  uint8_t listOffset[2], typeCount[2];
  if (!fork.Read(mapStart + kTypeListOffsetInMap, listOffset, 2)) return false;
  const uint64_t typeList = mapStart + Big16(listOffset);
  if (!fork.Read(typeList, typeCount, 2)) return false;
  const uint32_t types = uint32_t(Big16(typeCount)) + 1;
  for (uint32_t t = 0; t < types; ++t) {
    uint8_t entry[kTypeEntryBytes];
    if (!fork.Read(typeList + 2 + t * kTypeEntryBytes, entry, sizeof entry)) return false;
    if (Big32(entry) != type) continue;
    const uint32_t count = uint32_t(Big16(entry + 4)) + 1;
    const uint64_t references = typeList + Big16(entry + 6);
    for (uint32_t r = 0; r < count; ++r) {
      uint8_t reference[kReferenceBytes];
      if (!fork.Read(references + r * kReferenceBytes, reference, sizeof reference)) return false;
      if (int16_t(Big16(reference)) != id) continue;
      const uint64_t at = dataStart + (uint64_t(reference[5]) << 16 | uint64_t(reference[6]) << 8 | reference[7]);
      uint8_t size[4];
      return fork.Read(at, size, 4) && fork.ReadBlock(at + 4, Big32(size), data);
    }
  }
  return false;
}

std::string AppleDoublePath(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t name = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(0, name) + "._" + path.substr(name);
}

bool ReadPreviewPicture(const std::string& path, std::vector<uint8_t>& picture) {
  FilePtr file = OpenForReading(AppleDoublePath(path));
  if (!file) return false;
  FileByteSource source(file.get(), 0, UINT64_MAX);
  uint64_t offset = 0, length = 0;
  if (!FindResourceFork(source, offset, length)) return false;
  SubByteSource fork(source, offset, length);
  return FindResource(fork, kPictType, kPreviewId, picture);
}

}  // namespace tl
