#include "app/panels/orientation_icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace tl {
namespace {

constexpr int kIconSide = 32;
const QColor kSheet(250, 250, 250);
const QColor kEdge(60, 64, 72);
const QColor kLetter(40, 120, 200);

// A sheet of `width` x `height` (of 32) centred, with an "A" upright on it.
QIcon Sheet(int width, int height) {
  QPixmap pixmap(kIconSide, kIconSide);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF sheet((kIconSide - width) / 2.0 + 0.5, (kIconSide - height) / 2.0 + 0.5, width - 1, height - 1);
  p.setPen(QPen(kEdge, 1.2));
  p.setBrush(kSheet);
  p.drawRect(sheet);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(14);
  p.setFont(font);
  p.setPen(kLetter);
  p.drawText(sheet, Qt::AlignCenter, QStringLiteral("A"));
  return QIcon(pixmap);
}

}  // namespace

QIcon PortraitIcon() { return Sheet(20, 28); }

QIcon LandscapeIcon() { return Sheet(28, 20); }

}  // namespace tl
