#include "persistence/element_texts.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "color/profile_roles.h"
#include "persistence/element_words.h"
#include "persistence/folder_rules.h"
#include "persistence/preview_text.h"
#include "persistence/value_syntax.h"

namespace tl {
namespace {

using K = LayoutKey;

enum class Emit { Write, Omit, Fail };

constexpr std::string_view kOsVersionText = "xxx";
constexpr std::string_view kPlatformWindowsText = "Win";
constexpr std::string_view kPlatformOtherText = "Mac";

// Intent code 0 is what images without source settings (gray pictures)
// carry; it is written as the first word so that such a layout can be
// saved (the reader gives those images no source settings again).
constexpr int32_t kNoIntent = 0;

class TextOut {
 public:
  explicit TextOut(std::string& text) : text_(text) {}
  Emit Text(std::string value) {
    text_ = std::move(value);
    return Emit::Write;
  }
  Emit Quoted(std::string_view value) { return Text(QuotedText(value)); }
  // Omitted when empty.
  Emit QuotedUnlessEmpty(std::string_view value) { return value.empty() ? Emit::Omit : Quoted(value); }
  Emit Bool(bool value) { return Text(std::string(BoolText(value))); }
  Emit Integer(int64_t value) { return Text(IntegerText(value)); }
  Emit Word(WordTable table, int32_t value) {
    std::string_view word;
    if (!WordOf(table, value, word)) return Emit::Fail;
    return Text(std::string(word));
  }
  // A word, or `fallback` for values without one.
  Emit WordOr(WordTable table, int32_t value, std::string_view fallback) {
    std::string_view word = fallback;
    WordOf(table, value, word);
    return Text(std::string(word));
  }
  Emit Intent(int32_t code) { return Word(IntentWords(), code == kNoIntent ? 1 : code); }

