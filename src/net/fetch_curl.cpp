// The HTTP client of the Linux build: libcurl's easy interface, one
// synchronous transfer per hop, redirects followed here rather than by curl
// so that every hop is checked before it is made.
#include <curl/curl.h>

#include <array>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string_view>

#include "net/body_collector.h"
#include "net/http_client.h"
#include "net/piece_size.h"
#include "net/redirect_policy.h"
#include "net/wire_address.h"

namespace tunelark {

// The cookie store every transfer shares, behind a lock per kind of shared
// data in case fetches ever run on more than one thread.
struct HttpClientRoot {
  CURLSH* share = nullptr;
  std::array<std::mutex, CURL_LOCK_DATA_LAST> locks;
};

namespace {

constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr long kConnectTimeoutSeconds = 30;
// A transfer slower than one byte a second for this long counts as broken.
constexpr long kStallSeconds = 30;

struct EasyCleanup {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct ListCleanup {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

bool HasNamePrefix(std::string_view line, std::string_view name) {
  if (line.size() < name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    char c = line[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != name[i]) return false;
  }
  return true;
}

// Sees every header line of every response of a hop, including interim and
// proxy responses, so a status line starts the declared length afresh.
std::size_t OnHeaderLine(char* data, std::size_t size, std::size_t count, void* user) {
  auto* body = static_cast<BodyCollector*>(user);
  std::string_view line(data, size * count);
  if (line.starts_with("HTTP/")) {
    body->DeclareLength(std::nullopt);
  } else if (HasNamePrefix(line, "content-length:")) {
    body->DeclareLength(ParseContentLength(line.substr(15)));
  }
  return size * count;
}

// Returning fewer bytes than given makes curl abort the transfer, which is
// how the cap stops an oversized body. Running out of memory ends it the
// same way, since an exception must not unwind through curl's C frames.
std::size_t OnBodyBytes(char* data, std::size_t size, std::size_t count, void* user) {
  auto* body = static_cast<BodyCollector*>(user);
  try {
    return body->Append(std::string_view(data, size * count));
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

void LockShare(CURL*, curl_lock_data data, curl_lock_access, void* user) {
  static_cast<HttpClientRoot*>(user)->locks.at(static_cast<std::size_t>(data)).lock();
}

void UnlockShare(CURL*, curl_lock_data data, void* user) {
  static_cast<HttpClientRoot*>(user)->locks.at(static_cast<std::size_t>(data)).unlock();
}

bool SetUpTransfer(CURL* easy, HttpClientRoot& root, curl_slist* accept, BodyCollector& body) {
  // The list's "Accept: */*" replaces curl's own Accept line, so exactly one
  // goes out.
  return curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_SHARE, root.share) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "") == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0)) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_USERAGENT, kUserAgent) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_HTTPHEADER, accept) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, kStallSeconds) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, static_cast<long>(kLargestPiece)) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, OnHeaderLine) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_HEADERDATA, &body) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnBodyBytes) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body) == CURLE_OK;
}

// Credentials of the address go only to the address's own scheme, host and
// port, never to a host a redirect leads to.
bool SetCredentials(CURL* easy, const AddressParts& hop, const AddressParts& origin) {
  bool offer = SameOrigin(hop, origin) && (!origin.userName.empty() || !origin.password.empty());
  return curl_easy_setopt(easy, CURLOPT_USERNAME, offer ? origin.userName.c_str() : nullptr) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_PASSWORD, offer ? origin.password.c_str() : nullptr) == CURLE_OK;
}

// The address a redirect response leads to, when it is one that is followed.
std::optional<AddressParts> RedirectTarget(CURL* easy) {
  long status = 0;
  if (curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK ||
      !IsFollowedRedirectStatus(status)) {
    return std::nullopt;
  }
  char* location = nullptr;
  if (curl_easy_getinfo(easy, CURLINFO_REDIRECT_URL, &location) != CURLE_OK || location == nullptr) {
    return std::nullopt;
  }
  std::optional<AddressParts> next = SplitAddress(CanonicalizeAddress(location));
  if (!next || !IsFetchedScheme(next->scheme)) return std::nullopt;
  return next;
}

}  // namespace

void HttpClientRootDeleter::operator()(HttpClientRoot* root) const {
  curl_share_cleanup(root->share);
  delete root;
  curl_global_cleanup();
}

HttpClientRoot* OpenHttpClientRoot() {
  if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
  auto root = std::make_unique<HttpClientRoot>();
  root->share = curl_share_init();
  if (root->share == nullptr ||
      curl_share_setopt(root->share, CURLSHOPT_LOCKFUNC, LockShare) != CURLSHE_OK ||
      curl_share_setopt(root->share, CURLSHOPT_UNLOCKFUNC, UnlockShare) != CURLSHE_OK ||
      curl_share_setopt(root->share, CURLSHOPT_USERDATA, root.get()) != CURLSHE_OK ||
      curl_share_setopt(root->share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE) != CURLSHE_OK) {
    curl_share_cleanup(root->share);
    curl_global_cleanup();
    return nullptr;
  }
  return root.release();
}

std::string HttpGet(HttpClientRoot& root, const AddressParts& address) {
  std::unique_ptr<CURL, EasyCleanup> easy(curl_easy_init());
  std::unique_ptr<curl_slist, ListCleanup> accept(curl_slist_append(nullptr, "Accept: */*"));
  BodyCollector body;
  if (!easy || !accept || !SetUpTransfer(easy.get(), root, accept.get(), body)) return {};

  AddressParts hop = address;
  for (int redirects = 0;; ++redirects) {
    if (curl_easy_setopt(easy.get(), CURLOPT_URL, WireAddress(hop).c_str()) != CURLE_OK ||
        !SetCredentials(easy.get(), hop, address)) {
      return {};
    }
    // The outcome code is not needed: a broken or aborted transfer still
    // leaves what arrived in `body`, and that is the result.
    curl_easy_perform(easy.get());
    std::string received = body.Take();
    std::optional<AddressParts> next = RedirectTarget(easy.get());
    if (!next) return received;
    if (redirects == kMaxRedirects) return {};
    hop = std::move(*next);
  }
}

}  // namespace tunelark
