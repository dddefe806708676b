// Working buffers that report a failed allocation as null instead of
// throwing, for the readers whose sizes come from the file.
#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace tl {

template <typename T>
using Buffer = std::unique_ptr<T[]>;

// `count` zero-filled elements; null when memory cannot be had.
template <typename T>
Buffer<T> NewBuffer(size_t count) {
  return Buffer<T>(new (std::nothrow) T[count ? count : 1]());
}

}  // namespace tl
