// The "Image Stamp" dialog without its widgets: whether the document
// stamps its images, with which picture, placed automatically (covering
// each picture) or by hand at a position and size in the dialog's units,
// a preview of the picture, and what OK stores.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <string>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

enum ImageStampField : int { kStampXField, kStampYField, kStampWidthField, kStampHeightField };
enum ImageStampSetting : int32_t { kStampSettingAutomatic = 0, kStampSettingManual = 1 };

struct ImageStampValues {
  int32_t InUse = 0;  // "Off" / "In Use"
  std::string FileName;
  int32_t Settings = kStampSettingAutomatic;
  int PositionUnit = 0;
  std::string X, Y;
  int SizeUnit = 0;
  std::string Width, Height;
  int32_t Constrain = 1;
  LSize Aspect = {1, 1};  // the stored size's proportions; 1.0 when none is stored
};

ImageStampValues OpenImageStamp(const LayoutDocument& document);

void ChooseStampPositionUnit(ImageStampValues& values, int unit);
void ChooseStampSizeUnit(ImageStampValues& values, int unit);

// With "Constrain Proportions", the other size field follows the one typed.
void KeepStampProportions(ImageStampValues& values, int changed);

// The picture of `path` as the stamp would show it (with its transparency),
// scaled to fit `size`; a null image when the file cannot be read.
QImage StampPreview(const LayoutDocument& document, const std::string& path, QSize size);

// OK. Manual placement needs numbers for the position and a size of at
// least one unit ("Out of range.", `badField` names the edit, nothing
// changes). The settings are stored under the stamp's undo snapshot.
bool ApplyImageStamp(const ImageStampValues& values, LayoutDocument& document, int& badField,
                     LayoutServices& services = NoLayoutServices());

}  // namespace tl
