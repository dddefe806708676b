// Profile names, places, roles, descriptions and the dialog lists, over
// colour folders made by each test and the generated application profiles.
#include "color/profile_roles.h"

#include <gtest/gtest.h>

#include "color/profile_description.h"
#include "color/profile_list.h"
#include "color/output_color_settings.h"
#include "color/profile_open.h"
#include "color/profile_places.h"
#include "resources/string_table.h"
#include "tests/color/color_test_support.h"

namespace tl {
namespace {

using test::ColorTestPlaces;
using test::RgbProfileBytes;
using test::WriteBytes;

std::string DescriptionOf(std::string_view name) {
  const ProfilePtr profile = OpenProfileByName(name);
  return profile ? ProfileDescription(profile.get()) : std::string("<none>");
}

TEST(ProfilePlaces, BareNamesComeFromTheFirstColourFolderThatHoldsThem) {
  ColorTestPlaces places;
  ASSERT_TRUE(WriteBytes(places.Second() + "/shared.icc", RgbProfileBytes("second", cmsSigDisplayClass)));
  EXPECT_EQ(DescriptionOf("shared.icc"), "second");
  ASSERT_TRUE(WriteBytes(places.First() + "/shared.icc", RgbProfileBytes("first", cmsSigDisplayClass)));
  EXPECT_EQ(DescriptionOf("shared.icc"), "first");
  EXPECT_EQ(ResolveProfileName("shared.icc"), places.First() + "/shared.icc");
  EXPECT_EQ(ProfileNameForPath(places.First() + "/shared.icc"), "shared.icc");
  // The hidden file keeps its path: its bare name would reach the other one.
  EXPECT_EQ(ProfileNameForPath(places.Second() + "/shared.icc"), places.Second() + "/shared.icc");
  // A name with a folder part is a path, wherever it points.
  EXPECT_EQ(DescriptionOf(places.Second() + "/shared.icc"), "second");
  EXPECT_FALSE(OpenProfileByName("absent.icc"));
  EXPECT_FALSE(OpenProfileByName(""));
  EXPECT_FALSE(OpenProfileByName(".."));
}

TEST(ProfilePlaces, ListingIgnoresTheExtensionsCaseAndHidesShadowedNames) {
  ColorTestPlaces places;
  places.UseColorFolders({places.First(), places.Second()});
  for (const char* name : {"b.ICM", "a.icm", "c.icc", "notes.txt"})
    ASSERT_TRUE(WriteBytes(places.First() + "/" + name, RgbProfileBytes(name, cmsSigDisplayClass)));
  ASSERT_TRUE(WriteBytes(places.Second() + "/a.icm", RgbProfileBytes("hidden", cmsSigDisplayClass)));
  ASSERT_TRUE(WriteBytes(places.Second() + "/d.icm", RgbProfileBytes("d", cmsSigDisplayClass)));
  std::vector<std::string> names;
  for (const ProfileFile& file : ListProfileFiles(".icm")) names.push_back(file.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"a.icm", "b.ICM", "d.icm"}));
  EXPECT_EQ(ListProfileFiles(".icc").size(), 1u);
}

