#include "net/wire_address.h"

#include <gtest/gtest.h>

namespace tunelark {
namespace {

TEST(WireAddress, EscapesOnlyBytesARequestLineCannotCarry) {
  EXPECT_EQ(EscapeUnsendableBytes("/a b\t\x01\x7F\x80\xFF"), "/a%20b%09%01%7F%80%FF");
  // 歌 in GBK goes out escaped, an escape already there goes out as it is.
  EXPECT_EQ(EscapeUnsendableBytes("/\xB8\xE8%20?q=\"<>|\\^`{}"), "/%B8%E8%20?q=\"<>|\\^`{}");
  EXPECT_EQ(EscapeUnsendableBytes(std::string("/\0z", 3)), "/%00z");
}

TEST(WireAddress, NamesThePortOnlyWhereItIsNotTheSchemesDefault) {
  EXPECT_EQ(WireAddress({"http", "u", "p", "h.x.com", 80, "/a?b"}), "http://h.x.com/a?b");
  EXPECT_EQ(WireAddress({"https", "", "", "h.x.com", 443, "/"}), "https://h.x.com/");
  EXPECT_EQ(WireAddress({"http", "", "", "h.x.com", 443, "/"}), "http://h.x.com:443/");
  EXPECT_EQ(WireAddress({"https", "", "", "h.x.com", 80, "/"}), "https://h.x.com:80/");
  EXPECT_EQ(WireAddress({"http", "", "", "[::1]", 8080, "/a b"}), "http://[::1]:8080/a%20b");
}

TEST(WireAddress, SameOriginComparesSchemeHostWithoutCaseAndPort) {
  AddressParts origin{"http", "u", "p", "H.x.com", 80, "/a"};
  EXPECT_TRUE(SameOrigin(origin, {"http", "", "", "h.X.COM", 80, "/other"}));
  EXPECT_FALSE(SameOrigin(origin, {"https", "", "", "h.x.com", 80, "/a"}));
  EXPECT_FALSE(SameOrigin(origin, {"http", "", "", "h.x.com", 81, "/a"}));
  EXPECT_FALSE(SameOrigin(origin, {"http", "", "", "h.x.co", 80, "/a"}));
  EXPECT_FALSE(SameOrigin(origin, {"http", "", "", "h.x.com.evil", 80, "/a"}));
}

}  // namespace
}  // namespace tunelark
