// The credit line: a blue, centred caption with a hand pointer that reports
// a left press, like a hyperlink label. It takes no focus.
#pragma once

#include <QLabel>

namespace tunelark {

class CreditLink : public QLabel {
  Q_OBJECT

 public:
  explicit CreditLink(const QString& caption, QWidget* parent = nullptr);

 signals:
  void pressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tunelark
