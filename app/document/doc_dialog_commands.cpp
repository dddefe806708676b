// The document commands that open the layout and object dialogs: page
// margins, image alignment, automatic rotation, banner length, image size
// (of the selected images or of new ones), crop, Duplicate(Number), the
// specified page, labels and captions (of the selected images or of new
// ones), cut lines and the image stamp. Each dialog works on the layout
// through its operation below app/; the handler opens it and redraws.
#include "app/dialogs/auto_rotation_dlg.h"
#include "app/dialogs/caption_dlg.h"
#include "app/dialogs/crop_dlg.h"
#include "app/dialogs/cutoff_lines_dlg.h"
#include "app/dialogs/duplicate_dlg.h"
#include "app/dialogs/image_alignment_dlg.h"
#include "app/dialogs/image_size_dlg.h"
#include "app/dialogs/image_stamp_dlg.h"
#include "app/dialogs/labels_dlg.h"
#include "app/dialogs/length_dlg.h"
#include "app/dialogs/page_margins_dlg.h"
#include "app/dialogs/go_to_page_dlg.h"
#include "app/document/document_services.h"
#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/child_frame.h"
#include "app/view/gp_view.h"
#include "document/duplicate.h"
#include "document/undo_store.h"
#include "layout/auto_rotation_setting.h"
#include "render/bitmap_image.h"
#include "resources/command_ids.h"

