// The resolve command's view onto the form: where it reads the address and
// the site, where it writes its results, how it shows notices and pauses.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

#include "resolver/resolver_view.h"
#include "ui/edge_text.h"
#include "ui/main_window.h"
#include "ui/site_list.h"

namespace tunelark {
namespace {

// Results are shown from their beginning, where an address or a title says
// the most, not scrolled to their end.
void ReplaceEditText(QLineEdit& edit, const QString& text) {
  edit.setText(text);
  edit.setCursorPosition(0);
}

}  // namespace

std::string MainWindow::ReadUrlText() { return ToProgramText(url_->text()); }

int MainWindow::ReadSiteSelection() { return mode_->currentIndex(); }

void MainWindow::WriteTitleText(std::string_view text) {
  ReplaceEditText(*title_, FromPageText(text));
}

void MainWindow::WriteDownloadText(std::string_view text) {
  ReplaceEditText(*download_, FromPageText(text));
}

void MainWindow::ShowNotice(std::string_view text, NoticeIcon icon,
                            std::optional<std::string_view> title) {
  Notice notice;
  // Notice texts break lines the Windows way; a label breaks on "\n" alone.
  notice.text = FromProgramText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  notice.title = FromProgramText(title.value_or(kDefaultNoticeTitle));
  notice.icon = NoticeBoxIcon(icon);
  presentNotice_(notice);
}

void MainWindow::PauseWithDispatch(int milliseconds) {
  if (milliseconds <= 0) return;
  if (closed_) throw ViewClosed();

  QElapsedTimer clock;
  clock.start();
  // A nested event loop rather than a sleep: every event is handled as it
  // comes, a second click included, which runs a whole resolve in here.
  // The loop may return early (the window closed, or the application asked
  // to quit, which ends every running loop), so the clock decides.
  while (!clock.hasExpired(milliseconds)) {
    QEventLoop loop;
    const auto left = static_cast<int>(milliseconds - clock.elapsed()) + 1;
    QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    connect(this, &MainWindow::viewClosed, &loop, &QEventLoop::quit);
    loop.exec();
    if (closed_) throw ViewClosed();
  }
}

}  // namespace tunelark
