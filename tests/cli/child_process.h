// Runs a program as a child process with the given arguments, environment
// and standard input, and collects what it writes, within a time limit.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tunelark::testing {

struct ChildResult {
  int exitStatus = -1;  // -1 when the child did not exit normally
  bool timedOut = false;
  std::string out;
  std::string err;
};

// The environment of this process without any proxy variable, plus
// `extra` ("NAME=value" entries).
std::vector<std::string> EnvironmentWithoutProxies(const std::vector<std::string>& extra = {});

// Starts `program` with `arguments` (argv[1] on), feeds it `input` on its
// standard input and then closes it, and reads its standard output and error
// until both close. A child still running at `limit` is killed and reported
// as timed out.
ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment, const std::string& input,
                     std::chrono::milliseconds limit);

}  // namespace tunelark::testing
