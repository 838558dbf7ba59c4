// The loopback server's sockets and environment over Winsock. Winsock has
// no descriptor to wake a wait with, so the accept loop polls in slices.
#include "loopback_platform.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tunelark::testing::platform {

namespace {

[[noreturn]] void Die(const char* what) {
  std::fprintf(stderr, "LoopbackServer: %s: error %d\n", what, WSAGetLastError());
  std::abort();
}

SOCKET AsSocket(int socket) { return static_cast<SOCKET>(socket); }

void StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  if (!started) Die("WSAStartup");
}

}  // namespace

int ListenOnLoopback(int& port) {
  StartWinsock();
  SOCKET listening = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (listening == INVALID_SOCKET) Die("socket");
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (::bind(listening, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) Die("bind");
  if (::listen(listening, 64) != 0) Die("listen");
  int len = sizeof addr;
  if (::getsockname(listening, reinterpret_cast<sockaddr*>(&addr), &len) != 0) Die("getsockname");
  port = ntohs(addr.sin_port);
  return static_cast<int>(listening);
}

int Accept(int listener) {
  SOCKET accepted = ::accept(AsSocket(listener), nullptr, nullptr);
  return accepted == INVALID_SOCKET ? -1 : static_cast<int>(accepted);
}

void Close(int socket) { ::closesocket(AsSocket(socket)); }

void ShutdownBoth(int socket) { ::shutdown(AsSocket(socket), SD_BOTH); }

void PrepareReset(int socket) {
  linger hard{1, 0};
  ::setsockopt(AsSocket(socket), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof hard);
  ::shutdown(AsSocket(socket), SD_RECEIVE);
}

long SendSome(int socket, std::string_view bytes) {
  // send takes an int length: large bodies go out in pieces.
  const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size(), 1 << 20));
  const int sent = ::send(AsSocket(socket), bytes.data(), chunk, 0);
  return sent == SOCKET_ERROR ? -1 : sent;
}

long ReceiveSome(int socket, char* buffer, std::size_t size) {
  const int got = ::recv(AsSocket(socket), buffer, static_cast<int>(size), 0);
  return got == SOCKET_ERROR ? -1 : got;
}

int WaitReadable(int socket, int timeoutMs) {
  WSAPOLLFD fd{AsSocket(socket), POLLRDNORM, 0};
  const int ready = ::WSAPoll(&fd, 1, timeoutMs);
  if (ready == SOCKET_ERROR) return -1;
  return ready > 0 ? 1 : 0;
}

void OpenWake(int (&)[2]) {}

void SignalWake(const int (&)[2]) {}

void CloseWake(const int (&)[2]) {}

ListenerEvent WaitForListener(int listener, const int (&)[2], int sliceMs) {
  WSAPOLLFD fd{AsSocket(listener), POLLRDNORM, 0};
  const int ready = ::WSAPoll(&fd, 1, sliceMs);
  if (ready == SOCKET_ERROR) Die("WSAPoll");
  if (ready == 0 || (fd.revents & POLLRDNORM) == 0) return ListenerEvent::kNothing;
  return ListenerEvent::kConnection;
}

void SetEnvironment(const std::string& name, const char* value) {
  // Both environments: the C runtime's, which getenv reads, and the
  // process's, which the system's own libraries read.
  _putenv_s(name.c_str(), value == nullptr ? "" : value);
  SetEnvironmentVariableA(name.c_str(), value);
}

}  // namespace tunelark::testing::platform
