#include "fixture_site.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

namespace tunelark::testing {
namespace {

const std::array<FixtureRow, FixtureSite::kRowCount> kRows = {{
    {"http://www.hi193.com/play/10193.htm",
     "DJ\xD0\xA1\xD3\xE3\xB6\xF9 \xD6\xD0\xCE\xC4\xC2\xFD\xD2\xA1\xB4\xAE\xC9\xD5",  // DJ小鱼儿 中文慢摇串烧
     "http://mp3.hi193.com/2026/10193.mp3",
     false,
     true,
     {"http://www.hi193.com/play/10193.htm", "http://www.hi193.com/geturl/10193"}},
    {"http://www.djkk.com/play/1.html", "", "", false, false, {}},
    {"http://www.92cc.com/dance/20292.html",
     "\xD2\xB9\xC9\xAB\xC3\xD4\xC0\xEB \xC2\xD6\xBB\xD8\xCE\xE8\xC7\xFA\xCD\xF8",  // 夜色迷离 轮回舞曲网
     "http://mp4.92cc.com/2026/12/20292.mp4",
     false,
     true,
     {"http://www.92cc.com/dance/20292.html", "http://static.92cc.com/mp/mp.js"}},
    {"http://www.djrrr.com/dj/30303.html",
     "\xCE\xE7\xD2\xB9\xB5\xE7\xD2\xF4 \xC2\xFD\xD2\xA1\xCE\xE8\xC7\xFA",  // 午夜电音 慢摇舞曲
     "http://mp3.djrrr.com/2026/30303.mp3",
     false,
     true,
     {"http://www.djrrr.com/dj/30303.html", "http://www.djrrr.com/playlist/30303.xml"}},
    {"http://www.3378dj.com/play/40404.html",
     "\xC9\xCB\xD0\xC4\xCC\xAB\xC6\xBD\xD1\xF3 DJ\xB0\xE6",  // 伤心太平洋 DJ版
     "http://mp3.3378dj.com/2026/40404.mp3",
     false,
     true,
     {"http://www.3378dj.com/play/40404.html"}},
    {"http://www.hcdj.com/play/50505.html",
     "\xB3\xB5\xD4\xD8"
     "DJ \xD6\xD8\xB5\xCD\xD2\xF4\xB4\xAE\xC9\xD5",  // 车载DJ 重低音串烧
     "http://wma.hcdj.com/hcdj/2026/50505.wma",
     false,
     true,
     {"http://www.hcdj.com/play/50505.html", "http://www.hcdj.com/play/playwma.js"}},
    {"http://www.dj97.com/dance/60606.html",
     "\xBE\xC6\xB0\xC9\xD2\xB9\xB3\xA1 \xCE\xE8\xC7\xFA",  // 酒吧夜场 舞曲
     "http://mp4.dj97.com/2026/60606.mp4",
     false,
     true,
     {"http://www.dj97.com/dance/60606.html", "http://www.dj97.com/common/player.js"}},
    {"http://www.mixdj.com/play/70707.html",
     "MixDJ \xE7\x94\xB5\xE5\xAD\x90\xE6\xB7\xB7\xE9\x9F\xB3 \xE7\xB2\xBE\xE9\x80\x89",  // MixDJ 电子混音 精选
     "http://www.mixdj.com/music/2026/70707.m4a",
     true,
     true,
     {"http://www.mixdj.com/play/70707.html"}},
    {"http://www.mvpdj.com/song/80808",
     "MVPDJ \xE5\x8F\x91\xE7\x8E\xB0\xE9\x9F\xB3\xE4\xB9\x90 "
     "\xE5\x88\x86\xE4\xBA\xAB\xE5\xBF\xAB\xE4\xB9\x90",  // MVPDJ 发现音乐 分享快乐
     "http://www.mvpdj.com/upload/2026/80808.mp3",
     true,
     true,
     {"http://www.mvpdj.com/song/80808"}},
    {"http://www.dj520.com/play/90909.html",
     "\xC7\xB0\xCE\xC0\xB5\xE7\xD2\xF4 2026",  // 前卫电音 2026
     "http://mp3.dj520.com/2026/90909.mp3",
     false,
     true,
     {"http://www.dj520.com/play/90909.html", "http://www.dj520.com/js/djcode.js"}},
    {"http://www.9ku.com/play/101010.htm",
     "\xBE\xC5\xBF\xE1 DJ \xB4\xAE\xC9\xD5",  // 九酷 DJ 串烧
     "http://mp3.9ku.com/2026/101010.mp3",
     false,
     true,
     {"http://www.9ku.com/play/101010.htm", "http://dz.9ku.com/"}},
    {"http://www.ccc333.com/dj/12345.htm",
     "\xBC\xAB\xCF\xDE DJ \xE0\xCB\xC7\xFA",  // 极限 DJ 嗨曲
     "http://mp3.ccc333.com/2026/12345.mp3",
     false,
     true,
     {"http://www.ccc333.com/dj/12345.htm"}},
    {"http://www.mydj99.com/play/121212.html",
     "\xD7\xEE\xBA\xC3\xCC\xFD\xB5\xC4 DJ \xCE\xE8\xC7\xFA",  // 最好听的 DJ 舞曲
     "http://mp3.mydj99.com/2026/121212.mp3",
     false,
     true,
     {"http://www.mydj99.com/play/121212.html", "http://cache.mydj99.com/script/server.js"}},
}};

constexpr std::string_view kNotFoundBody = "<html><body><h1>404 Not Found</h1></body></html>";

// The address a request asked for. Through a proxy that is the target
// itself; a request sent straight to the fixture names its host in Host.
std::string AddressOf(const ReceivedRequest& request) {
  std::string host = request.Host();
  if (host.size() > 3 && host.compare(host.size() - 3, 3, ":80") == 0) {
    host.resize(host.size() - 3);
  }
  return "http://" + host + request.Path();
}

// The fixture file for an address: the host is the folder, the path the file
// below it, and a path that ends in "/" the file "index" there. Nothing for a
// path that would climb out of the folder.
std::optional<std::string> FileOf(std::string_view address) {
  constexpr std::string_view kScheme = "http://";
  if (address.substr(0, kScheme.size()) != kScheme) {
    return std::nullopt;
  }
  std::string relative(address.substr(kScheme.size()));
  if (relative.find("..") != std::string::npos || relative.find('\0') != std::string::npos ||
      relative.find('/') == std::string::npos) {
    return std::nullopt;
  }
  if (relative.back() == '/') {
    relative += "index";
  }
  return std::string(TUNELARK_FIXTURE_SITES_DIR) + "/" + relative;
}

std::optional<std::string> ReadFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return std::nullopt;
  }
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace

const FixtureRow& FixtureSite::Row(int row) { return kRows.at(static_cast<std::size_t>(row)); }

FixtureSite::FixtureSite()
    : server_(std::make_unique<LoopbackServer>([this](Connection& c) { Answer(c); })) {}

std::string FixtureSite::ProxyUrl() const { return server_->BaseUrl(); }

void FixtureSite::Serve(std::string address, std::string body) {
  const std::lock_guard lock(mutex_);
  removed_.erase(address);
  served_[std::move(address)] = std::move(body);
}

void FixtureSite::Remove(std::string address) {
  const std::lock_guard lock(mutex_);
  served_.erase(address);
  removed_.insert(std::move(address));
}

std::vector<ReceivedRequest> FixtureSite::Requests() const {
  std::vector<ReceivedRequest> all = server_->Requests();
  const std::lock_guard lock(mutex_);
  const auto skipped = static_cast<std::ptrdiff_t>(std::min(requestsBefore_, all.size()));
  return {std::make_move_iterator(all.begin() + skipped), std::make_move_iterator(all.end())};
}

std::vector<std::string> FixtureSite::RequestedAddresses() const {
  std::vector<std::string> addresses;
  for (const ReceivedRequest& request : Requests()) {
    addresses.push_back(AddressOf(request));
  }
  return addresses;
}

void FixtureSite::ClearRequests() {
  const std::size_t seen = server_->RequestCount();
  const std::lock_guard lock(mutex_);
  requestsBefore_ = seen;
}

void FixtureSite::Answer(Connection& connection) {
  const std::string address = AddressOf(connection.Request());
  std::optional<std::string> body;
  {
    const std::lock_guard lock(mutex_);
    if (removed_.contains(address)) {
      SendResponse(connection, 404, kNotFoundBody);
      return;
    }
    if (const auto served = served_.find(address); served != served_.end()) {
      body = served->second;
    }
  }
  if (!body) {
    if (const std::optional<std::string> file = FileOf(address)) {
      body = ReadFile(*file);
    }
  }
  if (body) {
    SendResponse(connection, 200, *body);
  } else {
    SendResponse(connection, 404, kNotFoundBody);
  }
}

ScopedFixtureProxy::ScopedFixtureProxy(const FixtureSite& site) {
  for (const char* name : {"HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY",
                           "no_proxy", "NO_PROXY"}) {
    variables_.push_back(std::make_unique<ScopedEnv>(name, std::nullopt));
  }
  variables_.push_back(std::make_unique<ScopedEnv>("http_proxy", site.ProxyUrl()));
}

}  // namespace tunelark::testing
