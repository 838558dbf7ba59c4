#include "ui/fit_label_font.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

namespace tunelark {
namespace {

constexpr int kSmallestPixelSize = 9;

bool Fits(const QFont& font, const QString& text, const QSize& box) {
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height();
}

}  // namespace

bool FitLabelFont(QLabel& label) {
  QFont font = label.font();
  if (Fits(font, label.text(), label.size())) return false;

  // Point sizes round to whole pixels differently per screen, so the walk
  // goes by the pixel size the font actually renders at.
  int pixels = QFontInfo(font).pixelSize();
  while (pixels > kSmallestPixelSize) {
    --pixels;
    font.setPixelSize(pixels);
    if (Fits(font, label.text(), label.size())) break;
  }
  label.setFont(font);
  return true;
}

}  // namespace tunelark
