#include "persistence/preferences.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>

#include "color/profile_roles.h"
#include "document/message_box.h"
#include "layout/image_geometry.h"
#include "layout/paper_table.h"
#include "layout/units.h"
#include "persistence/atomic_file.h"
#include "persistence/profile_text.h"
#include "persistence/settings_text.h"
#include "persistence/value_syntax.h"
#include "resources/app_folders.h"
#include "resources/string_table.h"

namespace tl {
namespace {

using S = SettingKey;

constexpr int32_t kInfoWindowInset = 435;
constexpr int32_t kInfoWindowTop = 60;
constexpr int32_t kScopeWindowInset = 490;
constexpr int32_t kScopeWindowTop = 495;
constexpr int32_t kPointsFactor = 5;
constexpr int32_t kPercent = 100;
constexpr size_t kMaxHeaderTextBytes = 255;
constexpr size_t kMaxNameBytes = 259;  // printer names and other texts

// The words the User section stores the start-up choice with.
constexpr std::string_view kAppStartsWords[] = {"New Document", "Recently Edited Document", "No Document"};

bool InRange(SettingKey key, SettingKey first, SettingKey last) {
  return int16_t(key) >= int16_t(first) && int16_t(key) <= int16_t(last);
}

template <typename Visit>
void EachKey(SettingKey first, SettingKey last, Visit visit) {
  for (int16_t k = int16_t(first); k <= int16_t(last); ++k) visit(SettingKey(k));
}

std::string Int(int64_t v) { return std::to_string(v); }
std::string Points(int16_t size) { return Int(size / kPointsFactor); }
int16_t ReadPointsValue(std::string_view v) { return Low16(int32_t(int64_t(ReadInteger(v)) * kPointsFactor)); }

// Line heights are stored as a percentage of the font size.
std::string LineHeightPercent(const TextStyle& s) {
  return Int(s.FontSize > 0 ? int64_t(s.LineHeight) * kPercent / s.FontSize : 0);
}
int16_t LineHeightFromPercent(std::string_view v, const TextStyle& s) {
  return Low16(int32_t((int64_t(ReadInteger(v)) * s.FontSize + kPercent / 2) / kPercent));
}

std::string UnitWord(int16_t unit) { return StringCopy(kUnitNameString + (unit == kUnitInch ? kUnitInch : kUnitMillimetre)); }

// The User section's words compare ignoring case.
bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

void ReadUnit(std::string_view v, int16_t& unit) {
  for (int16_t u : {int16_t(kUnitMillimetre), int16_t(kUnitInch)})
    if (SameWord(v, StringText(kUnitNameString + u))) unit = u;
}

int16_t ReadAppStarts(std::string_view v) {
  for (size_t i = 0; i < std::size(kAppStartsWords); ++i)
    if (SameWord(v, kAppStartsWords[i])) return int16_t(i);
  return kStartNoDocument;
}

void SetUnit(PreferenceRecord& r, int16_t unit) {
  r.unit = unit;
  if (LayoutDocument* d = r.ApplicationDefaultDocument.get()) {
    d->DisplayUnit = unit;
    d->DisplayUnitName = StringText(kUnitNameString + unit);
  }
}

// ---- User section

std::string UserValue(const PreferenceRecord& r, SettingKey key, bool& omit) {
  const LayoutDocument& d = *r.ApplicationDefaultDocument;
  if (InRange(key, S::directPrintPrinter1, S::directPrintPrinter8)) {
    const std::string& printer = r.directPrintPrinter[size_t(key) - size_t(S::directPrintPrinter1)];
    omit = printer.empty();
    return SettingText(printer);
  }
  switch (key) {
    case S::infoShow: return SettingBool(r.infoShow);
    case S::infoOrigin: return SettingPair(r.infoOrigin.y, r.infoOrigin.x);
    case S::scopeShow: return SettingBool(r.scopeShow);
    case S::scopeOrigin: return SettingPair(r.scopeOrigin.y, r.scopeOrigin.x);
    case S::scopeSize: return Int(r.scopeSize);
    case S::scopeMode: return Int(r.scopeMode);
    case S::rulerShow: return SettingBool(r.rulerShow);
    case S::grid: return SettingPair(r.grid.cy, r.grid.cx);
    case S::gridShow: return SettingBool(r.gridShow);
    case S::gridAlign: return SettingBool(r.gridAlign);
    case S::unit: return UnitWord(r.unit);
    case S::keyMove: return Int(r.keyMove);
    case S::appStarts:
      return std::string(kAppStartsWords[r.appStarts >= 0 && r.appStarts <= 2 ? size_t(r.appStarts) : size_t(kStartNoDocument)]);
    case S::quickPrint: return SettingBool(r.quickPrint);
    case S::confirmDialogShow: return SettingBool(r.confirmDialogShow);
    case S::directPrintShow: return SettingBool(r.directPrintShow);
    case S::directPrintPos: return SettingPair(r.directPrintPos.y, r.directPrintPos.x);
    case S::margin: return SettingRect(d.PrinterMargins);
    case S::marginShow: return SettingBool(d.ShowPrintMargins);
    case S::layoutMarginShow: return SettingBool(d.ShowLayoutMargins);
    case S::hideQTAlert: return Int(r.hideQTAlert);
    default: omit = true; return {};
  }
}

void ApplyUser(PreferenceRecord& r, SettingKey key, std::string_view v) {
  LayoutDocument& d = *r.ApplicationDefaultDocument;
  if (InRange(key, S::directPrintPrinter1, S::directPrintPrinter8)) {
    r.directPrintPrinter[size_t(key) - size_t(S::directPrintPrinter1)] = ReadSettingText(v, kMaxNameBytes);
    return;
  }
  switch (key) {
    case S::infoShow: r.infoShow = ReadSettingBool(v); break;
    case S::infoOrigin: r.infoOrigin = ReadPoint(v); break;
    case S::scopeShow: r.scopeShow = ReadSettingBool(v); break;
    case S::scopeOrigin: r.scopeOrigin = ReadPoint(v); break;
    case S::scopeSize: r.scopeSize = ReadInteger(v); break;
    case S::scopeMode: r.scopeMode = Low16(ReadInteger(v)); break;
    case S::rulerShow: r.rulerShow = ReadSettingBool(v); break;
    case S::grid: r.grid = ReadSize(v); break;
    case S::gridShow: r.gridShow = ReadSettingBool(v); break;
    case S::gridAlign: r.gridAlign = ReadSettingBool(v); break;
    case S::unit: {
      int16_t unit = r.unit;
      ReadUnit(v, unit);
      SetUnit(r, unit);
      break;
    }
    case S::keyMove:
      r.keyMove = ReadInteger(v);
      d.NudgeStep = r.keyMove;
      break;
    case S::appStarts: r.appStarts = ReadAppStarts(v); break;
    case S::quickPrint: r.quickPrint = ReadSettingBool(v); break;
    case S::confirmDialogShow: r.confirmDialogShow = ReadSettingBool(v); break;
    case S::directPrintShow: r.directPrintShow = ReadSettingBool(v); break;
    case S::directPrintPos: r.directPrintPos = ReadPoint(v); break;
    case S::margin: d.PrinterMargins = ReadRect(v); break;
    case S::marginShow: d.ShowPrintMargins = ReadSettingBool(v); break;
    case S::layoutMarginShow: d.ShowLayoutMargins = ReadSettingBool(v); break;
    case S::hideQTAlert: r.hideQTAlert = Low16(ReadInteger(v)); break;
    default: break;
  }
}

// ---- Layout section

// The header and the footer share one style; either key reaches it.
bool IsHeaderKey(SettingKey key) { return (int16_t(key) - int16_t(S::headerShow)) % 2 == 0; }

std::string LayoutValue(const LayoutDocument& d, SettingKey key, ProfileTextCache& profiles, bool& omit) {
  const TextStyle& hf = d.HeaderFooterStyle;
  const BandSettings& band = IsHeaderKey(key) ? d.Header : d.Footer;
  const LRect page = {0, 0, d.PageWidth, d.PageHeight};
  switch (key) {
    case S::paperSetup: return SettingBool(d.UserDefinedPageInUse);
    case S::paper: return SettingRect(page);
    case S::paperOrient: return SettingBool(d.PaperOrient);
    case S::page: omit = !d.UserDefinedPageInUse; return SettingRect(page);
    case S::free: return SettingBool(d.Free);
    case S::align: return SettingPair(d.AlignLine, d.AlignHorizontal);
    case S::space: return SettingPair(d.AlignVerticalSpacing, d.AlignHorizontalSpacing);
    case S::headerShow:
    case S::footerShow: return SettingBool(band.Enabled);
    case S::headerOffset:
    case S::footerOffset: return Int(band.Offset);
    case S::headerFont:
    case S::footerFont: return SettingText(hf.FontName.view());
    case S::headerFontSize:
    case S::footerFontSize: return Points(hf.FontSize);
    case S::headerFontFace:
    case S::footerFontFace: return Int(hf.FontFace);
    case S::headerFontColor:
    case S::footerFontColor: return SettingColor(hf.FontColor);
    case S::headerLineHeight:
    case S::footerLineHeight: return LineHeightPercent(hf);
    case S::headerJustify:
    case S::footerJustify: return Int(hf.Justify);
    case S::headerText:
    case S::footerText: omit = band.Text.empty(); return SettingText(band.Text);
    case S::profileSrcRgb: return SettingText(profiles.Describe(kRoleRgb, d.InputSrcProfile));
    case S::profileIntentRgb: return Int(d.InputSrcIntent);
    case S::profileEmbedRgb: return SettingBool(d.InputSrcUseEmbedProfile);
    case S::profileProof: return Int(d.InputSimMethod);
    case S::profileSimulation: return SettingText(profiles.Describe(kRoleCmyk, d.InputSimProfile));
    case S::profileIntentSim: return Int(d.InputSimIntent);
    case S::profileDisplay: return SettingText(profiles.Describe(kRoleMonitor, d.OutputMonitorProfile));
    case S::profileMatchOutput: return Int(d.OutputPrinterControls);
    case S::profilePrinter: return SettingText(profiles.Describe(kRolePrinter, d.OutputPrinterProfile));
    case S::banner: return SettingBool(d.Banner);
    case S::autoRotation: return Int(d.AutoRotation);
    case S::preProcessing: return SettingBool(d.PreProcessing);
    case S::saveRelativePath: return SettingBool(d.SaveRelativePath);
    case S::userDefinedPage: return SettingPair(d.UserDefinedPage.cy, d.UserDefinedPage.cx);
    case S::vdx: return SettingBool(d.InputSrcUseVdx);
    case S::paperColor: return Int(d.PaperColor);
    case S::layoutMarginMode: return SettingBool(d.LayoutMarginMode);
    case S::layoutMargin: return SettingRect(d.LayoutMargin);
    case S::cutterLine: return Int(d.CutLineMode);
    case S::cutterMargin: return Int(d.CutLineOthersType);
    default: omit = true; return {};
  }
}

// A page of no area is a damaged value; the page stays as it was.
void ApplyPage(LayoutDocument& d, std::string_view v) {
  const LRect r = ReadRect(v);
  const int64_t width = int64_t(r.right) - r.left, height = int64_t(r.bottom) - r.top;
  if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX) return;
  d.PageWidth = int32_t(width);
  d.PageHeight = int32_t(height);
}

void ApplyProfile(std::string_view v, std::string& name, int16_t* state, ProfileTextCache& profiles) {
  profiles.Assign(ReadSettingText(v, kMaxFileTextBytes), name, state);
}

void ApplyLayout(LayoutDocument& d, SettingKey key, std::string_view v, ProfileTextCache& profiles) {
  TextStyle& hf = d.HeaderFooterStyle;
  BandSettings& band = IsHeaderKey(key) ? d.Header : d.Footer;
  switch (key) {
    case S::paperSetup: d.UserDefinedPageInUse = ReadSettingBool(v); break;
    case S::paper:
    case S::page: ApplyPage(d, v); break;
    case S::paperOrient: d.PaperOrient = ReadSettingBool(v); break;
    case S::free: d.Free = ReadSettingBool(v); break;
    case S::align: {
      const auto a = ReadIntegers<2>(v);
      d.AlignLine = a[0];
      d.AlignHorizontal = a[1];
      break;
    }
    case S::space: {
      const auto a = ReadIntegers<2>(v);
      d.AlignVerticalSpacing = a[0];
      d.AlignHorizontalSpacing = a[1];
      break;
    }
    case S::headerShow:
    case S::footerShow: band.Enabled = ReadSettingBool(v); break;
    case S::headerOffset:
    case S::footerOffset: band.Offset = Low16(ReadInteger(v)); break;
    case S::headerFont:
    case S::footerFont: hf.FontName = ReadSettingText(v, FontNameField::kMaxBytes); break;
    case S::headerFontSize:
    case S::footerFontSize: hf.FontSize = ReadPointsValue(v); break;
    case S::headerFontFace:
    case S::footerFontFace: hf.FontFace = Low16(ReadInteger(v)); break;
    case S::headerFontColor:
    case S::footerFontColor: hf.FontColor = ReadSettingColor(v); break;
    case S::headerLineHeight:
    case S::footerLineHeight: hf.LineHeight = LineHeightFromPercent(v, hf); break;
    case S::headerJustify:
    case S::footerJustify: hf.Justify = Low16(ReadInteger(v)); break;
    case S::headerText:
    case S::footerText: band.Text = ReadSettingText(v, kMaxHeaderTextBytes); break;
    case S::profileSrcRgb: ApplyProfile(v, d.InputSrcProfile, &d.InputSrcProfileState, profiles); break;
    case S::profileIntentRgb: d.InputSrcIntent = Low16(ReadInteger(v)); break;
    case S::profileEmbedRgb: d.InputSrcUseEmbedProfile = ReadSettingBool(v); break;
    case S::profileProof: d.InputSimMethod = Low16(ReadInteger(v)); break;
    case S::profileSimulation: ApplyProfile(v, d.InputSimProfile, &d.InputSimProfileState, profiles); break;
    case S::profileIntentSim: d.InputSimIntent = Low16(ReadInteger(v)); break;
    case S::profileDisplay: ApplyProfile(v, d.OutputMonitorProfile, &d.OutputMonitorProfileState, profiles); break;
    case S::profileMatchOutput: d.OutputPrinterControls = Low16(ReadInteger(v)); break;
    case S::profilePrinter: ApplyProfile(v, d.OutputPrinterProfile, nullptr, profiles); break;
    case S::banner: d.Banner = ReadSettingBool(v); break;
    case S::autoRotation: d.AutoRotation = Low16(ReadInteger(v)); break;
    case S::preProcessing: d.PreProcessing = ReadSettingBool(v); break;
    case S::saveRelativePath: d.SaveRelativePath = ReadSettingBool(v); break;
    case S::userDefinedPage: d.UserDefinedPage = ReadSize(v); break;
    case S::vdx: d.InputSrcUseVdx = ReadSettingBool(v); break;
    case S::paperColor: d.PaperColor = ColorRef(ReadInteger(v)) & 0xFFFFFF; break;
    case S::layoutMarginMode: d.LayoutMarginMode = ReadSettingBool(v); break;
    case S::layoutMargin: d.LayoutMargin = ReadRect(v); break;
    case S::cutterLine: d.CutLineMode = Low16(ReadInteger(v)); break;
    case S::cutterMargin: d.CutLineOthersType = Low16(ReadInteger(v)); break;
    default: break;
  }
}

// ---- Image section

std::string Ints(std::initializer_list<int64_t> values) {
  std::string text;
  for (int64_t v : values) {
    if (!text.empty()) text += ',';
    text += Int(v);
  }
  return text;
}

std::string ImageValue(const ImageObject& m, SettingKey key, bool& omit) {
  switch (key) {
    case S::size: return SettingPair(m.Size.cy, m.Size.cx);
    case S::sizeAbsolute: return SettingPair(m.SizeAbsolute.cy, m.SizeAbsolute.cx);
    case S::sizeRelative: return SettingPair(m.SizeRelative.cy, m.SizeRelative.cx);
    case S::sizeMethod: return Int(m.SizeMethod);
    case S::sizeRatio: return SettingBool(m.SizeRatio);
    case S::sizeFitting: return Int(EffectiveImageOptionFor(m));
    case S::sizeFrameOption: return Ints({m.FrameColorValid, m.FrameColor, m.FrameRotation, 0});
    case S::cropOut: return Int(m.CropMode);
    case S::cropColor: return SettingColor(m.CropFrameColor);
    case S::cropOption: return Ints({m.CropFixedRatio, m.CropDialogUnit, m.CropDialogResolution, m.CropDialogState});
    case S::rotate: return Int(m.RotateFlip);
    case S::labelSelection: return Int(m.LabelItems);
    case S::labelFont: omit = m.LabelFontName.empty(); return SettingText(m.LabelFontName.view());
    case S::labelFontSize: return Points(m.LabelFontSize);
    case S::labelFontColor: return SettingColor(m.LabelFontColor);
    case S::labelAlign: return Int(m.LabelAlign);
    case S::labelLocation: return Int(m.LabelLocation);
    case S::labelUpsideDown: return SettingBool(m.LabelUpsideDown);
    case S::captionFont: omit = m.CaptionFontName.empty(); return SettingText(m.CaptionFontName.view());
    case S::captionFontSize: return Points(m.CaptionFontSize);
    case S::captionFontColor: return SettingColor(m.CaptionFontColor);
    case S::captionAlign: return Int(m.CaptionAlign);
    case S::captionUpsideDown: return SettingBool(m.CaptionUpsideDown);
    case S::captionLocation: return Int(m.CaptionLocation);
    case S::caption: return SettingText(m.CaptionString);
    case S::tune: return Ints({m.ColorTune[0], m.ColorTune[1], m.ColorTune[2], m.ColorTuneMode});
    // The frame widths and the crop are left out where they equal the
    // default's, which is always so for the default itself.
    default: omit = true; return {};
  }
}

void ApplyImage(ImageObject& m, SettingKey key, std::string_view v) {
  switch (key) {
    case S::size: m.Size = ReadSize(v); break;
    case S::sizeAbsolute: m.SizeAbsolute = ReadSize(v); break;
    case S::sizeRelative: m.SizeRelative = ReadSize(v); break;
    case S::sizeMethod: m.SizeMethod = Low16(ReadInteger(v)); break;
    case S::sizeRatio: m.SizeRatio = ReadSettingBool(v); break;
    case S::sizeFrameRect: m.FrameRect = ReadRect(v); break;
    case S::sizeFrameOption: {
      const auto o = ReadIntegers<4>(v);
      m.FrameColorValid = o[0];
      m.FrameColor = ColorRef(o[1]) & 0xFFFFFF;
      m.FrameRotation = o[2];
      break;
    }
    case S::sizeFitting:
      // Relative sizes always fit; their own option is not in the value.
      if (m.SizeMethod != kSizeRelative) m.SizeImageOption = Low16(ReadInteger(v));
      break;
    case S::crop: m.CropArea = ReadRect(v); break;
    case S::cropOut: m.CropMode = Low16(ReadInteger(v)); break;
    case S::cropColor: m.CropFrameColor = ReadSettingColor(v); break;
    case S::cropOption: {
      const auto o = ReadIntegers<4>(v);
      m.CropFixedRatio = Low16(o[0]);
      m.CropDialogUnit = Low16(o[1]);
      m.CropDialogResolution = o[2];
      m.CropDialogState = Low16(o[3]);
      break;
    }
    case S::rotate: m.RotateFlip = Low16(ReadInteger(v)); break;
    case S::labelSelection: m.LabelItems = ReadInteger(v); break;
    case S::labelFont: m.LabelFontName = ReadSettingText(v, FontNameField::kMaxBytes); break;
    case S::labelFontSize: m.LabelFontSize = ReadPointsValue(v); break;
    case S::labelFontColor: m.LabelFontColor = ReadSettingColor(v); break;
    case S::labelAlign: m.LabelAlign = Low16(ReadInteger(v)); break;
    case S::labelLocation: m.LabelLocation = Low16(ReadInteger(v)); break;
    case S::labelUpsideDown: m.LabelUpsideDown = ReadSettingBool(v); break;
    case S::captionFont: m.CaptionFontName = ReadSettingText(v, FontNameField::kMaxBytes); break;
    case S::captionFontSize: m.CaptionFontSize = ReadPointsValue(v); break;
    case S::captionFontColor: m.CaptionFontColor = ReadSettingColor(v); break;
    case S::captionAlign: m.CaptionAlign = Low16(ReadInteger(v)); break;
    case S::captionUpsideDown: m.CaptionUpsideDown = ReadSettingBool(v); break;
    case S::captionLocation: m.CaptionLocation = Low16(ReadInteger(v)); break;
    case S::caption: m.CaptionString = ReadSettingText(v, kMaxFileTextBytes); break;
    case S::tune: {
      const auto t = ReadIntegers<4>(v);
      for (size_t i = 0; i < 3; ++i) m.ColorTune[i] = Low16(t[i]);
      m.ColorTuneMode = Low16(t[3]);
      break;
    }
    default: break;
  }
}

// The paper row a page without one falls back to.
void SettlePaperRow(LayoutDocument& d) {
  d.PaperTableIndex = FindPaperTableIndex(d);
  if (d.UserDefinedPageInUse || d.PaperTableIndex != -1) return;
  if (d.PageWidth == d.UserDefinedPage.cx && d.PageHeight == d.UserDefinedPage.cy) {
    d.PaperTableIndex = kUserDefinedRow;
  } else {
    d.PaperTableIndex = kA4PaperTableRow;
    d.PageWidth = kA4PageWidth;
    d.PageHeight = kA4PageHeight;
  }
}

std::string ReadWholeFile(std::ifstream& in) {
  std::string text(kMaxSettingsBytes, '\0');
  in.read(text.data(), std::streamsize(text.size()));
  text.resize(size_t(in.gcount()));
  return text;
}

void ShowSystemError(int error) { ShowMessageText(std::strerror(error), MessageIcon::Stop); }

}  // namespace

