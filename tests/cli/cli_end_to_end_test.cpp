// tunelark-cli as a user runs it: the built program as a child process,
// talking to the loopback fixture of the thirteen sites through http_proxy.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "child_process.h"
#include "fixture_site.h"
#include "text/code_page.h"

#ifndef TUNELARK_CLI_PATH
#error "TUNELARK_CLI_PATH must name the built tunelark-cli"
#endif

namespace tunelark {
namespace {

using ::testing::AllOf;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;
using testing::ChildResult;
using testing::FixtureRow;
using testing::FixtureSite;

constexpr int kMixdjRow = 7;
constexpr int kCcc333Row = 11;

// UTF-8 of texts the program holds in GBK, written out here so that the
// expectations do not go through the conversion under test.
constexpr const char* kSongNameUtf8 = "\xe6\xad\x8c\xe5\x90\x8d";  // 歌名
constexpr const char* kSongNameGbk = "\xB8\xE8\xC3\xFB";           // 歌名
// "你输入的不是你选择的地址"
constexpr const char* kWrongSiteUtf8 =
    "\xe4\xbd\xa0\xe8\xbe\x93\xe5\x85\xa5\xe7\x9a\x84\xe4\xb8\x8d\xe6\x98\xaf\xe4\xbd\xa0\xe9\x80\x89\xe6\x8b\xa9"
    "\xe7\x9a\x84\xe5\x9c\xb0\xe5\x9d\x80";
// "无法解析的网站。\r\n因网站编码一直变动所以不予以更新"
constexpr const char* kRetiredUtf8Line1 =
    "\xe6\x97\xa0\xe6\xb3\x95\xe8\xa7\xa3\xe6\x9e\x90\xe7\x9a\x84\xe7\xbd\x91\xe7\xab\x99\xe3\x80\x82";
constexpr const char* kRetiredUtf8Line2 =
    "\xe5\x9b\xa0\xe7\xbd\x91\xe7\xab\x99\xe7\xbc\x96\xe7\xa0\x81\xe4\xb8\x80\xe7\x9b\xb4\xe5\x8f\x98\xe5\x8a\xa8"
    "\xe6\x89\x80\xe4\xbb\xa5\xe4\xb8\x8d\xe4\xba\x88\xe4\xbb\xa5\xe6\x9b\xb4\xe6\x96\xb0";
// "直接复制到迅雷下载文件名修改为xxx.mp3即可"
constexpr const char* kMixdjNoticeUtf8 =
    "\xe7\x9b\xb4\xe6\x8e\xa5\xe5\xa4\x8d\xe5\x88\xb6\xe5\x88\xb0\xe8\xbf\x85\xe9\x9b\xb7\xe4\xb8\x8b\xe8\xbd\xbd"
    "\xe6\x96\x87\xe4\xbb\xb6\xe5\x90\x8d\xe4\xbf\xae\xe6\x94\xb9\xe4\xb8\xbaxxx.mp3\xe5\x8d\xb3\xe5\x8f\xaf";
constexpr const char* kMixdjNoticeTitleUtf8 = "\xe5\x8f\xaa\xe6\x8f\x90\xe7\xa4\xba\xe4\xb8\x80\xe6\xac\xa1";  // 只提示一次
constexpr const char* kDefaultTitleUtf8 = "\xe4\xbf\xa1\xe6\x81\xaf\xef\xbc\x9a";  // 信息：
constexpr const char* kEmptyAddressUtf8 = "\xe6\xb2\xa1\xe8\xbe\x93\xe5\x85\xa5\xe4\xb8\x9c\xe8\xa5\xbf...";  // 没输入东西...

// A ccc333 play page served in place of a file, with a GBK title.
constexpr const char* kGbkPage = "http://www.ccc333.com/play/gbk-title.html";
constexpr const char* kGbkDownload = "http://mp3.ccc333.com/2024/gbk-title.mp3";

std::string Ccc333Page(std::string_view title, std::string_view download) {
  return "<html><head><title>" + std::string(title) + "</title></head><body>ccc333\n<script>var righturl=\"" +
         std::string(download) + "\";</script></body></html>";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { site_.Serve(kGbkPage, Ccc333Page(kSongNameGbk, kGbkDownload)); }

  ChildResult Cli(const std::vector<std::string>& arguments, const std::string& input = {}) {
    ChildResult result =
        testing::RunChild(TUNELARK_CLI_PATH, arguments,
                          testing::EnvironmentWithoutProxies({"http_proxy=" + site_.ProxyUrl()}), input,
                          std::chrono::seconds(60));
    EXPECT_FALSE(result.timedOut);
    return result;
  }

  FixtureSite site_;
};

// --- output modes ---------------------------------------------------------

struct ModeCase {
  std::vector<std::string> flags;
  std::string out;
};

void PrintTo(const ModeCase& mode, std::ostream* os) { *os << ::testing::PrintToString(mode.flags); }

class CliOutputModeTest : public CliTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(CliOutputModeTest, PrintsTheGbkTitleAsUtf8) {
  std::vector<std::string> arguments = GetParam().flags;
  arguments.emplace_back(kGbkPage);
  const ChildResult result = Cli(arguments);
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.out, GetParam().out);
  EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    PlainModes, CliOutputModeTest,
    ::testing::Values(
        ModeCase{{}, std::string("Title: ") + kSongNameUtf8 + "\nDownload: " + kGbkDownload + "\n"},
        ModeCase{{"-g"}, std::string(kGbkDownload) + "\n"},
        ModeCase{{"--get-url"}, std::string(kGbkDownload) + "\n"},
        ModeCase{{"-e"}, std::string(kSongNameUtf8) + "\n"},
        ModeCase{{"-e", "-g"}, std::string(kSongNameUtf8) + "\n" + kGbkDownload + "\n"},
        ModeCase{{"-g", "--get-title"}, std::string(kSongNameUtf8) + "\n" + kGbkDownload + "\n"},
        ModeCase{{"--site", "ccc333", "-g"}, std::string(kGbkDownload) + "\n"},
        ModeCase{{"--site", "11", "-g"}, std::string(kGbkDownload) + "\n"}));

TEST_F(CliTest, JsonRecordCarriesTheSiteAndTheUtf8Texts) {
  const ChildResult result = Cli({"-j", kGbkPage});
  EXPECT_EQ(result.exitStatus, 0);
  ASSERT_THAT(result.out, EndsWith("}\n"));
  ASSERT_EQ(Lines(result.out).size(), 1U);
  const auto record = nlohmann::json::parse(result.out);
  EXPECT_EQ(record, nlohmann::json::parse(std::string(R"({"address":")") + kGbkPage + R"(","site":"ccc333","title":")" +
                                         kSongNameUtf8 + R"(","download":")" + kGbkDownload +
                                         R"(","ok":true,"notices":[]})"));
  // The keys come in a fixed order, the order a reader of the line expects.
  EXPECT_THAT(result.out, StartsWith(R"({"address":)"));
}

TEST_F(CliTest, EverySiteOfTheFixtureIsTakenFromItsHostAndResolves) {
  std::vector<std::string> arguments{"--json"};
  std::vector<int> rows;
  for (int row = 0; row < static_cast<int>(FixtureSite::kRowCount); ++row) {
    if (!FixtureSite::Row(row).resolves) continue;
    arguments.push_back(FixtureSite::Row(row).playPage);
    rows.push_back(row);
  }
  const ChildResult result = Cli(arguments);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), rows.size()) << result.out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const FixtureRow& row = FixtureSite::Row(rows[i]);
    const auto record = nlohmann::json::parse(lines[i]);
    EXPECT_EQ(record["address"], row.playPage);
    EXPECT_EQ(record["title"], DisplayUtf8(row.title)) << row.playPage;
    EXPECT_EQ(record["download"], DisplayUtf8(row.download)) << row.playPage;
    EXPECT_EQ(record["ok"], true) << row.playPage;
    EXPECT_NE(record["site"], "") << row.playPage;
  }
}

