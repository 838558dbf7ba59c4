#include <gtest/gtest.h>

#include <string>

#include "text/code_page.h"

namespace tunelark {
namespace {

// "信息：" in GBK and in UTF-8.
const std::string kGbk = "\xD0\xC5\xCF\xA2\xA3\xBA";
const std::string kUtf8 = "\xE4\xBF\xA1\xE6\x81\xAF\xEF\xBC\x9A";

TEST(CodePageTest, GbkAndUtf8RoundTrip) {
  EXPECT_EQ(GbkToUtf8(kGbk), kUtf8);
  EXPECT_EQ(Utf8ToGbk(kUtf8), kGbk);
  EXPECT_EQ(GbkToUtf8("plain ascii"), "plain ascii");
}

TEST(CodePageTest, DisplayKeepsUtf8AndDecodesGbk) {
  EXPECT_EQ(DisplayUtf8(kUtf8), kUtf8);
  EXPECT_EQ(DisplayUtf8(kGbk), kUtf8);
  EXPECT_EQ(DisplayUtf8(""), "");
}

struct Utf8Case {
  const char* name;
  std::string bytes;
  bool valid;
};

class Utf8ValidityTest : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ValidityTest, Decides) {
  EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ValidityTest,
    ::testing::Values(Utf8Case{"Ascii", "abc", true}, Utf8Case{"Chinese", kUtf8, true},
                      Utf8Case{"Gbk", kGbk, false}, Utf8Case{"Overlong", "\xC0\xAF", false},
                      Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                      Utf8Case{"CutOff", "\xE4\xBF", false},
                      Utf8Case{"FourBytes", "\xF0\x9F\x8E\xB5", true},
                      Utf8Case{"PastMax", "\xF4\x90\x80\x80", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodePageTest, UndecodableBytesStillGiveValidUtf8) {
  const std::string hostile = std::string("a\x80\xFF", 3) + "b\xB0";
  const std::string shown = DisplayUtf8(hostile);
  EXPECT_TRUE(IsValidUtf8(shown));
  EXPECT_EQ(shown.front(), 'a');
  EXPECT_NE(shown.find('b'), std::string::npos);
}

TEST(CodePageTest, CharactersGbkLacksBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x8E\xB5z"), "a?z");
  EXPECT_EQ(Utf8ToGbk("a\xFFz"), "a?z");
}

}  // namespace
}  // namespace tunelark
