#include "ui/notice.h"

namespace tunelark {

void ShowNoticeBox(const Notice& notice) {
  // No parent: the box is a window of its own, and application modality
  // keeps every other window of the program from taking input meanwhile.
  QMessageBox box(notice.icon, notice.title, notice.text, QMessageBox::Ok, nullptr);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

QMessageBox::Icon NoticeBoxIcon(NoticeIcon icon) {
  switch (icon) {
    case StopIcon:
      return QMessageBox::Critical;
    case InformationIcon:
      return QMessageBox::Information;
    case NoIcon:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace tunelark
