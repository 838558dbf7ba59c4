// A notice of the resolve command as the window shows it: texts already in
// Qt's form, the icon already a message-box icon.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

#include "resolver/resolver_view.h"

namespace tunelark {

struct Notice {
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Shows a notice and returns once the user has closed it. The window holds
// one; tests install one that records instead of blocking in a modal box.
using NoticePresenter = std::function<void(const Notice&)>;

// An ownerless, application-modal message box with one OK button.
void ShowNoticeBox(const Notice& notice);

// The message-box icon for the icon bits the recipes pass.
QMessageBox::Icon NoticeBoxIcon(NoticeIcon icon);

}  // namespace tunelark
