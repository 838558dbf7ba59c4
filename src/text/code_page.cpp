// The one place where the program's code page meets UTF-8, over iconv.
#include "text/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace tunelark {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

// Length of the well-formed UTF-8 sequence at the start of `bytes`, or 0.
std::size_t Utf8SequenceLength(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const auto continuation = [&](std::size_t i) {
    return i < bytes.size() && (byte(i) & 0xC0) == 0x80;
  };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return continuation(1) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (!continuation(1) || !continuation(2)) return 0;
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;  // overlong
    if (lead == 0xED && byte(1) > 0x9F) return 0;  // surrogate
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (!continuation(1) || !continuation(2) || !continuation(3)) return 0;
    if (lead == 0xF0 && byte(1) < 0x90) return 0;  // overlong
    if (lead == 0xF4 && byte(1) > 0x8F) return 0;  // past U+10FFFF
    return 4;
  }
  return 0;
}

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of `input` as it can, appending to `output`; returns the
  // number of input bytes consumed. Stops at the first byte it cannot take.
  std::size_t Convert(std::string_view input, std::string& output) {
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
      char* out = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t rc = iconv(handle_, &in, &inLeft, &out, &outLeft);
      output.append(buffer, static_cast<std::size_t>(out - buffer));
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    return input.size() - inLeft;
  }

 private:
  iconv_t handle_;
};

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t length = Utf8SequenceLength(bytes);
    if (length == 0) return false;
    bytes.remove_prefix(length);
  }
  return true;
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string utf8;
  utf8.reserve(gbk.size() * 3 / 2);
  Converter converter("UTF-8", "GBK");
  while (!gbk.empty()) {
    const std::size_t taken = converter.ok() ? converter.Convert(gbk, utf8) : 0;
    gbk.remove_prefix(taken);
    if (gbk.empty()) break;
    // A byte GBK cannot decode (or a lead byte cut off at the end): mark it
    // and go on with the next byte, which may well be plain ASCII.
    utf8.append(kReplacementCharacter);
    gbk.remove_prefix(1);
  }
  return utf8;
}

std::string DisplayUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return GbkToUtf8(bytes);
}

std::string Utf8ToGbk(std::string_view utf8) {
  std::string gbk;
  gbk.reserve(utf8.size());
  Converter converter("GBK", "UTF-8");
  while (!utf8.empty()) {
    const std::size_t taken = converter.ok() ? converter.Convert(utf8, gbk) : 0;
    utf8.remove_prefix(taken);
    if (utf8.empty()) break;
    // A character GBK has no bytes for, or a malformed sequence: one "?" for
    // the whole character.
    gbk.push_back('?');
    const std::size_t length = Utf8SequenceLength(utf8);
    utf8.remove_prefix(length == 0 ? 1 : length);
  }
  return gbk;
}

}  // namespace tunelark
