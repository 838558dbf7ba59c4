// Redirects are followed to http and https only, and only so far.
#include <gtest/gtest.h>

#include <string>

#include "loopback_server.h"
#include "net/fetch.h"
#include "net/redirect_policy.h"
#include "routes.h"

namespace tunelark {
namespace {

using testing::Connection;
using testing::LoopbackServer;
using testing::Routes;
using testing::SendResponse;

class FetchFollowsRedirectStatus : public ::testing::TestWithParam<int> {};

TEST_P(FetchFollowsRedirectStatus, ToTheBodyAtTheTarget) {
  LoopbackServer server(Routes().Redirect("/old.htm", "/new/page.htm?id=7", GetParam())
                            .Page("/new/page.htm?id=7", "new page")
                            .AsHandler());
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/old.htm"), "new page");
  std::vector<testing::ReceivedRequest> r = server.Requests();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[1].requestLine, "GET /new/page.htm?id=7 HTTP/1.0");
  EXPECT_EQ(r[1].HeaderCount("Referer"), 0);
}

INSTANTIATE_TEST_SUITE_P(Statuses, FetchFollowsRedirectStatus, ::testing::Values(301, 302, 303, 307, 308));

TEST(FetchRedirect, OtherStatusesWithALocationAreNotFollowed) {
  for (int status : {200, 300, 305, 404}) {
    LoopbackServer server(Routes().Redirect("/a", "/b", status).Page("/b", "b").AsHandler());
    EXPECT_EQ(FetchBytes(server.BaseUrl() + "/a"), "moved") << status;
    EXPECT_EQ(server.RequestCount(), 1u) << status;
  }
}

TEST(FetchRedirect, ARelativeLocationResolvesAgainstTheRedirectingAddress) {
  LoopbackServer server(Routes().Redirect("/dir/a/b.htm", "../c.htm#part").Page("/dir/c.htm", "c").AsHandler());
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/dir/a/b.htm"), "c");
}

TEST(FetchRedirect, ToAnotherServerIsFollowed) {
  LoopbackServer target([](Connection& c) { SendResponse(c, 200, "there " + c.Request().target); });
  LoopbackServer first(Routes().Redirect("/go", target.BaseUrl() + "/x/../y?z").AsHandler());
  EXPECT_EQ(FetchBytes(first.BaseUrl() + "/go"), "there /y?z");
}

// A redirect to a scheme page fetch does not speak leaves the redirect's own
// body as the result, and nothing is contacted for the new address.
class FetchRedirectElsewhere : public ::testing::TestWithParam<std::string> {};

TEST_P(FetchRedirectElsewhere, IsNotFollowed) {
  int port = 0;
  LoopbackServer server([&port, pattern = GetParam()](Connection& c) {
    std::string location = pattern;
    std::string::size_type at = location.find("PORT");
    if (at != std::string::npos) location.replace(at, 4, std::to_string(port));
    SendResponse(c, 302, "redirect body", {{"Location", location}});
  });
  port = server.Port();
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/start"), "redirect body");
  EXPECT_EQ(server.ConnectionCount(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Locations, FetchRedirectElsewhere,
                         ::testing::Values("file:///etc/passwd", "ftp://127.0.0.1:PORT/pub/x", "gopher://127.0.0.1:PORT/",
                                           "dict://127.0.0.1:PORT/d:x", "mailto:x@127.0.0.1",
                                           "http://127.0.0.1:99999/x"));

TEST(FetchRedirect, ALoopEndsWithNothing) {
  LoopbackServer server(Routes().Redirect("/loop", "/loop").AsHandler());
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/loop"), "");
  EXPECT_EQ(server.RequestCount(), static_cast<std::size_t>(kMaxRedirects + 1));
}

// "/hop/N" redirects to "/hop/N-1"; "/hop/0" is the page.
class FetchRedirectChain : public ::testing::TestWithParam<int> {};

TEST_P(FetchRedirectChain, IsFollowedUpToTheLimit) {
  LoopbackServer server([](Connection& c) {
    int n = std::stoi(c.Request().target.substr(5));
    if (n == 0) {
      SendResponse(c, 200, "end of chain");
    } else {
      SendResponse(c, 301, "hop", {{"Location", "/hop/" + std::to_string(n - 1)}});
    }
  });
  int redirects = GetParam();
  std::string result = FetchBytes(server.BaseUrl() + "/hop/" + std::to_string(redirects));
  if (redirects <= kMaxRedirects) {
    EXPECT_EQ(result, "end of chain");
    EXPECT_EQ(server.RequestCount(), static_cast<std::size_t>(redirects + 1));
  } else {
    EXPECT_EQ(result, "");
    EXPECT_EQ(server.RequestCount(), static_cast<std::size_t>(kMaxRedirects + 1));
  }
}

INSTANTIATE_TEST_SUITE_P(Lengths, FetchRedirectChain, ::testing::Values(1, kMaxRedirects, kMaxRedirects + 1, 25));

TEST(FetchRedirect, TheBodyOfEachHopIsCollectedFresh) {
  LoopbackServer server(Routes()
                            .On("/a", [](Connection& c) {
                              SendResponse(c, 302, std::string(5000, 'r'), {{"Location", "/b"}});
                            })
                            .Page("/b", "final")
                            .AsHandler());
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/a"), "final");
}

TEST(FetchRedirect, ARedirectWithoutLocationIsAFinalResponse) {
  LoopbackServer server([](Connection& c) { SendResponse(c, 302, "no location"); });
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/a"), "no location");
}

}  // namespace
}  // namespace tunelark