TEST_F(CliTest, LineBreaksAndEscapesInAPageStayInsideTheirRecord) {
  const std::string address = "http://www.ccc333.com/play/broken-title.html";
  site_.Serve(address, Ccc333Page("one\r\ntwo\x1B[2J", kGbkDownload));
  const ChildResult plain = Cli({address});
  EXPECT_EQ(plain.out, std::string("Title: one  two [2J\nDownload: ") + kGbkDownload + "\n");
  const ChildResult json = Cli({"-j", address});
  EXPECT_EQ(nlohmann::json::parse(json.out)["title"], "one\r\ntwo\x1B[2J");
  EXPECT_THAT(json.out, AllOf(HasSubstr(R"(one\r\ntwo\u001b[2J)"), EndsWith("}\n")));
  EXPECT_EQ(Lines(json.out).size(), 1U);
}

// A page's bytes reach the output whatever they are: invalid GBK, invalid
// UTF-8, binary, a zero byte. Plain output stays valid UTF-8 and JSON stays
// parseable (the parser rejects invalid UTF-8 in a string).
struct HostileTitleCase {
  const char* name;
  std::string title;
};

class CliHostilePageTest : public CliTest, public ::testing::WithParamInterface<HostileTitleCase> {};

TEST_P(CliHostilePageTest, OutputStaysValidUtf8) {
  const std::string address = "http://www.ccc333.com/play/hostile.html";
  site_.Serve(address, Ccc333Page(GetParam().title, kGbkDownload));
  const ChildResult plain = Cli({address});
  EXPECT_TRUE(IsValidUtf8(plain.out)) << ::testing::PrintToString(plain.out);
  EXPECT_THAT(plain.out, HasSubstr(std::string("Download: ") + kGbkDownload + "\n"));
  const ChildResult json = Cli({"-j", address});
  ASSERT_EQ(Lines(json.out).size(), 1U);
  const nlohmann::json record = nlohmann::json::parse(json.out);
  EXPECT_TRUE(IsValidUtf8(record["title"].get<std::string>()));
  EXPECT_EQ(record["download"], kGbkDownload);
}

