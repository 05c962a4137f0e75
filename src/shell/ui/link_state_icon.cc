#include "shell/ui/link_state_icon.h"

#include <QPainter>
#include <QPixmap>

namespace brilox {

QColor LinkStateColour(LinkState state) {
  switch (state) {
    case LinkState::kUp:
      return QColor(0x1E, 0xA0, 0x32);
    case LinkState::kConnecting:
      return QColor(0xE6, 0x9A, 0x00);
    case LinkState::kDown:
      break;
  }
  return QColor(0x80, 0x80, 0x80);
}

QIcon LinkStateIcon(LinkState state) {
  constexpr int kSize = 12;
  QPixmap lamp(kSize, kSize);
  lamp.fill(Qt::transparent);
  QPainter painter(&lamp);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor colour = LinkStateColour(state);
  painter.setPen(QPen(colour.darker(130), 1.5));
  const QRectF disc(1.5, 1.5, kSize - 3, kSize - 3);
  switch (state) {
    case LinkState::kUp:
      painter.setBrush(colour);
      painter.drawEllipse(disc);
      break;
    case LinkState::kConnecting:
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(disc);
      painter.setBrush(colour);
      painter.drawPie(disc, 90 * 16, 180 * 16);
      break;
    case LinkState::kDown:
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(disc);
      break;
  }
  painter.end();
  return QIcon(lamp);
}

}  // namespace brilox
