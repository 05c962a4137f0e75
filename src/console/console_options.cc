#include "console/console_options.h"

#include <cstdio>

namespace brilox {
namespace {

std::optional<int> ReadNumber(const std::string& text, std::size_t at, std::size_t digits) {
  if (at + digits > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + digits; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

Status Missing(const std::string& option) { return Status::InvalidArgument(option + " needs a value"); }

}  // namespace

std::optional<DayTime> ParseUtcTime(const std::string& text_in) {
  std::string text = text_in;
  if (!text.empty() && (text.back() == 'Z' || text.back() == 'z')) text.pop_back();
  if (text.size() != 16 && text.size() != 19) return std::nullopt;
  if (text[4] != '-' || text[7] != '-' || (text[10] != 'T' && text[10] != ' ') || text[13] != ':')
    return std::nullopt;
  if (text.size() == 19 && text[16] != ':') return std::nullopt;
  const auto year = ReadNumber(text, 0, 4), month = ReadNumber(text, 5, 2), day = ReadNumber(text, 8, 2);
  const auto hour = ReadNumber(text, 11, 2), minute = ReadNumber(text, 14, 2);
  const auto second = text.size() == 19 ? ReadNumber(text, 17, 2) : std::optional<int>(0);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  if (*year < 1900 || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month))
    return std::nullopt;
  if (*hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  return EncodeDateTime(*year, *month, *day, *hour, *minute, *second);
}

Result<ConsoleOptions> ParseConsoleOptions(const std::vector<std::string>& args) {
  ConsoleOptions options;
  int terminal = 1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--sample") {
      options.sample = true;
    } else if (arg == "--no-log") {
      options.no_log = true;
    } else if (arg == "--colour" || arg == "--color") {
      if (!has_value) return Missing(arg);
      const std::string& value = args[++i];
      if (value == "auto") {
        options.colour = ColourChoice::kAuto;
      } else if (value == "always") {
        options.colour = ColourChoice::kAlways;
      } else if (value == "never") {
        options.colour = ColourChoice::kNever;
      } else {
        return Status::InvalidArgument(arg + " takes auto, always or never");
      }
    } else if (arg == "--data-dir" || arg == "--settings" || arg == "--trace" || arg == "--call" ||
               arg == "--lotw-users") {
      if (!has_value) return Missing(arg);
      std::string& target = arg == "--data-dir"     ? options.data_dir
                            : arg == "--settings"   ? options.settings_path
                            : arg == "--trace"      ? options.trace_path
                            : arg == "--lotw-users" ? options.lotw_users_path
                                                    : options.call;
      target = args[++i];
    } else if (arg == "--import-adif" || arg == "--import-adif-iota" || arg == "--import-lotw-report") {
      if (!has_value) return Missing(arg);
      const LogImportKind kind = arg == "--import-adif"        ? LogImportKind::kDxcc
                                 : arg == "--import-adif-iota" ? LogImportKind::kIota
                                                               : LogImportKind::kLotwReport;
      options.imports.push_back({kind, args[++i]});
    } else if (arg == "--connect") {
      if (!has_value) return Missing(arg);
      options.connect = args[++i];
      options.connect_terminal = terminal;
      if (options.connect.find(':') == std::string::npos) {
        return Status::InvalidArgument("--connect wants HOST:PORT");
      }
    } else if (arg == "--now") {
      if (!has_value) return Missing(arg);
      options.now = ParseUtcTime(args[++i]);
      if (!options.now) return Status::InvalidArgument("--now wants a UTC time such as 2026-02-01T18:40Z");
    } else if (arg == "--terminal") {
      if (!has_value) return Missing(arg);
      const std::string& value = args[++i];
      if (value.size() != 1 || value[0] < '1' || value[0] > '4') {
        return Status::InvalidArgument("--terminal takes 1, 2, 3 or 4");
      }
      terminal = value[0] - '0';
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      return Status::InvalidArgument("unknown option " + arg);
    } else {
      options.inputs.push_back({terminal, arg});
    }
  }
  if (!options.imports.empty()) {
    if (!options.inputs.empty() || options.sample || !options.connect.empty()) {
      return Status::InvalidArgument("an import reads no traffic: give no files, --sample or --connect with it");
    }
    return options;
  }
  // A --terminal without a file names the terminal of standard input.
  if (options.inputs.empty() && !options.sample && options.connect.empty()) {
    options.inputs.push_back({terminal, "-"});
  }
  if (!options.connect.empty() && (!options.inputs.empty() || options.sample)) {
    return Status::InvalidArgument("--connect reads the node alone: give no files and no --sample");
  }
  return options;
}

const char* ConsoleHelpText() {
  return "usage: brilox-console [options] [--terminal N] [FILE] [--terminal M FILE ...]\n"
         "\n"
         "Runs DX cluster traffic through the BRILOX spot pipeline and prints every row\n"
         "the DX, alarm and LoTW windows receive, coloured by its tag in the settings'\n"
         "colours when standard output is a terminal.\n"
         "\n"
         "Input: each FILE (\"-\" or none: standard input) feeds the terminal named by the\n"
         "--terminal before it (1 to 4, default 1).  Several files are interleaved line\n"
         "by line, as from links to several nodes at once, so the same spot relayed by\n"
         "two nodes is shown once.\n"
         "\n"
         "  --data-dir DIR   data folder: COUNTRY2.DAT, DXCC.DAT and the traffic logs.\n"
         "                   Missing master files are copied from the program folder,\n"
         "                   as the program does at start-up.  Default: the program's\n"
         "                   own data folder (~/.local/share/MORVEL/BRILOX).\n"
         "  --settings FILE  settings file (REGEDIT4 text, as the program keeps it);\n"
         "                   read only.  Default: the program's own settings file.\n"
         "  --connect HOST:PORT  follow a live node on the terminal of the --terminal\n"
         "                   before it: what the node sends goes through the pipeline,\n"
         "                   lines typed on standard input (the login) go to the node.\n"
         "  --now TIME       a fixed UTC clock, for replaying a capture so that its\n"
         "                   spots pass the age rule: 2026-02-01T18:40Z.\n"
         "  --trace FILE     one tab-separated row per processed line (header first):\n"
         "                   flags, spot fields, levels, labels, tag and texts.\n"
         "  --call CALL      own call, for talk lines (overrides the settings).\n"
         "  --lotw-users FILE  the LoTW user list (lotw-user-activity.csv) to rate the\n"
         "                   spots against.  Default: that file of the data folder,\n"
         "                   when there; without a list no call is a LoTW user.\n"
         "  --no-log         write no traffic log records.\n"
         "  --colour WHEN    auto (default), always or never.\n"
         "  --sample         replay the bundled sample (DIR/samples/cluster_session.raw,\n"
         "                   DIR the --data-dir or the program folder) with the built-in\n"
         "                   settings and its own clock, into a temporary data folder\n"
         "                   that is removed at the end: nothing is written into DIR.\n"
         "  --import-adif FILE         import an ADIF log into the DXCC database of\n"
         "                   the data folder (paper credits: worked, confirmed).\n"
         "  --import-adif-iota FILE    import an ADIF log into the IOTA database.\n"
         "  --import-lotw-report FILE  import a LoTW report (LoTW credits).\n"
         "                   Imports run in the order given, print the import\n"
         "                   window's counters and status, save the database, and\n"
         "                   read no traffic.  A file that is no log, is cut short\n"
         "                   or damaged changes nothing and ends with status 1.\n"
         "  --help           this text.\n"
         "\n"
         "Output rows: \"DX    \", \"ALARM \" or \"LOTW  \" and the row.  Bytes that are\n"
         "not printable show as \\xNN.  A summary goes to standard error.\n";
}

}  // namespace brilox
