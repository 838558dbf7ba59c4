#include "recording_view.h"

#include <gtest/gtest.h>

#include <utility>

namespace tunelark::testing {

std::ostream& operator<<(std::ostream& out, const RecordedNotice& notice) {
  out << "notice(\"" << notice.text << "\", icon " << static_cast<int>(notice.icon) << ", ";
  if (notice.title) {
    out << "title \"" << *notice.title << "\")";
  } else {
    out << "default title)";
  }
  return out;
}

void RecordingView::OnPause(int pauseNumber, PauseAction action) {
  pauseActions_[pauseNumber] = std::move(action);
}

void RecordingView::CloseOnPause(int pauseNumber) {
  OnPause(pauseNumber, [](RecordingView& view) { view.Close(); });
}

std::vector<ViewCallKind> RecordingView::CallKinds() const {
  std::vector<ViewCallKind> kinds;
  for (const ViewCall& call : calls_) {
    kinds.push_back(call.kind);
  }
  return kinds;
}

std::vector<RecordedNotice> RecordingView::Notices() const {
  std::vector<RecordedNotice> notices;
  for (const ViewCall& call : calls_) {
    if (call.kind == ViewCallKind::Notice) {
      notices.push_back({call.text, static_cast<NoticeIcon>(call.number), call.title});
    }
  }
  return notices;
}

int RecordingView::WriteCount() const {
  int count = 0;
  for (const ViewCall& call : calls_) {
    if (call.kind == ViewCallKind::WriteTitle || call.kind == ViewCallKind::WriteDownload) {
      ++count;
    }
  }
  return count;
}

void RecordingView::ExpectOpen(const char* operation) const {
  if (closed_) {
    ADD_FAILURE() << operation << " called on a view that was closed";
  }
}

std::string RecordingView::ReadUrlText() {
  ExpectOpen("ReadUrlText");
  calls_.push_back({ViewCallKind::ReadUrl, url, 0, std::nullopt});
  return url;
}

int RecordingView::ReadSiteSelection() {
  ExpectOpen("ReadSiteSelection");
  calls_.push_back({ViewCallKind::ReadSelection, {}, selection, std::nullopt});
  return selection;
}

void RecordingView::WriteTitleText(std::string_view text) {
  ExpectOpen("WriteTitleText");
  calls_.push_back({ViewCallKind::WriteTitle, std::string(text), 0, std::nullopt});
  title = text;
}

void RecordingView::WriteDownloadText(std::string_view text) {
  ExpectOpen("WriteDownloadText");
  calls_.push_back({ViewCallKind::WriteDownload, std::string(text), 0, std::nullopt});
  download = text;
}

void RecordingView::ShowNotice(std::string_view text, NoticeIcon icon,
                               std::optional<std::string_view> title) {
  ExpectOpen("ShowNotice");
  std::optional<std::string> ownTitle;
  if (title) {
    ownTitle = std::string(*title);
  }
  calls_.push_back({ViewCallKind::Notice, std::string(text), icon, ownTitle});
}

void RecordingView::PauseWithDispatch(int milliseconds) {
  ExpectOpen("PauseWithDispatch");
  if (closed_) {
    throw ViewClosed();
  }
  calls_.push_back({ViewCallKind::Pause, {}, milliseconds, std::nullopt});
  ++pauses_;
  const auto action = pauseActions_.find(pauses_);
  if (action != pauseActions_.end()) {
    // Copied out: a nested run may add actions while this one runs.
    const PauseAction run = action->second;
    run(*this);
  }
  if (closed_) {
    throw ViewClosed();
  }
}

}  // namespace tunelark::testing
