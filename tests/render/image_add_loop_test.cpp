// The add loop of Get Image, drops and hand-over lists, measured against
// the same files added one after another on one thread: the same objects
// (every field, the preview pixels), the same messages in the same order,
// the counts the status line shows, an early stop that leaves a consistent
// layout, and prepared files that do not fit the add read the file again.
#include "render/image_add_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/layout_document.h"
#include "document/message_box.h"
#include "document/undo_store.h"
#include "imaging/format_image_item.h"
#include "layout/add_image.h"
#include "layout/arrange.h"
#include "layout/image_geometry.h"
#include "layout/orientation.h"
#include "persistence/image_file_list.h"
#include "persistence/image_preparation.h"
#include "persistence/image_services.h"
#include "tests/document/document_compare.h"
#include "tests/document/document_fixtures.h"
#include "tests/imaging/extended_fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::ExifBuilder;

constexpr int kApp1 = 0xE1, kApp5 = 0xE5;
constexpr uint16_t kTagMake = 271, kTagExifVersion = 36864, kTagColorSpace = 40961;
constexpr int kLoopWorkers = 3;

Bytes Jpeg(int width, int height, std::vector<std::pair<int, Bytes>> markers = {}, int dpi = 72) {
  test::JpegRecipe recipe;
  recipe.Width = width;
  recipe.Height = height;
  recipe.XDensity = recipe.YDensity = dpi;
  recipe.Markers = std::move(markers);
  return test::MakeJpeg(recipe);
}

// A camera file: Exif with a thumbnail the preview is made of; reading it
// learns the Exif fields the header reader leaves for later.
Bytes CameraJpeg() {
  ExifBuilder exif(false);
  exif.Ascii(ExifBuilder::kIfd0, kTagMake, "Lumen Optics");
  exif.Undefined(ExifBuilder::kExifIfd, kTagExifVersion, {'0', '2', '2', '0'});
  exif.Short(ExifBuilder::kExifIfd, kTagColorSpace, 1);
  exif.Thumbnail(Jpeg(40, 30));
  return Jpeg(160, 120, {{kApp1, exif.App1()}});
}

// A file with a capture record only: its preview goes through capture
// matching, which settles the image's management mode.
Bytes CaptureJpeg() { return Jpeg(160, 120, {{kApp5, test::CaptureRecordMarker(2, 0, 255, 150, 135, 0)}}); }

// An 8-bit bitmap with a gray palette: a colour image by its header, gray
// once its preview has been seen.
Bytes GrayBmp() {
  test::BmpRecipe recipe;
  recipe.Width = 60;
  recipe.Height = 40;
  recipe.Bits = 8;
  for (uint32_t i = 0; i < 256; ++i) recipe.Palette.push_back(i * 0x010101);
  recipe.Pixel = [](int x, int y) { return uint32_t((x * 3 + y * 5) & 0xFF); };
  return test::MakeBmp(recipe);
}

// A JPEG whose header reads but whose scan asks for a Huffman table the
// file never defines, so no preview can be made.
Bytes BrokenJpeg() {
  Bytes bytes = Jpeg(120, 90);
  const uint8_t sos[] = {0xFF, 0xDA};
  const auto at = std::search(bytes.begin(), bytes.end(), std::begin(sos), std::end(sos));
  at[6] = 0x33;  // the first component's DC and AC tables
  return bytes;
}

Bytes CutOutPng() {
  test::PngRecipe recipe;
  recipe.Width = 48;
  recipe.Height = 32;
  recipe.ColorType = 6;
  recipe.Sample = [](int x, int y, int c) { return c == 3 ? uint32_t(x < 24 ? 0 : 255) : uint32_t(x * 5 + y + c); };
  return test::MakePng(recipe);
}

// The names a user picks: a folder of assorted files (with a sub-folder,
// a file that is no image, one that does not decode, one whose relative
// box is too large) and, after it, one more file.
struct PickedFiles {
  test::TempFolder dir;
  std::vector<std::string> names;

