// A whole import from the file check to the save: a good log is applied and
// saved; a file that is no log, cut short, damaged or junk changes nothing,
// neither in memory nor on disk.
#include "awards/log_import.h"

#include <gtest/gtest.h>

#include <random>

#include "awards/dxcc_file.h"
#include "awards/dxcc_store.h"
#include "dxcc_test_records.h"
#include "platform/memory_file_system.h"

namespace brilox {
namespace {

using testing::TableOf;

constexpr char kFolder[] = "data";
const std::string kGoodLog =
    "Exported by a test\r\n<ADIF_VER:5>3.1.0\r\n<EOH>\r\n"
    "<CALL:6>DL1ABC<BAND:3>20M<MODE:3>SSB<QSO_DATE:8>20200101<TIME_ON:4>1200<EOR>\r\n"
    "<CALL:6>DL1ABC<BAND:3>20M<MODE:3>SSB<QSO_DATE:8>20200102<TIME_ON:4>1200<QSL_RCVD:1>Y<EOR>\r\n";

DxccImportContext Context() {
  return {[](std::string_view call) {
            return call.substr(0, 2) == "DL" ? std::string("DL") : std::string("9999");
          },
          20260101, false};
}

class LogImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dxcc = TableOf({{"DL", "Germany"}, {"F", "France"}});
    ASSERT_TRUE(SauveDXCC(fs, kFolder, dxcc).ok());
    saved = *fs.ReadFile("data/DXCC.DAT");
  }

  // Runs an import of `path` in slices of 1 record; the status of Finish.
  Status Import(const std::string& path, LogImportKind kind, LogFileRefusal* refusal = nullptr,
                LogImportCounts* counts = nullptr) {
    Result<LogFileOpening> opening = OpenLogFile(fs, path, kind);
    if (!opening.ok()) return opening.status();
    if (refusal != nullptr) *refusal = opening->refusal;
    if (opening->refusal != LogFileRefusal::kNone) return Status::InvalidArgument("refused");
    LogImport run(kind, std::move(opening->bytes), dxcc, iota, Context(), {});
    int slices = 0;
    while (!run.Step(1)) ++slices;
    EXPECT_GE(slices, 1);
    if (counts != nullptr) *counts = run.counts();
    return run.Finish(fs, kFolder, dxcc, iota);
  }

  void ExpectNothingChanged() {
    EXPECT_EQ(*fs.ReadFile("data/DXCC.DAT"), saved);
    EXPECT_EQ(dxcc.row(1).paper_state(DxccColumn::k20), '-');
    EXPECT_FALSE(fs.Exists("data/IOTA.DAT"));
  }

  MemoryFileSystem fs;
  DxccTable dxcc;
  IotaTable iota;
  std::string saved;
};

TEST_F(LogImportTest, AppliesAndSavesAGoodLog) {
  ASSERT_TRUE(fs.WriteFile("log.adi", kGoodLog).ok());
  LogImportCounts counts;
  ASSERT_TRUE(Import("log.adi", LogImportKind::kDxcc, nullptr, &counts).ok());
  EXPECT_EQ(counts.records, 2);
  EXPECT_EQ(counts.updates, 4) << "W then C on SSB and 20";
  EXPECT_EQ(dxcc.row(1).paper_state(DxccColumn::k20), 'C');
  DxccTable reloaded;
  ASSERT_TRUE(LoadDxccTable(fs, kFolder, reloaded).ok());
  EXPECT_EQ(reloaded.row(1).paper_state(DxccColumn::kSsb), 'C');
  EXPECT_TRUE(fs.Exists("data/DXCC.BAK")) << "the previous database is kept";
}

