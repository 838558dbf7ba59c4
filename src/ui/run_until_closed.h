// The program's message loop: runs until the window is closed.
#pragma once

namespace tunelark {

class MainWindow;

// Shows the window and runs the application's loop until the window has
// been closed, however deep in paused resolves the close came; returns the
// program's exit code, 0.
int RunUntilClosed(MainWindow& window);

}  // namespace tunelark
