#include "text/char_search.h"
#include "text/text_toolkit.h"

namespace tunelark {

std::string ReplaceText(std::string_view text, std::string_view sought,
                        std::string_view replacement) {
  if (text.empty() || sought.empty()) return std::string(text);
  detail::CharSearch search(text, sought);
  std::string result;
  std::size_t copied = 0;
  for (std::size_t found = search.Next(0); found != detail::CharSearch::npos;
       found = search.Next(copied)) {
    result.append(text.substr(copied, found - copied));
    result.append(replacement);
    copied = found + sought.size();
  }
  // What is left, a lone lead byte at the very end included, goes unchanged.
  result.append(text.substr(copied));
  return result;
}

}  // namespace tunelark
