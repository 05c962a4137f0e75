// The whole receive path into the window: a loopback node sends spot lines
// at a steady rate to telnet link 2, the links drain them through the line
// intake into terminal 2's window, and the main window shows terminal 2 and
// repaints as it would for the operator.  A probe timer measures how late
// the event loop serves it (the latency the operator feels) and the
// resident memory is sampled every second.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another (run
// it under xvfb-run with QT_QPA_PLATFORM=xcb to include the X server).
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "links/built_in_texts.h"
#include "links/telnet_links.h"
#include "platform/clock.h"
#include "platform/date_time_format.h"
#include "platform/file_dialogs.h"
#include "platform/memory_file_system.h"
#include "platform/message_box.h"
#include "platform/qt/qt_tcp_connection.h"
#include "platform/qt/qt_timer.h"
#include "shell/link_window_adapters.h"
#include "shell/ui/line_grid_view.h"
#include "shell/ui/main_window.h"
#include "spots/line_intake.h"

namespace brilox {
namespace {

long ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

QApplication& Application() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "window-bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Accepts one client and writes `rate` lines a second for `seconds`.
void RunNode(int listener, int rate, int seconds, std::atomic<bool>& stop) {
  const int client = ::accept(listener, nullptr, nullptr);
  if (client < 0) return;
  const std::string line =
      "DX de EA5WU-#:   14025.0  JA1XYZ       CW 23 dB 25 WPM CQ             1112Z\a\a\r\n";
  const auto start = std::chrono::steady_clock::now();
  const long total = static_cast<long>(rate) * seconds;
  for (long i = 0; i < total && !stop; ++i) {
    std::this_thread::sleep_until(start + std::chrono::microseconds(i * 1000000L / rate));
    if (::send(client, line.data(), line.size(), MSG_NOSIGNAL) < 0) break;
  }
  ::close(client);
}

class CountingHandler final : public LineHandler {
 public:
  void DecodeDX(int, LineInProgress&) override {}
  void DecodeWWV(int, LineInProgress&) override {}
  void DecodeANN(int, LineInProgress&) override {}
  void TraiteDX(int, LineInProgress&) override { ++lines; }
  long lines = 0;
};

void BM_LoopbackNodeIntoTheWindow(benchmark::State& state) {
  Application();
  const int rate = static_cast<int>(state.range(0));
  const int seconds = static_cast<int>(state.range(1));
  for (auto _ : state) {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener, 1);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    std::atomic<bool> stop{false};
    std::thread node(RunNode, listener, rate, seconds, std::ref(stop));

    Settings settings;
    WindowLineStores windows(settings);
    UnconnectedTerminalSender unconnected;
    SystemClock clock;
    FixedDateTimeFormat format;
    BuiltInTexts texts;
    RecordingMessageBox messages;
    ScriptedFileDialogs dialogs;
    MemoryFileSystem files;
    ViewStatusTexts view_status;
    MainWindow window(
        {settings, windows, unconnected, files, dialogs, messages, clock, format, texts, view_status, {}},
        {});
    window.resize(900, 600);
    window.show();
    window.controller().ShowTerminal(2);

    CountingHandler handler;
    LineIntake intake(settings, windows, handler, &window.controller());
    IntakeCharacterSink sink(intake);
    WindowLinkPresenter presenter(window.controller(), windows);
    QtTimerFactory timers;
    QtTcpConnectionFactory connections;
    TelnetLinks links(LinkServices{settings, connections, timers, sink, presenter, texts});
    links.TraiteCommandeWinSock(
        2, std::string(1, '\x1b') + "C 127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "\r");

    // The probe asks to run every 10 ms; how late it runs is the latency.
    std::vector<double> lateness_ms;
    QElapsedTimer elapsed;
    elapsed.start();
    qint64 due = 10;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
      lateness_ms.push_back(std::max<double>(0.0, static_cast<double>(elapsed.elapsed() - due)));
      due = elapsed.elapsed() + 10;
    });
    probe.start(10);
    std::vector<long> resident;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { resident.push_back(ResidentKilobytes()); });
    sampler.start(1000);
    resident.push_back(ResidentKilobytes());

    const long expected = static_cast<long>(rate) * seconds;
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, [&] { QApplication::quit(); });
    end.start((seconds + 5) * 1000);
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
      if (handler.lines >= expected) QApplication::quit();
    });
    done.start(50);
    QApplication::exec();
    stop = true;
    node.join();
    ::close(listener);
    links.CloseAll();

    std::sort(lateness_ms.begin(), lateness_ms.end());
    const auto at = [&](double q) {
      return lateness_ms.empty() ? 0.0 : lateness_ms[static_cast<std::size_t>(q * (lateness_ms.size() - 1))];
    };
    state.counters["lines"] = static_cast<double>(handler.lines);
    state.counters["rows"] = windows.Terminal(2).row_count();
    state.counters["latency_p50_ms"] = at(0.50);
    state.counters["latency_p99_ms"] = at(0.99);
    state.counters["latency_max_ms"] = lateness_ms.empty() ? 0.0 : lateness_ms.back();
    state.counters["rss_first_kb"] = static_cast<double>(resident.front());
    state.counters["rss_after_5s_kb"] =
        static_cast<double>(resident[std::min<std::size_t>(5, resident.size() - 1)]);
    state.counters["rss_last_kb"] = static_cast<double>(resident.back());
  }
}
// Lines per second, seconds: the 60 s run at 1000 lines/s is the one to
// report; the 3000 lines/s run looks for the window's limit.
BENCHMARK(BM_LoopbackNodeIntoTheWindow)
    ->Args({1000, 60})
    ->Args({3000, 10})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The window thread's cost of one received line on the terminal on show:
// intake, store, model signals, and a repaint every 20 lines.
void BM_ShownTerminalLine(benchmark::State& state) {
  Application();
  Settings settings;
  WindowLineStores windows(settings);
  UnconnectedTerminalSender unconnected;
  SystemClock clock;
  FixedDateTimeFormat format;
  BuiltInTexts texts;
  RecordingMessageBox messages;
  ScriptedFileDialogs dialogs;
  MemoryFileSystem files;
  ViewStatusTexts view_status;
  MainWindow window(
      {settings, windows, unconnected, files, dialogs, messages, clock, format, texts, view_status, {}}, {});
  window.resize(900, 600);
  window.show();
  window.controller().ShowTerminal(2);
  CountingHandler handler;
  LineIntake intake(settings, windows, handler, &window.controller());
  const std::string line =
      "DX de EA5WU-#:   14025.0  JA1XYZ       CW 23 dB 25 WPM CQ             1112Z\a\a\r\n";
  long n = 0;
  for (auto _ : state) {
    intake.FeedChunk(2, line);
    if (++n % 20 == 0) {
      window.grid(WindowId::kTerminal2)->viewport()->repaint();
      QApplication::processEvents();
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ShownTerminalLine);

}  // namespace
}  // namespace brilox
