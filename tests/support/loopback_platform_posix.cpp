// The loopback server's sockets and environment on POSIX systems. Every
// descriptor is close-on-exec, so programs a test starts inherit none.
#include "loopback_platform.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tunelark::testing::platform {

namespace {

[[noreturn]] void Die(const char* what) {
  std::fprintf(stderr, "LoopbackServer: %s: %s\n", what, std::strerror(errno));
  std::abort();
}

}  // namespace

int ListenOnLoopback(int& port) {
  const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener < 0) Die("socket");
  int yes = 1;
  ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (::bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) Die("bind");
  if (::listen(listener, 64) != 0) Die("listen");
  socklen_t len = sizeof addr;
  if (::getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &len) != 0) Die("getsockname");
  port = ntohs(addr.sin_port);
  return listener;
}

int Accept(int listener) { return ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC); }

void Close(int socket) { ::close(socket); }

void ShutdownBoth(int socket) { ::shutdown(socket, SHUT_RDWR); }

void PrepareReset(int socket) {
  linger hard{1, 0};
  ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  ::shutdown(socket, SHUT_RD);
}

long SendSome(int socket, std::string_view bytes) {
  const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
  if (sent < 0) return errno == EINTR ? 0 : -1;
  return static_cast<long>(sent);
}

long ReceiveSome(int socket, char* buffer, std::size_t size) {
  ssize_t got;
  do {
    got = ::recv(socket, buffer, size, 0);
  } while (got < 0 && errno == EINTR);
  return static_cast<long>(got);
}

int WaitReadable(int socket, int timeoutMs) {
  pollfd fd{socket, POLLIN, 0};
  const int ready = ::poll(&fd, 1, timeoutMs);
  if (ready < 0) return errno == EINTR ? 0 : -1;
  return ready > 0 ? 1 : 0;
}

void OpenWake(int (&wake)[2]) {
  if (::pipe2(wake, O_CLOEXEC) != 0) Die("pipe2");
}

void SignalWake(const int (&wake)[2]) {
  char byte = 0;
  [[maybe_unused]] ssize_t ignored = ::write(wake[1], &byte, 1);
}

void CloseWake(const int (&wake)[2]) {
  ::close(wake[0]);
  ::close(wake[1]);
}

ListenerEvent WaitForListener(int listener, const int (&wake)[2], int /*sliceMs*/) {
  // The pipe wakes the wait, so it needs no time-out.
  pollfd fds[2] = {{listener, POLLIN, 0}, {wake[0], POLLIN, 0}};
  const int ready = ::poll(fds, 2, -1);
  if (ready < 0) {
    if (errno == EINTR) return ListenerEvent::kNothing;
    Die("poll");
  }
  if (fds[1].revents != 0) return ListenerEvent::kWoken;
  if ((fds[0].revents & POLLIN) == 0) return ListenerEvent::kNothing;
  return ListenerEvent::kConnection;
}

void SetEnvironment(const std::string& name, const char* value) {
  if (value) {
    ::setenv(name.c_str(), value, 1);
  } else {
    ::unsetenv(name.c_str());
  }
}

}  // namespace tunelark::testing::platform
