// Puts a text on the clipboard as ANSI text (CF_TEXT), byte for byte.
#pragma once

#include <string_view>

namespace tunelark::win32 {

// Empties the clipboard and hands it `text` with its terminating zero. When
// the clipboard cannot be opened nothing changes; when the memory cannot be
// had the clipboard is left empty. Nothing is reported either way.
void PutClipboardText(std::string_view text);

}  // namespace tunelark::win32
