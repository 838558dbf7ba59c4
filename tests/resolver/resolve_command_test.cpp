#include "resolver/resolve_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_web.h"
#include "recording_view.h"
#include "resolver/notices.h"
#include "resolver/site_table.h"

namespace tunelark {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::FakeWeb;
using testing::RecordedNotice;
using testing::RecordingView;
using testing::ViewCallKind;

const RecordedNotice kEmptyAddress{std::string(kEmptyAddressNotice), StopIcon, std::nullopt};
const RecordedNotice kWrongSite{std::string(kWrongSiteNotice), StopIcon, "Error"};
const RecordedNotice kRetired{std::string(kRetiredSiteNotice), NoIcon, std::nullopt};
const RecordedNotice kMixdjOnce{std::string(kMixdjDownloadNotice), InformationIcon,
                                std::string(kMixdjDownloadNoticeTitle)};

// Small play pages that pass their row's check and hold its markers.
constexpr char kAddress3378[] = "http://www.3378dj.com/play/1.html";
constexpr char kPage3378[] = "<title>T4</title>3378 x,'1','url','http://a/4.mp3','showaudiocontrols'";
constexpr char kAddressCcc333[] = "http://www.ccc333.com/dj/1.htm";
constexpr char kPageCcc333[] = "<title>T11</title>ccc333 var righturl=\"http://a/11.mp3\";</script>";
constexpr char kAddressMixdj[] = "http://www.mixdj.com/play/1.html";
constexpr char kPageMixdj[] = "<title>T7</title>mixdj var fileUrl = \"m/7.m4a\";";

class ResolveCommandTest : public ::testing::Test {
 protected:
  ResolveCommandTest() {
    view.title = "old title";
    view.download = "old download";
    web.pages[kAddress3378] = kPage3378;
    web.pages[kAddressCcc333] = kPageCcc333;
    web.pages[kAddressMixdj] = kPageMixdj;
    OnceNoticePending = 0;
  }
  ~ResolveCommandTest() override { OnceNoticePending = 0; }

  int SelectionReads() const {
    int reads = 0;
    for (const auto& call : view.Calls()) {
      reads += call.kind == ViewCallKind::ReadSelection ? 1 : 0;
    }
    return reads;
  }

