#include <gtest/gtest.h>

#include <string>

#include "text/text_toolkit.h"

namespace tunelark {
namespace {

struct ExtractCase {
  const char* name;
  std::string source;
  std::string startMarker;
  std::string endMarker;
  std::string expected;
};

class ExtractBetweenTest : public ::testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractBetweenTest, CutsBetweenFirstStartAndNextEnd) {
  const ExtractCase& c = GetParam();
  EXPECT_EQ(ExtractBetween(c.source, c.startMarker, c.endMarker), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractBetweenTest,
    ::testing::Values(
        ExtractCase{"Title", "<head><title>Song</title></head>", "<title>", "</title>", "Song"},
        ExtractCase{"EmptyBetween", "<title></title>", "<title>", "</title>", ""},
        ExtractCase{"StartMissing", "Song</title>", "<title>", "</title>", ""},
        ExtractCase{"EndMissing", "<title>Song", "<title>", "</title>", ""},
        ExtractCase{"EndOnlyBeforeStart", "</title><title>Song", "<title>", "</title>", ""},
        ExtractCase{"TwoStartsBeforeEnd", "<t>a<t>b</t>", "<t>", "</t>", "a<t>b"},
        ExtractCase{"EmptyStartCutsFromFirstByte", "abc;def", "", ";", "abc"},
        ExtractCase{"EmptyEndGivesNothing", "abc;def", "a", "", ""},
        ExtractCase{"EmptySource", "", "", ";", ""},
        ExtractCase{"EndNeverOverlapsStart", "var a=\";\"", "=\"", "\"", ";"},
        // A start marker ending in a lead byte: the end marker's walk begins
        // afresh right after it instead of pairing that byte with the next.
        ExtractCase{"EndWalkBeginsAfterStart", "=\xB0</a>x</a>", "=\xB0", "</a>", ""},
        ExtractCase{"EndHiddenInCharacter", "<a>\xB0</a>z</a>", "<a>", "</a>", "\xB0</a>z"},
        ExtractCase{"GbkTitle", "<title>\xB8\xE8\xC7\xFA</title>", "<title>", "</title>",
                    "\xB8\xE8\xC7\xFA"}),
    [](const auto& info) { return std::string(info.param.name); });

struct MidCase {
  const char* name;
  std::string text;
  int start;
  int length;
  std::string expected;
};

class MidTextTest : public ::testing::TestWithParam<MidCase> {};

TEST_P(MidTextTest, CutsBytes) {
  const MidCase& c = GetParam();
  EXPECT_EQ(MidText(c.text, c.start, c.length), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MidTextTest,
    ::testing::Values(MidCase{"Middle", "abcdef", 2, 3, "bcd"},
                      MidCase{"StartZero", "abcdef", 0, 3, ""},
                      MidCase{"StartAfterLastByte", "abcdef", 7, 1, ""},
                      MidCase{"LengthZero", "abcdef", 1, 0, ""},
                      MidCase{"LengthNegative", "abcdef", 1, -2, ""},
                      MidCase{"PastTheEndIsCut", "abcdef", 5, 100, "ef"},
                      MidCase{"CutsACharacterInHalf", "\xB8\xE8\xC7\xFA", 2, 2, "\xE8\xC7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BytesToTextTest, StopsAtTheFirstZeroByte) {
  EXPECT_EQ(BytesToText(std::string("a\0b", 3)), "a");
  EXPECT_EQ(BytesToText(std::string("\0b", 2)), "");
  EXPECT_EQ(BytesToText(""), "");
  EXPECT_EQ(BytesToText("\xEF\xBB\xBFpage\r\n"), "\xEF\xBB\xBFpage\r\n");
}

TEST(ListItemTest, OutsideTheListGivesTheEmptyText) {
  const TextList list{"one", "", "three"};
  EXPECT_EQ(ListCount(list), 3);
  EXPECT_EQ(ListItem(list, 1), "one");
  EXPECT_EQ(ListItem(list, 2), "");
  EXPECT_EQ(ListItem(list, 3), "three");
  EXPECT_EQ(ListItem(list, 0), "");
  EXPECT_EQ(ListItem(list, 4), "");
  EXPECT_EQ(ListItem(list, -1), "");
  EXPECT_EQ(ListItem(TextList{}, 1), "");
}

TEST(SmallOperationsTest, LengthConcatAndEmptiness) {
  EXPECT_EQ(TextLength("\xB8\xE8"), 2);
  EXPECT_EQ(ConcatText("http://h/", "a.mp3"), "http://h/a.mp3");
  EXPECT_EQ(ConcatText("", ""), "");
  EXPECT_TRUE(IsEmptyText(""));
  EXPECT_FALSE(IsEmptyText(" "));
}

}  // namespace
}  // namespace tunelark
