// The settings text format and the preferences file: defaults, every key
// written and read back, the value forms, and files that are missing,
// damaged or cannot be written.
#include "persistence/preferences.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "persistence/settings_text.h"
#include "tests/persistence/persistence_fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kScreenWidth = 1920;

class Preferences : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SetPreferenceDefaults(record_, kScreenWidth)); }
  LayoutDocument& Defaults() { return *record_.ApplicationDefaultDocument; }
  std::string Lines(const std::string& user, const std::string& layout = "", const std::string& image = "") {
    return "Header\r\n\tversion:1500\r\n\tplatform:1\r\nUser\r\n\tdefault\r\n" + user + "\tdone\r\nLayout\r\n\tdefault\r\n" +
           layout + "\tdone\r\nImage\r\n\tdefault\r\n" + image + "\tdone\r\n";
  }

  PreferenceRecord record_;
  test::TempFolder dir_;
  test::MessageLog messages_;
};

TEST_F(Preferences, DefaultsAtStartUp) {
  EXPECT_EQ(record_.version, 1500);
  EXPECT_EQ(record_.platform, 1);
  EXPECT_EQ(record_.infoOrigin, (LPoint{1920 - 435, 60}));
  EXPECT_EQ(record_.scopeOrigin, (LPoint{1920 - 490, 495}));
  EXPECT_EQ(record_.scopeSize, 450);
  EXPECT_EQ(record_.scopeMode, 3);
  EXPECT_EQ(record_.grid, (LSize{70, 70}));
  EXPECT_EQ(record_.unit, 1);
  EXPECT_EQ(record_.keyMove, 14);
  EXPECT_EQ(record_.confirmDialogShow, 1);
  EXPECT_EQ(record_.directPrintPos, (LPoint{40, 40}));
  EXPECT_EQ(Defaults().RecordState, 0);
  EXPECT_EQ(Defaults().NudgeStep, 14);
  EXPECT_EQ(Defaults().DisplayUnit, 1);
}