std::string BinaryBytes() {
  std::string bytes;
  for (int i = 1; i < 256; ++i) bytes += static_cast<char>((i * 167) % 255 + 1);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Titles, CliHostilePageTest,
    ::testing::Values(HostileTitleCase{"InvalidGbk", "\x80\xFF\xFE\xA1"},
                      HostileTitleCase{"InvalidUtf8", "\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80"},
                      HostileTitleCase{"LoneLeadByteAtEnd", "abc\xB0"},
                      HostileTitleCase{"Binary", BinaryBytes()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, AZeroByteEndsThePageText) {
  const std::string address = "http://www.ccc333.com/play/zero.html";
  site_.Serve(address, Ccc333Page(std::string("a\0b", 3), kGbkDownload));
  const ChildResult result = Cli({"-j", address});
  EXPECT_EQ(result.exitStatus, 1);
  const nlohmann::json record = nlohmann::json::parse(result.out);
  EXPECT_EQ(record["title"], "");
  EXPECT_EQ(record["ok"], false);
}

// --- site list ------------------------------------------------------------

TEST_F(CliTest, ListSitesGivesIndexKeyAndLabel) {
  const ChildResult plain = Cli({"--list-sites"});
  EXPECT_EQ(plain.exitStatus, 0);
  const std::vector<std::string> lines = Lines(plain.out);
  ASSERT_EQ(lines.size(), 13U);
  EXPECT_EQ(lines[1], "1\tdjkk\tdjkk - dj\xe5\x97\xa8\xe5\x97\xa8\xe7\xbd\x91\xe5\x81\x9c\xe6\xad\xa2\xe8\xa7\xa3\xe6\x9e\x90");  // dj嗨嗨网停止解析
  EXPECT_EQ(lines[3], "3\tdjrrr\tdjrrr");
  EXPECT_THAT(lines[12], StartsWith("12\tmydj99\tmydj99 "));

  const ChildResult json = Cli({"--list-sites", "-j"});
  EXPECT_EQ(json.exitStatus, 0);
  ASSERT_EQ(Lines(json.out).size(), 1U);
  const auto list = nlohmann::json::parse(json.out);
  ASSERT_EQ(list.size(), 13U);
  for (std::size_t row = 0; row < list.size(); ++row) {
    const std::string key = list[row]["key"].get<std::string>();
    const std::string label = list[row]["label"].get<std::string>();
    EXPECT_EQ(list[row]["index"], row);
    EXPECT_EQ(lines[row], std::to_string(row) + "\t" + key + "\t" + label);
  }
}

// --- notices and failures -------------------------------------------------

TEST_F(CliTest, MixdjNoticeComesOncePerProcess) {
  const std::string page = FixtureSite::Row(kMixdjRow).playPage;
  const std::string notice = std::string("tunelark-cli: ") + kMixdjNoticeUtf8 + "\n";
  const ChildResult result = Cli({"-j", page, page});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.err, notice);
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(nlohmann::json::parse(lines[0])["notices"],
            nlohmann::json::parse(std::string(R"([{"text":")") + kMixdjNoticeUtf8 + R"(","title":")" +
                                  kMixdjNoticeTitleUtf8 + R"(","icon":"information"}])"));
  EXPECT_EQ(nlohmann::json::parse(lines[1])["notices"], nlohmann::json::array());

  // A new process is a new start: the notice is due again.
  EXPECT_EQ(Cli({"-g", page}).err, notice);
}

