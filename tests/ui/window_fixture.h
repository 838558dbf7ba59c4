// What the window tests share: a fresh window per test whose notices and
// link openings are recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <vector>

#include "resolver/resolve_command.h"
#include "ui/main_window.h"
#include "ui/run_until_closed.h"

namespace tunelark::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { NewWindow(); }

  // Replaces the window with a freshly started one.
  void NewWindow() {
    window_.reset();
    OnceNoticePending = 0;
    window_ = std::make_unique<MainWindow>();
    window_->SetNoticePresenter([this](const Notice& notice) { notices_.push_back(notice); });
    window_->SetLinkOpener([this](const QUrl& url) { opened_.push_back(url); });
  }

  void TearDown() override {
    window_.reset();
    // Deferred deletions and posted events of this test stay in this test.
    QApplication::processEvents();
  }

  // Shows the window and waits (bounded) until it is the active window.
  bool ShowActive() {
    window_->show();
    window_->activateWindow();
    return QTest::qWaitForWindowActive(window_.get(), 5000);
  }

  template <typename Widget>
  Widget* Find(const char* name) const {
    return window_->findChild<Widget*>(QString::fromUtf8(name));
  }

  QString FocusName() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QStringLiteral("(none)") : focus->objectName();
  }

  // Runs the program's loop on the window as main() does, ended by the
  // window's close or, if that never ends it, by a watchdog exit code.
  int RunProgramBounded(int watchdogMs = 10000) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(watchdogMs);
    return RunUntilClosed(*window_);
  }

  std::unique_ptr<MainWindow> window_;
  std::vector<Notice> notices_;
  std::vector<QUrl> opened_;
};

}  // namespace tunelark::testing
