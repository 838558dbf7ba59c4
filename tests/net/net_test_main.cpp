// Every fetch test talks to loopback servers only; a proxy configured in the
// environment must neither catch that traffic nor be bypassed by accident.
#include <gtest/gtest.h>

#include "loopback_server.h"

int main(int argc, char** argv) {
  tunelark::testing::ClearProxyEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
