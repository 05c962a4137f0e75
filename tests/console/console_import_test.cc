// brilox-console --import-adif, --import-adif-iota and --import-lotw-report
// on real exports of logging programs and a real LoTW report: counters, the
// databases of the data folder, and files that must change nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "awards/dxcc_file.h"
#include "awards/iota_file.h"
#include "awards/iota_table.h"
#include "console/console_run.h"
#include "support/test_paths.h"

namespace brilox::testing {
namespace {

ConsoleRun Import(const ScratchFolder& scratch, const std::string& data, const std::string& option,
                  const std::string& file) {
  return RunConsole(scratch, "--data-dir " + Quoted(data) + " " + option + " " + Quoted(file));
}

std::string Counters(int records, int updates, const char* database = "DXCC") {
  return std::string("Database to update: ") + database + "\nRecords processed: " + std::to_string(records) +
         "\nUpdates: " + std::to_string(updates) + "\nStatus: Done\n";
}

DxccEntry Row(const std::string& data, std::string_view prefix) {
  Result<std::vector<DxccEntry>> rows = DecodeDxccFile(ReadFileText(data + "/DXCC.DAT"), "DXCC.DAT");
  EXPECT_TRUE(rows.ok());
  for (const DxccEntry& row : *rows) {
    if (row.prefix == PadText(prefix, 4)) return row;
  }
  ADD_FAILURE() << "no row " << prefix;
  return TemplateDxccEntry();
}

struct CounterCase {
  const char* file;
  const char* option;
  const char* database;
  int records;
  int updates;
};

TEST(ConsoleImport, CountersOfRealFiles) {
  // Records are the files' QSOs; updates the credits a fresh database gains
  // (one QSO gives a mode and a band).
  const CounterCase cases[] = {
      {"adif/adifproc_LU7HF_QLog.adi", "--import-adif", "DXCC", 1, 2},
      {"adif/adifproc_HAMRS_POTA.adi", "--import-adif", "DXCC", 1, 2},   // lower-case tags
      {"adif/ham2k_ki2d-n1mm.adi", "--import-adif", "DXCC", 25, 42},     // no DXCC numbers
      {"adif/ham2k_nu4b-logic.adi", "--import-adif", "DXCC", 139, 272},  // type indicators
      {"adif/ham2k_nu4b-logic.adi", "--import-adif-iota", "IOTA", 139, 46},
      {"adif/adifproc_qrz-snippet_QRZLogbook.adi", "--import-adif-iota", "IOTA", 114, 4},
      {"lotw/ham2k_ki2d_lotwreport_qslonly_2021-07-06.adi", "--import-lotw-report", "DXCC", 13, 10},
  };
  for (const CounterCase& c : cases) {
    ScratchFolder scratch;
    const ConsoleRun run = Import(scratch, scratch.File("data"), c.option, TestDataPath(c.file));
    EXPECT_EQ(run.exit_code, 0) << c.file << ": " << run.err;
    EXPECT_EQ(run.out, Counters(c.records, c.updates, c.database)) << c.file;
  }
}

TEST(ConsoleImport, LotwReportRaisesLotwCreditsOnly) {
  ScratchFolder scratch;
  const std::string data = scratch.File("data");
  const ConsoleRun run = Import(scratch, data, "--import-lotw-report",
                                TestDataPath("lotw/ham2k_ki2d_lotwreport_qslonly_2021-07-06.adi"));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  // F5LOW, 40 m FT8, confirmed.
  const DxccEntry france = Row(data, "F");
  EXPECT_EQ(france.lotw_state(DxccColumn::k40), 'C');
  EXPECT_EQ(france.lotw_state(DxccColumn::kDigital), 'C');
  EXPECT_EQ(france.paper_state(DxccColumn::k40), '-');
  EXPECT_EQ(france.paper_state(DxccColumn::kDigital), '-');
}

TEST(ConsoleImport, RefusedFilesLeaveTheDatabasesAsTheyWere) {
  ScratchFolder scratch;
  const std::string data = scratch.File("data");
  ASSERT_EQ(Import(scratch, data, "--import-adif", TestDataPath("adif/adifproc_LU7HF_QLog.adi")).exit_code,
            0);
  const std::string before = ReadFileText(data + "/DXCC.DAT");
  // Cut inside the last value, and cut just before the last record's end.
  const std::string log = ReadTestData("adif/ham2k_ki2d-n1mm.adi");
  const std::string cut_value = scratch.File("cut_value.adi");
  const std::string cut_record = scratch.File("cut_record.adi");
  std::ofstream(cut_value, std::ios::binary) << log.substr(0, log.size() - 40);
  std::ofstream(cut_record, std::ios::binary) << log.substr(0, log.rfind("<EOR>") - 1);
  struct Case {
    std::string file;
    const char* message;
  } cases[] = {
      {TestDataPath("adif/adifproc_DP9X.adi"), "This file is not an ADIF file"},  // tags without brackets
      {cut_value, "longer than the rest of the file"},
      {cut_record, "cut short"},
      {scratch.File("missing.adi"), "cannot read"},
      {scratch.path(), "is a folder"},
  };
  for (const Case& c : cases) {
    const ConsoleRun run = Import(scratch, data, "--import-adif", c.file);
    EXPECT_EQ(run.exit_code, 1) << c.file;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << c.file;
    EXPECT_EQ(ReadFileText(data + "/DXCC.DAT"), before) << c.file;
  }
  const ConsoleRun report =
      Import(scratch, data, "--import-lotw-report", TestDataPath("adif/adifproc_LU7HF_QLog.adi"));
  EXPECT_EQ(report.exit_code, 1);
  EXPECT_NE(report.err.find("This file is not a LoTW report"), std::string::npos) << report.err;
}

TEST(ConsoleImport, EveryFixtureImportsWithoutACrash) {
  const char* files[] = {"adif/adifproc_DP9X.adi",
                         "adif/adifproc_HAMRS_POTA.adi",
                         "adif/adifproc_LU7HF_QLog.adi",
                         "adif/adifproc_loghx_shuttle.adi",
                         "adif/adifproc_lotw_qslcards_no-qso-time.adi",
                         "adif/adifproc_monolog_sample.adi",
                         "adif/ham2k_nu4b-logic.adi",
                         "adif/ham2k_wo7r-mixw2.adi",
                         "adif/farmergreg_SKCCLogger.adi",
                         "adif/ham2k_ki2d-n1mm.adi",
                         "adif/adifproc_qrz-snippet_QRZLogbook.adi",
                         "lotw/ham2k_ki2d_lotwreport_qslonly_2021-07-06.adi"};
  for (const char* file : files) {
    for (const char* option : {"--import-adif", "--import-adif-iota", "--import-lotw-report"}) {
      ScratchFolder scratch;
      const ConsoleRun run = Import(scratch, scratch.File("data"), option, TestDataPath(file));
      EXPECT_TRUE(run.exit_code == 0 || run.exit_code == 1) << file << " " << option << ": " << run.err;
      EXPECT_TRUE(run.exit_code == 1 || run.out.find("Status: Done") != std::string::npos) << file;
    }
  }
}

}  // namespace
}  // namespace brilox::testing
