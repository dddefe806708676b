#include "color/transform_cache.h"

namespace tl {

TransformCache& TransformCache::Shared() {
  static TransformCache cache;
  return cache;
}

SharedTransform TransformCache::Find(const std::string& key) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->first != key) continue;
    entries_.splice(entries_.begin(), entries_, it);
    return entries_.front().second;
  }
  return nullptr;
}

void TransformCache::Keep(const std::string& key, SharedTransform transform) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto it = entries_.begin(); it != entries_.end(); ++it)
    if (it->first == key) {
      entries_.erase(it);
      break;
    }
  entries_.emplace_front(key, std::move(transform));
  if (entries_.size() > kCapacity) entries_.pop_back();
}

void TransformCache::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.clear();
}

size_t TransformCache::Size() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return entries_.size();
}

}  // namespace tl
