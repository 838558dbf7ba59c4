#include "ui/site_list.h"

#include <QAbstractItemView>
#include <algorithm>

namespace tunelark {

SiteList::SiteList(QWidget* parent) : QComboBox(parent) { setEditable(false); }

void SiteList::showPopup() {
  // The popup sizes itself by its number of visible rows, so the height
  // bound is turned into a row count before it opens; the clamp afterwards
  // catches styles that add more chrome than the estimate allows for.
  const int row = std::max(1, view()->sizeHintForRow(0));
  const int chrome = 2 * view()->frameWidth() + 4;
  setMaxVisibleItems(std::max(1, (kMaxListHeight - chrome) / row));
  QComboBox::showPopup();

  QWidget* popup = view()->window();
  if (popup != window() && popup->height() > kMaxListHeight) {
    const bool above = popup->y() < mapToGlobal(QPoint(0, 0)).y();
    const int shrink = popup->height() - kMaxListHeight;
    popup->resize(popup->width(), kMaxListHeight);
    if (above) popup->move(popup->x(), popup->y() + shrink);
  }
}

}  // namespace tunelark
