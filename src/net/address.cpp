#include "net/address.h"

#include <charconv>

#include "net/dot_segments.h"

namespace tunelark {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Bytes that cannot stand in a host name on the wire: a request line or a
// Host header built from them would be broken or ambiguous.
bool IsBadHostByte(unsigned char c) { return c <= 0x20 || c == 0x7F; }

// Length of the scheme at the front of `address` ("http" in "http://"), or 0
// when the address does not begin with a scheme followed by ":".
std::size_t SchemeLength(std::string_view address) {
  if (address.empty() || !IsAsciiLetter(address.front())) return 0;
  std::size_t i = 1;
  while (i < address.size() && (IsAsciiLetter(address[i]) || IsAsciiDigit(address[i]) ||
                                address[i] == '+' || address[i] == '-' || address[i] == '.')) {
    ++i;
  }
  return (i < address.size() && address[i] == ':') ? i : 0;
}

// The address taken apart where a path begins: "scheme://authority" and
// the path with its query. Empty `head` when there is no "scheme://".
struct PathSplit {
  std::string_view head;
  std::string_view path;
  std::string_view query;  // from "?" on, or empty
};

PathSplit SplitAtPath(std::string_view address) {
  std::size_t schemeLength = SchemeLength(address);
  if (schemeLength == 0 || address.substr(schemeLength, 3) != "://") return {};
  std::size_t authorityEnd = address.find_first_of("/?", schemeLength + 3);
  if (authorityEnd == std::string_view::npos) authorityEnd = address.size();
  std::size_t queryStart = address.find('?', authorityEnd);
  if (queryStart == std::string_view::npos) queryStart = address.size();
  return {address.substr(0, authorityEnd), address.substr(authorityEnd, queryStart - authorityEnd),
          address.substr(queryStart)};
}

int DefaultPort(std::string_view scheme) {
  if (scheme == "http") return 80;
  if (scheme == "https") return 443;
  if (scheme == "ftp") return 21;
  return 0;
}

// A port of 1 to 65535 written in decimal digits only, or 0.
int ParsePort(std::string_view text) {
  if (text.empty() || text.size() > 5) return 0;
  int port = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (error != std::errc{} || end != text.data() + text.size() || !IsAsciiDigit(text.front())) return 0;
  return (port >= 1 && port <= 65535) ? port : 0;
}

}  // namespace

std::string_view CutFragment(std::string_view address) {
  return address.substr(0, address.find('#'));
}

std::string CanonicalizeAddress(std::string_view address) {
  address = CutFragment(address);
  while (!address.empty() && IsWhiteSpace(address.back())) address.remove_suffix(1);
  PathSplit split = SplitAtPath(address);
  if (split.head.empty()) return {};
  std::string canonical(split.head);
  canonical += RemoveDotSegments(split.path);
  canonical += split.query;
  return canonical;
}

std::optional<AddressParts> SplitAddress(std::string_view canonical) {
  PathSplit split = SplitAtPath(canonical);
  if (split.head.empty()) return std::nullopt;

  AddressParts parts;
  std::size_t schemeLength = SchemeLength(canonical);
  for (char c : canonical.substr(0, schemeLength)) {
    parts.scheme += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }

  std::string_view authority = split.head.substr(schemeLength + 3);
  std::size_t at = authority.rfind('@');
  if (at != std::string_view::npos) {
    std::string_view userInfo = authority.substr(0, at);
    std::size_t colon = userInfo.find(':');
    parts.userName = userInfo.substr(0, colon);
    if (colon != std::string_view::npos) parts.password = userInfo.substr(colon + 1);
    authority.remove_prefix(at + 1);
  }

  std::string_view host;
  std::string_view rest;
  if (authority.starts_with('[')) {
    std::size_t close = authority.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = authority.substr(0, close + 1);
    rest = authority.substr(close + 1);
  } else {
    std::size_t colon = authority.find(':');
    host = authority.substr(0, colon);
    rest = colon == std::string_view::npos ? std::string_view{} : authority.substr(colon);
  }
  if (host.empty() || host == "[]") return std::nullopt;
  for (char c : host) {
    if (IsBadHostByte(static_cast<unsigned char>(c))) return std::nullopt;
  }
  parts.host = host;

  if (rest.empty()) {
    parts.port = DefaultPort(parts.scheme);
  } else {
    if (rest.front() != ':') return std::nullopt;
    parts.port = ParsePort(rest.substr(1));
    if (parts.port == 0) return std::nullopt;
  }

  parts.target = split.path.empty() ? "/" : std::string(split.path);
  parts.target += split.query;

  if (parts.host.size() > kMaxHostLength || parts.target.size() > kMaxTargetLength ||
      parts.userName.size() > kMaxUserNameLength || parts.password.size() > kMaxPasswordLength) {
    return std::nullopt;
  }
  return parts;
}

}  // namespace tunelark
