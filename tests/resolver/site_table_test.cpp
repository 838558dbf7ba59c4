#include "resolver/site_table.h"

#include <gtest/gtest.h>

#include <string>

#include "resolver/site_hosts.h"

namespace tunelark {
namespace {

TEST(SiteTableTest, EveryKeyFindsItsOwnRow) {
  const char* const keys[] = {"hi193", "djkk",   "92cc",  "djrrr", "3378",   "hcdj",  "dj97",
                              "mixdj", "mvpdj", "dj520", "9ku",   "ccc333", "mydj99"};
  ASSERT_EQ(std::size(keys), kSiteCount);
  for (int row = 0; row < static_cast<int>(kSiteCount); ++row) {
    EXPECT_EQ(SiteTable[row].key, keys[row]) << "row " << row;
    EXPECT_EQ(FindSiteByKey(keys[row]), row) << keys[row];
  }
}

TEST(SiteTableTest, KeysMatchOnlyExactly) {
  for (const char* key : {"", "MixDJ", "HI193", "hi19", "hi1933", " hi193", "dj", "www.hcdj.com"}) {
    EXPECT_EQ(FindSiteByKey(key), -1) << '"' << key << '"';
  }
}

TEST(SiteTableTest, OnlyTheRetiredRowLacksCheckTokenAndTitleMarkers) {
  for (int row = 0; row < static_cast<int>(kSiteCount); ++row) {
    const SiteRow& site = SiteTable[row];
    EXPECT_EQ(site.checkToken.empty(), row == kDjkkRow) << "row " << row;
    EXPECT_EQ(site.titleStart.empty(), row == kDjkkRow) << "row " << row;
    EXPECT_NE(site.recipe, nullptr) << "row " << row;
  }
  EXPECT_EQ(SiteTable[kDj97Row].titleStart, "var dance_name = '");
  EXPECT_EQ(SiteTable[kDj97Row].titleEnd, "'; var");
}

// The labels that carry a domain name are joined at compile time; a slip in
// the join would shift or cut the GBK bytes around it.
TEST(SiteTableTest, LabelsJoinTheirDomainNames) {
  EXPECT_EQ(SiteTable[kHi193Row].label.substr(0, 9), "hi193  - ");
  EXPECT_EQ(std::string(SiteTable[k3378Row].label),
            "www.3378dj.com \xCF\xD6\xD4\xDA\xB2\xE2\xCA\xD4\xD3\xD0\xD0\xA7\xBF\xC9\xCF\xC2\xD4\xD8");
  EXPECT_EQ(std::string(SiteTable[kMvpdjRow].label),
            "MVPDJ\xD2\xF4\xC0\xD6\xCD\xF8(www.mvpdj.com) - "
            "\xB7\xA2\xCF\xD6\xD2\xF4\xC0\xD6 \xB7\xD6\xCF\xED\xBF\xEC\xC0\xD6");
  EXPECT_EQ(std::string(SiteTable[kMydj99Row].label),
            "mydj99 \xD7\xEE\xBA\xC3\xCC\xFD\xB5\xC4"
            "DJ\xCE\xE8\xC7\xFA\xCD\xF8\xD5\xBE-www.mydj99.com");
}

TEST(SiteHostsTest, FixedAddressesArePlainHttpOnTheSitesHosts) {
  EXPECT_EQ(kHi193BaseAddress, "http://www.hi193.com/");
  EXPECT_EQ(k92ccScriptAddress, "http://static.92cc.com/mp/mp.js");
  EXPECT_EQ(kDjrrrBaseAddress, "http://www.djrrr.com/");
  EXPECT_EQ(kHcdjScriptAddress, "http://www.hcdj.com/play/playwma.js");
  EXPECT_EQ(kDj97ScriptAddress, "http://www.dj97.com/common/player.js");
  EXPECT_EQ(kMixdjPrefix, "http://www.mixdj.com/");
  EXPECT_EQ(kMvpdjPrefix, "http://www.mvpdj.com");
  EXPECT_EQ(kDj520ScriptAddress, "http://www.dj520.com/js/djcode.js");
  EXPECT_EQ(k9kuScriptAddress, "http://dz.9ku.com/");
  EXPECT_EQ(kMydj99ScriptAddress, "http://cache.mydj99.com/script/server.js");
}

}  // namespace
}  // namespace tunelark
