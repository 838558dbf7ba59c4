// The thirteen sites on loopback: a forward-proxy target that answers for
// every site's real host from the files under tests/fixtures/sites/<host>/.
// A test points http_proxy at it (ScopedFixtureProxy) and resolves the
// play-page addresses below exactly as it would against the real sites.
// An address without a file answers 404.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "loopback_server.h"

namespace tunelark::testing {

// What one row of the site list resolves to against the fixture.
struct FixtureRow {
  std::string playPage;  // address of a song's play page on the site's own host
  // Title and Download as the row leaves them, bytes exactly as the site
  // writes them (GBK, or UTF-8 where `utf8Title`); empty for the retired row.
  std::string title;
  std::string download;
  bool utf8Title = false;
  bool resolves = true;  // false for the retired row: it only shows a notice
  std::vector<std::string> requests;  // addresses a run asks for, in order
};

class FixtureSite {
 public:
  static constexpr std::size_t kRowCount = 13;

  // The fixture of row `row` (0 to 12) of the site list.
  static const FixtureRow& Row(int row);

  FixtureSite();
  FixtureSite(const FixtureSite&) = delete;
  FixtureSite& operator=(const FixtureSite&) = delete;

  // "http://127.0.0.1:PORT", the value for http_proxy.
  std::string ProxyUrl() const;

  // Answers `address` ("http://host/path") with `body` and status 200 from
  // now on, in place of its file.
  void Serve(std::string address, std::string body);
  // Answers `address` with 404 from now on, even when it has a file.
  void Remove(std::string address);

  // Every request seen since the start or the last ClearRequests, as the
  // address it asked for ("http://host/path?query"), in order of arrival.
  std::vector<std::string> RequestedAddresses() const;
  // The same requests as received, with request line and headers.
  std::vector<ReceivedRequest> Requests() const;
  void ClearRequests();

 private:
  void Answer(Connection& connection);

  mutable std::mutex mutex_;
  std::map<std::string, std::string, std::less<>> served_;
  std::set<std::string, std::less<>> removed_;
  std::size_t requestsBefore_ = 0;
  std::unique_ptr<LoopbackServer> server_;  // last: stops before the maps go
};

// Points http_proxy at the fixture for the object's life, and clears every
// other proxy variable so that none catches or bypasses the traffic.
class ScopedFixtureProxy {
 public:
  explicit ScopedFixtureProxy(const FixtureSite& site);
  ScopedFixtureProxy(const ScopedFixtureProxy&) = delete;
  ScopedFixtureProxy& operator=(const ScopedFixtureProxy&) = delete;

 private:
  std::vector<std::unique_ptr<ScopedEnv>> variables_;
};

}  // namespace tunelark::testing
