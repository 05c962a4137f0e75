// The whole program on a loopback node: a node thread sends distinct DX
// spots at a steady rate to telnet link 1 of the wired program (the real
// links, the line intake, spot processing with its filters, rating and
// DXINFO.DAT logging into a scratch data folder) while the main window shows
// terminal 1 or the DX view.  A probe timer measures how late the event loop
// serves it (the latency the operator feels) and the resident memory is
// sampled every second.
//
// The cost of the traffic is the CPU time of the process (every thread: the
// window thread, Qt's own helpers) while the node sends, less the node
// thread's own, per second of traffic: CPU time and not wall time, since the
// machine may be busy with other work.  Paints are counted on every grid's
// viewport.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another (run it
// under xvfb-run with QT_QPA_PLATFORM=xcb to include the X11 path).
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/program_wiring.h"
#include "platform/clock.h"
#include "platform/date_time_format.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "shell/ui/line_grid_view.h"
#include "spots/traffic_log.h"
#include "support/loopback_harness.h"

namespace brilox {
namespace {

QApplication& Application() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "program-bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Spot n of the feed: a call of its own (prefixes of many entities, a
// counter in the suffix), bands and modes in turn, laid out as nodes send it.
std::string SpotLine(long n) {
  static constexpr std::array<const char*, 16> kPrefixes{"DL", "F", "I",  "JA", "K",  "VK", "ZL", "PY",
                                                         "UA", "G", "EA", "SP", "OK", "HA", "YO", "LZ"};
  static constexpr std::array<int, 6> kBands{1820, 3520, 7020, 14020, 21020, 28020};
  std::string call = kPrefixes[static_cast<std::size_t>(n % 16)];
  call += static_cast<char>('1' + (n / 16) % 9);
  for (long rest = n / 144, i = 0; i < 3; ++i, rest /= 26) call += static_cast<char>('A' + rest % 26);
  char frequency[16];
  std::snprintf(frequency, sizeof frequency, "%.1f",
                kBands[static_cast<std::size_t>((n / 7) % 6)] + static_cast<double>(n % 50) / 10.0);
  char line[128];
  std::snprintf(line, sizeof line, "DX de %-8s%10s  %-13s%-31s%04ldZ\a\a\r\n", "EA5WU-#:", frequency,
                call.c_str(), (n % 3 == 0) ? "FT8 -12 dB" : "CW 23 dB 25 WPM CQ", 1000 + (n / 60000) % 1200);
  return line;
}

std::uint64_t FileSizeOr0(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<std::uint64_t>(size);
}

double ProcessCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ThreadCpuSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
 public:
  long count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

enum BenchView { kTerminalView = 0, kDxView = 1 };

void BM_LoopbackNodeThroughTheProgram(benchmark::State& state) {
  Application();
  const int rate = static_cast<int>(state.range(0));
  const int seconds = static_cast<int>(state.range(1));
  const auto view = static_cast<BenchView>(state.range(2));
  state.SetLabel(view == kDxView ? "DX view" : "terminal 1 view");
  for (auto _ : state) {
    char scratch_template[] = "/tmp/brilox-program-bench-XXXXXX";
    const std::string scratch = ::mkdtemp(scratch_template);
    std::filesystem::create_directories(scratch + "/data");

    bench::LoopbackListener listener;

    SystemClock clock;
    RecordingMessageBox messages;
    ScriptedFileDialogs dialogs;
    FixedDateTimeFormat format;
    ProgramWiring wiring(
        {PosixFileSystem(), clock, messages, dialogs, format, [](int) { QApplication::quit(); }},
        {BRILOX_PROGRAM_DATA_DIR, scratch + "/data", scratch + "/BRILOX.reg", "", {}});
    wiring.window().resize(900, 600);
    wiring.Start();
    const std::string dxinfo = scratch + "/data/DXINFO.DAT";

    std::array<PaintCounter, kWindowCount> paints;
    for (int w = 0; w < kWindowCount; ++w) {
      wiring.window()
          .grid(static_cast<WindowId>(w))
          ->viewport()
          ->installEventFilter(&paints[static_cast<std::size_t>(w)]);
    }
    // Every paint of every widget of the program (grids, status bar, ...).
    PaintCounter all_paints;
    QApplication::instance()->installEventFilter(&all_paints);
    const WindowId shown = view == kDxView ? WindowId::kDx : WindowId::kTerminal1;

    std::atomic<bool> stop{false};
    std::atomic<double> node_cpu{0.0};
    std::thread node;
    double cpu_at_start = 0.0;
    QElapsedTimer traffic;
    QTimer::singleShot(0, [&] {
      if (!wiring.started()) {
        state.SkipWithError("start-up failed");
        QApplication::quit();
        return;
      }
      wiring.window().controller().ShowView(view == kDxView ? 'D' : 'M');
      QApplication::processEvents();
      for (PaintCounter& counter : paints) counter.count = 0;
      all_paints.count = 0;
      cpu_at_start = ProcessCpuSeconds();
      traffic.start();
      node = std::thread([&] {
        if (rate > 0) {
          bench::RunPacedNode(listener.fd(), rate, seconds, stop, SpotLine);
        } else {
          // The idle cost: a connected node that sends nothing.
          const int client = ::accept(listener.fd(), nullptr, nullptr);
          for (int tenth = 0; tenth < seconds * 10 && !stop; ++tenth) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
          }
          if (client >= 0) ::close(client);
        }
        node_cpu = ThreadCpuSeconds();
      });
      wiring.links().TraiteCommandeWinSock(1, listener.ConnectCommand());
    });

    bench::EventLoopProbe probe;

    const long expected = static_cast<long>(rate) * seconds;
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, [&] { QApplication::quit(); });
    end.start((seconds + 10) * 1000);
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
      const bool all_logged = static_cast<long>(FileSizeOr0(dxinfo) / kDxRecordSize) >= expected;
      if (all_logged && (rate > 0 || traffic.elapsed() >= seconds * 1000)) QApplication::quit();
    });
    done.start(200);
    QApplication::exec();
    const double traffic_seconds = static_cast<double>(traffic.elapsed()) / 1000.0;
    const double cpu_seconds = ProcessCpuSeconds() - cpu_at_start;
    stop = true;
    if (node.joinable()) node.join();
    wiring.links().CloseAll();

    probe.Report(state);
    // Percent of one core per second of traffic, the node thread left out.
    state.counters["cpu_percent"] = 100.0 * (cpu_seconds - node_cpu) / std::max(traffic_seconds, 0.001);
    state.counters["traffic_s"] = traffic_seconds;
    state.counters["paints_per_s"] =
        static_cast<double>(paints[static_cast<std::size_t>(shown)].count) / std::max(traffic_seconds, 0.001);
    state.counters["window_paints_per_s"] =
        static_cast<double>(all_paints.count) / std::max(traffic_seconds, 0.001);
    long hidden_paints = 0;
    for (int w = 0; w < kWindowCount; ++w) {
      if (static_cast<WindowId>(w) != shown) hidden_paints += paints[static_cast<std::size_t>(w)].count;
    }
    state.counters["hidden_paints"] = static_cast<double>(hidden_paints);
    state.counters["sent"] = static_cast<double>(expected);
    state.counters["logged"] = static_cast<double>(FileSizeOr0(dxinfo) / kDxRecordSize);
    state.counters["dx_rows"] = wiring.windows().Get(WindowId::kDx).row_count();
    state.counters["shown_rows"] = wiring.windows().Get(shown).row_count();
    std::filesystem::remove_all(scratch);
  }
}
// Lines per second, seconds, view: idle (a node that sends nothing), 10, 100
// and 1000 lines/s in the terminal and the DX view.  --benchmark_filter picks one; the 60 s run at 1000
// lines/s shows whether memory stays flat.
BENCHMARK(BM_LoopbackNodeThroughTheProgram)
    ->ArgNames({"lines_per_s", "seconds", "view"})
    ->ArgsProduct({{0, 10, 100, 1000}, {20}, {kTerminalView, kDxView}})
    ->Args({1000, 60, kDxView})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace brilox
