// Choose Template's state: tree and filter flags, visibility, selection.
#include "templates/template_chooser.h"

#include <strings.h>

#include <algorithm>
#include <utility>

#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kFirstViewModeText = 40208;  // "List", then the three thumbnail sizes
constexpr int kAllFilterString = 40212;
constexpr int kThumbnailSides[kTemplateViewModeCount] = {0, 32, 64, 128};

int32_t& FilterFlag(TemplateSummary& summary, TemplateFilter filter) {
  switch (filter) {
    case TemplateFilter::PaperSize: return summary.PaperSizeFilter;
    case TemplateFilter::PaperType: return summary.PaperSourceFilter;
    case TemplateFilter::Printer: break;
  }
  return summary.PrinterFilter;
}

// The order of a sorted combo box: ignoring case, then by the bytes.
bool ComboOrder(const std::string& a, const std::string& b) {
  const int folded = strcasecmp(a.c_str(), b.c_str());
  return folded != 0 ? folded < 0 : a < b;
}

}  // namespace

std::string ViewModeText(TemplateViewMode mode) { return StringCopy(kFirstViewModeText + int(mode)); }

int ThumbnailSide(TemplateViewMode mode) {
  const int i = int(mode);
  return i >= 0 && i < kTemplateViewModeCount ? kThumbnailSides[i] : 0;
}

std::string AllFilterText() { return StringCopy(kAllFilterString); }

const std::string& FilterValue(const TemplateSummary& summary, TemplateFilter filter) {
  switch (filter) {
    case TemplateFilter::PaperSize: return summary.PaperSize;
    case TemplateFilter::PaperType: return summary.PaperSource;
    case TemplateFilter::Printer: break;
  }
  return summary.PrinterModel;
}

std::vector<std::string> FilterChoices(const TemplateArray& templates, TemplateFilter filter) {
  std::vector<std::string> values;
  for (const TemplateSummary& s : templates) {
    const std::string& value = FilterValue(s, filter);
    if (!value.empty() && std::find(values.begin(), values.end(), value) == values.end()) values.push_back(value);
  }
  std::sort(values.begin(), values.end(), ComboOrder);
  values.insert(values.begin(), AllFilterText());
  return values;
}

bool InTreeSelection(const TemplateSummary& summary, TemplateClassification mode, const TypeSelection& selection) {
  if (selection.IsType) return ClassificationKey(summary, mode) == selection.Type;
  if (selection.Root == kTreeFirstRoot) return IsStandardTemplate(summary, mode);
  if (selection.Root == kTreeSecondRoot) return !IsStandardTemplate(summary, mode);
  return false;
}

void ApplyTreeSelection(TemplateArray& templates, TemplateClassification mode, const TypeSelection& selection) {
  for (TemplateSummary& s : templates) s.TreeFlag = InTreeSelection(s, mode, selection) ? 1 : 0;
}

void ApplyFilter(TemplateArray& templates, TemplateFilter filter, std::string_view shown) {
  const bool all = shown == AllFilterText();
  for (TemplateSummary& s : templates) FilterFlag(s, filter) = all || FilterValue(s, filter) == shown ? 1 : 0;
}

void UpdateVisibility(TemplateArray& templates) {
  for (TemplateSummary& s : templates)
    s.Visible = s.PrinterFilter == 1 && s.PaperSizeFilter == 1 && s.PaperSourceFilter == 1 && s.TreeFlag == 1;
}

std::vector<size_t> VisibleTemplates(const TemplateArray& templates) {
  std::vector<size_t> visible;
  for (size_t i = 0; i < templates.size(); ++i)
    if (templates[i].Visible == 1) visible.push_back(i);
  return visible;
}

int FindTemplateByFileName(const TemplateArray& templates, const std::vector<size_t>& among,
                           std::string_view fileName) {
  for (size_t i : among)
    if (i < templates.size() && FileNameOfPath(templates[i].Path) == fileName) return int(i);
  return -1;
}

TemplateChooser::TemplateChooser(TemplateArray& templates, std::vector<std::string> userTypes)
    : templates_(templates), userTypes_(std::move(userTypes)) {
  for (int f = 0; f < kTemplateFilterCount; ++f) {
    filterItems_[size_t(f)] = FilterChoices(templates_, TemplateFilter(f));
    ApplyFilter(templates_, TemplateFilter(f), AllFilterText());
  }
  SetClassification(TemplateClassification::Genre);
}

void TemplateChooser::SetClassification(TemplateClassification mode) {
  classification_ = mode;
  tree_ = ChooseTemplateTree(mode, userTypes_);
  SelectTreeItem(TypeSelection{tree_.front().Data, false, {}});
}

void TemplateChooser::SelectTreeItem(const TypeSelection& selection) {
  treeSelection_ = selection;
  ApplyTreeSelection(templates_, classification_, selection);
  Refill();
}

bool TemplateChooser::SetFilter(TemplateFilter filter, int index) {
  const std::vector<std::string>& items = filterItems_[size_t(filter)];
  if (index < 0 || size_t(index) >= items.size()) return false;
  filterIndex_[size_t(filter)] = index;
  ApplyFilter(templates_, filter, items[size_t(index)]);
  Refill();
  return true;
}

void TemplateChooser::Refill() {
  UpdateVisibility(templates_);
  visible_ = VisibleTemplates(templates_);
  if (selected_ >= 0 && std::find(visible_.begin(), visible_.end(), size_t(selected_)) == visible_.end())
    ClearSelection();
}

bool TemplateChooser::SelectFileName(std::string_view fileName) {
  const int found = FindTemplateByFileName(templates_, visible_, fileName);
  if (found < 0) {
    ClearSelection();
    return false;
  }
  selected_ = found;
  selectedSummary_ = templates_[size_t(found)];
  return true;
}

bool TemplateChooser::SelectRow(size_t row) {
  if (row >= visible_.size()) {
    ClearSelection();
    return false;
  }
  selected_ = int(visible_[row]);
  selectedSummary_ = templates_[visible_[row]];
  return true;
}

void TemplateChooser::ClearSelection() {
  selected_ = -1;
  selectedSummary_ = TemplateSummary{};
}

int TemplateChooser::SelectedRow() const {
  const auto it = std::find(visible_.begin(), visible_.end(), size_t(selected_));
  return selected_ >= 0 && it != visible_.end() ? int(it - visible_.begin()) : -1;
}

std::string TemplateChooser::SelectedPath() const { return selected_ >= 0 ? templates_[size_t(selected_)].Path : ""; }

}  // namespace tl
