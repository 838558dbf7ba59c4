// Serves a body of a given size on loopback, as fast as the socket takes it:
// prints its port, answers REQUESTS requests (default: until killed) and exits.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s BYTES [REQUESTS]\n", argv[0]);
    return 2;
  }
  const unsigned long long bytes = std::strtoull(argv[1], nullptr, 10);
  const long requests = argc > 2 ? std::strtol(argv[2], nullptr, 10) : -1;

  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener, 16) != 0 ||
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    std::perror("body_server");
    return 1;
  }
  std::printf("%d\n", ntohs(address.sin_port));
  std::fflush(stdout);

  std::string chunk(1 << 20, '\0');
  for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<char>('a' + i % 26);
  for (long served = 0; requests < 0 || served < requests; ++served) {
    const int client = accept(listener, nullptr, nullptr);
    if (client < 0) continue;
    char request[8192];
    std::string head;
    while (head.find("\r\n\r\n") == std::string::npos) {
      const ssize_t got = read(client, request, sizeof request);
      if (got <= 0) break;
      head.append(request, static_cast<std::size_t>(got));
    }
    const std::string response = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n"
                                 "Content-Length: " + std::to_string(bytes) + "\r\n\r\n";
    bool ok = write(client, response.data(), response.size()) == static_cast<ssize_t>(response.size());
    for (unsigned long long left = bytes; ok && left > 0;) {
      const std::size_t piece = left < chunk.size() ? static_cast<std::size_t>(left) : chunk.size();
      const ssize_t sent = write(client, chunk.data(), piece);
      ok = sent > 0;
      if (ok) left -= static_cast<unsigned long long>(sent);
    }
    close(client);
  }
  close(listener);
  return 0;
}
