// Page fetch: one HTTP GET of an address, the whole response body back.
//
// A fetch never reports an error: whatever goes wrong, the caller gets the
// bytes that arrived before it, as a rule none. Only http and https are
// fetched, on the first request and on every redirect.
#pragma once

#include <string>
#include <string_view>

namespace tunelark {

// The body of the final response, whatever its status; empty when nothing
// was received.
std::string FetchBytes(std::string_view address);

// FetchBytes passed through BytesToText: the body up to its first zero byte.
std::string FetchText(std::string_view address);

}  // namespace tunelark
