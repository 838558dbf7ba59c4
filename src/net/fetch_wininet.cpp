// The HTTP client of the Windows build: WinINet, synchronous, with the root
// handle held by the fetch context. Redirects are followed here rather than
// by WinINet, which has no limit of its own on some platforms (wine follows a
// redirect loop for ever): every hop is checked before it is made, and the
// body cap and the time-outs hold as in the Linux build.
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/body_collector.h"
#include "net/http_client.h"
#include "net/piece_size.h"
#include "net/redirect_policy.h"
#include "net/wire_address.h"
#include "net/wininet_piece_size.h"

namespace tunelark {

namespace {

constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr char kAcceptHeader[] = "Accept: */*\r\n\r\n";
// Name lookup and connecting, and every send and receive, give up after this.
constexpr DWORD kTimeoutMilliseconds = 30000;

// Receiving fields of InternetCrackUrlA, each with room for its terminator.
constexpr DWORD kHostField = 256;
constexpr DWORD kPathField = 2048;
constexpr DWORD kUserNameField = 128;
constexpr DWORD kPasswordField = 128;
constexpr DWORD kContentLengthField = 32;

struct HandleCloser {
  void operator()(void* handle) const { InternetCloseHandle(static_cast<HINTERNET>(handle)); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// The address as the canonicaliser takes it. Credentials stay out of it:
// they go to the connection as they are, whatever characters they hold.
std::string JoinAddress(const AddressParts& parts) {
  return parts.scheme + "://" + parts.host + ":" + std::to_string(parts.port) + parts.target;
}

// "." and ".." resolved, nothing encoded or decoded; empty on failure.
std::string Canonicalize(const std::string& address) {
  std::vector<char> buffer(address.size() + 1);
  DWORD size = static_cast<DWORD>(buffer.size());
  if (!InternetCanonicalizeUrlA(address.c_str(), buffer.data(), &size, ICU_NO_ENCODE)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
    buffer.assign(size + 1, '\0');
    size = static_cast<DWORD>(buffer.size());
    if (!InternetCanonicalizeUrlA(address.c_str(), buffer.data(), &size, ICU_NO_ENCODE)) return {};
  }
  return std::string(buffer.data(), size);
}

struct CrackedAddress {
  INTERNET_SCHEME scheme = INTERNET_SCHEME_UNKNOWN;
  std::string host;
  INTERNET_PORT port = 0;
  std::string userName;
  std::string password;
  std::string target;  // path with query
};

std::optional<CrackedAddress> Crack(const std::string& canonical) {
  char host[kHostField] = {};
  char path[kPathField] = {};
  char userName[kUserNameField] = {};
  char password[kPasswordField] = {};
  URL_COMPONENTSA components{};
  components.dwStructSize = sizeof components;
  components.lpszHostName = host;
  components.dwHostNameLength = kHostField;
  components.lpszUrlPath = path;
  components.dwUrlPathLength = kPathField;
  components.lpszUserName = userName;
  components.dwUserNameLength = kUserNameField;
  components.lpszPassword = password;
  components.dwPasswordLength = kPasswordField;
  if (!InternetCrackUrlA(canonical.c_str(), 0, 0, &components)) return std::nullopt;
  CrackedAddress cracked;
  cracked.scheme = components.nScheme;
  cracked.host.assign(host, components.dwHostNameLength);
  cracked.port = components.nPort;
  cracked.userName.assign(userName, components.dwUserNameLength);
  cracked.password.assign(password, components.dwPasswordLength);
  cracked.target.assign(path, components.dwUrlPathLength);
  if (cracked.target.empty()) cracked.target = "/";
  return cracked;
}

// The system's proxy settings for the root, and no proxy credentials of our
// own for the connection. Failures change nothing that matters: the request
// then goes direct or with what the system supplies.
void UseConfiguredProxy(HINTERNET root, HINTERNET connection) {
  INTERNET_PROXY_INFO proxy{};
  proxy.dwAccessType = INTERNET_OPEN_TYPE_PRECONFIG;
  InternetSetOptionA(root, INTERNET_OPTION_PROXY, &proxy, sizeof proxy);
  char empty[] = "";
  InternetSetOptionA(connection, INTERNET_OPTION_PROXY_USERNAME, empty, sizeof empty);
  InternetSetOptionA(connection, INTERNET_OPTION_PROXY_PASSWORD, empty, sizeof empty);
}

std::optional<std::string> ContentLengthText(HINTERNET request) {
  char value[kContentLengthField] = {};
  DWORD size = sizeof value;
  if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, value, &size, nullptr)) return std::nullopt;
  return std::string(value, size);
}

}  // namespace

struct HttpClientRoot {
  HINTERNET handle = nullptr;
};

void HttpClientRootDeleter::operator()(HttpClientRoot* root) const {
  InternetCloseHandle(root->handle);
  delete root;
}

HttpClientRoot* OpenHttpClientRoot() {
  // Opened with the system's proxy settings from the start: the proxy option
  // set on the handle for every request says the same on Windows, but wine
  // ignores it on a handle and would go direct past any configured proxy.
  HINTERNET handle = InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (handle == nullptr) return nullptr;
  DWORD timeout = kTimeoutMilliseconds;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    InternetSetOptionA(handle, option, &timeout, sizeof timeout);
  }
  return new HttpClientRoot{handle};
}

