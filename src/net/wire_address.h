// How an address is handed to the HTTP client: rebuilt from its parts, with
// the bytes that a request line cannot carry escaped and nothing else
// touched. Credentials never go into it; they travel separately.
#pragma once

#include <string>
#include <string_view>

#include "net/address.h"

namespace tunelark {

// `text` with every space, control byte, 0x7F and byte of 0x80 or above
// written as "%XX"; all other bytes, "%" included, as they are.
std::string EscapeUnsendableBytes(std::string_view text);

// "scheme://host[:port]target", the port named only where it is not the
// scheme's default, the target escaped by EscapeUnsendableBytes.
std::string WireAddress(const AddressParts& parts);

// Same scheme, host (compared without regard to case) and port.
bool SameOrigin(const AddressParts& a, const AddressParts& b);

}  // namespace tunelark
