// The Choose Template dialog without its widgets:
// the classification and view modes, the type tree and its selection, the
// three filter combos, which templates are visible and in which order, and
// the selected template. It works on a TemplateArray (normally the
// application's), whose filter, tree and visible flags it writes.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/template_summary.h"
#include "templates/template_classes.h"

namespace tl {

// The view mode combo; the value is the combo item's data.
enum class TemplateViewMode : int { List = 0, SmallThumbnails = 1, MiddleThumbnails = 2, LargeThumbnails = 3 };
inline constexpr int kTemplateViewModeCount = 4;
std::string ViewModeText(TemplateViewMode mode);  // "List", "Thumbnail(Small)", ...
// The side of the previews in a thumbnail mode (32, 64, 128); 0 for "List".
int ThumbnailSide(TemplateViewMode mode);

// The three filter combos: printer (printer model), paper size, paper type
// (paper source).
enum class TemplateFilter : int { Printer = 0, PaperSize = 1, PaperType = 2 };
inline constexpr int kTemplateFilterCount = 3;
std::string AllFilterText();  // "(All)"
// The summary value a filter looks at.
const std::string& FilterValue(const TemplateSummary& summary, TemplateFilter filter);
// A filter combo's items: "(All)", then each distinct non-empty value of
// the templates, sorted as a sorted combo sorts (ignoring case).
std::vector<std::string> FilterChoices(const TemplateArray& templates, TemplateFilter filter);

// The tree flag of a template for a tree selection: under a type item, its
// classification key equals the item's text; under the first root, it is a
// standard template; under the second, a user template.
bool InTreeSelection(const TemplateSummary& summary, TemplateClassification mode, const TypeSelection& selection);
// Writes every template's tree flag.
void ApplyTreeSelection(TemplateArray& templates, TemplateClassification mode, const TypeSelection& selection);
// Writes every template's flag of `filter`: 1 when the combo shows "(All)"
// or its text equals the template's value exactly.
void ApplyFilter(TemplateArray& templates, TemplateFilter filter, std::string_view shown);
// Visible: the three filter flags and the tree flag are all 1.
void UpdateVisibility(TemplateArray& templates);
// The visible templates' indexes, in array order.
std::vector<size_t> VisibleTemplates(const TemplateArray& templates);
// The first template whose file name is `fileName`, among `among` (indexes
// into `templates`); -1 when none.
int FindTemplateByFileName(const TemplateArray& templates, const std::vector<size_t>& among,
                           std::string_view fileName);

class TemplateChooser {
 public:
  // Steps 1-4 of the dialog: "Genre", "List", every filter at "(All)", the
  // tree built with its first root selected, nothing selected.
  TemplateChooser(TemplateArray& templates, std::vector<std::string> userTypes);

  TemplateClassification Classification() const { return classification_; }
  // Rebuilds the tree and selects its first root.
  void SetClassification(TemplateClassification mode);
  const TypeTree& Tree() const { return tree_; }
  const TypeSelection& TreeSelection() const { return treeSelection_; }
  void SelectTreeItem(const TypeSelection& selection);

  TemplateViewMode ViewMode() const { return viewMode_; }
  void SetViewMode(TemplateViewMode mode) { viewMode_ = mode; }

  const std::vector<std::string>& FilterItems(TemplateFilter filter) const { return filterItems_[size_t(filter)]; }
  int FilterIndex(TemplateFilter filter) const { return filterIndex_[size_t(filter)]; }
  // Chooses item `index` of a filter combo; false for an index out of range.
  bool SetFilter(TemplateFilter filter, int index);

  // The listed templates (indexes into the array), in array order.
  const std::vector<size_t>& Visible() const { return visible_; }

  // A click on a listed item: selects the template whose file name is the
  // item's text. SelectRow takes the row itself, which tells apart two
  // listed templates of the same file name. False (and nothing selected)
  // when there is no such template.
  bool SelectFileName(std::string_view fileName);
  bool SelectRow(size_t row);
  // A click on empty space.
  void ClearSelection();
  int Selected() const { return selected_; }  // index into the array, or -1
  // The row of the selected template in Visible(), or -1.
  int SelectedRow() const;
  // The copy of the selected template's summary the panes show (empty
  // without a selection).
  const TemplateSummary& SelectedSummary() const { return selectedSummary_; }
  bool OpenEnabled() const { return selected_ >= 0; }
  // The path Open returns; empty without a selection.
  std::string SelectedPath() const;

  const TemplateArray& Templates() const { return templates_; }

 private:
  // Recomputes visibility and the list; a selected template that is no
  // longer listed is unselected.
  void Refill();

  TemplateArray& templates_;
  std::vector<std::string> userTypes_;
  TemplateClassification classification_ = TemplateClassification::Genre;
  TemplateViewMode viewMode_ = TemplateViewMode::List;
  TypeTree tree_;
  TypeSelection treeSelection_;
  std::array<std::vector<std::string>, kTemplateFilterCount> filterItems_;
  std::array<int, kTemplateFilterCount> filterIndex_{};
  std::vector<size_t> visible_;
  int selected_ = -1;
  TemplateSummary selectedSummary_;
};

}  // namespace tl
