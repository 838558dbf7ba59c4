#include "text/char_search.h"

#include <cstring>

namespace tunelark::detail {

namespace {

#if defined(__GLIBC__)
constexpr bool kHaveLinearMemmem = true;
#else
constexpr bool kHaveLinearMemmem = false;
#endif

bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

}  // namespace

CharSearch::CharSearch(std::string_view text, std::string_view sought)
    : text_(text),
      sought_(sought),
      restartBudget_(kHaveLinearMemmem ? 2 * text.size() + 4096 : 0) {}

std::size_t CharSearch::Next(std::size_t from) {
  knownStart_ = from;
  std::size_t at = from;
  while (true) {
    const std::size_t candidate = FindBytes(at);
    if (candidate == npos) return npos;
    if (BeginsCharacter(candidate)) return candidate;
    // The candidate is the second byte of a character; the one after it
    // begins the next character.
    restartCost_ += sought_.size();
    at = candidate + 1;
  }
}

bool CharSearch::BeginsCharacter(std::size_t offset) {
  std::size_t run = 0;
  while (offset - run > knownStart_ && IsLeadByte(text_[offset - run - 1])) ++run;
  const bool begins = run % 2 == 0;
  knownStart_ = begins ? offset : offset + 1;
  return begins;
}

std::size_t CharSearch::FindBytes(std::size_t from) {
  const std::size_t m = sought_.size();
  if (from > text_.size() || text_.size() - from < m) return npos;
  if (restartCost_ > restartBudget_ || !border_.empty()) return FindBytesWithTable(from);
#if defined(__GLIBC__)
  const void* hit = ::memmem(text_.data() + from, text_.size() - from, sought_.data(), m);
  return hit == nullptr ? npos : static_cast<const char*>(hit) - text_.data();
#else
  return FindBytesWithTable(from);
#endif
}

std::size_t CharSearch::FindBytesWithTable(std::size_t from) {
  const std::size_t m = sought_.size();
  if (border_.empty()) {
    // border_[i]: length of the longest proper border of sought_[0, i).
    border_.assign(m + 1, 0);
    std::size_t k = 0;
    for (std::size_t i = 1; i < m; ++i) {
      while (k > 0 && sought_[i] != sought_[k]) k = border_[k];
      if (sought_[i] == sought_[k]) ++k;
      border_[i + 1] = k;
    }
  }
  std::size_t i = from;
  std::size_t matched = 0;
  if (from == resumeOffset_) {
    // Going on after a rejected match: keep what the table already knows
    // instead of reading the matched bytes again.
    i = resumeAt_;
    matched = resumeMatched_;
  }
  for (; i < text_.size(); ++i) {
    while (matched > 0 && text_[i] != sought_[matched]) matched = border_[matched];
    if (text_[i] == sought_[matched]) ++matched;
    if (matched == m) {
      const std::size_t start = i + 1 - m;
      resumeOffset_ = start + 1;
      resumeAt_ = i + 1;
      resumeMatched_ = border_[m];
      return start;
    }
  }
  return npos;
}

}  // namespace tunelark::detail
