#include "loopback_server.h"

#include "loopback_platform.h"

#include <algorithm>
#include <cstdlib>

namespace tunelark::testing {

namespace {

constexpr std::size_t kMaxHeadBytes = 64 * 1024;
constexpr int kPollSliceMs = 50;

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// End of the head (one past the blank line) or npos when it has not all come.
std::size_t HeadEnd(std::string_view data) {
  std::size_t crlf = data.find("\r\n\r\n");
  std::size_t lf = data.find("\n\n");
  std::size_t end = std::string_view::npos;
  if (crlf != std::string_view::npos) end = crlf + 4;
  if (lf != std::string_view::npos && (end == std::string_view::npos || lf + 2 < end)) end = lf + 2;
  return end;
}

ReceivedRequest ParseHead(std::string head) {
  ReceivedRequest r;
  r.head = std::move(head);
  std::string_view rest = r.head;
  bool first = true;
  while (!rest.empty()) {
    std::size_t nl = rest.find('\n');
    std::string_view line = rest.substr(0, nl);
    rest = nl == std::string_view::npos ? std::string_view{} : rest.substr(nl + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      first = false;
      r.requestLine = std::string(line);
      std::size_t a = line.find(' ');
      std::size_t b = a == std::string_view::npos ? a : line.find(' ', a + 1);
      r.method = std::string(line.substr(0, a));
      if (a != std::string_view::npos) r.target = std::string(line.substr(a + 1, b == std::string_view::npos ? b : b - a - 1));
      if (b != std::string_view::npos) r.version = std::string(line.substr(b + 1));
      continue;
    }
    if (line.empty()) break;
    std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      r.headers.push_back({std::string(TrimBlanks(line)), ""});
    } else {
      r.headers.push_back({std::string(TrimBlanks(line.substr(0, colon))),
                           std::string(TrimBlanks(line.substr(colon + 1)))});
    }
  }
  return r;
}

}  // namespace

std::optional<std::string> ReceivedRequest::Header(std::string_view name) const {
  for (const HttpHeader& h : headers) {
    if (SameName(h.name, name)) return h.value;
  }
  return std::nullopt;
}

int ReceivedRequest::HeaderCount(std::string_view name) const {
  return static_cast<int>(std::count_if(headers.begin(), headers.end(),
                                        [&](const HttpHeader& h) { return SameName(h.name, name); }));
}

bool ReceivedRequest::IsAbsoluteTarget() const {
  std::size_t sep = target.find("://");
  return !target.empty() && target.front() != '/' && sep != std::string::npos &&
         target.find('/') > sep;
}

std::string ReceivedRequest::Host() const {
  if (!IsAbsoluteTarget()) return Header("Host").value_or("");
  std::size_t start = target.find("://") + 3;
  std::size_t end = target.find_first_of("/?", start);
  return target.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string ReceivedRequest::Path() const {
  if (!IsAbsoluteTarget()) return target;
  std::size_t start = target.find("://") + 3;
  std::size_t end = target.find_first_of("/?", start);
  if (end == std::string::npos) return "/";
  if (target[end] == '?') return "/" + target.substr(end);
  return target.substr(end);
}

bool Connection::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    if (aborted_ || Stopping()) return false;
    const long sent = platform::SendSome(socket_, bytes);
    if (sent < 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

bool Connection::Stopping() const { return server_.stopping_.load(); }

bool Connection::SleepFor(std::chrono::milliseconds duration) {
  return server_.SleepUnlessStopping(duration);
}

void Connection::Abort() {
  platform::PrepareReset(socket_);
  aborted_ = true;
}

std::string ReasonPhrase(int status) {
  switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 304: return "Not Modified";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    default: return "Status";
  }
}

bool SendResponse(Connection& conn, int status, std::string_view body,
                  const HttpHeaders& extraHeaders, bool withContentLength) {
  std::string head = "HTTP/1.0 " + std::to_string(status) + " " + ReasonPhrase(status) + "\r\n";
  if (withContentLength) head += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  for (const HttpHeader& h : extraHeaders) head += h.name + ": " + h.value + "\r\n";
  head += "\r\n";
  return conn.Write(head) && conn.Write(body);
}

LoopbackServer::LoopbackServer(Handler handler) : handler_(std::move(handler)) {
  listenSocket_ = platform::ListenOnLoopback(port_);
  platform::OpenWake(wakePipe_);
  acceptThread_ = std::thread([this] { AcceptLoop(); });
}

LoopbackServer::~LoopbackServer() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  platform::SignalWake(wakePipe_);
  acceptThread_.join();
  {
    std::lock_guard lock(mutex_);
    for (auto& w : workers_) {
      if (w->socket >= 0) platform::ShutdownBoth(w->socket);
    }
  }
  for (auto& w : workers_) w->thread.join();
  platform::Close(listenSocket_);
  platform::CloseWake(wakePipe_);
}

