// The text toolkit: the byte-string operations the recipes cut pages with.
//
// A text is a string of bytes in the program's code page (GBK); it is never
// converted here. Positions are 1-based byte positions counted from the first
// byte of the whole text, -1 means "not found", lengths count bytes, and a cut
// with nothing to cut gives the empty text. No operation throws.
//
// The searching operations (FindText, ReplaceText, SplitText and so
// ExtractBetween) walk a text by the characters of a double-byte code page: a
// byte below 0x80 is one character, a byte of 0x80 or above begins a two-byte
// character together with whatever byte follows it. A match may begin only
// where a character begins, counted from where the walk starts. All of them
// stay linear in the length of the text, whatever the text and sought text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tunelark {

using TextList = std::vector<std::string>;

// Position of the first occurrence of `sought` that begins at or after
// `start` (below 1 counts as 1), or -1. An empty `sought` gives 1 whenever
// `start` lies within the text.
std::int32_t FindText(std::string_view text, std::string_view sought, std::int32_t start = 1);

std::int32_t TextLength(std::string_view text);

// At most `length` bytes from `start`, by bytes (it may cut a two-byte
// character in half); empty when nothing lies there.
std::string MidText(std::string_view text, std::int32_t start, std::int32_t length);

// The bytes between the first `startMarker` and the first `endMarker` after
// it; empty when either is missing or `endMarker` is empty.
std::string ExtractBetween(std::string_view source, std::string_view startMarker,
                           std::string_view endMarker);

// Every occurrence of `sought`, from the first byte on and without overlap,
// replaced by `replacement`; the replacement is never searched again.
// A last byte of 0x80 or above with nothing after it is copied unchanged.
std::string ReplaceText(std::string_view text, std::string_view sought,
                        std::string_view replacement = {});

// The pieces between delimiters. Empty text: no pieces. Empty delimiter: the
// whole text as one piece. A delimiter at the very end adds no empty piece.
TextList SplitText(std::string_view text, std::string_view delimiter);

std::int32_t ListCount(const TextList& list);

// The element at the 1-based `index`; an index outside 1 to ListCount gives
// the empty text, so a recipe reading past a short list gets nothing to cut.
std::string ListItem(const TextList& list, std::int32_t index);

std::string ConcatText(std::string_view first, std::string_view second);

bool IsEmptyText(std::string_view text);

// The bytes before the first zero byte of a downloaded buffer. Takes the
// buffer by value so that a body without a zero byte is handed on without a
// second copy.
std::string BytesToText(std::string bytes);

}  // namespace tunelark
