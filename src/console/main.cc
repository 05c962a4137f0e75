// brilox-console: DX cluster traffic from files or standard input through the
// real spot pipeline, printing the rows of the DX, alarm and LoTW windows.
// Operators use it to replay a capture and check a filter; the tests use it
// to check the pipeline on real traffic.  See ConsoleHelpText.
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "console/console_folders.h"
#include "console/console_import.h"
#include "console/console_input.h"
#include "console/console_network.h"
#include "console/console_options.h"
#include "console/console_printer.h"
#include "console/console_settings.h"
#include "platform/app_folders.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "spots/spot_pipeline.h"

namespace brilox {
namespace {

// The sample's larger session was captured at this time; with the built-in
// settings (no age limit) every spot of both sessions is shown.
constexpr char kSampleTime[] = "2026-02-01T18:40:00Z";

void Note(const std::string& text) { std::fprintf(stderr, "brilox-console: %s\n", text.c_str()); }

bool UseColour(ColourChoice choice) {
  if (choice == ColourChoice::kAuto) return ::isatty(STDOUT_FILENO) == 1;
  return choice == ColourChoice::kAlways;
}

class TraceFile {
 public:
  explicit TraceFile(const std::string& path)
      : m_file(path.empty() ? nullptr : std::fopen(path.c_str(), "wb")) {}
  ~TraceFile() {
    if (m_file != nullptr) std::fclose(m_file);
  }
  TraceFile(const TraceFile&) = delete;
  TraceFile& operator=(const TraceFile&) = delete;
  std::FILE* get() const { return m_file; }

 private:
  std::FILE* m_file;
};

// The temporary folder of --sample goes whatever way the run ends.
class TemporaryFolderGuard {
 public:
  explicit TemporaryFolderGuard(const ConsoleFolders& folders) : m_folders(folders) {}
  ~TemporaryFolderGuard() { RemoveTemporaryFolder(m_folders); }
  TemporaryFolderGuard(const TemporaryFolderGuard&) = delete;
  TemporaryFolderGuard& operator=(const TemporaryFolderGuard&) = delete;

 private:
  const ConsoleFolders& m_folders;
};

// The LoTW user list of --lotw-users (which must read), else the data
// folder's own when it is there, as the program loads it at start-up.
Status LoadConsoleLotwUsers(const ConsoleOptions& options, FileSystem& fs, SpotPipeline& spots) {
  std::string path = options.lotw_users_path;
  if (path.empty()) {
    path = JoinPath(spots.data_folder(), kLotwUserFileName);
    if (!fs.Exists(path)) return Status::Ok();
  }
  Result<LotwUsers> users = LotwUsers::Load(fs, path);
  if (!users.ok())
    return Status::Io("cannot read the LoTW user list " + path + " (" + users.status().ToString() + ")");
  Note(std::to_string(users->count()) + " LoTW users in " + path +
       (users->sorted_on_load() ? " (out of order, sorted)" : ""));
  spots.SetLotwUsers(std::move(users).value());
  return Status::Ok();
}

int Run(ConsoleOptions options) {
  FileSystem& fs = PosixFileSystem();
  if (options.sample && !options.now) options.now = ParseUtcTime(kSampleTime);

  Result<ConsoleFolders> folders = PrepareConsoleFolders(options, fs, ReadFolderEnvironment(),
                                                         BuildTree{BRILOX_BUILD_DIR, BRILOX_SOURCE_DATA_DIR});
  if (!folders.ok()) {
    Note(folders.status().ToString());
    return 1;
  }
  const TemporaryFolderGuard cleanup(*folders);
  for (const std::string& note : folders->notes) Note(note);
  if (options.sample) options.inputs = {{1, folders->sample_file}};

  ConsoleSettings settings = LoadConsoleSettings(options, fs, folders->program_folder);
  for (const std::string& note : settings.notes) Note(note);

  std::unique_ptr<Clock> clock;
  if (options.now) {
    clock = std::make_unique<FakeClock>(*options.now);
  } else {
    clock = std::make_unique<SystemClock>();
  }
  if (!options.imports.empty()) {
    return RunConsoleImports(options.imports, fs, folders->data_folder, settings.settings, *clock, stdout, stderr);
  }
  Result<std::unique_ptr<SpotPipeline>> pipeline = SpotPipeline::Open(
      fs, *clock, folders->data_folder, std::move(settings.settings), MissingDxccFile::kFreshFromCountryFile);
  if (!pipeline.ok()) {
    Note(pipeline.status().ToString() + " (data folder " + folders->data_folder + ")");
    return 1;
  }
  for (const std::string& note : (*pipeline)->notes()) Note(note);
  if (const Status loaded = LoadConsoleLotwUsers(options, fs, **pipeline); !loaded.ok()) {
    Note(loaded.ToString());
    return 1;
  }

  TraceFile trace(options.trace_path);
  if (!options.trace_path.empty() && trace.get() == nullptr) {
    Note("cannot write the trace " + options.trace_path);
    return 1;
  }
  SpotPipeline& spots = **pipeline;
  ConsolePrinter printer(stdout, trace.get(), spots.settings(), spots.windows(), UseColour(options.colour));
  spots.processing().SetEvents(&printer);
  spots.SetView({'D', 1});

  const Status fed = options.connect.empty() ? FeedInputs(options.inputs, spots, fs)
                                             : FollowNode(options.connect, options.connect_terminal, spots);
  if (!fed.ok()) {
    Note(fed.ToString());
    return 1;
  }
  std::fflush(stdout);
  const ConsoleCounts& counts = printer.counts();
  Note(std::to_string(counts.lines) + " lines processed, " + std::to_string(counts.shown) + " shown, " +
       std::to_string(counts.alarms) + " alarms, " + std::to_string(counts.announced) +
       " announcements queued, " + std::to_string(counts.logged) + " log records written in " +
       spots.data_folder());
  if (spots.processing().lost_log_records() > 0) {
    Note(std::to_string(spots.processing().lost_log_records()) + " log records could not be written");
  }
  return 0;
}

}  // namespace
}  // namespace brilox

int main(int argc, char** argv) {
  using namespace brilox;
  Result<ConsoleOptions> options = ParseConsoleOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!options.ok()) {
    std::fprintf(stderr, "brilox-console: %s\n\n%s", options.status().context().c_str(), ConsoleHelpText());
    return 2;
  }
  if (options->help) {
    std::fputs(ConsoleHelpText(), stdout);
    return 0;
  }
  return Run(std::move(*options));
}