std::size_t ResponsePieceSize(HINTERNET request) {
  std::optional<std::string> length = ContentLengthText(request);
  if (!length) return PieceSize(std::nullopt);
  return PieceSize(*length);
}

namespace {

// Where a redirect response leads: the Location resolved against the
// address that answered, or nothing when it is not a followed redirect or
// leads to an address that is not fetched.
std::optional<AddressParts> RedirectTarget(HINTERNET request, const std::string& answered) {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) ||
      !IsFollowedRedirectStatus(static_cast<long>(status))) {
    return std::nullopt;
  }
  std::vector<char> location(kPathField);
  size = static_cast<DWORD>(location.size());
  if (!HttpQueryInfoA(request, HTTP_QUERY_LOCATION, location.data(), &size, nullptr)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
    location.assign(size + 1, '\0');
    if (!HttpQueryInfoA(request, HTTP_QUERY_LOCATION, location.data(), &size, nullptr)) return std::nullopt;
  }
  std::vector<char> combined(answered.size() + size + kPathField);
  DWORD combinedSize = static_cast<DWORD>(combined.size());
  if (!InternetCombineUrlA(answered.c_str(), location.data(), combined.data(), &combinedSize, ICU_NO_ENCODE)) {
    return std::nullopt;
  }
  std::string next(combined.data(), combinedSize);
  std::optional<AddressParts> parts = SplitAddress(CanonicalizeAddress(CutFragment(next)));
  if (!parts || !IsFetchedScheme(parts->scheme)) return std::nullopt;
  return parts;
}

// The body of the response, read in pieces sized by its Content-Length.
std::string ReadBody(HINTERNET request) {
  BodyCollector body;
  if (std::optional<std::string> length = ContentLengthText(request)) {
    body.DeclareLength(ParseContentLength(*length));
  }
  std::string piece;
  try {
    piece.resize(ResponsePieceSize(request));
  } catch (const std::bad_alloc&) {
    return {};
  }
  // Each read asks only for what has arrived, up to a piece: a read that
  // waits for a whole piece loses its bytes when the connection breaks on
  // the way, and the bytes that did arrive are the result then.
  for (;;) {
    DWORD available = 0;
    if (!InternetQueryDataAvailable(request, &available, 0, 0) || available == 0) break;
    const DWORD wanted = std::min(available, static_cast<DWORD>(piece.size()));
    DWORD got = 0;
    if (!InternetReadFile(request, piece.data(), wanted, &got) || got == 0) break;
    if (body.Append(std::string_view(piece.data(), got)) < got) break;
  }
  return body.Take();
}

struct HopResult {
  std::string body;
  std::optional<AddressParts> next;  // set when the response redirects
};

// One request and its response. The credentials of the address go only to
// the address's own scheme, host and port, never to where a redirect leads.
HopResult FetchHop(HttpClientRoot& root, const AddressParts& hop, const AddressParts& origin) {
  std::string canonical = Canonicalize(JoinAddress(hop));
  if (canonical.empty()) return {};
  std::optional<CrackedAddress> cracked = Crack(canonical);
  if (!cracked) return {};
  const bool secure = cracked->scheme == INTERNET_SCHEME_HTTPS;
  if (!secure && cracked->scheme != INTERNET_SCHEME_HTTP) return {};

  const bool offer = SameOrigin(hop, origin);
  Handle connection(InternetConnectA(root.handle, cracked->host.c_str(), cracked->port,
                                     offer ? origin.userName.c_str() : "", offer ? origin.password.c_str() : "",
                                     INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return {};
  UseConfiguredProxy(root.handle, connection.get());

  const char* acceptTypes[] = {"*/*", nullptr};
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT;
  if (secure) flags |= INTERNET_FLAG_SECURE;
  // Declared after the connection so that it is closed first.
  Handle request(HttpOpenRequestA(connection.get(), "GET", cracked->target.c_str(), "HTTP/1.0",
                                  nullptr, acceptTypes, flags, 0));
  if (!request) return {};
  if (!HttpSendRequestA(request.get(), kAcceptHeader, sizeof kAcceptHeader - 1, nullptr, 0)) return {};

  HopResult result;
  result.next = RedirectTarget(request.get(), canonical);
  if (!result.next) result.body = ReadBody(request.get());
  return result;
}

}  // namespace

std::string HttpGet(HttpClientRoot& root, const AddressParts& address) {
  AddressParts hop = address;
  for (int redirects = 0;; ++redirects) {
    HopResult result = FetchHop(root, hop, address);
    if (!result.next) return std::move(result.body);
    if (redirects == kMaxRedirects) return {};
    hop = std::move(*result.next);
  }
}

}  // namespace tunelark
