#include "net/piece_size.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tunelark {
namespace {

struct PieceCase {
  std::optional<std::string> contentLength;
  std::size_t piece;
};

void PrintTo(const PieceCase& c, std::ostream* os) {
  *os << (c.contentLength ? '"' + *c.contentLength + '"' : std::string("no header"));
}

class PieceSizeFromContentLength : public ::testing::TestWithParam<PieceCase> {};

TEST_P(PieceSizeFromContentLength, FollowsTheLengthWithinItsBounds) {
  const PieceCase& c = GetParam();
  std::optional<std::string_view> value;
  if (c.contentLength) value = *c.contentLength;
  EXPECT_EQ(PieceSize(value), c.piece);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PieceSizeFromContentLength,
    ::testing::Values(PieceCase{std::nullopt, 10240}, PieceCase{"", 10240}, PieceCase{"0", 10240},
                      PieceCase{"1", 2}, PieceCase{"500", 501}, PieceCase{"102398", 102399},
                      PieceCase{"102399", 102400}, PieceCase{"102400", 102400},
                      PieceCase{"5000000", 102400}, PieceCase{"-5", 10240}, PieceCase{"-0", 10240},
                      PieceCase{"+500", 501}, PieceCase{"  \t500", 501}, PieceCase{"500abc", 501},
                      PieceCase{"12 34", 13}, PieceCase{"abc", 10240}, PieceCase{"+-5", 10240},
                      PieceCase{" - 5", 10240},
                      // 31 bytes fit the field with its terminator, 32 do not.
                      PieceCase{std::string(28, ' ') + "500", 501},
                      PieceCase{std::string(29, ' ') + "500", 10240},
                      PieceCase{std::string(31, '9'), 102400}, PieceCase{std::string(32, '9'), 10240},
                      PieceCase{"99999999999999999999", 102400}));

}  // namespace
}  // namespace tunelark
