#include "color/profile_open.h"

#include <cstdio>
#include <initializer_list>
#include <memory>

#include "color/resource_profile.h"

namespace tl {
namespace {

// Header (128 bytes) plus the tag count.
constexpr size_t kMinProfileBytes = 132;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

bool KnownDeviceClass(uint32_t deviceClass) {
  switch (deviceClass) {
    case cmsSigInputClass:
    case cmsSigDisplayClass:
    case cmsSigOutputClass:
    case cmsSigLinkClass:
    case cmsSigColorSpaceClass:
    case cmsSigAbstractClass:
      return true;
    default:  // named-colour profiles convert nothing; anything else is not ICC
      return false;
  }
}

bool KnownColorSpace(uint32_t space) {
  switch (space) {
    case cmsSigXYZData:
    case cmsSigLabData:
    case cmsSigLuvData:
    case cmsSigYCbCrData:
    case cmsSigYxyData:
    case cmsSigRgbData:
    case cmsSigGrayData:
    case cmsSigHsvData:
    case cmsSigHlsData:
    case cmsSigCmykData:
    case cmsSigCmyData:
      return true;
    default:
      break;
  }
  // "2CLR".."FCLR" and "MCH1".."MCHF": multi-ink device spaces.
  const uint32_t tail = space & 0x00FFFFFFu;
  const char lead = char(space >> 24);
  if (tail == 0x00434C52u) return (lead >= '2' && lead <= '9') || (lead >= 'A' && lead <= 'F');
  if ((space & 0xFFFFFF00u) == 0x4D434800u) {
    const char last = char(space & 0xFF);
    return (last >= '1' && last <= '9') || (last >= 'A' && last <= 'F');
  }
  return false;
}

bool TagReadable(cmsHPROFILE profile, cmsTagSignature tag) {
  return cmsIsTag(profile, tag) && cmsReadTag(profile, tag) != nullptr;
}

bool AllTagsReadable(cmsHPROFILE profile, std::initializer_list<cmsTagSignature> tags) {
  for (cmsTagSignature tag : tags)
    if (!TagReadable(profile, tag)) return false;
  return true;
}

// Whether the profile carries tables a transform can be built from; reading
// a tag parses it, so damaged tag data is caught here rather than later.
bool HasConversionTables(cmsHPROFILE profile) {
  const uint32_t deviceClass = ProfileDeviceClass(profile);
  if (deviceClass == cmsSigLinkClass || deviceClass == cmsSigAbstractClass)
    return TagReadable(profile, cmsSigAToB0Tag) || TagReadable(profile, cmsSigDToB0Tag);
  for (cmsTagSignature lut : {cmsSigAToB0Tag, cmsSigAToB1Tag, cmsSigAToB2Tag, cmsSigBToA0Tag, cmsSigBToA1Tag,
                              cmsSigBToA2Tag})
    if (TagReadable(profile, lut)) return true;
  switch (ProfileColorSpace(profile)) {
    case cmsSigGrayData:
      return TagReadable(profile, cmsSigGrayTRCTag);
    case cmsSigRgbData:
      return AllTagsReadable(profile, {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag,
                                       cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag});
    default:
      return false;
  }
}

}  // namespace

uint32_t ProfileColorSpace(cmsHPROFILE profile) { return uint32_t(cmsGetColorSpace(profile)); }
uint32_t ProfileDeviceClass(cmsHPROFILE profile) { return uint32_t(cmsGetDeviceClass(profile)); }

bool ProfileIsValid(cmsHPROFILE profile) {
  if (!profile) return false;
  if (!KnownDeviceClass(ProfileDeviceClass(profile))) return false;
  if (!KnownColorSpace(ProfileColorSpace(profile))) return false;
  const uint32_t pcs = uint32_t(cmsGetPCS(profile));
  if (ProfileDeviceClass(profile) == cmsSigLinkClass) {
    if (!KnownColorSpace(pcs)) return false;
  } else if (pcs != cmsSigXYZData && pcs != cmsSigLabData) {
    return false;
  }
  return HasConversionTables(profile);
}

ProfilePtr OpenProfileFromMemory(const uint8_t* data, size_t size) {
  if (!data || size < kMinProfileBytes) return nullptr;
  const uint32_t declared = BigEndian32(data);
  if (declared < kMinProfileBytes || declared > size) return nullptr;
  ProfilePtr profile(cmsOpenProfileFromMem(data, declared));
  if (!ProfileIsValid(profile.get())) return nullptr;
  return profile;
}

ProfilePtr OpenProfileFile(const std::string& path) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return nullptr;
  std::vector<uint8_t> bytes;
  uint8_t chunk[16384];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    if (bytes.size() + got > kMaxProfileBytes) return nullptr;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  if (std::ferror(file.get())) return nullptr;
  return OpenProfileFromMemory(bytes);
}

ProfilePtr OpenResourceProfile() {
  return OpenProfileFromMemory(kCaptureWorkingProfile, kCaptureWorkingProfileSize);
}

}  // namespace tl
