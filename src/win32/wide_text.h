// Texts between the program's code page and the wide-character controls.
// The program's texts are GBK whatever the system's ANSI code page is, so
// every conversion names code page 936 rather than CP_ACP.
#pragma once

#include <string>
#include <string_view>

namespace tunelark::win32 {

// A program literal (GBK) for a wide-character control.
std::wstring FromProgramText(std::string_view gbk);

// Text cut from a page, readable whichever encoding the page used: valid
// UTF-8 as UTF-8, anything else as GBK.
std::wstring FromPageText(std::string_view bytes);

// What a control holds, in the program's code page; characters GBK has no
// bytes for become "?".
std::string ToProgramText(std::wstring_view wide);

}  // namespace tunelark::win32
