// Conversion between the program's code page (GBK) and UTF-8, at the edge of
// the front ends. The core never calls it: page bytes stay as they came.
#pragma once

#include <string>
#include <string_view>

namespace tunelark {

// Whether the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// Page or program text made readable: bytes that are valid UTF-8 as they
// are, anything else decoded from GBK. Always valid UTF-8; a byte GBK cannot
// decode becomes U+FFFD.
std::string DisplayUtf8(std::string_view bytes);

// Program literals (GBK) as UTF-8; undecodable bytes become U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

// UTF-8 typed by the user as the program's code page. Characters GBK cannot
// hold become "?".
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace tunelark
