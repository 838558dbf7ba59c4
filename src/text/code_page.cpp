// The one place where the program's code page meets UTF-8, over iconv.
#include "text/code_page.h"
#include "text/utf8.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace tunelark {

namespace {

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
