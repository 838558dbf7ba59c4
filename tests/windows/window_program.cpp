#include "window_program.h"

namespace tunelark::win32 {

std::wstring Gbk(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
  return wide;
}

bool StartWindowProgram(PROCESS_INFORMATION& process) {
  // The build knows the program by its host path; under wine that path is
  // reached through the Z: drive.
  std::string path = TUNELARK_WINDOW_PATH;
  if (path.starts_with('/')) path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  std::string commandLine = "\"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process) != 0;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  HWND found = nullptr;
  for (HWND w = FindWindowExW(nullptr, nullptr, className, nullptr); w != nullptr;
       w = FindWindowExW(nullptr, w, className, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == processId) found = w;
  }
  return found;
}

}  // namespace tunelark::win32
