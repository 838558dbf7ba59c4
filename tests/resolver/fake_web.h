// The web as the recipes see it, without a network: pages by address, and
// the addresses asked for, through the fetch override.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "net/fetch_override.h"

namespace tunelark::testing {

class FakeWeb {
 public:
  // Address -> body; an address without an entry answers with nothing, as a
  // failed download does.
  std::map<std::string, std::string, std::less<>> pages;
  std::vector<std::string> requested;

 private:
  ScopedFetchOverride override_{[this](std::string_view address) {
    requested.emplace_back(address);
    const auto page = pages.find(address);
    return page == pages.end() ? std::string() : page->second;
  }};
};

}  // namespace tunelark::testing