bool SetPreferenceDefaults(PreferenceRecord& r, int32_t screenWidth) {
  r = PreferenceRecord();
  r.infoOrigin = {screenWidth - kInfoWindowInset, kInfoWindowTop};
  r.scopeOrigin = {screenWidth - kScopeWindowInset, kScopeWindowTop};
  r.ApplicationDefaultDocument.reset(DocumentNew(nullptr, nullptr));
  if (!r.ApplicationDefaultDocument) return false;
  r.ApplicationDefaultDocument->RecordState = 0;
  r.ApplicationDefaultDocument->NudgeStep = r.keyMove;
  SetUnit(r, r.unit);
  return true;
}

std::string PreferencesFilePath() { return ConfigFolder() + "/" + StringCopy(kPreferencesFileString); }

std::string PreferencesText(const PreferenceRecord& r) {
  SettingsTextWriter w;
  if (!r.ApplicationDefaultDocument) return {};
  const LayoutDocument& d = *r.ApplicationDefaultDocument;
  ProfileTextCache profiles;

  w.Section(S::Header);
  w.Value(S::version, Int(r.version));
  w.Value(S::platform, Int(r.platform));

  w.Section(S::User);
  w.Marker(S::Default);
  EachKey(S::infoShow, S::hideQTAlert, [&](SettingKey key) {
    bool omit = false;
    const std::string value = UserValue(r, key, omit);
    if (!omit) w.Value(key, value);
  });
  w.Marker(S::Done);

  w.Section(S::Layout);
  w.Marker(S::Default);
  const auto layoutValue = [&](SettingKey key) {
    bool omit = false;
    const std::string value = LayoutValue(d, key, profiles, omit);
    if (!omit) w.Value(key, value);
  };
  EachKey(S::paperSetup, S::layoutMargin, layoutValue);
  EachKey(S::cutterLine, S::cutterMargin, layoutValue);
  w.Marker(S::Done);

  w.Section(S::Image);
  w.Marker(S::Default);
  const auto imageValue = [&](SettingKey key) {
    bool omit = false;
    const std::string value = ImageValue(*d.DefaultImageSettings, key, omit);
    if (!omit) w.Value(key, value);
  };
  EachKey(S::size, S::caption, imageValue);
  imageValue(S::tune);
  w.Marker(S::Done);
  return w.Text();
}

