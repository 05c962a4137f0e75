// The ADIF reader on what logging programs really write, and on files that
// must be refused rather than half read.
#include "awards/adif_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brilox {
namespace {

// Every record as "NAME=value;..." lines, or the fault.
std::vector<std::string> ReadAll(std::string_view bytes, Status* status = nullptr) {
  AdifReader reader(bytes);
  AdifRecord record;
  std::vector<std::string> out;
  while (reader.Next(record)) {
    std::string line;
    for (const AdifField& field : record.fields) line += field.name + "=" + field.value + ";";
    out.push_back(line);
  }
  if (status != nullptr) *status = reader.status();
  EXPECT_TRUE(reader.position() == reader.size() || !reader.status().ok())
      << "a reader stops at the end of the file or on a fault";
  return out;
}

struct ReadCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> records;
};

class AdifReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(AdifReadTest, ReadsTheRecords) {
  Status status;
  EXPECT_EQ(ReadAll(GetParam().bytes, &status), GetParam().records);
  EXPECT_TRUE(status.ok()) << status.ToString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, AdifReadTest,
    ::testing::Values(
        ReadCase{"HeaderOfText",
                 "Log export\r\n<ADIF_VER:5>3.1.0\r\n<EOH>\r\n<CALL:4>DL1A<BAND:3>20m<EOR>\r\n",
                 {"CALL=DL1A;BAND=20m;"}},
        ReadCase{"LowerCaseTagsAndEnds",
                 "<eoh>\n<call:4>DL1A <qso_date:8>20200101 <eor>\n<Call:2>K1<EoR>",
                 {"CALL=DL1A;QSO_DATE=20200101;", "CALL=K1;"}},
        ReadCase{"TypeIndicator",
                 "<EOH><QSO_DATE:8:D>20210101<CALL:4:S>G4AB<EOR>",
                 {"QSO_DATE=20210101;CALL=G4AB;"}},
        // The length counts the line break inside the value; dropping it first
        // would shift every later field.
        ReadCase{"ValueWithLineBreak",
                 "<EOH><COMMENT:10>two\r\nlines<CALL:4>DL1A<EOR>",
                 {"COMMENT=two  lines;CALL=DL1A;"}},
        ReadCase{"ByteOrderMarkAndNoHeader", "\xEF\xBB\xBF<CALL:4>DL1A<EOR>", {"CALL=DL1A;"}},
        ReadCase{"BlanksBeforeTheFirstRecordAndNoHeader", "\r\n  <CALL:4>DL1A<EOR>", {"CALL=DL1A;"}},
        ReadCase{
            "HeaderFieldsEndAtEoh", "<ADIF_VER:5>3.1.0<PROGRAMID:4>TEST<EOH><CALL:2>K1<EOR>", {"CALL=K1;"}},
        ReadCase{"HeaderTextHoldsABracket", "Exported <by> me <EOH><CALL:2>K1<EOR>", {"CALL=K1;"}},
        ReadCase{"TagWithoutLengthIsSkipped", "<EOH><PROGRAMID>MixW<CALL:2>K1<EOR>", {"CALL=K1;"}},
        ReadCase{"StrayBracketInFreeText", "<EOH>a < b <CALL:2>K1<EOR>", {"CALL=K1;"}},
        ReadCase{"ZeroLengthValue", "<EOH><CALL:2>K1<NAME:0><EOR>", {"CALL=K1;NAME=;"}},
        ReadCase{"EmptyFile", "", {}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(AdifReader, RefusesAValueRunningPastTheEnd) {
  Status status;
  ReadAll("<EOH><CALL:4>DL1A<EOR><CALL:400>DL2B<EOR>", &status);
  EXPECT_TRUE(status.IsCorrupt());
  EXPECT_NE(status.context().find("CALL"), std::string::npos) << status.context();
  EXPECT_NE(status.context().find("longer than the rest of the file"), std::string::npos);
}

TEST(AdifReader, RefusesAFileEndingInsideARecord) {
  Status status;
  const std::vector<std::string> records = ReadAll("<EOH><CALL:4>DL1A<EOR><CALL:4>DL2B<BAND:3>20M", &status);
  EXPECT_EQ(records.size(), 1u) << "the whole records come first";
  EXPECT_TRUE(status.IsCorrupt());
  EXPECT_NE(status.context().find("cut short"), std::string::npos) << status.context();
}

TEST(AdifContentScore, CountsTheQsoTagsOnlyWhenRecordsEnd) {
  EXPECT_EQ(AdifContentScore("<call:2>K1<band:3>20M<mode:2>CW<qso_date:8>20200101<time_on:4>1200<eor>"), 5);
  EXPECT_EQ(AdifContentScore("<CALL:2>K1<BAND:3>20M<MODE:2>CW"), 0) << "no <EOR>";
  EXPECT_EQ(AdifContentScore("<CALL:2>K1<BAND:3>20M<E\r\nOR>"), 2) << "line breaks are dropped first";
  EXPECT_FALSE(LooksLikeAdifLog("just text"));
  const std::string late_tags = std::string(kAdifCheckBytes, ' ') + "<CALL:2>K1<BAND:3>20M<MODE:2>CW<EOR>";
  EXPECT_EQ(AdifContentScore(late_tags), 0) << "only the head is read";
}

}  // namespace
}  // namespace brilox