  PickedFiles() {
    const fs::path pick = fs::path(dir.Path()) / "pick";
    fs::create_directories(pick / "g_sub");
    Write(pick / "a_camera.jpg", CameraJpeg());
    Write(pick / "b_gray.bmp", GrayBmp());
    Write(pick / "c_notes.txt", Bytes{'n', 'o', 't', 'e', 's', '\n'});
    Write(pick / "d_large.jpg", Jpeg(1200, 900));  // slow enough that later files finish first
    Write(pick / "e_tiny_dpi.jpg", Jpeg(160, 120, {}, 1));
    Write(pick / "f_broken.jpg", BrokenJpeg());
    test::TiffRecipe tiff;
    tiff.Sample = [](int x, int y, int c) { return uint32_t((x * 6 + y * 3 + c * 40) & 0xFF); };
    EXPECT_TRUE(test::WriteTiff((pick / "g_sub/h_still.tif").string(), tiff));
    Write(pick / "g_sub/i_cutout.png", CutOutPng());
    Write(pick / "j_portrait.jpg", Jpeg(90, 160));
    const fs::path capture = fs::path(dir.Path()) / "capture.jpg";
    Write(capture, CaptureJpeg());
    names = {pick.string(), capture.string()};
  }
  static void Write(const fs::path& path, const Bytes& bytes) { EXPECT_TRUE(test::WriteBytes(path.string(), bytes)); }
};

// Document settings the adds are tried under.
struct Setting {
  const char* name;
  bool relativeSize;
  int16_t autoRotation;
  int32_t labelItems;
  bool free;
};
const Setting kSettings[] = {
    {"defaults", false, kAutoRotationOff, 0, false},
    {"relative boxes, turned, every label item", true, kWidthwaysClockwise, (1 << kImageItemCount) - 1, false},
    {"free layout", false, kAutoRotationExif, 0x3, true},
};

DocumentPtr NewDocument(const Setting& s) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->Free = s.free ? 1 : 0;
  d->AutoRotation = s.autoRotation;
  d->DefaultImageSettings->LabelItems = s.labelItems;
  if (s.relativeSize) {
    d->DefaultImageSettings->SizeMethod = kSizeRelative;
    d->DefaultImageSettings->SizeRelative = {kRelativeFull, kRelativeFull};
  }
  return d;
}

// The loop's caller: the snapshot for the series first, as Get Image takes it.
void StartSeries(LayoutDocument& d) {
  ResetUndoStore();
  ASSERT_TRUE(UndoRecord(d, kUndoGetImages));
}

// What a plain Get Image did before the loop: each file added in turn with
// the import services, then the renumbering and arrangement.
void AddOneByOne(LayoutDocument& d, const std::vector<std::string>& names) {
  ImageImportServices services;
  ImageAddSession session;
  for (const std::string& path : CollectImageFiles(names)) {
    ImageToAdd file;
    file.Path = path;
    AddImageFile(d, file, services, &session);
  }
  if (!d.Free) {
    services.RebuildLabels(d);
    ArrangeLayout(d);
  }
}

int ImageCount(const LayoutDocument& d) {
  int count = 0;
  for (const LayoutObject* o : d.Objects) count += IsImage(o);
  return count;
}

// Records what the loop reports; from the `stopAfter`th pump on it asks to
// stop.
struct RecordingProgress : ImageAddProgress {
  std::vector<std::pair<int32_t, int32_t>> starts;
  std::vector<std::string> finished;
  int pumps = 0;
  int stopAfter = 0;

  void FileStarting(int32_t added, int32_t failed) override { starts.emplace_back(added, failed); }
  void FileFinished(const std::string& path, bool added) override {
    finished.push_back(fs::path(path).filename().string() + (added ? "" : " (failed)"));
  }
  bool Pump() override { return ++pumps >= stopAfter && stopAfter > 0; }
};

bool SameBitmap(const std::shared_ptr<OffscreenBitmap>& a, const std::shared_ptr<OffscreenBitmap>& b) {
  if (!a || !b) return !a && !b;
  return a->Width == b->Width && a->Height == b->Height && std::memcmp(a->Pixels.get(), b->Pixels.get(), a->ByteSize()) == 0;
}

