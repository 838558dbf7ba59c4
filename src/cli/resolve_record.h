// What one address gave: the facts the output formats are made from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/console_view.h"

namespace tunelark {

struct ResolveRecord {
  std::string address;  // as given
  int siteRow = -1;
  std::string title;     // program bytes, as the recipe wrote them
  std::string download;  // likewise
  std::vector<ShownNotice> notices;
  bool ok = false;       // FoundAudioAddress(download)
};

// Whether a download text is an audio address at all. Empty is not; nor is a
// bare site address (scheme and host, nothing or "/" after them), which is
// what the recipes that prefix a site address leave when the page lacks
// the markers of the file's path.
bool FoundAudioAddress(std::string_view download);

ResolveRecord RecordOf(std::string address, int siteRow, const ConsoleView& view);

}  // namespace tunelark
