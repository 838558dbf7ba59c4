// The one place where the program's code page meets UTF-8 on Windows. The
// conversions name code page 936 (GBK) explicitly rather than the system's
// ANSI code page, which on many installations is another one.
#include "text/code_page.h"
#include "text/utf8.h"

#include <windows.h>

namespace tunelark {

namespace {

constexpr UINT kGbkCodePage = 936;

// `bytes` of `codePage` as UTF-16; empty when any byte does not decode.
std::wstring Widen(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
  return wide;
}

std::string WideToUtf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

// One character as GBK, or nothing when GBK has no bytes for it. No best
// fit: a look-alike would put a different character into the text.
std::string NarrowToGbk(std::wstring_view wide) {
  char bytes[8];
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                         static_cast<int>(wide.size()), bytes, sizeof bytes,
                                         nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return {};
  return std::string(bytes, static_cast<std::size_t>(length));
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  std::wstring whole = Widen(kGbkCodePage, gbk);
  if (!whole.empty() || gbk.empty()) return WideToUtf8(whole);
  // Something in it does not decode: go character by character, a lead
  // byte taking its trail byte with it, and mark each byte that fails.
  std::string utf8;
  while (!gbk.empty()) {
    const unsigned char lead = static_cast<unsigned char>(gbk.front());
    const std::size_t length = (lead >= 0x80 && gbk.size() >= 2 && IsDBCSLeadByteEx(kGbkCodePage, lead)) ? 2 : 1;
    std::wstring character = Widen(kGbkCodePage, gbk.substr(0, length));
    if (character.empty()) {
      utf8.append(kReplacementCharacter);
      gbk.remove_prefix(1);
      continue;
    }
    utf8.append(WideToUtf8(character));
    gbk.remove_prefix(length);
  }
  return utf8;
}

std::string Utf8ToGbk(std::string_view utf8) {
  std::string gbk;
  gbk.reserve(utf8.size());
  while (!utf8.empty()) {
    const std::size_t length = Utf8SequenceLength(utf8);
    if (length == 0) {
      gbk.push_back('?');
      utf8.remove_prefix(1);
      continue;
    }
    std::string character = NarrowToGbk(Widen(CP_UTF8, utf8.substr(0, length)));
    gbk.append(character.empty() ? "?" : character);
    utf8.remove_prefix(length);
  }
  return gbk;
}

}  // namespace tunelark
