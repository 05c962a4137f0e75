// brilox-console run as the operator runs it: real multi-node traffic from
// captures, interleaved on four terminals, through the whole pipeline with
// the shipped country file, a settings file and a fixed clock.  The rows it
// prints, its trace and the traffic logs it writes are checked here.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "awards/dxcc_file.h"
#include "awards/dxcc_raw_builder.h"
#include "spots/traffic_log.h"
#include "console/console_run.h"
#include "support/test_paths.h"

namespace brilox::testing {
namespace {

void WriteFileText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> SplitTabs(const std::string& row) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = row.find('\t', start)) != std::string::npos; start = tab + 1) {
    fields.push_back(row.substr(start, tab - start));
  }
  fields.push_back(row.substr(start));
  return fields;
}

// The rows of one window ("DX", "ALARM", "LOTW") in the order printed.
std::vector<std::string> WindowRows(const std::string& out, const std::string& window) {
  std::string label = window;
  label.resize(6, ' ');
  std::vector<std::string> rows;
  for (const std::string& line : SplitLines(out)) {
    if (line.rfind(label, 0) == 0) rows.push_back(line.substr(6));
  }
  return rows;
}

constexpr int kTerminal = 0, kClass = 1, kNewOnTerminal = 2, kNewForDisplay = 3, kBandOk = 4, kTimeOk = 8,
              kDxCall = 11, kBandKey = 14, kMode = 15, kEntityPrefix = 16, kEntityName = 17, kWazZone = 18,
              kLevel = 19, kTag = 24, kLogLine = 25, kDecodeLine = 27;

struct TraceRow {
  std::vector<std::string> fields;
  const std::string& operator[](int column) const { return fields[static_cast<std::size_t>(column)]; }
  bool Accepted() const {
    for (int c = kBandOk; c <= kTimeOk; ++c) {
      if ((*this)[c] != "1") return false;
    }
    return (*this)[kNewOnTerminal] == "1";
  }
  bool Shown() const { return Accepted() && (*this)[kNewForDisplay] == "1"; }
};

std::vector<TraceRow> ReadTrace(const std::string& path, std::string* header) {
  std::vector<TraceRow> rows;
  const std::vector<std::string> lines = SplitLines(ReadFileText(path));
  if (lines.empty()) return rows;
  *header = lines[0];
  for (std::size_t i = 1; i < lines.size(); ++i) rows.push_back({SplitTabs(lines[i])});
  return rows;
}

// A data folder with the shipped country file and a DXCC database in which
// Japan, the United States and Italy are confirmed everywhere and England
// is worked on 20 m; everything else is needed.
void PrepareDataFolder(const ScratchFolder& scratch, const std::string& folder) {
  std::filesystem::create_directories(folder);
  const std::string country = ReadFileText(ProgramDataPath("COUNTRY2.DAT"));
  ASSERT_FALSE(country.empty());
  WriteFileText(folder + "/COUNTRY2.DAT", country);
  Result<DxccRawReport> fresh = BuildDxccRaw(country);
  ASSERT_TRUE(fresh.ok());
  DxccTable& table = fresh->table;
  for (int row = 1; row <= table.count(); ++row) {
    DxccEntry& entry = table.row(row);
    const std::string prefix = entry.prefix.substr(0, entry.prefix.find(' '));
    if (prefix == "JA" || prefix == "K" || prefix == "I") entry.paper.fill(kStateConfirmed);
    if (prefix == "G") entry.paper[static_cast<std::size_t>(DxccColumn::k20)] = kStateWorked;
  }
  WriteFileText(folder + "/DXCC.DAT", EncodeDxccFile(table));
  (void)scratch;
}

void WriteSettings(const std::string& path, const std::string& values) {
  WriteFileText(path,
                "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n" + values);
}

class ConsoleReplay : public ::testing::Test {
 protected:
  void SetUp() override {
    data = scratch.File("data");
    PrepareDataFolder(scratch, data);
    settings = scratch.File("BRILOX.reg");
    WriteSettings(settings, "\"MyCall\"=\"K1ABC\"\r\n");
  }
  std::string Traffic(const std::string& name) { return Quoted(TestDataPath("cluster_traffic/" + name)); }

