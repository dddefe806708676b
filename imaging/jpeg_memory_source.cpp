// A libjpeg source over a buffer in memory.
#include <algorithm>
#include <cstring>

#include "imaging/jpeg_library.h"

namespace tl {
namespace {

constexpr size_t kPieceBytes = 4096;

struct MemorySource {
  jpeg_source_mgr pub;
  const unsigned char* data;
  size_t size;
  size_t next;  // first byte not yet handed over
  JOCTET* piece;
  bool started;
};

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr info) {
  auto* src = reinterpret_cast<MemorySource*>(info->src);
  src->next = 0;
  src->started = false;
}

boolean FillInputBuffer(j_decompress_ptr info) {
  auto* src = reinterpret_cast<MemorySource*>(info->src);
  const size_t count = std::min(kPieceBytes, src->size - src->next);
  if (count == 0) {
    if (!src->started) ERREXIT(info, JERR_INPUT_EMPTY);
    WARNMS(info, JWRN_JPEG_EOF);
    src->pub.next_input_byte = kEndOfImage;
    src->pub.bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
  }
  std::memcpy(src->piece, src->data + src->next, count);
  src->next += count;
  src->started = true;
  src->pub.next_input_byte = src->piece;
  src->pub.bytes_in_buffer = count;
  return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  auto* src = reinterpret_cast<MemorySource*>(info->src);
  size_t left = size_t(count);
  while (left > src->pub.bytes_in_buffer) {
    left -= src->pub.bytes_in_buffer;
    FillInputBuffer(info);  // supplies the end marker when the data is used up
    if (src->pub.next_input_byte == kEndOfImage) return;
  }
  src->pub.next_input_byte += left;
  src->pub.bytes_in_buffer -= left;
}

void TermSource(j_decompress_ptr) {}

}  // namespace

void UseMemorySource(j_decompress_ptr info, const unsigned char* data, size_t size) {
  auto* src = static_cast<MemorySource*>(
      info->mem->alloc_small(reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, sizeof(MemorySource)));
  src->piece = static_cast<JOCTET*>(
      info->mem->alloc_small(reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, kPieceBytes));
  src->pub.init_source = InitSource;
  src->pub.fill_input_buffer = FillInputBuffer;
  src->pub.skip_input_data = SkipInputData;
  src->pub.resync_to_restart = jpeg_resync_to_restart;
  src->pub.term_source = TermSource;
  src->pub.bytes_in_buffer = 0;
  src->pub.next_input_byte = nullptr;
  src->data = data;
  src->size = data ? size : 0;
  src->next = 0;
  src->started = false;
  info->src = &src->pub;
}

}  // namespace tl
