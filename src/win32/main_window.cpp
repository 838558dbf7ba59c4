#include "win32/main_window.h"

#include <shellapi.h>

#include <algorithm>

#include "resolver/resolve_command.h"
#include "resolver/site_table.h"
#include "win32/clipboard_text.h"
#include "win32/control_ids.h"
#include "win32/wide_text.h"

namespace tunelark::win32 {

namespace {

constexpr wchar_t kWindowTitle[] = L"Tunelark 0.005 For Merrowin";

// Captions of the form, in the program's code page.
constexpr std::string_view kStartCaption = "\xBF\xAA\xCA\xBC\xBD\xE2\xCE\xF6";  // 开始解析
constexpr std::string_view kCopyCaption =
    "\xB8\xB4\xD6\xC6\xB5\xBD\xBC\xF4\xC7\xD0\xB0\xE5";  // 复制到剪切板
constexpr std::string_view kCreditCaption =
    "Tunelark \xCF\xEE\xC4\xBF\xD6\xF7\xD2\xB3";  // Tunelark 项目主页
constexpr const char* kCreditTarget = "https://github.com/tunelark/tunelark";

// The open list of the site list is never shorter than this.
constexpr int kMinListHeight = 160;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

struct LabelSpec {
  int id;
  RECT box;  // left, top, width, height inside the group box
  std::string_view text;
};

constexpr LabelSpec kLabels[] = {
    {kSiteLabelId, {9, 21, 89, 16},
     "\xD1\xA1\xD4\xF1\xCA\xD4\xCC\xFD\xCD\xF8\xD5\xBE\xA3\xBA"},  // 选择试听网站：
    {kUrlLabelId, {8, 48, 56, 16}, "\xB2\xA5\xB7\xC5\xD2\xB3\xC3\xE6\xA3\xBA"},  // 播放页面：
    {kDownloadLabelId, {8, 72, 72, 16}, "\xCF\xC2\xD4\xD8\xD4\xD8\xB5\xE3\xA3\xBA"},  // 下载载点：
    {kTitleLabelId, {4, 92, 64, 16}, "\xC3\xFB\xD7\xD6\x2F\xB1\xEA\xCC\xE2\xA3\xBA"},  // 名字/标题：
    {kHintLabelId, {16, 128, 288, 16},
     "\xB0\xD1\xBD\xE2\xCE\xF6\xB3\xF6\xC0\xB4\xB5\xC4\xB8\xE8\xC7\xFA\xA3\xAC\xB8\xB4\xD6\xC6"
     "\xB5\xBD\xD1\xB8\xC0\xD7\xC4\xDA\xCF\xC2\xD4\xD8\xBC\xB4\xBF\xC9\xA1\xA3"},  // 把解析出来的歌曲，复制到迅雷内下载即可。
};

const LabelSpec& Label(int id) {
  for (const LabelSpec& label : kLabels) {
    if (label.id == id) return label;
  }
  return kLabels[0];
}

constexpr DWORD kEditStyle = WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER;
constexpr DWORD kLabelStyle = SS_LEFT | SS_NOPREFIX;

MainWindow* WindowOf(HWND window) {
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool ModifierHeld() {
  return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

}  // namespace

bool MainWindow::Create(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kMainWindowClass;
  if (RegisterClassExW(&windowClass) == 0) return false;

  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  window_ = CreateWindowExW(0, kMainWindowClass, kWindowTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                            left, top, kWidth, kHeight, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  RECT outer{};
  GetWindowRect(window_, &outer);
  if (outer.right - outer.left != kWidth || outer.bottom - outer.top != kHeight) {
    SetWindowPos(window_, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  OnceNoticePending = 1;
  return true;
}

int MainWindow::Run() {
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetFocus(url_);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  return 0;
}

HWND MainWindow::AddControl(DWORD exStyle, const wchar_t* kind, std::wstring_view text, DWORD style,
                            const RECT& box, int id) {
  HWND control = CreateWindowExW(exStyle, kind, std::wstring(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                 box.left, box.top, box.right, box.bottom, group_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)),
                                 nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return control;
}

void MainWindow::CreateControls() {
  // The group box is the parent of every other control; as a control parent
  // it lets the dialog handling walk into it for Tab and Shift+Tab.
  group_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 7, 4,
                           456, 180, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGroupBoxId)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), nullptr);
  SendMessageW(group_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SetWindowLongPtrW(group_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  groupBoxDefault_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(group_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GroupBoxProc)));

  // Created in the focus order: Tab walks the focus stops in creation order.
  const auto label = [&](int id) {
    const LabelSpec& spec = Label(id);
    AddControl(0, L"STATIC", FromProgramText(spec.text), kLabelStyle, spec.box, id);
  };
  label(kUrlLabelId);
  url_ = AddControl(WS_EX_CLIENTEDGE, L"EDIT", L"", kEditStyle, {64, 48, 376, 16}, kUrlId);
  label(kSiteLabelId);
  mode_ = AddControl(0, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                     {94, 20, 267, std::max(20, kMinListHeight)}, kModeId);
  AddControl(0, L"BUTTON", FromProgramText(kStartCaption), kButtonStyle, {361, 16, 79, 24}, kStartButtonId);
  label(kDownloadLabelId);
  download_ = AddControl(WS_EX_CLIENTEDGE, L"EDIT", L"", kEditStyle, {64, 72, 376, 16}, kDownloadId);
  label(kHintLabelId);
  AddControl(0, L"BUTTON", FromProgramText(kCopyCaption), kButtonStyle, {320, 136, 112, 24}, kCopyButtonId);
  label(kTitleLabelId);
  title_ = AddControl(WS_EX_CLIENTEDGE, L"EDIT", L"", kEditStyle, {64, 93, 376, 16}, kTitleId);
  credit_ = AddControl(0, L"STATIC", FromProgramText(kCreditCaption), SS_CENTER | SS_NOTIFY | SS_NOPREFIX,
                       {9, 148, 240, 16}, kCreditLinkId);
  SetWindowLongPtrW(credit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  creditLinkDefault_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(credit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CreditLinkProc)));

  // No limit beyond the system's own.
  for (HWND edit : {url_, download_, title_}) SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  for (const SiteRow& row : SiteTable) {
    SendMessageW(mode_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromProgramText(row.label).c_str()));
  }
  SendMessageW(mode_, CB_SETCURSEL, 0, 0);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (MainWindow* self = WindowOf(window)) return self->Handle(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

// The group box is the controls' parent, so their notifications and colour
// requests reach it first; the window handles them.
LRESULT CALLBACK MainWindow::GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* self = WindowOf(window);
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return SendMessageW(self->window_, message, wParam, lParam);
    default:
      return CallWindowProcW(self->groupBoxDefault_, window, message, wParam, lParam);
  }
}

LRESULT CALLBACK MainWindow::CreditLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* self = WindowOf(window);
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorA(nullptr, IDC_HAND));
      return TRUE;
    case WM_LBUTTONDOWN:
      // A failure to open the browser is not reported.
      ShellExecuteA(nullptr, "open", kCreditTarget, nullptr, nullptr, SW_SHOWNORMAL);
      return 0;
    default:
      return CallWindowProcW(self->creditLinkDefault_, window, message, wParam, lParam);
  }
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) == credit_) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kLinkColour);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        focusBeforeDeactivation_ = GetFocus();
      } else {
        const bool ours = focusBeforeDeactivation_ != nullptr && IsChild(window_, focusBeforeDeactivation_);
        SetFocus(ours ? focusBeforeDeactivation_ : url_);
      }
      return 0;
    case WM_DESTROY:
      destroyed_ = true;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int notification) {
  if (notification != BN_CLICKED) return;
  if (id == kStartButtonId) {
    ResolveCommand(*this);
  } else if (id == kCopyButtonId) {
    CopyDownloadText();
  }
}

