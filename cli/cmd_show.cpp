// tessaline-cli show: reads a layout file as the program opens it (folders
// resolved, texts cut, fonts replaced, images located or dropped) and prints
// the document's settings and objects as the writer would write them now.
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/json_writer.h"
#include "cli/message_watch.h"
#include "document/layout_document.h"
#include "persistence/element_texts.h"
#include "persistence/layout_reader.h"
#include "persistence/value_syntax.h"
#include "render/gui_application.h"
#include "render/layout_io.h"
#include "render/page_thumbnail.h"
#include "resources/string_table.h"

namespace tl::cli {
namespace {

// The texts of every object the document holds, in list order.
struct ObjectTexts {
  const char* Kind;
  const LayoutObject* Object;
  ElementTexts Texts;
};

const char* KindName(const LayoutObject& o) {
  if (IsImage(&o)) return "image";
  if (IsFreeText(&o)) return "freeText";
  if (IsFreeLine(&o)) return "freeLine";
  return nullptr;
}

bool Describe(const LayoutDocument& d, ElementTexts& layout, std::vector<ObjectTexts>& objects) {
  ElementWriteState state;
  state.FilePath = d.DocumentPath;
  state.Renderer = PageThumbnailRenderer();
  if (!LayoutElementTexts(d, state, layout)) return false;
  for (const LayoutObject* o : d.Objects) {
    const char* kind = KindName(*o);
    if (!kind) continue;
    ObjectTexts entry{kind, o, {}};
    bool described = false;
    if (const ImageObject* image = AsImage(o)) described = ImageElementTexts(d, *image, state, entry.Texts);
    else if (const FreeTextObject* text = AsFreeText(o)) described = FreeTextElementTexts(*text, entry.Texts);
    else if (const FreeLineObject* line = AsFreeLine(o)) described = FreeLineElementTexts(*line, entry.Texts);
    if (!described) return false;
    objects.push_back(std::move(entry));
  }
  return true;
}

void JsonElements(JsonWriter& json, const ElementTexts& texts) {
  for (const ElementText& e : texts) json.Field(LayoutKeyName(e.Key), XmlSafeText(e.Text));
}

void PrintJson(const LayoutDocument& d, const ElementTexts& layout, const std::vector<ObjectTexts>& objects) {
  JsonWriter json;
  json.BeginObject()
      .Field("modified", d.Modified != 0)
      .Field("pageWidth", d.PageWidth)
      .Field("pageHeight", d.PageHeight)
      .Field("maxPageCount", int32_t(d.MaxPageCount))
      .Field("pageNumber", int32_t(d.PageNumber));
  json.Key("layout").BeginObject();
  JsonElements(json, layout);
  json.EndObject();
  json.Key("objects").BeginArray();
  for (const ObjectTexts& o : objects) {
    json.BeginObject().Field("kind", o.Kind);
    if (const ImageObject* image = AsImage(o.Object)) json.Field("path", XmlSafeText(image->ImagePath));
    JsonElements(json, o.Texts);
    json.EndObject();
  }
  json.EndArray().EndObject();
  std::printf("%s\n", json.Text().c_str());
}

void PrintElements(const ElementTexts& texts) {
  for (const ElementText& e : texts) {
    const std::string name(LayoutKeyName(e.Key));
    if (e.Key == LayoutKey::Preview)
      std::printf("  %-28s (%zu characters of Base64 JPEG)\n", name.c_str(), e.Text.size());
    else
      std::printf("  %-28s %s\n", name.c_str(), XmlSafeText(e.Text).c_str());
  }
}

void PrintText(const LayoutDocument& d, const ElementTexts& layout, const std::vector<ObjectTexts>& objects) {
  std::printf("%s%s\n", d.DocumentPath.c_str(), d.Modified ? " (modified while reading)" : "");
  std::printf("Page %d x %d layout units, %d of at most %d page%s, %zu object%s\n", d.PageWidth, d.PageHeight,
              d.PageNumber, d.MaxPageCount, d.MaxPageCount == 1 ? "" : "s", objects.size(),
              objects.size() == 1 ? "" : "s");
  std::printf("layout\n");
  PrintElements(layout);
  int n = 0;
  for (const ObjectTexts& o : objects) {
    const ImageObject* image = AsImage(o.Object);
    std::printf("%s %d%s%s\n", o.Kind, ++n, image ? ": " : "", image ? image->ImagePath.c_str() : "");
    PrintElements(o.Texts);
  }
}

int RunShow(std::vector<std::string> arguments) {
  const CliCommand& self = *FindCliCommand("show");
  CliArgs args(std::move(arguments));
  const bool json = args.Flag("--json");
  const std::vector<std::string> files = args.Operands();
  if (args.HasProblem()) return UsageError(self, args.Problem());
  if (files.size() != 1) return UsageError(self, "give one layout file");

  const std::unique_ptr<QGuiApplication> application = EnsureGuiApplication();  // free texts are measured
  MessageWatch messages;
  LayoutReadOptions options;
  options.RecordSummary = false;
  const DocumentPtr document = LoadRenderedLayoutFile(files[0], options);
  if (!document) {
    // A file that is not XML fails without a message of the reader's own.
    if (messages.Last().empty()) ShowMessage(kFailedToOpenMessage, MessageIcon::Stop);
    return kExitFailed;
  }
  ElementTexts layout;
  std::vector<ObjectTexts> objects;
  if (!Describe(*document, layout, objects)) {
    std::fprintf(stderr, "tessaline-cli show: the layout holds a value its file format cannot write\n");
    return kExitFailed;
  }
  if (json)
    PrintJson(*document, layout, objects);
  else
    PrintText(*document, layout, objects);
  return kExitOk;
}

}  // namespace

extern const CliCommand kShowCommand = {
    "show",
    "read a layout file and show its settings and objects",
    "show [--json] LAYOUT.qlf",
    RunShow,
};

}  // namespace tl::cli
