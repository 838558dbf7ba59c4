// Poses the Win32 window for its screenshot: starts the program against the
// loopback fixture site, resolves one song, and writes the window as it
// shows on the screen, frame included, to a 24-bit BMP file.
// Usage: window_pose OUTPUT.bmp
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "fixture_site.h"
#include "resolver/site_table.h"
#include "win32/control_ids.h"
#include "window_program.h"

namespace {

using namespace std::chrono_literals;
using tunelark::testing::FixtureSite;

HWND FindProgramWindow(DWORD processId) {
  for (int tries = 0; tries < 1000; ++tries) {
    HWND window = tunelark::win32::FindProcessWindow(processId, tunelark::win32::kMainWindowClass);
    if (window != nullptr && IsWindowVisible(window)) return window;
    std::this_thread::sleep_for(20ms);
  }
  return nullptr;
}

bool WriteBitmap(const char* path, HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + imageBytes;
  bool written = false;
  if (FILE* out = std::fopen(path, "wb")) {
    written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
              std::fwrite(pixels, imageBytes, 1, out) == 1;
    written = std::fclose(out) == 0 && written;
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_pose OUTPUT.bmp\n");
    return 2;
  }
  FixtureSite site;
  tunelark::testing::ScopedFixtureProxy proxy(site);

  PROCESS_INFORMATION process{};
  if (!tunelark::win32::StartWindowProgram(process)) {
    std::fprintf(stderr, "window_pose: cannot start %s\n", TUNELARK_WINDOW_PATH);
    return 1;
  }
  int result = 1;
  if (HWND window = FindProgramWindow(process.dwProcessId)) {
    using namespace tunelark::win32;
    HWND group = GetDlgItem(window, kGroupBoxId);
    const auto& row = FixtureSite::Row(tunelark::kCcc333Row);
    SendMessageW(GetDlgItem(group, kModeId), CB_SETCURSEL, tunelark::kCcc333Row, 0);
    SendMessageW(GetDlgItem(group, kUrlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Gbk(row.playPage).c_str()));
    SendMessageTimeoutW(GetDlgItem(group, kStartButtonId), BM_CLICK, 0, 0, SMTO_NORMAL, 30000, nullptr);
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    std::this_thread::sleep_for(1s);
    result = WriteBitmap(argv[1], window) ? 0 : 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}
