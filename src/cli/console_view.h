// The resolver's view on a terminal: one address, one site row, notices on
// an error stream, and title and download kept for the output.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "resolver/resolver_view.h"

namespace tunelark {

struct ShownNotice {
  std::string text;                  // program bytes, as the recipe gave them
  NoticeIcon icon = NoIcon;
  std::optional<std::string> title;  // absent when the recipe gave none
};

class ConsoleView final : public ResolverView {
 public:
  // Notices are written to `notices` as they come, so that they appear in
  // order with the ones of earlier addresses even when output is piped.
  ConsoleView(std::string address, int siteRow, std::ostream& notices);

  std::string ReadUrlText() override;
  int ReadSiteSelection() override;
  void WriteTitleText(std::string_view text) override;
  void WriteDownloadText(std::string_view text) override;
  void ShowNotice(std::string_view text, NoticeIcon icon, std::optional<std::string_view> title) override;
  // Sleeps: nothing waits for events on a terminal, and the view cannot be
  // closed under a running command, so it never throws ViewClosed.
  void PauseWithDispatch(int milliseconds) override;

  const std::string& Title() const { return title_; }
  const std::string& Download() const { return download_; }
  const std::vector<ShownNotice>& Notices() const { return shown_; }

 private:
  std::string address_;
  int siteRow_;
  std::ostream& noticeStream_;
  std::string title_;
  std::string download_;
  std::vector<ShownNotice> shown_;
};

}  // namespace tunelark
