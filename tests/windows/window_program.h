// The Win32 program as the tests and the screenshot poser start and find it
// from a process of their own.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tunelark::win32 {

// GBK bytes as a wide-character control shows them, converted here rather
// than by the program so that what the program shows is checked against an
// independent conversion.
std::wstring Gbk(std::string_view bytes);

// Starts the window program built beside the tests; false when it cannot.
bool StartWindowProgram(PROCESS_INFORMATION& process);

// The newest top-level window of `className` that belongs to `processId`,
// visible or not; null when there is none yet.
HWND FindProcessWindow(DWORD processId, const wchar_t* className);

}  // namespace tunelark::win32