std::string LoopbackServer::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<ReceivedRequest> LoopbackServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::size_t LoopbackServer::RequestCount() const {
  std::lock_guard lock(mutex_);
  return requests_.size();
}

bool LoopbackServer::WaitForRequests(std::size_t count, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] { return requests_.size() >= count; });
}

std::size_t LoopbackServer::ConnectionCount() const {
  std::lock_guard lock(mutex_);
  return connections_;
}

void LoopbackServer::AcceptLoop() {
  while (!stopping_) {
    const platform::ListenerEvent event = platform::WaitForListener(listenSocket_, wakePipe_, kPollSliceMs);
    if (event == platform::ListenerEvent::kWoken) break;
    if (event == platform::ListenerEvent::kNothing) continue;
    const int socket = platform::Accept(listenSocket_);
    if (socket < 0) continue;
    ReapFinishedWorkers();
    auto worker = std::make_unique<Worker>();
    Worker& w = *worker;
    {
      std::lock_guard lock(mutex_);
      if (stopping_) {
        platform::Close(socket);
        break;
      }
      w.socket = socket;
      ++connections_;
      workers_.push_back(std::move(worker));
    }
    w.thread = std::thread([this, &w] { Serve(w); });
  }
}

void LoopbackServer::ReapFinishedWorkers() {
  std::list<std::unique_ptr<Worker>> finished;
  {
    std::lock_guard lock(mutex_);
    for (auto it = workers_.begin(); it != workers_.end();) {
      if ((*it)->done) {
        finished.push_back(std::move(*it));
        it = workers_.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (auto& w : finished) w->thread.join();
}

std::optional<ReceivedRequest> LoopbackServer::ReadHead(int socket) {
  std::string data;
  char buffer[4096];
  while (!stopping_) {
    const int ready = platform::WaitReadable(socket, kPollSliceMs);
    if (ready < 0) return std::nullopt;
    if (ready == 0) continue;
    const long got = platform::ReceiveSome(socket, buffer, sizeof buffer);
    if (got <= 0) return std::nullopt;
    data.append(buffer, static_cast<std::size_t>(got));
    std::size_t end = HeadEnd(data);
    if (end != std::string::npos) {
      data.resize(end);
      return ParseHead(std::move(data));
    }
    if (data.size() > kMaxHeadBytes) return std::nullopt;
  }
  return std::nullopt;
}

void LoopbackServer::Serve(Worker& worker) {
  std::optional<ReceivedRequest> request = ReadHead(worker.socket);
  if (request) {
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(*request);
    }
    changed_.notify_all();
    Connection conn(*this, worker.socket, std::move(*request));
    if (handler_) handler_(conn);
  }
  {
    std::lock_guard lock(mutex_);
    platform::Close(worker.socket);
    worker.socket = -1;
  }
  worker.done = true;
}

bool LoopbackServer::SleepUnlessStopping(std::chrono::milliseconds duration) {
  std::unique_lock lock(mutex_);
  return !changed_.wait_for(lock, duration, [&] { return stopping_.load(); });
}

ScopedEnv::ScopedEnv(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) previous_ = old;
  platform::SetEnvironment(name_, value ? value->c_str() : nullptr);
}

ScopedEnv::~ScopedEnv() {
  platform::SetEnvironment(name_, previous_ ? previous_->c_str() : nullptr);
}

void ClearProxyEnvironment() {
  for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy",
                           "ALL_PROXY", "no_proxy", "NO_PROXY"}) {
    platform::SetEnvironment(name, nullptr);
  }
}

}  // namespace tunelark::testing
