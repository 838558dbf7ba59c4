// The thirteen supported sites, in the order of the site list.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "resolver/resolver_view.h"

namespace tunelark {

using SiteRecipe = RecipeResult (*)(ResolverView& view);

struct SiteRow {
  std::string_view label;       // item text of the site list, GBK bytes
  std::string_view checkToken;  // must occur in the play page; empty for the retired row
  std::string_view titleStart;  // title markers of the play page
  std::string_view titleEnd;
  std::string_view key;         // short name for the command line
  SiteRecipe recipe;
};

inline constexpr std::size_t kSiteCount = 13;

// Row numbers of SiteTable, which are also the indexes of the site list.
enum SiteRowIndex : int {
  kHi193Row,
  kDjkkRow,
  k92ccRow,
  kDjrrrRow,
  k3378Row,
  kHcdjRow,
  kDj97Row,
  kMixdjRow,
  kMvpdjRow,
  kDj520Row,
  k9kuRow,
  kCcc333Row,
  kMydj99Row,
};

extern const std::array<SiteRow, kSiteCount> SiteTable;

// The row whose key is `key` (exact, lower case), or -1.
int FindSiteByKey(std::string_view key);

}  // namespace tunelark