TEST_F(Preferences, TheFileStartsWithItsHeaderAndUserSections) {
  const std::string text = PreferencesText(record_);
  EXPECT_EQ(text.rfind("Header\r\n\tversion:1500\r\n\tplatform:1\r\nUser\r\n\tdefault\r\n\tinfoShow:false\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("\r\nLayout\r\n\tdefault\r\n\tpaperSetup:false\r\n\tpaper:0,0,4209,2976\r\n"), std::string::npos);
  EXPECT_NE(text.find("\tcutterLine:0\r\n\tcutterMargin:2\r\n\tdone\r\nImage\r\n\tdefault\r\n\tsize:1260,1260\r\n"),
            std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 22), "\ttune:0,0,0,0\r\n\tdone\r\n");
  // Left out: empty printers, the page of a table paper, the frame widths
  // and crop of the default itself, empty header texts.
  for (const char* absent : {"directPrintPrinter", "\tpage:", "sizeFrameRect", "\tcrop:", "headerText"})
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
}

TEST_F(Preferences, EveryKeyReadsBack) {
  record_.infoShow = 1;
  record_.infoOrigin = {11, 12};
  record_.scopeShow = 1;
  record_.scopeOrigin = {13, 14};
  record_.scopeSize = 300;
  record_.scopeMode = 2;
  record_.rulerShow = 1;
  record_.grid = {35, 36};
  record_.gridShow = 1;
  record_.gridAlign = 1;
  record_.keyMove = 7;
  record_.appStarts = kStartRecentDocument;
  record_.quickPrint = 1;
  record_.confirmDialogShow = 0;
  record_.directPrintPrinter[0] = "Studio";
  record_.directPrintPrinter[5] = "Back office";
  record_.directPrintShow = 1;
  record_.directPrintPos = {50, 60};
  record_.hideQTAlert = 3;
  LayoutDocument& d = Defaults();
  d.PrinterMargins = {1, 2, 3, 4};
  d.ShowPrintMargins = 0;
  d.ShowLayoutMargins = 0;
  d.UserDefinedPageInUse = 1;
  d.PageWidth = 3000;
  d.PageHeight = 5000;
  d.UserDefinedPage = {3000, 5000};
  d.PaperOrient = 1;
  d.Free = 1;
  d.AlignLine = kAlignTop;
  d.AlignHorizontal = kAlignJustify;
  d.AlignVerticalSpacing = 20;
  d.AlignHorizontalSpacing = 30;
  d.Header.Enabled = 1;
  d.Header.Offset = 90;
  d.Footer.Offset = 91;
  d.Header.Text = "two\r\nlines";
  d.Footer.Text = "footer";
  d.HeaderFooterStyle = {FontNameField("DejaVu Sans"), 0x100, 60, MakeColor(255, 0, 0), 66, kJustifyRight};
  d.InputSrcProfile = "sRGB Color Space Profile.ICM";
  d.InputSrcIntent = 2;
  d.InputSrcUseEmbedProfile = 1;
  d.InputSimMethod = 1;
  d.InputSimProfile = "Tessaline_CMYK.icc";
  d.InputSimProfileState = 1;
  d.InputSimIntent = 3;
  d.OutputPrinterControls = kByApplication;
  d.Banner = 1;
  d.AutoRotation = 4;
  d.PreProcessing = 0;
  d.SaveRelativePath = 1;
  d.InputSrcUseVdx = 0;
  d.PaperColor = MakeColor(1, 2, 3);
  d.LayoutMarginMode = 1;
  d.LayoutMargin = {5, 6, 7, 8};
  d.CutLineMode = kCutLineFotoba;
  d.CutLineOthersType = kCutAroundImage;
  ImageObject& m = *d.DefaultImageSettings;
  m.Size = {900, 700};
  m.SizeAbsolute = {800, 600};
  m.SizeRelative = {500, 400};
  m.SizeMethod = 1;
  m.SizeRatio = 0;
  m.SizeImageOption = 2;
  m.FrameColorValid = 1;
  m.FrameColor = MakeColor(9, 9, 9);
  m.FrameRotation = 1;
  m.CropMode = 1;
  m.CropFrameColor = MakeColor(0, 0, 255);
  m.CropFixedRatio = 1;
  m.CropDialogUnit = 1;
  m.CropDialogResolution = 300;
  m.CropDialogState = 2;
  m.RotateFlip = kRotate180 | kFlipHorizontal;
  m.LabelItems = 0x2001;
  m.LabelFontName = "DejaVu Serif";
  m.LabelFontSize = 40;
  m.LabelFontColor = MakeColor(0, 255, 0);
  m.LabelAlign = 2;
  m.LabelLocation = 3;
  m.LabelUpsideDown = 1;
  m.CaptionFontName = "DejaVu Sans Mono";
  m.CaptionFontSize = 30;
  m.CaptionFontColor = MakeColor(4, 5, 6);
  m.CaptionAlign = 1;
  m.CaptionUpsideDown = 0;
  m.CaptionLocation = 1;
  m.CaptionString = "a \"quoted\" caption";
  m.ColorTune = {1, -2, 3};
  m.ColorTuneMode = 2;

  const std::string path = dir_.File("prefs.ini");
  ASSERT_TRUE(SavePreferences(record_, path));
  PreferenceRecord read;
  ASSERT_TRUE(SetPreferenceDefaults(read, kScreenWidth));
  ASSERT_TRUE(LoadPreferences(read, path));
  EXPECT_TRUE(messages_.texts.empty());
  EXPECT_EQ(PreferencesText(read), PreferencesText(record_));  // every key reads back as written
  const LayoutDocument& r = *read.ApplicationDefaultDocument;
  EXPECT_EQ(r.Header.Text, "two\r\nlines");
  EXPECT_EQ(r.HeaderFooterStyle, d.HeaderFooterStyle);
  EXPECT_EQ(r.InputSimProfile, "Tessaline_CMYK.icc");
  EXPECT_EQ(r.PaperTableIndex, 22);
  EXPECT_EQ(read.directPrintPrinter[5], "Back office");
  EXPECT_EQ(read.appStarts, kStartRecentDocument);
  EXPECT_EQ(r.DefaultImageSettings->EffectiveImageOption, 2);
}

TEST_F(Preferences, ValueForms) {
  EXPECT_EQ(SettingColor(MakeColor(255, 0, 0)), "65535,0,0");
  EXPECT_EQ(ReadSettingColor("65535,0,0"), MakeColor(255, 0, 0));
  EXPECT_EQ(ReadSettingColor("256,511,0"), MakeColor(1, 1, 0));  // the upper byte of each component
  EXPECT_EQ(SettingText("one\r\ntwo"), "\"one\x10two\"");
  EXPECT_EQ(ReadSettingText("\"one\x10two\"", 255), "one\r\ntwo");
  EXPECT_EQ(ReadSettingText("\"" + std::string(40, 'f') + "\"", 31), std::string(31, 'f'));
  EXPECT_EQ(ReadSettingText("unquoted", 255), "");

  SettingsLine line;
  ASSERT_TRUE(ParseSettingsLine("\tkeyMove:7", line));
  EXPECT_EQ(line.Key, SettingKey::keyMove);
  EXPECT_EQ(line.Value, "7");
  ASSERT_TRUE(ParseSettingsLine("   done", line));
  EXPECT_EQ(line.Key, SettingKey::Done);
  ASSERT_TRUE(ParseSettingsLine("\tgrid 70,70", line));  // the key ends at a blank; no value without ":"
  EXPECT_EQ(line.Key, SettingKey::grid);
  EXPECT_EQ(line.Value, "");
  EXPECT_FALSE(ParseSettingsLine("#\tkeyMove:7", line));
  EXPECT_FALSE(ParseSettingsLine("\tKeyMove:7", line));  // keys compare with case
  EXPECT_FALSE(ParseSettingsLine("\tnoSuchKey:1", line));
  EXPECT_FALSE(ParseSettingsLine("", line));
}

TEST_F(Preferences, WordsLineHeightsAndIgnoredLines) {
  ReadPreferencesText(Lines("\tappStarts:Recently Edited Document\r\n\tunit:INCH\r\n# keyMove:99\r\n\tnoSuch:1\r\n"
                            "\tkeyMove:\r\n",
                            "\theaderFontSize:10\r\n\theaderLineHeight:110\r\n"),
                      record_);
  EXPECT_EQ(record_.appStarts, kStartRecentDocument);
  EXPECT_EQ(record_.unit, 2);
  EXPECT_EQ(Defaults().DisplayUnit, 2);
  EXPECT_EQ(Defaults().DisplayUnitName, "inch");
  EXPECT_EQ(record_.keyMove, 0);  // a value without digits reads as 0
  EXPECT_EQ(Defaults().HeaderFooterStyle.LineHeight, 55);

  ReadPreferencesText(Lines("\tappStarts:Sometimes\r\n\tunit:MM\r\n\tunit:furlong\r\n"), record_);
  EXPECT_EQ(record_.appStarts, kStartNoDocument);
  EXPECT_EQ(record_.unit, 1);  // an unknown unit keeps the last one

  Defaults().HeaderFooterStyle.FontSize = 50;
  Defaults().HeaderFooterStyle.LineHeight = 55;
  EXPECT_NE(PreferencesText(record_).find("\theaderLineHeight:110\r\n"), std::string::npos);
}

TEST_F(Preferences, KeysCountOnlyInTheirSectionAndObjectEntriesAreSkipped) {
  ReadPreferencesText("Layout\r\n\tkeyMove:99\r\n\tfree:true\r\nImage\r\n\tnew\r\n\tsize:1,1\r\n\tshow\r\n"
                      "\tsize:10,20\r\nText\r\n\tstring:\"x\"\r\nUser\r\n\tfree:false\r\n",
                      record_);
  EXPECT_EQ(record_.keyMove, 14);
  EXPECT_EQ(Defaults().Free, 1);
  EXPECT_EQ(Defaults().DefaultImageSettings->Size, (LSize{20, 10}));
}

TEST_F(Preferences, APageWithoutATableRowFallsBackToA4) {
  ReadPreferencesText(Lines("", "\tpaper:0,0,1000,1000\r\n"), record_);
  EXPECT_EQ(Defaults().PaperTableIndex, 16);
  EXPECT_EQ(Defaults().PageWidth, 2976);
  EXPECT_EQ(Defaults().PageHeight, 4209);

  ReadPreferencesText(Lines("", "\tpaper:0,0,1000,1000\r\n\tuserDefinedPage:1000,1000\r\n\tpaper:0,0,0,-5\r\n"), record_);
  EXPECT_EQ(Defaults().PaperTableIndex, 22);
  EXPECT_EQ(Defaults().PageWidth, 1000);  // a page without area is not taken
}

TEST_F(Preferences, AMissingFileIsCreatedEmptyAndDamageNeverStopsTheStart) {
  const std::string path = dir_.File("config/Tessaline 1.5(E) Preferences.INI");
  ASSERT_TRUE(LoadPreferences(record_, path));
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(fs::file_size(path), 0u);
  EXPECT_EQ(record_.keyMove, 14);

  const std::string garbage = std::string("\0\xFF\r\r\n:::\"\"\t\x10", 12) + std::string(100000, 'x') + "\r\nUser\r\n\tkeyMove:9";
  ASSERT_TRUE(test::WriteText(path, garbage));
  ASSERT_TRUE(LoadPreferences(record_, path));
  EXPECT_EQ(record_.keyMove, 9);  // what can be read is taken
  EXPECT_TRUE(messages_.texts.empty());

  // A file that can be neither read nor made is reported; the defaults stay.
  ASSERT_TRUE(test::WriteText(dir_.File("plain file"), "x"));
  PreferenceRecord fresh;
  ASSERT_TRUE(SetPreferenceDefaults(fresh, kScreenWidth));
  EXPECT_TRUE(LoadPreferences(fresh, dir_.File("plain file/prefs.INI")));
  EXPECT_EQ(messages_.icons.size(), 1u);
  EXPECT_EQ(fresh.keyMove, 14);
}

TEST_F(Preferences, AFailedSaveKeepsTheOldFile) {
  const std::string path = dir_.File("prefs.ini");
  ASSERT_TRUE(test::WriteText(path, "User\r\n\tkeyMove:9\r\n"));
  EXPECT_FALSE(test::WithFileSizeLimit(100, [&] { return SavePreferences(record_, path); }));
  EXPECT_EQ(messages_.icons, std::vector<MessageIcon>{MessageIcon::Stop});
  EXPECT_EQ(test::ReadText(path), "User\r\n\tkeyMove:9\r\n");
}

}  // namespace
}  // namespace tl
