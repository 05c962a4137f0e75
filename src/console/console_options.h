// The command line of brilox-console.  Pure parsing: nothing is opened here.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "awards/log_import.h"
#include "platform/clock.h"
#include "platform/result.h"

namespace brilox {

// One stream of cluster bytes and the terminal it feeds.
struct ConsoleInput {
  int terminal = 1;
  std::string path;  // "-" for standard input
};

// A log to import into the databases of the data folder.
struct ConsoleImport {
  LogImportKind kind = LogImportKind::kDxcc;
  std::string path;
};

enum class ColourChoice { kAuto, kAlways, kNever };

struct ConsoleOptions {
  bool help = false;
  bool sample = false;
  bool no_log = false;
  std::string data_dir;        // empty: the normal data folder
  std::string settings_path;   // empty: the normal settings files
  std::optional<DayTime> now;  // a fixed UTC clock
  std::string trace_path;
  std::string call;  // overrides MyCall
  std::string connect;   // "host:port" of a live node to follow, empty for none
  int connect_terminal = 1;
  ColourChoice colour = ColourChoice::kAuto;
  std::vector<ConsoleInput> inputs;  // none: standard input on terminal 1
  std::vector<ConsoleImport> imports;  // when any: import them, in order, and read no traffic
  // The LoTW user list; empty: lotw-user-activity.csv of the data folder, when there.
  std::string lotw_users_path;
};

// `args` without the program name.
Result<ConsoleOptions> ParseConsoleOptions(const std::vector<std::string>& args);

// "2026-02-01T18:40", with optional ":SS" and a final "Z"; a blank may
// stand for the "T".  Nothing for any other text or an impossible date.
std::optional<DayTime> ParseUtcTime(const std::string& text);

// The text of --help.
const char* ConsoleHelpText();

}  // namespace brilox