// Every object of `b` against its counterpart in `a`, field by field, with
// the pictures compared by their pixels.
::testing::AssertionResult SameObjects(const LayoutDocument& a, const LayoutDocument& b) {
  std::vector<const LayoutObject*> x, y;
  for (const LayoutObject* o : a.Objects) x.push_back(o);
  for (const LayoutObject* o : b.Objects) y.push_back(o);
  if (x.size() != y.size())
    return ::testing::AssertionFailure() << x.size() << " objects against " << y.size();
  fixtures::Differences diff;
  fixtures::CompareDocumentValues(diff, a, b);
  for (size_t i = 0; i < x.size(); ++i) {
    const std::string n = "object " + std::to_string(i) + ".";
    std::unique_ptr<LayoutObject> copy(ObjectClone(*y[i]));
    copy->Owner = x[i]->Owner;
    diff.Check(n + "NeedsRedraw", x[i]->NeedsRedraw, y[i]->NeedsRedraw);
    const ImageObject* p = AsImage(x[i]);
    ImageObject* q = AsImage(copy.get());
    if (p && q) {
      diff.Check(n + "preview pixels", true, SameBitmap(p->Preview, q->Preview));
      diff.Check(n + "mask pixels", true, SameBitmap(p->PreviewMask, q->PreviewMask));
      diff.Check(n + "ColorSpace", p->ColorSpace, q->ColorSpace);
      diff.Check(n + "BitsPerPixel", p->BitsPerPixel, q->BitsPerPixel);
      diff.Check(n + "HasEmbeddedProfile", p->HasEmbeddedProfile, q->HasEmbeddedProfile);
      diff.Check(n + "PictureSize", p->PictureSize, q->PictureSize);
      q->Preview = p->Preview;
    }
    fixtures::CompareObjects(diff, n, *x[i], *copy);
  }
  if (diff.Empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << diff.Text();
}

std::vector<std::string> Texts(const fixtures::RecordingSink& sink) {
  std::vector<std::string> texts;
  for (const auto& shown : sink.shown) texts.push_back(shown.text);
  return texts;
}

class ImageAddLoopTest : public ::testing::Test {
 protected:
  ~ImageAddLoopTest() override { ResetUndoStore(); }

  PickedFiles files_;
  BuiltInFormatImporter importer_;
  BuiltInCaptureMatcher matcher_;
  test::ScopedExtensions extensions_{&importer_, &matcher_};
  fixtures::RecordingSink sink_;
  ScopedMessageSink sinkScope_{&sink_};
};

TEST_F(ImageAddLoopTest, MakesTheDocumentThatAddingTheFilesOneByOneMakes) {
  for (const Setting& s : kSettings) {
    SCOPED_TRACE(s.name);
    DocumentPtr serial = NewDocument(s);
    StartSeries(*serial);
    sink_.shown.clear();
    AddOneByOne(*serial, files_.names);
    const std::vector<std::string> serialMessages = Texts(sink_);

    DocumentPtr looped = NewDocument(s);
    StartSeries(*looped);
    sink_.shown.clear();
    RecordingProgress progress;
    const ImageAddCounts counts = AddImageFiles(*looped, files_.names, progress, kLoopWorkers);

    EXPECT_TRUE(SameObjects(*serial, *looped));
    EXPECT_EQ(Texts(sink_), serialMessages);
    EXPECT_FALSE(counts.Stopped);
    EXPECT_EQ(counts.Added, ImageCount(*serial));
    EXPECT_EQ(counts.Added - counts.Failed, int32_t(CollectImageFiles(files_.names).size()));
  }
}

// The adds take what the workers read: a file removed just before its add
// (after the worker read it) is added all the same.
TEST_F(ImageAddLoopTest, AddsWhatTheWorkersReadAhead) {
  struct RemovingProgress final : RecordingProgress {
    std::vector<std::string> files;
    void FileStarting(int32_t added, int32_t failed) override {
      fs::remove(files.at(starts.size()));
      RecordingProgress::FileStarting(added, failed);
    }
  } progress;
  progress.files = CollectImageFiles(files_.names);
  DocumentPtr d = NewDocument(kSettings[0]);
  StartSeries(*d);
  const ImageAddCounts counts = AddImageFiles(*d, files_.names, progress, kLoopWorkers);
  EXPECT_EQ(counts.Added, 8);  // all but the notes and the broken file
  EXPECT_EQ(counts.Failed, -2);
  EXPECT_EQ(ImageCount(*d), 8);
  for (const LayoutObject* o : d->Objects) {
    if (const ImageObject* image = AsImage(o)) {
      EXPECT_TRUE(image->Preview) << image->ImagePath;
    }
  }
}

// Messages come in file order, whenever a worker finished: the file whose
// box is out of range (refused by the add itself) speaks before the broken
// one after it, which a worker read while the large one still decoded.
TEST_F(ImageAddLoopTest, ShowsEachFilesMessagesInFileOrder) {
  DocumentPtr d = NewDocument(kSettings[1]);
  StartSeries(*d);
  RecordingProgress progress;
  const ImageAddCounts counts = AddImageFiles(*d, files_.names, progress, kLoopWorkers);

  EXPECT_EQ(Texts(sink_), (std::vector<std::string>{"The image size is out of range.", "Not supported file."}));
  EXPECT_EQ(progress.finished,
            (std::vector<std::string>{"a_camera.jpg", "b_gray.bmp", "c_notes.txt (failed)", "d_large.jpg",
                                      "e_tiny_dpi.jpg (failed)", "f_broken.jpg (failed)", "h_still.tif",
                                      "i_cutout.png", "j_portrait.jpg", "capture.jpg"}));
  EXPECT_EQ(counts.Added, 7);
  EXPECT_EQ(counts.Failed, -3);
}

// A is counted up before each add and back down when it fails, B down by
// one per failure: the values the status line shows while loading.
TEST_F(ImageAddLoopTest, CountsAddedAndFailedFilesAsTheStatusShowsThem) {
  DocumentPtr d = NewDocument(kSettings[0]);
  StartSeries(*d);
  RecordingProgress progress;
  AddImageFiles(*d, files_.names, progress, kLoopWorkers);
  // The notes (third) and the broken file (sixth) fail.
  const std::vector<std::pair<int32_t, int32_t>> expected = {{1, 0}, {2, 0}, {3, 0}, {3, -1}, {4, -1},
                                                             {5, -1}, {5, -2}, {6, -2}, {7, -2}, {8, -2}};
  EXPECT_EQ(progress.starts, expected);
}

// The stop request ends the loop: after the third file, or while it still
// waits for the first. What was added stays, numbered and arranged, and the
// workers are done when the loop returns.
TEST_F(ImageAddLoopTest, StopsEarlyAndLeavesAConsistentLayout) {
  for (const int stopAfter : {1, 3}) {
    SCOPED_TRACE(stopAfter);
    DocumentPtr d = NewDocument(kSettings[0]);
    StartSeries(*d);
    RecordingProgress progress;
    progress.stopAfter = stopAfter;
    const ImageAddCounts counts = AddImageFiles(*d, files_.names, progress, kLoopWorkers);

    EXPECT_TRUE(counts.Stopped);
    EXPECT_LE(int(progress.finished.size()), stopAfter);
    EXPECT_EQ(counts.Added - counts.Failed, int32_t(progress.finished.size()));
    std::vector<LPoint> origins;
    int16_t number = 1;
    for (const LayoutObject* o : d->Objects)
      if (const ImageObject* image = AsImage(o)) {
        EXPECT_EQ(image->ImageNumber, number++);
        EXPECT_TRUE(image->Preview);
        origins.push_back(o->Origin);
      }
    EXPECT_EQ(int(origins.size()), counts.Added);
    ArrangeLayout(*d);
    std::vector<LPoint> arranged;
    for (const LayoutObject* o : d->Objects)
      if (IsImage(o)) arranged.push_back(o->Origin);
    EXPECT_EQ(arranged, origins);
    EXPECT_EQ(UndoChangeCode(*d), kUndoGetImages);
  }
}

// The services take a preparation only for the add it was made for: a
// preparation of another file, or one whose picture was turned for another
// box, leaves the add to read the file itself.
TEST_F(ImageAddLoopTest, APreparationThatDoesNotFitTheAddIsNotTaken) {
  const std::vector<std::string> files = CollectImageFiles(files_.names);
  const std::string portrait = files[8], gray = files[1];
  ASSERT_EQ(fs::path(portrait).filename(), "j_portrait.jpg");
  // Automatic rotation turns pictures of relative size only.
  const Setting unturned = {"relative boxes", true, kAutoRotationOff, 0, false};
  DocumentPtr reference = NewDocument(unturned);
  AddOneByOne(*reference, {portrait});
  DocumentPtr turning = NewDocument(unturned);
  turning->AutoRotation = kWidthwaysClockwise;
  struct Case {
    const char* name;
    const LayoutDocument* preparedFor;
    std::string preparedPath;
  };
  const Case cases[] = {{"another file", reference.get(), gray}, {"another turn", turning.get(), portrait}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DocumentPtr settings(DocumentNew(c.preparedFor, nullptr));
    const PreparedImage prepared = PrepareImageFile(*settings, c.preparedPath);
    ASSERT_TRUE(prepared.PreviewMade);
    if (c.preparedFor == turning.get()) {
      ASSERT_NE(prepared.RotateFlip, 0);
    }
    DocumentPtr d = NewDocument(unturned);
    PreparedImageServices services;
    services.Offer(&prepared);
    ImageToAdd file;
    file.Path = portrait;
    ASSERT_TRUE(AddImageFile(*d, file, services));
    services.RebuildLabels(*d);
    ArrangeLayout(*d);
    EXPECT_TRUE(SameObjects(*reference, *d));
  }
}

}  // namespace
}  // namespace tl
