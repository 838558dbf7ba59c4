// Every recipe with the play page and the second download taken from the
// fuzzer's input: no fault, no zero byte in what reaches the view, and no
// request to an address the recipe did not build (the address the user gave,
// the row's fixed script address, or the row's base with a page value).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "net/fetch_override.h"
#include "resolver/resolve_command.h"
#include "resolver/site_hosts.h"
#include "resolver/site_table.h"

namespace {

using namespace tunelark;

void Check(bool ok) {
  if (!ok) std::abort();
}

class FuzzView : public ResolverView {
 public:
  FuzzView(std::string url, int row, int closeAtPause)
      : url_(std::move(url)), row_(row), closeAtPause_(closeAtPause) {}

  std::string ReadUrlText() override { return Touch(), url_; }
  int ReadSiteSelection() override { return Touch(), row_; }
  void WriteTitleText(std::string_view text) override { Touch(), CheckText(text); }
  void WriteDownloadText(std::string_view text) override { Touch(), CheckText(text); }
  void ShowNotice(std::string_view text, NoticeIcon, std::optional<std::string_view>) override {
    Touch(), CheckText(text);
  }
  void PauseWithDispatch(int) override {
    Touch();
    if (++pauses_ == closeAtPause_) {
      closed_ = true;
      throw ViewClosed();
    }
  }

 private:
  void Touch() const { Check(!closed_); }
  static void CheckText(std::string_view text) { Check(text.find('\0') == std::string_view::npos); }

  std::string url_;
  int row_;
  int closeAtPause_;
  int pauses_ = 0;
  bool closed_ = false;
};

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Whether a recipe of `row` may ask for `address` after the play page.
bool IsBuiltByRecipe(int row, std::string_view address) {
  switch (row) {
    case 0: return StartsWith(address, kHi193BaseAddress);
    case 2: return address == k92ccScriptAddress;
    case 3: return StartsWith(address, kDjrrrBaseAddress);
    case 5: return address == kHcdjScriptAddress;
    case 6: return address == kDj97ScriptAddress;
    case 9: return address == kDj520ScriptAddress;
    case 10: return address == k9kuScriptAddress;
    case 12: return address == kMydj99ScriptAddress;
    default: return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int row = input.ConsumeIntegralInRange<int>(0, static_cast<int>(kSiteCount) - 1);
  const int closeAtPause = input.ConsumeIntegralInRange<int>(0, 3);
  std::string url = input.ConsumeBool() ? "http://www.example.com/play/1.htm"
                                        : input.ConsumeRandomLengthString(80);
  const std::string second = input.ConsumeRandomLengthString(1 << 16);
  const std::string page = input.ConsumeRemainingBytesAsString();

  std::vector<std::string> requested;
  ScopedFetchOverride fetch([&](std::string_view address) {
    requested.emplace_back(address);
    return requested.size() == 1 ? page : second;
  });
  OnceNoticePending = 1;
  FuzzView view(url, row, closeAtPause);
  ResolveCommand(view);

  Check(requested.size() <= 2);
  for (const std::string& address : requested) Check(address == url || IsBuiltByRecipe(row, address));
  return 0;
}
