#include "net/piece_size.h"

namespace tunelark {

namespace {

constexpr std::size_t kLongestLengthText = 31;

bool IsLeadingWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::size_t PieceSize(std::optional<std::string_view> contentLength) {
  if (!contentLength || contentLength->size() > kLongestLengthText) return kUnknownLengthPiece;
  std::string_view text = *contentLength;
  while (!text.empty() && IsLeadingWhiteSpace(text.front())) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Digits beyond the cap cannot change the answer, so the value saturates
  // there instead of overflowing on a 31-digit length.
  std::size_t value = 0;
  while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
    if (value < kLargestPiece) value = value * 10 + static_cast<std::size_t>(text.front() - '0');
    text.remove_prefix(1);
  }
  if (negative || value == 0) return kUnknownLengthPiece;
  return value >= kLargestPiece ? kLargestPiece : value + 1;
}

}  // namespace tunelark
