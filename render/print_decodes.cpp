#include "render/print_decodes.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

#include "document/layout_object.h"
#include "imaging/image_loader.h"
#include "imaging/pixel_matcher.h"

namespace tl {
namespace {

constexpr unsigned kMaxWorkers = 4;

uint64_t DecodedBytes(const ImageObject& image, const std::optional<LSize>& size) {
  const uint64_t w = size ? uint64_t(std::max(size->cx, 1)) : image.ImageDesc.Width();
  const uint64_t h = size ? uint64_t(std::max(size->cy, 1)) : image.ImageDesc.Height();
  return w * h * OffscreenBitmap::kBytesPerPixel;
}

PrintDecode Decode(ImageObject& image, const std::optional<LSize>& size, PixelMatcher* matcher) {
  PrintDecode d;
  // Silent: messages are shown by the drawing thread, in drawing order.
  d.Pixels = DecodeImagePixels(image, kMatchOutput, size ? &*size : nullptr, &d.Mask, matcher, d.Message);
  return d;
}

}  // namespace

void PrintDecodes::Add(ImageObject& image, const std::optional<LSize>& size) {
  entries_.push_back({&image, size, false, PrintDecode()});
}

void PrintDecodes::DecodeBatchFrom(size_t first) {
  // The batch: from `first` on, while the pixels fit the budget (at least
  // one picture, however large).
  size_t end = first;
  uint64_t bytes = 0;
  while (end < entries_.size() && !entries_[end].decoded) {
    const uint64_t next = DecodedBytes(*entries_[end].image, entries_[end].size);
    if (end > first && bytes + next > kBatchBytes) break;
    bytes += next;
    ++end;
  }
  std::atomic<size_t> cursor{first};
  const auto work = [&] {
    for (size_t i = cursor++; i < end; i = cursor++)
      entries_[i].result = Decode(*entries_[i].image, entries_[i].size, matcher_);
  };
  const size_t count = end - first;
  const unsigned workers = std::min<unsigned>({std::max(1u, std::thread::hardware_concurrency()), kMaxWorkers,
                                               unsigned(count)});
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < workers; ++t) {
    try {
      threads.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer workers: the rest is decoded here
    }
  }
  work();
  for (std::thread& t : threads) t.join();
  for (size_t i = first; i < end; ++i) entries_[i].decoded = true;
}

PrintDecode PrintDecodes::Take(ImageObject& image, const std::optional<LSize>& size) {
  for (size_t i = 0; i < entries_.size(); ++i) {
    Entry& e = entries_[i];
    if (e.image != &image || e.size != size) continue;
    if (!e.decoded) DecodeBatchFrom(i);
    PrintDecode result = std::move(e.result);
    e.result = PrintDecode();
    return result;
  }
  return Decode(image, size, matcher_);
}

}  // namespace tl
