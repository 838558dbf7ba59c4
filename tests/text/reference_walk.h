// A plain character-by-character walk, written straight from the rules of
// the double-byte walk, to check the fast searches against.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tunelark::testing {

inline bool IsLead(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// Offset of the first match at or after `from` on a walk that begins at
// `from`, or npos.
inline std::size_t WalkFind(std::string_view text, std::string_view sought, std::size_t from) {
  std::size_t o = from;
  while (o < text.size()) {
    if (text.size() - o < sought.size()) return std::string_view::npos;
    if (text.compare(o, sought.size(), sought) == 0) return o;
    if (IsLead(text[o]) && o + 1 == text.size()) return std::string_view::npos;
    o += IsLead(text[o]) ? 2 : 1;
  }
  return std::string_view::npos;
}

inline int WalkFindText(std::string_view text, std::string_view sought, int start) {
  const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
  if (from >= text.size()) return -1;
  if (sought.empty()) return 1;
  const std::size_t found = WalkFind(text, sought, from);
  return found == std::string_view::npos ? -1 : static_cast<int>(found + 1);
}

inline std::string WalkReplace(std::string_view text, std::string_view sought,
                               std::string_view replacement) {
  if (text.empty() || sought.empty()) return std::string(text);
  std::string out;
  std::size_t o = 0;
  while (o < text.size()) {
    if (text.size() - o < sought.size()) break;
    if (text.compare(o, sought.size(), sought) == 0) {
      out.append(replacement);
      o += sought.size();
      continue;
    }
    const std::size_t step = IsLead(text[o]) && o + 1 < text.size() ? 2 : 1;
    out.append(text.substr(o, step));
    o += step;
  }
  if (o < text.size()) out.append(text.substr(o));
  return out;
}

inline std::vector<std::string> WalkSplit(std::string_view text, std::string_view delimiter) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (delimiter.empty()) return {std::string(text)};
  std::size_t pieceStart = 0;
  std::size_t o = 0;
  while (o < text.size() && text.size() - o >= delimiter.size()) {
    if (text.compare(o, delimiter.size(), delimiter) == 0) {
      pieces.emplace_back(text.substr(pieceStart, o - pieceStart));
      o += delimiter.size();
      pieceStart = o;
      continue;
    }
    o += IsLead(text[o]) ? 2 : 1;
  }
  if (pieceStart < text.size()) pieces.emplace_back(text.substr(pieceStart));
  return pieces;
}

}  // namespace tunelark::testing
