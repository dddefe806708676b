// Helpers of the colour tests: temporary folders, profile places pointing
// at them and at the generated application profiles, profiles made with
// LittleCMS, images in a document, and a sink that records messages.
#pragma once

#include <lcms2.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "color/lcms_handles.h"
#include "color/profile_places.h"
#include "document/layout_document.h"
#include "document/message_box.h"
#include "imaging/offscreen_bitmap.h"

namespace tl::test {

// Sets (or with null, unsets) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& Path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }
  std::string Subfolder(std::string_view name) const;  // created

 private:
  std::string path_;
};

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::string& path);
bool CopyFile(const std::string& from, const std::string& to);

// The generated application profiles of the build tree.
std::string GeneratedDataFolder();
std::string GeneratedColorFolder();        // <data>/icc
std::string GeneratedApplicationFolder();  // <data>/LabLab

// A file of the shared corpus's icc/ folder; empty when the shared folder
// is absent (the caller skips).
std::string CorpusProfile(std::string_view name);
#define TL_REQUIRE_CORPUS(path)                                                  \
  do {                                                                           \
    if ((path).empty()) GTEST_SKIP() << "shared corpus not found (TL_SHARED_DIR)"; \
  } while (0)

// The bytes of a profile made with LittleCMS.
std::vector<uint8_t> ProfileBytes(cmsHPROFILE profile);
std::vector<uint8_t> SrgbProfileBytes(const char* description = "Test sRGB");
// An RGB matrix/TRC profile with the given description and device class.
std::vector<uint8_t> RgbProfileBytes(const char* description, cmsProfileClassSignature deviceClass,
                                     double gamma = 2.2);

// Profile places of one test: colour folders `first` and `second` (made in
// a temporary folder) before the generated one, the generated application
// folder, no X display (the monitor profile is the default RGB profile) and
// a temporary cache folder.
class ColorTestPlaces {
 public:
  ColorTestPlaces();
  const std::string& First() const { return first_; }
  const std::string& Second() const { return second_; }
  const std::string& Cache() const { return cache_; }
  // Places with another application folder (to take profiles away).
  void UseApplicationFolder(const std::string& folder);
  void UseColorFolders(std::vector<std::string> folders);

 private:
  TempFolder temp_;
  std::string first_, second_, cache_;
  ScopedEnv display_;
  ScopedEnv cacheHome_;
  std::unique_ptr<ScopedProfilePlaces> places_;
  ProfilePlaces current_;
};

// Records every message shown.
class RecordingSink : public MessageSink {
 public:
  MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons, MessageAnswer headless) override {
    texts.emplace_back(text);
    icons.push_back(icon);
    return headless;
  }
  std::vector<std::string> texts;
  std::vector<MessageIcon> icons;
};

// A document with one RGB image appended (returned), default settings.
ImageObject* AddImage(LayoutDocument& document, uint32_t colorSpace = FourCC("RGB "));

// A BGRX bitmap holding `pixels` (blue, green, red, fourth byte each).
BitmapPtr BitmapOf(const std::vector<uint8_t>& bgrx, int32_t width, int32_t height);
// A test pattern: every 8-bit RGB colour of a coarse grid plus ramps, as
// BGRX with a marker in each fourth byte.
BitmapPtr TestPattern(int32_t* width = nullptr, int32_t* height = nullptr);

}  // namespace tl::test
