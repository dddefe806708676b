#include "persistence/template_summary.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "persistence/base64.h"
#include "persistence/value_syntax.h"
#include "persistence/xml_handles.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

// Deep enough for any folder tree a user makes; a loop of symbolic links
// ends here.
constexpr int kMaxFolderDepth = 8;

std::string QuotesRemoved(std::string text) {
  if (!text.empty() && text.front() == '"') return text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
  return text;
}

// The content of the first child of the first node the expression finds.
std::string XPathValue(xmlXPathContext* context, std::string_view element) {
  const std::string expression = "/root[1]/layout[1]/" + std::string(element) + "[1]";
  XPathObjectPtr result(xmlXPathEvalExpression(XmlText(expression.c_str()), context));
  if (!result || !result->nodesetval || result->nodesetval->nodeNr < 1) return {};
  const xmlNode* node = result->nodesetval->nodeTab[0];
  const xmlNode* child = node ? node->children : nullptr;
  if (!child) return {};
  if (child->type == XML_TEXT_NODE) return std::string(XmlView(child->content));
  xmlChar* content = xmlNodeGetContent(child);
  std::string text(XmlView(content));
  xmlFree(content);
  return text;
}

std::string ModifiedDate(const struct stat& st) {
  std::tm local{};
  char text[32] = {};
  if (!localtime_r(&st.st_mtime, &local) || !std::strftime(text, sizeof text, "%y.%m.%d %H:%M", &local)) return {};
  return text;
}

}  // namespace

bool ReadTemplateSummary(const std::string& path, TemplateSummary& summary) {
  XmlDocPtr doc = ParseLayoutXml(path);
  if (!doc) return false;
  XPathContextPtr context(xmlXPathNewContext(doc.get()));
  if (!context) return false;

  TemplateSummary s;
  s.Path = path;
  if (struct stat st {}; ::stat(path.c_str(), &st) == 0) {
    s.ModifiedDate = ModifiedDate(st);
    s.FileSize = std::to_string(st.st_size);
  }
  const auto value = [&](std::string_view element) { return XPathValue(context.get(), element); };
  s.Comment = QuotesRemoved(value("Comment"));
  s.PrinterModel = QuotesRemoved(value("PrinterModel"));
  s.PaperSize = QuotesRemoved(value("PaperSize"));
  s.PaperSource = QuotesRemoved(value("PaperSource"));
  s.PaperLength = value("PaperLength");
  s.MediaType = QuotesRemoved(value("MediaType"));
  s.Orientation = value("PaperOrient");
  s.Ink = value("Color");
  s.LayoutMode = value("Free") == "true" ? "Free Layout" : "Automatic Layout";
  const auto size = ReadIntegers<2>(value("ImageSize"));
  s.ImageSize = "Width = " + std::to_string(size[1]) + ", Height = " + std::to_string(size[0]) + "\n";
  s.ImageOptions = value("ImageSizeImageOption");
  s.Spacing = "X = " + value("AlignHorizontalSpacing") + ", Y = " + value("AlignVerticalSpacing") + "\n";
  s.AutoRotation = value("AutoRotation");
  s.Banner = value("Banner") == "true" ? 1 : 0;
  s.SizeByDimensions = value("ImageSizeMethod") == "Dimensions" ? 1 : 0;
  s.ImageOptionsAgain = s.ImageOptions;
  s.Genre = QuotesRemoved(value("NameGenre"));
  s.OutputImageForm = value("NameOutputImageForm");
  if (std::string form = value("OutputImageForm"); !form.empty()) s.OutputImageForm = QuotesRemoved(std::move(form));
  if (Base64Decode(value("Preview"), s.Preview)) s.PreviewSize = int32_t(s.Preview.size());
  s.PrinterFilter = s.PaperSizeFilter = s.PaperSourceFilter = s.TreeFlag = 1;
  summary = std::move(s);
  return true;
}

void LoadTemplateSummaryFolder(const std::string& folder, const std::string& letters, int depth,
                               TemplateArray& array) {
  if (depth > kMaxFolderDepth) return;
  std::error_code ec;
  std::vector<fs::directory_entry> entries;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(*it);
  std::sort(entries.begin(), entries.end(),
            [](const fs::directory_entry& a, const fs::directory_entry& b) { return a.path().filename() < b.path().filename(); });
  for (const fs::directory_entry& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (entry.is_directory(ec)) {
      LoadTemplateSummaryFolder(entry.path().string(), letters, depth + 1, array);
    } else if (name.size() > letters.size() && name.compare(name.size() - letters.size(), letters.size(), letters) == 0) {
      TemplateSummary summary;
      if (ReadTemplateSummary(entry.path().string(), summary)) array.push_back(std::move(summary));
    }
  }
}

TemplateArray& ApplicationTemplateArray() {
  static TemplateArray array;
  return array;
}

TemplateArray& LayoutSummaryArray() {
  static TemplateArray array;
  return array;
}

}  // namespace tl
