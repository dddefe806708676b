#include "print/cups_destination.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>

#include "print/stable_ids.h"

namespace tl {
namespace {

// Hashed ids: sources and media types above the fixed and roll ids, papers
// above every paper table id.
constexpr int32_t kFirstHashedChoiceId = 257;
constexpr int32_t kLastHashedChoiceId = 32000;
constexpr int32_t kFirstHashedPaperId = 1000;
constexpr int32_t kLastHashedPaperId = 32000;

// CUPS sizes and margins are in 0.01 mm.
int32_t Tenths(int hundredths) { return int32_t(hundredths / 10); }

PaperMargins MarginsOf(const cups_size_t& size) {
  return {Tenths(size.left), Tenths(size.top), Tenths(size.right), Tenths(size.bottom)};
}

int32_t MarginSum(const PaperMargins& m) { return m.Left + m.Top + m.Right + m.Bottom; }

std::vector<std::string> Keywords(ipp_attribute_t* attribute) {
  std::vector<std::string> values;
  for (int i = 0, n = ippGetCount(attribute); i < n; ++i)
    if (const char* value = ippGetString(attribute, i, nullptr)) values.emplace_back(value);
  return values;
}

// "photographic-glossy" as "Photographic Glossy", for printers that give no names.
std::string ReadableKeyword(const std::string& keyword) {
  std::string text;
  bool wordStart = true;
  for (const char c : keyword) {
    const bool separator = c == '-' || c == '_';
    text += separator ? ' ' : wordStart ? char(std::toupper(uint8_t(c))) : c;
    wordStart = separator;
  }
  return text;
}

std::string Localized(CupsDestination& d, const char* option, const std::string& value) {
  const char* text = cupsLocalizeDestValue(d.Http.get(), d.Dest.get(), d.Info.get(), option, value.c_str());
  return text && value != text ? text : ReadableKeyword(value);
}

bool IsCustomSize(const std::string& media) { return media.rfind("custom_", 0) == 0; }

// Papers of the media database, one per size: the database lists a size
// once per set of margins (the borderless ones under a name of their own);
// the standard margins are the largest, the maximum area the smallest.
// Custom sizes are the roll's range, not papers.
void ReadPapers(CupsDestination& d, PrinterCapabilities& caps) {
  std::map<std::pair<int32_t, int32_t>, CapabilityPaper> bySize;
  const int count = cupsGetDestMediaCount(d.Http.get(), d.Dest.get(), d.Info.get(), CUPS_MEDIA_FLAGS_DEFAULT);
  for (int i = 0; i < count; ++i) {
    cups_size_t size{};
    if (!cupsGetDestMediaByIndex(d.Http.get(), d.Dest.get(), d.Info.get(), i, CUPS_MEDIA_FLAGS_DEFAULT, &size))
      continue;
    const int32_t width = std::min(Tenths(size.width), Tenths(size.length));
    const int32_t length = std::max(Tenths(size.width), Tenths(size.length));
    if (IsCustomSize(size.media)) {
      caps.RollWidth = std::max(caps.RollWidth, width);
      caps.RollLength = std::max(caps.RollLength, length);
      continue;
    }
    const PaperMargins margins = MarginsOf(size);
    auto [entry, added] = bySize.try_emplace({width, length});
    CapabilityPaper& paper = entry->second;
    const bool borderless = MarginSum(margins) == 0;
    if (added || (!borderless && MarginSum(paper.Standard) == 0)) {
      // The size's own name is the one without "_borderless".
      paper.Keyword = size.media;
      const char* name =
          cupsLocalizeDestMedia(d.Http.get(), d.Dest.get(), d.Info.get(), CUPS_MEDIA_FLAGS_DEFAULT, &size);
      paper.Name = name ? name : size.media;
    }
    if (added) {
      paper.Width = width;
      paper.Length = length;
      paper.Standard = paper.Maximum = margins;
      continue;
    }
    if (MarginSum(margins) > MarginSum(paper.Standard)) paper.Standard = margins;
    if (MarginSum(margins) < MarginSum(paper.Maximum)) paper.Maximum = margins;
  }
  // Hashed ids are given in name order, the same on every run.
  std::vector<CapabilityPaper*> byName;
  for (auto& [size, paper] : bySize) byName.push_back(&paper);
  std::sort(byName.begin(), byName.end(), [](const auto* a, const auto* b) { return a->Keyword < b->Keyword; });
  std::set<int32_t> taken;
  for (CapabilityPaper* paper : byName) {
    const int16_t tableId = PaperTableIdForSize(paper->Width, paper->Length);
    if (tableId != 0 && taken.insert(tableId).second) paper->Id = tableId;
  }
  for (CapabilityPaper* paper : byName)
    if (paper->Id == 0) paper->Id = int16_t(HashedId(paper->Keyword, kFirstHashedPaperId, kLastHashedPaperId, taken));
  for (auto& [size, paper] : bySize) caps.Papers.push_back(paper);  // narrowest first
}

// Choices of a keyword attribute with fixed ids where the keyword has one.
std::vector<CapabilityChoice> ReadChoices(CupsDestination& d, const char* option, int32_t (*fixedId)(std::string_view),
                                         bool rolls) {
  const std::vector<std::string> keywords =
      Keywords(cupsFindDestSupported(d.Http.get(), d.Dest.get(), d.Info.get(), option));
  std::vector<CapabilityChoice> choices;
  std::set<int32_t> taken;
  for (const std::string& keyword : keywords) {
    int32_t id = rolls && IsRollSource(keyword) ? kSourceRoll : fixedId(keyword);
    if (id != 0 && !taken.insert(id).second) id = 0;
    choices.push_back({id, keyword, Localized(d, option, keyword)});
  }
  for (CapabilityChoice& choice : choices)
    if (choice.Id == 0) choice.Id = HashedId(choice.Keyword, kFirstHashedChoiceId, kLastHashedChoiceId, taken);
  return choices;
}

// The roll's largest size from a "custom_max_" or "roll_max_" media name.
void ReadRollSize(CupsDestination& d, PrinterCapabilities& caps) {
  for (const std::string& media : Keywords(cupsFindDestSupported(d.Http.get(), d.Dest.get(), d.Info.get(), "media"))) {
    if (media.rfind("custom_max_", 0) != 0 && media.rfind("roll_max_", 0) != 0) continue;
    if (pwg_media_t* pwg = pwgMediaForPWG(media.c_str())) {
      caps.RollWidth = Tenths(std::min(pwg->width, pwg->length));
      caps.RollLength = Tenths(std::max(pwg->width, pwg->length));
    }
  }
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Model, document formats and per-media profiles, which the capability
// information does not hand out.
void ReadDescription(CupsDestination& d, PrinterCapabilities& caps) {
  static const char* const kRequested[] = {"printer-make-and-model", "document-format-supported",
                                           "printer-icc-profiles"};
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  const char* uri = cupsGetOption("printer-uri-supported", d.Dest->num_options, d.Dest->options);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri ? uri : "");
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, kRequested);
  char scheme[32], user[256], host[256], resource[1024] = "/";
  int port = 0;
  if (uri && httpSeparateURI(HTTP_URI_CODING_ALL, uri, scheme, sizeof scheme, user, sizeof user, host, sizeof host,
                             &port, resource, sizeof resource) < HTTP_URI_STATUS_OK)
    std::strcpy(resource, "/");
  const IppPtr response(cupsDoRequest(d.Http.get(), request, resource));
  if (!response) return;
  if (const char* model =
          ippGetString(ippFindAttribute(response.get(), "printer-make-and-model", IPP_TAG_TEXT), 0, nullptr))
    caps.Model = model;
  if (ipp_attribute_t* formats = ippFindAttribute(response.get(), "document-format-supported", IPP_TAG_MIMETYPE))
    caps.AcceptsPdf = ippContainsString(formats, "application/pdf") != 0;
  ipp_attribute_t* profiles = ippFindAttribute(response.get(), "printer-icc-profiles", IPP_TAG_BEGIN_COLLECTION);
  for (int i = 0, n = ippGetCount(profiles); i < n; ++i) {
    ipp_t* profile = ippGetCollection(profiles, i);
    const char* name = ippGetString(ippFindAttribute(profile, "profile-name", IPP_TAG_ZERO), 0, nullptr);
    const char* url = ippGetString(ippFindAttribute(profile, "profile-url", IPP_TAG_URI), 0, nullptr);
    if (!name || !url) continue;
    for (const CapabilityChoice& type : caps.MediaTypes)
      if (type.Keyword == name) caps.MediaProfiles.push_back({type.Id, BaseName(url)});
  }
}

}  // namespace

