#include "persistence/layout_reader.h"

#include <strings.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "color/image_color_settings.h"
#include "document/message_box.h"
#include "imaging/image_codes.h"
#include "imaging/import_extensions.h"
#include "imaging/missing_image.h"
#include "layout/arrange.h"
#include "layout/image_geometry.h"
#include "layout/page_geometry.h"
#include "persistence/element_rows.h"
#include "persistence/folder_rules.h"
#include "persistence/image_services.h"
#include "persistence/template_summary.h"
#include "persistence/value_syntax.h"
#include "persistence/xml_handles.h"
#include "resources/string_table.h"

namespace tl {
namespace {

namespace fs = std::filesystem;
using K = LayoutKey;

constexpr int kNeedsImporterMessage = 10448;
constexpr int kFilterWithExtended = 10613;
constexpr int kFilterOwnFormats = 10599;
constexpr const char* kExtendedExtensions[] = {".pict", ".pct", ".psd", ".png"};

// Elements an image may lack besides those outside File..ImageSimIntent.
// The font names are optional too, so that files whose writer left empty
// names out still open.
constexpr LayoutKey kOptionalImageElements[] = {K::FrameRotate, K::CaptionString, K::ImageSrcProfile,
                                                K::ImageSimProfile, K::LabelFontName, K::CaptionFontName};

template <typename Visit>
bool EachElement(const xmlNode* group, Visit visit) {
  for (const xmlNode* n = group->children; n; n = n->next)
    if (n->type == XML_ELEMENT_NODE && !visit(n)) return false;
  return true;
}

std::string_view NameOf(const xmlNode* n) { return XmlView(n->name); }

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool NeedsExtendedImporter(const std::string& path) {
  for (const char* extension : kExtendedExtensions) {
    const size_t n = std::char_traits<char>::length(extension);
    if (path.size() >= n && strcasecmp(path.c_str() + path.size() - n, extension) == 0) return true;
  }
  return false;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  const fs::path full = fs::absolute(path, ec);
  return ec ? path : full.lexically_normal().string();
}

// The box of a line whose renderer did not say: the rectangle of its ends.
void BoundByEnds(FreeLineObject& line) {
  const int64_t left = std::min(line.End1.x, line.End2.x), right = std::max(line.End1.x, line.End2.x);
  const int64_t top = std::min(line.End1.y, line.End2.y), bottom = std::max(line.End1.y, line.End2.y);
  line.Origin = {int32_t(left), int32_t(top)};
  line.Size = {int32_t(std::min<int64_t>(right - left, INT32_MAX)), int32_t(std::min<int64_t>(bottom - top, INT32_MAX))};
}

// Images of colour spaces without source settings (gray pictures) read
// back without them, whatever their file said.
void ClearSourceSettingsOfNonRgb(ImageObject& image) {
  if (image.ColorSpace == kSpaceRgb || image.ColorSpace == kSpaceCmyk) return;
  image.ImageSrcIntent = 0;
  image.SrcProfileState = 0;
  image.ImageSrcUseEmbedProfile = 0;
  image.ImageSrcManagementMode = 0;
}

class LayoutRead {
 public:
  LayoutRead(const std::string& path, const LayoutReadOptions& options)
      : filePath_(AbsolutePath(path)), options_(options) {
    rows_.Papers = options.Papers;
    search_.Prompt = options.Prompt;
  }

  // False for a bad file.
  bool ReadRoot(const xmlNode* root) {
    return EachElement(root, [&](const xmlNode* n) {
      LayoutKey key;
      if (!FindGroupKey(ElementGroup::Root, NameOf(n), key)) return false;
      switch (key) {
        case K::header: return ReadHeader(n);
        case K::layout: return ReadLayout(n);
        case K::object: return document_ && ReadObjects(n);
        default: return false;
      }
    });
  }

  DocumentPtr TakeDocument() { return std::move(document_); }

 private:
  bool ReadHeader(const xmlNode* group) {
    SeenKeys seen;
    const bool named = EachElement(group, [&](const xmlNode* n) {
      LayoutKey key;
      if (!FindGroupKey(ElementGroup::Header, NameOf(n), key)) return false;
      seen.Mark(key);
      return true;
    });
    return named && seen.Seen(K::Version) && seen.Seen(K::Platform) && seen.Seen(K::OSVersion);
  }