  FakeWeb web;
  RecordingView view;
};

class EmptyAddressTest : public ResolveCommandTest, public ::testing::WithParamInterface<int> {};

TEST_P(EmptyAddressTest, ShowsOnlyTheNoticeWhateverIsSelected) {
  view.selection = GetParam();
  ResolveCommand(view);
  EXPECT_THAT(view.CallKinds(), ElementsAre(ViewCallKind::ReadUrl, ViewCallKind::Notice));
  EXPECT_THAT(view.Notices(), ElementsAre(kEmptyAddress));
  EXPECT_THAT(web.requested, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(AnySelection, EmptyAddressTest, ::testing::Values(-1, 0, 1, 7, 12, 13));

class NoRowSelectedTest : public ResolveCommandTest, public ::testing::WithParamInterface<int> {};

TEST_P(NoRowSelectedTest, DoesNothingVisible) {
  view.url = kAddressCcc333;
  view.selection = GetParam();
  ResolveCommand(view);
  EXPECT_THAT(view.Notices(), IsEmpty());
  EXPECT_EQ(view.WriteCount(), 0);
  EXPECT_EQ(SelectionReads(), static_cast<int>(kSiteCount));
  EXPECT_THAT(web.requested, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(OutsideTheList, NoRowSelectedTest, ::testing::Values(-1, 13, 1000));

TEST_F(ResolveCommandTest, RetiredRowOnlySaysSo) {
  view.url = kAddressCcc333;
  view.selection = kDjkkRow;
  ResolveCommand(view);
  EXPECT_THAT(view.Notices(), ElementsAre(kRetired));
  EXPECT_EQ(view.WriteCount(), 0);
  EXPECT_THAT(web.requested, IsEmpty());
  EXPECT_EQ(SelectionReads(), kDjkkRow + 1) << "a stopped recipe ends the run";
}

TEST_F(ResolveCommandTest, RunsTheSelectedRowOnceAndTestsTheRest) {
  view.url = kAddressCcc333;
  view.selection = kCcc333Row;
  ResolveCommand(view);
  EXPECT_EQ(view.title, "T11");
  EXPECT_EQ(view.download, "http://a/11.mp3");
  EXPECT_THAT(view.Notices(), IsEmpty());
  EXPECT_THAT(web.requested, ElementsAre(kAddressCcc333));
  EXPECT_EQ(SelectionReads(), static_cast<int>(kSiteCount));
}

// A blank address is not empty: it goes to the fetch, which gets nothing.
TEST_F(ResolveCommandTest, BlankAddressFailsTheCheck) {
  view.url = "   ";
  view.selection = kCcc333Row;
  ResolveCommand(view);
  EXPECT_EQ(view.title, "");
  EXPECT_EQ(view.download, "old download");
  EXPECT_THAT(view.Notices(), ElementsAre(kWrongSite));
}

TEST_F(ResolveCommandTest, PageOfAnotherSiteWritesItsTitleAndKeepsDownload) {
  view.url = kAddressCcc333;
  view.selection = k3378Row;
  ResolveCommand(view);
  EXPECT_EQ(view.title, "T11");
  EXPECT_EQ(view.download, "old download");
  EXPECT_THAT(view.Notices(), ElementsAre(kWrongSite));
  EXPECT_EQ(SelectionReads(), k3378Row + 1) << "a stopped recipe ends the run";
}

TEST_F(ResolveCommandTest, CheckTokenIsCaseSensitive) {
  web.pages[kAddressMixdj] = "<title>T7</title>MixDJ var fileUrl = \"m/7.m4a\";";
  view.url = kAddressMixdj;
  view.selection = kMixdjRow;
  ResolveCommand(view);
  EXPECT_THAT(view.Notices(), ElementsAre(kWrongSite));
  EXPECT_EQ(view.download, "old download");
}

TEST_F(ResolveCommandTest, Dj97KeepsTitleWhenItsCheckFails) {
  view.url = kAddressCcc333;
  view.selection = kDj97Row;
  ResolveCommand(view);
  EXPECT_EQ(view.title, "old title");
  EXPECT_EQ(view.download, "old download");
  EXPECT_THAT(view.Notices(), ElementsAre(kWrongSite));
}

TEST_F(ResolveCommandTest, MixdjNoticeComesOncePerProgramStartAfterDownload) {
  OnceNoticePending = 1;
  view.url = kAddressMixdj;
  view.selection = kMixdjRow;
  ResolveCommand(view);
  EXPECT_THAT(view.Notices(), ElementsAre(kMixdjOnce));
  const auto kinds = view.CallKinds();
  const auto notice = std::find(kinds.begin(), kinds.end(), ViewCallKind::Notice);
  ASSERT_NE(notice, kinds.begin());
  EXPECT_EQ(*(notice - 1), ViewCallKind::WriteDownload);
  EXPECT_EQ(OnceNoticePending, 0);

  RecordingView again;
  again.url = kAddressMixdj;
  again.selection = kMixdjRow;
  ResolveCommand(again);
  EXPECT_EQ(again.download, "http://www.mixdj.com/m/7.m4a");
  EXPECT_THAT(again.Notices(), IsEmpty());
}

TEST_F(ResolveCommandTest, MixdjRunThatFailsItsCheckKeepsTheNoticeDue) {
  OnceNoticePending = 1;
  view.url = kAddressCcc333;
  view.selection = kMixdjRow;
  ResolveCommand(view);
  EXPECT_THAT(view.Notices(), ElementsAre(kWrongSite));
  EXPECT_EQ(OnceNoticePending, 1);
}

TEST_F(ResolveCommandTest, MixdjShowsNoNoticeBeforeTheWindowArmsIt) {
  view.url = kAddressMixdj;
  view.selection = kMixdjRow;
  ResolveCommand(view);
  EXPECT_THAT(view.Notices(), IsEmpty());
  EXPECT_EQ(OnceNoticePending, 0);
}

TEST_F(ResolveCommandTest, EveryPauseLastsOneHundredMilliseconds) {
  web.pages["http://www.hi193.com/play/1.htm"] = "<title>T0</title>hi193";
  view.url = "http://www.hi193.com/play/1.htm";
  view.selection = kHi193Row;
  ResolveCommand(view);
  int pauses = 0;
  for (const auto& call : view.Calls()) {
    if (call.kind == ViewCallKind::Pause) {
      EXPECT_EQ(call.number, 100);
      ++pauses;
    }
  }
  EXPECT_EQ(pauses, 2);
}

// Row 4 pauses between its title and its check; the user picks another site
// meanwhile.
TEST_F(ResolveCommandTest, HigherRowPickedDuringPauseRunsAfterTheFirst) {
  view.url = kAddress3378;
  view.selection = k3378Row;
  view.OnPause(1, [](RecordingView& v) {
    v.selection = kCcc333Row;
    v.url = kAddressCcc333;
  });
  ResolveCommand(view);
  EXPECT_THAT(web.requested, ElementsAre(kAddress3378, kAddressCcc333));
  EXPECT_EQ(view.title, "T11");
  EXPECT_EQ(view.download, "http://a/11.mp3");
}

TEST_F(ResolveCommandTest, LowerRowPickedDuringPauseDoesNotRun) {
  view.url = kAddress3378;
  view.selection = k3378Row;
  view.OnPause(1, [](RecordingView& v) { v.selection = k92ccRow; });
  ResolveCommand(view);
  EXPECT_THAT(web.requested, ElementsAre(kAddress3378));
  EXPECT_EQ(view.download, "http://a/4.mp3");
}

TEST_F(ResolveCommandTest, HigherRowPickedDuringPauseDoesNotRunAfterAFailedCheck) {
  view.url = kAddressCcc333;
  view.selection = k3378Row;
  view.OnPause(1, [](RecordingView& v) { v.selection = kCcc333Row; });
  ResolveCommand(view);
  EXPECT_THAT(web.requested, ElementsAre(kAddressCcc333));
  EXPECT_THAT(view.Notices(), ElementsAre(kWrongSite));
  EXPECT_EQ(view.download, "old download");
}

// A second press during a pause runs a whole resolve inside it; the paused
// run then goes on, and its later writes win.
TEST_F(ResolveCommandTest, NestedRunDuringPauseEndsBeforeThePausedRunGoesOn) {
  web.pages["http://www.3378dj.com/play/2.html"] =
      "<title>N</title>3378 ,'1','url','http://a/nested.mp3','showaudiocontrols'";
  view.url = kAddress3378;
  view.selection = k3378Row;
  view.OnPause(1, [](RecordingView& v) {
    v.url = "http://www.3378dj.com/play/2.html";
    ResolveCommand(v);
    EXPECT_EQ(v.title, "N");
    EXPECT_EQ(v.download, "http://a/nested.mp3");
  });
  ResolveCommand(view);
  EXPECT_THAT(web.requested, ElementsAre(kAddress3378, "http://www.3378dj.com/play/2.html"));
  EXPECT_EQ(view.PauseCount(), 2);
  EXPECT_EQ(view.title, "N") << "the paused run wrote its title before the pause";
  EXPECT_EQ(view.download, "http://a/4.mp3");
}

// hi193 pauses before its title and before its second download.
class ClosedDuringPauseTest : public ResolveCommandTest,
                              public ::testing::WithParamInterface<int> {};

TEST_P(ClosedDuringPauseTest, RunEndsAtOnceWithoutTouchingTheView) {
  const std::string page = "<title>T0</title>hi193 <param name=\"url\" value=\"get/1\">";
  web.pages["http://www.hi193.com/play/1.htm"] = page;
  web.pages["http://www.hi193.com/get/1"] = "http://a/0.mp3";
  view.url = "http://www.hi193.com/play/1.htm";
  view.selection = kHi193Row;
  view.CloseOnPause(GetParam());
  ResolveCommand(view);
  EXPECT_EQ(view.Calls().back().kind, ViewCallKind::Pause);
  EXPECT_EQ(view.PauseCount(), GetParam());
  EXPECT_THAT(web.requested, ElementsAre("http://www.hi193.com/play/1.htm"));
  EXPECT_EQ(view.download, "old download");
}

INSTANTIATE_TEST_SUITE_P(FirstAndSecondPause, ClosedDuringPauseTest, ::testing::Values(1, 2));

TEST_F(ResolveCommandTest, WindowClosedDuringANestedRunEndsBothRuns) {
  view.url = kAddress3378;
  view.selection = k3378Row;
  view.OnPause(1, [](RecordingView& v) { ResolveCommand(v); });
  view.CloseOnPause(2);
  ResolveCommand(view);
  EXPECT_EQ(view.Calls().back().kind, ViewCallKind::Pause);
  EXPECT_THAT(web.requested, ElementsAre(kAddress3378, kAddress3378));
  EXPECT_EQ(view.download, "old download");
}

}  // namespace
}  // namespace tunelark
