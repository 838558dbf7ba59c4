// What the loopback server needs from the system's sockets and environment,
// one implementation per platform (POSIX here, Winsock with the Windows
// tests). Sockets travel as int, as Connection::Socket() hands them out.
// Setting up the listener and waiting on it end the test program on failure:
// a test without its server has nothing to test.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tunelark::testing::platform {

// A listening socket on 127.0.0.1 at a port the system picks; `port` gets it.
int ListenOnLoopback(int& port);
int Accept(int listener);  // -1 when no connection could be had
void Close(int socket);
// Ends both directions, which wakes a handler blocked on the socket.
void ShutdownBoth(int socket);
// Sets a zero linger and stops reading, so that the close sends a reset.
void PrepareReset(int socket);

// Bytes sent from the start of `bytes` (0 when interrupted before any went
// out), or -1 once the peer is gone. Never raises SIGPIPE.
long SendSome(int socket, std::string_view bytes);
// Bytes received into `buffer`, 0 at the peer's orderly close, -1 on error.
long ReceiveSome(int socket, char* buffer, std::size_t size);
// Waits up to `timeoutMs` for `socket` to become readable: 1 readable, 0 not
// yet (time-out or interrupted), -1 on error.
int WaitReadable(int socket, int timeoutMs);

// Wakes the accept loop when the server stops: a pipe where the system can
// wait on it beside the socket, nothing where the loop polls in slices.
void OpenWake(int (&wake)[2]);
void SignalWake(const int (&wake)[2]);
void CloseWake(const int (&wake)[2]);

enum class ListenerEvent { kConnection, kNothing, kWoken };
// Waits for a connection on `listener` or the wake signal, up to `sliceMs`
// where the wake is polled for rather than signalled.
ListenerEvent WaitForListener(int listener, const int (&wake)[2], int sliceMs);

// Sets `name` to `value` in the environment, or unsets it for nullptr.
void SetEnvironment(const std::string& name, const char* value);

}  // namespace tunelark::testing::platform
