#include "text/char_search.h"
#include "text/text_toolkit.h"

namespace tunelark {

TextList SplitText(std::string_view text, std::string_view delimiter) {
  TextList pieces;
  if (text.empty()) return pieces;
  if (delimiter.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  detail::CharSearch search(text, delimiter);
  std::size_t pieceStart = 0;
  for (std::size_t found = search.Next(0); found != detail::CharSearch::npos;
       found = search.Next(pieceStart)) {
    pieces.emplace_back(text.substr(pieceStart, found - pieceStart));
    pieceStart = found + delimiter.size();
  }
  // A delimiter at the very end leaves an empty last piece, which is dropped.
  if (pieceStart < text.size()) pieces.emplace_back(text.substr(pieceStart));
  return pieces;
}

}  // namespace tunelark
