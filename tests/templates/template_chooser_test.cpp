// The Choose Template dialog's state: tree flags, filters, visibility,
// the list order and the selection.
#include <gtest/gtest.h>

#include "templates/template_chooser.h"
#include "tests/templates/templates_fixtures.h"

namespace tl {
namespace {

using test::MakeSummary;

std::vector<std::string> Names(const TemplateChooser& c) {
  std::vector<std::string> names;
  for (size_t i : c.Visible()) names.push_back(TemplateListName(c.Templates()[i]));
  return names;
}

class Chooser : public ::testing::Test {
 protected:
  Chooser() {
    templates_ = {
        MakeSummary("/i/Proof.qlt", {.Genre = "Commercial Photo", .OutputImageForm = "Photo", .PrinterModel = "Model 9",
                                     .PaperSize = "A4", .PaperSource = "Tray"}),
        MakeSummary("/i/Cards.qlt", {.Genre = "Personal Photo", .OutputImageForm = "Card", .PrinterModel = "Model 3",
                                     .PaperSize = "a5", .PaperSource = "Tray"}),
        MakeSummary("/u/Wedding.qlt", {.Genre = "Weddings", .OutputImageForm = "Card", .PrinterModel = "Model 9",
                                       .PaperSize = "A4"}),
        MakeSummary("/u/Odd.qlt", {.Genre = "MyTemp", .OutputImageForm = "Poster", .PaperSize = "Letter"}),
        MakeSummary("/i/Banner.qlt", {.Genre = "Design", .OutputImageForm = "Banner Images", .PrinterModel = "Model 9",
                                      .PaperSize = "Roll", .PaperSource = "Roll"}),
    };
  }
  TemplateArray templates_;
  std::vector<std::string> types_ = {"MyTemp", "Weddings"};
};

TEST_F(Chooser, AnEmptyLibraryListsNothingAndFiltersHoldOnlyAll) {
  TemplateArray none;
  TemplateChooser c(none, types_);
  EXPECT_TRUE(c.Visible().empty());
  for (int f = 0; f < kTemplateFilterCount; ++f) {
    EXPECT_EQ(c.FilterItems(TemplateFilter(f)), std::vector<std::string>{"(All)"});
    EXPECT_EQ(c.FilterIndex(TemplateFilter(f)), 0);
  }
  EXPECT_FALSE(c.OpenEnabled());
  EXPECT_FALSE(c.SelectRow(0));
  EXPECT_FALSE(c.SelectFileName("x.qlt"));
  EXPECT_EQ(c.SelectedPath(), "");
}

TEST_F(Chooser, TheDialogStartsWithGenreListAllAndNothingSelected) {
  templates_[0].PrinterFilter = 0;  // left over from an earlier dialog
  TemplateChooser c(templates_, types_);
  EXPECT_EQ(c.Classification(), TemplateClassification::Genre);
  EXPECT_EQ(c.ViewMode(), TemplateViewMode::List);
  EXPECT_EQ(c.TreeSelection(), (TypeSelection{0x65, false, ""}));
  EXPECT_EQ(c.Tree().size(), 2u);
  EXPECT_FALSE(c.OpenEnabled());
  // "All": the standard templates, in array order.
  EXPECT_EQ(Names(c), (std::vector<std::string>{"Proof.qlt", "Cards.qlt", "Banner.qlt"}));
  EXPECT_EQ(templates_[3].Visible, 0);
  EXPECT_EQ(templates_[0].Visible, 1);
}

TEST_F(Chooser, FilterCombosHoldAllThenSortedDistinctValues) {
  EXPECT_EQ(FilterChoices(templates_, TemplateFilter::Printer),
            (std::vector<std::string>{"(All)", "Model 3", "Model 9"}));
  EXPECT_EQ(FilterChoices(templates_, TemplateFilter::PaperSize),
            (std::vector<std::string>{"(All)", "A4", "a5", "Letter", "Roll"}));  // a sorted combo ignores case
  EXPECT_EQ(FilterChoices(templates_, TemplateFilter::PaperType), (std::vector<std::string>{"(All)", "Roll", "Tray"}));
}

TEST_F(Chooser, MyTemplateShowsExactlyTheTemplatesOfNoStandardGenre) {
  TemplateChooser c(templates_, types_);
  c.SelectTreeItem({0x66, false, ""});
  EXPECT_EQ(Names(c), (std::vector<std::string>{"Wedding.qlt", "Odd.qlt"}));
  c.SelectTreeItem({0x66, true, "Weddings"});
  EXPECT_EQ(Names(c), std::vector<std::string>{"Wedding.qlt"});
  c.SelectTreeItem({0x65, true, "Design"});
  EXPECT_EQ(Names(c), std::vector<std::string>{"Banner.qlt"});
  c.SelectTreeItem({0x65, true, "Education"});
  EXPECT_TRUE(c.Visible().empty());
}

TEST_F(Chooser, TheOutputFormViewSortsByFormAndUserTemplatesByTheirType) {
  TemplateChooser c(templates_, types_);
  c.SetClassification(TemplateClassification::OutputImageForm);
  EXPECT_EQ(c.Tree()[0].Types[0], "A Version");
  EXPECT_EQ(c.TreeSelection(), (TypeSelection{0x65, false, ""}));  // the first root again
  EXPECT_EQ(Names(c), (std::vector<std::string>{"Proof.qlt", "Cards.qlt", "Wedding.qlt", "Banner.qlt"}));
  c.SelectTreeItem({0x65, true, "Card"});
  EXPECT_EQ(Names(c), (std::vector<std::string>{"Cards.qlt", "Wedding.qlt"}));
  c.SelectTreeItem({0x66, false, ""});
  EXPECT_EQ(Names(c), std::vector<std::string>{"Odd.qlt"});
  c.SelectTreeItem({0x66, true, "Weddings"});  // its form is standard: listed under "Card" instead
  EXPECT_TRUE(c.Visible().empty());
  c.SelectTreeItem({0x66, true, "MyTemp"});
  EXPECT_EQ(Names(c), std::vector<std::string>{"Odd.qlt"});
}

TEST_F(Chooser, APrinterFilterWithTheOthersAtAllListsThatPrinterOnly) {
  TemplateChooser c(templates_, types_);
  ASSERT_TRUE(c.SetFilter(TemplateFilter::Printer, 2));  // "Model 9"
  EXPECT_EQ(Names(c), (std::vector<std::string>{"Proof.qlt", "Banner.qlt"}));
  c.SelectTreeItem({0x66, false, ""});
  EXPECT_EQ(Names(c), std::vector<std::string>{"Wedding.qlt"});
  EXPECT_EQ(templates_[3].PrinterFilter, 0);
  ASSERT_TRUE(c.SetFilter(TemplateFilter::PaperSize, 2));  // "a5": nothing of Model 9
  EXPECT_TRUE(c.Visible().empty());
  ASSERT_TRUE(c.SetFilter(TemplateFilter::Printer, 0));
  c.SelectTreeItem({0x65, false, ""});
  EXPECT_EQ(Names(c), std::vector<std::string>{"Cards.qlt"});
  EXPECT_FALSE(c.SetFilter(TemplateFilter::PaperType, 3));
  EXPECT_FALSE(c.SetFilter(TemplateFilter::PaperType, -1));
}

TEST_F(Chooser, AFilterComparesExactly) {
  ApplyFilter(templates_, TemplateFilter::PaperSize, "a4");
  EXPECT_EQ(templates_[0].PaperSizeFilter, 0);
  ApplyFilter(templates_, TemplateFilter::PaperSize, "A4");
  EXPECT_EQ(templates_[0].PaperSizeFilter, 1);
  EXPECT_EQ(templates_[1].PaperSizeFilter, 0);
  ApplyFilter(templates_, TemplateFilter::PaperSize, "(All)");
  EXPECT_EQ(templates_[1].PaperSizeFilter, 1);
  templates_[2].TreeFlag = 0;
  UpdateVisibility(templates_);
  EXPECT_EQ(VisibleTemplates(templates_), (std::vector<size_t>{0, 1, 3, 4}));
}

TEST_F(Chooser, SelectingByFileNameOrRowAndClearing) {
  TemplateChooser c(templates_, types_);
  ASSERT_TRUE(c.SelectFileName("Cards.qlt"));
  EXPECT_EQ(c.Selected(), 1);
  EXPECT_EQ(c.SelectedRow(), 1);
  EXPECT_TRUE(c.OpenEnabled());
  EXPECT_EQ(c.SelectedPath(), "/i/Cards.qlt");
  EXPECT_EQ(c.SelectedSummary().Genre, "Personal Photo");
  ASSERT_TRUE(c.SelectRow(2));
  EXPECT_EQ(c.SelectedPath(), "/i/Banner.qlt");
  c.ClearSelection();
  EXPECT_FALSE(c.OpenEnabled());
  EXPECT_EQ(c.SelectedSummary().Path, "");
  EXPECT_FALSE(c.SelectFileName("Odd.qlt"));  // not listed
  EXPECT_FALSE(c.OpenEnabled());
}

TEST_F(Chooser, TwoTemplatesOfOneFileNameAreToldApartByTheirRow) {
  templates_.push_back(MakeSummary("/u/Proof.qlt", {.Genre = "General"}));
  TemplateChooser c(templates_, types_);
  ASSERT_EQ(Names(c), (std::vector<std::string>{"Proof.qlt", "Cards.qlt", "Banner.qlt", "Proof.qlt"}));
  ASSERT_TRUE(c.SelectFileName("Proof.qlt"));
  EXPECT_EQ(c.SelectedPath(), "/i/Proof.qlt");
  ASSERT_TRUE(c.SelectRow(3));
  EXPECT_EQ(c.SelectedPath(), "/u/Proof.qlt");
}

TEST_F(Chooser, ASelectionThatIsFilteredOutIsDropped) {
  TemplateChooser c(templates_, types_);
  ASSERT_TRUE(c.SelectFileName("Proof.qlt"));
  c.SelectTreeItem({0x65, true, "Commercial Photo"});
  EXPECT_TRUE(c.OpenEnabled());  // still listed
  EXPECT_EQ(c.SelectedRow(), 0);
  ASSERT_TRUE(c.SetFilter(TemplateFilter::Printer, 1));  // "Model 3"
  EXPECT_FALSE(c.OpenEnabled());
  EXPECT_EQ(c.SelectedRow(), -1);
}

TEST(ViewModes, TextsAndThumbnailSides) {
  EXPECT_EQ(ViewModeText(TemplateViewMode::List), "List");
  EXPECT_EQ(ViewModeText(TemplateViewMode::SmallThumbnails), "Thumbnail(Small)");
  EXPECT_EQ(ViewModeText(TemplateViewMode::MiddleThumbnails), "Thumbnail(Middle)");
  EXPECT_EQ(ViewModeText(TemplateViewMode::LargeThumbnails), "Thumbnail(Large)");
  EXPECT_EQ(ThumbnailSide(TemplateViewMode::List), 0);
  EXPECT_EQ(ThumbnailSide(TemplateViewMode::SmallThumbnails), 32);
  EXPECT_EQ(ThumbnailSide(TemplateViewMode::MiddleThumbnails), 64);
  EXPECT_EQ(ThumbnailSide(TemplateViewMode::LargeThumbnails), 128);
  EXPECT_EQ(AllFilterText(), "(All)");
}

}  // namespace
}  // namespace tl
