// The process-wide state of page fetch: the HTTP client's root, created by
// the first fetch that needs the network and kept until the program ends,
// and the override that stands in for the network while a
// ScopedFetchOverride lives. Page fetch keeps nothing else between calls.
#pragma once

#include <memory>
#include <mutex>

#include "net/fetch_override.h"

namespace tunelark {

// Defined by the HTTP client's implementation (libcurl here).
struct HttpClientRoot;
struct HttpClientRootDeleter {
  void operator()(HttpClientRoot* root) const;
};

class FetchContext {
 public:
  // The root, created now if it is not there yet; nullptr when it cannot be
  // created, and the next call tries again.
  HttpClientRoot* Root();
  bool HasRoot() const;

  // The function that replaces the network, or an empty function.
  FetchFunction fetchOverride;

 private:
  mutable std::mutex mutex_;
  std::unique_ptr<HttpClientRoot, HttpClientRootDeleter> root_;
};

FetchContext& TheFetchContext();

}  // namespace tunelark
