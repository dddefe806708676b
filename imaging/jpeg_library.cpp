#include "imaging/jpeg_library.h"

namespace tl {
namespace {

// Memory the library may take for one image (progressive files keep every
// coefficient); beyond it a file fails instead of exhausting the machine.
constexpr long kJpegMemoryLimit = 768L * 1024 * 1024;
// Real progressive files have a dozen scans; thousands only waste time.
constexpr int kMaxScans = 1000;

void JumpBack(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrorManager*>(info->err);
  longjmp(errors->jump, 1);
}

void StaySilent(j_common_ptr) {}

void InitErrors(JpegErrorManager& errors) {
  jpeg_std_error(&errors.pub);
  errors.pub.error_exit = JumpBack;
  errors.pub.output_message = StaySilent;
}

void LimitScans(j_common_ptr info) {
  if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) {
    info->err->msg_code = JERR_NOTIMPL;
    info->err->error_exit(info);
  }
}

}  // namespace

JpegDecompressor::JpegDecompressor() : errors_{}, progress_{}, info_{} {
  InitErrors(errors_);
  info_.err = &errors_.pub;
  jpeg_create_decompress(&info_);
  info_.mem->max_memory_to_use = kJpegMemoryLimit;
  progress_.progress_monitor = LimitScans;
  info_.progress = &progress_;
}

JpegDecompressor::~JpegDecompressor() { jpeg_destroy_decompress(&info_); }

JpegCompressor::JpegCompressor() : errors_{}, info_{} {
  InitErrors(errors_);
  info_.err = &errors_.pub;
  jpeg_create_compress(&info_);
}

JpegCompressor::~JpegCompressor() { jpeg_destroy_compress(&info_); }

unsigned JpegScaleDenominator(unsigned imageWidth, unsigned requestedWidth) {
  if (requestedWidth == 0) return 1;
  const unsigned ratio = imageWidth / requestedWidth;
  if (ratio >= 8) return 8;
  if (ratio >= 4) return 4;
  if (ratio >= 2) return 2;
  return 1;
}

}  // namespace tl
