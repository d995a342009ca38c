// Running a step in a child process: for steps that change process-wide
// limits (a file-size limit) or that might block (a FIFO). The child shares
// the file system with the test, so the test checks the files afterwards.
#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string>

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