  bool ReadLayout(const xmlNode* group) {
    if (document_) return false;  // one layout per file
    document_.reset(DocumentNew(nullptr, nullptr));
    if (!document_) return false;
    LayoutDocument& d = *document_;
    d.RecordState = kRecordLive;
    d.DocumentPath = filePath_;
    const bool read = EachElement(group, [&](const xmlNode* n) {
      LayoutKey key;
      if (!FindGroupKey(ElementGroup::Layout, NameOf(n), key)) return false;
      if (!ApplyLayoutElement(d, key, ElementValue(n), rows_)) return false;
      if (key == K::ImageStampFileName) LocateStampFile(d);
      return true;
    });
    if (!read) return false;
    UpdateEffectiveImageOption(*d.DefaultImageSettings);
    UpdatePageGeometry(d);
    d.PageNumber = int16_t(std::clamp<int>(d.PageNumber, 1, d.MaxPageCount));
    return true;
  }

  bool ReadObjects(const xmlNode* group) {
    return EachElement(group, [&](const xmlNode* n) {
      // "Stop" in the image-not-found prompt ends the reading of objects;
      // those read before stay.
      if (search_.Stop) return true;
      LayoutKey key;
      if (!FindObjectKind(NameOf(n), key)) return false;
      switch (key) {
        case K::image: return ReadImage(n);
        case K::freeText: return ReadFreeText(n);
        case K::freeLine: return ReadFreeLine(n);
        default: return false;
      }
    });
  }

  static bool FindObjectKind(std::string_view name, LayoutKey& key) {
    for (LayoutKey kind : {K::image, K::freeText, K::freeLine})
      if (LayoutKeyName(kind) == name) {
        key = kind;
        return true;
      }
    return false;
  }

  // Objects are appended in file order at a tail kept here, so that a file
  // of many objects costs time in proportion to its length.
  void Append(LayoutObject* object) {
    if (tail_) tail_->Next = object;
    else document_->Objects.Head = object;
    beforeTail_ = tail_;
    tail_ = object;
  }
  void DropLast() {
    LayoutObject* last = tail_;
    tail_ = beforeTail_;
    beforeTail_ = nullptr;
    if (tail_) tail_->Next = nullptr;
    else document_->Objects.Head = nullptr;
    ObjectFree(last, nullptr);
  }

  bool ReadImage(const xmlNode* element) {
    LayoutDocument& d = *document_;
    ImageObject* image = ImageObjectNew(d.DefaultImageSettings, nullptr);
    if (!image) return false;
    image->Owner = &d;
    image->ObjectRole = kRoleListMember;
    image->NeedsRedraw = 1;
    image->ImageNumber = highestNumber_ < SHRT_MAX ? int16_t(highestNumber_ + 1) : highestNumber_;
    Append(image);

    SeenKeys seen;
    bool dropped = false;
    const bool read = EachElement(element, [&](const xmlNode* n) {
      if (dropped) return true;
      LayoutKey key;
      if (!FindGroupKey(ElementGroup::Image, NameOf(n), key)) return false;
      const bool again = seen.Seen(key);
      seen.Mark(key);
      const std::string_view text = ElementValue(n);
      switch (key) {
        case K::RelativeDir:
        case K::Dir: {
          const std::string folder = ReadQuotedText(text);
          if (folder.empty()) return false;
          currentImageFolder_ = key == K::Dir ? NativeFolder(folder) : ResolveRelativeFolder(filePath_, folder);
          return true;
        }
        case K::File: {
          const std::string name = ReadQuotedText(text);
          if (name.empty() || again) return false;
          dropped = !TakeImageFile(*image, name);
          return true;
        }
        default: return ApplyImageElement(*image, key, text, rows_);
      }
    });
    if (!read) return false;
    if (!dropped) {
      if (!RequiredImageElementsSeen(seen)) return false;
      ClearSourceSettingsOfNonRgb(*image);
      UpdateEffectiveImageOption(*image);
      services_.ComposeLabel(*image);
      dropped = options_.BuildPreviews && !services_.BuildPreview(*image);
    }
    if (dropped) {
      // A dropped image never fails the read; the document is saved
      // without it next time.
      DropLast();
      d.Modified = 1;
    } else {
      highestNumber_ = std::max(highestNumber_, image->ImageNumber);
    }
    return true;
  }

  // Locates and reads the image file; false when the image is dropped.
  bool TakeImageFile(ImageObject& image, const std::string& name) {
    // An image before any folder element lies beside the layout file.
    const std::string folder = currentImageFolder_.empty() ? ImageFolderOf(filePath_) : currentImageFolder_;
    if (!LocateMissingImage(search_, image, JoinFolderAndFile(folder, name))) return false;
    ApplyInputColorSettings(image, *document_);
    return true;
  }

  bool RequiredImageElementsSeen(const SeenKeys& seen) const {
    for (size_t k = size_t(K::File); k <= size_t(K::ImageSimIntent); ++k) {
      const auto key = LayoutKey(k);
      if (seen.Seen(key)) continue;
      if (key == K::Origin && !document_->Free) continue;
      if (std::find(std::begin(kOptionalImageElements), std::end(kOptionalImageElements), key) !=
          std::end(kOptionalImageElements))
        continue;
      return false;
    }
    return true;
  }

