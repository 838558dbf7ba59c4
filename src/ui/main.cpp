// The program: one window; closing it ends the program with exit code 0.
#include <QApplication>

#include "ui/main_window.h"
#include "ui/run_until_closed.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The window lives on the stack until the loop has ended, so a resolve
  // that was paused when the window closed unwinds over a live object.
  tunelark::MainWindow window;
  return tunelark::RunUntilClosed(window);
}
