#include "cli/console_view.h"

#include <chrono>
#include <thread>
#include <utility>

#include "cli/output_format.h"

namespace tunelark {

ConsoleView::ConsoleView(std::string address, int siteRow, std::ostream& notices)
    : address_(std::move(address)), siteRow_(siteRow), noticeStream_(notices) {}

std::string ConsoleView::ReadUrlText() { return address_; }

int ConsoleView::ReadSiteSelection() { return siteRow_; }

void ConsoleView::WriteTitleText(std::string_view text) { title_.assign(text); }

void ConsoleView::WriteDownloadText(std::string_view text) { download_.assign(text); }

void ConsoleView::ShowNotice(std::string_view text, NoticeIcon icon, std::optional<std::string_view> title) {
  ShownNotice notice{std::string(text), icon, std::nullopt};
  if (title) notice.title.emplace(*title);
  shown_.push_back(std::move(notice));
  noticeStream_ << FormatNoticeMessage(text) << std::flush;
}

void ConsoleView::PauseWithDispatch(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace tunelark
