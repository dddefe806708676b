// A libjpeg source reading a file in pieces of a chosen size. Decoding
// wants large pieces: the library's own file source reads 4096 bytes at a
// time, which keeps its Huffman decoder off its fast path for much of a big
// picture. Header reading wants small ones, so that it stops close to the
// start of the scan. Markers that are not wanted are skipped with a seek.
#include <cstdio>

#include "imaging/jpeg_library.h"

namespace tl {
namespace {

struct FileSource {
  jpeg_source_mgr pub;
  FILE* file;
  JOCTET* piece;
  size_t pieceBytes;
  bool started;
};

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr info) { reinterpret_cast<FileSource*>(info->src)->started = false; }

boolean FillInputBuffer(j_decompress_ptr info) {
  auto* src = reinterpret_cast<FileSource*>(info->src);
  const size_t count = std::fread(src->piece, 1, src->pieceBytes, src->file);
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
  auto* src = reinterpret_cast<FileSource*>(info->src);
  if (size_t(count) <= src->pub.bytes_in_buffer) {
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= size_t(count);
    return;
  }
  const long beyond = count - long(src->pub.bytes_in_buffer);
  src->pub.bytes_in_buffer = 0;
  // A seek past the end is found out by the next read.
  if (std::fseek(src->file, beyond, SEEK_CUR) != 0) FillInputBuffer(info);
}

void TermSource(j_decompress_ptr) {}

}  // namespace

void UseFileSource(j_decompress_ptr info, FILE* file, size_t pieceBytes) {
  auto* src = static_cast<FileSource*>(
      info->mem->alloc_small(reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, sizeof(FileSource)));
  src->piece = static_cast<JOCTET*>(
      info->mem->alloc_small(reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, pieceBytes));
  src->pub.init_source = InitSource;
  src->pub.fill_input_buffer = FillInputBuffer;
  src->pub.skip_input_data = SkipInputData;
  src->pub.resync_to_restart = jpeg_resync_to_restart;
  src->pub.term_source = TermSource;
  src->pub.bytes_in_buffer = 0;
  src->pub.next_input_byte = nullptr;
  src->file = file;
  src->pieceBytes = pieceBytes;
  src->started = false;
  info->src = &src->pub;
}

}  // namespace tl
