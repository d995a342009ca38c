// Running a step in a child process: for steps that change process-wide
// limits (a file-size limit) or that might block (a FIFO). The child shares
// the file system with the test, so the test checks the files afterwards.
// Used by the data and canvas suites.
#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/Errors.h"

namespace testing_child {

// Exit codes of ErrorCodeOf besides an errno value.
inline constexpr int NothingRaised = 0;
inline constexpr int NameMissing = 250;  // the error does not name the settings file
inline constexpr int OtherError = 251;
inline constexpr int HaltRaised = 252;
// What RunInChild returns for a child that the alarm ended (a blocked step).
inline constexpr int EndedByAlarm = 128 + SIGALRM;

// Runs Body in a forked child and returns its result as the child's exit code
// (0..255), or 128 plus the signal number when a signal ended the child. An
// alarm ends a child still running after Seconds, so that a step that blocks
// fails the test instead of hanging the run.
inline int RunInChild(const std::function<int()>& Body, unsigned Seconds = 10) {
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    alarm(Seconds);
    int code = OtherError;
    try {
      code = Body();
    } catch (...) {
    }
    _exit(code);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// Runs Body(0) .. Body(Count - 1) in Count forked children that start at the
// same moment (each waits at a gate that opens when all exist) and returns
// their results as RunInChild does, in that order. An alarm ends a child
// still running after Seconds.
inline std::vector<int> RunTogether(int Count, const std::function<int(int)>& Body, unsigned Seconds = 10) {
  std::vector<int> codes(static_cast<std::size_t>(Count), -1);
  int gate[2];
  if (pipe(gate) != 0) return codes;
  std::fflush(nullptr);
  std::vector<pid_t> children;
  for (int k = 0; k < Count; ++k) {
    const pid_t pid = fork();
    if (pid < 0) break;
    if (pid == 0) {
      alarm(Seconds);
      close(gate[1]);
      char c = 0;
      while (read(gate[0], &c, 1) < 0 && errno == EINTR) {
      }
      int code = OtherError;
      try {
        code = Body(k);
      } catch (...) {
      }
      _exit(code);
    }
    children.push_back(pid);
  }
  close(gate[0]);
  close(gate[1]);  // the gate opens: every child's read returns at once
  for (std::size_t k = 0; k < children.size(); ++k) {
    int status = 0;
    while (waitpid(children[k], &status, 0) < 0) {
      if (errno != EINTR) break;
    }
    if (WIFEXITED(status)) codes[k] = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) codes[k] = 128 + WTERMSIG(status);
  }
  return codes;
}

// The errno of the tv::EInOutError that Step raises, NothingRaised, or one of
// the codes above; the error must name the file FileName.
inline int ErrorCodeOf(const std::function<void()>& Step, const std::string& FileName = "Tarvelsicht.ini") {
  try {
    Step();
  } catch (const tv::EInOutError& e) {
    if (std::string(e.what()).find(FileName) == std::string::npos) return NameMissing;
    return e.ErrorCode();
  } catch (const tv::EProgramHalt&) {
    return HaltRaised;
  } catch (...) {
    return OtherError;
  }
  return NothingRaised;
}

}  // namespace testing_child
