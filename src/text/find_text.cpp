#include <cstdint>
#include <limits>

#include "text/char_search.h"
#include "text/text_toolkit.h"

namespace tunelark {

std::int32_t FindText(std::string_view text, std::string_view sought, std::int32_t start) {
  const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (from >= text.size()) return -1;
  if (sought.empty()) return 1;
  detail::CharSearch search(text, sought);
  const std::size_t found = search.Next(from);
  // Positions are 32-bit: an occurrence past their range cannot be named.
  if (found == detail::CharSearch::npos ||
      found >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    return -1;
  }
  return static_cast<std::int32_t>(found + 1);
}

}  // namespace tunelark
