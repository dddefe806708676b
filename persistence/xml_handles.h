// Owners for the libxml2 handles of this layer, and the text of an element.
#pragma once

#include <libxml/tree.h>
#include <libxml/xpath.h>

#include <memory>
#include <string>
#include <string_view>

namespace tl {

struct XmlDocDeleter {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using XmlDocPtr = std::unique_ptr<xmlDoc, XmlDocDeleter>;

struct XPathContextDeleter {
  void operator()(xmlXPathContext* context) const { xmlXPathFreeContext(context); }
};
using XPathContextPtr = std::unique_ptr<xmlXPathContext, XPathContextDeleter>;

struct XPathObjectDeleter {
  void operator()(xmlXPathObject* object) const { xmlXPathFreeObject(object); }
};
using XPathObjectPtr = std::unique_ptr<xmlXPathObject, XPathObjectDeleter>;

inline const xmlChar* XmlText(const char* text) { return reinterpret_cast<const xmlChar*>(text); }
inline std::string_view XmlView(const xmlChar* text) {
  return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

// Parses a layout or template file without reaching the network or loading
// external entities; null when it is not well-formed.
XmlDocPtr ParseLayoutXml(const std::string& path);

// The value of an element: the content of its one child when that child
// is a text node; the empty text for anything else.
std::string_view ElementValue(const xmlNode* element);

}  // namespace tl
