#include "app/shell/program_pictures.h"

#include <QFont>
#include <QPainter>
#include <QSvgRenderer>

namespace tl {
namespace {

constexpr const char* kIconFile = ":/pictures/tessaline.svg";
constexpr const char* kPictureFile = ":/pictures/splash.svg";
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr QSize kPictureSize(520, 300);
// Where the version goes: under the program's name and its rule.
constexpr QPointF kVersionOrigin(264, 240);
constexpr int kVersionPointSize = 10;
const QColor kVersionColor(240, 160, 75);

QPixmap Render(QSvgRenderer& renderer, QSize size, qreal scale) {
  QPixmap pixmap(size * scale);
  pixmap.setDevicePixelRatio(scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QSvgRenderer renderer{QString::fromLatin1(kIconFile)};
  QIcon icon;
  if (!renderer.isValid()) return icon;
  for (int side : kIconSizes) icon.addPixmap(Render(renderer, QSize(side, side), 1.0));
  return icon;
}

QPixmap ProgramPicture(qreal scale) {
  QSvgRenderer renderer{QString::fromLatin1(kPictureFile)};
  QPixmap picture = renderer.isValid() ? Render(renderer, kPictureSize, scale) : QPixmap(kPictureSize * scale);
  if (!renderer.isValid()) {
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::darkGray);
  }
  QPainter painter(&picture);
  QFont font = painter.font();
  font.setPointSize(kVersionPointSize);
  painter.setFont(font);
  painter.setPen(kVersionColor);
  painter.drawText(kVersionOrigin, QStringLiteral("Version " TL_VERSION));
  return picture;
}

}  // namespace tl