void MainWindow::CopyDownloadText() { PutClipboardText(ControlText(download_)); }

void MainWindow::Dispatch(MSG& message) {
  if (!destroyed_ && message.message == WM_KEYDOWN &&
      (message.hwnd == window_ || IsChild(window_, message.hwnd)) && !ModifierHeld()) {
    const bool listOpen = SendMessageW(mode_, CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (message.wParam == VK_ESCAPE && !listOpen) {
      SendMessageW(window_, WM_CLOSE, 0, 0);
      return;
    }
    if (message.wParam == VK_RETURN && !listOpen) return;
  }
  if (!destroyed_ && message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
      (message.hwnd == window_ || IsChild(window_, message.hwnd)) && GetKeyState(VK_CONTROL) >= 0 &&
      GetKeyState(VK_MENU) >= 0) {
    MoveFocus(GetKeyState(VK_SHIFT) < 0);
    return;
  }
  if (!destroyed_ && IsDialogMessageW(window_, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// Walked here rather than left to the dialog handling, which moves the
// focus only in windows made as dialogs on some systems (wine among them).
void MainWindow::MoveFocus(bool backward) {
  HWND focus = GetFocus();
  HWND next = GetNextDlgTabItem(window_, IsChild(window_, focus) ? focus : nullptr, backward);
  if (next == nullptr) return;
  SetFocus(next);
  // As in a dialog, an edit box reached by Tab has its text selected.
  if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
}

std::string MainWindow::ControlText(HWND control) const {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return ToProgramText(text);
}

std::string MainWindow::ReadUrlText() { return ControlText(url_); }

int MainWindow::ReadSiteSelection() {
  const LRESULT selected = SendMessageW(mode_, CB_GETCURSEL, 0, 0);
  return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

void MainWindow::WriteTitleText(std::string_view text) { SetWindowTextW(title_, FromPageText(text).c_str()); }

void MainWindow::WriteDownloadText(std::string_view text) {
  SetWindowTextW(download_, FromPageText(text).c_str());
}

void MainWindow::ShowNotice(std::string_view text, NoticeIcon icon, std::optional<std::string_view> title) {
  MessageBoxW(nullptr, FromProgramText(text).c_str(), FromProgramText(title.value_or(kDefaultNoticeTitle)).c_str(),
              MB_OK | MB_TASKMODAL | static_cast<UINT>(icon));
}

void MainWindow::PauseWithDispatch(int milliseconds) {
  if (milliseconds <= 0) return;
  if (destroyed_) throw ViewClosed();
  const DWORD start = GetTickCount();
  const auto elapsed = [&] { return GetTickCount() - start; };
  while (elapsed() <= static_cast<DWORD>(milliseconds)) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // The quit request belongs to the message loop: put it back for it
        // and stop dispatching here.
        PostQuitMessage(static_cast<int>(message.wParam));
        throw ViewClosed();
      }
      Dispatch(message);
      if (destroyed_) throw ViewClosed();
    }
    const DWORD passed = elapsed();
    if (passed > static_cast<DWORD>(milliseconds)) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds) - passed + 1, QS_ALLINPUT);
  }
}

}  // namespace tunelark::win32
