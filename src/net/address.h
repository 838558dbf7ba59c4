// Web addresses as page fetch sees them: the fragment cut off, the path
// canonicalised, and the whole split into the parts a request is made of.
// Nothing here encodes or decodes a percent-escape.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tunelark {

// Longest parts a usable address may have, in bytes.
inline constexpr std::size_t kMaxHostLength = 255;
inline constexpr std::size_t kMaxTargetLength = 2047;  // path with query
inline constexpr std::size_t kMaxUserNameLength = 127;
inline constexpr std::size_t kMaxPasswordLength = 127;

struct AddressParts {
  std::string scheme;    // lower case, without "://"
  std::string userName;  // empty when the address has none
  std::string password;  // empty when the address has none
  std::string host;
  int port = 0;          // the scheme's default when the address gives none
  std::string target;    // path with query; "/" when the address has no path
};

// The address up to, not including, its first "#".
std::string_view CutFragment(std::string_view address);

// "." and ".." segments of the path resolved and trailing white space
// removed; the empty text when the address cannot be canonicalised.
std::string CanonicalizeAddress(std::string_view address);

// The parts of a canonical address, or nothing when the address has no
// scheme, is malformed, or has a part longer than its limit.
std::optional<AddressParts> SplitAddress(std::string_view canonical);

}  // namespace tunelark
