// The Win32 window driven from outside, as a user would: the program runs
// as a child process against the loopback fixture site, its controls are
// found by their ids, clicks and keys are sent to them, and every message
// box it opens is recorded and closed.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "fixture_site.h"
#include "loopback_server.h"
#include "resolver/notices.h"
#include "resolver/resolver_view.h"
#include "resolver/site_table.h"
#include "win32/control_ids.h"
#include "window_program.h"

namespace tunelark::win32 {
namespace {

using namespace std::chrono_literals;
using testing::FixtureSite;
using testing::ScopedFixtureProxy;

constexpr auto kPatience = 20s;

std::wstring TextOf(HWND window) {
  wchar_t text[4096] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000,
                      nullptr);
  return text;
}

// Waits until `done` holds or the patience runs out; true when it held.
template <typename Condition>
bool WaitFor(Condition done) {
  const auto end = std::chrono::steady_clock::now() + kPatience;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

struct SeenNotice {
  std::wstring title;
  std::wstring text;
};

// The program under test, started with the fixture site as its proxy. A
// watcher closes each message box of the program with OK and records it.
class RunningWindow {
 public:
  RunningWindow() {
    started_ = StartWindowProgram(process_);
    if (!started_) return;
    WaitFor([&] {
      window_ = FindProcessWindow(process_.dwProcessId, kMainWindowClass);
      return window_ != nullptr && IsWindowVisible(window_);
    });
    group_ = GetDlgItem(window_, kGroupBoxId);
    // The window shows before its focus lands in Url; a key sent in between
    // would go to no window at all. A user meets it with the focus in place.
    WaitFor([&] { return Focus() != nullptr && Focus() == Control(kUrlId); });
    watcher_ = std::thread([this] { CloseNoticesUntilStopped(); });
  }

  ~RunningWindow() {
    stop_ = true;
    if (watcher_.joinable()) watcher_.join();
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      PostMessageW(window_, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  RunningWindow(const RunningWindow&) = delete;
  RunningWindow& operator=(const RunningWindow&) = delete;

  HWND Window() const { return window_; }
  HWND Control(int id) const { return GetDlgItem(group_, id); }

  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
  }

  // A click that returns once the program has handled it, a whole resolve
  // included.
  void Click(int id) const {
    SendMessageTimeoutW(Control(id), BM_CLICK, 0, 0, SMTO_NORMAL, 30000, nullptr);
  }

  void SetText(int id, std::wstring_view text) const {
    SendMessageTimeoutW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::wstring(text).c_str()),
                        SMTO_NORMAL, 10000, nullptr);
  }

  void PickSite(int row) const {
    SendMessageTimeoutW(Control(kModeId), CB_SETCURSEL, static_cast<WPARAM>(row), 0, SMTO_NORMAL, 10000, nullptr);
  }

  // A key as the program's queue receives it, with no modifier held.
  void PressKey(HWND target, WPARAM key) const {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  }

  // Waits for the program to end; its exit code, or -1 when it did not end.
  int ExitCode() const {
    if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
  }

  // Lets every message queued so far be handled: a sent message is only
  // answered once the program's loop comes round to it.
  void Settle() const {
    SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
  }

  std::vector<SeenNotice> Notices() const {
    std::lock_guard lock(mutex_);
    return notices_;
  }

 private:
  void CloseNoticesUntilStopped() {
    while (!stop_) {
      if (HWND box = FindProcessWindow(process_.dwProcessId, L"#32770"); box != nullptr && IsWindowVisible(box)) {
        SeenNotice notice{TextOf(box), TextOf(GetDlgItem(box, 0xFFFF))};
        {
          std::lock_guard lock(mutex_);
          notices_.push_back(notice);
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return stop_ || !IsWindow(box); });
      }
      std::this_thread::sleep_for(20ms);
    }
  }

  PROCESS_INFORMATION process_{};
  bool started_ = false;
  HWND window_ = nullptr;
  HWND group_ = nullptr;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<SeenNotice> notices_;
  std::thread watcher_;
};

class WindowDriver : public ::testing::Test {
 protected:
  FixtureSite site;
  ScopedFixtureProxy proxy{site};
};

