// Every searching operation of the text toolkit against the plain
// character-by-character walk, on texts and sought texts the fuzzer makes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "reference_walk.h"
#include "text/text_toolkit.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tunelark;
  FuzzedDataProvider input(data, size);
  const int start = input.ConsumeIntegralInRange<int>(-2, 300);
  const std::string sought = input.ConsumeRandomLengthString(64);
  const std::string second = input.ConsumeRandomLengthString(64);
  const std::string text = input.ConsumeRemainingBytesAsString();

  Check(FindText(text, sought, start) == testing::WalkFindText(text, sought, start));
  Check(ReplaceText(text, sought, second) == testing::WalkReplace(text, sought, second));
  Check(SplitText(text, sought) == testing::WalkSplit(text, sought));

  // ExtractBetween is two walks: the start marker from the first byte, the
  // end marker from right after it.
  std::string expected;
  const int p = testing::WalkFindText(text, sought, 1);
  if (p != -1) {
    const int a = p + static_cast<int>(sought.size());
    const int q = testing::WalkFindText(text, second, a);
    if (q != -1) expected = MidText(text, a, q - a);
  }
  Check(ExtractBetween(text, sought, second) == expected);
  return 0;
}
