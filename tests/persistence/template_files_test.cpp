// Template summaries read by XPath, the templates folder scan, template
// saving rules and the user template types of TemplatePrefIni.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/layout_document.h"
#include "persistence/layout_reader.h"
#include "persistence/template_library.h"
#include "persistence/template_summary.h"
#include "persistence/ini_file.h"
#include "tests/persistence/persistence_fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

class TemplateFiles : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& xml) {
    const std::string path = dir_.File(name);
    fs::create_directories(fs::path(path).parent_path());
    EXPECT_TRUE(test::WriteText(path, xml));
    return path;
  }
  test::TempFolder dir_;
  test::MessageLog messages_;
};

TEST_F(TemplateFiles, SummaryValuesComeFromTheLayoutElements) {
  const std::string path = Write("Cards.qlt", test::LayoutXml(
      "<Comment>\"Two cards\"</Comment><PrinterModel>Model 9</PrinterModel><PaperSize>\"A4\"</PaperSize>"
      "<PaperSource>\"Tray\"</PaperSource><PaperLength>2970</PaperLength><MediaType>\"Matte\"</MediaType>"
      "<PaperOrient>Landscape</PaperOrient><Color>Color</Color><Free>true</Free><ImageSize>1260,900</ImageSize>"
      "<ImageSizeImageOption>AutoFit</ImageSizeImageOption><AlignHorizontalSpacing>70</AlignHorizontalSpacing>"
      "<AlignVerticalSpacing>35</AlignVerticalSpacing><ImageSizeMethod>Dimensions</ImageSizeMethod>"
      "<Banner>true</Banner><AutoRotation>Off</AutoRotation><NameGenre>\"Shop\"</NameGenre>"
      "<NameOutputImageForm>\"Card\"</NameOutputImageForm>"));
  TemplateSummary s;
  ASSERT_TRUE(ReadTemplateSummary(path, s));
  EXPECT_EQ(s.Path, path);
  EXPECT_EQ(s.Comment, "Two cards");   // quotes removed
  EXPECT_EQ(s.PrinterModel, "Model 9");  // no quotes: as stored
  EXPECT_EQ(s.PaperSize, "A4");
  EXPECT_EQ(s.PaperSource, "Tray");
  EXPECT_EQ(s.PaperLength, "2970");
  EXPECT_EQ(s.MediaType, "Matte");
  EXPECT_EQ(s.Orientation, "Landscape");
  EXPECT_EQ(s.Ink, "Color");
  EXPECT_EQ(s.LayoutMode, "Free Layout");
  EXPECT_EQ(s.ImageSize, "Width = 900, Height = 1260\n");
  EXPECT_EQ(s.ImageOptions, "AutoFit");
  EXPECT_EQ(s.ImageOptionsAgain, "AutoFit");
  EXPECT_EQ(s.Spacing, "X = 70, Y = 35\n");
  EXPECT_EQ(s.Banner, 1);
  EXPECT_EQ(s.SizeByDimensions, 1);
  EXPECT_EQ(s.Genre, "Shop");
  EXPECT_EQ(s.OutputImageForm, "\"Card\"");  // as stored, quotes and all
  EXPECT_EQ(s.FileSize, std::to_string(fs::file_size(path)));
  EXPECT_EQ(s.ModifiedDate.size(), std::string("04.05.06 12:34").size());
  EXPECT_EQ((std::array{s.PrinterFilter, s.PaperSizeFilter, s.PaperSourceFilter, s.TreeFlag, s.Visible}),
            (std::array{1, 1, 1, 1, 0}));
  EXPECT_EQ(s.PreviewSize, 0);
  EXPECT_TRUE(s.Preview.empty());
}

TEST_F(TemplateFiles, OutputImageFormElementAndPreviewSize) {
  const std::string path = Write("x.qlt", test::LayoutXml("<NameOutputImageForm>\"Card\"</NameOutputImageForm><Free>TRUE</Free>"
                                                          "<Preview>" + std::string(1000, 'Q') + "</Preview>"
                                                          "<OutputImageForm>\"Photo\"</OutputImageForm>"));
  TemplateSummary s;
  ASSERT_TRUE(ReadTemplateSummary(path, s));
  EXPECT_EQ(s.OutputImageForm, "Photo");
  EXPECT_EQ(s.LayoutMode, "Automatic Layout");  // only "true" itself is free layout
  EXPECT_EQ(s.PreviewSize, 750);
  EXPECT_EQ(s.Preview.size(), 750u);
}

TEST_F(TemplateFiles, AFileThatDoesNotParseLeavesTheSummaryAlone) {
  TemplateSummary s;
  s.Comment = "before";
  EXPECT_FALSE(ReadTemplateSummary(Write("bad.qlt", "<root><layout>"), s));
  EXPECT_EQ(s.Comment, "before");
  EXPECT_FALSE(ReadTemplateSummary(dir_.File("missing.qlt"), s));
}