TEST_F(WindowDriver, StartsCentredWithEmptyBoxesAndTheFocusInUrl) {
  RunningWindow program;
  ASSERT_NE(program.Window(), nullptr);
  EXPECT_EQ(TextOf(program.Window()), L"Tunelark 0.005 For Merrowin");

  RECT outer{};
  GetWindowRect(program.Window(), &outer);
  EXPECT_EQ(outer.right - outer.left, 479);
  EXPECT_EQ(outer.bottom - outer.top, 221);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 479) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 221) / 2);
  const LONG style = GetWindowLongW(program.Window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  for (int id : {kUrlId, kDownloadId, kTitleId}) EXPECT_EQ(TextOf(program.Control(id)), L"") << id;
  EXPECT_EQ(SendMessageW(program.Control(kModeId), CB_GETCOUNT, 0, 0), static_cast<LRESULT>(kSiteCount));
  EXPECT_EQ(SendMessageW(program.Control(kModeId), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(TextOf(program.Control(kModeId)), Gbk(SiteTable[0].label));
  EXPECT_EQ(TextOf(program.Control(kStartButtonId)), Gbk("\xBF\xAA\xCA\xBC\xBD\xE2\xCE\xF6"));  // 开始解析
  EXPECT_EQ(program.Focus(), program.Control(kUrlId));
}

TEST_F(WindowDriver, TabWalksTheFocusOrder) {
  RunningWindow program;
  ASSERT_NE(program.Window(), nullptr);
  const int order[] = {kModeId, kStartButtonId, kDownloadId, kCopyButtonId, kTitleId, kUrlId};
  HWND focus = program.Control(kUrlId);
  for (int id : order) {
    program.PressKey(focus, VK_TAB);
    // One step missed puts every later step off by one: stop at the first.
    ASSERT_TRUE(WaitFor([&] { return program.Focus() == program.Control(id); })) << id;
    focus = program.Control(id);
  }
}

TEST_F(WindowDriver, StartButtonResolvesIntoTitleAndDownload) {
  RunningWindow program;
  ASSERT_NE(program.Window(), nullptr);
  const auto& row = FixtureSite::Row(kCcc333Row);
  program.PickSite(kCcc333Row);
  program.SetText(kUrlId, Gbk(row.playPage));
  program.Click(kStartButtonId);
  EXPECT_EQ(TextOf(program.Control(kTitleId)), Gbk(row.title));
  EXPECT_EQ(TextOf(program.Control(kDownloadId)), Gbk(row.download));
  EXPECT_TRUE(program.Notices().empty());
}

TEST_F(WindowDriver, PausingRecipeResolvesWithTheWindowLive) {
  RunningWindow program;
  ASSERT_NE(program.Window(), nullptr);
  const auto& row = FixtureSite::Row(k92ccRow);
  program.PickSite(k92ccRow);
  program.SetText(kUrlId, Gbk(row.playPage));
  program.Click(kStartButtonId);
  EXPECT_EQ(TextOf(program.Control(kTitleId)), Gbk(row.title));
  EXPECT_EQ(TextOf(program.Control(kDownloadId)), Gbk(row.download));
}

TEST_F(WindowDriver, EmptyAddressShowsItsNotice) {
  RunningWindow program;
  ASSERT_NE(program.Window(), nullptr);
  program.Click(kStartButtonId);
  ASSERT_TRUE(WaitFor([&] { return !program.Notices().empty(); }));
  const SeenNotice notice = program.Notices()[0];
  EXPECT_EQ(notice.title, Gbk(kDefaultNoticeTitle));
  EXPECT_EQ(notice.text, Gbk(kEmptyAddressNotice));
}

// The row-0 recipe pauses twice with the window live; a close that comes
// while it runs ends the program normally, whichever step it meets.
TEST_F(WindowDriver, ClosingDuringAResolveEndsTheProgram) {
  RunningWindow program;
  ASSERT_NE(program.Window(), nullptr);
  program.PickSite(kHi193Row);
  program.SetText(kUrlId, Gbk(FixtureSite::Row(kHi193Row).playPage));
  PostMessageW(program.Control(kStartButtonId), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !site.RequestedAddresses().empty(); }));
  PostMessageW(program.Window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.ExitCode(), 0);
}

std::string ClipboardText() {
  std::string text = "(nothing)";
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

TEST_F(WindowDriver, CopyButtonPutsWhatDownloadShowsOnTheClipboard) {
  RunningWindow program;
  ASSERT_NE(program.Window(), nullptr);
  program.SetText(kDownloadId, L"http://mp3.example.com/edited by hand.mp3");
  program.Click(kCopyButtonId);
  EXPECT_EQ(ClipboardText(), "http://mp3.example.com/edited by hand.mp3");

  // GBK bytes go over as they are, whatever the system's code page.
  program.SetText(kDownloadId, Gbk("\xB8\xE8.mp3"));  // 歌.mp3
  program.Click(kCopyButtonId);
  EXPECT_EQ(ClipboardText(), "\xB8\xE8.mp3");

  program.SetText(kDownloadId, L"");
  program.Click(kCopyButtonId);
  EXPECT_EQ(ClipboardText(), "");
}

TEST_F(WindowDriver, EnterDoesNothingAndEscEndsTheProgram) {
  RunningWindow program;
  ASSERT_NE(program.Window(), nullptr);
  // With an empty address a click would show a notice; Enter must not click.
  SetFocus(nullptr);
  program.PressKey(program.Control(kStartButtonId), VK_RETURN);
  program.PressKey(program.Control(kUrlId), VK_RETURN);
  program.Settle();
  program.PressKey(program.Control(kTitleId), VK_ESCAPE);
  EXPECT_EQ(program.ExitCode(), 0);
  EXPECT_TRUE(program.Notices().empty());
}

}  // namespace
}  // namespace tunelark::win32
