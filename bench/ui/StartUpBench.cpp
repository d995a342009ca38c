// Start-up as the user waits for it: the real program binary started as a new
// process on the offscreen platform (a 1600 x 1100 screen), from the moment
// it is started to the end of the first paint pass that shows a chart in the
// visible picture, the program's window maximised. settled_ms runs on to the
// chart at the window's layout, after the resize handler's two draws (the
// window first shows the chart of the creation handler, then black, then the
// new chart). The stored settings are zone line 16 with daylight saving on at
// 47.5 N 7.5 E, so that the creation handler draws five times before the
// window shows; program_cpu_ms is the processor time the program used up to
// its last report. For comparison, the grid demo (tools/grid_demo, a bare Qt
// window with one text grid) started the same way, to the end of its first
// paint pass.
//
// Each repetition is one start; the figure is the median. The watch library
// (startup_watch/StartUpWatch.cpp) is loaded into the started program with
// LD_PRELOAD and reports the moment its picture is on the screen; the
// program ends there. Every start runs in private settings, documents,
// runtime and cache folders; one start before the timed ones writes the
// settings file and warms the file cache.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "data/DataTypes.h"

extern char** environ;

namespace {

std::int64_t MonotonicNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The program's working folder, where it finds its background picture.
constexpr const char* RunFolder = TV_SOURCE_DIR "/data/run";

// A start gives up after this long.
constexpr int StartTimeoutMs = 20000;

// The private folders of the starts and the offscreen screen's description.
class TStartFolders {
 public:
  TStartFolders() {
    char pattern[] = "/tmp/tv-startup-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return;
    Root_ = pattern;
    for (const char* sub : {"/config", "/documents", "/runtime", "/cache"})
      if (mkdir((Root_ + sub).c_str(), 0700) != 0) Root_.clear();
    std::ofstream(Screen()) << R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1600, "height": 1100,)"
                               R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]})"
                            << '\n';
  }
  ~TStartFolders() {
    std::error_code ignored;
    if (!Root_.empty()) std::filesystem::remove_all(Root_, ignored);
  }
  bool Made() const { return !Root_.empty(); }
  std::string Path(const char* Sub) const { return Root_ + Sub; }
  std::string Screen() const { return Root_ + "/screen.json"; }
  std::string SettingsFile() const { return Root_ + "/config/Tarvelsicht/Tarvelsicht.ini"; }

 private:
  std::string Root_;
};

struct TStart {
  std::int64_t FirstNs = 0;    // from the start to the picture on the screen
  std::int64_t SettledNs = 0;  // and to the chart at the window's layout (0: not watched)
  std::int64_t CpuNs = 0;      // the processor time of the started program
  std::string Error;           // empty when the start reported
};

// Starts Program in Folder with the watch for Watched (see the watch's
// comment) and waits for its report.
TStart StartOnce(const TStartFolders& Folders, const char* Program, const char* Folder, const char* Watched) {
  TStart result;
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return {.Error = std::strerror(errno)};
  const std::string logName = Folders.Path("/stderr.txt");
  const int logFd = open(logName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const int nullFd = open("/dev/null", O_RDWR | O_CLOEXEC);

  // Everything the child needs is made before the fork: after it, it only
  // redirects, changes folder and executes.
  const std::int64_t start = MonotonicNs();
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    if (name == "QT_QPA_PLATFORM" || name == "LD_PRELOAD" || name.rfind("XDG_", 0) == 0 ||
        name.rfind("TV_STARTUP_", 0) == 0)
      continue;
    env.push_back(entry);
  }
  env.push_back("QT_QPA_PLATFORM=offscreen:configfile=" + Folders.Screen());
  env.push_back(std::string("LD_PRELOAD=") + TV_STARTUP_WATCH);
  env.push_back(std::string("TV_STARTUP_WATCH=") + Watched);
  env.push_back("TV_STARTUP_FD=3");
  env.push_back("TV_STARTUP_T0=" + std::to_string(start));
  env.push_back("XDG_CONFIG_HOME=" + Folders.Path("/config"));
  env.push_back("XDG_DOCUMENTS_DIR=" + Folders.Path("/documents"));
  env.push_back("XDG_RUNTIME_DIR=" + Folders.Path("/runtime"));
  env.push_back("XDG_CACHE_HOME=" + Folders.Path("/cache"));
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string program = Program;
  char* argv[] = {program.data(), nullptr};

  const pid_t child = fork();
  if (child == 0) {
    dup2(nullFd, 0);
    dup2(nullFd, 1);
    dup2(logFd, 2);
    dup2(report[1], 3);  // dup2 clears close-on-exec on the copy
    if (chdir(Folder) != 0) _exit(126);
    execve(program.c_str(), argv, envp.data());
    _exit(127);
  }
  close(report[1]);
  close(logFd);
  close(nullFd);
  if (child < 0) {
    close(report[0]);
    return {.Error = std::strerror(errno)};
  }

  // The watch's lines until the program ends.
  std::string lines;
  pollfd wait{report[0], POLLIN, 0};
  for (;;) {
    const int remaining = StartTimeoutMs - static_cast<int>((MonotonicNs() - start) / 1000000);
    if (remaining <= 0 || poll(&wait, 1, remaining) <= 0) break;
    char buffer[128];
    const ssize_t n = read(report[0], buffer, sizeof buffer);
    if (n <= 0) break;
    lines.append(buffer, static_cast<std::size_t>(n));
  }
  close(report[0]);
  kill(child, SIGKILL);  // gone already when it reported
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto ns = [](const timeval& T) { return static_cast<std::int64_t>(T.tv_sec) * 1000000000 + T.tv_usec * 1000; };
  result.CpuNs = ns(usage.ru_utime) + ns(usage.ru_stime);

  std::istringstream in(lines);
  std::string milestone;
  long long at = 0;
  while (in >> milestone >> at) (milestone == "first" ? result.FirstNs : result.SettledNs) = at - start;
  if (result.FirstNs == 0) {
    std::ifstream log(logName);
    std::stringstream text;
    text << log.rdbuf();
    result.Error = std::string(Program) + " did not report its picture (" +
                   (WIFEXITED(status) ? "exit code " + std::to_string(WEXITSTATUS(status)) : "killed") +
                   "): " + text.str().substr(0, 2000);
  }
  return result;
}

