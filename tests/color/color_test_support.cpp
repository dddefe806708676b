#include "tests/color/color_test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "document/layout_object.h"
#include "resources/app_folders.h"

namespace tl::test {

namespace fs = std::filesystem;

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  if (value)
    setenv(name, value, 1);
  else
    unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
  if (old_)
    setenv(name_.c_str(), old_->c_str(), 1);
  else
    unsetenv(name_.c_str());
}

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "tl-color-XXXXXX").string();
  if (mkdtemp(pattern.data())) path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  if (!path_.empty()) fs::remove_all(path_, ec);
}

std::string TempFolder::Subfolder(std::string_view name) const {
  const std::string folder = File(name);
  std::error_code ec;
  fs::create_directories(folder, ec);
  return folder;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out.flush());
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool CopyFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
}

std::string GeneratedDataFolder() {
  if (const char* binary = std::getenv("TL_BINARY_DIR")) return std::string(binary) + "/share/tessaline";
  return DataFolder();
}
std::string GeneratedColorFolder() { return GeneratedDataFolder() + "/icc"; }
std::string GeneratedApplicationFolder() { return GeneratedDataFolder() + "/LabLab"; }

std::string CorpusProfile(std::string_view name) {
  const char* shared = std::getenv("TL_SHARED_DIR");
  if (!shared) return {};
  const std::string path = std::string(shared) + "/corpus/icc/" + std::string(name);
  std::error_code ec;
  return fs::is_regular_file(path, ec) ? path : std::string();
}

std::vector<uint8_t> ProfileBytes(cmsHPROFILE profile) {
  cmsUInt32Number size = 0;
  if (!cmsSaveProfileToMem(profile, nullptr, &size)) return {};
  std::vector<uint8_t> bytes(size);
  if (!cmsSaveProfileToMem(profile, bytes.data(), &size)) return {};
  return bytes;
}

namespace {

void SetDescription(cmsHPROFILE profile, const char* description) {
  cmsMLU* text = cmsMLUalloc(nullptr, 1);
  cmsMLUsetASCII(text, "en", "US", description);
  cmsWriteTag(profile, cmsSigProfileDescriptionTag, text);
  cmsMLUfree(text);
}

}  // namespace

std::vector<uint8_t> SrgbProfileBytes(const char* description) {
  ProfilePtr profile(cmsCreate_sRGBProfile());
  SetDescription(profile.get(), description);
  return ProfileBytes(profile.get());
}

std::vector<uint8_t> RgbProfileBytes(const char* description, cmsProfileClassSignature deviceClass, double gamma) {
  const cmsCIExyY d65 = {0.3127, 0.3290, 1.0};
  const cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}};
  ToneCurvePtr curve(cmsBuildGamma(nullptr, gamma));
  cmsToneCurve* curves[3] = {curve.get(), curve.get(), curve.get()};
  ProfilePtr profile(cmsCreateRGBProfile(&d65, &primaries, curves));
  cmsSetDeviceClass(profile.get(), deviceClass);
  SetDescription(profile.get(), description);
  return ProfileBytes(profile.get());
}

ColorTestPlaces::ColorTestPlaces() : display_("DISPLAY", nullptr), cacheHome_("XDG_CACHE_HOME", nullptr) {
  first_ = temp_.Subfolder("first");
  second_ = temp_.Subfolder("second");
  cache_ = temp_.Subfolder("cache");
  setenv("XDG_CACHE_HOME", cache_.c_str(), 1);
  current_.ColorFolders = {first_, second_, GeneratedColorFolder()};
  current_.ApplicationFolder = GeneratedApplicationFolder();
  places_ = std::make_unique<ScopedProfilePlaces>(current_);
}

void ColorTestPlaces::UseApplicationFolder(const std::string& folder) {
  current_.ApplicationFolder = folder;
  places_.reset();
  places_ = std::make_unique<ScopedProfilePlaces>(current_);
}

void ColorTestPlaces::UseColorFolders(std::vector<std::string> folders) {
  current_.ColorFolders = std::move(folders);
  places_.reset();
  places_ = std::make_unique<ScopedProfilePlaces>(current_);
}

ImageObject* AddImage(LayoutDocument& document, uint32_t colorSpace) {
  ImageObject* image = ImageObjectNew(document.DefaultImageSettings, &document.Objects);
  if (!image) return nullptr;
  image->Owner = &document;
  image->ColorSpace = colorSpace;
  image->ImageSrcManagementMode = 0;
  image->ImageSrcUseEmbedProfile = 0;
  return image;
}

BitmapPtr BitmapOf(const std::vector<uint8_t>& bgrx, int32_t width, int32_t height) {
  BitmapPtr bitmap = OffscreenBitmapNew(width, height);
  if (bitmap && bgrx.size() == bitmap->ByteSize()) std::copy(bgrx.begin(), bgrx.end(), bitmap->Pixels.get());
  return bitmap;
}

BitmapPtr TestPattern(int32_t* width, int32_t* height) {
  // A 9 x 9 x 9 cube of colours, then grey and primary ramps.
  std::vector<uint8_t> pixels;
  auto add = [&](int r, int g, int b) {
    pixels.push_back(uint8_t(b));
    pixels.push_back(uint8_t(g));
    pixels.push_back(uint8_t(r));
    pixels.push_back(uint8_t((r * 7 + g * 3 + b) & 0xFF));  // a marker in the fourth byte
  };
  for (int r = 0; r <= 256; r += 32)
    for (int g = 0; g <= 256; g += 32)
      for (int b = 0; b <= 256; b += 32) add(std::min(r, 255), std::min(g, 255), std::min(b, 255));
  for (int v = 0; v < 256; v += 5) {
    add(v, v, v);
    add(v, 0, 0);
    add(0, v, 0);
    add(0, 0, v);
  }
  const int32_t w = 32;
  while (pixels.size() % (size_t(w) * 4) != 0) add(128, 128, 128);
  const int32_t h = int32_t(pixels.size() / (size_t(w) * 4));
  if (width) *width = w;
  if (height) *height = h;
  return BitmapOf(pixels, w, h);
}

}  // namespace tl::test
