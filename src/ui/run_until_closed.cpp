#include "ui/run_until_closed.h"

#include <QApplication>

#include "ui/main_window.h"

namespace tunelark {

int RunUntilClosed(MainWindow& window) {
  // Qt's own quit on the last window is a posted event, and a pause that is
  // still dispatching could take it and drop it. Exiting right in the close
  // ends every loop running at that moment at once, the pauses' included;
  // the paused runs then unwind and the outermost loop returns.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&window, &MainWindow::viewClosed, qApp, [] { QCoreApplication::exit(0); });
  window.show();
  return QApplication::exec();
}

}  // namespace tunelark
