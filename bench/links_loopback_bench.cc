// A loopback node sends spot lines at a steady rate to telnet link 2 while
// the window thread's event loop runs the links; a probe timer measures how
// late the loop serves it (the event-loop latency an operator would feel)
// and the process's resident memory is sampled every second.
//
// The node runs on a thread of its own with a plain blocking socket, so it
// keeps its pace whatever the window thread does.  The intake stand-in
// splits lines and counts them, as cheaply as a real intake could at best.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "links/link_commands.h"
#include "links/telnet_links.h"
#include "platform/qt/qt_tcp_connection.h"
#include "platform/qt/qt_timer.h"
#include "support/loopback_harness.h"

namespace brilox {
namespace {

class CountingIntake final : public ReceivedCharacterSink {
 public:
  bool busy() const override { return false; }
  void TraiteCharRecu(int, char ch, bool) override {
    if (ch == '\n') {
      ++lines;
      line.clear();
    } else {
      line.push_back(ch);
    }
  }
  std::string line;
  long lines = 0;
};

class QuietPresenter final : public LinkPresenter {
 public:
  int ShownTerminal() const override { return 2; }
  int CurrentTerminal() const override { return 2; }
  void AppendTerminalLine(int, const std::string&) override {}
  void FocusCommandLine(int) override {}
  void ShowConnectionLabel(const std::string&) override {}
  void ShowDirectoryStatus(const std::string&) override {}
  void SetDirectoryConnectButton(DirectoryButtonState, const std::string&) override {}
};

class NoTexts final : public LanguageTexts {
 public:
  std::string Text(int) const override { return {}; }
};

QCoreApplication& Application() {
  static int argc = 1;
  static char name[] = "links-bench";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

std::string SpotLine(long) {
  return "DX de EA5WU-#:   14025.0  JA1XYZ       CW 23 dB 25 WPM CQ             1112Z\a\a\r\n";
}

void BM_LoopbackNodeLatency(benchmark::State& state) {
  Application();
  const int rate = static_cast<int>(state.range(0));
  const int seconds = static_cast<int>(state.range(1));
  for (auto _ : state) {
    bench::LoopbackListener listener;
    std::atomic<bool> stop{false};
    std::thread node(bench::RunPacedNode, listener.fd(), rate, seconds, std::cref(stop), SpotLine);

    Settings settings;
    QtTimerFactory timers;
    QtTcpConnectionFactory connections;
    CountingIntake intake;
    QuietPresenter presenter;
    NoTexts texts;
    TelnetLinks links(LinkServices{settings, connections, timers, intake, presenter, texts});
    links.TraiteCommandeWinSock(2, listener.ConnectCommand());

    bench::EventLoopProbe probe;

    const long expected = static_cast<long>(rate) * seconds;
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, [&] { QCoreApplication::quit(); });
    end.start((seconds + 5) * 1000);
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
      if (intake.lines >= expected) QCoreApplication::quit();
    });
    done.start(50);
    QCoreApplication::exec();
    stop = true;
    node.join();

    probe.Report(state);
    state.counters["lines"] = static_cast<double>(intake.lines);
  }
}
// Lines per second, seconds.  The 60 s run is the one to report; the 2150
// lines/s run is the burst rate a DXSpider node reaches on loopback.
BENCHMARK(BM_LoopbackNodeLatency)
    ->Args({1000, 60})
    ->Args({2150, 10})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace brilox