TEST(ProfileRoles, ModesChooseTheNamedBuiltInOrSystemProfile) {
  ColorTestPlaces places;
  ASSERT_TRUE(WriteBytes(places.First() + "/chosen.icc", RgbProfileBytes("Chosen RGB", cmsSigDisplayClass)));
  ASSERT_TRUE(WriteBytes(places.First() + "/paper.icc", RgbProfileBytes("Paper RGB", cmsSigOutputClass)));
  const std::string srgb = DescriptionOf(kDefaultRgbProfileName);
  const std::string cmyk = DescriptionOf(StringText(kDefaultCmykProfileId));
  const std::string working = ProfileDescription(OpenProfileFile(WorkingRgbProfilePath()).get());
  ASSERT_NE(cmyk, "<none>");
  ASSERT_FALSE(working.empty());
  const struct {
    uint32_t role;
    int mode;
    const char* name;
    std::string expected;  // description, or "<none>"
  } cases[] = {
      {kRoleRgb, 2, "chosen.icc", "Chosen RGB"},
      {kRoleRgb, 2, "missing.icc", "<none>"},
      {kRoleRgb, 1, "", srgb},  // a choice without a name: the role's default
      {kRoleRgb, 0, "chosen.icc", working},
      {kRoleRgb, -1, "chosen.icc", srgb},  // the monitor profile: no screen, so sRGB
      {kRoleCmyk, 0, "chosen.icc", cmyk},
      {kRoleCmyk, -1, "", cmyk},
      {kRoleCmyk, 3, "chosen.icc", "Chosen RGB"},
      {kRoleMonitor, -1, "", srgb},
      {kRoleMonitor, 4, "chosen.icc", "Chosen RGB"},
      {kRolePrinter, 0, "paper.icc", "Paper RGB"},  // the recommended entry's profile
      {kRolePrinter, 0, "", srgb},
      {kRolePrinter, 0, "missing.icc", srgb},
      {kRolePrinter, 2, "paper.icc", "Paper RGB"},
      {FourCC("GRAY"), 1, "chosen.icc", "<none>"},
  };
  for (const auto& c : cases) {
    std::string path;
    const ProfilePtr profile = OpenRoleProfile(c.role, c.mode, c.name, &path);
    EXPECT_EQ(profile ? ProfileDescription(profile.get()) : std::string("<none>"), c.expected)
        << "role " << std::hex << c.role << std::dec << " mode " << c.mode << " name " << c.name;
    if (profile) {
      EXPECT_FALSE(path.empty());
    }
  }
}

TEST(ProfileRoles, DefaultNamesAndDescriptions) {
  ColorTestPlaces places;
  EXPECT_EQ(DefaultProfileName(kRoleRgb), kDefaultRgbProfileName);
  EXPECT_EQ(DefaultProfileName(kRoleCmyk), StringText(kDefaultCmykProfileId));
  EXPECT_EQ(DefaultProfileName(kRoleMonitor), kDefaultRgbProfileName);
  EXPECT_EQ(DefaultProfileName(kRolePrinter), kDefaultRgbProfileName);

  ASSERT_TRUE(WriteBytes(places.First() + "/mine.icc", RgbProfileBytes("Mine", cmsSigDisplayClass)));
  EXPECT_EQ(DescribeRoleProfile(kRoleRgb, 2, "mine.icc"), "Mine");
  // A named profile that is gone shows the role's default profile.
  EXPECT_EQ(DescribeRoleProfile(kRoleRgb, 2, "gone.icc"), DescriptionOf(kDefaultRgbProfileName));
  EXPECT_EQ(DescribeRoleProfile(kRoleCmyk, 0, ""), DescriptionOf(StringText(kDefaultCmykProfileId)));
  EXPECT_EQ(DescribeRoleProfile(kRoleRgb, 0, ""), ProfileDescription(OpenProfileFile(WorkingRgbProfilePath()).get()));

  // With neither, the file name of the choice itself.
  places.UseColorFolders({places.First()});
  EXPECT_EQ(DescribeRoleProfile(kRoleRgb, 2, "/nowhere/lost.icm"), "lost.icm");
}

TEST(ProfileDescriptions, FindingByDescriptionPrefersIcmFilesAndIgnoresCase) {
  ColorTestPlaces places;
  ASSERT_TRUE(WriteBytes(places.First() + "/a.icc", RgbProfileBytes("Studio Paper", cmsSigOutputClass)));
  ASSERT_TRUE(WriteBytes(places.Second() + "/z.icm", RgbProfileBytes("Studio Paper", cmsSigOutputClass)));
  EXPECT_EQ(FindProfileByDescription("studio PAPER"), "z.icm");
  EXPECT_EQ(FindProfileByDescription("sRGB IEC61966-2.1"), kDefaultRgbProfileName);
  EXPECT_EQ(FindProfileByDescription("No such profile"), "");
}

