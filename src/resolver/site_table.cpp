#include "resolver/site_table.h"

#include "resolver/joined_text.h"
#include "resolver/site_hosts.h"
#include "resolver/sites/site_recipes.h"

namespace tunelark {
namespace {

constexpr std::string_view kTitleStart = "<title>";
constexpr std::string_view kTitleEnd = "</title>";

// Labels that carry a site's domain name, joined at compile time.
constexpr std::string_view k3378LabelTail =
    " \xCF\xD6\xD4\xDA\xB2\xE2\xCA\xD4\xD3\xD0\xD0\xA7\xBF\xC9\xCF\xC2\xD4\xD8";  // " 现在测试有效可下载"
constexpr std::string_view kMvpdjLabelHead = "MVPDJ\xD2\xF4\xC0\xD6\xCD\xF8(";  // "MVPDJ音乐网("
constexpr std::string_view kMvpdjLabelTail =
    ") - \xB7\xA2\xCF\xD6\xD2\xF4\xC0\xD6 \xB7\xD6\xCF\xED\xBF\xEC\xC0\xD6";  // ") - 发现音乐 分享快乐"
constexpr std::string_view kMydj99LabelHead =
    "mydj99 \xD7\xEE\xBA\xC3\xCC\xFD\xB5\xC4"
    "DJ\xCE\xE8\xC7\xFA\xCD\xF8\xD5\xBE-";  // "mydj99 最好听的DJ舞曲网站-"

}  // namespace

constinit const std::array<SiteRow, kSiteCount> SiteTable = {{
    {// "hi193  - 如果不知道地址请自行百度，谢谢"
     "hi193  - \xC8\xE7\xB9\xFB\xB2\xBB\xD6\xAA\xB5\xC0\xB5\xD8\xD6\xB7\xC7\xEB\xD7\xD4\xD0\xD0"
     "\xB0\xD9\xB6\xC8\xA3\xAC\xD0\xBB\xD0\xBB",
     "hi193", kTitleStart, kTitleEnd, "hi193", ResolveHi193},
    {// "djkk - dj嗨嗨网停止解析"; retired: no page is fetched, so nothing to check or cut
     "djkk - dj\xE0\xCB\xE0\xCB\xCD\xF8\xCD\xA3\xD6\xB9\xBD\xE2\xCE\xF6", "", "", "", "djkk",
     ResolveDjkk},
    {// "92cc - 轮回舞曲网 解析"
     "92cc - \xC2\xD6\xBB\xD8\xCE\xE8\xC7\xFA\xCD\xF8 \xBD\xE2\xCE\xF6", "92cc", kTitleStart,
     kTitleEnd, "92cc", Resolve92cc},
    {"djrrr", "djrrr", kTitleStart, kTitleEnd, "djrrr", ResolveDjrrr},
    {JoinedText<k3378Domain, k3378LabelTail>::value, "3378", kTitleStart, kTitleEnd, "3378",
     Resolve3378},
    {"hcdj", "hcdj", kTitleStart, kTitleEnd, "hcdj", ResolveHcdj},
    {// "dj97 - 水晶dj网 解析"; the song name stands in a script variable, not in <title>
     "dj97 - \xCB\xAE\xBE\xA7"
     "dj\xCD\xF8 \xBD\xE2\xCE\xF6",
     "dj97", "var dance_name = '", "'; var", "dj97", ResolveDj97},
    {// "MixDJ MixDJ顶级权威专业DJ音乐网"
     "MixDJ MixDJ\xB6\xA5\xBC\xB6\xC8\xA8\xCD\xFE\xD7\xA8\xD2\xB5"
     "DJ\xD2\xF4\xC0\xD6\xCD\xF8",
     "mixdj", kTitleStart, kTitleEnd, "mixdj", ResolveMixdj},
    {JoinedText<kMvpdjLabelHead, kMvpdjDomain, kMvpdjLabelTail>::value, "mvpdj", kTitleStart,
     kTitleEnd, "mvpdj", ResolveMvpdj},
    {// "dj520 前卫音乐网"
     "dj520 \xC7\xB0\xCE\xC0\xD2\xF4\xC0\xD6\xCD\xF8", "dj520", kTitleStart, kTitleEnd, "dj520",
     ResolveDj520},
    {// "9ku 九酷音乐网"
     "9ku \xBE\xC5\xBF\xE1\xD2\xF4\xC0\xD6\xCD\xF8", "9ku", kTitleStart, kTitleEnd, "9ku",
     Resolve9ku},
    {// "ccc333 DJ极限音乐网"
     "ccc333 DJ\xBC\xAB\xCF\xDE\xD2\xF4\xC0\xD6\xCD\xF8", "ccc333", kTitleStart, kTitleEnd,
     "ccc333", ResolveCcc333},
    {JoinedText<kMydj99LabelHead, kMydj99Domain>::value, "mydj99", kTitleStart, kTitleEnd,
     "mydj99", ResolveMydj99},
}};

int FindSiteByKey(std::string_view key) {
  for (std::size_t row = 0; row < SiteTable.size(); ++row) {
    if (SiteTable[row].key == key) {
      return static_cast<int>(row);
    }
  }
  return -1;
}

}  // namespace tunelark
