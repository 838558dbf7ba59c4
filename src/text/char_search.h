// Finding a sought text where a character of the double-byte walk begins.
//
// A fast byte search proposes candidates; a candidate counts only where the
// walk begins a character. A byte that follows a byte below 0x80 always
// begins a character, so deciding a candidate needs only a look back over
// the run of bytes of 0x80 or above just before it: an even run (counted
// from the last byte below 0x80, or from a known character start) means the
// candidate begins a character. Each byte is looked back at once at most.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tunelark::detail {

class CharSearch {
 public:
  static constexpr std::size_t npos = std::string_view::npos;

  // `sought` must not be empty. Both views must outlive the search.
  CharSearch(std::string_view text, std::string_view sought);

  // Offset of the first occurrence at or after `from` that begins a
  // character of a walk that begins at `from`; npos when there is none.
  // Successive calls must not go backwards: `from` is 0, the walk's start,
  // or the end of the previous occurrence.
  std::size_t Next(std::size_t from);

 private:
  std::size_t FindBytes(std::size_t from);
  std::size_t FindBytesWithTable(std::size_t from);
  bool BeginsCharacter(std::size_t offset);

  std::string_view text_;
  std::string_view sought_;
  std::size_t knownStart_ = 0;  // a character start; nothing before it is looked at again

  // A rejected candidate makes the byte search start again one byte later,
  // which costs up to the sought length each time. Once that has cost more
  // than a few passes over the text, a prefix-table search takes over: it
  // carries its state across rejections and so stays linear.
  std::size_t restartCost_ = 0;
  std::size_t restartBudget_;
  std::vector<std::size_t> border_;  // prefix table, built when first needed
  std::size_t resumeOffset_ = npos;  // where a rejected table match resumes
  std::size_t resumeAt_ = 0;
  std::size_t resumeMatched_ = 0;
};

}  // namespace tunelark::detail
