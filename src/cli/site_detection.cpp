#include "cli/site_detection.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

#include "net/address.h"
#include "resolver/site_table.h"

namespace tunelark {
namespace {

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return lower;
}

// "user:password@host:port" between "scheme://" and the path, reduced to the
// host; used only when the address splitter rejects the address.
std::string_view CutHost(std::string_view address) {
  const std::size_t schemeEnd = address.find("://");
  std::string_view rest = schemeEnd == std::string_view::npos ? address : address.substr(schemeEnd + 3);
  rest = rest.substr(0, rest.find_first_of("/?#\\"));
  const std::size_t at = rest.rfind('@');
  if (at != std::string_view::npos) rest.remove_prefix(at + 1);
  if (!rest.empty() && rest.front() == '[') return rest.substr(0, rest.find(']') + 1);
  return rest.substr(0, rest.find(':'));
}

}  // namespace

int ParseSiteArgument(std::string_view argument) {
  if (!argument.empty() && std::all_of(argument.begin(), argument.end(),
                                       [](char c) { return c >= '0' && c <= '9'; })) {
    unsigned index = 0;
    const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), index);
    if (error != std::errc{} || end != argument.data() + argument.size() || index >= kSiteCount) return -1;
    return static_cast<int>(index);
  }
  return FindSiteByKey(LowerAscii(argument));
}

std::string HostOfAddress(std::string_view address) {
  if (const auto parts = SplitAddress(CanonicalizeAddress(address))) return LowerAscii(parts->host);
  return LowerAscii(CutHost(address));
}

std::vector<int> SitesNamedByHost(std::string_view address) {
  const std::string host = HostOfAddress(address);
  std::vector<int> rows;
  for (std::size_t row = 0; row < SiteTable.size(); ++row) {
    const std::string_view key = SiteTable[row].key;
    if (!key.empty() && host.find(LowerAscii(key)) != std::string::npos) rows.push_back(static_cast<int>(row));
  }
  return rows;
}

std::string SiteKeyList() {
  std::string keys;
  for (const SiteRow& row : SiteTable) {
    if (!keys.empty()) keys += ", ";
    keys += row.key;
  }
  return keys;
}

}  // namespace tunelark