struct FailureCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string failedAddress;
  std::string notice;  // the notice line before the failure line, if any
};

void PrintTo(const FailureCase& failure, std::ostream* os) { *os << failure.name; }

class CliFailureTest : public CliTest, public ::testing::WithParamInterface<FailureCase> {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    site_.Serve("http://www.ccc333.com/play/no-markers.html", "<title>t</title> ccc333, but no address");
    site_.Serve("http://www.mixdj.com/play/no-file.html", "<title>t</title> mixdj, but no file");
  }
};

TEST_P(CliFailureTest, ExitsOneAndNamesTheAddress) {
  const FailureCase& failure = GetParam();
  const ChildResult result = Cli(failure.arguments);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, failure.notice + "tunelark-cli: no audio address found in " + failure.failedAddress + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, CliFailureTest,
    ::testing::Values(
        FailureCase{"PageOfAnotherSite",
                    {"-g", "--site", "ccc333", FixtureSite::Row(kMixdjRow).playPage},
                    FixtureSite::Row(kMixdjRow).playPage,
                    std::string("tunelark-cli: ") + kWrongSiteUtf8 + "\n"},
        FailureCase{"MissingMarkers",
                    {"-g", "http://www.ccc333.com/play/no-markers.html"},
                    "http://www.ccc333.com/play/no-markers.html",
                    ""},
        // The recipe leaves the bare site address, which is no audio file,
        // and still gives its one-time notice.
        FailureCase{"BareSiteAddress",
                    {"-g", "http://www.mixdj.com/play/no-file.html"},
                    "http://www.mixdj.com/play/no-file.html",
                    std::string("tunelark-cli: ") + kMixdjNoticeUtf8 + "\n"},
        FailureCase{"NoSuchPage",
                    {"-g", "http://www.ccc333.com/play/missing.html"},
                    "http://www.ccc333.com/play/missing.html",
                    std::string("tunelark-cli: ") + kWrongSiteUtf8 + "\n"},
        FailureCase{"RetiredSite",
                    {"-g", "http://www.djkk.com/play/1.html"},
                    "http://www.djkk.com/play/1.html",
                    std::string("tunelark-cli: ") + kRetiredUtf8Line1 + "\n" + kRetiredUtf8Line2 + "\n"},
        FailureCase{"EmptyAddress", {"-g", "--site", "11", ""}, "", std::string("tunelark-cli: ") + kEmptyAddressUtf8 + "\n"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(CliTest, OneFailureAmongSeveralStillPrintsEveryRecord) {
  const std::string good = FixtureSite::Row(kCcc333Row).playPage;
  const std::string wrong = FixtureSite::Row(kMixdjRow).playPage;
  const ChildResult result = Cli({"-j", "--site", "ccc333", good, wrong, good});
  EXPECT_EQ(result.exitStatus, 1);
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_EQ(nlohmann::json::parse(lines[0])["ok"], true);
  const auto failed = nlohmann::json::parse(lines[1]);
  EXPECT_EQ(failed["ok"], false);
  EXPECT_EQ(failed["download"], "");
  EXPECT_EQ(failed["notices"], nlohmann::json::parse(std::string(R"([{"text":")") + kWrongSiteUtf8 +
                                                     R"(","title":"Error","icon":"stop"}])"));
  EXPECT_EQ(nlohmann::json::parse(lines[2])["ok"], true);
}

TEST_F(CliTest, RetiredSiteNoticeHasTheDefaultTitleAndNoIcon) {
  const ChildResult result = Cli({"-j", "http://www.djkk.com/play/1.html"});
  EXPECT_EQ(nlohmann::json::parse(result.out)["notices"],
            nlohmann::json::parse(std::string(R"([{"text":")") + kRetiredUtf8Line1 + R"(\r\n)" + kRetiredUtf8Line2 +
                                  R"(","title":")" + kDefaultTitleUtf8 + R"(","icon":"none"}])"));
  EXPECT_THAT(site_.RequestedAddresses(), IsEmpty());
}

// --- usage errors ---------------------------------------------------------

struct UsageCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string reason;  // expected within the one line on standard error
};

