#include "render/preview_decoder.h"

#include <QObject>
#include <utility>

namespace tl {
namespace {

// Two threads, so that a new picture starts at once while a superseded
// decode finishes its stage.
constexpr int kDecodeThreads = 2;

}  // namespace

PreviewDecoder::PreviewDecoder(Delivery delivery) : delivery_(std::move(delivery)), context_(new QObject) {
  pool_.setMaxThreadCount(kDecodeThreads);
}

PreviewDecoder::~PreviewDecoder() {
  Cancel();
  pool_.clear();
  pool_.waitForDone();
  context_.reset();  // what was queued for it is dropped with it
}

void PreviewDecoder::Start(std::shared_ptr<PreviewSource> source, bool colorManaged, LSize fitted) {
  const uint64_t generation = ++generation_;
  pending_ = source != nullptr;
  if (!source) return;
  pool_.clear();  // superseded requests that have not begun
  pool_.start([this, generation, source = std::move(source), colorManaged, fitted] {
    Run(generation, source, colorManaged, fitted);
  });
}

void PreviewDecoder::Cancel() {
  ++generation_;
  pending_ = false;
}

void PreviewDecoder::Run(uint64_t generation, const std::shared_ptr<PreviewSource>& source, bool colorManaged,
                         LSize fitted) {
  if (fitted.cx > 0 && fitted.cy > 0) {
    if (generation != generation_) return;
    PreviewPicture picture = DecodePreviewPicture(*source, colorManaged, &fitted);
    const bool failed = !picture.Pixels;
    Post(generation, Stage::Fitted, std::move(picture));
    if (failed) return;  // the full size fails the same way
  }
  if (generation != generation_) return;
  Post(generation, Stage::Full, DecodePreviewPicture(*source, colorManaged, nullptr));
}

void PreviewDecoder::Post(uint64_t generation, Stage stage, PreviewPicture picture) {
  auto shared = std::make_shared<PreviewPicture>(std::move(picture));
  QMetaObject::invokeMethod(
      context_.get(),
      [this, generation, stage, shared] {
        if (generation != generation_) return;
        if (stage == Stage::Full || !shared->Pixels) pending_ = false;
        delivery_(stage, *shared);
      },
      Qt::QueuedConnection);
}

}  // namespace tl
