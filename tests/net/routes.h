// A loopback site for fetch tests: handlers chosen by the request's path.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "loopback_server.h"

namespace tunelark::testing {

class Routes {
 public:
  Routes& On(const std::string& path, Handler handler) {
    routes_[path] = std::move(handler);
    return *this;
  }
  // A plain 200 with `body`.
  Routes& Page(const std::string& path, std::string body) {
    return On(path, [body](Connection& c) { SendResponse(c, 200, body); });
  }
  // A redirect with the given status to `location`, with a body of its own.
  Routes& Redirect(const std::string& path, std::string location, int status = 302) {
    return On(path, [location, status](Connection& c) {
      SendResponse(c, status, "moved", {{"Location", location}});
    });
  }

  Handler AsHandler() const {
    auto routes = routes_;
    return [routes](Connection& c) {
      auto it = routes.find(c.Request().Path());
      if (it == routes.end()) {
        SendResponse(c, 404, "no such page");
      } else {
        it->second(c);
      }
    };
  }

 private:
  std::map<std::string, Handler> routes_;
};

}  // namespace tunelark::testing
