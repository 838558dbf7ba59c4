// What the command line prints: records, notices and the site list, all as
// UTF-8 made from program and page bytes by DisplayUtf8.
#pragma once

#include <string>
#include <string_view>

namespace tunelark {

struct ResolveRecord;

enum class OutputMode {
  Labelled,          // "Title: ..." and "Download: ..."
  TitleOnly,         // -e
  DownloadOnly,      // -g
  TitleAndDownload,  // -e -g: the title line, then the address line
  Json,              // -j: one object a line
};

// A text as one line of a terminal: decoded for display, with every control
// character (C0, DEL and C1, line breaks and escapes included) made a blank,
// so that a page can neither split a record nor drive the terminal.
std::string DisplayLine(std::string_view bytes);

// "tunelark-cli: " and the notice text decoded for display, its line breaks
// kept as "\n" and other control characters made blanks; ends in "\n".
std::string FormatNoticeMessage(std::string_view text);

// The record's lines in one of the plain modes, or its JSON line; each line
// ends in "\n". Plain lines hold no line break but their last: see
// DisplayLine. JSON holds the texts exactly, decoded for display.
std::string FormatRecord(const ResolveRecord& record, OutputMode mode);

// Index, key and label of each site, tab-separated, a line each; or a JSON
// list of {"index", "key", "label"} on one line.
std::string FormatSiteList(bool json);

}  // namespace tunelark
