#include <gtest/gtest.h>

#include <string>

#include "text/text_toolkit.h"

namespace tunelark {
namespace {

struct ReplaceCase {
  const char* name;
  std::string text;
  std::string sought;
  std::string replacement;
  std::string expected;
};

class ReplaceTextTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextTest, ReplacesEveryOccurrence) {
  const ReplaceCase& c = GetParam();
  EXPECT_EQ(ReplaceText(c.text, c.sought, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceTextTest,
    ::testing::Values(
        ReplaceCase{"Placeholder", "http://h/'+file+'.mp4", "'+file+'", "song", "http://h/song.mp4"},
        ReplaceCase{"EveryOccurrence", "a'+file+'b'+file+'", "'+file+'", "x", "axbx"},
        ReplaceCase{"EmptySoughtUnchanged", "abc", "", "x", "abc"},
        ReplaceCase{"EmptyText", "", "a", "x", ""},
        ReplaceCase{"RemoveQuotes", "\"a\"b\"", "\"", "", "ab"},
        ReplaceCase{"RemoveOnlyByte", "\"", "\"", "", ""},
        ReplaceCase{"ReplacementNotSearchedAgain", "aa", "a", "aa", "aaaa"},
        ReplaceCase{"NoOverlap", "aaa", "aa", "b", "ba"},
        ReplaceCase{"NotInsideACharacter", "\xB0\"x\"", "\"", "", "\xB0\"x"},
        ReplaceCase{"LoneLeadByteAtEndCopied", "a\"\xB0", "\"", "", "a\xB0"},
        ReplaceCase{"NoOccurrence", "abc", "z", "y", "abc"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SplitCase {
  const char* name;
  std::string text;
  std::string delimiter;
  TextList expected;
};

class SplitTextTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTest, GivesThePiecesBetweenDelimiters) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(SplitText(c.text, c.delimiter), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextTest,
    ::testing::Values(
        SplitCase{"EmptyText", "", ",", {}},
        SplitCase{"NoDelimiter", "abc", ",", {"abc"}},
        SplitCase{"EmptyDelimiter", "a,b", "", {"a,b"}},
        SplitCase{"Plain", "a,b,c", ",", {"a", "b", "c"}},
        SplitCase{"LeadingDelimiter", ",a", ",", {"", "a"}},
        SplitCase{"TwoInARow", "a,,b", ",", {"a", "", "b"}},
        SplitCase{"TrailingAddsNothing", "a,b,", ",", {"a", "b"}},
        SplitCase{"DelimiterAlone", ",", ",", {""}},
        SplitCase{"LongDelimiter", "x<param name=y<param name=z", "<param name=", {"x", "y", "z"}},
        SplitCase{"NotInsideACharacter", "a\xB0,b,c", ",", {"a\xB0,b", "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tunelark
