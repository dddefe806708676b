#include "persistence/element_rows.h"

#include <cmath>
#include <climits>

#include "color/profile_roles.h"
#include "layout/page_geometry.h"
#include "layout/paper_list.h"
#include "layout/paper_table.h"
#include "persistence/element_words.h"
#include "persistence/value_syntax.h"

namespace tl {
namespace {

using K = LayoutKey;

// Page sides beyond this (over a kilometre) are taken for damage.
constexpr int64_t kMaxPageSide = int64_t(1) << 24;
constexpr int16_t kMaxAngle = 180;

bool Word(WordTable table, std::string_view text, int32_t& value) { return ValueOfWord(table, text, value); }

template <typename Field>
bool WordInto(WordTable table, std::string_view text, Field& field) {
  int32_t value = 0;
  if (!Word(table, text, value)) return false;
  field = Field(value);
  return true;
}

template <typename Field>
void WordOr(WordTable table, std::string_view text, Field& field, int32_t fallback) {
  int32_t value = fallback;
  Word(table, text, value);
  field = Field(value);
}

bool StrictBool(std::string_view text, int32_t& field) {
  bool value = false;
  if (!ReadStrictBool(text, value)) return false;
  field = value ? 1 : 0;
  return true;
}

bool Angle(std::string_view text, int16_t& field) {
  const int32_t value = ReadInteger(text);
  if (value < -kMaxAngle || value > kMaxAngle) return false;
  field = int16_t(value);
  return true;
}

// A font name: longer than its field is a bad file (or cut, where the
// element allows it); a family that is not installed is replaced.
bool FontName(std::string_view text, FontNameField& field, LayoutDocument* document, ElementReadState& state,
              bool cut = false) {
  const std::string name = ReadQuotedText(text);
  if (!cut && name.size() > FontNameField::kMaxBytes) return false;
  field = name;
  if (document) state.Fonts.Check(field, *document);
  return true;
}

// A profile text: the description of a profile of the colour folders. The
// field takes the file name of the profile found and keeps its value when
// none is; a named profile makes `state`, when given, a named choice.
bool Profile(std::string_view text, std::string& field, ElementReadState& state, int16_t* choice = nullptr) {
  const std::string description = ReadQuotedText(text);
  if (description.size() > kMaxFileTextBytes) return false;
  state.Profiles.Assign(description, field, choice);
  return true;
}

bool FontSize(std::string_view text, int16_t& size, int32_t& automatic) {
  automatic = text == "Auto" ? 1 : 0;
  size = automatic ? 0 : ReadPoints(text);
  return true;
}

bool Turn(std::string_view text, int16_t& bits) {
  int32_t turn = 0;
  if (!Word(TurnWords(), text, turn)) return false;
  bits = int16_t((bits & ~kRotateMask) | turn);
  return true;
}

void DisplayFlag(std::string_view text, int32_t& field, int32_t& enabled) {
  field = ReadBool(text);
  if (field) enabled = 1;
}

void ApplyBand(BandSettings& b, int field, std::string_view text) {
  switch (field) {
    case 0: b.Offset = Low16(ReadInteger(text)); break;
    case 1: DisplayFlag(text, b.DispText, b.Enabled); break;
    case 2: DisplayFlag(text, b.DispPrintInfo, b.Enabled); break;
    case 3: DisplayFlag(text, b.DispDatePage, b.Enabled); break;
    case 4: b.UseFixedDate = ReadBool(text); break;
    case 5: b.Text = ReadQuotedTextCut(text); break;
    case 6: b.FixedDate = ReadDate(text); break;
  }
}

bool PageFromPaper(LayoutDocument& d, std::string_view text) {
  const LRect r = ReadRect(text);
  const int64_t width = int64_t(r.right) - r.left;
  const int64_t height = int64_t(r.bottom) - r.top;
  if (width <= 0 || height <= 0 || width > kMaxPageSide || height > kMaxPageSide) return false;
  d.PageWidth = int32_t(width);
  d.PageHeight = int32_t(height);
  d.MaxPageCount = MaxPageCountFor(d.PageHeight, false);
  return true;
}

}  // namespace

bool ApplyImageElement(ImageObject& m, LayoutKey key, std::string_view text, ElementReadState& state) {
  switch (key) {
    case K::Origin: m.Origin = ReadPoint(text); return true;
    case K::Size: m.Size = ReadSize(text); return true;
    case K::SizeAbsolute: m.SizeAbsolute = ReadSize(text); return true;
    case K::SizeRelative: m.SizeRelative = ReadSize(text); return true;
    case K::SizeMethod: m.SizeMethod = text == "Ratio" ? 2 : 1; return true;
    case K::SizeRatio: m.SizeRatio = ReadBool(text); return true;
    case K::SizeImageOption: return WordInto(ImageOptionWords(), text, m.SizeImageOption);
    case K::FrameSetting: return WordInto(FrameSettingWords(), text, m.FrameSetting);
    case K::FrameRect: m.FrameRect = ReadRect(text); return true;
    case K::FrameColorValid: m.FrameColorValid = ReadBool(text); return true;
    case K::FrameColor: m.FrameColor = ReadColor(text); return true;
    case K::FrameRotation: m.FrameRotation = ReadBool(text); return true;
    case K::CropArea: m.CropArea = ReadRect(text); return true;
    case K::CropMode: return WordInto(CropModeWords(), text, m.CropMode);
    case K::CropFrameColor: m.CropFrameColor = ReadColor(text); return true;
    case K::CropFixedRatio: {
      int32_t fixed = 0;
      if (!StrictBool(text, fixed)) return false;
      m.CropFixedRatio = int16_t(fixed);
      return true;
    }
    case K::Rotate: return Turn(text, m.RotateFlip);
    case K::FrameRotate: return Turn(text, m.FrameRotate);
    case K::Flip: {
      int32_t flipped = 0;
      if (!StrictBool(text, flipped)) return false;
      m.RotateFlip = int16_t(flipped ? (m.RotateFlip | kFlipHorizontal) : (m.RotateFlip & ~kFlipHorizontal));
      return true;
    }
    case K::LabelItems: m.LabelItems = ReadLabelItems(text); return true;
    case K::LabelFontName: return FontName(text, m.LabelFontName, m.Owner, state);
    case K::LabelFontSize: return FontSize(text, m.LabelFontSize, m.LabelAutoSize);
    case K::LabelFontColor: m.LabelFontColor = ReadColor(text); return true;
    case K::LabelAlign: WordOr(TextAlignWords(), text, m.LabelAlign, 0); return true;
    case K::LabelLocation: return WordInto(TextLocationWords(), text, m.LabelLocation);
    case K::LabelUpsideDown: m.LabelUpsideDown = ReadBool(text); return true;
    case K::CaptionFontName: return FontName(text, m.CaptionFontName, m.Owner, state);
    case K::CaptionFontSize: return FontSize(text, m.CaptionFontSize, m.CaptionAutoSize);
    case K::CaptionFontColor: m.CaptionFontColor = ReadColor(text); return true;
    case K::CaptionAlign: WordOr(TextAlignWords(), text, m.CaptionAlign, 0); return true;
    case K::CaptionLocation: return WordInto(TextLocationWords(), text, m.CaptionLocation);
    case K::CaptionUpsideDown: m.CaptionUpsideDown = ReadBool(text); return true;
    case K::CaptionString: m.CaptionString = ReadQuotedTextCut(text); return true;
    case K::ImageSrcManagementMode: return WordInto(ManagementModeWords(), text, m.ImageSrcManagementMode);
    case K::ImageSrcProfile:
      if (!Profile(text, m.ImageSrcProfile, state)) return false;
      if (!m.ImageSrcProfile.empty()) m.SrcProfileState = 2;
      return true;
    case K::ImageSrcIntent: return WordInto(IntentWords(), text, m.ImageSrcIntent);
    case K::ImageSrcUseEmbedProfile: m.ImageSrcUseEmbedProfile = ReadBool(text); return true;
    case K::ImageSimMethod: return WordInto(SimulationMethodWords(), text, m.ImageSimMethod);
    case K::ImageSimProfile: return Profile(text, m.ImageSimProfile, state, &m.SimProfileState);
    case K::ImageSimIntent: return WordInto(IntentWords(), text, m.ImageSimIntent);
    case K::ColorTuneMode: return WordInto(TuneModeWords(), text, m.ColorTuneMode);
    case K::ColorTune: {
      const auto v = ReadIntegers<3>(text);
      for (size_t i = 0; i < 3; ++i) m.ColorTune[i] = Low16(v[i]);
      return true;
    }
    default: return true;
  }
}

bool ApplyLayoutElement(LayoutDocument& d, LayoutKey key, std::string_view text, ElementReadState& state) {
  if (key >= K::HeaderOffset && key <= K::HeaderFixedDate) {
    ApplyBand(d.Header, int(key) - int(K::HeaderOffset), text);
    return true;
  }
  if (key >= K::FooterOffset && key <= K::FooterFixedDate) {
    ApplyBand(d.Footer, int(key) - int(K::FooterOffset), text);
    return true;
  }
  if (LayoutKey imageKey; DefaultImageElement(key, imageKey))
    return d.DefaultImageSettings && ApplyImageElement(*d.DefaultImageSettings, imageKey, text, state);

  TextStyle& hf = d.HeaderFooterStyle;
  switch (key) {
    case K::Comment: d.Comment = ReadQuotedText(text); return true;
    case K::Preview: return true;  // the summaries read it; the document has no use for it
    case K::NameGenre: d.NameGenre = ReadQuotedText(text); return true;
    case K::NameOutputImageForm: d.NameOutputImageForm = ReadQuotedText(text); return true;
    case K::NameMyTemplate: d.NameMyTemplate = ReadQuotedText(text); return true;
    case K::Paper: return PageFromPaper(d, text);
    case K::PaperOrient:
      d.PaperOrient = text == "Landscape" ? 1 : 0;
      if (!d.UserDefinedPageInUse) d.PaperTableIndex = FindPaperTableIndex(d);
      return true;
    case K::Page: DeriveDriverPaper(d, state.Papers, kMatchBothSides); return true;
    case K::PageNumber: d.PageNumber = Low16(ReadInteger(text)); return true;
    case K::Free: d.Free = ReadBool(text); return true;
    case K::Banner:
      d.Banner = ReadBool(text);
      if (d.Banner) d.MaxPageCount = 1;
      return true;
    case K::AlignHorizontal: return WordInto(HorizontalAlignWords(), text, d.AlignHorizontal);
    case K::AlignHorizontalSpacing: d.AlignHorizontalSpacing = ReadInteger(text); return true;
    case K::AlignVertical: return WordInto(VerticalAlignWords(), text, d.AlignVertical);
    case K::AlignVerticalSpacing: d.AlignVerticalSpacing = ReadInteger(text); return true;
    case K::AlignLine: return WordInto(VerticalAlignWords(), text, d.AlignLine);
    case K::HeaderFooterFontName: return FontName(text, hf.FontName, &d, state);
    case K::HeaderFooterFontSize: hf.FontSize = ReadPoints(text); return true;
    case K::HeaderFooterFontFace: hf.FontFace = ReadFace(text); return true;
    case K::HeaderFooterFontColor: hf.FontColor = ReadColor(text); return true;
    case K::HeaderFooterLineHeight: hf.LineHeight = Low16(ReadInteger(text)); return true;
    case K::HeaderFooterJustify: WordOr(JustifyWords(), text, hf.Justify, kJustifyLeft); return true;
    case K::InputSrcUseVdx: d.InputSrcUseVdx = ReadBool(text); return true;
    case K::InputSrcProfile: return Profile(text, d.InputSrcProfile, state, &d.InputSrcProfileState);
    case K::InputSrcIntent: return WordInto(IntentWords(), text, d.InputSrcIntent);
    case K::InputSrcUseEmbedProfile: d.InputSrcUseEmbedProfile = ReadBool(text); return true;
    case K::InputSimMethod:
      if (!WordInto(SimulationMethodWords(), text, d.InputSimMethod)) return false;
      // An RGB simulation starts from the default RGB profile; a profile
      // element that follows may name another.
      if (text == "RGB") {
        d.InputSimProfile = DefaultProfileName(kRoleRgb);
        d.InputSimProfileState = 1;
      }
      return true;
    case K::InputSimProfile: return Profile(text, d.InputSimProfile, state, &d.InputSimProfileState);
    case K::InputSimIntent: return WordInto(IntentWords(), text, d.InputSimIntent);
    case K::OutputMonitorProfile:
      return Profile(text, d.OutputMonitorProfile, state, &d.OutputMonitorProfileState);
    case K::OutputPrinterControls: return WordInto(PrinterControlsWords(), text, d.OutputPrinterControls);
    // The file cannot tell the recommended entry from a chosen one: a named
    // profile comes back chosen, so that the printer's recommendation for
    // the paper does not replace it.
    case K::OutputPrinterProfile:
      return Profile(text, d.OutputPrinterProfile, state, &d.OutputPrinterProfileState);
    case K::CutLineMode: WordOr(CutLineModeWords(), text, d.CutLineMode, kCutLineOff); return true;
    case K::CutLineOthersType: d.CutLineOthersType = text == "Around Image" ? kCutAroundImage : kCutAtCorner; return true;
    case K::CutLineCornerLength: d.CutLineCornerLength = ReadInteger(text); return true;
    case K::CutLineColor: d.CutLineColor = ReadColor(text); return true;
    case K::AutoRotation: WordOr(AutoRotationWords(), text, d.AutoRotation, 0); return true;
    case K::PreProcessing: d.PreProcessing = ReadBool(text); return true;
    case K::PaperColor: d.PaperColor = ReadColor(text); return true;
    case K::LayoutMarginMode: d.LayoutMarginMode = text == "Custom" ? 1 : 0; return true;
    case K::LayoutMargin: d.LayoutMargin = ReadRect(text); return true;
    case K::SaveRelativePath: d.SaveRelativePath = ReadBool(text); return true;
    case K::UserDefinedPage: d.UserDefinedPage = ReadSize(text); return true;
    case K::ImageStampInUse: d.ImageStampInUse = ReadBool(text); return true;
    case K::ImageStampFileName: d.ImageStampFileName = ReadQuotedText(text); return true;
    case K::ImageStampSettings: d.ImageStampSettings = ReadBool(text); return true;
    case K::ImageStampPosition: d.ImageStampPosition = ReadPoint(text); return true;
    case K::ImageStampSize: d.ImageStampSize = ReadSize(text); return true;
    case K::ImageStampConstrainPropotion: d.ImageStampConstrainPropotion = ReadBool(text); return true;
    case K::PrinterName: d.PrinterName = ReadQuotedText(text); return true;
    case K::PrinterModel: d.PrinterModel = ReadQuotedText(text); return true;
    case K::Orientation: return WordInto(PageOrientationWords(), text, d.Orientation);
    case K::PaperSizeID: d.PaperSizeID = Low16(ReadInteger(text)); return true;
    case K::PaperSize: d.PaperSize = ReadQuotedText(text); return true;
    case K::PaperLength: d.PaperLength = ReadInteger(text); return true;
    case K::PaperWidth: d.PaperWidth = ReadInteger(text); return true;
    case K::PaperSourceID: d.PaperSourceID = Low16(ReadInteger(text)); return true;
    case K::PaperSource: d.PaperSource = ReadQuotedText(text); return true;
    case K::MediaTypeID: d.MediaTypeID = ReadInteger(text); return true;
    case K::MediaType: d.MediaType = ReadQuotedText(text); return true;
    case K::AutoMode: d.AutoMode = Low16(ReadInteger(text)); return true;
    case K::Color: WordOr(InkWords(), text, d.Color, 0); return true;
    case K::PrintableArea: d.PrintableArea = Low16(ReadInteger(text)); return true;
    case K::Centerd: d.Centerd = ReadBool(text); return true;
    case K::HighSpeed: d.HighSpeed = ReadBool(text); return true;
    case K::UserPreset: d.UserPreset = ReadQuotedText(text); return true;
    default: return true;
  }
}

bool ApplyFreeTextElement(FreeTextObject& t, LayoutKey key, std::string_view text, ElementReadState& state) {
  switch (key) {
    // The anchor point: the box's position until the text is measured.
    case K::Origin:
      t.Origin = ReadPoint(text);
      t.Anchor = {};
      return true;
    case K::String: t.String = ReadQuotedTextCut(text); return true;
    case K::FontName: return FontName(text, t.Style.FontName, t.Owner, state, true);
    case K::FontSize: t.Style.FontSize = ReadPoints(text); return true;
    case K::FontFace: t.Style.FontFace = ReadFace(text); return true;
    case K::FontColor: t.Style.FontColor = ReadColor(text); return true;
    case K::LineHeight: t.Style.LineHeight = Low16(ReadInteger(text)); return true;
    case K::Justify: WordOr(JustifyWords(), text, t.Style.Justify, kJustifyLeft); return true;
    case K::ColumnarWriting: t.ColumnarWriting = ReadBool(text); return true;
    case K::Angle: return Angle(text, t.Angle);
    case K::DispBackGround: t.DispBackGround = ReadBool(text); return true;
    case K::BackGroundColor: t.BackGroundColor = ReadColor(text); return true;
    default: return true;
  }
}

bool ApplyFreeLineElement(FreeLineObject& l, LayoutKey key, std::string_view text) {
  switch (key) {
    case K::Origin: l.Anchor = ReadPoint(text); return true;
    case K::LineStyle: return WordInto(LineStyleWords(), text, l.LineStyle);
    case K::Thickness: l.Thickness = ReadInteger(text); return true;
    case K::Length: l.Length = ReadInteger(text); return true;
    case K::Angle: return Angle(text, l.Angle);
    case K::LineColor: l.LineColor = ReadColor(text); return true;
    case K::ArrowMark: return WordInto(ArrowMarkWords(), text, l.ArrowMark);
    case K::ArrowAngle: return Angle(text, l.ArrowAngle);
    case K::ArrowFill: l.ArrowFill = ReadBool(text); return true;
    case K::ArrowSize: return WordInto(ArrowSizeWords(), text, l.ArrowSize);
    default: return true;
  }
}

void DeriveDriverPaper(LayoutDocument& d, const PaperList* papers, int mode) {
  const bool landscape = d.PaperOrient == 1;
  d.Orientation = landscape ? kLandscape : kPortrait;
  d.PaperSizeID = PaperFromPageSize(papers ? *papers : BuiltInPaperList(), d.PageWidth, d.PageHeight, landscape,
                                    d.PaperLength, d.PaperWidth, mode);
  ApplyPaperIdFallback(d);
}

}  // namespace tl
