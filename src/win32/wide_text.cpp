#include "win32/wide_text.h"

#include <windows.h>

#include "text/code_page.h"

namespace tunelark::win32 {

namespace {

constexpr UINT kGbkCodePage = 936;

std::wstring Widen(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::wstring FromProgramText(std::string_view gbk) { return Widen(kGbkCodePage, gbk); }

std::wstring FromPageText(std::string_view bytes) {
  return IsValidUtf8(bytes) ? Widen(CP_UTF8, bytes) : Widen(kGbkCodePage, bytes);
}

std::string ToProgramText(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(kGbkCodePage, 0, wide.data(), size, nullptr, 0, "?", nullptr);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, wide.data(), size, text.data(), length, "?", nullptr);
  // A text ends at its first zero byte.
  return text.substr(0, text.find('\0'));
}

}  // namespace tunelark::win32
