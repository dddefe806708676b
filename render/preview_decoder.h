// Decoding the image preview window's picture off the interface thread:
// first a picture fitted to the pane (quick, for "All"), then the picture
// at full size. A newer request supersedes an older one: the older one's
// stages that have not begun are skipped and its results never arrive.
#pragma once

#include <QThreadPool>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "render/image_preview_decode.h"

class QObject;

namespace tl {

class PreviewDecoder {
 public:
  enum class Stage { Fitted, Full };
  // Receives each stage's picture (or its failure) on the thread that made
  // the decoder, in stage order, for the latest request only.
  using Delivery = std::function<void(Stage stage, PreviewPicture& picture)>;

  explicit PreviewDecoder(Delivery delivery);
  // Drops every request and waits for a decode under way.
  ~PreviewDecoder();
  PreviewDecoder(const PreviewDecoder&) = delete;
  PreviewDecoder& operator=(const PreviewDecoder&) = delete;

  // Decodes `source`; `fitted` is the size for "All" (empty: only the full
  // size is decoded).
  void Start(std::shared_ptr<PreviewSource> source, bool colorManaged, LSize fitted);
  // Forgets the latest request.
  void Cancel();
  // Whether the latest request has not delivered its full picture yet.
  bool Pending() const { return pending_; }

 private:
  void Run(uint64_t generation, const std::shared_ptr<PreviewSource>& source, bool colorManaged, LSize fitted);
  void Post(uint64_t generation, Stage stage, PreviewPicture picture);

  Delivery delivery_;
  std::unique_ptr<QObject> context_;  // deliveries are queued to its thread
  std::atomic<uint64_t> generation_{0};
  bool pending_ = false;
  QThreadPool pool_;
};

}  // namespace tl
