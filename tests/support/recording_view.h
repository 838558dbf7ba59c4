// A ResolverView for tests: it holds the four fields, records every call in
// order, and lets a test decide what happens during the n-th pause (the user
// picks another site, edits the address, presses the start button again, or
// closes the window).
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "resolver/resolver_view.h"

namespace tunelark::testing {

struct RecordedNotice {
  std::string text;
  NoticeIcon icon = NoIcon;
  std::optional<std::string> title;  // nothing: the view's default title

  bool operator==(const RecordedNotice&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RecordedNotice& notice);

enum class ViewCallKind { ReadUrl, ReadSelection, WriteTitle, WriteDownload, Notice, Pause };

struct ViewCall {
  ViewCallKind kind;
  std::string text;                  // text read or written, notice text
  int number = 0;                    // selection read, notice icon, pause length
  std::optional<std::string> title;  // notice title
};

class RecordingView : public ResolverView {
 public:
  using PauseAction = std::function<void(RecordingView&)>;

  // The fields as the user sees them; tests set and read them directly.
  std::string url;
  int selection = -1;
  std::string title;
  std::string download;

  // Runs `action` during the pause with the 1-based number `pauseNumber`,
  // counted over the view's whole life (pauses of nested runs included).
  void OnPause(int pauseNumber, PauseAction action);
  // The window goes away during that pause: PauseWithDispatch throws
  // ViewClosed, and any later call on the view fails the test.
  void CloseOnPause(int pauseNumber);
  // Marks the view closed; meant for a pause action.
  void Close() { closed_ = true; }
  bool Closed() const { return closed_; }

  const std::vector<ViewCall>& Calls() const { return calls_; }
  std::vector<ViewCallKind> CallKinds() const;
  std::vector<RecordedNotice> Notices() const;
  int PauseCount() const { return pauses_; }
  // Number of calls that wrote Title or Download.
  int WriteCount() const;

  std::string ReadUrlText() override;
  int ReadSiteSelection() override;
  void WriteTitleText(std::string_view text) override;
  void WriteDownloadText(std::string_view text) override;
  void ShowNotice(std::string_view text, NoticeIcon icon,
                  std::optional<std::string_view> title) override;
  void PauseWithDispatch(int milliseconds) override;

 private:
  void ExpectOpen(const char* operation) const;

  std::vector<ViewCall> calls_;
  std::map<int, PauseAction> pauseActions_;
  int pauses_ = 0;
  bool closed_ = false;
};

}  // namespace tunelark::testing
