// The libjpeg sources of the program: a file read in pieces of a chosen
// size, and data in memory handed over in pieces of 4096 bytes.
//
// Decoding wants large file pieces: the library's own file source reads
// 4096 bytes at a time, which keeps its Huffman decoder off its fast path
// for much of a big picture. Header reading wants small ones, so that it
// stops close to the start of the scan. Markers that are not wanted are
// skipped with a seek. Both sources end data that stops before the image
// does with the library's premature-end warning and an end-of-image marker.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "imaging/jpeg_library.h"

namespace tl {
namespace {

constexpr size_t kMemoryPieceBytes = 4096;

struct Source {
  jpeg_source_mgr pub;
  FILE* file;                 // null for data in memory
  const unsigned char* data;  // data in memory and its size
  size_t size;
  size_t next;  // first byte of `data` not yet handed over
  JOCTET* piece;
  size_t pieceBytes;
  bool started;
};

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

Source* SourceOf(j_decompress_ptr info) { return reinterpret_cast<Source*>(info->src); }

void InitSource(j_decompress_ptr info) {
  SourceOf(info)->started = false;
  SourceOf(info)->next = 0;
}

boolean FillInputBuffer(j_decompress_ptr info) {
  Source* src = SourceOf(info);
  size_t count = 0;
  if (src->file) {
    count = std::fread(src->piece, 1, src->pieceBytes, src->file);
  } else {
    count = std::min(src->pieceBytes, src->size - src->next);
    if (count) std::memcpy(src->piece, src->data + src->next, count);
    src->next += count;
  }
  if (count == 0) {
    if (!src->started) ERREXIT(info, JERR_INPUT_EMPTY);
    WARNMS(info, JWRN_JPEG_EOF);
    src->pub.next_input_byte = kEndOfImage;
    src->pub.bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
  }
  src->started = true;
  src->pub.next_input_byte = src->piece;
  src->pub.bytes_in_buffer = count;
  return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  Source* src = SourceOf(info);
  if (size_t(count) <= src->pub.bytes_in_buffer) {
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= size_t(count);
    return;
  }
  const size_t beyond = size_t(count) - src->pub.bytes_in_buffer;
  src->pub.bytes_in_buffer = 0;
  // Past the end, the next read finds out.
  if (src->file)
    std::fseek(src->file, long(beyond), SEEK_CUR);
  else
    src->next += std::min(beyond, src->size - src->next);
}

void TermSource(j_decompress_ptr) {}

Source* InstallSource(j_decompress_ptr info, size_t pieceBytes) {
  auto pool = [&](size_t bytes) {
    return info->mem->alloc_small(reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, bytes);
  };
  auto* src = static_cast<Source*>(pool(sizeof(Source)));
  std::memset(src, 0, sizeof *src);
  src->piece = static_cast<JOCTET*>(pool(pieceBytes));
  src->pieceBytes = pieceBytes;
  src->pub.init_source = InitSource;
  src->pub.fill_input_buffer = FillInputBuffer;
  src->pub.skip_input_data = SkipInputData;
  src->pub.resync_to_restart = jpeg_resync_to_restart;
  src->pub.term_source = TermSource;
  info->src = &src->pub;
  return src;
}

}  // namespace

void UseFileSource(j_decompress_ptr info, FILE* file, size_t pieceBytes) {
  InstallSource(info, pieceBytes)->file = file;
}

void UseMemorySource(j_decompress_ptr info, const unsigned char* data, size_t size) {
  Source* src = InstallSource(info, kMemoryPieceBytes);
  src->data = data;
  src->size = data ? size : 0;
}

}  // namespace tl
