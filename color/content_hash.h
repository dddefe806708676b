// A 64-bit FNV-1a hash of a byte block: names profile contents (the kept
// screen profile, profiles read from memory in the transform cache).
#pragma once

#include <cstddef>
#include <cstdint>

namespace tl {

inline uint64_t ContentHash(const uint8_t* bytes, size_t size) {
  uint64_t hash = 14695981039346656037ull;
  for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
  return hash;
}

}  // namespace tl
