#include "resources/command_table.h"


namespace tl {
namespace {

constexpr CommandEntry kCommands[] = {
    // File
    {kCmdFileNew, "&New...\tCtrl+N"},
    {kCmdFileOpen, "&Open...\tCtrl+O"},
    {kCmdFileClose, "&Close\tCtrl+W"},
    {kCmdFileSave, "Save\tCtrl+S"},
    {kCmdFileSaveAs, "Save &As...\tShift+Ctrl+S"},
    {kCmdSaveTemplate, "Save Template"},
    {kCmdSaveTemplateAs, "Save Template As..."},
    {kCmdOrganizeTemplate, "Organize Template..."},
    {kCmdOutputColorManagement, "Output Color Management..."},
    {kCmdAppPreferences, "App&lication Preferences..."},
    {kCmdPrintPreferences, "Print Preferences..."},
    {kCmdFilePrint, "&Print...\tCtrl+P"},
    {kCmdAppExit, "&Quit\tCtrl+Q"},
    // Edit
    {kCmdUndo, "Undo\tCtrl+Z"},
    {kCmdEditCut, "Cu&t\tCtrl+X"},
    {kCmdEditCopy, "&Copy\tCtrl+C"},
    {kCmdEditPaste, "&Paste\tCtrl+V"},
    {kCmdEditClear, "&Delete\tDel"},
    {kCmdDuplicate, "D&uplicate\tCtrl+D"},
    {kCmdDuplicateNumber, "Duplicate(Number)...\tCtrl+Shift+D"},
    {kCmdSelectAll, "&All\tCtrl+A"},
    {kCmdSelectAllImages, "All Images"},
    {kCmdSelectImagesInPage, "All Images In Page"},
    {kCmdSelectImagesInFolder, "All Images In Same Folder"},
    {kCmdSelectFreeTexts, "All Free Texts"},
    {kCmdSelectFreeLines, "All Free Lines"},
    {kCmdSelectInverse, "Inverse"},
    {kCmdSelectNone, "Deselect"},
    {kCmdInsertPageInFront, "In Front Of The Page\tCtrl+Ins"},
    {kCmdInsertPageBehind, "Behind The Page\tCtrl+Shift+Ins"},
    {kCmdDeletePage, "Delete Page\tCtrl+Del"},
    // Layout
    {kCmdAutomaticLayout, "Automatic Layout"},
    {kCmdFreeLayout, "Free Layout"},
    {kCmdImageAlignment, "Image &Alignment...\tCtrl+H"},
    {kCmdCutoffLines, "Cutoff Lines..."},
    {kCmdImageStamp, "Image Stamp..."},
    {kCmdHeaderFooter, "Header/Footer..."},
    {kCmdPaperWhite, "White"},
    {kCmdPaperBlack, "Black"},
    {kCmdPaperOthers, "Others..."},
    {kCmdSortFileName, "File name"},
    {kCmdSortFolderName, "Folder name"},
    {kCmdSortOriginatedDate, "Originated Date"},
    {kCmdSortModifiedDate, "Modified Date"},
    {kCmdSortWidth, "Width"},
    {kCmdSortHeight, "Height"},
    {kCmdSortFileType, "File Type"},
    {kCmdSortFileSize, "File Size"},
    {kCmdSortReverse, "Reverse Order"},
    {kCmdPageMargins, "Page Margins..."},
    // Object
    {kCmdOverlapToTop, "To Top\tShift+Ctrl+]"},
    {kCmdOverlapForward, "Forward\tCtrl+]"},
    {kCmdOverlapBackward, "Backward\tCtrl+["},
    {kCmdOverlapToBottom, "To Bottom\tShift+Ctrl+["},
    {kCmdGetImage, "&Get Image...\tCtrl+I"},
    {kCmdInputColorManagement, "Input Color Management..."},
    {kCmdDefaultImageSize, "Size..."},
    {kCmdDefaultLabels, "Labels...\tCtrl+L"},
    {kCmdDefaultCaption, "Caption..."},
    {kCmdAutoRotation, "Auto &Rotation..."},
    {kCmdReplaceImage, "Replace Image..."},
    {kCmdInsertFreeText, "Insert Free Text...\tCtrl+T"},
    {kCmdEditFreeText, "Edit Free Text..."},
    {kCmdInsertFreeLine, "Insert Free Line...\tCtrl+L"},
    {kCmdEditFreeLine, "Edit Free Line..."},
    // Image
    {kCmdImageColorManagement, "Image Color Management......\tCtrl+K"},
    {kCmdImageSize, "&Size...\tCtrl+G"},
    {kCmdCrop, "&Crop...\tCtrl+F"},
    {kCmdColorToneTuning, "&Color Tone Tuning...\tCtrl+U"},
    {kCmdRotate180, "180 deg."},
    {kCmdRotate90CW, "90 deg. CW"},
    {kCmdRotate90CCW, "90 deg. CCW"},
    {kCmdRotateWithFrame, "Rotate Image With Frame"},
    {kCmdFlipHorizontal, "Flip Horizontal"},
    {kCmdFlipVertical, "Flip Vertical"},
    {kCmdOriginalDirection, "To Original Direction"},
    {kCmdLabels, "Labels..."},
    {kCmdCaption, "Caption...\tCtrl+I"},
    {kCmdColorMatchedView, "Color-Matched &View\tCtrl+Y"},
    // View
    {kCmdZoomIn, "Zoom &In\tCtrl++"},
    {kCmdZoomOut, "Zoom &Out\tCtrl+-"},
    {kCmdFitOnScreen, "&Fit On Screen"},
    {kCmdFirstPage, "First Page\tCtrl+Home"},
    {kCmdPreviousPage, "Previous Page\tCtrl+PgUp"},
    {kCmdNextPage, "Next Page\tCtrl+PgDn"},
    {kCmdLastPage, "Last Page\tCtrl+End"},
    {kCmdSpecifiedPage, "Specified Page...\tCtrl+J"},
    {kCmdShowRuler, "Show Ruler\tCtrl+R"},
    {kCmdShowGrid, "Show Grid"},
    {kCmdSnapAtGrid, "Snap At Grid"},
    {kCmdShowPrintMargins, "Show Print Margins"},
    {kCmdShowLayoutMargins, "Show Layout Margins"},
    {kCmdShowLayoutMenu, "Show LayoutMenu"},
    // Window
    {kCmdShowImagePreview, "Show Image Preview\tShift+Ctrl+F"},
    {kCmdShowImageInformation, "Show Image Information\tShift+Ctrl+I"},
    {kCmdShowDirectPrint, "Show Direct Print Window"},
    // Help
    {kCmdAppAbout, "&About Quenalo..."},
};

constexpr MenuItem Item(int id, std::string_view text = {}) { return {MenuItemKind::Command, id, text}; }
constexpr MenuItem Popup(std::string_view text) { return {MenuItemKind::Popup, 0, text}; }
constexpr MenuItem kSeparator{MenuItemKind::Separator};
constexpr MenuItem kEnd{MenuItemKind::End};
constexpr MenuItem kRecentFiles{MenuItemKind::RecentFiles};

// The items of "Rotate & Flip", shared by the menu bar and menu 203.
#define TL_ROTATE_AND_FLIP_ITEMS                                                                       \
  Popup("Rotate && Flip"), Item(kCmdRotate180), Item(kCmdRotate90CW), Item(kCmdRotate90CCW), kSeparator, \
      Item(kCmdRotateWithFrame), kSeparator, Item(kCmdFlipHorizontal), Item(kCmdFlipVertical), kSeparator, \
      Item(kCmdOriginalDirection), kEnd

constexpr MenuItem kMainMenu[] = {
    Popup("&File"),
    Item(kCmdFileNew), Item(kCmdFileOpen), Popup("Open Recent"), kRecentFiles, kEnd, Item(kCmdFileClose),
    kSeparator,
    Item(kCmdFileSave), Item(kCmdFileSaveAs),
    kSeparator,
    Item(kCmdSaveTemplate), Item(kCmdSaveTemplateAs), Item(kCmdOrganizeTemplate),
    kSeparator,
    Item(kCmdOutputColorManagement),
    kSeparator,
    Item(kCmdAppPreferences),
    kSeparator,
    Item(kCmdPrintPreferences), Item(kCmdFilePrint),
    kSeparator,
    Item(kCmdAppExit),
    kEnd,

    Popup("&Edit"),
    Item(kCmdUndo),
    kSeparator,
    Item(kCmdEditCut), Item(kCmdEditCopy), Item(kCmdEditPaste), Item(kCmdEditClear),
    kSeparator,
    Item(kCmdDuplicate), Item(kCmdDuplicateNumber),
    kSeparator,
    Popup("Select"),
    Item(kCmdSelectAll), Item(kCmdSelectAllImages), Item(kCmdSelectImagesInPage), Item(kCmdSelectImagesInFolder),
    Item(kCmdSelectFreeTexts), Item(kCmdSelectFreeLines), kSeparator, Item(kCmdSelectInverse), Item(kCmdSelectNone),
    kEnd,
    kSeparator,
    Popup("Insert Page"), Item(kCmdInsertPageInFront), Item(kCmdInsertPageBehind), kEnd,
    Item(kCmdDeletePage),
    kEnd,

    Popup("&Layout"),
    Popup("Layout &Mode"), Item(kCmdAutomaticLayout), Item(kCmdFreeLayout), kEnd,
    kSeparator,
    Item(kCmdImageAlignment), Item(kCmdCutoffLines), Item(kCmdImageStamp),
    kSeparator,
    Item(kCmdHeaderFooter),
    Popup("Background Color"), Item(kCmdPaperWhite), Item(kCmdPaperBlack), Item(kCmdPaperOthers), kEnd,
    kSeparator,
    Popup("Sort"),
    Item(kCmdSortFileName), Item(kCmdSortFolderName), Item(kCmdSortOriginatedDate), Item(kCmdSortModifiedDate),
    Item(kCmdSortWidth), Item(kCmdSortHeight), Item(kCmdSortFileType), Item(kCmdSortFileSize), kSeparator,
    Item(kCmdSortReverse),
    kEnd,
    kSeparator,
    Item(kCmdPageMargins),
    kEnd,

    Popup("Object"),
    Popup("Overlap"), Item(kCmdOverlapToTop), Item(kCmdOverlapForward), Item(kCmdOverlapBackward),
    Item(kCmdOverlapToBottom), kEnd,
    kSeparator,
    Item(kCmdGetImage),
    Popup("Image Preferences"), Item(kCmdInputColorManagement), Item(kCmdDefaultImageSize), Item(kCmdDefaultLabels),
    Item(kCmdDefaultCaption), Item(kCmdAutoRotation), kEnd,
    Item(kCmdReplaceImage),
    kSeparator,
    Item(kCmdInsertFreeText), Item(kCmdEditFreeText),
    kSeparator,
    Item(kCmdInsertFreeLine), Item(kCmdEditFreeLine),
    kEnd,

    Popup("Image"),
    Item(kCmdImageColorManagement),
    kSeparator,
    Item(kCmdImageSize), Item(kCmdCrop), Item(kCmdColorToneTuning),
    kSeparator,
    TL_ROTATE_AND_FLIP_ITEMS,
    kSeparator,
    Item(kCmdLabels), Item(kCmdCaption),
    kSeparator,
    Item(kCmdColorMatchedView),
    kEnd,

    Popup("&View"),
    Popup("Zoom"), Item(kCmdZoomIn), Item(kCmdZoomOut), Item(kCmdFitOnScreen), kEnd,
    Popup("Jump To"), Item(kCmdFirstPage), Item(kCmdPreviousPage), Item(kCmdNextPage), Item(kCmdLastPage),
    kSeparator, Item(kCmdSpecifiedPage), kEnd,
    kSeparator,
    Item(kCmdShowRuler),
    kSeparator,
    Item(kCmdShowGrid), Item(kCmdSnapAtGrid),
    kSeparator,
    Item(kCmdShowPrintMargins), Item(kCmdShowLayoutMargins),
    kSeparator,
    Item(kCmdShowLayoutMenu),
    kEnd,

    Popup("&Window"),
    Item(kCmdShowImagePreview), Item(kCmdShowImageInformation),
    kSeparator,
    Item(kCmdShowDirectPrint),
    kEnd,

    Popup("&Help"),
    Item(kCmdAppAbout),
    kEnd,
};

constexpr MenuItem kFrameMenu[] = {Item(kCmdFileNew, "New..."), Item(kCmdFileOpen, "Open...")};

constexpr MenuItem kNothingSelectedMenu[] = {
    Item(kCmdEditPaste, "Paste"),
    kSeparator,
    Popup("Insert Page"), Item(kCmdInsertPageInFront), Item(kCmdInsertPageBehind), kEnd,
    Item(kCmdDeletePage),
    kSeparator,
    Item(kCmdImageAlignment),
    Popup("Image Preferences"), Item(kCmdInputColorManagement), Item(kCmdDefaultImageSize), Item(kCmdDefaultLabels),
    Item(kCmdDefaultCaption), Item(kCmdAutoRotation), kEnd,
    Item(kCmdCutoffLines), Item(kCmdImageStamp), Item(kCmdHeaderFooter),
    Popup("Zoom"), Item(kCmdZoomIn), Item(kCmdZoomOut), Item(kCmdFitOnScreen), kEnd,
    kSeparator,
    Item(kCmdGetImage, "Get Image..."),
    kSeparator,
    Item(kCmdInsertFreeText), Item(kCmdInsertFreeLine),
};

constexpr MenuItem kImagesMenu[] = {
    Item(kCmdEditCut), Item(kCmdEditCopy), Item(kCmdEditClear), Item(kCmdDuplicate), Item(kCmdDuplicateNumber),
    kSeparator,
    Item(kCmdReplaceImage), Item(kCmdImageColorManagement), Item(kCmdImageSize),
    TL_ROTATE_AND_FLIP_ITEMS,
    Item(kCmdCrop), Item(kCmdColorToneTuning), Item(kCmdLabels), Item(kCmdCaption),
    kSeparator,
    Item(kCmdColorMatchedView),
};

constexpr MenuItem kFreeLinesMenu[] = {
    Item(kCmdEditCut), Item(kCmdEditCopy), Item(kCmdEditClear), Item(kCmdDuplicate), Item(kCmdDuplicateNumber),
    kSeparator,
    Item(kCmdEditFreeLine),
};

constexpr MenuItem kFreeTextsMenu[] = {
    Item(kCmdEditCut), Item(kCmdEditCopy), Item(kCmdEditClear), Item(kCmdDuplicate), Item(kCmdDuplicateNumber),
    kSeparator,
    Item(kCmdEditFreeText),
};

constexpr MenuItem kMixedMenu[] = {
    Item(kCmdEditCut), Item(kCmdEditCopy), Item(kCmdEditClear),
    kSeparator,
    Item(kCmdDuplicate), Item(kCmdDuplicateNumber),
};

#undef TL_ROTATE_AND_FLIP_ITEMS

// The keys of table 128. Keys a menu item shows that the table leaves
// unbound (Ctrl+R, Ctrl+T, Ctrl+K, Shift+Ctrl+D) follow it, so that every
// shortcut a menu shows works; keys the table binds otherwise stay as it
// binds them.
constexpr AcceleratorEntry kAccelerators[] = {
    {"Ctrl+N", kCmdFileNew},
    {"Ctrl+O", kCmdFileOpen},
    {"Ctrl+W", kCmdFileClose},
    {"Ctrl+S", kCmdFileSave},
    {"Shift+Ctrl+S", kCmdFileSaveAs},
    {"Ctrl+P", kCmdFilePrint},
    {"Ctrl+Q", kCmdAppExit},
    {"Ctrl+Z", kCmdUndo},
    {"Alt+Backspace", kCmdEditUndo},
    {"Ctrl+X", kCmdEditCut},
    {"Shift+Del", kCmdEditCut},
    {"Ctrl+C", kCmdEditCopy},
    {"Ctrl+Ins", kCmdEditCopy},
    {"Ctrl+V", kCmdEditPaste},
    {"Shift+Ins", kCmdEditPaste},
    {"Del", kCmdEditClear},
    {"Ctrl+D", kCmdDuplicate},
    {"Ctrl+A", kCmdSelectAll},
    {"Shift+Ctrl+Ins", kCmdInsertPageInFront},
    {"Ctrl+Del", kCmdDeletePage},
    {"Ctrl+E", kCmdGetImage},
    {"Ctrl+F", kCmdCrop},
    {"Shift+Ctrl+F", kCmdShowImagePreview},
    {"Ctrl+G", kCmdImageSize},
    {"Shift+Ctrl+G", kCmdShowGrid},
    {"Shift+Ctrl+B", kCmdSnapAtGrid},
    {"Ctrl+H", kCmdImageAlignment},
    {"Ctrl+I", kCmdCaption},
    {"Shift+Ctrl+I", kCmdShowImageInformation},
    {"Ctrl+J", kCmdSpecifiedPage},
    {"Ctrl+L", kCmdLabels},
    {"Ctrl+U", kCmdColorToneTuning},
    {"Ctrl+Y", kCmdColorMatchedView},
    {"Ctrl+=", kCmdZoomIn},
    {"Shift+Ctrl+=", kCmdZoomIn},
    {"Ctrl++", kCmdZoomIn},
    {"Ctrl+Num++", kCmdZoomIn},
    {"Ctrl+-", kCmdZoomOut},
    {"Ctrl+Num+-", kCmdZoomOut},
    {"Ctrl+8", kCmdFitOnScreen},
    {"Shift+Ctrl+8", kCmdFitOnScreen},
    {"Ctrl+Num+*", kCmdFitOnScreen},
    {"Ctrl+]", kCmdOverlapForward},
    {"Shift+Ctrl+]", kCmdOverlapToTop},
    {"Ctrl+[", kCmdOverlapBackward},
    {"Shift+Ctrl+[", kCmdOverlapToBottom},
    {"Ctrl+Home", kCmdFirstPage},
    {"Ctrl+PgUp", kCmdPreviousPage},
    {"Ctrl+PgDown", kCmdNextPage},
    {"Ctrl+End", kCmdLastPage},
    {"F6", kCmdNextPane},
    {"Shift+F6", kCmdPreviousPane},
    // Shown in the menus, unbound in the table.
    {"Ctrl+R", kCmdShowRuler},
    {"Ctrl+T", kCmdInsertFreeText},
    {"Ctrl+K", kCmdImageColorManagement},
    {"Shift+Ctrl+D", kCmdDuplicateNumber},
};

constexpr int kToolBar[] = {
    kCmdFileNew, kCmdFileOpen, kCmdRecentFirst, 0, kCmdFileSave, 0, kCmdGetImage, 0, kCmdAppPreferences,
    kCmdFilePrint,
};

// Status bar prompt and tool tip of the tool bar's commands.
constexpr CommandEntry kPrompts[] = {
    {kCmdFileNew, "Create a new layout from a template\nNew"},
    {kCmdFileOpen, "Open a layout\nOpen"},
    {kCmdRecentFirst, "Open the layout you worked on last\nRecent Layout"},
    {kCmdFileSave, "Save the layout\nSave"},
    {kCmdGetImage, "Bring images or folders of images into the layout\nGet Image"},
    {kCmdAppPreferences, "Change the application preferences\nApplication Preferences"},
    {kCmdFilePrint, "Print the layout with its print preferences\nPrint"},
};

std::string_view FindText(std::span<const CommandEntry> table, int id) {
  for (const CommandEntry& e : table)
    if (e.Id == id) return e.Text;
  return {};
}

struct MenuResourceEntry {
  int id;
  std::span<const MenuItem> items;
};

constexpr MenuResourceEntry kMenuResources[] = {
    {kMenuMain, kMainMenu},
    {kMenuFrame, kFrameMenu},
    {kMenuNothingSelected, kNothingSelectedMenu},
    {kMenuImages, kImagesMenu},
    {kMenuFreeLines, kFreeLinesMenu},
    {kMenuFreeTexts, kFreeTextsMenu},
    {kMenuMixed, kMixedMenu},
};

}  // namespace

std::span<const CommandEntry> Commands() { return kCommands; }

std::string_view CommandText(int id) { return FindText(kCommands, id); }

std::span<const MenuItem> MenuResource(int menuId) {
  for (const MenuResourceEntry& entry : kMenuResources)
    if (entry.id == menuId) return entry.items;
  return {};
}

std::span<const AcceleratorEntry> Accelerators() { return kAccelerators; }

std::span<const int> ToolBarButtons() { return kToolBar; }

std::string_view CommandPrompt(int id) {
  const std::string_view text = FindText(kPrompts, id);
  return text.substr(0, text.find('\n'));
}

std::string_view CommandToolTip(int id) {
  const std::string_view text = FindText(kPrompts, id);
  const size_t feed = text.find('\n');
  return feed == std::string_view::npos ? std::string_view() : text.substr(feed + 1);
}

}  // namespace tl
