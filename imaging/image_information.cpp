#include "imaging/image_information.h"

#include "resources/string_table.h"

namespace tl {
namespace {

constexpr char kColon = ':';

}  // namespace

InformationTable ImageInformationRows(const ImageObject* image, const ProfileNames* profiles) {
  InformationTable rows;
  for (int row = 0; row < kImageItemCount; ++row) {
    InformationRow& r = rows[size_t(row)];
    if (row < kItemFlashMode) {
      r.Caption = StringCopy(kInformationCaptionFirst + row);
      r.Colon.assign(1, kColon);
    }
    if (image && InformationRowFilled(*image, row)) r.Value = FormatImageItem(*image, row, profiles);
  }
  return rows;
}

}  // namespace tl
