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

long ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

QCoreApplication& Application() {
  static int argc = 1;
  static char name[] = "links-bench";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
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

void BM_LoopbackNodeLatency(benchmark::State& state) {
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
    QtTimerFactory timers;
    QtTcpConnectionFactory connections;
    CountingIntake intake;
    QuietPresenter presenter;
    NoTexts texts;
    TelnetLinks links(LinkServices{settings, connections, timers, intake, presenter, texts});
    links.TraiteCommandeWinSock(2, std::string(1, kEscapeCharacter) +
                                       "C 127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "\r");

    // The probe asks to run every 10 ms; how late it runs is the latency.
    std::vector<double> lateness_ms;
    QElapsedTimer clock;
    clock.start();
    qint64 due = 10;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
      lateness_ms.push_back(std::max<double>(0.0, static_cast<double>(clock.elapsed() - due)));
      due = clock.elapsed() + 10;
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
    ::close(listener);

    std::sort(lateness_ms.begin(), lateness_ms.end());
    const auto at = [&](double q) {
      return lateness_ms.empty() ? 0.0 : lateness_ms[static_cast<std::size_t>(q * (lateness_ms.size() - 1))];
    };
    state.counters["lines"] = static_cast<double>(intake.lines);
    state.counters["latency_p50_ms"] = at(0.50);
    state.counters["latency_p99_ms"] = at(0.99);
    state.counters["latency_max_ms"] = lateness_ms.empty() ? 0.0 : lateness_ms.back();
    state.counters["rss_first_kb"] = static_cast<double>(resident.front());
    state.counters["rss_last_kb"] = static_cast<double>(resident.back());
    state.counters["rss_max_kb"] = static_cast<double>(*std::max_element(resident.begin(), resident.end()));
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
