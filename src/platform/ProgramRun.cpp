#include "platform/ProgramRun.h"

#include <exception>
#include <optional>

#include "platform/Errors.h"

namespace tv {

namespace {

// The outcome of a routine that ends the run early.
struct TRunEnd {
  std::optional<int> HaltCode;   // set by EProgramHalt
  std::optional<std::string> ErrorText;  // set by any other exception
};

std::string ErrorText(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error";
  }
}

// Runs Routine; records a halt or the first error in End. False when the
// routine did not return normally.
template <typename F>
bool Guarded(F&& Routine, TRunEnd& End) {
  try {
    Routine();
    return true;
  } catch (const EProgramHalt& halt) {
    if (!End.HaltCode && !End.ErrorText) End.HaltCode = halt.ExitCode();
  } catch (...) {
    if (!End.ErrorText) End.ErrorText = ErrorText(std::current_exception());
  }
  return false;
}

}  // namespace

int RunProgram(const std::vector<TModuleRoutines>& Modules, const std::function<int()>& Main,
               const TErrorBoxProc& ErrorBox) {
  TRunEnd end;
  std::size_t started = 0;
  bool startedAll = true;
  for (const TModuleRoutines& module : Modules) {
    ++started;
    if (module.Init && !Guarded(module.Init, end)) {
      startedAll = false;
      break;
    }
  }

  int exitCode = 0;
  if (startedAll && Main) Guarded([&] { exitCode = Main(); }, end);

  while (started > 0) {
    const TModuleRoutines& module = Modules[--started];
    if (module.Final) Guarded(module.Final, end);
  }

  if (end.ErrorText) {
    if (ErrorBox) {
      try {
        ErrorBox(*end.ErrorText, ApplicationErrorCaption);
      } catch (...) {
        // The run ends with the error's exit code whatever the box does.
      }
    }
    return 1;
  }
  if (end.HaltCode) return *end.HaltCode;
  return exitCode;
}

}  // namespace tv
