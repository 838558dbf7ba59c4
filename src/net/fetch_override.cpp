#include "net/fetch_override.h"

#include <utility>

#include "net/fetch_context.h"

namespace tunelark {

ScopedFetchOverride::ScopedFetchOverride(FetchFunction fetch)
    : previous_(std::exchange(TheFetchContext().fetchOverride, std::move(fetch))) {}

ScopedFetchOverride::~ScopedFetchOverride() { TheFetchContext().fetchOverride = std::move(previous_); }

}  // namespace tunelark
