// How the template library classifies a template: standard or
// user template by its genre and, independently, by its output image form;
// the type trees of the Choose Template and Organize Template dialogs; and
// the file name a template is listed under.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "persistence/template_summary.h"

namespace tl {

// The classification combo of Choose Template; the value is the combo
// item's data.
enum class TemplateClassification : int { Genre = 0, OutputImageForm = 1 };

// Item data of the type trees: the roots carry 0x65, 0x66 (and 0x67 in
// Organize Template), the type items under them 0.
inline constexpr int kTreeTypeItem = 0;
inline constexpr int kTreeFirstRoot = 0x65;   // "All" / "Genre"
inline constexpr int kTreeSecondRoot = 0x66;  // "MyTemplate" / "Output Image Form"
inline constexpr int kTreeThirdRoot = 0x67;   // Organize Template's "MyTemplate"

// Texts of the dialogs' names for the classifications and roots.
std::string AllRootText();         // "All"
std::string MyTemplateRootText();  // "MyTemplate"
std::string ClassificationText(TemplateClassification mode);  // "Genre", "Output Image Form"

// One root of a type tree with the texts of its type items, in order.
struct TypeTreeRoot {
  std::string Text;
  int Data = kTreeFirstRoot;
  std::vector<std::string> Types;
};
using TypeTree = std::vector<TypeTreeRoot>;

// Choose Template: "All" (0x65) over the seven genres, or the seven output
// image forms in the output-form view; "MyTemplate" (0x66) over `userTypes`.
TypeTree ChooseTemplateTree(TemplateClassification mode, const std::vector<std::string>& userTypes);
// Organize Template: "Genre" (0x65), "Output Image Form" (0x66),
// "MyTemplate" (0x67) over `userTypes`.
TypeTree OrganizeTemplateTree(const std::vector<std::string>& userTypes);

// A tree selection: a root (by its item data) or one of its type items.
struct TypeSelection {
  int Root = kTreeFirstRoot;
  bool IsType = false;  // a type item under Root rather than Root itself
  std::string Type;     // the type item's text

  bool operator==(const TypeSelection&) const = default;
};

// The output image form as a name: the summary keeps NameOutputImageForm
// as the file stores it, in double quotes, which are dropped here (an
// OutputImageForm element is already without them).
std::string OutputImageFormName(const TemplateSummary& summary);

// A standard template of one of the seven genres / output image forms.
bool HasStandardGenre(const TemplateSummary& summary);
bool HasStandardOutputImageForm(const TemplateSummary& summary);
bool IsStandardTemplate(const TemplateSummary& summary, TemplateClassification mode);

// The text a template is sorted under in a classification: its genre; in
// the output-form view its output image form when that is a standard one,
// else its genre (its user template type).
std::string ClassificationKey(const TemplateSummary& summary, TemplateClassification mode);

// The file name of a template: the text after the last "/" of its path.
std::string TemplateListName(const TemplateSummary& summary);
std::string_view FileNameOfPath(std::string_view path);

}  // namespace tl