  ScratchFolder scratch;
  std::string data;
  std::string settings;
};

TEST_F(ConsoleReplay, FourNodesInterleavedShowEachSpotOnceRatedAndLogged) {
  const std::string trace_path = scratch.File("trace.tsv");
  const ConsoleRun run =
      RunConsole(scratch, "--data-dir " + Quoted(data) + " --settings " + Quoted(settings) +
                              " --now 2026-02-01T18:40Z --colour never --trace " + Quoted(trace_path) +
                              " --terminal 1 " + Traffic("cluster2mqtt_G4BFG-9_sample_cluster_output.txt") +
                              " --terminal 2 " + Traffic("m0lte_VE7CC-1_real_spot_lines.txt") +
                              " --terminal 3 " + Traffic("dxspider_local_node_session.raw") +
                              " --terminal 4 " + Traffic("cluster2mqtt_G4BFG-9_sample_cluster_output.txt"));
  ASSERT_EQ(run.exit_code, 0) << run.err;

  std::string header;
  const std::vector<TraceRow> trace = ReadTrace(trace_path, &header);
  EXPECT_EQ(header,
            "terminal\tclass\tnew_on_terminal\tnew_for_display\tBandOK\tModeOK\tZoneOK\tNotSelfSpot\tTimeOK\t"
            "Spotter\tFreqText\tDXCall\tComment\tSpotTime\tBandKey\tMode\tEntityPrefix\tEntityName\tWazZone\t"
            "Level\t"
            "LotwLevel\tAlarmLabel\tLotwLabel\tSpotIotaText\ttag\tLogLine\tShortLine\tDecodeLine");
  ASSERT_GT(trace.size(), 120u);
  for (const TraceRow& row : trace) ASSERT_EQ(row.fields.size(), 28u) << row.fields[0];

  // The same node's traffic on terminals 1 and 4: every line of terminal 4
  // is new there but was shown already.
  std::map<std::string, int> shown_per_terminal;
  for (const TraceRow& row : trace) {
    if (row[kTerminal] == "4") {
      EXPECT_EQ(row[kNewOnTerminal], "1");
      EXPECT_EQ(row[kNewForDisplay], "0") << row[kDecodeLine];
    }
    if (row.Shown()) ++shown_per_terminal[row[kTerminal]];
  }
  EXPECT_EQ(shown_per_terminal["4"], 0);
  EXPECT_EQ(shown_per_terminal["1"], 16) << "15 spots and a WCY bulletin";
  EXPECT_GT(shown_per_terminal["2"], 100);
  EXPECT_GT(shown_per_terminal["3"], 10);

  // The DX window got exactly the shown lines, each G4BFG-9 spot once.
  const std::vector<std::string> dx_rows = WindowRows(run.out, "DX");
  std::size_t shown = 0;
  for (const auto& [terminal, count] : shown_per_terminal) shown += static_cast<std::size_t>(count);
  EXPECT_EQ(dx_rows.size(), shown);
  for (const std::string& line : SplitLines(
           ReadFileText(TestDataPath("cluster_traffic/cluster2mqtt_G4BFG-9_sample_cluster_output.txt")))) {
    if (line.rfind("DX de ", 0) != 0) continue;
    EXPECT_EQ(std::count(dx_rows.begin(), dx_rows.end(), line), 1) << line;
  }

  // Spots rated against the shipped country file and the database above.
  std::map<std::string, const TraceRow*> by_call;
  for (const TraceRow& row : trace) {
    if (row.Shown() && (row[kClass] == "1" || row[kClass] == "2")) by_call[row[kDxCall]] = &row;
  }
  struct Expected {
    const char* call;
    const char* prefix;
    const char* name;
    const char* zone;
    const char* band_key;
    const char* mode;
    const char* level;
  };
  for (const Expected& e : {Expected{"TZ4AM       ", "TZ", "Mali", "35", "14", "C", "4"},
                            Expected{"5Z4VJ       ", "5Z", "Kenya", "37", "10", "R", "1"},
                            Expected{"JA1XYZ      ", "JA", "Japan", "25", "14", "C", "1"},
                            Expected{"IK2JET      ", "I", "Italy", "15", "14", "C", "1"},
                            Expected{"IT9ATQ/B    ", "9999", "", "0", "21", "C", "0"}}) {
    ASSERT_TRUE(by_call.count(e.call)) << e.call;
    const TraceRow& row = *by_call[e.call];
    EXPECT_EQ(row[kEntityPrefix], e.prefix) << e.call;
    EXPECT_EQ(row[kEntityName], e.name) << e.call;
    EXPECT_EQ(row[kWazZone], e.zone) << e.call;
    EXPECT_EQ(row[kBandKey], e.band_key) << e.call;
    EXPECT_EQ(row[kMode], e.mode) << e.call;
    EXPECT_EQ(row[kLevel], e.level) << e.call;
    EXPECT_EQ(row[kTag], e.level) << e.call;
  }

  // The alarm window holds the needed spots and the talk lines to K1ABC.
  const std::vector<std::string> alarm_rows = WindowRows(run.out, "ALARM");
  std::size_t needed = 0, talk = 0;
  for (const TraceRow& row : trace) {
    if (!row.Shown()) continue;
    if (row[kClass] == "99") {
      ++talk;
      EXPECT_EQ(row[kTag], "23");
    } else if ((row[kClass] == "1" || row[kClass] == "2") && std::stoi(row[kLevel]) > 1) {
      ++needed;
    }
    if (row[kClass] == "9") {
      EXPECT_EQ(row[kTag], "20");
    }
  }
  EXPECT_EQ(talk, 2u) << "\"K1ABC de N0DXS\" and \"K1ABC de W1AW\"";
  EXPECT_EQ(alarm_rows.size(), needed + talk);
  EXPECT_EQ(std::count(alarm_rows.begin(), alarm_rows.end(),
                       "DX de N0DXS:     14025.0  JA1XYZ       CW 599 loud                    1112Z"),
            0)
      << "Japan is confirmed";

  // One DXINFO.DAT record per shown spot, in the order shown.
  std::vector<std::string> logged;
  for (const TraceRow& row : trace) {
    if (row.Shown() && (row[kClass] == "1" || row[kClass] == "2")) logged.push_back(row[kLogLine]);
  }
  const std::string dxinfo = ReadFileText(data + "/DXINFO.DAT");
  ASSERT_EQ(dxinfo.size(), logged.size() * kDxRecordSize);
  for (std::size_t i = 0; i < logged.size(); ++i) {
    const std::string record = dxinfo.substr(i * kDxRecordSize, kDxRecordSize);
    ASSERT_EQ(static_cast<unsigned char>(record[0]), kDxTextLength);
    EXPECT_EQ(record.substr(1, kDxTextLength), logged[i]);
  }
  EXPECT_EQ(ReadFileText(data + "/TALKINFO.DAT").size(), 2 * kMessageRecordSize);
  EXPECT_EQ(ReadFileText(data + "/WWVINFO.DAT").size() % kPropagationRecordSize, 0u);
  EXPECT_GE(ReadFileText(data + "/ANNINFO.DAT").size(), 2 * kMessageRecordSize);

  // Without colours the output is plain text, whatever the nodes sent.
  for (char c : run.out) ASSERT_TRUE(c == '\n' || (c >= 32 && c <= 126)) << static_cast<int>(c);
}

