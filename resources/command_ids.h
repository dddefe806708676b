// The program's command ids: what every menu item, accelerator, tool bar
// button and context menu item sends. The numbers are those of the menu
// resources, so that handlers, menus and string ids agree.
#pragma once

namespace tl {

enum CommandId : int {
  // File
  kCmdFileNew = 57600,
  kCmdFileOpen = 57601,
  kCmdFileClose = 57602,
  kCmdFileSave = 57603,
  kCmdFileSaveAs = 57604,
  kCmdFilePrint = 57607,
  kCmdFilePrintDirect = 57608,
  kCmdRecentFirst = 57616,  // 57616..57631: the recent file list
  kCmdRecentLast = 57631,
  kCmdAppExit = 57665,
  kCmdAppAbout = 57664,
  kCmdSaveTemplate = 32907,
  kCmdSaveTemplateAs = 32908,
  kCmdOrganizeTemplate = 32909,
  kCmdOutputColorManagement = 32936,
  kCmdAppPreferences = 32813,
  kCmdPrintPreferences = 32911,

  // Edit
  kCmdUndo = 32815,
  kCmdEditUndo = 57643,  // the framework's undo id (Alt+Backspace)
  kCmdEditCut = 57635,
  kCmdEditCopy = 57634,
  kCmdEditPaste = 57637,
  kCmdEditClear = 57632,
  kCmdDuplicate = 32816,
  kCmdDuplicateNumber = 32895,
  kCmdSelectAll = 32817,
  kCmdSelectAllImages = 32896,
  kCmdSelectImagesInPage = 32819,
  kCmdSelectImagesInFolder = 32820,
  kCmdSelectFreeTexts = 32899,
  kCmdSelectFreeLines = 32900,
  kCmdSelectInverse = 32821,
  kCmdSelectNone = 32822,
  kCmdInsertPageInFront = 32904,
  kCmdInsertPageBehind = 32905,
  kCmdDeletePage = 32906,

  // Layout
  kCmdAutomaticLayout = 32783,
  kCmdFreeLayout = 32784,
  kCmdImageAlignment = 32785,
  kCmdCutoffLines = 32798,
  kCmdImageStamp = 32912,
  kCmdHeaderFooter = 32804,
  kCmdPaperWhite = 32913,
  kCmdPaperBlack = 32914,
  kCmdPaperOthers = 32915,
  kCmdSortFileName = 32787,
  kCmdSortFolderName = 32788,
  kCmdSortOriginatedDate = 32789,
  kCmdSortModifiedDate = 32790,
  kCmdSortWidth = 32791,
  kCmdSortHeight = 32792,
  kCmdSortFileType = 32794,
  kCmdSortFileSize = 32795,
  kCmdSortReverse = 32827,
  kCmdPageMargins = 32916,
  kCmdBannerLength = 32852,

  // Object
  kCmdOverlapToTop = 32800,
  kCmdOverlapForward = 32801,
  kCmdOverlapBackward = 32802,
  kCmdOverlapToBottom = 32803,
  kCmdGetImage = 32811,
  kCmdInputColorManagement = 32935,
  kCmdDefaultImageSize = 32875,
  kCmdDefaultLabels = 32934,
  kCmdDefaultCaption = 32933,
  kCmdAutoRotation = 32851,
  kCmdReplaceImage = 32864,
  kCmdInsertFreeText = 32932,
  kCmdEditFreeText = 32866,
  kCmdInsertFreeLine = 32867,
  kCmdEditFreeLine = 32868,

  // Image
  kCmdImageColorManagement = 32937,
  kCmdImageSize = 32806,
  kCmdCrop = 32807,
  kCmdColorToneTuning = 32823,
  kCmdRotate180 = 32882,
  kCmdRotate90CW = 32883,
  kCmdRotate90CCW = 32884,
  kCmdRotateWithFrame = 32940,
  kCmdFlipHorizontal = 32891,
  kCmdFlipVertical = 32892,
  kCmdOriginalDirection = 32890,
  kCmdLabels = 32809,
  kCmdCaption = 32810,
  kCmdColorMatchedView = 32824,

  // View
  kCmdZoomIn = 32777,
  kCmdZoomOut = 32778,
  kCmdFitOnScreen = 32779,
  kCmdFirstPage = 32917,
  kCmdPreviousPage = 32918,
  kCmdNextPage = 32919,
  kCmdLastPage = 32920,
  kCmdSpecifiedPage = 32825,
  kCmdShowRuler = 32927,
  kCmdShowGrid = 32780,
  kCmdSnapAtGrid = 32781,
  kCmdShowPrintMargins = 32921,
  kCmdShowLayoutMargins = 32922,
  kCmdShowLayoutMenu = 32941,

  // Window
  kCmdShowImagePreview = 32829,
  kCmdShowImageInformation = 32828,
  kCmdShowDirectPrint = 32924,

  // Panes
  kCmdNextPane = 57680,
  kCmdPreviousPane = 57681,
};

// Menu resources: the menu bar and the context menus.
enum MenuResourceId : int {
  kMenuMain = 128,
  kMenuFrame = 201,       // outside every layout window
  kMenuNothingSelected = 202,
  kMenuImages = 203,
  kMenuFreeLines = 205,
  kMenuFreeTexts = 206,
  kMenuMixed = 207,
};

constexpr int kRecentFileCount = 5;

}  // namespace tl
