// The program's run: the modules' start-up routines in module order, the main
// part (window and event loop), and the end-of-run routines of the started
// modules in reverse order, also when the run ends early through EProgramHalt
// or an error that nothing caught. No Qt, no other module.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tv {

// Start-up and end-of-run routine of one module; either may be empty.
struct TModuleRoutines {
  std::function<void()> Init;
  std::function<void()> Final;
};

// Shows an error to the user and returns when the user has closed it.
using TErrorBoxProc = std::function<void(const std::string& Text, const std::string& Caption)>;

// Caption of the box that reports an error nothing else caught.
inline constexpr const char* ApplicationErrorCaption = "Application Error";

// Runs Init of every module in order, then Main, then Final of every started
// module in reverse order. A module counts as started once its Init has been
// entered, so a module whose Init fails runs its Final too. Returns the exit
// code: Main's result; the code of an EProgramHalt raised by any routine; or 1
// after an error (any exception) that no routine caught, which ErrorBox shows
// with the caption "Application Error" after the end-of-run routines have run.
// An error in one Final does not stop the Finals below it.
int RunProgram(const std::vector<TModuleRoutines>& Modules, const std::function<int()>& Main,
               const TErrorBoxProc& ErrorBox);

}  // namespace tv