namespace tl {
namespace {

// The preview the crop dialog draws on: the source image's, as it is shown.
QImage CropPicture(const LayoutDocument& d) {
  const ImageObject* image = CropSourceImage(d);
  if (!image || !image->Preview) return {};
  return BitmapImage(*image->Preview).copy();
}

}  // namespace

void CGPDoc::RegisterDialogCommands() {
  const auto hasLayout = [this] { return HasLayout(); };
  const auto imagesSelected = [this] { return ImagesSelected(); };

  handlers_.Add(kCmdPageMargins, [this] {
    RunEdit([this](LayoutDocument& d) {
      CPageMarginsDlg dialog(d, OpenPageMargins(d), [this, &d](PageMarginsValues& v, int& bad) {
        return ApplyPageMargins(v, d, bad, services_->Import());
      }, frame_.data());
      dialog.exec();
    });
  }, hasLayout);

  handlers_.Add(kCmdImageAlignment, [this] {
    RunEdit([this](LayoutDocument& d) {
      ImageAlignmentValues values;
      if (!OpenImageAlignment(d, values, services_->Import())) return;
      CImageAlignmentDlg dialog(values, [&d](ImageAlignmentValues& v, int& bad) {
        return ApplyImageAlignment(v, d, bad);
      }, frame_.data());
      dialog.exec();
    });
  }, [this] { return HasLayout() && !layout_->Free; });

  handlers_.Add(kCmdAutoRotation, [this] {
    RunEdit([this](LayoutDocument& d) {
      CAutoRotationDlg dialog(d.AutoRotation, frame_.data());
      if (dialog.exec() == QDialog::Accepted) ApplyAutoRotation(d, dialog.Mode());
    });
  }, hasLayout);

  handlers_.Add(kCmdBannerLength, [this] {
    RunEdit([this](LayoutDocument& d) {
      BannerLengthValues values;
      if (!OpenBannerLength(d, values)) return;
      CLengthDlg dialog(values, [&d](BannerLengthValues& v) { return ApplyBannerLength(v, d); }, frame_.data());
      dialog.exec();
    });
  }, [this] { return HasLayout() && layout_->Banner == 1; });

  const auto imageSize = [this](int target) {
    RunEdit([this, target](LayoutDocument& d) {
      ImageSizeValues values;
      if (!OpenImageSize(d, target, values)) return;
      CImageSizeDlg dialog(app_.Prompts(), values, [this, &d](ImageSizeValues& v, int& bad) {
        return ApplyImageSize(v, d, bad, services_->Import());
      }, frame_.data());
      if (dialog.exec() == QDialog::Accepted && target != kSizeDefaults) services_->CurrentImageChanged(d);
    });
  };
  handlers_.Add(kCmdImageSize, [this, imageSize] {
    imageSize(layout_ && layout_->SelectedImageCount == 1 ? kSizeOneImage : kSizeSeveralImages);
  }, imagesSelected);
  handlers_.Add(kCmdDefaultImageSize, [imageSize] { imageSize(kSizeDefaults); }, hasLayout);

  handlers_.Add(kCmdCrop, [this] {
    RunEdit([this](LayoutDocument& d) {
      CropValues values;
      if (!OpenCrop(d, values)) return;
      CCropDlg dialog(app_.Prompts(), CropPicture(d), values, [this, &d](CropValues& v, int& bad) {
        return ApplyCropValues(v, d, bad, services_->Import());
      }, frame_.data());
      dialog.exec();
    });
  }, imagesSelected);

  handlers_.Add(kCmdDuplicateNumber, [this] {
    RunEdit([this](LayoutDocument& d) {
      CDuplicateDlg dialog(frame_.data());
      if (dialog.exec() == QDialog::Accepted) DuplicateSelectionTimes(d, dialog.Count(), *services_);
    });
  }, hasLayout);

  handlers_.Add(kCmdSpecifiedPage, [this] {
    RunEdit([this](LayoutDocument& d) {
      CGPView* view = View();
      if (!view) return;
      CSpecifiedPageDlg dialog(OpenSpecifiedPage(view->CurrentPage(), d.PageNumber), frame_.data());
      if (dialog.exec() != QDialog::Accepted) return;
      view->SetCurrentPage(dialog.Page());
      UndoClear();
    });
  }, [this] { return HasLayout() && View(); });

  const auto labels = [this](int target) {
    RunEdit([this, target](LayoutDocument& d) {
      LabelValues values;
      if (!OpenLabels(d, target, values)) return;
      CLabelsDlg dialog(app_.Prompts(), values,
                        [this, &d](const LabelValues& v) { return LabelSample(d, v, services_->Import()); },
                        [this, &d](const LabelValues& v) { return ApplyLabels(v, d, services_->Import()); },
                        frame_.data());
      dialog.exec();
    });
  };
  handlers_.Add(kCmdLabels, [labels] { labels(kTextSelectedImages); }, imagesSelected);
  handlers_.Add(kCmdDefaultLabels, [labels] { labels(kTextDefaults); }, hasLayout);

  const auto caption = [this](int target) {
    RunEdit([this, target](LayoutDocument& d) {
      CaptionValues values;
      if (!OpenCaption(d, target, values)) return;
      CCaptionDlg dialog(app_.Prompts(), values, [this, &d](const CaptionValues& v) {
        return ApplyCaption(v, d, services_->Import());
      }, frame_.data());
      dialog.exec();
    });
  };
  handlers_.Add(kCmdCaption, [caption] { caption(kTextSelectedImages); },
                [this] { return ImagesSelected() && layout_->SelectedOtherCount == 0; });
  handlers_.Add(kCmdDefaultCaption, [caption] { caption(kTextDefaults); }, hasLayout);

  handlers_.Add(kCmdCutoffLines, [this] {
    RunEdit([this](LayoutDocument& d) {
      CCutoffLinesDlg dialog(app_.Prompts(), OpenCutLines(d), [this, &d](CutLineValues& v) {
        return ApplyCutLines(v, d, services_->Import());
      }, frame_.data());
      dialog.exec();
    });
  }, hasLayout);

  handlers_.Add(kCmdImageStamp, [this] {
    RunEdit([this](LayoutDocument& d) {
      CImageStampDlg dialog(app_.Prompts(), OpenImageStamp(d),
                            [&d](const std::string& path, QSize size) { return StampPreview(d, path, size); },
                            [this, &d](const ImageStampValues& v, int& bad) {
                              return ApplyImageStamp(v, d, bad, services_->Import());
                            },
                            frame_.data());
      dialog.exec();
    });
  }, hasLayout);
}

}  // namespace tl
