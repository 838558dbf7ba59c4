// A seam in the fetch context for tests and fuzzers: while a
// ScopedFetchOverride lives, FetchBytes hands the address, exactly as its
// caller gave it, to the given function instead of the network, and returns
// what the function returns. Only addresses that would have gone on the wire
// reach it: empty and unusable addresses, and schemes other than http and
// https, still yield nothing without a call.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tunelark {

using FetchFunction = std::function<std::string(std::string_view address)>;

class ScopedFetchOverride {
 public:
  explicit ScopedFetchOverride(FetchFunction fetch);
  ~ScopedFetchOverride();
  ScopedFetchOverride(const ScopedFetchOverride&) = delete;
  ScopedFetchOverride& operator=(const ScopedFetchOverride&) = delete;

 private:
  FetchFunction previous_;
};

}  // namespace tunelark
