// The site list: a pick-only drop-down whose open list stays within a fixed
// height, however many sites it holds.
#pragma once

#include <QComboBox>

namespace tunelark {

class SiteList : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int kMaxListHeight = 160;

  explicit SiteList(QWidget* parent = nullptr);

  void showPopup() override;
};

}  // namespace tunelark
