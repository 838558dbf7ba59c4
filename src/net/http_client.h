// What page fetch needs from an HTTP client. The libcurl build implements it
// in fetch_curl.cpp; another client replaces that one file.
#pragma once

#include <string>

#include "net/address.h"
#include "net/fetch_context.h"

namespace tunelark {

// Sets the client up for the process; nullptr when that fails.
HttpClientRoot* OpenHttpClientRoot();

// One GET of an http or https address, redirects included: the body of the
// final response, what arrived of it when the transfer broke, or empty.
std::string HttpGet(HttpClientRoot& root, const AddressParts& address);

}  // namespace tunelark