 private:
  std::string& text_;
};

std::string ProfileText(uint32_t role, const std::string& name, ElementWriteState& state) {
  return QuotedText(state.Profiles.Describe(role, name));
}

std::string_view TurnWord(int16_t bits) {
  if (bits & kRotate90) return "90";
  if (bits & kRotate180) return "180";
  if (bits & kRotate270) return "270";
  return "0";
}

int32_t Clamped(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// The fields an image shares with the default image settings.
Emit ImageFieldText(const ImageObject& m, LayoutKey key, TextOut out) {
  switch (key) {
    case K::Size: return out.Text(SizeText(m.Size));
    case K::SizeAbsolute: return out.Text(SizeText(m.SizeAbsolute));
    case K::SizeRelative: return out.Text(SizeText(m.SizeRelative));
    case K::SizeMethod: return out.Word(SizeMethodWords(), m.SizeMethod);
    case K::SizeRatio: return out.Bool(m.SizeRatio);
    case K::SizeImageOption: return out.Word(ImageOptionWords(), m.SizeImageOption);
    case K::FrameSetting: return out.Word(FrameSettingWords(), m.FrameSetting);
    case K::FrameRect: return out.Text(RectText(m.FrameRect));
    case K::FrameColorValid: return out.Bool(m.FrameColorValid);
    case K::FrameColor: return out.Text(ColorText(m.FrameColor));
    case K::FrameRotation: return out.Bool(m.FrameRotation);
    case K::LabelItems: return out.Text(LabelItemsText(m.LabelItems));
    // Font names are always written, an empty one as an empty text: the
    // reader requires them in images.
    case K::LabelFontName: return out.Quoted(m.LabelFontName.view());
    case K::LabelFontSize: return m.LabelAutoSize ? out.Text("Auto") : out.Text(PointsText(m.LabelFontSize));
    case K::LabelFontColor: return out.Text(ColorText(m.LabelFontColor));
    case K::LabelAlign: return out.Word(TextAlignWords(), m.LabelAlign);
    case K::LabelLocation: return out.Word(TextLocationWords(), m.LabelLocation);
    case K::LabelUpsideDown: return out.Bool(m.LabelUpsideDown);
    case K::CaptionFontName: return out.Quoted(m.CaptionFontName.view());
    case K::CaptionFontSize:
      return m.CaptionAutoSize ? out.Text("Auto") : out.Text(PointsText(m.CaptionFontSize));
    case K::CaptionFontColor: return out.Text(ColorText(m.CaptionFontColor));
    case K::CaptionAlign: return out.Word(TextAlignWords(), m.CaptionAlign);
    case K::CaptionLocation: return out.Word(TextLocationWords(), m.CaptionLocation);
    case K::CaptionUpsideDown: return out.Bool(m.CaptionUpsideDown);
    case K::CaptionString: return out.QuotedUnlessEmpty(m.CaptionString);
    default: return Emit::Omit;
  }
}

Emit BandText(const BandSettings& b, int field, TextOut out) {
  switch (field) {
    case 0: return out.Integer(b.Offset);
    case 1: return out.Bool(b.DispText);
    case 2: return out.Bool(b.DispPrintInfo);
    case 3: return out.Bool(b.DispDatePage);
    case 4: return out.Bool(b.UseFixedDate);
    case 5: return out.QuotedUnlessEmpty(b.Text);
    case 6: return b.UseFixedDate ? out.Text(DateText(b.FixedDate)) : Emit::Omit;
  }
  return Emit::Omit;
}

Emit LayoutText(const LayoutDocument& d, LayoutKey key, ElementWriteState& state, TextOut out) {
  if (key >= K::HeaderOffset && key <= K::HeaderFixedDate) return BandText(d.Header, int(key) - int(K::HeaderOffset), out);
  if (key >= K::FooterOffset && key <= K::FooterFixedDate) return BandText(d.Footer, int(key) - int(K::FooterOffset), out);
  if (LayoutKey imageKey; DefaultImageElement(key, imageKey))
    return d.DefaultImageSettings ? ImageFieldText(*d.DefaultImageSettings, imageKey, out) : Emit::Fail;

  const TextStyle& hf = d.HeaderFooterStyle;
  const LRect page = {0, 0, d.PageWidth, d.PageHeight};
  switch (key) {
    case K::Comment: return out.Quoted(d.Comment);
    case K::Preview:
      if (!state.WithPreview) return Emit::Omit;
      return out.Text(LayoutPreviewText(d, state.Renderer));
    case K::NameGenre: return out.QuotedUnlessEmpty(d.NameGenre);
    case K::NameOutputImageForm: return out.QuotedUnlessEmpty(d.NameOutputImageForm);
    case K::NameMyTemplate: return out.QuotedUnlessEmpty(d.NameMyTemplate);
    case K::Paper: return out.Text(RectText(page));
    case K::PaperOrient: return out.Text(d.PaperOrient == 1 ? "Landscape" : "Portrait");
    case K::Page: return out.Text(RectText(page));
    case K::PageNumber: return out.Integer(d.PageNumber);
    case K::Free: return out.Bool(d.Free);
    case K::Banner: return out.Bool(d.Banner);
    case K::AlignHorizontal: return out.Word(HorizontalAlignWords(), d.AlignHorizontal);
    case K::AlignHorizontalSpacing: return out.Integer(d.AlignHorizontalSpacing);
    case K::AlignVertical: return out.Word(VerticalAlignWords(), d.AlignVertical);
    case K::AlignVerticalSpacing: return out.Integer(d.AlignVerticalSpacing);
    case K::AlignLine: return out.Word(VerticalAlignWords(), d.AlignLine);
    case K::HeaderFooterFontName: return out.Quoted(hf.FontName.view());
    case K::HeaderFooterFontSize: return out.Text(PointsText(hf.FontSize));
    case K::HeaderFooterFontFace: return out.Text(FaceText(hf.FontFace));
    case K::HeaderFooterFontColor: return out.Text(ColorText(hf.FontColor));
    case K::HeaderFooterLineHeight: return out.Integer(hf.LineHeight);
    case K::HeaderFooterJustify: return out.WordOr(JustifyWords(), hf.Justify, "");
    case K::InputSrcUseVdx: return out.Bool(d.InputSrcUseVdx);
    case K::InputSrcProfile: return out.Text(ProfileText(kRoleRgb, d.InputSrcProfile, state));
    case K::InputSrcIntent: return out.Intent(d.InputSrcIntent);
    case K::InputSrcUseEmbedProfile: return out.Bool(d.InputSrcUseEmbedProfile);
    case K::InputSimMethod: return out.Word(SimulationMethodWords(), d.InputSimMethod);
    case K::InputSimProfile: return out.Text(ProfileText(kRoleCmyk, d.InputSimProfile, state));
    case K::InputSimIntent: return out.Intent(d.InputSimIntent);
    case K::OutputMonitorProfile: return out.Text(ProfileText(kRoleMonitor, d.OutputMonitorProfile, state));
    case K::OutputPrinterControls: return out.Word(PrinterControlsWords(), d.OutputPrinterControls);
    case K::OutputPrinterProfile: return out.Text(ProfileText(kRolePrinter, d.OutputPrinterProfile, state));
    case K::CutLineMode: return out.WordOr(CutLineModeWords(), d.CutLineMode, "None");
    case K::CutLineOthersType: return out.Text(d.CutLineOthersType == kCutAroundImage ? "Around Image" : "At Corner");
    case K::CutLineCornerLength: return out.Integer(d.CutLineCornerLength);
    case K::CutLineColor: return out.Text(ColorText(d.CutLineColor));
    case K::AutoRotation: return out.WordOr(AutoRotationWords(), d.AutoRotation, "Off");
    case K::PreProcessing: return out.Bool(d.PreProcessing);
    case K::PaperColor: return out.Text(ColorText(d.PaperColor));
    case K::LayoutMarginMode: return out.Text(d.LayoutMarginMode ? "Custom" : "Auto");
    case K::LayoutMargin: return out.Text(RectText(d.LayoutMargin));
    case K::SaveRelativePath: return out.Bool(d.SaveRelativePath);
    case K::UserDefinedPage: return out.Text(SizeText(d.UserDefinedPage));
    case K::ImageStampInUse: return out.Bool(d.ImageStampInUse);
    case K::ImageStampFileName: return out.QuotedUnlessEmpty(d.ImageStampFileName);
    case K::ImageStampSettings: return out.Bool(d.ImageStampSettings);
    case K::ImageStampPosition: return out.Text(PointText(d.ImageStampPosition));
    case K::ImageStampSize: return out.Text(SizeText(d.ImageStampSize));
    case K::ImageStampConstrainPropotion: return out.Bool(d.ImageStampConstrainPropotion);
    case K::PrinterName: return out.QuotedUnlessEmpty(d.PrinterName);
    case K::PrinterModel: return out.QuotedUnlessEmpty(d.PrinterModel);
    case K::Orientation: return out.Word(PageOrientationWords(), d.Orientation);
    case K::PaperSizeID: return out.Integer(d.PaperSizeID);
    case K::PaperSize: return out.QuotedUnlessEmpty(d.PaperSize);
    case K::PaperLength: return out.Integer(d.PaperLength);
    case K::PaperWidth: return out.Integer(d.PaperWidth);
    case K::PaperSourceID: return out.Integer(d.PaperSourceID);
    case K::PaperSource: return out.QuotedUnlessEmpty(d.PaperSource);
    case K::MediaTypeID: return out.Integer(d.MediaTypeID);
    case K::MediaType: return out.QuotedUnlessEmpty(d.MediaType);
    case K::AutoMode: return out.Integer(d.AutoMode);
    case K::Color: return out.WordOr(InkWords(), d.Color, "-");
    case K::PrintableArea: return out.Integer(d.PrintableArea);
    case K::Centerd: return out.Bool(d.Centerd);
    case K::HighSpeed: return out.Bool(d.HighSpeed);
    case K::UserPreset: return out.QuotedUnlessEmpty(d.UserPreset);
    default: return Emit::Omit;
  }
}

// The folder element of an image: only when its folder differs from the
// one the element before named. Folders are compared exactly, since two
// folders whose names differ in case are two folders here.
Emit FolderText(const LayoutDocument& d, const ImageObject& m, LayoutKey key, ElementWriteState& state,
                TextOut out) {
  const std::string folder = ImageFolderOf(m.ImagePath);
  if (folder.empty()) return Emit::Omit;
  if (d.SaveRelativePath) {
    const std::string slashed = folder.back() == '/' ? folder : folder + "/";
    const std::string relative = MakeRelativeFolder(state.FilePath, slashed);
    // A folder with nothing in common with the file's (no relative form)
    // is written absolute instead.
    const bool asRelative = !relative.empty();
    if (slashed == state.CurrentImageFolder || (key == K::RelativeDir) != asRelative) return Emit::Omit;
    state.CurrentImageFolder = slashed;
    return out.Quoted(asRelative ? relative : folder);
  }
  if (key != K::Dir || folder == state.CurrentImageFolder) return Emit::Omit;
  state.CurrentImageFolder = folder;
  return out.Quoted(folder);
}

Emit ImageText(const LayoutDocument& d, const ImageObject& m, LayoutKey key, ElementWriteState& state, TextOut out) {
  switch (key) {
    case K::RelativeDir:
    case K::Dir: return FolderText(d, m, key, state, out);
    case K::File: {
      const std::string name = FileNamePart(m.ImagePath);
      return name.empty() ? Emit::Fail : out.Quoted(name);
    }
    case K::Origin: return d.Free ? out.Text(PointText(m.Origin)) : Emit::Omit;
    case K::CropArea: return out.Text(RectText(m.CropArea));
    case K::CropMode: return out.Word(CropModeWords(), m.CropMode);
    case K::CropFrameColor: return out.Text(ColorText(m.CropFrameColor));
    case K::CropFixedRatio: return out.Bool(m.CropFixedRatio);
    case K::Rotate: return out.Text(std::string(TurnWord(m.RotateFlip)));
    case K::FrameRotate: return out.Text(std::string(TurnWord(m.FrameRotate)));
    case K::Flip: return out.Bool(m.RotateFlip & kFlipHorizontal);
    case K::ImageSrcManagementMode: return out.Word(ManagementModeWords(), m.ImageSrcManagementMode);
    case K::ImageSrcProfile: return out.Text(ProfileText(kRoleRgb, m.ImageSrcProfile, state));
    case K::ImageSrcIntent: return out.Intent(m.ImageSrcIntent);
    case K::ImageSrcUseEmbedProfile: return out.Bool(m.ImageSrcUseEmbedProfile);
    case K::ImageSimMethod: return out.Word(SimulationMethodWords(), m.ImageSimMethod);
    case K::ImageSimProfile: return out.Text(ProfileText(kRoleCmyk, m.ImageSimProfile, state));
    case K::ImageSimIntent: return out.Intent(m.ImageSimIntent);
    case K::ColorTuneMode: return out.Word(TuneModeWords(), m.ColorTuneMode);
    case K::ColorTune:
      return out.Text(IntegerText(m.ColorTune[0]) + "," + IntegerText(m.ColorTune[1]) + "," +
                      IntegerText(m.ColorTune[2]));
    default: return ImageFieldText(m, key, out);
  }
}

Emit FreeTextText(const FreeTextObject& t, LayoutKey key, TextOut out) {
  switch (key) {
    case K::Origin:
      return out.Text(PairText(Clamped(int64_t(t.Origin.y) + t.Anchor.y), Clamped(int64_t(t.Origin.x) + t.Anchor.x)));
    case K::String: return out.Quoted(t.String);
    case K::FontName: return out.Quoted(t.Style.FontName.view());
    case K::FontSize: return out.Text(PointsText(t.Style.FontSize));
    case K::FontFace: return out.Text(FaceText(t.Style.FontFace));
    case K::FontColor: return out.Text(ColorText(t.Style.FontColor));
    case K::LineHeight: return out.Integer(t.Style.LineHeight);
    case K::Justify: return out.WordOr(JustifyWords(), t.Style.Justify, "");
    case K::ColumnarWriting: return out.Bool(t.ColumnarWriting);
    case K::Angle: return out.Integer(t.Angle);
    case K::DispBackGround: return out.Bool(t.DispBackGround);
    case K::BackGroundColor: return out.Text(ColorText(t.BackGroundColor));
    default: return Emit::Omit;
  }
}

Emit FreeLineText(const FreeLineObject& l, LayoutKey key, TextOut out) {
  switch (key) {
    // A line's anchor is kept in layout coordinates already.
    case K::Origin: return out.Text(PointText(l.Anchor));
    case K::LineStyle: return out.Text(l.LineStyle == kLineSolid ? "Solid" : "Dash");
    case K::Thickness: return out.Integer(l.Thickness);
    case K::Length: return out.Integer(l.Length);
    case K::Angle: return out.Integer(l.Angle);
    case K::LineColor: return out.Text(ColorText(l.LineColor));
    case K::ArrowMark: return out.WordOr(ArrowMarkWords(), l.ArrowMark, "None");
    case K::ArrowAngle: return out.Integer(l.ArrowAngle);
    case K::ArrowFill: return out.Bool(l.ArrowFill);
    case K::ArrowSize: return out.WordOr(ArrowSizeWords(), l.ArrowSize, "Middle");
    default: return Emit::Omit;
  }
}

template <typename TextOf>
bool CollectTexts(ElementGroup group, ElementTexts& texts, TextOf textOf) {
  texts.clear();
  for (LayoutKey key : ElementOrderList(group)) {
    std::string text;
    switch (textOf(key, TextOut(text))) {
      case Emit::Write: texts.push_back({key, std::move(text)}); break;
      case Emit::Omit: break;
      case Emit::Fail: texts.clear(); return false;
    }
  }
  return true;
}

}  // namespace

ElementTexts HeaderElementTexts(int platform) {
  return {{K::Version, IntegerText(kLayoutFileVersion)},
          {K::Platform, std::string(platform == kPlatformWindows ? kPlatformWindowsText : kPlatformOtherText)},
          {K::OSVersion, std::string(kOsVersionText)}};
}

bool LayoutElementTexts(const LayoutDocument& d, ElementWriteState& state, ElementTexts& texts) {
  return CollectTexts(ElementGroup::Layout, texts, [&](LayoutKey key, TextOut out) { return LayoutText(d, key, state, out); });
}

bool ImageElementTexts(const LayoutDocument& d, const ImageObject& m, ElementWriteState& state, ElementTexts& texts) {
  return CollectTexts(ElementGroup::Image, texts, [&](LayoutKey key, TextOut out) { return ImageText(d, m, key, state, out); });
}

bool FreeTextElementTexts(const FreeTextObject& t, ElementTexts& texts) {
  return CollectTexts(ElementGroup::FreeText, texts, [&](LayoutKey key, TextOut out) { return FreeTextText(t, key, out); });
}

bool FreeLineElementTexts(const FreeLineObject& l, ElementTexts& texts) {
  return CollectTexts(ElementGroup::FreeLine, texts, [&](LayoutKey key, TextOut out) { return FreeLineText(l, key, out); });
}

bool WritesObjects(const LayoutDocument& d) {
  return d.RecordState == kRecordLive && (!d.SavingTemplate || d.SaveWithArrangedImages);
}

bool WritesObject(const LayoutObject& o) {
  if (const FreeTextObject* t = AsFreeText(&o)) return !t->String.empty();
  return IsImage(&o) || IsFreeLine(&o);
}

}  // namespace tl