void ReadPreferencesText(std::string_view text, PreferenceRecord& r) {
  if (!r.ApplicationDefaultDocument) return;
  LayoutDocument& d = *r.ApplicationDefaultDocument;
  ProfileTextCache profiles;
  SettingKey section = S::Header;
  bool inObject = false;  // object entries are taken for compatibility only, and ignored
  for (std::string_view line : SettingsLines(text)) {
    SettingsLine parsed;
    if (!ParseSettingsLine(line, parsed)) continue;
    const SettingKey key = parsed.Key;
    if (IsSettingsSection(key)) {
      section = key;
      inObject = false;
      continue;
    }
    if (key == S::New || key == S::Show) {
      inObject = key == S::New;
      continue;
    }
    if (inObject) continue;
    switch (section) {
      case S::User:
        if (InRange(key, S::infoShow, S::hideQTAlert)) ApplyUser(r, key, parsed.Value);
        break;
      case S::Layout:
        if (InRange(key, S::paperSetup, S::layoutMargin) || InRange(key, S::cutterLine, S::cutterMargin))
          ApplyLayout(d, key, parsed.Value, profiles);
        break;
      case S::Image:
        if (InRange(key, S::size, S::caption) || key == S::tune) ApplyImage(*d.DefaultImageSettings, key, parsed.Value);
        break;
      default: break;  // the header's version and platform are the program's own
    }
  }
  UpdateEffectiveImageOption(*d.DefaultImageSettings);
  SettlePaperRow(d);
}

bool LoadPreferences(PreferenceRecord& r, const std::string& path) {
  if (!r.ApplicationDefaultDocument) return false;
  std::ifstream in(path, std::ios::binary);
  if (in) {
    ReadPreferencesText(ReadWholeFile(in), r);
    return true;
  }
  // A missing file is created empty, so the next start finds one.
  const int openError = errno;
  if (openError == ENOENT) {
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos) EnsureFolder(path.substr(0, slash));
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      SettlePaperRow(*r.ApplicationDefaultDocument);
      return true;
    }
  }
  ShowSystemError(errno ? errno : openError);
  SettlePaperRow(*r.ApplicationDefaultDocument);
  return true;
}

bool SavePreferences(const PreferenceRecord& r, const std::string& path) {
  if (!r.ApplicationDefaultDocument) return false;
  const size_t slash = path.rfind('/');
  if (slash != std::string::npos) EnsureFolder(path.substr(0, slash));
  int error = 0;
  if (ReplaceFileAtomically(path, PreferencesText(r), &error)) return true;
  ShowSystemError(error);
  return false;
}

}  // namespace tl
