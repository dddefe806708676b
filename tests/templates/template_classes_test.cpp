// Standard and user templates by genre and by output image form, the type
// trees, list names, the info pane rows and the application's user types.
#include <gtest/gtest.h>

#include "persistence/ini_file.h"
#include "persistence/template_library.h"
#include "templates/template_classes.h"
#include "templates/template_info.h"
#include "templates/user_template_types.h"
#include "tests/persistence/persistence_fixtures.h"
#include "tests/templates/templates_fixtures.h"

namespace tl {
namespace {

using test::MakeSummary;

TEST(TemplateClasses, StandardByGenreAndByOutputImageFormAreIndependent) {
  const TemplateSummary shop = MakeSummary("/t/a.qlt", {.Genre = "Shop", .OutputImageForm = "Card"});
  const TemplateSummary mine = MakeSummary("/t/b.qlt", {.Genre = "MyTemp", .OutputImageForm = "Card"});
  const TemplateSummary odd = MakeSummary("/t/c.qlt", {.Genre = "Business", .OutputImageForm = "Poster"});
  EXPECT_TRUE(IsStandardTemplate(shop, TemplateClassification::Genre));
  EXPECT_TRUE(IsStandardTemplate(shop, TemplateClassification::OutputImageForm));
  EXPECT_FALSE(IsStandardTemplate(mine, TemplateClassification::Genre));
  EXPECT_TRUE(IsStandardTemplate(mine, TemplateClassification::OutputImageForm));  // keeps its template's form
  EXPECT_TRUE(IsStandardTemplate(odd, TemplateClassification::Genre));
  EXPECT_FALSE(IsStandardTemplate(odd, TemplateClassification::OutputImageForm));
  // Names compare exactly.
  EXPECT_FALSE(HasStandardGenre(MakeSummary("/t/d.qlt", {.Genre = "shop"})));
  EXPECT_FALSE(HasStandardGenre(MakeSummary("/t/e.qlt", {})));
}

TEST(TemplateClasses, TheOutputImageFormIsComparedWithoutTheQuotesTheFileKeeps) {
  TemplateSummary s = MakeSummary("/t/a.qlt", {.Genre = "Shop"});
  s.OutputImageForm = "\"Banner Images\"";  // NameOutputImageForm as stored
  EXPECT_EQ(OutputImageFormName(s), "Banner Images");
  EXPECT_TRUE(HasStandardOutputImageForm(s));
  s.OutputImageForm = "Photo";  // from an OutputImageForm element
  EXPECT_TRUE(HasStandardOutputImageForm(s));
  s.OutputImageForm = "\"";
  EXPECT_EQ(OutputImageFormName(s), "");
}

TEST(TemplateClasses, TheKeyOfTheOutputFormViewIsTheFormOrTheUserType) {
  const TemplateSummary mine = MakeSummary("/t/b.qlt", {.Genre = "Weddings", .OutputImageForm = "Card"});
  const TemplateSummary other = MakeSummary("/t/c.qlt", {.Genre = "Weddings", .OutputImageForm = "Poster"});
  EXPECT_EQ(ClassificationKey(mine, TemplateClassification::Genre), "Weddings");
  EXPECT_EQ(ClassificationKey(mine, TemplateClassification::OutputImageForm), "Card");
  EXPECT_EQ(ClassificationKey(other, TemplateClassification::OutputImageForm), "Weddings");
}

TEST(TemplateClasses, TheChooseTreeHasTwoRootsAndTheOrganizeTreeThree) {
  const std::vector<std::string> types = {"MyTemp", "Weddings"};
  const TypeTree genre = ChooseTemplateTree(TemplateClassification::Genre, types);
  ASSERT_EQ(genre.size(), 2u);
  EXPECT_EQ(genre[0].Text, "All");
  EXPECT_EQ(genre[0].Data, 0x65);
  EXPECT_EQ(genre[0].Types, TemplateGenres());
  EXPECT_EQ(genre[1].Text, "MyTemplate");
  EXPECT_EQ(genre[1].Data, 0x66);
  EXPECT_EQ(genre[1].Types, types);
  const TypeTree form = ChooseTemplateTree(TemplateClassification::OutputImageForm, types);
  EXPECT_EQ(form[0].Types, OutputImageForms());
  EXPECT_EQ(form[1].Types, types);

  const TypeTree organize = OrganizeTemplateTree(types);
  ASSERT_EQ(organize.size(), 3u);
  EXPECT_EQ((std::vector{organize[0].Text, organize[1].Text, organize[2].Text}),
            (std::vector<std::string>{"Genre", "Output Image Form", "MyTemplate"}));
  EXPECT_EQ((std::vector{organize[0].Data, organize[1].Data, organize[2].Data}), (std::vector{0x65, 0x66, 0x67}));
  EXPECT_EQ(organize[0].Types.size(), 7u);
  EXPECT_EQ(organize[1].Types.size(), 7u);
  EXPECT_EQ(organize[2].Types, types);
  EXPECT_EQ(kTreeTypeItem, 0);
}

TEST(TemplateClasses, AListNameIsTheTextAfterTheLastSlash) {
  EXPECT_EQ(TemplateListName(MakeSummary("/home/u/Templates/Wedding/Cards.qlt", {})), "Cards.qlt");
  EXPECT_EQ(FileNameOfPath("Cards.qlt"), "Cards.qlt");
  EXPECT_EQ(FileNameOfPath("/a/"), "");
}

TEST(TemplateInfo, ThirteenRowsWithTheirCaptionsAndDashRules) {
  TemplateSummary s = MakeSummary("/t/Proof A4.qlt", {.Genre = "Shop", .PrinterModel = "Model 9", .PaperSize = "A4",
                                                      .PaperSource = "Tray", .Comment = "One per page"});
  s.PaperLength = "2970";
  s.MediaType = "Matte";
  s.Orientation = "Portrait";
  s.Ink = "Color";
  s.LayoutMode = "Automatic Layout";
  s.ImageSize = "Width = 900, Height = 1260\n";
  s.ImageOptions = "AutoFit";
  s.AutoRotation = "Off";
  std::vector<TemplateInfoRow> rows = TemplateInfoRows(s);
  ASSERT_EQ(rows.size(), 13u);
  std::vector<std::string> labels, values;
  for (const TemplateInfoRow& r : rows) {
    labels.push_back(r.Label);
    values.push_back(r.Value);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"Name", "Comment", "Printer", "Paper Source", "Paper Size",
                                              "Banner Page Length", "Media Type", "Orientation", "Ink", "Layout Mode",
                                              "Image Size", "Image Options", "Automatic Rotation"}));
  EXPECT_EQ(values, (std::vector<std::string>{"Proof A4.qlt", "One per page", "Model 9", "Tray", "A4", "-", "Matte",
                                              "Portrait", "Color", "Automatic Layout", "Width = 900, Height = 1260",
                                              "-", "Off"}));
  s.Banner = 1;
  s.SizeByDimensions = 1;
  rows = TemplateInfoRows(s);
  EXPECT_EQ(rows[5].Value, "2970");
  EXPECT_EQ(rows[11].Value, "AutoFit");
}

