// Transforms kept between conversions. Building a transform through a LUT
// profile costs far more than converting a preview, and one layout converts
// many images through the same chain; a transform is kept under a key that
// names its profiles (by file, size and time, or by content), intents and
// pixel formats, and the least recently used one is dropped first.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <type_traits>
#include <utility>

#include "color/lcms_handles.h"

namespace tl {

using SharedTransform = std::shared_ptr<std::remove_pointer_t<cmsHTRANSFORM>>;

class TransformCache {
 public:
  static constexpr size_t kCapacity = 8;

  // The process-wide cache.
  static TransformCache& Shared();

  // The transform kept under `key`, or null.
  SharedTransform Find(const std::string& key);
  void Keep(const std::string& key, SharedTransform transform);
  void Clear();
  size_t Size() const;

 private:
  mutable std::mutex mutex_;
  std::list<std::pair<std::string, SharedTransform>> entries_;  // most recent first
};

}  // namespace tl
