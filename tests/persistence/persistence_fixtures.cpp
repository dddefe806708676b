#include "tests/persistence/persistence_fixtures.h"

#include <signal.h>
#include <sys/resource.h>

#include <fstream>
#include <sstream>

namespace tl::test {
namespace {

// Leaves out the row named `without` and puts `extra` rows in place of
// rows of the same name.
std::string Rows(const std::vector<std::pair<std::string, std::string>>& rows, const std::string& without) {
  std::string xml;
  for (const auto& [name, value] : rows)
    if (name != without) xml += "<" + name + ">" + value + "</" + name + ">";
  return xml;
}

}  // namespace

bool WithFileSizeLimit(size_t bytes, const std::function<bool()>& work) {
  struct rlimit old {};
  if (getrlimit(RLIMIT_FSIZE, &old) != 0) return work();
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit limited = old;
  limited.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limited);
  const bool result = work();
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);
  return result;
}

bool WriteJpeg(const std::string& path, bool gray) {
  JpegRecipe recipe;
  if (gray) recipe.Components = 1;
  return WriteBytes(path, MakeJpeg(recipe));
}

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return bool(out);
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string LayoutXml(const std::string& layoutRows, const std::string& objects, const std::string& header) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<root><header>" + header + "</header><layout>" +
                    layoutRows + "</layout>";
  if (!objects.empty()) xml += "<object>" + objects + "</object>";
  return xml + "</root>\n";
}

std::string ImageXml(const std::string& folderRows, const std::string& file, const std::string& extra,
                     const std::string& without) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"File", "\"" + file + "\""},     {"Size", "900,1260"},
      {"SizeAbsolute", "0,0"},          {"SizeRelative", "0,0"},
      {"SizeMethod", "Dimensions"},     {"SizeRatio", "true"},
      {"SizeImageOption", "Off"},       {"FrameSetting", "Off"},
      {"FrameRect", "0,0,0,0"},         {"FrameColorValid", "false"},
      {"FrameColor", "255,255,255"},    {"FrameRotation", "false"},
      {"CropArea", "0,0,0,0"},          {"CropMode", "Off"},
      {"CropFrameColor", "0,0,0"},      {"CropFixedRatio", "false"},
      {"Rotate", "0"},                  {"Flip", "false"},
      {"LabelItems", "Off"},            {"LabelFontName", "\"Tahoma\""},
      {"LabelFontSize", "10"},          {"LabelFontColor", "0,0,0"},
      {"LabelAlign", "Left"},           {"LabelLocation", "Bottom"},
      {"LabelUpsideDown", "false"},     {"CaptionFontName", "\"Tahoma\""},
      {"CaptionFontSize", "10"},        {"CaptionFontColor", "0,0,0"},
      {"CaptionAlign", "Left"},         {"CaptionLocation", "Top"},
      {"CaptionUpsideDown", "true"},    {"ImageSrcManagementMode", "RGB Profile"},
      {"ImageSrcIntent", "Perceptual"}, {"ImageSrcUseEmbedProfile", "false"},
      {"ImageSimMethod", "Off"},        {"ImageSimIntent", "Perceptual"},
  };
  return "<image>" + folderRows + Rows(rows, without) + extra + "</image>";
}

std::string FreeTextXml(const std::string& string, const std::string& extra, const std::string& without) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"Origin", "500,1000"},        {"String", "\"" + string + "\""}, {"FontName", "\"Tahoma\""},
      {"FontSize", "10"},            {"FontFace", "Normal"},           {"FontColor", "0,0,0"},
      {"LineHeight", "55"},          {"Justify", "Center"},            {"ColumnarWriting", "false"},
      {"Angle", "0"},                {"DispBackGround", "false"},      {"BackGroundColor", "255,255,255"},
  };
  return "<freeText>" + Rows(rows, without) + extra + "</freeText>";
}

std::string FreeLineXml(const std::string& origin, int length, int angle, const std::string& without) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"Origin", origin},          {"LineStyle", "Solid"},  {"Thickness", "15"},
      {"Length", std::to_string(length)}, {"Angle", std::to_string(angle)}, {"LineColor", "0,0,0"},
      {"ArrowMark", "None"},       {"ArrowAngle", "90"},    {"ArrowFill", "true"},
      {"ArrowSize", "Middle"},
  };
  return "<freeLine>" + Rows(rows, without) + "</freeLine>";
}

}  // namespace tl::test
