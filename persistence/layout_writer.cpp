#include "persistence/layout_writer.h"

#include <filesystem>
#include <system_error>

#include "document/layout_document.h"
#include "persistence/atomic_file.h"
#include "persistence/element_texts.h"
#include "persistence/value_syntax.h"
#include "persistence/xml_handles.h"

namespace tl {
namespace {

xmlNode* AddGroup(xmlNode* parent, LayoutKey key) {
  return xmlNewChild(parent, nullptr, XmlText(std::string(LayoutKeyName(key)).c_str()), nullptr);
}

// The texts become text nodes of their own (xmlNewTextChild escapes "&",
// "<" and ">"), so every text reads back as it was written.
bool AddElements(xmlNode* group, const ElementTexts& texts) {
  if (!group) return false;
  for (const ElementText& e : texts) {
    const std::string name(LayoutKeyName(e.Key));
    const std::string value = XmlSafeText(e.Text);
    if (!xmlNewTextChild(group, nullptr, XmlText(name.c_str()), XmlText(value.c_str()))) return false;
  }
  return true;
}

bool AddObjects(xmlNode* root, const LayoutDocument& d, ElementWriteState& state) {
  xmlNode* objects = AddGroup(root, LayoutKey::object);
  if (!objects) return false;
  state.CurrentImageFolder.clear();
  ElementTexts texts;
  for (const LayoutObject* o : d.Objects) {
    if (!WritesObject(*o)) continue;
    bool described = false;
    LayoutKey kind = LayoutKey::image;
    if (const ImageObject* image = AsImage(o)) {
      described = ImageElementTexts(d, *image, state, texts);
    } else if (const FreeTextObject* text = AsFreeText(o)) {
      kind = LayoutKey::freeText;
      described = FreeTextElementTexts(*text, texts);
    } else if (const FreeLineObject* line = AsFreeLine(o)) {
      kind = LayoutKey::freeLine;
      described = FreeLineElementTexts(*line, texts);
    }
    if (!described || !AddElements(AddGroup(objects, kind), texts)) return false;
  }
  return true;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  return ec ? path : full.lexically_normal().string();
}

}  // namespace

bool LayoutFileText(const std::string& path, const LayoutDocument& d, const LayoutPreviewRenderer& renderer,
                    std::string& xml) {
  ElementWriteState state;
  state.FilePath = AbsolutePath(path);
  state.Renderer = renderer;

  XmlDocPtr doc(xmlNewDoc(XmlText("1.0")));
  if (!doc) return false;
  xmlNode* root = xmlNewNode(nullptr, XmlText("root"));
  if (!root) return false;
  xmlDocSetRootElement(doc.get(), root);

  ElementTexts texts;
  if (!AddElements(AddGroup(root, LayoutKey::header), HeaderElementTexts())) return false;
  if (!LayoutElementTexts(d, state, texts) || !AddElements(AddGroup(root, LayoutKey::layout), texts)) return false;
  if (WritesObjects(d) && !AddObjects(root, d, state)) return false;

  xmlChar* bytes = nullptr;
  int size = 0;
  xmlDocDumpFormatMemoryEnc(doc.get(), &bytes, &size, "UTF-8", 1);
  if (!bytes || size <= 0) {
    xmlFree(bytes);
    return false;
  }
  xml.assign(reinterpret_cast<const char*>(bytes), size_t(size));
  xmlFree(bytes);
  return true;
}

bool SaveLayoutFile(const std::string& path, const LayoutDocument& d, const LayoutPreviewRenderer& renderer) {
  std::string xml;
  return LayoutFileText(path, d, renderer, xml) && ReplaceFileAtomically(path, xml);
}

}  // namespace tl
