// The start-up benchmark's watch (StartUpBench.cpp), loaded into a real
// program through LD_PRELOAD: it sees every event of the program's
// QApplication and writes to the file descriptor TV_STARTUP_FD a line
// "<milestone> <CLOCK_MONOTONIC nanoseconds>" at the end of the first paint
// pass that reaches each milestone, and ends the process at once after the
// last one. A paint pass ends with the first event after it that is no paint
// event. TV_STARTUP_WATCH names what is watched:
//   window   milestone "first": any top-level window painted;
//   <name>   the widget of that object name: "first" when it is painted with
//            a picture in its middle (neither black nor the widget's ground
//            colour), "settled" when it is painted so again, square, after
//            it was painted black (the chart that the resize handler's draws
//            put in place of the black picture it shows first).
// With TV_STARTUP_TRACE set, every paint of the watched widget is listed on
// standard error (milliseconds since TV_STARTUP_T0, size, shares of picture
// and black).
#include <unistd.h>

#include <QBackingStore>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

std::int64_t MonotonicNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// What Widget shows, as painted in its window's backing store: the shares
// (0 to 1) of a 16 x 16 sample of the middle of its square that are neither
// black nor its ground colour (picture), and black.
struct TShown {
  double Picture = 0;
  double Black = 0;
};

TShown Shown(const QWidget* Widget) {
  TShown shown;
  QBackingStore* store = Widget->window()->backingStore();
  const auto* image = store == nullptr ? nullptr : dynamic_cast<const QImage*>(store->paintDevice());
  if (image == nullptr) return shown;
  const QPoint origin = Widget->mapTo(Widget->window(), QPoint(0, 0));
  const double scale = image->devicePixelRatio();
  const int side = std::min(Widget->width(), Widget->height());
  const QRgb ground = Widget->palette().window().color().rgb() & 0xFFFFFFu;
  const auto pixel = [&](double X, double Y) -> std::optional<QRgb> {
    const int x = static_cast<int>((origin.x() + X) * scale);
    const int y = static_cast<int>((origin.y() + Y) * scale);
    if (!image->valid(x, y)) return std::nullopt;
    return image->pixel(x, y) & 0xFFFFFFu;
  };
  int picture = 0, black = 0, samples = 0;
  for (int j = 0; j < 16; ++j)
    for (int i = 0; i < 16; ++i) {
      const std::optional<QRgb> p = pixel(side * (0.3 + 0.4 * i / 15.0), side * (0.3 + 0.4 * j / 15.0));
      if (!p) continue;
      ++samples;
      if (*p == 0)
        ++black;
      else if (*p != ground)
        ++picture;
    }
  if (samples > 0) {
    shown.Picture = static_cast<double>(picture) / samples;
    shown.Black = static_cast<double>(black) / samples;
  }
  return shown;
}

class TWatch : public QObject {
 public:
  TWatch() {
    const char* watched = std::getenv("TV_STARTUP_WATCH");
    Watched_ = watched == nullptr ? "window" : watched;
    const char* fd = std::getenv("TV_STARTUP_FD");
    Fd_ = fd == nullptr ? -1 : std::atoi(fd);
    Trace_ = std::getenv("TV_STARTUP_TRACE") != nullptr;
    const char* t0 = std::getenv("TV_STARTUP_T0");
    T0_ = t0 == nullptr ? MonotonicNs() : std::atoll(t0);
  }

  bool eventFilter(QObject* Object, QEvent* Event) override {
    if (Event->type() == QEvent::Paint && Object->isWidgetType()) {
      // Painted here, so that the pixels can be looked at afterwards.
      Object->event(Event);
      PassEnd_ = MonotonicNs();
      Look(static_cast<QWidget*>(Object));
      return true;
    }
    if (Reached_ > Reported_) Report();
    return false;
  }

 private:
  // The milestones, in order, that Widget's paint reaches.
  void Look(const QWidget* Widget) {
    const int before = Reached_;
    if (Watched_ == "window") {
      if (Widget->isWindow()) Reached_ = 1;
    } else if (Widget->objectName().toStdString() == Watched_) {
      const TShown shown = Shown(Widget);
      if (Trace_)
        std::fprintf(stderr, "watch: %s painted at %.1f ms, %d x %d, picture %.2f, black %.2f\n", Watched_.c_str(),
                     (MonotonicNs() - T0_) / 1e6, Widget->width(), Widget->height(), shown.Picture, shown.Black);
      if (shown.Black >= 0.75) Cleared_ = Reached_ >= 1;
      if (shown.Picture >= 0.75) {
        Reached_ = std::max(Reached_, Cleared_ && Widget->width() == Widget->height() ? 2 : 1);
      }
    }
    // An event after the pass, should none come by itself.
    if (Reached_ > before) QTimer::singleShot(0, this, [] {});
  }

  int Milestones() const { return Watched_ == "window" ? 1 : 2; }

  void Report() {
    static const char* const names[] = {"first", "settled"};
    for (; Reported_ < Reached_; ++Reported_) {
      char line[48];
      const int n = std::snprintf(line, sizeof line, "%s %lld\n", names[Reported_], static_cast<long long>(PassEnd_));
      if (Fd_ >= 0 && n > 0) (void)!::write(Fd_, line, static_cast<std::size_t>(n));
    }
    if (Reported_ >= Milestones()) ::_exit(0);
  }

  std::string Watched_;
  int Fd_ = -1;
  bool Trace_ = false;
  std::int64_t T0_ = 0;
  bool Cleared_ = false;  // painted black after the first milestone
  int Reached_ = 0;       // milestones reached
  int Reported_ = 0;      // and reported
  std::int64_t PassEnd_ = 0;
};

void InstallWatch() { QCoreApplication::instance()->installEventFilter(new TWatch); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallWatch)
