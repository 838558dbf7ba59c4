// The program: one window; closing it ends the program with exit code 0.
// Without a window there is nothing to do, and the program ends at once.
#include <windows.h>

#include "win32/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The window lives until the loop has ended, so a resolve that was paused
  // when the window closed unwinds over a live object.
  tunelark::win32::MainWindow window;
  if (!window.Create(instance)) return 1;
  return window.Run();
}
