#include <gtest/gtest.h>

#include <string>

#include "text/text_toolkit.h"

namespace tunelark {
namespace {

struct FindCase {
  const char* name;
  std::string text;
  std::string sought;
  int start;
  int expected;
};

class FindTextTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTextTest, GivesThePositionFromTheFirstByte) {
  const FindCase& c = GetParam();
  EXPECT_EQ(FindText(c.text, c.sought, c.start), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTextTest,
    ::testing::Values(
        FindCase{"AsciiHit", "A<", "<", 1, 2},
        // 0xE4 0xB8 and then 0xAD 0x3C are walked as two-byte characters.
        FindCase{"AfterThreeHighBytes", "\xE4\xB8\xAD<", "<", 1, -1},
        FindCase{"AfterSixHighBytes", "\xE4\xB8\xAD\xE6\x96\x87<", "<", 1, 7},
        FindCase{"HighByteThenAsciiIsOneCharacter", "\xB0<<", "<", 1, 3},
        FindCase{"WalkStartsWhereSearchStarts", "\xE4\xB8\xAD<", "<", 4, 4},
        FindCase{"WalkFromMidCharacterRealigns", "\xB0\xB0<", "<", 2, -1},
        FindCase{"StartBelowOneSearchesFromFirstByte", "abcabc", "abc", 0, 1},
        FindCase{"NegativeStart", "abcabc", "bc", -5, 2},
        FindCase{"LaterStartCountsFromWholeText", "abcabc", "abc", 2, 4},
        FindCase{"StartAfterLastByte", "abc", "c", 4, -1},
        FindCase{"StartOnLastByte", "abc", "c", 3, 3},
        FindCase{"EmptySoughtAnyStartInside", "abc", "", 3, 1},
        FindCase{"EmptySoughtOnEmptyText", "", "", 1, -1},
        FindCase{"EmptySoughtPastEnd", "abc", "", 9, -1},
        FindCase{"CaseSensitive", "MixDJ", "mixdj", 1, -1},
        FindCase{"SoughtLongerThanText", "ab", "abc", 1, -1},
        FindCase{"SoughtIsWholeText", "abc", "abc", 1, 1},
        FindCase{"HighByteSought", "a\xB0\xA1\xB0\xA1", "\xB0\xA1", 1, 2},
        FindCase{"HighByteSoughtMisaligned", "\xB0\xB0\xA1", "\xB0\xA1", 1, -1},
        FindCase{"LoneLeadByteAtEnd", "ab\xB0", "\xB0", 1, 3},
        FindCase{"OverlapCandidates", "aaaab", "aab", 1, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindTextWorstCase, LongNearMissesStayCorrect) {
  // "aaaa...ab" sought in "aaaa...a" and found once a "b" is there: a search
  // that restarts at every candidate would take quadratic time here.
  const std::string text(1 << 20, 'a');
  const std::string sought = std::string(1 << 19, 'a') + "b";
  EXPECT_EQ(FindText(text, sought), -1);
  EXPECT_EQ(FindText(text + "b", sought), (1 << 19) + 1);
}

TEST(FindTextWorstCase, ManyMatchesThatSplitACharacter) {
  // Every occurrence of the sought text begins on the second byte of a
  // character, until the last one, which a single byte below 0x80 realigns.
  std::string unit = "<\xB0";
  std::string sought;
  for (int i = 0; i < 2000; ++i) sought += unit;
  sought += "<";
  std::string text = "\xB0";
  for (int i = 0; i < 20000; ++i) text += unit;
  EXPECT_EQ(FindText(text, sought), -1);
  const std::string realigned = text + "a" + sought;
  EXPECT_EQ(FindText(realigned, sought), static_cast<int>(text.size()) + 2);
}

}  // namespace
}  // namespace tunelark
