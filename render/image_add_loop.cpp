#include "render/image_add_loop.h"

#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

#include "document/layout_document.h"
#include "layout/add_image.h"
#include "layout/arrange.h"
#include "persistence/image_file_list.h"
#include "persistence/image_preparation.h"

namespace tl {
namespace {

// How many files may be read ahead of the adds, per worker: enough to keep
// every worker busy while the interface thread takes a file, few enough
// that only a handful of previews wait in memory.
constexpr size_t kAheadPerWorker = 2;
// The longest the loop waits for a file being read before it pumps again.
constexpr std::chrono::milliseconds kPumpInterval{10};

// The files being read on worker threads, in a window that slides along
// the list as the adds take them: file i lives in slot i % window.
class ReadAhead {
 public:
  // Without settings nothing is read ahead: every add reads its own file.
  ReadAhead(const LayoutDocument* settings, const std::vector<std::string>& files, int workers)
      : settings_(settings), files_(files), slots_(size_t(workers) * kAheadPerWorker) {
    pool_.setMaxThreadCount(workers);
  }
  ~ReadAhead() {
    Cancel();
    pool_.waitForDone();
  }
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // Starts reading the files the window has room for.
  void StartAhead() {
    const size_t end = std::min(files_.size(), taken_ + slots_.size());
    for (; started_ < end; ++started_) Start(started_);
  }

  // Waits up to `wait` for file `index`; true once it has been read.
  bool WaitFor(size_t index, std::chrono::milliseconds wait) {
    std::unique_lock<std::mutex> lock(mutex_);
    return ready_.wait_for(lock, wait, [&] { return SlotOf(index).done; });
  }

  // The preparation of file `index`, which WaitFor found read; frees its slot.
  PreparedImage Take(size_t index) {
    std::lock_guard<std::mutex> lock(mutex_);
    Slot& slot = SlotOf(index);
    PreparedImage prepared = std::move(slot.prepared);
    slot = Slot();
    taken_ = index + 1;
    return prepared;
  }

  // Drops the files not started yet; those being read finish unused.
  void Cancel() {
    cancelled_ = true;
    pool_.clear();
  }

  // Waits up to `wait` for the workers; true once none is reading.
  bool Idle(std::chrono::milliseconds wait) { return pool_.waitForDone(int(wait.count())); }

 private:
  struct Slot {
    bool done = false;
    PreparedImage prepared;
  };

  Slot& SlotOf(size_t index) { return slots_[index % slots_.size()]; }

  void Start(size_t index) {
    if (!settings_) {
      std::lock_guard<std::mutex> lock(mutex_);
      SlotOf(index).done = true;  // an empty preparation: the add reads the file
      return;
    }
    pool_.start([this, index] {
      PreparedImage prepared;
      if (!cancelled_) prepared = PrepareImageFile(*settings_, files_[index]);
      std::lock_guard<std::mutex> lock(mutex_);
      Slot& slot = SlotOf(index);
      slot.prepared = std::move(prepared);
      slot.done = true;
      ready_.notify_all();
    });
  }

  const LayoutDocument* settings_;
  const std::vector<std::string>& files_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<Slot> slots_;
  size_t started_ = 0;
  size_t taken_ = 0;
  std::atomic<bool> cancelled_{false};
  QThreadPool pool_;  // last: its threads go before the slots they fill
};

// Waits for file `index`, pumping events meanwhile; false when the stop
// request came first.
bool WaitPumping(ReadAhead& ahead, size_t index, ImageAddProgress& progress) {
  while (!ahead.WaitFor(index, kPumpInterval))
    if (progress.Pump()) return false;
  return true;
}

// One file: counted as added before the add and taken back on failure.
void AddOne(LayoutDocument& d, const std::string& path, const PreparedImage& prepared, PreparedImageServices& services,
            ImageAddSession& session, ImageAddCounts& counts, ImageAddProgress& progress) {
  ++counts.Added;
  progress.FileStarting(counts.Added, counts.Failed);
  ImageToAdd file;
  file.Path = path;
  services.Offer(&prepared);
  const bool added = AddImageFile(d, file, services, &session);
  services.Offer(nullptr);
  if (!added) {
    --counts.Added;
    --counts.Failed;
  }
  progress.FileFinished(path, added);
}

}  // namespace

ImageAddCounts AddImageFiles(LayoutDocument& d, const std::vector<std::string>& names, ImageAddProgress& progress,
                             int workers) {
  ImageAddCounts counts;
  const std::vector<std::string> files = CollectImageFiles(names);
  // The workers read from a copy of the settings, never from the document
  // the adds change.
  const DocumentPtr settings(DocumentNew(&d, nullptr));
  ReadAhead ahead(settings.get(), files, std::max(1, workers > 0 ? workers : QThread::idealThreadCount()));
  PreparedImageServices services;
  ImageAddSession session;
  for (size_t i = 0; i < files.size(); ++i) {
    ahead.StartAhead();
    if (!WaitPumping(ahead, i, progress)) {
      counts.Stopped = true;
      break;
    }
    const PreparedImage prepared = ahead.Take(i);
    AddOne(d, files[i], prepared, services, session, counts, progress);
    if (progress.Pump() && i + 1 < files.size()) {
      counts.Stopped = true;
      break;
    }
  }
  ahead.Cancel();
  while (!ahead.Idle(kPumpInterval)) progress.Pump();

  if (!d.Free) {
    services.RebuildLabels(d);
    ArrangeLayout(d);
  }
  return counts;
}

}  // namespace tl