bool IsPrinterUri(std::string_view name) { return name.find("://") != std::string_view::npos; }

std::vector<std::string> CupsDestinationNames() {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i)
    if (!dests[i].instance) names.emplace_back(dests[i].name);
  cupsFreeDests(count, dests);
  return names;
}

std::vector<CupsDestinationModel> CupsDestinationModels() {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  std::vector<CupsDestinationModel> models;
  for (int i = 0; i < count; ++i) {
    if (dests[i].instance) continue;
    const char* model = cupsGetOption("printer-make-and-model", dests[i].num_options, dests[i].options);
    models.push_back({dests[i].name, model ? model : ""});
  }
  cupsFreeDests(count, dests);
  return models;
}

std::string CupsDefaultDestination() {
  const char* name = cupsGetDefault2(CUPS_HTTP_DEFAULT);
  return name ? name : "";
}

bool OpenCupsDestination(const std::string& name, CupsDestination& out) {
  if (name.empty()) return false;
  const bool uri = IsPrinterUri(name);
  out.Dest.reset(uri ? cupsGetDestWithURI(nullptr, name.c_str())
                     : cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr));
  if (!out.Dest) return false;
  if (uri) {
    // Named as the printer's own URI, it is reached directly, not through a CUPS server.
    cups_dest_t& dest = *out.Dest;
    dest.num_options = cupsAddOption("printer-uri-supported", name.c_str(), dest.num_options, &dest.options);
  }
  char resource[1024];
  out.Http.reset(cupsConnectDest(out.Dest.get(), CUPS_DEST_FLAGS_NONE, kConnectTimeoutMs, nullptr, resource,
                                 sizeof resource, nullptr, nullptr));
  if (!out.Http) return false;
  out.Info.reset(cupsCopyDestInfo(out.Http.get(), out.Dest.get()));
  return out.Info != nullptr;
}

