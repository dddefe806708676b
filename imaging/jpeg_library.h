// The program's use of libjpeg: compression and decompression objects that
// free themselves, whose fatal errors jump back to the calling function
// instead of ending the process, and whose messages are never printed.
#pragma once

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace tl {

struct JpegErrorManager {
  jpeg_error_mgr pub;
  jmp_buf jump;
};

class JpegDecompressor {
 public:
  JpegDecompressor();
  ~JpegDecompressor();
  JpegDecompressor(const JpegDecompressor&) = delete;
  JpegDecompressor& operator=(const JpegDecompressor&) = delete;

  jpeg_decompress_struct* operator->() { return &info_; }
  jpeg_decompress_struct* get() { return &info_; }
  JpegErrorManager& Errors() { return errors_; }

 private:
  JpegErrorManager errors_;
  jpeg_progress_mgr progress_;
  jpeg_decompress_struct info_;
};

class JpegCompressor {
 public:
  JpegCompressor();
  ~JpegCompressor();
  JpegCompressor(const JpegCompressor&) = delete;
  JpegCompressor& operator=(const JpegCompressor&) = delete;

  jpeg_compress_struct* operator->() { return &info_; }
  jpeg_compress_struct* get() { return &info_; }
  JpegErrorManager& Errors() { return errors_; }

 private:
  JpegErrorManager errors_;
  jpeg_compress_struct info_;
};

// Runs `work` (a callable returning bool) and turns a library error inside
// it into a false result. A library error leaves `work` by a jump, so work
// must keep every object that has a destructor outside, in the caller's
// frame, and create none that is alive across a library call.
template <typename Work>
bool RunGuarded(JpegErrorManager& errors, Work&& work) {
  if (setjmp(errors.jump)) return false;
  return work();
}

// An open file as the decompression object's input, read in pieces of
// `pieceBytes`; unwanted markers are skipped with seeks. The end of the file
// before the end of the image is handled as for data in memory, below.
inline constexpr size_t kHeaderPieceBytes = 4096;
inline constexpr size_t kDecodePieceBytes = 64 * 1024;
void UseFileSource(j_decompress_ptr info, FILE* file, size_t pieceBytes);

// Data in memory as the decompression object's input, handed over in
// pieces of 4096 bytes. An empty buffer is a library error; data that ends
// before the image does gives the library's premature-end warning and an
// end-of-image marker, as a file source does.
void UseMemorySource(j_decompress_ptr info, const unsigned char* data, size_t size);

// 8, 4, 2 or 1: the DCT scaling that decodes at least `requestedWidth`
// pixels across from an image `imageWidth` wide.
unsigned JpegScaleDenominator(unsigned imageWidth, unsigned requestedWidth);

// The largest marker the readers save.
inline constexpr unsigned kJpegMarkerMaxLength = 0xFFFF;

}  // namespace tl
