// The announcer on the real Qt audio adapter, heard through a real audio
// server: the test starts its own PulseAudio with a null sink (no sound
// card needed), plays an alarm into it, records the sink's monitor with
// parec and decodes the recording back to the call.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "links/pcm_reading.h"
#include "links/sound_announcer.h"
#include "platform/memory_file_system.h"
#include "platform/qt/qt_audio_output.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

using namespace std::chrono_literals;

constexpr int kRecordRate = 16000;

bool OnPath(const std::string& tool) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/bin:/bin";
  std::size_t at = 0;
  while (at <= folders.size()) {
    const std::size_t end = std::min(folders.find(':', at), folders.size());
    if (access((folders.substr(at, end - at) + "/" + tool).c_str(), X_OK) == 0) return true;
    at = end + 1;
  }
  return false;
}

// A child process with its output going to `output_path`; ended (SIGTERM,
// then waited for) when the object goes, and by the kernel when the test dies.
class Child {
 public:
  Child(std::vector<std::string> args, const std::string& output_path) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string error_path = output_path + ".err";
    m_pid = fork();
    if (m_pid == 0) {
      // The child goes with the test, even when the test crashes.
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      const int out = open(output_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const int err = open(error_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0) _exit(127);
      execvp(argv[0], argv.data());
      _exit(127);
    }
  }
  ~Child() { End(); }
  void End() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
  }
  bool running() const { return m_pid > 0 && waitpid(m_pid, nullptr, WNOHANG) == 0; }

 private:
  pid_t m_pid = -1;
};

std::vector<std::int16_t> ReadRaw(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                           (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
  }
  return samples;
}

std::string RunLengths(const std::vector<test::Run>& runs) {
  std::string out;
  for (const test::Run& r : runs)
    out += (r.on ? " +" : " -") + std::to_string(static_cast<int>(test::Ms(r.length, kRecordRate)));
  return out;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

TEST(SoundOnPulseAudioTest, TheRecordedAlarmDecodesToTheCall) {
  if (!OnPath("pulseaudio") || !OnPath("parec") || !OnPath("pactl")) {
    GTEST_SKIP()
        << "pulseaudio and pulseaudio-utils are not installed (scripts/install-deps.sh installs them)";
  }
  testing::ScratchFolder scratch;
  const std::string runtime = scratch.File("run");
  ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
  const std::string socket = scratch.File("pulse.sock");
  // The server and every client of this test find each other through these.
  setenv("HOME", scratch.path().c_str(), 1);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);

  Child server({"pulseaudio", "-n", "--daemonize=no", "--system=false", "--exit-idle-time=-1",
                "--disallow-exit", "--use-pid-file=false", "--log-target=stderr", "-L",
                "module-native-protocol-unix socket=" + socket + " auth-anonymous=1", "-L",
                "module-null-sink sink_name=brilox_test rate=16000 channels=1"},
               scratch.File("server.log"));
  ASSERT_TRUE(WaitUntil([&] { return system("pactl info > /dev/null 2>&1") == 0; }, 10s))
      << "the test's PulseAudio did not start";

  const std::string recording = scratch.File("monitor.raw");
  Child recorder({"parec", "-d", "brilox_test.monitor", "--format=s16le", "--rate=16000", "--channels=1",
                  "--raw", "--latency-msec=20"},
                 recording);
  // parec is recording once the server lists its stream.
  ASSERT_TRUE(WaitUntil([&] { return system("pactl list short source-outputs | grep -q .") == 0; }, 10s));

  int argc = 0;
  QCoreApplication application(argc, nullptr);
  AnnouncementQueue queue;
  QtAudioOutput output;
  MemoryFileSystem files;
  FakeClock clock;
  std::vector<std::string> reports;
  Settings settings;
  settings.AlarmLevel = 5;
  settings.InitialBeep = 0;
  TThreadSound announcer{SoundAnnouncerServices{queue, output, files, clock, "/prog",
                                                [&](const std::string& m) { reports.push_back(m); }}};
  announcer.ApplySettings(settings);
  // As in the program: the announcer's own thread opens the sink and plays.
  announcer.Start();
  AlarmRecord seeked;
  seeked.level = 5;
  seeked.dx_call = "VP8/G3ABC";
  queue.Add(seeked);

  // The recording is complete once the Morse has ended and 300 ms of
  // silence followed it.
  std::string decoded;
  WaitUntil(
      [&] {
        const std::vector<std::int16_t> pcm = ReadRaw(recording);
        const std::vector<test::Run> runs = test::SignalRuns(pcm, kRecordRate);
        if (runs.empty() || runs.back().on || test::Ms(runs.back().length, kRecordRate) < 300) return false;
        decoded = test::DecodeMorse(runs, kRecordRate);
        return decoded == "VP8/G3ABC";
      },
      10s);
  announcer.Stop();
  EXPECT_TRUE(reports.empty()) << reports.front();
  recorder.End();
  server.End();
  double dot_ms = 0;
  const std::vector<std::int16_t> pcm = ReadRaw(recording);
  const std::vector<test::Run> runs = test::SignalRuns(pcm, kRecordRate);
  EXPECT_EQ(test::DecodeMorse(runs, kRecordRate, &dot_ms), "VP8/G3ABC");
  EXPECT_NEAR(dot_ms, 45, 0.9) << RunLengths(runs);
  const auto first_on = std::find_if(runs.begin(), runs.end(), [](const test::Run& r) { return r.on; });
  ASSERT_NE(first_on, runs.end());
  EXPECT_NEAR(test::PitchHz(pcm, first_on->begin, first_on->length, kRecordRate), 900, 18);
}

}  // namespace
}  // namespace brilox
