// Opens the credit link's target. The window holds one; tests install one
// that records the address instead of starting a browser.
#pragma once

#include <QUrl>
#include <functional>

namespace tunelark {

using LinkOpener = std::function<void(const QUrl&)>;

// The desktop's default handler for the address (a web browser); a failure
// is not reported.
void OpenWithDesktop(const QUrl& url);

}  // namespace tunelark
