#include "cli/output_format.h"

#include <cstddef>

#include <nlohmann/json.hpp>

#include "cli/resolve_record.h"
#include "resolver/site_table.h"
#include "text/code_page.h"

namespace tunelark {
namespace {

using Json = nlohmann::ordered_json;

// Control characters of valid UTF-8 made blanks. With `keepLineBreaks`, CR,
// LF and CRLF each become one "\n" instead. C1 controls are the two-byte
// sequences 0xC2 0x80 to 0xC2 0x9F; the input is valid UTF-8, so a 0xC2 is
// always the lead byte of a character.
std::string CleanControls(std::string_view utf8, bool keepLineBreaks) {
  std::string clean;
  clean.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (keepLineBreaks && (byte == '\r' || byte == '\n')) {
      if (byte == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
      clean += '\n';
    } else if (byte < 0x20 || byte == 0x7F) {
      clean += ' ';
    } else if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      clean += ' ';
      ++i;
    } else {
      clean += static_cast<char>(byte);
    }
  }
  return clean;
}

std::string_view IconName(NoticeIcon icon) {
  switch (icon) {
    case StopIcon: return "stop";
    case InformationIcon: return "information";
    case NoIcon: break;
  }
  return "none";
}

std::string JsonLine(const Json& value) {
  // DisplayUtf8 already made every string valid UTF-8; replacing keeps a
  // slip there from ending the program in the middle of its output.
  return value.dump(-1, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::string SiteKey(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= SiteTable.size()) return {};
  return std::string(SiteTable[static_cast<std::size_t>(row)].key);
}

}  // namespace

std::string DisplayLine(std::string_view bytes) { return CleanControls(DisplayUtf8(bytes), false); }

std::string FormatNoticeMessage(std::string_view text) {
  std::string message = CleanControls(DisplayUtf8(text), true);
  while (!message.empty() && message.back() == '\n') message.pop_back();
  return "tunelark-cli: " + message + '\n';
}

std::string FormatRecord(const ResolveRecord& record, OutputMode mode) {
  switch (mode) {
    case OutputMode::Labelled:
      return "Title: " + DisplayLine(record.title) + "\nDownload: " + DisplayLine(record.download) + '\n';
    case OutputMode::TitleOnly:
      return DisplayLine(record.title) + '\n';
    case OutputMode::DownloadOnly:
      return DisplayLine(record.download) + '\n';
    case OutputMode::TitleAndDownload:
      return DisplayLine(record.title) + '\n' + DisplayLine(record.download) + '\n';
    case OutputMode::Json:
      break;
  }
  Json notices = Json::array();
  for (const ShownNotice& notice : record.notices) {
    notices.push_back({{"text", DisplayUtf8(notice.text)},
                       {"title", DisplayUtf8(notice.title ? std::string_view(*notice.title) : kDefaultNoticeTitle)},
                       {"icon", IconName(notice.icon)}});
  }
  return JsonLine({{"address", DisplayUtf8(record.address)},
                   {"site", SiteKey(record.siteRow)},
                   {"title", DisplayUtf8(record.title)},
                   {"download", DisplayUtf8(record.download)},
                   {"ok", record.ok},
                   {"notices", std::move(notices)}});
}

std::string FormatSiteList(bool json) {
  if (json) {
    Json list = Json::array();
    for (std::size_t row = 0; row < SiteTable.size(); ++row) {
      list.push_back({{"index", row}, {"key", SiteTable[row].key}, {"label", DisplayUtf8(SiteTable[row].label)}});
    }
    return JsonLine(list);
  }
  std::string lines;
  for (std::size_t row = 0; row < SiteTable.size(); ++row) {
    lines += std::to_string(row) + '\t' + std::string(SiteTable[row].key) + '\t' +
             DisplayLine(SiteTable[row].label) + '\n';
  }
  return lines;
}

}  // namespace tunelark
