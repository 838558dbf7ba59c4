// Page fetch through WinINet, as loopback servers see it: the request we
// make, redirects, error statuses, broken bodies and the piece sizing. The
// headers WinINet adds by itself, and their order, are its own business.
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include <chrono>
#include <string>

#include "loopback_server.h"
#include "net/fetch.h"
#include "net/fetch_context.h"
#include "net/piece_size.h"
#include "net/redirect_policy.h"
#include "net/wininet_piece_size.h"

namespace tunelark {
namespace {

using namespace std::chrono_literals;
using testing::Connection;
using testing::HttpHeaders;
using testing::LoopbackServer;
using testing::ReceivedRequest;
using testing::SendResponse;

constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

TEST(WininetFetchRequest, HasTheFixedShape) {
  LoopbackServer server([](Connection& c) { SendResponse(c, 200, "page"); });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/a/b/../c.htm?x=1#top"), "page");
  ASSERT_EQ(server.RequestCount(), 1u);
  const ReceivedRequest r = server.Requests()[0];
  EXPECT_EQ(r.requestLine, "GET /a/c.htm?x=1 HTTP/1.0");
  EXPECT_EQ(r.Header("Host"), "127.0.0.1:" + std::to_string(server.Port()));
  EXPECT_EQ(r.HeaderCount("Accept"), 1);
  EXPECT_EQ(r.Header("Accept"), "*/*");
  EXPECT_EQ(r.Header("User-Agent"), kUserAgent);
  EXPECT_EQ(r.HeaderCount("Referer"), 0);
  EXPECT_EQ(r.HeaderCount("Authorization"), 0);
  EXPECT_EQ(r.HeaderCount("Content-Length"), 0);
}

struct TargetCase {
  const char* name;
  std::string path;    // appended to the server's base address
  std::string target;  // as the request line must carry it
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.name; }

class WininetFetchTarget : public ::testing::TestWithParam<TargetCase> {};

TEST_P(WininetFetchTarget, IsThePathAndQueryWithoutTheFragment) {
  LoopbackServer server([](Connection& c) { SendResponse(c, 200, "got " + c.Request().target); });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + GetParam().path), "got " + GetParam().target);
  ASSERT_EQ(server.RequestCount(), 1u);
  EXPECT_EQ(server.Requests()[0].requestLine, "GET " + GetParam().target + " HTTP/1.0");
}

