// What the loopback benchmarks share: a node on 127.0.0.1 that writes lines
// at a steady pace from a thread of its own (a plain blocking socket, so it
// keeps its pace whatever the window thread does), and a probe that measures
// how late the window thread's event loop serves a 10 ms timer (the latency
// an operator would feel) and samples the resident memory every second.
#pragma once

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace brilox::bench {

inline long ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A listening socket on 127.0.0.1 with a port the system chose.
class LoopbackListener {
 public:
  LoopbackListener() : m_fd(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_fd, 1);
    ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
  }
  ~LoopbackListener() { ::close(m_fd); }
  LoopbackListener(const LoopbackListener&) = delete;
  LoopbackListener& operator=(const LoopbackListener&) = delete;
  int fd() const { return m_fd; }
  int port() const { return m_port; }
  // The connect command a terminal's command line takes for this node.
  std::string ConnectCommand() const {
    return std::string(1, '\x1b') + "C 127.0.0.1:" + std::to_string(m_port) + "\r";
  }

 private:
  int m_fd;
  int m_port = 0;
};

// Accepts one client and writes line_of(0), line_of(1), ... at `rate` lines
// a second for `seconds`, or until `stop`.
inline void RunPacedNode(int listener, int rate, int seconds, const std::atomic<bool>& stop,
                         const std::function<std::string(long)>& line_of) {
  const int client = ::accept(listener, nullptr, nullptr);
  if (client < 0) return;
  const auto start = std::chrono::steady_clock::now();
  const long total = static_cast<long>(rate) * seconds;
  for (long i = 0; i < total && !stop; ++i) {
    std::this_thread::sleep_until(start + std::chrono::microseconds(i * 1000000L / rate));
    const std::string line = line_of(i);
    if (::send(client, line.data(), line.size(), MSG_NOSIGNAL) < 0) break;
  }
  ::close(client);
}

// Runs while the event loop runs; Report adds its figures to the benchmark.
class EventLoopProbe {
 public:
  EventLoopProbe() {
    m_elapsed.start();
    m_probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_probe, &QTimer::timeout, [this] {
      m_latenessMs.push_back(std::max<double>(0.0, static_cast<double>(m_elapsed.elapsed() - m_due)));
      m_due = m_elapsed.elapsed() + 10;
    });
    m_probe.start(10);
    QObject::connect(&m_sampler, &QTimer::timeout, [this] { m_residentKb.push_back(ResidentKilobytes()); });
    m_sampler.start(1000);
    m_residentKb.push_back(ResidentKilobytes());
  }

  void Report(benchmark::State& state) {
    std::sort(m_latenessMs.begin(), m_latenessMs.end());
    const auto at = [this](double q) {
      return m_latenessMs.empty() ? 0.0
                                  : m_latenessMs[static_cast<std::size_t>(q * (m_latenessMs.size() - 1))];
    };
    state.counters["latency_p50_ms"] = at(0.50);
    state.counters["latency_p99_ms"] = at(0.99);
    state.counters["latency_max_ms"] = m_latenessMs.empty() ? 0.0 : m_latenessMs.back();
    state.counters["rss_first_kb"] = static_cast<double>(m_residentKb.front());
    state.counters["rss_after_5s_kb"] =
        static_cast<double>(m_residentKb[std::min<std::size_t>(5, m_residentKb.size() - 1)]);
    state.counters["rss_last_kb"] = static_cast<double>(m_residentKb.back());
    state.counters["rss_max_kb"] =
        static_cast<double>(*std::max_element(m_residentKb.begin(), m_residentKb.end()));
  }

 private:
  QElapsedTimer m_elapsed;
  qint64 m_due = 10;
  QTimer m_probe;
  QTimer m_sampler;
  std::vector<double> m_latenessMs;
  std::vector<long> m_residentKb;
};

}  // namespace brilox::bench
