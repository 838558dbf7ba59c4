#include "ui/link_opener.h"

#include <QDesktopServices>

namespace tunelark {

void OpenWithDesktop(const QUrl& url) { QDesktopServices::openUrl(url); }

}  // namespace tunelark
