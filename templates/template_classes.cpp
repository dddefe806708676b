// Standard and user templates, type trees and list names of the template
// library.
#include "templates/template_classes.h"

#include <algorithm>

#include "persistence/template_library.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kAllText = 40204;
constexpr int kMyTemplateText = 40205;
constexpr int kGenreText = 40206;
constexpr int kOutputImageFormText = 40207;

bool Contains(const std::vector<std::string>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

const std::vector<std::string>& Genres() {
  static const std::vector<std::string> genres = TemplateGenres();
  return genres;
}

}  // namespace

std::string AllRootText() { return StringCopy(kAllText); }
std::string MyTemplateRootText() { return StringCopy(kMyTemplateText); }

std::string ClassificationText(TemplateClassification mode) {
  return StringCopy(mode == TemplateClassification::OutputImageForm ? kOutputImageFormText : kGenreText);
}

TypeTree ChooseTemplateTree(TemplateClassification mode, const std::vector<std::string>& userTypes) {
  TypeTree tree(2);
  tree[0] = {AllRootText(), kTreeFirstRoot,
             mode == TemplateClassification::OutputImageForm ? OutputImageForms() : Genres()};
  tree[1] = {MyTemplateRootText(), kTreeSecondRoot, userTypes};
  return tree;
}

TypeTree OrganizeTemplateTree(const std::vector<std::string>& userTypes) {
  TypeTree tree(3);
  tree[0] = {ClassificationText(TemplateClassification::Genre), kTreeFirstRoot, Genres()};
  tree[1] = {ClassificationText(TemplateClassification::OutputImageForm), kTreeSecondRoot, OutputImageForms()};
  tree[2] = {MyTemplateRootText(), kTreeThirdRoot, userTypes};
  return tree;
}

std::string OutputImageFormName(const TemplateSummary& summary) {
  const std::string& form = summary.OutputImageForm;
  if (form.empty() || form.front() != '"') return form;
  return form.size() >= 2 ? form.substr(1, form.size() - 2) : std::string();
}

bool HasStandardGenre(const TemplateSummary& summary) { return Contains(Genres(), summary.Genre); }

bool HasStandardOutputImageForm(const TemplateSummary& summary) {
  return Contains(OutputImageForms(), OutputImageFormName(summary));
}

bool IsStandardTemplate(const TemplateSummary& summary, TemplateClassification mode) {
  return mode == TemplateClassification::OutputImageForm ? HasStandardOutputImageForm(summary)
                                                         : HasStandardGenre(summary);
}

std::string ClassificationKey(const TemplateSummary& summary, TemplateClassification mode) {
  if (mode == TemplateClassification::OutputImageForm && HasStandardOutputImageForm(summary))
    return OutputImageFormName(summary);
  return summary.Genre;
}

std::string_view FileNameOfPath(std::string_view path) {
  const size_t separator = path.rfind('/');
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string TemplateListName(const TemplateSummary& summary) { return std::string(FileNameOfPath(summary.Path)); }

}  // namespace tl
