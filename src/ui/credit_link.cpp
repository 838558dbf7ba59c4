#include "ui/credit_link.h"

#include <QMouseEvent>

namespace tunelark {

CreditLink::CreditLink(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setFrameShape(QFrame::NoFrame);
  QPalette blue = palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  setPalette(blue);
}

void CreditLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    event->accept();
    emit pressed();
    return;
  }
  QLabel::mousePressEvent(event);
}

}  // namespace tunelark
