// Addresses that never go on the wire, and the seam that replaces the wire.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loopback_server.h"
#include "net/fetch.h"
#include "net/fetch_context.h"
#include "net/fetch_override.h"

namespace tunelark {
namespace {

using testing::Connection;
using testing::LoopbackServer;
using testing::SendResponse;

// "PORT" in the address stands for the loopback server's port, so that a
// fault that lets the address through would show up as a request.
struct Unusable {
  Unusable(std::string a) : address(std::move(a)) {}  // NOLINT: converts on purpose
  std::string address;
};

// Long addresses are shown by their start and length, to keep test names short.
void PrintTo(const Unusable& u, std::ostream* os) {
  if (u.address.size() <= 40) {
    *os << '"' << u.address << '"';
  } else {
    *os << '"' << u.address.substr(0, 24) << "...\" (" << u.address.size() << " bytes)";
  }
}

class FetchOfUnusableAddress : public ::testing::TestWithParam<Unusable> {};

TEST_P(FetchOfUnusableAddress, SendsNothingAndYieldsNothing) {
  LoopbackServer server([](Connection& c) { SendResponse(c, 200, "should not be fetched"); });
  std::string address = GetParam().address;
  for (std::string::size_type at; (at = address.find("PORT")) != std::string::npos;) {
    address.replace(at, 4, std::to_string(server.Port()));
  }
  bool hadRoot = TheFetchContext().HasRoot();

  EXPECT_EQ(FetchBytes(address), "");
  EXPECT_EQ(FetchText(address), "");
  if (!hadRoot) {
    EXPECT_FALSE(TheFetchContext().HasRoot());
  }

  // Connections are accepted in the order they were made, so once this one
  // has been served, any earlier one would have shown up too.
  EXPECT_EQ(FetchBytes(server.BaseUrl() + "/probe"), "should not be fetched");
  EXPECT_EQ(server.ConnectionCount(), 1u);
  ASSERT_EQ(server.RequestCount(), 1u);
  EXPECT_EQ(server.Requests()[0].target, "/probe");
}

INSTANTIATE_TEST_SUITE_P(
    Table, FetchOfUnusableAddress,
    ::testing::Values("", "127.0.0.1:PORT/a", "www.example.com/a", "//127.0.0.1:PORT/a",
                      "ftp://127.0.0.1:PORT/a", "file:///etc/hostname", "file://127.0.0.1:PORT/a",
                      "mailto:dj@127.0.0.1", "gopher://127.0.0.1:PORT/", "dict://127.0.0.1:PORT/d",
                      "http:/127.0.0.1:PORT/", "http:///a", "http://127.0.0.1:0/", "http://127.0.0.1:PORT0000/",
                      "http://127.0.0.1:PORTx/", "http://127.0.0.1:PORT:PORT/", "#http://127.0.0.1:PORT/",
                      " http://127.0.0.1:PORT/", "http://127.0.0.1:PORT/" + std::string(2047, 'a'),
                      "http://" + std::string(128, 'u') + "@127.0.0.1:PORT/"));

TEST(FetchOverride, SeesTheAddressAsGivenAndReplacesTheNetwork) {
  std::vector<std::string> seen;
  {
    ScopedFetchOverride fake([&](std::string_view address) {
      seen.emplace_back(address);
      return std::string("fake\0tail", 9);
    });
    EXPECT_EQ(FetchBytes("http://www.example.com/a/../b.htm?x#top"), std::string("fake\0tail", 9));
    EXPECT_EQ(FetchText("HTTPS://www.example.com/c "), "fake");
    // Addresses that could not go on the wire never reach it.
    EXPECT_EQ(FetchBytes(""), "");
    EXPECT_EQ(FetchBytes("ftp://www.example.com/x"), "");
    EXPECT_EQ(FetchBytes("www.example.com/x"), "");
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"http://www.example.com/a/../b.htm?x#top",
                                            "HTTPS://www.example.com/c "}));
}

TEST(FetchOverride, NestsAndRestoresTheNetworkWhenItEnds) {
  LoopbackServer server([](Connection& c) { SendResponse(c, 200, "network"); });
  std::string address = server.BaseUrl() + "/x";
  {
    ScopedFetchOverride outer([](std::string_view) { return std::string("outer"); });
    {
      ScopedFetchOverride inner([](std::string_view) { return std::string("inner"); });
      EXPECT_EQ(FetchBytes(address), "inner");
    }
    EXPECT_EQ(FetchBytes(address), "outer");
    EXPECT_EQ(server.RequestCount(), 0u);
  }
  EXPECT_EQ(FetchBytes(address), "network");
  EXPECT_EQ(server.RequestCount(), 1u);
}

}  // namespace
}  // namespace tunelark
