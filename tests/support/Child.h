// Running part of a test in a forked child: to drop root's privileges, or to
// kill a save at a random moment without killing the test.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <exception>
#include <functional>
#include <string>

namespace vcq::test {

// Runs `body` in a child process and returns what went wrong there: the text
// `body` returned, an exception that escaped it, or how the child ended if it
// did not exit. Empty when all went well. The child leaves with _exit, so the
// test framework's and the leak checker's exit handlers run once, in the parent.
inline std::string InChild(const std::function<std::string()>& body) {
  int fds[2];
  if (::pipe(fds) != 0) return "pipe failed";
  const pid_t pid = ::fork();
  if (pid < 0) return "fork failed";
  if (pid == 0) {
    ::close(fds[0]);
    std::string failure;
    try {
      failure = body();
    } catch (const std::exception& e) {
      failure = std::string("exception: ") + e.what();
    }
    for (std::size_t done = 0; done < failure.size();) {
      const ssize_t n = ::write(fds[1], failure.data() + done, failure.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(failure.empty() ? 0 : 1);
  }
  ::close(fds[1]);
  std::string out;
  char buf[512];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) != 0;) {
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    out.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(status))
    out += " (the child died of signal " + std::to_string(WTERMSIG(status)) + ")";
  else if (WIFEXITED(status) && WEXITSTATUS(status) != 0 && out.empty())
    out = "the child exited with " + std::to_string(WEXITSTATUS(status));
  return out;
}

}  // namespace vcq::test