TEST(TemplateInfo, RowsOfAnEmptySummary) {
  const std::vector<TemplateInfoRow> rows = TemplateInfoRows(TemplateSummary{});
  ASSERT_EQ(rows.size(), 13u);
  EXPECT_EQ(rows[0].Value, "");
  EXPECT_EQ(rows[5].Value, "-");
  EXPECT_EQ(rows[11].Value, "-");
}

TEST(UserTypes, LoadedAtStartAndStoredAtExit) {
  test::TemplateHome home;
  UserTemplateTypes() = {"left over"};
  LoadUserTemplateTypes();  // no file yet: created with "MyTemp"
  EXPECT_EQ(UserTemplateTypes(), std::vector<std::string>{"MyTemp"});
  EXPECT_NE(test::ReadText(TemplatePrefIniPath()).find("UsrTemplate0=MyTemp"), std::string::npos);

  UserTemplateTypes() = {"Weddings", "Passports", "Shop front"};
  ASSERT_TRUE(StoreUserTemplateTypes());
  UserTemplateTypes().clear();
  LoadUserTemplateTypes();
  EXPECT_EQ(UserTemplateTypes(), (std::vector<std::string>{"Weddings", "Passports", "Shop front"}));

  UserTemplateTypes().erase(UserTemplateTypes().begin() + 1);
  ASSERT_TRUE(StoreUserTemplateTypes());
  IniFile ini;
  ASSERT_TRUE(ini.Load(TemplatePrefIniPath()));
  EXPECT_EQ(ini.Keys("USR_TEMPLATE_FOLDER"), (std::vector<std::string>{"UsrTemplate0", "UsrTemplate1"}));
  UserTemplateTypes().clear();
}

TEST(UserTypes, ACorruptFileGivesWhatItCanAndAnUnwritableOneLosesTheChanges) {
  test::TemplateHome home;
  const std::string path = home.File("pref.ini");
  ASSERT_TRUE(test::WriteText(path, "\x01\x02garbage\n[USR_TEMPLATE_FOLDER]\nUsrTemplate0=Kept\n\xff\xfe"));
  LoadUserTemplateTypes(path);
  EXPECT_EQ(UserTemplateTypes(), std::vector<std::string>{"Kept"});
  UserTemplateTypes() = {"Lost"};
  EXPECT_FALSE(StoreUserTemplateTypes(home.File("pref.ini/inside a file")));
  UserTemplateTypes().clear();
}

TEST(UserTypes, TheLibraryLoadsBothFoldersAndTheTypes) {
  test::TemplateHome home;
  ASSERT_TRUE(test::WriteTemplateFile(home.File("data/Templates/Stock.qlt"), {.Genre = "General"}));
  ASSERT_TRUE(test::WriteTemplateFile(UserTemplateFolder() + "/Mine.qlt", {.Genre = "MyTemp"}));
  LoadTemplateLibrary();
  ASSERT_EQ(ApplicationTemplateArray().size(), 2u);
  EXPECT_EQ(TemplateListName(ApplicationTemplateArray()[0]), "Stock.qlt");
  EXPECT_EQ(TemplateListName(ApplicationTemplateArray()[1]), "Mine.qlt");
  EXPECT_EQ(UserTemplateTypes(), std::vector<std::string>{"MyTemp"});
  ApplicationTemplateArray().clear();
  UserTemplateTypes().clear();
}

}  // namespace
}  // namespace tl