TEST_F(ConsoleReplay, TheFixedClockDecidesWhichSpotsPassTheAgeRule) {
  WriteSettings(settings, "\"MyCall\"=\"K1ABC\"\r\n\"DeltaTime\"=dword:0000000f\r\n");
  const std::string capture = Traffic("cluster2mqtt_G4BFG-9_sample_cluster_output.txt");
  struct Case {
    const char* now;
    std::size_t spots;
  };
  // The capture's spots run from 1829Z to 1845Z.
  for (const Case& c :
       {Case{"2026-02-01T18:35Z", 15}, Case{"2026-02-01T18:46:00", 9}, Case{"2026-02-01T19:30Z", 0}}) {
    const ConsoleRun run =
        RunConsole(scratch, "--data-dir " + Quoted(data) + " --settings " + Quoted(settings) +
                                " --no-log --colour never --now " + c.now + " " + capture);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    std::size_t spots = 0;
    for (const std::string& row : WindowRows(run.out, "DX")) spots += row.rfind("DX de ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(spots, c.spots) << c.now;
  }
  EXPECT_FALSE(std::filesystem::exists(data + "/DXINFO.DAT") &&
               std::filesystem::file_size(data + "/DXINFO.DAT") > 0)
      << "--no-log writes no records";
}

// A LoTW user list given for the replay: its users fill the LoTW window with
// their " L" mark; a list entry with "/P" does not make the bare call a user;
// a list that cannot be read stops the run with a message.
TEST_F(ConsoleReplay, TheLotwUserListFillsTheLotwWindow) {
  WriteSettings(settings,
                "\"MyCall\"=\"K1ABC\"\r\n\"DeltaTime\"=dword:0000000f\r\n\"LOTW\"=dword:00000003\r\n");
  const std::string list = scratch.File("users.csv");
  // Out of order on purpose, with a line the loader passes over.
  WriteFileText(list,
                "VE6KIX,2021-03-01,10:00:00\nCX2SA,2020-01-01,11:00:00\nno comma\nTZ4AM/P,2019-01-01\n");
  const std::string capture = Traffic("cluster2mqtt_G4BFG-9_sample_cluster_output.txt");
  const ConsoleRun run =
      RunConsole(scratch, "--data-dir " + Quoted(data) + " --settings " + Quoted(settings) +
                              " --no-log --colour never --now 2026-02-01T18:35Z --lotw-users " +
                              Quoted(list) + " " + capture);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.err.find("3 LoTW users"), std::string::npos) << run.err;
  const std::vector<std::string> rows = WindowRows(run.out, "LOTW");
  ASSERT_EQ(rows.size(), 2u) << run.out;
  EXPECT_EQ(rows[0].substr(0, 32), "DX de K4VTE:     21142.3  VE6KIX");
  EXPECT_EQ(rows[0].substr(rows[0].size() - 2), " L");
  EXPECT_EQ(rows[1].substr(0, 31), "DX de AA8CS:     24915.4  CX2SA");
  for (const std::string& row : WindowRows(run.out, "DX")) {
    if (row.find("TZ4AM") != std::string::npos) {
      EXPECT_FALSE(row.ends_with(" L") || row.ends_with(" L?")) << row;
    }
  }

  const ConsoleRun missing =
      RunConsole(scratch, "--data-dir " + Quoted(data) + " --settings " + Quoted(settings) +
                              " --lotw-users " + Quoted(scratch.File("none.csv")) + " " + capture);
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_NE(missing.err.find("cannot read the LoTW user list"), std::string::npos) << missing.err;
}

