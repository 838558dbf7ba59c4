// The program: one window; closing it ends the program with exit code 0.
#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tunelark::MainWindow window;
  window.show();
  // The window lives on the stack until the loop has ended, so a resolve
  // that was paused when the window closed unwinds over a live object.
  return QApplication::exec();
}
