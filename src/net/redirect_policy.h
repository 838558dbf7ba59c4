// Which responses page fetch follows to another address, and how far.
#pragma once

#include <string_view>

namespace tunelark {

// Redirects followed in one fetch; a response that asks for one more ends
// the fetch with nothing.
inline constexpr int kMaxRedirects = 10;

// 301, 302, 303, 307 and 308: the statuses whose Location is followed.
bool IsFollowedRedirectStatus(long status);

// Only http and https are fetched, on the first request and on every hop.
bool IsFetchedScheme(std::string_view lowerCaseScheme);

}  // namespace tunelark
