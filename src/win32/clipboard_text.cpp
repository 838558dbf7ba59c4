#include "win32/clipboard_text.h"

#include <windows.h>

#include <cstring>

namespace tunelark::win32 {

void PutClipboardText(std::string_view text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1)) {
    if (void* bytes = GlobalLock(block)) {
      std::memcpy(bytes, text.data(), text.size());
      GlobalUnlock(block);
      // From here on the block is the clipboard's; it is freed here only
      // when the clipboard would not take it.
      if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
    } else {
      GlobalFree(block);
    }
  }
  CloseClipboard();
}

}  // namespace tunelark::win32
