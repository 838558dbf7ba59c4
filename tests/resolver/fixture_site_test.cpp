// Every row resolved end to end: the real fetch, through http_proxy, against
// the sites' own hosts as the fixture site answers for them.
#include "fixture_site.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "loopback_server.h"
#include "recording_view.h"
#include "resolver/notices.h"
#include "resolver/resolve_command.h"
#include "resolver/site_table.h"

namespace tunelark {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::FixtureSite;
using testing::RecordedNotice;
using testing::RecordingView;
using testing::ScopedFixtureProxy;

// Pauses of each row's recipe, in order of the site list.
constexpr std::array<int, kSiteCount> kPauses = {2, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};

class FixtureSiteTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::ClearProxyEnvironment(); }

  FixtureSiteTest() {
    view.title = "old title";
    view.download = "old download";
  }
  ~FixtureSiteTest() override { OnceNoticePending = 0; }

  void Resolve(int row) {
    view.url = FixtureSite::Row(row).playPage;
    view.selection = row;
    ResolveCommand(view);
  }

  FixtureSite site;
  ScopedFixtureProxy proxy{site};
  RecordingView view;
};

class EveryRowTest : public FixtureSiteTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryRowTest, ResolvesThePlayPage) {
  const int row = GetParam();
  const auto& expected = FixtureSite::Row(row);
  OnceNoticePending = 1;
  Resolve(row);

  if (expected.resolves) {
    EXPECT_EQ(view.title, expected.title);
    EXPECT_EQ(view.download, expected.download);
  } else {
    EXPECT_EQ(view.title, "old title");
    EXPECT_EQ(view.download, "old download");
  }
  std::vector<RecordedNotice> notices;
  if (row == kDjkkRow) {
    notices.push_back({std::string(kRetiredSiteNotice), NoIcon, std::nullopt});
  } else if (row == kMixdjRow) {
    notices.push_back({std::string(kMixdjDownloadNotice), InformationIcon,
                       std::string(kMixdjDownloadNoticeTitle)});
  }
  EXPECT_EQ(view.Notices(), notices);
  EXPECT_EQ(site.RequestedAddresses(), expected.requests);
  EXPECT_EQ(view.PauseCount(), kPauses[row]);
  for (const auto& request : site.Requests()) {
    EXPECT_TRUE(request.IsAbsoluteTarget()) << request.requestLine;
  }
}

INSTANTIATE_TEST_SUITE_P(SiteList, EveryRowTest, ::testing::Range(0, static_cast<int>(kSiteCount)),
                         [](const auto& info) { return std::string(SiteTable[info.param].key); });

TEST_F(FixtureSiteTest, EmptyAddressSendsNothing) {
  view.selection = kHi193Row;
  ResolveCommand(view);
  EXPECT_THAT(site.RequestedAddresses(), IsEmpty());
}

TEST_F(FixtureSiteTest, Row92ccDownloadsItsScriptOnEveryRun) {
  Resolve(k92ccRow);
  Resolve(k92ccRow);
  const std::string page = FixtureSite::Row(k92ccRow).playPage;
  EXPECT_THAT(site.RequestedAddresses(), ElementsAre(page, "http://static.92cc.com/mp/mp.js", page,
                                                     "http://static.92cc.com/mp/mp.js"));
}

// A 404 page belongs to no site: its (missing) title goes into Title and the
// check fails.
TEST_F(FixtureSiteTest, UnknownPageFailsTheCheck) {
  view.url = "http://www.ccc333.com/dj/0.htm";
  view.selection = kCcc333Row;
  ResolveCommand(view);
  EXPECT_EQ(view.title, "");
  EXPECT_EQ(view.download, "old download");
  EXPECT_THAT(view.Notices(),
              ElementsAre(RecordedNotice{std::string(kWrongSiteNotice), StopIcon, "Error"}));
}

TEST_F(FixtureSiteTest, FailedScriptLeavesTheBareValue) {
  site.Remove("http://dz.9ku.com/");
  Resolve(k9kuRow);
  EXPECT_EQ(view.download, "/2026/101010.mp3");
}

TEST_F(FixtureSiteTest, ServedPageReplacesTheFile) {
  site.Serve(FixtureSite::Row(kCcc333Row).playPage,
             "<title>X</title>ccc333 var righturl=\"http://a/x.mp3\";</script>");
  Resolve(kCcc333Row);
  EXPECT_EQ(view.title, "X");
  EXPECT_EQ(view.download, "http://a/x.mp3");
}

TEST_F(FixtureSiteTest, ClearRequestsForgetsEarlierOnes) {
  Resolve(kCcc333Row);
  site.ClearRequests();
  Resolve(kMvpdjRow);
  EXPECT_THAT(site.RequestedAddresses(), ElementsAre(FixtureSite::Row(kMvpdjRow).playPage));
}

}  // namespace
}  // namespace tunelark
