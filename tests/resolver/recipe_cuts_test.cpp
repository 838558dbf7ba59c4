// What each recipe cuts out of pages and scripts that lack markers, carry
// placeholders or quotes, or fail to download.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fake_web.h"
#include "recording_view.h"
#include "resolver/resolve_command.h"
#include "resolver/site_table.h"

namespace tunelark {
namespace {

using testing::FakeWeb;
using testing::RecordingView;

constexpr char kPlay[] = "http://play.test/1.htm";
constexpr char k92ccScript[] = "http://static.92cc.com/mp/mp.js";
constexpr char kDj97Script[] = "http://www.dj97.com/common/player.js";
constexpr char kHcdjScript[] = "http://www.hcdj.com/play/playwma.js";
constexpr char kDj520Script[] = "http://www.dj520.com/js/djcode.js";
constexpr char k9kuScript[] = "http://dz.9ku.com/";
constexpr char kMydj99Script[] = "http://cache.mydj99.com/script/server.js";
constexpr char kDjrrrPage[] = "djrrr <param name=\"src\" value=\"list/3.xml\"><param name=\"a\">";
constexpr char kDjrrrList[] = "http://www.djrrr.com/list/3.xml";
constexpr char kMark[] = "<copyright>cd_webname - cd_weburl</copyright>";

struct CutCase {
  const char* name;
  int row;
  std::map<std::string, std::string, std::less<>> pages;  // the play page at kPlay
  std::string download;
  std::vector<std::string> requested;
};

void PrintTo(const CutCase& cutCase, std::ostream* out) { *out << cutCase.name; }

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) {
    text += part;
  }
  return text;
}

