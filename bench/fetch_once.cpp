// One FetchBytes of the given address: prints the bytes received, the wall
// time and the process's peak resident memory.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "net/fetch.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s ADDRESS\n", argv[0]);
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const std::string body = tunelark::FetchBytes(argv[1]);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("bytes=%zu seconds=%.3f maxrss_kib=%ld\n", body.size(), elapsed.count(),
              usage.ru_maxrss);
  return body.empty() ? 1 : 0;
}
