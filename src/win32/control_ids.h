// Identifiers of the window's controls, shared with the program that drives
// the window in the tests. None is 1 or 2: the dialog keys send IDOK and
// IDCANCEL, which must not look like a control's notification.
#pragma once

namespace tunelark::win32 {

inline constexpr wchar_t kMainWindowClass[] = L"TunelarkMainWindow";

enum ControlId : int {
  kGroupBoxId = 1000,   // 分组框1
  kSiteLabelId,         // 标签7
  kModeId,              // mode
  kStartButtonId,       // 按钮4
  kUrlLabelId,          // 标签6
  kUrlId,               // Url
  kDownloadLabelId,     // 标签8
  kDownloadId,          // Download
  kTitleLabelId,        // 标签2
  kTitleId,             // Title
  kHintLabelId,         // 标签9
  kCopyButtonId,        // 按钮5
  kCreditLinkId,        // 超级链接框1
};

}  // namespace tunelark::win32