const CutCase kCases[] = {
    // hi193: the answer of the second address goes into Download whole.
    {"Hi193AnswerKeptWhole",
     kHi193Row,
     {{kPlay, "hi193 <param name=\"url\" value=\"get?id=1\">"},
      {"http://www.hi193.com/get?id=1", "http://a/0.mp3\r\n"}},
     "http://a/0.mp3\r\n",
     {kPlay, "http://www.hi193.com/get?id=1"}},
    {"Hi193WithoutValueAsksTheBareBase",
     kHi193Row,
     {{kPlay, "hi193"}, {"http://www.hi193.com/", "<html>front page</html>"}},
     "<html>front page</html>",
     {kPlay, "http://www.hi193.com/"}},

    // 92cc and dj97 put the file value into every placeholder of a template.
    {"Template92ccEveryPlaceholder",
     k92ccRow,
     {{kPlay, "92cc var danceFilePath = \"d/2\";"},
      {k92ccScript, "ipadbg.png\" src=\"http://m/'+file+'.mp4?f='+file+'\" type=\"video/mp4\" "}},
     "http://m/d/2.mp4?f=d/2",
     {kPlay, k92ccScript}},
    {"Template92ccWithoutPlaceholder",
     k92ccRow,
     {{kPlay, "92cc var danceFilePath = \"d/2\";"},
      {k92ccScript, "ipadbg.png\" src=\"http://m/fixed.mp4\" type=\"video/mp4\" "}},
     "http://m/fixed.mp4",
     {kPlay, k92ccScript}},
    {"Template92ccEmptyFileValue",
     k92ccRow,
     {{kPlay, "92cc"}, {k92ccScript, "ipadbg.png\" src=\"http://m/'+file+'.mp4\" type=\"video/mp4\" "}},
     "http://m/.mp4",
     {kPlay, k92ccScript}},
    {"Template92ccEndMarkerNeedsItsBlank",
     k92ccRow,
     {{kPlay, "92cc var danceFilePath = \"d/2\";"},
      {k92ccScript, "ipadbg.png\" src=\"http://m/'+file+'.mp4\" type=\"video/mp4\">"}},
     "",
     {kPlay, k92ccScript}},
    {"Template92ccScriptFailed",
     k92ccRow,
     {{kPlay, "92cc var danceFilePath = \"d/2\";"}},
     "",
     {kPlay, k92ccScript}},
    {"TemplateDj97DropsOnlySingleQuotes",
     kDj97Row,
     {{kPlay, "dj97 var dance_file = 'a\"b'c';"},
      {kDj97Script, "bg.png\" src=\"http://m/'+file+'/'+file+'\" type=\"video/mp4\""}},
     "http://m/a\"bc/a\"bc",
     {kPlay, kDj97Script}},
    {"TemplateDj97ScriptFailed", kDj97Row, {{kPlay, "dj97 var dance_file = '6';"}}, "", {kPlay, kDj97Script}},

    // The prefix sites join the script's prefix and the page's value.
    {"PrefixHcdjDropsDoubleQuotesFromBoth",
     kHcdjRow,
     {{kPlay, "hcdj var url=\"/p/\"5\".wma\";"}, {kHcdjScript, "s_hcdjstr=\"http://h\"+\"ost\";//"}},
     "http://h+ost/p/5.wma",
     {kPlay, kHcdjScript}},
    {"PrefixHcdjKeepsSingleQuotes",
     kHcdjRow,
     {{kPlay, "hcdj var url='/p/5.wma';"}, {kHcdjScript, "s_hcdjstr=\"http://h\";//"}},
     "http://h'/p/5.wma'",
     {kPlay, kHcdjScript}},
    {"PrefixHcdjScriptFailedGivesBareValue",
     kHcdjRow,
     {{kPlay, "hcdj var url=\"/p/5.wma\";"}},
     "/p/5.wma",
     {kPlay, kHcdjScript}},
    {"PrefixDj520KeepsBlanksAndQuotes",
     kDj520Row,
     {{kPlay, "dj520 var listen_url = surl+\" a'b \";"},
      {kDj520Script, "var str=new Array(\" http://m/ \",\"http://n/\");"}},
     " http://m/  a'b ",
     {kPlay, kDj520Script}},
    {"Prefix9ku",
     k9kuRow,
     {{kPlay, "9ku firstplay=DzUrl+\"/9.mp3\";}"}, {k9kuScript, "var DzUrl=\"http://m\";"}},
     "http://m/9.mp3",
     {kPlay, k9kuScript}},
    {"PrefixMydj99ValueMissingGivesBarePrefix",
     kMydj99Row,
     {{kPlay, "mydj99"}, {kMydj99Script, "var strFile = \"http://m/\";"}},
     "http://m/",
     {kPlay, kMydj99Script}},

    // Single-page sites.
    {"Only3378MarkersMissing", k3378Row, {{kPlay, "3378"}}, "", {kPlay}},
    {"Ccc333MarkersMissing", kCcc333Row, {{kPlay, "ccc333 var righturl=\"x\""}}, "", {kPlay}},
    {"MixdjMarkersMissingGivesBarePrefix", kMixdjRow, {{kPlay, "mixdj"}}, "http://www.mixdj.com/", {kPlay}},
    {"MvpdjMarkersMissingGivesBarePrefix", kMvpdjRow, {{kPlay, "mvpdj"}}, "http://www.mvpdj.com", {kPlay}},
    {"MvpdjValueFollowsTheHost",
     kMvpdjRow,
     {{kPlay, "mvpdj {\"id\":1,\"url\":\"/u/8.mp3\",\"time\":\"1\"}"}},
     "http://www.mvpdj.com/u/8.mp3",
     {kPlay}},

    // djrrr: a split short of the piece it takes ends the cut with nothing,
    // and no playlist is asked for a path never found.
    {"DjrrrPlaylist",
     kDjrrrRow,
     {{kPlay, kDjrrrPage},
      {kDjrrrList, Concat({"<asx>", kMark, "<ref href=\"skip\" />", kMark, "\n<ref href=\"http://a/3.mp3\" /><ref href=\"b\" />"})}},
     "http://a/3.mp3",
     {kPlay, kDjrrrList}},
    {"DjrrrSongEntryRunsToTheEndWithoutAThirdMark",
     kDjrrrRow,
     {{kPlay, kDjrrrPage}, {kDjrrrList, Concat({kMark, kMark, "<ref href=\"http://a/3.mp3\""})}},
     "http://a/3.mp3",
     {kPlay, kDjrrrList}},
    {"DjrrrNoParamTag", kDjrrrRow, {{kPlay, "djrrr <object></object>"}}, "", {kPlay}},
    {"DjrrrParamTagWithoutValue", kDjrrrRow, {{kPlay, "djrrr <param name=\"src\"><p>"}}, "", {kPlay}},
    {"DjrrrBlanksAfterTheTagStayInThePath",
     kDjrrrRow,
     {{kPlay, "djrrr <param name=\"src\" value=\"list/3.xml\">\r\n  <param name=\"a\">"}},
     "",
     {kPlay, "http://www.djrrr.com/list/3.xml\r\n  "}},
    {"DjrrrPlaylistFailed", kDjrrrRow, {{kPlay, kDjrrrPage}}, "", {kPlay, kDjrrrList}},
    {"DjrrrPlaylistWithOneMark",
     kDjrrrRow,
     {{kPlay, kDjrrrPage}, {kDjrrrList, Concat({kMark, "<ref href=\"http://a/3.mp3\" />"})}},
     "",
     {kPlay, kDjrrrList}},
    {"DjrrrSongEntryEmpty", kDjrrrRow, {{kPlay, kDjrrrPage}, {kDjrrrList, Concat({kMark, kMark, kMark})}}, "", {kPlay, kDjrrrList}},
    {"DjrrrSongEntryWithoutRef",
     kDjrrrRow,
     {{kPlay, kDjrrrPage}, {kDjrrrList, Concat({kMark, kMark, "<entry /><ref href=\"late\" />"})}},
     "",
     {kPlay, kDjrrrList}},
};

class RecipeCutsTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(RecipeCutsTest, WritesWhatItCuts) {
  const CutCase& cutCase = GetParam();
  FakeWeb web;
  web.pages = cutCase.pages;
  RecordingView view;
  view.url = kPlay;
  view.selection = cutCase.row;
  view.download = "old download";
  ResolveCommand(view);
  EXPECT_TRUE(view.Notices().empty());
  EXPECT_EQ(view.download, cutCase.download);
  EXPECT_EQ(web.requested, cutCase.requested);
}

INSTANTIATE_TEST_SUITE_P(Rows, RecipeCutsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A short split still completes the recipe, so the rows after it are tested.
TEST(DjrrrShortSplitTest, CompletesAndLetsAHigherRowRun) {
  FakeWeb web;
  web.pages[kPlay] = "djrrr";
  web.pages["http://play.test/11.htm"] = "<title>T11</title>ccc333 var righturl=\"http://a/11.mp3\";</script>";
  RecordingView view;
  view.url = kPlay;
  view.selection = kDjrrrRow;
  view.OnPause(1, [](RecordingView& v) {
    v.selection = kCcc333Row;
    v.url = "http://play.test/11.htm";
  });
  ResolveCommand(view);
  EXPECT_EQ(view.download, "http://a/11.mp3");
}

TEST(Dj97TitleTest, ComesFromTheScriptVariableNotTheHtmlTitle) {
  FakeWeb web;
  web.pages[kPlay] = "<title>Site</title>dj97 var dance_name = 'Song'; var dance_file = '6';";
  RecordingView view;
  view.url = kPlay;
  view.selection = kDj97Row;
  ResolveCommand(view);
  EXPECT_EQ(view.title, "Song");
}

TEST(TemplateScriptTest, Row92ccDownloadsItsScriptOnEveryRun) {
  FakeWeb web;
  web.pages[kPlay] = "92cc";
  RecordingView view;
  view.url = kPlay;
  view.selection = k92ccRow;
  ResolveCommand(view);
  ResolveCommand(view);
  EXPECT_EQ(web.requested, (std::vector<std::string>{kPlay, k92ccScript, kPlay, k92ccScript}));
}

}  // namespace
}  // namespace tunelark