TEST_F(ConsoleReplay, RowsAreDrawnInTheColoursOfTheirTags) {
  const ConsoleRun run =
      RunConsole(scratch, "--data-dir " + Quoted(data) + " --settings " + Quoted(settings) +
                              " --no-log --colour always " + Traffic("dxspider_local_node_session.raw"));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  // OH2XX on 1296 MHz: a new entity, ColDXCCnew on ColBkDXCCnew (red in the low byte).
  const std::string new_entity = "\x1b[38;2;255;255;0;48;2;128;0;128mDX de N0DXS:   1296100.0  OH2XX";
  EXPECT_NE(run.out.find("DX    " + new_entity), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("ALARM " + new_entity), std::string::npos);
  // The announcement: ColAnn on the DX window's own background (transparent).
  EXPECT_NE(run.out.find("DX    \x1b[38;2;0;0;255;48;2;255;255;255mALL de N0DXS: QRV 40m CW tonight"),
            std::string::npos);
  EXPECT_NE(run.out.find("\x1b[0m\n"), std::string::npos);
}

TEST_F(ConsoleReplay, TheSampleReplaysIntoATemporaryFolderAndLeavesTheDataFolderAlone) {
  const std::string source = scratch.File("program");
  std::filesystem::create_directories(source + "/samples");
  WriteFileText(source + "/COUNTRY2.DAT", ReadFileText(ProgramDataPath("COUNTRY2.DAT")));
  WriteFileText(source + "/samples/cluster_session.raw",
                ReadFileText(ProgramDataPath("samples/cluster_session.raw")));
  const auto before = std::distance(std::filesystem::directory_iterator(source), {});

  const ConsoleRun run =
      RunConsole(scratch, "--data-dir " + Quoted(source) + " --sample --call K1ABC --colour never");
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_GT(WindowRows(run.out, "DX").size(), 20u);
  EXPECT_FALSE(WindowRows(run.out, "ALARM").empty());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(source), {}), before);
  EXPECT_FALSE(std::filesystem::exists(source + "/DXINFO.DAT"));
  // The temporary folder it named is gone.
  const std::string marker = "temporary folder ";
  const std::size_t at = run.err.find(marker);
  ASSERT_NE(at, std::string::npos) << run.err;
  const std::string folder =
      run.err.substr(at + marker.size(), run.err.find(' ', at + marker.size()) - at - marker.size());
  EXPECT_FALSE(std::filesystem::exists(folder)) << folder;
}