TEST(ProfileDescriptions, LongDescriptionsAreCutAndColourSpaceClassIsRecognised) {
  ColorTestPlaces places;
  const std::string longText(900, 'x');
  ASSERT_TRUE(WriteBytes(places.First() + "/long.icc", RgbProfileBytes(longText.c_str(), cmsSigDisplayClass)));
  EXPECT_EQ(DescriptionOf("long.icc").size(), kMaxDescriptionBytes);

  ASSERT_TRUE(WriteBytes(places.First() + "/space.icc", RgbProfileBytes("Space", cmsSigColorSpaceClass)));
  std::string description;
  EXPECT_TRUE(IsColorSpaceClassProfile("space.icc", &description));
  EXPECT_EQ(description, "Space");
  EXPECT_FALSE(IsColorSpaceClassProfile("long.icc"));
  EXPECT_FALSE(IsColorSpaceClassProfile("missing.icc"));
}

std::vector<std::string> FileNames(const ProfileList& list) {
  std::vector<std::string> names;
  for (const ProfileListEntry& entry : list) names.push_back(entry.FileName);
  return names;
}

TEST(ProfileLists, DefaultsLeadTheirListsOnce) {
  ColorTestPlaces places;
  ProfilePtr lab(cmsCreateLab4Profile(nullptr));
  ASSERT_TRUE(WriteBytes(places.First() + "/lab.icc", test::ProfileBytes(lab.get())));
  ASSERT_TRUE(WriteBytes(places.First() + "/screen.icm", RgbProfileBytes("Screen", cmsSigDisplayClass)));
  ASSERT_TRUE(WriteBytes(places.First() + "/paper.icc", RgbProfileBytes("Paper", cmsSigOutputClass)));
  ASSERT_TRUE(WriteBytes(places.First() + "/scanner.icc", RgbProfileBytes("Scanner", cmsSigInputClass)));
  ASSERT_TRUE(WriteBytes(places.First() + "/broken.icc", {1, 2, 3}));
  // The system's own copy of the default RGB profile shows once, at the top.
  ASSERT_TRUE(WriteBytes(places.Second() + "/" + std::string(kDefaultRgbProfileName),
                         RgbProfileBytes("System sRGB", cmsSigDisplayClass)));

  const ProfileLists input = ListProfiles(ProfileListSet::Input);
  EXPECT_EQ(FileNames(input.Rgb), (std::vector<std::string>{std::string(kDefaultRgbProfileName), "screen.icm",
                                                            "paper.icc", "scanner.icc"}));
  EXPECT_EQ(input.Rgb.front().Description, "System sRGB");
  EXPECT_EQ(input.Rgb[1].Description, "Screen");
  EXPECT_EQ(FileNames(input.Cmyk), (std::vector<std::string>{StringCopy(kDefaultCmykProfileId)}));
  EXPECT_TRUE(input.Monitor.empty());

  const ProfileLists output = ListProfiles(ProfileListSet::Output, "recommended.icc");
  EXPECT_EQ(FileNames(output.Monitor),
            (std::vector<std::string>{std::string(kDefaultRgbProfileName), "screen.icm"}));
  ASSERT_GE(output.Printer.size(), 2u);
  EXPECT_EQ(output.Printer[0].Description, "Recommended by ORVEX");
  EXPECT_EQ(FileNames(output.Printer), (std::vector<std::string>{"recommended.icc", std::string(kDefaultRgbProfileName),
                                                                 "screen.icm", "paper.icc"}));
  EXPECT_TRUE(output.Rgb.empty());
}

