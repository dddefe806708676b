// Speed of the layout engine: the arrangement pass over large layouts, a
// long series of added images (Get Image without decoding) with and without
// the undo store, and the undo snapshots themselves.
#include <benchmark/benchmark.h>

#include "document/layout_document.h"
#include "document/undo_store.h"
#include "layout/add_image.h"
#include "layout/arrange.h"
#include "layout/edit_services.h"
#include "layout/image_geometry.h"

namespace tl {
namespace {

// Small pictures of assorted shapes, many to a row: 100,000 of them still
// fit the 50 pages of an A4 layout.
DocumentPtr ManySmallImages(int count, int16_t vertical) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->AlignHorizontalSpacing = 10;
  d->AlignVerticalSpacing = 10;
  d->AlignVertical = vertical;
  // Linked through a tail of our own: appending to the list one by one
  // would walk it every time.
  LayoutObject** link = &d->Objects.Head;
  for (int i = 0; i < count; ++i) {
    ImageObject* image = ImageObjectNew(d->DefaultImageSettings, nullptr);
    image->ObjectRole = kRoleListMember;
    image->Size = {30 + (i * 7) % 31, 30 + (i * 13) % 31};
    *link = image;
    link = &image->Next;
  }
  return d;
}

void ArrangeMany(benchmark::State& state, int16_t vertical) {
  DocumentPtr d = ManySmallImages(int(state.range(0)), vertical);
  for (auto _ : state) {
    ArrangeLayout(*d);
    benchmark::DoNotOptimize(d->PageNumber);
  }
  state.counters["pages"] = d->PageNumber;
  state.counters["fits"] = LayoutFits(*d);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ArrangeLayout(benchmark::State& state) { ArrangeMany(state, kAlignTop); }
void BM_ArrangeLayoutCentredPages(benchmark::State& state) { ArrangeMany(state, kAlignMiddle); }

// The floor under every pass: visiting each object of the list once. Where
// the list outgrows the processor's caches this alone grows faster than the
// number of objects.
void BM_ListWalk(benchmark::State& state) {
  DocumentPtr d = ManySmallImages(int(state.range(0)), kAlignTop);
  for (auto _ : state) {
    int64_t redraws = 0;
    for (const LayoutObject* o : d->Objects) redraws += o->NeedsRedraw;
    benchmark::DoNotOptimize(redraws);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Default-sized images far beyond the page budget: most rows pile up.
void BM_ArrangeLayoutOverflowing(benchmark::State& state) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  for (int i = 0; i < state.range(0); ++i) ImageObjectNew(d->DefaultImageSettings, &d->Objects);
  for (auto _ : state) ArrangeLayout(*d);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

ImageToAdd AssortedFile(int i) {
  ImageToAdd file;
  file.Path = "/photos/series/img.jpg";
  file.Desc = ImageDescBlock(ImageDescBlock::kBasicSize);
  file.Desc.SetWidth(uint16_t(300 + (i * 397) % 1400));
  file.Desc.SetHeight(uint16_t(300 + (i * 611) % 1300));
  file.Desc.SetHResolution(300);
  file.Desc.SetVResolution(300);
  return file;
}

// How the adds of a series reach the undo store.
enum class SeriesUndo {
  kNone,          // services without undo: the engine alone
  kGetImage,      // Get Image's snapshot before the loop covers every add
  kDropped,       // the first add's snapshot covers the rest
  kSnapshotEach,  // a snapshot of the whole list before every add
};

struct NoUndoServices final : LayoutServices {
  bool RecordUndo(LayoutDocument&, int16_t) override { return true; }
  void SetUndoChangeCode(int16_t) override {}
  void RestoreUndo(LayoutDocument&) override {}
  int16_t UndoChangeCode(const LayoutDocument&) override { return kUndoNone; }
};

// Never sees a series under way, so every add takes its own snapshot.
struct SnapshotEachServices final : LayoutServices {
  int16_t UndoChangeCode(const LayoutDocument&) override { return kUndoNone; }
};

LayoutServices& ServicesFor(SeriesUndo undo) {
  static NoUndoServices none;
  static SnapshotEachServices each;
  if (undo == SeriesUndo::kNone) return none;
  if (undo == SeriesUndo::kSnapshotEach) return each;
  return NoLayoutServices();
}

// Adding images one after another as Get Image does, with or without the
// session that a series keeps.
void AddSeries(benchmark::State& state, bool withSession, SeriesUndo undo) {
  const int count = int(state.range(0));
  std::vector<ImageToAdd> files;
  for (int i = 0; i < count; ++i) files.push_back(AssortedFile(i));
  LayoutServices& services = ServicesFor(undo);
  for (auto _ : state) {
    state.PauseTiming();
    DocumentPtr d(DocumentNew(nullptr, nullptr));
    d->DefaultImageSettings->SizeMethod = kSizeRelative;
    d->DefaultImageSettings->SizeRelative = {120, 120};  // 12 %
    ImageAddSession session;
    UndoClear();
    state.ResumeTiming();
    if (undo == SeriesUndo::kGetImage) UndoRecord(*d, kUndoGetImages);
    for (const ImageToAdd& file : files) {
      if (!AddImageFile(*d, file, services, withSession ? &session : nullptr)) {
        state.SkipWithError("an image was refused");
        break;
      }
    }
    state.PauseTiming();
    state.counters["pages"] = d->PageNumber;
    d.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void BM_AddImageSeries(benchmark::State& state) { AddSeries(state, true, SeriesUndo::kNone); }
void BM_AddImageSeriesWithoutSession(benchmark::State& state) { AddSeries(state, false, SeriesUndo::kNone); }
void BM_AddImageSeriesGetImageUndo(benchmark::State& state) { AddSeries(state, true, SeriesUndo::kGetImage); }
void BM_AddImageSeriesDroppedUndo(benchmark::State& state) { AddSeries(state, true, SeriesUndo::kDropped); }
void BM_AddImageSeriesSnapshotEachAdd(benchmark::State& state) {
  AddSeries(state, true, SeriesUndo::kSnapshotEach);
}

// One snapshot of a long layout, as dragging or a dialog takes it, and the
// undo of a whole Get Image series.
void BM_UndoRecordSnapshot(benchmark::State& state) {
  DocumentPtr d = ManySmallImages(int(state.range(0)), kAlignTop);
  for (auto _ : state) benchmark::DoNotOptimize(UndoRecord(*d, kUndoImageGeometry));
  UndoClear();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_UndoGetImageSeries(benchmark::State& state) {
  const int count = int(state.range(0));
  std::vector<ImageToAdd> files;
  for (int i = 0; i < count; ++i) files.push_back(AssortedFile(i));
  LayoutEditServices edit;
  for (auto _ : state) {
    state.PauseTiming();
    DocumentPtr d(DocumentNew(nullptr, nullptr));
    d->DefaultImageSettings->SizeMethod = kSizeRelative;
    d->DefaultImageSettings->SizeRelative = {120, 120};
    UndoRecord(*d, kUndoGetImages);
    ImageAddSession session;
    for (const ImageToAdd& file : files) AddImageFile(*d, file, NoLayoutServices(), &session);
    state.ResumeTiming();
    UndoRestore(*d, edit);
    state.PauseTiming();
    if (!d->Objects.Empty()) state.SkipWithError("the series was not undone");
    d.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
}

BENCHMARK(BM_ArrangeLayout)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ArrangeLayoutCentredPages)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListWalk)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ArrangeLayoutOverflowing)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddImageSeries)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddImageSeriesWithoutSession)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddImageSeriesGetImageUndo)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddImageSeriesDroppedUndo)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddImageSeriesSnapshotEachAdd)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRecordSnapshot)->Arg(5000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoGetImageSeries)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tl

BENCHMARK_MAIN();
