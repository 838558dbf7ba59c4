// GoogleTest under a QApplication: widgets need one for the whole run.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "loopback_server.h"

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform warns about every window feature it lacks; those
// lines say nothing about the window under test.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (previousHandler != nullptr) {
    previousHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Listing the tests happens at build time, where no display may exist.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tunelark::testing::ClearProxyEnvironment();
  previousHandler = qInstallMessageHandler(QuietMessages);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