TEST_F(TemplateFiles, TheFolderScanFindsTemplatesInSubfolders) {
  const std::string xml = test::LayoutXml("<Comment>\"c\"</Comment>");
  Write("Templates/b.qlt", xml);
  Write("Templates/Wedding/a.qlt", xml);
  Write("Templates/Notes.txt", xml);
  Write("Templates/upper.QLT", xml);  // the letters compare with case
  Write("Templates/broken.qlt", "not xml");
  TemplateArray found;
  LoadTemplateSummaryFolder(dir_.File("Templates"), "qlt", 0, found);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].Path, dir_.File("Templates/Wedding/a.qlt"));
  EXPECT_EQ(found[1].Path, dir_.File("Templates/b.qlt"));
  LoadTemplateSummaryFolder(dir_.File("no such folder"), "qlt", 0, found);
  EXPECT_EQ(found.size(), 2u);
}

TEST_F(TemplateFiles, TemplateNamesEndInQlt) {
  EXPECT_EQ(TemplateFileName("Cards"), "Cards.qlt");
  EXPECT_EQ(TemplateFileName("Cards.QLT"), "Cards.QLT");
  EXPECT_EQ(TemplateFileName("Cards.qlf"), "Cards.qlf.qlt");
}

TEST_F(TemplateFiles, SaveTemplateAsStoresRelativeFoldersAndPutsTheFlagsBack) {
  fs::create_directories(dir_.File("Photos"));
  ASSERT_TRUE(test::WriteJpeg(dir_.File("Photos/a.jpg")));
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  ImageObject* m = ImageObjectNew(d->DefaultImageSettings, &d->Objects);
  m->Owner = d.get();
  m->ImagePath = dir_.File("Photos/a.jpg");
  m->ImageSrcManagementMode = 0;
  m->ImageSimIntent = 1;
  d->SaveWithArrangedImages = 1;
  const std::string path = dir_.File("Templates/Mine/Album.qlt");
  ASSERT_TRUE(SaveTemplateFileAs(path, *d));  // the folder is made
  EXPECT_EQ(d->SaveRelativePath, 0);
  EXPECT_EQ(d->SavingTemplate, 0);
  const std::string xml = test::ReadText(path);
  EXPECT_NE(xml.find("<RelativeDir>\"./../../Photos/\"</RelativeDir>"), std::string::npos) << xml;

  d->SaveWithArrangedImages = 0;
  ASSERT_TRUE(SaveTemplateFile(path, *d));
  EXPECT_EQ(test::ReadText(path).find("<image>"), std::string::npos);

  const DocumentPtr read = LoadLayoutFile(path);
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->Objects.Empty());
}

TEST_F(TemplateFiles, UserTemplateTypesLiveInTheIniFile) {
  const std::string path = dir_.File("config/Tessaline_TemplatePref.ini");
  EXPECT_EQ(ReadUserTemplateTypes(path), std::vector<std::string>{"MyTemp"});  // a first start creates it
  EXPECT_NE(test::ReadText(path).find("UsrTemplate0=MyTemp"), std::string::npos);

  ASSERT_TRUE(WriteUserTemplateTypes({"Weddings", "Passports", "Shop\nfront"}, path));
  EXPECT_EQ(ReadUserTemplateTypes(path), (std::vector<std::string>{"Weddings", "Passports", "Shop front"}));
  ASSERT_TRUE(WriteUserTemplateTypes({"Weddings", "Shop front"}, path));
  IniFile ini;
  ASSERT_TRUE(ini.Load(path));
  EXPECT_EQ(ini.Keys("USR_TEMPLATE_FOLDER"), (std::vector<std::string>{"UsrTemplate0", "UsrTemplate1"}));
  EXPECT_EQ(ReadUserTemplateTypes(path), (std::vector<std::string>{"Weddings", "Shop front"}));
}

TEST_F(TemplateFiles, TheIniFileKeepsOtherSectionsAndReadsLoosely) {
  const std::string path = dir_.File("t.ini");
  ASSERT_TRUE(test::WriteText(path, "; comment\r\n[Other]\r\nkey = value \r\n[usr_template_folder]\r\nusrtemplate0=First\r\n"
                                    "UsrTemplate0=Duplicate\r\nUsrTemplate2=After a gap\r\n"));
  EXPECT_EQ(ReadUserTemplateTypes(path), std::vector<std::string>{"First"});
  ASSERT_TRUE(WriteUserTemplateTypes({"A"}, path));
  IniFile ini;
  ASSERT_TRUE(ini.Load(path));
  EXPECT_EQ(ini.Get("Other", "KEY", ""), "value");
  EXPECT_EQ(ini.Keys("USR_TEMPLATE_FOLDER"), std::vector<std::string>{"usrtemplate0"});
  EXPECT_EQ(ini.Get("USR_TEMPLATE_FOLDER", "UsrTemplate0", ""), "A");
}

TEST_F(TemplateFiles, GenresAndOutputImageForms) {
  EXPECT_EQ(TemplateGenres(), (std::vector<std::string>{"Business", "Commercial Photo", "Design", "Education", "General",
                                                        "Personal Photo", "Shop"}));
  EXPECT_EQ(OutputImageForms().size(), 7u);
  EXPECT_EQ(OutputImageForms().front(), "A Version");
}

}  // namespace
}  // namespace tl
