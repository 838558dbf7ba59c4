#include "net/fetch_context.h"

#include "net/http_client.h"

namespace tunelark {

HttpClientRoot* FetchContext::Root() {
  std::lock_guard lock(mutex_);
  if (!root_) root_.reset(OpenHttpClientRoot());
  return root_.get();
}

bool FetchContext::HasRoot() const {
  std::lock_guard lock(mutex_);
  return root_ != nullptr;
}

FetchContext& TheFetchContext() {
  static FetchContext context;
  return context;
}

}  // namespace tunelark
