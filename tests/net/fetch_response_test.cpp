// What comes back: the body of the final response, whatever its status, and
// what arrived of it when the connection broke.
#include <gtest/gtest.h>

#include <string>

#include "loopback_server.h"
#include "net/fetch.h"
#include "net/fetch_context.h"
#include "routes.h"

namespace tunelark {
namespace {

using testing::Connection;
using testing::LoopbackServer;
using testing::Routes;
using testing::SendResponse;

struct BodyCase {
  std::string name;
  testing::Handler handler;
  std::string bytes;  // what FetchBytes must return
  std::string text;   // what FetchText must return
};

void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.name; }

class FetchBody : public ::testing::TestWithParam<BodyCase> {};

TEST_P(FetchBody, IsReturnedAsItArrived) {
  LoopbackServer server(GetParam().handler);
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/page.htm"), GetParam().bytes);
  EXPECT_EQ(FetchText(server.BaseUrl() + "/page.htm"), GetParam().text);
}

testing::Handler Status(int status, std::string body) {
  return [status, body](Connection& c) { SendResponse(c, status, body); };
}

testing::Handler Raw(std::string bytes) {
  return [bytes](Connection& c) { c.Write(bytes); };
}

const std::string kPage = "<html><title>\xB8\xE8</title>var righturl=\"http://m.x.com/1.mp3\";</script>";
const std::string kLarge = [] {
  std::string s;
  for (int i = 0; i < 3'000'000; ++i) s += static_cast<char>('a' + i % 26);
  return s;
}();

INSTANTIATE_TEST_SUITE_P(
    Table, FetchBody,
    ::testing::Values(
        BodyCase{"Ok", Status(200, kPage), kPage, kPage},
        BodyCase{"NotFound", Status(404, "<html>404 gone</html>"), "<html>404 gone</html>", "<html>404 gone</html>"},
        BodyCase{"ServerError", Status(500, "<h1>oops</h1>"), "<h1>oops</h1>", "<h1>oops</h1>"},
        BodyCase{"NotModifiedWithoutRedirect", Status(304, ""), "", ""},
        BodyCase{"EmptyBody", Status(200, ""), "", ""},
        BodyCase{"NoContentLength",
                 [](Connection& c) { SendResponse(c, 200, kPage, {}, false); }, kPage, kPage},
        BodyCase{"LargeWithoutContentLength",
                 [](Connection& c) { SendResponse(c, 200, kLarge, {}, false); }, kLarge, kLarge},
        BodyCase{"LargeWithContentLength", Status(200, kLarge), kLarge, kLarge},
        BodyCase{"ZeroByte", Status(200, std::string("before\0after", 12)),
                 std::string("before\0after", 12), "before"},
        BodyCase{"LeadingZeroByte", Status(200, std::string("\0rest", 5)), std::string("\0rest", 5), ""},
        BodyCase{"BrokenAfterPartOfTheBody",
                 Raw("HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n<html><title>half"),
                 "<html><title>half", "<html><title>half"},
        BodyCase{"BrokenBeforeTheBody", Raw("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n"), "", ""},
        BodyCase{"ClosedWithoutAnswer", Raw(""), "", ""},
        BodyCase{"NotHttp", Raw("SSH-2.0-OpenSSH_9.2\r\n"), "", ""},
        BodyCase{"GarbledContentLength",
                 Raw("HTTP/1.0 200 OK\r\nContent-Length: 12abc\r\n\r\nwhole body"), "whole body", "whole body"},
        BodyCase{"HttpOneOneServer",
                 Raw("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: 4\r\n\r\nbody"), "body", "body"},
        BodyCase{"ChunkedBody",
                 Raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n2\r\nde\r\n0\r\n\r\n"),
                 "abcde", "abcde"}));

TEST(FetchBody, EachFetchOpensItsOwnConnection) {
  LoopbackServer server(Routes().Page("/a", "A").Page("/b", "B").AsHandler());
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/a"), "A");
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/b"), "B");
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/a"), "A");
  EXPECT_EQ(server.ConnectionCount(), 3u);
}

TEST(FetchBody, AFailedFetchKeepsTheRootAndDoesNotSpoilTheNext) {
  int closedPort;
  {
    LoopbackServer gone([](Connection&) {});
    closedPort = gone.Port();
  }
  LoopbackServer server(Status(200, "fine"));
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/x"), "fine");
  HttpClientRoot* root = TheFetchContext().Root();
  EXPECT_EQ(FetchBytes("http://127.0.0.1:" + std::to_string(closedPort) + "/x"), "");
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/x"), "fine");
  EXPECT_EQ(TheFetchContext().Root(), root);
}

}  // namespace
}  // namespace tunelark
