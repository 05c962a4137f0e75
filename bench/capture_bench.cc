// Capture of a terminal at 1000 received lines a second on the window
// thread's event loop, to a file on the real disk: the lines are written as
// they come and flushed once a second by the window's clock, as the program
// does.  A probe timer measures how late the loop serves it (the latency an
// operator would feel).  For comparison, the same with a wait for the disk
// after every line.  Each run checks that every captured line is in the file
// after the stop ("lines_lost" 0, "file_as_sent" 1).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "links/built_in_texts.h"
#include "links/terminal_capture.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "support/loopback_harness.h"

namespace brilox {
namespace {

constexpr int kLinesPerSecond = 1000;
constexpr int kSeconds = 5;

QCoreApplication& Application() {
  static int argc = 1;
  static char name[] = "capture_bench";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  return *app;
}

std::string LineOf(long i) {
  return "DX de DL1ABC:    14025.0  JA1XYZ       CW 599 loud in EU " + std::to_string(i % 100000) +
         "         1200Z";
}

void RunCapture(benchmark::State& state, bool flush_every_line) {
  Application();
  char folder[] = "/tmp/brilox-capture-bench-XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    state.SkipWithError("no scratch folder");
    return;
  }
  const std::string path = std::string(folder) + "/capture.txt";
  for (auto _ : state) {
    Settings settings;
    ScriptedFileDialogs dialogs;
    RecordingMessageBox messages;
    BuiltInTexts texts;
    LastFolder last_folder;
    TerminalCapture capture({settings, PosixFileSystem(), dialogs, messages, texts, last_folder});
    dialogs.QueueAnswer(path);
    (void)capture.Receive1Click(1);

    bench::EventLoopProbe probe;
    QElapsedTimer elapsed;
    elapsed.start();
    long written = 0;
    const long total = static_cast<long>(kLinesPerSecond) * kSeconds;
    QTimer feed;
    feed.setTimerType(Qt::PreciseTimer);
    QObject::connect(&feed, &QTimer::timeout, [&] {
      const long due = std::min<long>(total, static_cast<long>(elapsed.elapsed()) * kLinesPerSecond / 1000);
      for (; written < due; ++written) {
        capture.WriteCapture(1, LineOf(written));
        if (flush_every_line) capture.FlushCaptures();
      }
      if (written >= total) QCoreApplication::exit(0);
    });
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] { capture.FlushCaptures(); });
    feed.start(1);
    clock.start(1000);
    QCoreApplication::exec();
    (void)capture.Receive1Click(1);  // the stop

    std::string expected;
    for (long i = 0; i < total; ++i) expected += LineOf(i) + "\r\n";
    Result<std::string> content = PosixFileSystem().ReadFile(path);
    state.counters["lines"] = static_cast<double>(written);
    long in_file = 0;
    for (std::size_t at = 0; content.ok() && (at = content->find("\r\n", at)) != std::string::npos; at += 2)
      ++in_file;
    state.counters["lines_lost"] = static_cast<double>(total - in_file);
    state.counters["file_as_sent"] = content.ok() && *content == expected ? 1.0 : 0.0;
    probe.Report(state);
  }
  std::filesystem::remove_all(folder);
}

void BM_CaptureAt1000LinesPerSecond(benchmark::State& state) { RunCapture(state, false); }
void BM_CaptureWaitingForTheDiskEveryLine(benchmark::State& state) { RunCapture(state, true); }

BENCHMARK(BM_CaptureAt1000LinesPerSecond)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_CaptureWaitingForTheDiskEveryLine)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace brilox
