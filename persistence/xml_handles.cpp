#include "persistence/xml_handles.h"

#include <libxml/parser.h>

#include <filesystem>
#include <system_error>

namespace tl {

XmlDocPtr ParseLayoutXml(const std::string& path) {
  // Only files are parsed: libxml2 reports a folder's read error itself.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
  // No network, no external DTD, and libxml2's limits against entity
  // expansion stay in force (no XML_PARSE_HUGE); errors are not printed.
  constexpr int kOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
  return XmlDocPtr(xmlReadFile(path.c_str(), nullptr, kOptions));
}

std::string_view ElementValue(const xmlNode* element) {
  const xmlNode* child = element ? element->children : nullptr;
  if (!child || child->next || child->type != XML_TEXT_NODE) return {};
  return XmlView(child->content);
}

}  // namespace tl
