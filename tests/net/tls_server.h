// A TLS listener on 127.0.0.1 that presents the committed self-signed test
// certificate, which no client trusts. It counts handshakes begun and HTTP
// request bytes received after one succeeded.
#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace tunelark::testing {

class UntrustedTlsServer {
 public:
  UntrustedTlsServer(const std::string& certificateFile, const std::string& keyFile);
  ~UntrustedTlsServer();
  UntrustedTlsServer(const UntrustedTlsServer&) = delete;
  UntrustedTlsServer& operator=(const UntrustedTlsServer&) = delete;

  bool Ready() const { return ready_; }
  int Port() const { return port_; }
  int ConnectionsAccepted() const { return accepted_; }
  int RequestBytesReceived() const { return requestBytes_; }

 private:
  void Serve();

  void* context_ = nullptr;  // SSL_CTX
  int listenSocket_ = -1;
  int port_ = 0;
  bool ready_ = false;
  std::atomic<bool> stopping_{false};
  std::atomic<int> accepted_{0};
  std::atomic<int> requestBytes_{0};
  std::thread thread_;
};

}  // namespace tunelark::testing
