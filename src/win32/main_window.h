// The program's one window in plain Win32: a fixed form of controls inside a
// group box, the resolver's view on them, and the message loop that gives
// Tab, Esc and Enter their meaning.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "resolver/resolver_view.h"

namespace tunelark::win32 {

class MainWindow : public ResolverView {
 public:
  // Outer size of the window, frame and title bar included.
  static constexpr int kWidth = 479;
  static constexpr int kHeight = 221;

  MainWindow() = default;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden with all its controls, then arms the one-time
  // notice. False when the window cannot be created.
  bool Create(HINSTANCE instance);
  // Shows the window centred on the primary display with the focus in Url,
  // and runs the message loop until the window is gone.
  int Run();

  std::string ReadUrlText() override;
  int ReadSiteSelection() override;
  void WriteTitleText(std::string_view text) override;
  void WriteDownloadText(std::string_view text) override;
  void ShowNotice(std::string_view text, NoticeIcon icon, std::optional<std::string_view> title) override;
  void PauseWithDispatch(int milliseconds) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CreditLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  HWND AddControl(DWORD exStyle, const wchar_t* kind, std::wstring_view text, DWORD style,
                  const RECT& box, int id);
  void OnCommand(int id, int notification);
  void CopyDownloadText();
  // Every message of the loops goes through here: Esc, Enter and Tab are
  // decided before the dialog handling, which would otherwise turn the first
  // two into IDCANCEL and a click of the focused button.
  void Dispatch(MSG& message);
  void MoveFocus(bool backward);
  std::string ControlText(HWND control) const;

  HWND window_ = nullptr;
  HWND group_ = nullptr;
  HWND mode_ = nullptr;
  HWND url_ = nullptr;
  HWND download_ = nullptr;
  HWND title_ = nullptr;
  HWND credit_ = nullptr;
  HWND focusBeforeDeactivation_ = nullptr;
  WNDPROC groupBoxDefault_ = nullptr;
  WNDPROC creditLinkDefault_ = nullptr;
  bool destroyed_ = false;
};

}  // namespace tunelark::win32