// The stored settings of the benchmark: the record that the program wrote
// with its defaults, with zone line 16 and daylight saving on.
bool StoreBenchSettings(const TStartFolders& Folders) {
  Settings_Type record{};
  {
    std::ifstream in(Folders.SettingsFile(), std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(&record), sizeof record)) return false;
  }
  record.TZoneIndex = 16;
  record.DST = 1;
  record.nLat = 47.5;
  record.eLon = 7.5;
  std::ofstream out(Folders.SettingsFile(), std::ios::binary | std::ios::trunc);
  return static_cast<bool>(out.write(reinterpret_cast<const char*>(&record), sizeof record));
}

// The folders of one benchmark's starts, after the first start (not timed),
// which writes the settings file and warms the file cache; Error says why
// none can be timed.
struct TPrepared {
  TPrepared(const char* Program, const char* Folder, const char* Watched, bool Settings) {
    if (!Folders.Made()) {
      Error = "cannot make the private folders";
      return;
    }
    Error = StartOnce(Folders, Program, Folder, Watched).Error;
    if (Error.empty() && Settings && !StoreBenchSettings(Folders)) Error = "the program wrote no settings file";
  }
  TStartFolders Folders;
  std::string Error;
};

void RunStarts(benchmark::State& State, const TPrepared& Prepared, const char* Program, const char* Folder,
               const char* Watched) {
  if (!Prepared.Error.empty()) {
    State.SkipWithError(Prepared.Error.c_str());
    return;
  }
  double settled = 0, cpu = 0;
  for (auto _ : State) {
    const TStart run = StartOnce(Prepared.Folders, Program, Folder, Watched);
    if (!run.Error.empty()) {
      State.SkipWithError(run.Error.c_str());
      return;
    }
    State.SetIterationTime(static_cast<double>(run.FirstNs) / 1e9);
    settled += static_cast<double>(run.SettledNs) / 1e6;
    cpu += static_cast<double>(run.CpuNs) / 1e6;
  }
  if (settled > 0) State.counters["settled_ms"] = benchmark::Counter(settled, benchmark::Counter::kAvgIterations);
  State.counters["program_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

void BM_StartUp(benchmark::State& State) {
  static const TPrepared prepared(TV_PROGRAM, RunFolder, "Bild", true);
  RunStarts(State, prepared, TV_PROGRAM, RunFolder, "Bild");
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(15);

void BM_StartUpGridDemo(benchmark::State& State) {
  static const TPrepared prepared(TV_GRID_DEMO, TV_SOURCE_DIR, "window", false);
  RunStarts(State, prepared, TV_GRID_DEMO, TV_SOURCE_DIR, "window");
}
BENCHMARK(BM_StartUpGridDemo)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(15);

}  // namespace