TEST(ProfileLists, RealWorldProfilesSortIntoTheirLists) {
  const std::string monitor = test::CorpusProfile("monitor_ibm-t61.icc");
  TL_REQUIRE_CORPUS(monitor);
  ColorTestPlaces places;
  for (const char* file : {"monitor_ibm-t61.icc", "AdobeCompat-v2.icc", "cmyk_output_lcms_test1.icc",
                           "cmyk_input_cgats001_micro.icc", "sGrey-v4.icc", "bad_truncated_toosmall.icc"})
    ASSERT_TRUE(test::CopyFile(test::CorpusProfile(file), places.First() + "/" + file));
  const ProfileLists input = ListProfiles(ProfileListSet::Input);
  EXPECT_EQ(FileNames(input.Rgb), (std::vector<std::string>{std::string(kDefaultRgbProfileName),
                                                            "AdobeCompat-v2.icc", "monitor_ibm-t61.icc"}));
  EXPECT_EQ(FileNames(input.Cmyk), (std::vector<std::string>{StringCopy(kDefaultCmykProfileId),
                                                             "cmyk_input_cgats001_micro.icc",
                                                             "cmyk_output_lcms_test1.icc"}));
  const ProfileLists output = ListProfiles(ProfileListSet::Output);
  // Display profiles of any colour space are monitors; printers need RGB.
  EXPECT_EQ(FileNames(output.Monitor),
            (std::vector<std::string>{std::string(kDefaultRgbProfileName), "AdobeCompat-v2.icc",
                                      "monitor_ibm-t61.icc", "sGrey-v4.icc"}));
  EXPECT_EQ(output.Monitor[2].Description, "Huey, LENOVO - 6464Y1H - 15\" (2009-12-23)");
  EXPECT_EQ(FileNames(output.Printer), (std::vector<std::string>{"", std::string(kDefaultRgbProfileName),
                                                                 "AdobeCompat-v2.icc", "monitor_ibm-t61.icc"}));
}

TEST(OutputColorSettings, TheDialogStoresPositionsAndNames) {
  ColorTestPlaces places;
  ASSERT_TRUE(WriteBytes(places.First() + "/screen.icm", RgbProfileBytes("Screen", cmsSigDisplayClass)));
  ASSERT_TRUE(WriteBytes(places.First() + "/paper.icc", RgbProfileBytes("Paper", cmsSigOutputClass)));
  DocumentPtr document(DocumentNew(nullptr, nullptr));
  ImageObject* image = test::AddImage(*document);
  image->NeedsRedraw = 0;
  document->OutputPrinterProfile = "media.icc";  // what the driver recommends
  const ProfileLists lists = ListProfiles(ProfileListSet::Output, document->OutputPrinterProfile);
  ASSERT_EQ(FileNames(lists.Printer), (std::vector<std::string>{"media.icc", std::string(kDefaultRgbProfileName),
                                                                "screen.icm", "paper.icc"}));
  // A new document: the system monitor, the printer driver matching.
  OutputColorChoice choice = InitialOutputColorChoice(*document, lists);
  EXPECT_EQ(choice.MonitorPosition, 0);
  EXPECT_FALSE(choice.ByApplication);
  EXPECT_EQ(choice.PrinterPosition, 0);

  ConfirmOutputColorChoice(*document, lists, {1, true, 3});
  EXPECT_EQ(document->OutputMonitorProfileState, 2);
  EXPECT_EQ(document->OutputMonitorProfile, "screen.icm");
  EXPECT_EQ(document->OutputPrinterControls, kByApplication);
  EXPECT_EQ(document->OutputPrinterProfileState, 3);
  EXPECT_EQ(document->OutputPrinterProfile, "paper.icc");
  EXPECT_EQ(image->NeedsRedraw, 1);
  choice = InitialOutputColorChoice(*document, lists);
  EXPECT_EQ(choice.MonitorPosition, 1);
  EXPECT_TRUE(choice.ByApplication);
  EXPECT_EQ(choice.PrinterPosition, 3);
  // What the chain then prints with.
  std::string path;
  ASSERT_TRUE(OpenRoleProfile(kRolePrinter, document->OutputPrinterProfileState, document->OutputPrinterProfile, &path));
  EXPECT_EQ(path, places.First() + "/paper.icc");

  // By the printer driver: the first entry, whatever was chosen.
  ConfirmOutputColorChoice(*document, lists, {0, false, 2});
  EXPECT_EQ(document->OutputPrinterControls, kByPrinterDriver);
  EXPECT_EQ(document->OutputPrinterProfileState, 0);
  EXPECT_EQ(document->OutputPrinterProfile, "media.icc");  // the first entry's item data

  // Names not in a list select the role's default, else the first entry.
  EXPECT_EQ(ProfileListPosition(lists.Monitor, "gone.icc", "screen.icm"), 1);
  EXPECT_EQ(ProfileListPosition(lists.Monitor, "gone.icc", "gone too.icc"), 0);
}

}  // namespace
}  // namespace tl
