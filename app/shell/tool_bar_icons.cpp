#include "app/shell/tool_bar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "resources/command_ids.h"

namespace tl {
namespace {

// Drawn on a 16-unit grid, at these pixel sizes.
constexpr int kIconSizes[] = {16, 24, 32, 48};
constexpr double kGrid = 16.0;

const QColor kInk(60, 64, 72);
const QColor kPaper(250, 250, 250);
const QColor kFolder(230, 178, 70);
const QColor kSky(110, 160, 215);
const QColor kHill(90, 150, 80);
const QColor kAccent(40, 120, 200);

void Page(QPainter& p) {
  QPainterPath page;
  page.moveTo(3, 1.5);
  page.lineTo(10, 1.5);
  page.lineTo(13, 4.5);
  page.lineTo(13, 14.5);
  page.lineTo(3, 14.5);
  page.closeSubpath();
  p.setBrush(kPaper);
  p.drawPath(page);
  p.drawLine(QPointF(10, 1.5), QPointF(10, 4.5));
  p.drawLine(QPointF(10, 4.5), QPointF(13, 4.5));
}

void Folder(QPainter& p) {
  p.setBrush(kFolder.darker(115));
  p.drawRect(QRectF(1.5, 3.5, 5, 2));
  p.setBrush(kFolder);
  p.drawRect(QRectF(1.5, 5, 13, 9.5));
}

void Clock(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(11, 11), 4, 4);
  p.drawLine(QPointF(11, 11), QPointF(11, 8.5));
  p.drawLine(QPointF(11, 11), QPointF(13, 11));
}

void Floppy(QPainter& p) {
  p.setBrush(kAccent);
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  p.setBrush(kPaper);
  p.drawRect(QRectF(4, 1.5, 8, 5));
  p.drawRect(QRectF(3.5, 9, 9, 5.5));
}

void Photo(QPainter& p) {
  p.setBrush(kSky);
  p.drawRect(QRectF(1.5, 2.5, 13, 10));
  QPainterPath hill;
  hill.moveTo(1.5, 12.5);
  hill.lineTo(6, 7);
  hill.lineTo(9, 10);
  hill.lineTo(11, 8);
  hill.lineTo(14.5, 12.5);
  hill.closeSubpath();
  p.setBrush(kHill);
  p.drawPath(hill);
  p.setBrush(QColor(250, 220, 90));
  p.drawEllipse(QPointF(11.5, 5), 1.3, 1.3);
}

void Sliders(QPainter& p) {
  for (int i = 0; i < 3; ++i) {
    const double y = 3.5 + i * 4.5;
    p.drawLine(QPointF(2, y), QPointF(14, y));
    p.setBrush(kAccent);
    p.drawRect(QRectF(3 + i * 4, y - 1.5, 3, 3));
  }
}

void Printer(QPainter& p) {
  p.setBrush(kPaper);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.setBrush(kInk.lighter(180));
  p.drawRect(QRectF(1.5, 6, 13, 6));
  p.setBrush(kPaper);
  p.drawRect(QRectF(4.5, 10, 7, 4.5));
  p.setBrush(QColor(90, 200, 90));
  p.drawEllipse(QPointF(12.5, 8), 0.7, 0.7);
}

using Drawing = void (*)(QPainter&);

QIcon DrawnIcon(std::initializer_list<Drawing> drawings) {
  QIcon icon;
  for (int size : kIconSizes) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    p.setPen(QPen(kInk, 1.0));
    for (Drawing draw : drawings) draw(p);
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon DrawnIcon(int id) {
  switch (id) {
    case kCmdFileNew: return DrawnIcon({Page});
    case kCmdFileOpen: return DrawnIcon({Folder});
    case kCmdRecentFirst: return DrawnIcon({Page, Clock});
    case kCmdFileSave: return DrawnIcon({Floppy});
    case kCmdGetImage: return DrawnIcon({Photo});
    case kCmdAppPreferences: return DrawnIcon({Sliders});
    case kCmdFilePrint: return DrawnIcon({Printer});
    default: return {};
  }
}

const char* ThemeName(int id) {
  switch (id) {
    case kCmdFileNew: return "document-new";
    case kCmdFileOpen: return "document-open";
    case kCmdRecentFirst: return "document-open-recent";
    case kCmdFileSave: return "document-save";
    case kCmdGetImage: return "insert-image";
    case kCmdAppPreferences: return "preferences-system";
    case kCmdFilePrint: return "document-print";
    default: return nullptr;
  }
}

}  // namespace

QIcon ToolBarIcon(int commandId) {
  const char* name = ThemeName(commandId);
  if (!name) return {};
  return QIcon::fromTheme(QLatin1String(name), DrawnIcon(commandId));
}

}  // namespace tl
