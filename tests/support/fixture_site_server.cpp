// The fixture site as a program of its own, for scripts that drive the real
// front ends against it (screenshots, whole-run benchmarks): prints the
// value for http_proxy on its first line, then serves until its standard
// input closes.
#include <cstdio>
#include <iostream>
#include <string>

#include "fixture_site.h"

int main() {
  tunelark::testing::FixtureSite site;
  std::printf("%s\n", site.ProxyUrl().c_str());
  for (int row = 0; row < static_cast<int>(tunelark::testing::FixtureSite::kRowCount); ++row) {
    std::printf("%d %s\n", row, tunelark::testing::FixtureSite::Row(row).playPage.c_str());
  }
  std::fflush(stdout);
  std::string line;
  while (std::getline(std::cin, line)) {
  }
  return 0;
}