TEST(ConsoleFreshDataFolder, RatesWithTheShippedCountryFileAndDatabase) {
  ScratchFolder scratch;
  const std::string data = scratch.File("new-data");
  const std::string trace = scratch.File("trace.tsv");
  const ConsoleRun run = RunConsole(
      scratch, "--data-dir " + Quoted(data) + " --colour never --trace " + Quoted(trace) + " " +
                   Quoted(TestDataPath("cluster_traffic/cluster2mqtt_G4BFG-9_sample_cluster_output.txt")));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  // The program folder's COUNTRY2.DAT and DXCC.RAW were copied, the database
  // opened from DXCC.RAW; nothing is worked yet, so every entity is new.
  EXPECT_TRUE(std::filesystem::exists(data + "/COUNTRY2.DAT"));
  EXPECT_TRUE(std::filesystem::exists(data + "/DXCC.DAT"));
  EXPECT_EQ(run.err.find("fresh DXCC database"), std::string::npos) << run.err;
  std::string header;
  int rated = 0;
  for (const TraceRow& row : ReadTrace(trace, &header)) {
    if (row[kClass] != "1" || !row.Shown()) continue;
    ++rated;
    if (row[kEntityPrefix] == "9999") continue;
    EXPECT_EQ(row[kTag], row[kLevel]);
    // A new entity on CW or phone; data modes (FT8, FT4) raise no alarm by default.
    if (row[kMode] != "R") {
      EXPECT_EQ(row[kLevel], "4") << row[kDecodeLine];
    }
  }
  EXPECT_EQ(rated, 15);
}

TEST(ConsoleCommandLine, HelpAndMistakes) {
  ScratchFolder scratch;
  const ConsoleRun help = RunConsole(scratch, "--help");
  EXPECT_EQ(help.exit_code, 0);
  for (const char* option :
       {"--terminal", "--data-dir", "--settings", "--now", "--trace", "--sample", "--lotw-users"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  struct Case {
    std::string arguments;
    int exit_code;
  };
  for (const Case& c : {Case{"--bogus", 2}, Case{"--terminal 5", 2}, Case{"--now yesterday", 2},
                        Case{"--now 2026-02-30T10:00Z", 2}, Case{"--trace", 2},
                        Case{"--data-dir " + scratch.File("d") + " " + scratch.File("missing.raw"), 1}}) {
    const ConsoleRun run = RunConsole(scratch, c.arguments);
    EXPECT_EQ(run.exit_code, c.exit_code) << c.arguments << ": " << run.err;
    EXPECT_FALSE(run.err.empty()) << c.arguments;
  }
}

}  // namespace
}  // namespace brilox::testing
