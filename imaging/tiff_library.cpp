#include "imaging/tiff_library.h"

#include <cstdarg>
#include <cstring>
#include <algorithm>

namespace tl {
namespace {

// Far above any strip or tile of a real file.
constexpr tmsize_t kMaxSingleAllocation = tmsize_t(512) * 1024 * 1024;

int Swallow(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct OptionsCloser {
  void operator()(TIFFOpenOptions* o) const { TIFFOpenOptionsFree(o); }
};
using OptionsPtr = std::unique_ptr<TIFFOpenOptions, OptionsCloser>;

OptionsPtr QuietOptions() {
  OptionsPtr options(TIFFOpenOptionsAlloc());
  if (!options) return nullptr;
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), Swallow, nullptr);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), Swallow, nullptr);
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxSingleAllocation);
  return options;
}

TiffMemory* AsMemory(thandle_t h) { return static_cast<TiffMemory*>(h); }

tmsize_t ReadMemory(thandle_t h, void* out, tmsize_t count) {
  TiffMemory* m = AsMemory(h);
  if (count <= 0 || m->Position >= m->Size) return 0;
  const toff_t n = std::min<toff_t>(toff_t(count), m->Size - m->Position);
  std::memcpy(out, m->Data + m->Position, size_t(n));
  m->Position += n;
  return tmsize_t(n);
}

tmsize_t WriteMemory(thandle_t, void*, tmsize_t) { return 0; }

toff_t SeekMemory(thandle_t h, toff_t offset, int whence) {
  TiffMemory* m = AsMemory(h);
  toff_t base = 0;
  if (whence == SEEK_CUR) base = m->Position;
  if (whence == SEEK_END) base = m->Size;
  m->Position = base + offset;  // reads past the end return nothing
  return m->Position;
}

int CloseMemory(thandle_t) { return 0; }

toff_t MemorySize(thandle_t h) { return AsMemory(h)->Size; }

int MapMemory(thandle_t h, void** base, toff_t* size) {
  // The handle is opened for reading only, so libtiff never writes here.
  *base = const_cast<uint8_t*>(AsMemory(h)->Data);
  *size = AsMemory(h)->Size;
  return 1;
}

void UnmapMemory(thandle_t, void*, toff_t) {}

}  // namespace

TiffPtr OpenTiffFile(const std::string& path) {
  OptionsPtr options = QuietOptions();
  if (!options) return nullptr;
  return TiffPtr(TIFFOpenExt(path.c_str(), "r", options.get()));
}

TiffPtr OpenTiffMemory(TiffMemory& memory) {
  OptionsPtr options = QuietOptions();
  if (!options || !memory.Data || memory.Size == 0) return nullptr;
  memory.Position = 0;
  return TiffPtr(TIFFClientOpenExt("memory", "r", &memory, ReadMemory, WriteMemory, SeekMemory, CloseMemory,
                                   MemorySize, MapMemory, UnmapMemory, options.get()));
}

}  // namespace tl
