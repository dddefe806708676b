// The stock templates installed with the program open as layouts without
// a message and give the layouts they promise.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "layout/add_image.h"
#include "layout/arrange.h"
#include "persistence/image_services.h"
#include "persistence/layout_reader.h"
#include "persistence/template_library.h"
#include "tests/persistence/persistence_fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

std::map<std::string, TemplateSummary> InstalledTemplates() {
  TemplateArray found;
  LoadTemplateSummaryFolder(InstalledTemplateFolder(), "qlt", 0, found);
  std::map<std::string, TemplateSummary> byName;
  for (TemplateSummary& t : found) byName[fs::path(t.Path).stem().string()] = std::move(t);
  return byName;
}

TEST(StockTemplates, EveryOneOpensCleanly) {
  const auto templates = InstalledTemplates();
  for (const char* name : {"Contact Sheet A4", "Contact Sheet Letter", "Proof A4", "Cards 2-up A4", "Cards 4-up A4",
                           "Banner Roll 210 mm"}) {
    ASSERT_TRUE(templates.count(name)) << name << " is not installed in " << InstalledTemplateFolder();
    const TemplateSummary& t = templates.at(name);
    EXPECT_FALSE(t.Comment.empty()) << name;
    EXPECT_EQ(t.PreviewSize, int32_t(t.Preview.size()));
    EXPECT_GT(t.PreviewSize, 0) << name;
    const std::vector<std::string> genres = TemplateGenres();
    EXPECT_NE(std::find(genres.begin(), genres.end(), t.Genre), genres.end()) << name;

    test::MessageLog messages;
    const DocumentPtr d = LoadLayoutFile(t.Path);
    ASSERT_TRUE(d) << name;
    EXPECT_TRUE(messages.texts.empty()) << name << ": " << messages.texts.front();
    EXPECT_FALSE(d->Modified) << name;
    EXPECT_TRUE(d->Objects.Empty()) << name;
  }
  EXPECT_EQ(InstalledTemplates().at("Banner Roll 210 mm").Banner, 1);
  EXPECT_EQ(InstalledTemplates().at("Contact Sheet Letter").PaperSize, "US Letter");
}

// How many pictures of one shape a template puts on its first page.
int ImagesOnFirstPage(const std::string& name, int count) {
  const DocumentPtr d = LoadLayoutFile(InstalledTemplates().at(name).Path);
  if (!d) return -1;
  test::TempFolder dir;
  ImageImportServices services;
  ImageAddSession session;
  for (int i = 0; i < count; ++i) {
    const std::string path = dir.File("p" + std::to_string(i) + ".jpg");
    test::WriteJpeg(path);
    ImageToAdd image;
    image.Path = path;
    if (!AddImageFile(*d, image, services, &session)) return -1;
  }
  ArrangeLayout(*d);
  int onFirst = 0;
  for (const LayoutObject* o : d->Objects)
    if (IsImage(o) && PageOfY(*d, o->Origin.y) == 0) ++onFirst;
  return onFirst;
}

TEST(StockTemplates, PagesHoldWhatTheirCommentsSay) {
  EXPECT_EQ(ImagesOnFirstPage("Contact Sheet A4", 40), 30);
  EXPECT_EQ(ImagesOnFirstPage("Contact Sheet Letter", 40), 30);
  EXPECT_EQ(ImagesOnFirstPage("Proof A4", 3), 1);
  EXPECT_EQ(ImagesOnFirstPage("Cards 2-up A4", 5), 2);
  EXPECT_EQ(ImagesOnFirstPage("Cards 4-up A4", 5), 4);
}

}  // namespace
}  // namespace tl