INSTANTIATE_TEST_SUITE_P(
    Table, WininetFetchTarget,
    ::testing::Values(TargetCase{"NoPath", "", "/"}, TargetCase{"OnlyFragment", "#frag", "/"},
                      TargetCase{"QueryThenFragment", "/p?q=1#f", "/p?q=1"},
                      TargetCase{"DotSegments", "/a/b/../c.htm?x=1#top", "/a/c.htm?x=1"},
                      TargetCase{"TrailingBlanks", "/play/1.htm  \r\n", "/play/1.htm"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WininetFetchResponse, ErrorStatusesGiveTheirBodies) {
  for (int status : {404, 500}) {
    const std::string body = "<html>status " + std::to_string(status) + "</html>";
    LoopbackServer server([&](Connection& c) { SendResponse(c, status, body); });
    EXPECT_EQ(FetchBytes(server.BaseUrl() + "/missing"), body) << status;
  }
}

TEST(WininetFetchResponse, EmptyBodyIsAnEmptyResult) {
  LoopbackServer server([](Connection& c) { SendResponse(c, 200, ""); });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/"), "");
  EXPECT_EQ(server.RequestCount(), 1u);
  EXPECT_EQ(FetchText(server.BaseUrl() + "/"), "");
}

TEST(WininetFetchResponse, BodyWithoutLengthIsReadToTheEnd) {
  const std::string body(50000, 'x');
  LoopbackServer server([&](Connection& c) { SendResponse(c, 200, body, {}, false); });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/"), body);
}

TEST(WininetFetchResponse, BrokenBodyGivesWhatArrived) {
  const std::string part(3000, 'p');
  LoopbackServer server([&](Connection& c) {
    c.Write("HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\n" + part);
    c.SleepFor(200ms);
    c.Abort();
  });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/"), part);
}

TEST(WininetFetchResponse, TextEndsAtTheFirstZeroByte) {
  LoopbackServer server([](Connection& c) { SendResponse(c, 200, std::string("ab\0cd", 5)); });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/"), std::string("ab\0cd", 5));
  EXPECT_EQ(FetchText(server.BaseUrl() + "/"), "ab");
}

TEST(WininetFetchRedirect, GivesTheBodyAtTheTarget) {
  LoopbackServer target([](Connection& c) { SendResponse(c, 200, "moved here " + c.Request().target); });
  LoopbackServer server([&](Connection& c) {
    if (c.Request().target == "/old") {
      SendResponse(c, 302, "see elsewhere", {{"Location", "/new?k=2"}});
    } else if (c.Request().target == "/away") {
      SendResponse(c, 301, "", {{"Location", target.BaseUrl() + "/there"}});
    } else {
      SendResponse(c, 200, "new " + c.Request().target);
    }
  });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/old"), "new /new?k=2");
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/away"), "moved here /there");
  ASSERT_EQ(target.RequestCount(), 1u);
  EXPECT_EQ(target.Requests()[0].requestLine, "GET /there HTTP/1.0");
}

// Wine's WinINet has no limit of its own and would follow this for ever.
TEST(WininetFetchRedirect, EndlessRedirectsStopAtTheLimitWithNothing) {
  LoopbackServer server([](Connection& c) { SendResponse(c, 302, "loop", {{"Location", "/again"}}); });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/again"), "");
  EXPECT_EQ(server.RequestCount(), static_cast<std::size_t>(kMaxRedirects) + 1);
}

TEST(WininetFetchRedirect, OnlyHttpAndHttpsAreFollowed) {
  LoopbackServer server([](Connection& c) {
    SendResponse(c, 302, "not followed", {{"Location", "ftp://127.0.0.1/file"}});
  });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/"), "not followed");
  EXPECT_EQ(server.RequestCount(), 1u);
}

TEST(WininetFetchUnusable, NothingGoesOutForAddressesThatAreNotHttp) {
  LoopbackServer server([](Connection& c) { SendResponse(c, 200, "wrong"); });
  const std::string authority = "127.0.0.1:" + std::to_string(server.Port());
  for (const std::string& address :
       {std::string(), authority + "/page.htm", "ftp://" + authority + "/f", std::string("file:///c:/windows/win.ini"),
        "mailto:someone@" + authority}) {
    EXPECT_EQ(FetchBytes(address), "") << address;
  }
  EXPECT_EQ(server.ConnectionCount(), 0u);
}

TEST(WininetFetchUnusable, RefusedConnectionGivesNothingAndKeepsTheRoot) {
  int port = 0;
  { LoopbackServer gone([](Connection&) {}); port = gone.Port(); }
  EXPECT_EQ(FetchBytes("http://127.0.0.1:" + std::to_string(port) + "/"), "");
  LoopbackServer server([](Connection& c) { SendResponse(c, 200, "after"); });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/"), "after");
  EXPECT_TRUE(TheFetchContext().HasRoot());
}

// WinINet reads the proxy settings when the root handle is opened, so this
// holds in a process whose first fetch comes after the setting (CTest runs
// every case in a process of its own). Wine names the default port in the
// absolute target; either form names the same site.
TEST(WininetFetchProxy, SiteHostsGoThroughTheConfiguredProxy) {
  LoopbackServer proxy([](Connection& c) { SendResponse(c, 200, "via proxy"); });
  testing::ScopedEnv viaProxy("http_proxy", proxy.BaseUrl());
  EXPECT_EQ(FetchBytes("http://www.example.com/a/../p.htm?x=1#f"), "via proxy");
  ASSERT_EQ(proxy.RequestCount(), 1u);
  const ReceivedRequest r = proxy.Requests()[0];
  EXPECT_TRUE(r.IsAbsoluteTarget());
  EXPECT_TRUE(r.Host() == "www.example.com" || r.Host() == "www.example.com:80") << r.Host();
  EXPECT_EQ(r.Path(), "/p.htm?x=1");
  EXPECT_EQ(r.version, "HTTP/1.0");
}

// The piece size is what the response's Content-Length makes it; a request
// opened here lets the test read it the way the fetch does.
class WininetPieceSize : public ::testing::Test {
 protected:
  std::size_t PieceFor(const HttpHeaders& headers) {
    LoopbackServer server([&](Connection& c) { SendResponse(c, 200, "", headers, false); });
    HINTERNET root = InternetOpenA("test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    HINTERNET connection = InternetConnectA(root, "127.0.0.1", static_cast<INTERNET_PORT>(server.Port()),
                                            "", "", INTERNET_SERVICE_HTTP, 0, 0);
    HINTERNET request = HttpOpenRequestA(connection, "GET", "/", "HTTP/1.0", nullptr, nullptr,
                                         INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
    std::size_t size = 0;
    if (HttpSendRequestA(request, nullptr, 0, nullptr, 0)) size = ResponsePieceSize(request);
    InternetCloseHandle(request);
    InternetCloseHandle(connection);
    InternetCloseHandle(root);
    return size;
  }
};

TEST_F(WininetPieceSize, FollowsTheContentLength) {
  EXPECT_EQ(PieceFor({}), kUnknownLengthPiece);
  EXPECT_EQ(PieceFor({{"Content-Length", "500"}}), 501u);
  EXPECT_EQ(PieceFor({{"Content-Length", "1"}}), 2u);
  EXPECT_EQ(PieceFor({{"Content-Length", "0"}}), kUnknownLengthPiece);
  EXPECT_EQ(PieceFor({{"Content-Length", "5000000"}}), kLargestPiece);
  EXPECT_EQ(PieceFor({{"Content-Length", std::string(40, '9')}}), kUnknownLengthPiece);
}

}  // namespace
}  // namespace tunelark
