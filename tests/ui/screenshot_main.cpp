// Takes the picture of the window in docs/: the window on the real display
// platform, with a song resolved against the loopback sites. Run it under a
// virtual X server (scripts/screenshot does). Also names on standard error
// the captions that needed a smaller font to fit their boxes.
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "fixture_site.h"
#include "ui/main_window.h"

namespace {

constexpr int k3378Row = 4;

void ReportShrunkCaptions(const tunelark::MainWindow& window) {
  const int usual = QFontInfo(QApplication::font()).pixelSize();
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    const int used = QFontInfo(label->font()).pixelSize();
    if (used != usual) {
      std::fprintf(stderr, "smaller font: %s (%d px instead of %d px)\n",
                   qPrintable(label->objectName()), used, usual);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  tunelark::testing::FixtureSite site;
  tunelark::testing::ScopedFixtureProxy proxy(site);

  QApplication app(argc, argv);
  tunelark::MainWindow window;
  window.SetNoticePresenter([](const tunelark::Notice&) {});
  window.show();
  if (!QTest::qWaitForWindowExposed(&window, 10000)) {
    std::fprintf(stderr, "the window was never shown\n");
    return 1;
  }

  window.findChild<QComboBox*>(QStringLiteral("mode"))->setCurrentIndex(k3378Row);
  window.findChild<QLineEdit*>(QStringLiteral("Url"))
      ->setText(QString::fromStdString(tunelark::testing::FixtureSite::Row(k3378Row).playPage));
  window.findChild<QPushButton*>(QStringLiteral("按钮4"))->click();
  window.findChild<QLineEdit*>(QStringLiteral("Url"))->setFocus();
  QTest::qWait(300);  // repaints after the resolve

  ReportShrunkCaptions(window);
  const QRect frame = window.frameGeometry();
  const QPixmap shot =
      window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "could not save %s\n", argv[1]);
    return 1;
  }
  return 0;
}