bool ReadCupsCapabilities(CupsDestination& d, PrinterCapabilities& caps) {
  caps = {};
  ReadPapers(d, caps);
  caps.Sources = ReadChoices(d, "media-source", FixedSourceId, true);
  caps.MediaTypes = ReadChoices(d, "media-type", FixedMediaTypeId, false);
  caps.ColorModes = Keywords(cupsFindDestSupported(d.Http.get(), d.Dest.get(), d.Info.get(), "print-color-mode"));
  ipp_attribute_t* qualities = cupsFindDestSupported(d.Http.get(), d.Dest.get(), d.Info.get(), "print-quality");
  for (int i = 0, n = ippGetCount(qualities); i < n; ++i) caps.Qualities.push_back(ippGetInteger(qualities, i));
  if (caps.RollLength == 0) ReadRollSize(d, caps);
  if (HasRollSource(caps) && caps.RollLength == 0 && !caps.Papers.empty()) {
    caps.RollWidth = caps.Papers.back().Width;
    caps.RollLength = caps.Papers.back().Length;
  }
  ReadDescription(d, caps);
  if (caps.Model.empty()) {
    const char* model = cupsGetOption("printer-make-and-model", d.Dest->num_options, d.Dest->options);
    caps.Model = model ? model : d.Dest->name;
  }
  return !caps.Papers.empty();
}

}  // namespace tl
