#include "synthetic_page.h"

#include <random>

namespace tunelark::bench {

std::string SyntheticPage(std::size_t approximateBytes) {
  // "舞曲" "最新" "中文" in GBK, mixed with markup and script as real pages are.
  static const char* const kGbkWords[] = {"\xCE\xE8\xC7\xFA", "\xD7\xEE\xD0\xC2",
                                          "\xD6\xD0\xCE\xC4"};
  static const char* const kMarkup[] = {
      "<div class=\"list\"><a href=\"/play/12345.htm\" title=\"",
      "\">", "</a></div>\r\n",
      "<script type=\"text/javascript\">var a=1;var b=\"x\";</script>\r\n",
      "<li><span class=\"t\">", "</span></li>\r\n",
  };
  std::mt19937 rng(42);
  std::string page = "<html><head><meta charset=\"gbk\"><title>";
  page += kGbkWords[0];
  page += "</title></head><body>\r\n";
  while (page.size() < approximateBytes) {
    page += kMarkup[rng() % 6];
    for (int i = 0; i < 4; ++i) page += kGbkWords[rng() % 3];
  }
  page += "<script>var righturl=\"http://mp3.example/dj/2026/song.mp4\";</script>";
  page += "<param name=\"url\" value=\"play/12345\"></body></html>";
  return page;
}

}  // namespace tunelark::bench
