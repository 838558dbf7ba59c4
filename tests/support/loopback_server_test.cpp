#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace tunelark::testing {
namespace {

using namespace std::chrono_literals;

// Sends `request` to the server and reads the whole answer, with a bound on
// every wait so a broken server fails the test instead of hanging it.
std::string Exchange(int port, const std::string& request) {
  int s = ::socket(AF_INET, SOCK_STREAM, 0);
  timeval limit{10, 0};
  ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<uint16_t>(port));
  if (::connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    ::close(s);
    return "connect failed";
  }
  ::send(s, request.data(), request.size(), MSG_NOSIGNAL);
  std::string answer;
  char buffer[4096];
  ssize_t got;
  while ((got = ::recv(s, buffer, sizeof buffer, 0)) > 0) answer.append(buffer, got);
  ::close(s);
  return answer;
}

TEST(LoopbackServer, RecordsOriginFormRequestAndSendsResponse) {
  LoopbackServer server([](Connection& c) { SendResponse(c, 404, "gone", {{"X-A", "1"}}); });
  std::string answer = Exchange(server.Port(),
                                "GET /a?b=1 HTTP/1.0\r\nHost: h:81\r\naccept: */*\r\nAccept:  x \r\n\r\n");
  EXPECT_EQ(answer, "HTTP/1.0 404 Not Found\r\nContent-Length: 4\r\nX-A: 1\r\n\r\ngone");
  ASSERT_TRUE(server.WaitForRequests(1, 5s));
  ReceivedRequest r = server.Requests().at(0);
  EXPECT_EQ(r.requestLine, "GET /a?b=1 HTTP/1.0");
  EXPECT_EQ(r.method, "GET");
  EXPECT_EQ(r.target, "/a?b=1");
  EXPECT_EQ(r.version, "HTTP/1.0");
  EXPECT_EQ(r.HeaderCount("ACCEPT"), 2);
  EXPECT_EQ(r.Header("Accept"), "*/*");
  EXPECT_FALSE(r.Header("Referer").has_value());
  EXPECT_FALSE(r.IsAbsoluteTarget());
  EXPECT_EQ(r.Host(), "h:81");
  EXPECT_EQ(r.Path(), "/a?b=1");
}

TEST(LoopbackServer, SplitsAbsoluteFormTargetOfAProxiedRequest) {
  struct Case {
    std::string target, host, path;
  };
  for (const Case& c : {Case{"http://www.x.com/p/q.htm?z", "www.x.com", "/p/q.htm?z"},
                        Case{"http://www.x.com:8080", "www.x.com:8080", "/"},
                        Case{"http://www.x.com?q", "www.x.com", "/?q"}}) {
    LoopbackServer server([](Connection& c) { SendResponse(c, 200, ""); });
    Exchange(server.Port(), "GET " + c.target + " HTTP/1.0\r\nHost: other\r\n\r\n");
    ASSERT_TRUE(server.WaitForRequests(1, 5s));
    ReceivedRequest r = server.Requests().at(0);
    EXPECT_TRUE(r.IsAbsoluteTarget()) << c.target;
    EXPECT_EQ(r.target, c.target);
    EXPECT_EQ(r.Host(), c.host);
    EXPECT_EQ(r.Path(), c.path);
  }
}

TEST(LoopbackServer, StopsPromptlyWhileAHandlerSleeps) {
  bool woke = true;
  {
    LoopbackServer server([&](Connection& c) { woke = c.SleepFor(10min); });
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<uint16_t>(server.Port()));
    ASSERT_EQ(::connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    std::string req = "GET / HTTP/1.0\r\n\r\n";
    ::send(s, req.data(), req.size(), MSG_NOSIGNAL);
    ASSERT_TRUE(server.WaitForRequests(1, 5s));
    ::close(s);
  }
  EXPECT_FALSE(woke);
}

TEST(ScopedEnv, RestoresPreviousValueOrAbsence) {
  ::setenv("TUNELARK_TEST_VAR", "old", 1);
  {
    ScopedEnv set("TUNELARK_TEST_VAR", "new");
    EXPECT_STREQ(std::getenv("TUNELARK_TEST_VAR"), "new");
    ScopedEnv unset("TUNELARK_TEST_VAR", std::nullopt);
    EXPECT_EQ(std::getenv("TUNELARK_TEST_VAR"), nullptr);
  }
  EXPECT_STREQ(std::getenv("TUNELARK_TEST_VAR"), "old");
  ::unsetenv("TUNELARK_TEST_VAR");
  {
    ScopedEnv set("TUNELARK_TEST_VAR", "x");
  }
  EXPECT_EQ(std::getenv("TUNELARK_TEST_VAR"), nullptr);
}

}  // namespace
}  // namespace tunelark::testing
