// UTF-8 well-formedness, shared by the code page conversions of every
// platform: the iconv one and the Windows one walk UTF-8 the same way.
#pragma once

#include <cstddef>
#include <string_view>

namespace tunelark {

inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

// Length of the well-formed UTF-8 sequence at the start of `bytes`, or 0.
std::size_t Utf8SequenceLength(std::string_view bytes);

}  // namespace tunelark
