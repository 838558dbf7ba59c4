#include "tls_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tunelark::testing {

UntrustedTlsServer::UntrustedTlsServer(const std::string& certificateFile, const std::string& keyFile) {
  SSL_CTX* ctx = SSL_CTX_new(TLS_server_method());
  context_ = ctx;
  if (ctx == nullptr || SSL_CTX_use_certificate_chain_file(ctx, certificateFile.c_str()) != 1 ||
      SSL_CTX_use_PrivateKey_file(ctx, keyFile.c_str(), SSL_FILETYPE_PEM) != 1) {
    return;
  }
  listenSocket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  if (listenSocket_ < 0 || ::bind(listenSocket_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      ::listen(listenSocket_, 8) != 0 ||
      ::getsockname(listenSocket_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
    return;
  }
  port_ = ntohs(addr.sin_port);
  ready_ = true;
  thread_ = std::thread([this] { Serve(); });
}

UntrustedTlsServer::~UntrustedTlsServer() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  if (listenSocket_ >= 0) ::close(listenSocket_);
  SSL_CTX_free(static_cast<SSL_CTX*>(context_));
}

// One connection at a time; every wait is a short poll so that the
// destructor's stop is seen promptly.
void UntrustedTlsServer::Serve() {
  while (!stopping_) {
    pollfd listening{listenSocket_, POLLIN, 0};
    if (::poll(&listening, 1, 50) <= 0) continue;
    int socket = ::accept4(listenSocket_, nullptr, nullptr, SOCK_CLOEXEC);
    if (socket < 0) continue;
    ++accepted_;
    timeval limit{0, 200 * 1000};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    SSL* ssl = SSL_new(static_cast<SSL_CTX*>(context_));
    SSL_set_fd(ssl, socket);
    for (int attempt = 0; attempt < 50 && !stopping_; ++attempt) {
      int done = SSL_accept(ssl);
      if (done == 1) {
        char buffer[1024];
        for (int reads = 0; reads < 25 && !stopping_; ++reads) {
          int got = SSL_read(ssl, buffer, sizeof buffer);
          if (got > 0) requestBytes_ += got;
          if (got <= 0 && SSL_get_error(ssl, got) != SSL_ERROR_WANT_READ) break;
        }
        break;
      }
      int error = SSL_get_error(ssl, done);
      if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) break;
    }
    SSL_free(ssl);
    ERR_clear_error();
    ::close(socket);
  }
}

}  // namespace tunelark::testing
