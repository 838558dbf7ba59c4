#include "net/fetch.h"

#include "net/address.h"
#include "net/fetch_context.h"
#include "net/http_client.h"
#include "net/redirect_policy.h"
#include "text/text_toolkit.h"

namespace tunelark {

std::string FetchBytes(std::string_view address) {
  if (address.empty()) return {};
  std::string canonical = CanonicalizeAddress(CutFragment(address));
  if (canonical.empty()) return {};
  std::optional<AddressParts> parts = SplitAddress(canonical);
  if (!parts || !IsFetchedScheme(parts->scheme)) return {};

  FetchContext& context = TheFetchContext();
  if (context.fetchOverride) {
    // A copy, so that an override may replace itself while it runs.
    FetchFunction fetch = context.fetchOverride;
    return fetch(address);
  }
  HttpClientRoot* root = context.Root();
  if (root == nullptr) return {};
  return HttpGet(*root, *parts);
}

std::string FetchText(std::string_view address) { return BytesToText(FetchBytes(address)); }

}  // namespace tunelark
