// What the resolve command needs from the window, and the small types the
// driver and the recipes share. The window, the command line and the tests
// each implement ResolverView, so the same recipes run under all three.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace tunelark {

// Icon bits of a notice, as a Windows message box takes them.
enum NoticeIcon : int {
  NoIcon = 0,
  StopIcon = 16,
  InformationIcon = 64,
};

enum class RecipeResult {
  Completed,  // the recipe ran to its end; the driver tests the higher rows
  Stopped,    // the recipe showed a notice; the run ends here
};

// Thrown by PauseWithDispatch when the view went away during the pause (the
// window was closed). ResolveCommand catches it and ends the run at once, so
// no recipe has to check, and nothing touches the view again.
class ViewClosed : public std::exception {
 public:
  const char* what() const noexcept override { return "the view was closed during a pause"; }
};

class ResolverView {
 public:
  virtual ~ResolverView() = default;

  // The whole current address text, unchanged; empty when there is none.
  virtual std::string ReadUrlText() = 0;
  // The 0-based row selected; -1 when none is.
  virtual int ReadSiteSelection() = 0;
  virtual void WriteTitleText(std::string_view text) = 0;
  virtual void WriteDownloadText(std::string_view text) = 0;
  // A modal notice with one OK button; without a title the view shows
  // kDefaultNoticeTitle. Returns when the user has closed it.
  virtual void ShowNotice(std::string_view text, NoticeIcon icon,
                          std::optional<std::string_view> title) = 0;
  // Returns once more than `milliseconds` have passed, keeping the view live
  // meanwhile; returns at once for 0 or less. Throws ViewClosed when the view
  // went away during the pause.
  virtual void PauseWithDispatch(int milliseconds) = 0;
};

// "信息：" in the program's code page: the title of a notice given none.
inline constexpr std::string_view kDefaultNoticeTitle = "\xD0\xC5\xCF\xA2\xA3\xBA";

}  // namespace tunelark
