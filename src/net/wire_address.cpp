#include "net/wire_address.h"

#include <algorithm>

namespace tunelark {

namespace {

bool IsUnsendable(unsigned char c) { return c <= 0x20 || c >= 0x7F; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int SchemeDefaultPort(std::string_view scheme) {
  if (scheme == "http") return 80;
  if (scheme == "https") return 443;
  return 0;
}

}  // namespace

std::string EscapeUnsendableBytes(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (IsUnsendable(byte)) {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

std::string WireAddress(const AddressParts& parts) {
  std::string wire;
  wire.append(parts.scheme).append("://").append(parts.host);
  if (parts.port != SchemeDefaultPort(parts.scheme)) wire.append(":").append(std::to_string(parts.port));
  wire.append(EscapeUnsendableBytes(parts.target));
  return wire;
}

bool SameOrigin(const AddressParts& a, const AddressParts& b) {
  return a.scheme == b.scheme && a.port == b.port &&
         std::equal(a.host.begin(), a.host.end(), b.host.begin(), b.host.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace tunelark
