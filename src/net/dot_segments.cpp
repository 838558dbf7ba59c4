#include "net/dot_segments.h"

namespace tunelark {

namespace {

// Drops the last segment of `output` together with the "/" before it.
void DropLastSegment(std::string& output) {
  std::string::size_type slash = output.rfind('/');
  output.erase(slash == std::string::npos ? 0 : slash);
}

}  // namespace

// The input is consumed from the front, one rule at a time, the way RFC 3986
// section 5.2.4 states it; each rule removes at least one byte, so the walk is
// linear apart from the backward search for the segment a ".." removes.
std::string RemoveDotSegments(std::string_view path) {
  std::string output;
  output.reserve(path.size());
  std::string_view in = path;
  while (!in.empty()) {
    if (in.starts_with("../")) {
      in.remove_prefix(3);
    } else if (in.starts_with("./")) {
      in.remove_prefix(2);
    } else if (in.starts_with("/./")) {
      in.remove_prefix(2);
    } else if (in == "/.") {
      in = "/";
    } else if (in.starts_with("/../")) {
      in.remove_prefix(3);
      DropLastSegment(output);
    } else if (in == "/..") {
      in = "/";
      DropLastSegment(output);
    } else if (in == "." || in == "..") {
      in = {};
    } else {
      std::string_view::size_type end = in.find('/', 1);
      std::string_view segment = in.substr(0, end);
      output.append(segment);
      in.remove_prefix(segment.size());
    }
  }
  return output;
}

}  // namespace tunelark
