#include <gtest/gtest.h>

#include "net/fetch.h"
#include "tls_server.h"

namespace tunelark {
namespace {

TEST(FetchTls, AnUntrustedCertificateYieldsNothingAndNoRequest) {
  testing::UntrustedTlsServer server(TUNELARK_TLS_FIXTURES "/untrusted_cert.pem",
                                     TUNELARK_TLS_FIXTURES "/untrusted_key.pem");
  ASSERT_TRUE(server.Ready());
  std::string address = "https://127.0.0.1:" + std::to_string(server.Port()) + "/page.htm";
  EXPECT_EQ(FetchBytes(address), "");
  EXPECT_EQ(FetchText(address), "");
  EXPECT_GE(server.ConnectionsAccepted(), 1);
  EXPECT_EQ(server.RequestBytesReceived(), 0);
}

}  // namespace
}  // namespace tunelark
