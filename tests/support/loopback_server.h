// A small HTTP/1.0 server on 127.0.0.1 for tests that must not leave the
// machine. Each connection carries one request: the server reads the request
// head, records it, hands the connection to the test's handler, and closes it
// when the handler returns. The handler writes raw bytes, so it can send
// anything a real server might: a partial body, no Content-Length, a body
// dripped byte by byte, or nothing at all.
//
// The server also serves as the target of http_proxy: a client that goes
// through it sends an absolute-form target ("GET http://host/path HTTP/1.0"),
// which is recorded as received and also split into host and path.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <condition_variable>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace tunelark::testing {

struct HttpHeader {
  std::string name;
  std::string value;
};

using HttpHeaders = std::vector<HttpHeader>;

struct ReceivedRequest {
  std::string head;         // every byte up to and including the blank line
  std::string requestLine;  // first line, without its line end
  std::string method;
  std::string target;       // as received: "/a?b" or "http://host:81/a?b"
  std::string version;      // "HTTP/1.0"
  HttpHeaders headers;      // in the order received, values without outer blanks

  // Value of the first header of that name (case-insensitive), if any.
  std::optional<std::string> Header(std::string_view name) const;
  // Number of header lines of that name (case-insensitive).
  int HeaderCount(std::string_view name) const;

  // True when the target is absolute-form, as a client sends it to a proxy.
  bool IsAbsoluteTarget() const;
  // Authority of an absolute-form target ("host" or "host:port"); for an
  // origin-form target the Host header, or empty without one.
  std::string Host() const;
  // Path with query: the target itself when it is origin-form, the part from
  // the first "/" after the authority of an absolute-form one ("/" if none).
  std::string Path() const;
};

class LoopbackServer;

// One accepted connection, as the handler sees it.
class Connection {
 public:
  const ReceivedRequest& Request() const { return request_; }

  // Sends all of `bytes`; false when the peer has gone or the server is
  // stopping (the rest is then dropped).
  bool Write(std::string_view bytes);

  // True once the server has begun to stop; a long-running handler should
  // return soon after.
  bool Stopping() const;

  // Sleeps for `duration` or until the server stops, whichever comes first;
  // false when woken by the stop.
  bool SleepFor(std::chrono::milliseconds duration);

  // Closes the connection at once with a reset instead of an orderly close,
  // as a crashing server would. Later writes fail.
  void Abort();

  // The socket, for anything the helpers do not cover.
  int Socket() const { return socket_; }

  Connection(LoopbackServer& server, int socket, ReceivedRequest request)
      : server_(server), socket_(socket), request_(std::move(request)) {}

 private:
  LoopbackServer& server_;
  int socket_;
  ReceivedRequest request_;
  bool aborted_ = false;
};

using Handler = std::function<void(Connection&)>;

// Reason phrase of a status code ("OK", "Not Found", ...; "Status" if unknown).
std::string ReasonPhrase(int status);

// Writes "HTTP/1.0 <status> <reason>", Content-Length (when asked for),
// `extraHeaders` in order, the blank line and `body`. False when the write
// failed part-way.
bool SendResponse(Connection& conn, int status, std::string_view body,
                  const HttpHeaders& extraHeaders = {}, bool withContentLength = true);

class LoopbackServer {
 public:
  // Starts listening at once; aborts the test program if no socket can be had.
  explicit LoopbackServer(Handler handler);
  // Stops accepting, wakes sleeping handlers, shuts every open connection
  // down and joins every thread.
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int Port() const { return port_; }
  std::string BaseUrl() const;  // "http://127.0.0.1:PORT"

  // Copies of the requests received so far, in the order their heads arrived.
  std::vector<ReceivedRequest> Requests() const;
  std::size_t RequestCount() const;
  // Waits until at least `count` requests have arrived; false on time-out.
  bool WaitForRequests(std::size_t count, std::chrono::milliseconds timeout) const;
  // Number of connections accepted, whether or not a request head came.
  std::size_t ConnectionCount() const;

 private:
  friend class Connection;
  struct Worker {
    std::thread thread;
    std::atomic<bool> done{false};
    int socket = -1;
  };

  void AcceptLoop();
  void Serve(Worker& worker);
  std::optional<ReceivedRequest> ReadHead(int socket);
  bool SleepUnlessStopping(std::chrono::milliseconds duration);
  void ReapFinishedWorkers();

  Handler handler_;
  int listenSocket_ = -1;
  int wakePipe_[2] = {-1, -1};
  int port_ = 0;
  std::atomic<bool> stopping_{false};

  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<ReceivedRequest> requests_;
  std::size_t connections_ = 0;
  std::list<std::unique_ptr<Worker>> workers_;

  std::thread acceptThread_;
};

// Sets (or, with std::nullopt, unsets) an environment variable for the
// life of the object, then puts back what was there before.
class ScopedEnv {
 public:
  ScopedEnv(std::string name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

// Unsets http_proxy, https_proxy, all_proxy and no_proxy in both cases, so
// that a proxy from the environment neither catches nor bypasses the tests'
// loopback traffic. Call it before the first fetch of a test program.
void ClearProxyEnvironment();

}  // namespace tunelark::testing