void PrintTo(const UsageCase& usage, std::ostream* os) { *os << usage.name; }

class CliUsageTest : public CliTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsageTest, ExitsTwoWithOneLineAndFetchesNothing) {
  const ChildResult result = Cli(GetParam().arguments);
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_THAT(result.err, AllOf(StartsWith("tunelark-cli: "), HasSubstr(GetParam().reason), EndsWith(" (try --help)\n")));
  EXPECT_EQ(Lines(result.err).size(), 1U) << result.err;
  EXPECT_THAT(site_.RequestedAddresses(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliUsageTest,
    ::testing::Values(
        UsageCase{"UnknownSite", {"--site", "x", kGbkPage}, "unknown site 'x'"},
        UsageCase{"SiteIndexTooHigh", {"--site", "13", kGbkPage}, "unknown site '13'"},
        UsageCase{"NoAddress", {}, "no address given"},
        UsageCase{"NoAddressInBatch", {"-a", "/dev/null"}, "no address given"},
        UsageCase{"UrlWithJson", {"-g", "-j", kGbkPage}, "--json"},
        UsageCase{"TitleWithJson", {"-e", "-j", kGbkPage}, "--json"},
        UsageCase{"ListSitesWithAddress", {"--list-sites", kGbkPage}, "--list-sites"},
        UsageCase{"UnknownOption", {"--frobnicate", kGbkPage}, "frobnicate"},
        UsageCase{"UnreadableBatchFile", {"-a", "/nonexistent/batch.txt"}, "cannot read batch file '/nonexistent/batch.txt'"},
        // the host names two keys; the good address before it is not run either
        UsageCase{"AmbiguousHost", {kGbkPage, "http://dj97.9ku.com/play/1.html"}, "more than one key (dj97, 9ku)"},
        UsageCase{"HostNamesNoSite", {"http://www.example.com/ccc333/1.html"}, "none of the keys hi193, djkk"},
        UsageCase{"HostlessAddress", {""}, "cannot tell the site of ''"}),
    [](const ::testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

TEST_F(CliTest, HelpAndVersionExitZero) {
  const ChildResult version = Cli({"--version"});
  EXPECT_EQ(version.exitStatus, 0);
  EXPECT_EQ(version.out, "tunelark-cli " TUNELARK_VERSION "\n");

  const ChildResult help = Cli({"--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_THAT(help.out, AllOf(HasSubstr("--site"), HasSubstr("--batch-file"), HasSubstr("mydj99")));
  EXPECT_EQ(help.err, "");
}

// --- batch lists ----------------------------------------------------------

class CliBatchTest : public CliTest {
 protected:
  void TearDown() override {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  std::string WriteBatchFile(const std::string& content) {
    char name[] = "/tmp/tunelark-cli-batch-XXXXXX";
    const int fd = mkstemp(name);
    EXPECT_GE(fd, 0);
    if (fd >= 0) close(fd);
    path_ = name;
    std::ofstream(path_, std::ios::binary) << content;
    return path_;
  }

  const std::string batch_ = std::string("# songs to fetch\r\n\r\n") + FixtureSite::Row(kCcc333Row).playPage +
                             "\r\n   \n" + kGbkPage + "\n";
  std::string path_;
};

TEST_F(CliBatchTest, FileAddressesFollowTheCommandLineOnes) {
  const ChildResult result = Cli({"-g", FixtureSite::Row(kMixdjRow).playPage, "-a", WriteBatchFile(batch_)});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(Lines(result.out), (std::vector<std::string>{FixtureSite::Row(kMixdjRow).download,
                                                        FixtureSite::Row(kCcc333Row).download, kGbkDownload}));
}

TEST_F(CliBatchTest, DashReadsStandardInput) {
  const ChildResult result = Cli({"--batch-file", "-", "-e", "-g"}, batch_);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(Lines(result.out),
            (std::vector<std::string>{DisplayUtf8(FixtureSite::Row(kCcc333Row).title),
                                      FixtureSite::Row(kCcc333Row).download, kSongNameUtf8, kGbkDownload}));
}

}  // namespace
}  // namespace tunelark
