// The one place where texts cross between the program's code page and Qt's
// strings. The core keeps bytes as they came; only what a control shows or
// hands back is converted, once, here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tunelark {

// A literal of the program (GBK bytes) as Qt shows it.
QString FromProgramText(std::string_view gbk);

// Text cut from a page, shown readably whichever encoding the page used:
// valid UTF-8 as it is, anything else as GBK.
QString FromPageText(std::string_view bytes);

// What the user typed, in the program's code page, up to its first zero
// character (a text never holds a zero byte).
std::string ToProgramText(const QString& typed);

}  // namespace tunelark
