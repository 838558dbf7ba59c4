#include "net/body_collector.h"

#include <gtest/gtest.h>

#include <string>

namespace tunelark {
namespace {

TEST(BodyCollector, KeepsBytesUpToExactlyTheCapAndRefusesTheRest) {
  BodyCollector body(10);
  EXPECT_EQ(body.Append("abcd"), 4u);
  EXPECT_FALSE(body.Full());
  EXPECT_EQ(body.Append("efghijkl"), 6u);
  EXPECT_TRUE(body.Full());
  EXPECT_EQ(body.Append("m"), 0u);
  EXPECT_EQ(body.Take(), "abcdefghij");
}

TEST(BodyCollector, ABodyOfExactlyTheCapIsTakenWhole) {
  BodyCollector body(6);
  EXPECT_EQ(body.Append("abc"), 3u);
  EXPECT_EQ(body.Append("def"), 3u);
  EXPECT_EQ(body.Take(), "abcdef");
}

TEST(BodyCollector, TakeStartsAFreshBody) {
  BodyCollector body(8);
  body.Append("first");
  EXPECT_EQ(body.Take(), "first");
  EXPECT_EQ(body.Size(), 0u);
  EXPECT_EQ(body.Append("second!!!"), 8u);
  EXPECT_EQ(body.Take(), "second!!");
}

TEST(BodyCollector, ADeclaredLengthWithinTheCapSizesTheBufferOnce) {
  BodyCollector body(1 << 20);
  body.DeclareLength(5000);
  body.Append("x");
  std::string taken = body.Take();
  EXPECT_EQ(taken, "x");
  // The unused reservation is not handed on with a one-byte body.
  EXPECT_LT(taken.capacity(), 5000u);
}

TEST(BodyCollector, ADeclaredLengthAboveTheCapDecidesNoAllocation) {
  BodyCollector body(kMaxBodyBytes);
  body.DeclareLength(std::uint64_t{1} << 62);
  EXPECT_EQ(body.Append("short"), 5u);
  EXPECT_EQ(body.Take(), "short");
}

TEST(ContentLength, OnlyPlainDecimalDigitsCount) {
  EXPECT_EQ(ParseContentLength("0"), 0u);
  EXPECT_EQ(ParseContentLength(" 123 \r\n"), 123u);
  EXPECT_EQ(ParseContentLength("18446744073709551615"), 18446744073709551615u);
  for (const char* garbled : {"", " ", "-1", "+1", "12a", "1 2", "0x10", "18446744073709551616"}) {
    EXPECT_FALSE(ParseContentLength(garbled).has_value()) << '"' << garbled << '"';
  }
}

}  // namespace
}  // namespace tunelark