  // Reads the rows of a free text or free line into `object`; false for a
  // name the group does not list, a bad value, or a required element that
  // is missing (all are required but `optional`).
  template <typename Apply>
  bool ReadFreeObject(const xmlNode* element, ElementGroup group, Apply apply, std::optional<LayoutKey> optional = {}) {
    SeenKeys seen;
    const bool read = EachElement(element, [&](const xmlNode* n) {
      LayoutKey key;
      if (!FindGroupKey(group, NameOf(n), key)) return false;
      seen.Mark(key);
      return apply(key, ElementValue(n));
    });
    if (!read) return false;
    for (LayoutKey key : ElementOrderList(group))
      if (!seen.Seen(key) && key != optional) return false;
    return true;
  }

  bool ReadFreeText(const xmlNode* element) {
    LayoutDocument& d = *document_;
    FreeTextObject* text = FreeTextObjectNew(&d, nullptr);
    if (!text) return false;
    Append(text);
    // The font name may be missing: files whose writer left empty names out.
    const auto apply = [&](LayoutKey key, std::string_view value) { return ApplyFreeTextElement(*text, key, value, rows_); };
    if (!ReadFreeObject(element, ElementGroup::FreeText, apply, K::FontName)) return false;
    if (options_.MeasureFreeText) options_.MeasureFreeText(*text);
    return true;
  }

  bool ReadFreeLine(const xmlNode* element) {
    LayoutDocument& d = *document_;
    FreeLineObject* line = FreeLineObjectNew(&d, nullptr);
    if (!line) return false;
    Append(line);
    const auto apply = [&](LayoutKey key, std::string_view value) { return ApplyFreeLineElement(*line, key, value); };
    if (!ReadFreeObject(element, ElementGroup::FreeLine, apply)) return false;
    UpdateFreeLineEnds(*line);
    if (options_.BoundFreeLine) options_.BoundFreeLine(*line);
    else BoundByEnds(*line);
    return true;
  }

  // The stamp picture is found like an image, short of the retry in the
  // folder where the last image was found; what is not found is emptied.
  void LocateStampFile(LayoutDocument& d) {
    std::string& name = d.ImageStampFileName;
    if (name.empty()) return;
    if (!QuickTimeAvailable() && NeedsExtendedImporter(name)) {
      if (!search_.ExtendedFormatNoticeShown) {
        search_.ExtendedFormatNoticeShown = true;
        ShowMessage(kNeedsImporterMessage, MessageIcon::Exclamation);
      }
      name.clear();
      d.Modified = 1;
      return;
    }
    if (Exists(name)) return;
    d.Modified = 1;
    const std::string missing = name;
    name.clear();
    if (!search_.KeepAsking || !search_.Prompt) return;
    switch (search_.Prompt->AskAboutMissingImage(missing)) {
      case MissingImageAnswer::Ignore: return;
      case MissingImageAnswer::Stop: search_.Stop = true; return;
      case MissingImageAnswer::Find: break;
    }
    const std::string filter = StringCopy(QuickTimeAvailable() ? kFilterWithExtended : kFilterOwnFormats);
    std::string chosen;
    if (search_.Prompt->ChooseImageFile(missing, filter, chosen) && Exists(chosen)) name = chosen;
  }

  const std::string filePath_;
  const LayoutReadOptions& options_;
  ElementReadState rows_;
  MissingImageSearch search_;
  std::string currentImageFolder_;
  ImageImportServices services_;
  DocumentPtr document_;
  LayoutObject* tail_ = nullptr;
  LayoutObject* beforeTail_ = nullptr;
  int16_t highestNumber_ = 0;
};

}  // namespace

DocumentPtr LoadLayoutFile(const std::string& path, const LayoutReadOptions& options) {
  DocumentPtr result;
  {
    XmlDocPtr doc = ParseLayoutXml(path);
    const xmlNode* root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (!root) return nullptr;
    LayoutRead read(path, options);
    if (read.ReadRoot(root)) result = read.TakeDocument();
  }
  if (options.RecordSummary) {
    TemplateSummary summary;
    if (ReadTemplateSummary(path, summary)) LayoutSummaryArray().push_back(std::move(summary));
  }
  if (result && result->Banner) DeriveDriverPaper(*result, options.Papers, kMatchRollWidth);
  // Automatic layouts store no image positions: they are flowed again.
  if (result) ArrangeLayout(*result);
  if (!result) ShowMessage(kFailedToOpenMessage, MessageIcon::Stop);
  return result;
}

}  // namespace tl