TEST_F(LogImportTest, FaultyFilesChangeNothing) {
  const std::string damaged_middle =
      kGoodLog + "<CALL:6>DL1ABC<BAND:3>40M<QSO_DATE:8>20200102<EOR><COMMENT:99999>x<EOR>";
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;  // part of the fault, empty for a refusal
  } cases[] = {
      {"Truncated", kGoodLog.substr(0, kGoodLog.size() - 20), "cut short"},
      {"LengthPastTheEnd", damaged_middle, "longer than the rest of the file"},
      {"NotAdif", "CALL,BAND\nDL1ABC,20M\n", ""},
      {"TagsWithoutBrackets", "QSO_DATE:8 20210706 CALL:4 DP9X BAND:3 20M MODE:2 CW\n", ""},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(fs.WriteFile("bad.adi", c.bytes).ok());
    LogFileRefusal refusal = LogFileRefusal::kNone;
    const Status status = Import("bad.adi", LogImportKind::kDxcc, &refusal);
    EXPECT_FALSE(status.ok()) << c.name;
    if (*c.message == '\0') {
      EXPECT_EQ(refusal, LogFileRefusal::kNotAdif) << c.name;
    } else {
      EXPECT_NE(status.context().find(c.message), std::string::npos) << c.name << ": " << status.ToString();
    }
    ExpectNothingChanged();
  }
}

TEST_F(LogImportTest, FiftyMegabytesOfJunkAreRefusedFromTheHead) {
  std::string junk(50u << 20, '\0');
  std::mt19937 random(7);
  for (char& c : junk) c = static_cast<char>(random());
  ASSERT_TRUE(fs.WriteFile("junk.adi", junk).ok());
  LogFileRefusal refusal = LogFileRefusal::kNone;
  EXPECT_FALSE(Import("junk.adi", LogImportKind::kDxcc, &refusal).ok());
  EXPECT_EQ(refusal, LogFileRefusal::kNotAdif);
  ExpectNothingChanged();
}

TEST_F(LogImportTest, UnreadableFileIsAnIoError) {
  EXPECT_TRUE(Import("missing.adi", LogImportKind::kDxcc).IsIo());
  ASSERT_TRUE(fs.CreateDirectories("folder.adi").ok());
  EXPECT_TRUE(Import("folder.adi", LogImportKind::kDxcc).IsIo());
}

TEST_F(LogImportTest, IotaImportSavesTheIotaDatabase) {
  ASSERT_TRUE(fs.WriteFile("log.adi", kGoodLog + "<CALL:5>G0ABC<IOTA:6>EU-005<QSL_RCVD:1>Y<EOR>").ok());
  LogImportCounts counts;
  ASSERT_TRUE(Import("log.adi", LogImportKind::kIota, nullptr, &counts).ok());
  EXPECT_EQ(counts.records, 3);
  EXPECT_EQ(counts.updates, 1);
  EXPECT_EQ(iota.entry(IotaIndexOfReference("EU-005")).status, 'C');
  EXPECT_TRUE(fs.Exists("data/IOTA.DAT"));
  EXPECT_EQ(*fs.ReadFile("data/DXCC.DAT"), saved) << "the DXCC database is not touched";
}

TEST(CheckLogFile, LotwReportChecks) {
  const std::string report_head =
      "ARRL Logbook of the World Status Report\n<APP_LoTW_NUMREC:1>1\n<eoh>\n"
      "<CALL:4>DL1A<BAND:3>20M<MODE:2>CW<QSO_DATE:8>20200101<TIME_ON:4>1200";
  EXPECT_EQ(CheckLogFile(LogImportKind::kLotwReport, report_head + "<DXCC:3>230<EOR>"),
            LogFileRefusal::kNone);
  EXPECT_EQ(CheckLogFile(LogImportKind::kLotwReport, report_head + "<EOR>"),
            LogFileRefusal::kLotwReportWithoutDxcc);
  EXPECT_EQ(CheckLogFile(LogImportKind::kLotwReport, kGoodLog), LogFileRefusal::kNotLotwReport)
      << "an ordinary log is no report";
  EXPECT_EQ(CheckLogFile(LogImportKind::kDxcc, report_head + "<EOR>"), LogFileRefusal::kNone);
}

}  // namespace
}  // namespace brilox
