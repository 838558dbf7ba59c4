#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

extern char** environ;

namespace tunelark::testing {
namespace {

bool IsProxyVariable(std::string_view entry) {
  const std::string_view name = entry.substr(0, entry.find('='));
  for (const std::string_view proxy : {"http_proxy", "https_proxy", "all_proxy", "no_proxy", "HTTP_PROXY",
                                       "HTTPS_PROXY", "ALL_PROXY", "NO_PROXY"}) {
    if (name == proxy) return true;
  }
  return false;
}

struct Pipe {
  int read = -1;
  int write = -1;
  Pipe() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) == 0) {
      read = ends[0];
      write = ends[1];
    }
  }
  ~Pipe() {
    CloseRead();
    CloseWrite();
  }
  void CloseRead() {
    if (read >= 0) close(read);
    read = -1;
  }
  void CloseWrite() {
    if (write >= 0) close(write);
    write = -1;
  }
};

}  // namespace

std::vector<std::string> EnvironmentWithoutProxies(const std::vector<std::string>& extra) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!IsProxyVariable(*entry)) environment.emplace_back(*entry);
  }
  environment.insert(environment.end(), extra.begin(), extra.end());
  return environment;
}

ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment, const std::string& input,
                     std::chrono::milliseconds limit) {
  ChildResult result;
  Pipe in, out, err;
  if (in.read < 0 || out.read < 0 || err.read < 0) return result;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.read, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);

  std::vector<std::string> argvStrings{program};
  argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : argvStrings) argv.push_back(argument.data());
  argv.push_back(nullptr);
  std::vector<std::string> envStrings = environment;
  std::vector<char*> envp;
  for (std::string& entry : envStrings) envp.push_back(entry.data());
  envp.push_back(nullptr);

  // Writing to a child that has closed its input must fail with EPIPE here
  // rather than kill the test; the child gets the default disposition back.
  signal(SIGPIPE, SIG_IGN);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

  pid_t pid = -1;
  const int spawnError = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (spawnError != 0) return result;
  in.CloseRead();
  out.CloseWrite();
  err.CloseWrite();

  // A child that stops reading must not block the test: the input goes out
  // through poll like the rest, and a closed pipe only ends the writing.
  fcntl(in.write, F_SETFL, O_NONBLOCK);
  std::size_t written = 0;
  if (input.empty()) in.CloseWrite();

  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (out.read >= 0 || err.read >= 0 || in.write >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timedOut = true;
      break;
    }
    std::array<pollfd, 3> fds{{{out.read, POLLIN, 0}, {err.read, POLLIN, 0}, {in.write, POLLOUT, 0}}};
    if (poll(fds.data(), fds.size(), static_cast<int>(left.count())) < 0 && errno != EINTR) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        (i == 0 ? out : err).CloseRead();
      }
    }
    if (fds[2].fd >= 0 && fds[2].revents != 0) {
      const ssize_t sent = write(in.write, input.data() + written, input.size() - written);
      if (sent > 0) written += static_cast<std::size_t>(sent);
      if ((sent < 0 && errno != EAGAIN && errno != EINTR) || written == input.size()) in.CloseWrite();
    }
  }

  if (result.timedOut) kill(pid, SIGKILL);
  int status = 0;
  if (!result.timedOut) {
    // Both output pipes are closed, so the child is exiting; still bound it.
    while (waitpid(pid, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() >= deadline) {
        result.timedOut = true;
        kill(pid, SIGKILL);
        break;
      }
      usleep(1000);
    }
    if (!result.timedOut && WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  }
  if (result.timedOut) waitpid(pid, &status, 0);
  return result;
}

}  // namespace tunelark::testing
