// What one record does to the databases: the DXCC import raising paper
// credits, the LoTW report raising LoTW credits only, the IOTA import.
#include "awards/adif_import.h"

#include <gtest/gtest.h>

#include "dxcc_test_records.h"

namespace brilox {
namespace {

using testing::TableOf;

AdifRecord Record(std::initializer_list<std::pair<const char*, const char*>> fields) {
  AdifRecord record;
  for (const auto& [name, value] : fields) record.fields.push_back({name, value});
  return record;
}

DxccImportContext Context() {
  return {[](std::string_view call) {
            return call.substr(0, 2) == "DL" ? std::string("DL") : std::string("9999");
          },
          20260101, false};
}

char Paper(const DxccTable& table, std::string_view prefix, DxccColumn column) {
  return table.row(table.FindDxccByExactPrefix(prefix)).paper_state(column);
}
char Lotw(const DxccTable& table, std::string_view prefix, DxccColumn column) {
  return table.row(table.FindDxccByExactPrefix(prefix)).lotw_state(column);
}

TEST(ImportDxccQso, RaisesWorkedThenConfirmedAndNeverLowers) {
  DxccTable table = TableOf({{"DL", "Germany"}});
  DxccImportContext context = Context();
  const AdifRecord worked =
      Record({{"CALL", "DL1ABC"}, {"BAND", "20m"}, {"MODE", "SSB"}, {"QSO_DATE", "20200101"}});
  const AdifRecord confirmed = Record(
      {{"CALL", "DL1ABC"}, {"BAND", "20M"}, {"MODE", "SSB"}, {"QSO_DATE", "20200101"}, {"QSL_RCVD", "y"}});

  EXPECT_EQ(ImportDxccQso(worked, table, context), 2);
  EXPECT_EQ(Paper(table, "DL", DxccColumn::kSsb), 'W');
  EXPECT_EQ(Paper(table, "DL", DxccColumn::k20), 'W');
  EXPECT_EQ(ImportDxccQso(confirmed, table, context), 2);
  EXPECT_EQ(Paper(table, "DL", DxccColumn::kSsb), 'C');
  EXPECT_EQ(Paper(table, "DL", DxccColumn::k20), 'C');
  EXPECT_EQ(ImportDxccQso(worked, table, context), 0) << "a worked QSO leaves a confirmation";
  EXPECT_EQ(Paper(table, "DL", DxccColumn::k20), 'C');

  table.row(1).state(false, DxccColumn::k40) = kStateCredited;
  EXPECT_EQ(ImportDxccQso(Record({{"CALL", "DL1ABC"}, {"BAND", "40M"}, {"QSL_RCVD", "Y"}}), table, context),
            0);
  EXPECT_EQ(Paper(table, "DL", DxccColumn::k40), 'A');
  EXPECT_EQ(Lotw(table, "DL", DxccColumn::k20), '-') << "the log import never touches LoTW credits";
}

struct CreditCase {
  const char* name;
  AdifRecord record;
  const char* prefix;
  DxccColumn column;
  char state;
};

class DxccImportCreditTest : public ::testing::TestWithParam<CreditCase> {};

TEST_P(DxccImportCreditTest, SetsTheCredit) {
  DxccTable table = TableOf({{"DL", "Germany"}, {"K", "United States"}});
  DxccImportContext context = Context();
  (void)ImportDxccQso(GetParam().record, table, context);
  const int row = table.FindDxccByExactPrefix(GetParam().prefix);
  ASSERT_LE(row, table.count()) << "no row " << GetParam().prefix;
  EXPECT_EQ(table.row(row).paper_state(GetParam().column), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    Records, DxccImportCreditTest,
    ::testing::Values(
        // The entity number keeps a 1970 DL call out of the rule for old Germany.
        CreditCase{"Cw1970GivesTheBand",
                   Record({{"CALL", "DL1A"},
                           {"DXCC", "230"},
                           {"BAND", "20M"},
                           {"MODE", "CW"},
                           {"QSO_DATE", "19700101"},
                           {"QSL_RCVD", "Y"}}),
                   "DL", DxccColumn::k20, 'C'},
        CreditCase{"Cw1970GivesNoCwCredit",
                   Record({{"CALL", "DL1A"},
                           {"DXCC", "230"},
                           {"BAND", "20M"},
                           {"MODE", "CW"},
                           {"QSO_DATE", "19700101"},
                           {"QSL_RCVD", "Y"}}),
                   "DL", DxccColumn::kCw, '-'},
        CreditCase{"Cw1975", Record({{"CALL", "DL1A"}, {"MODE", "CW"}, {"QSO_DATE", "19750101"}}), "DL",
                   DxccColumn::kCw, 'W'},
        CreditCase{"EntityNumberWins", Record({{"CALL", "DL1A"}, {"DXCC", "291"}, {"BAND", "40M"}}), "K",
                   DxccColumn::k40, 'W'},
        CreditCase{"DeletedEntityGetsItsRow", Record({{"CALL", "VQ9AA/A"}, {"DXCC", "8"}, {"BAND", "40M"}}),
                   "VQ9A", DxccColumn::k40, 'W'},
        CreditCase{"SatelliteAndBand", Record({{"CALL", "DL1A"}, {"BAND", "20M"}, {"SAT_NAME", "AO-7"}}),
                   "DL", DxccColumn::kSatellite, 'W'},
        CreditCase{"TwoMetresFromFrequency", Record({{"CALL", "DL1A"}, {"FREQ", "145.5"}}), "DL",
                   DxccColumn::k2, 'W'},
        CreditCase{"FrequencyGivesTheBand", Record({{"CALL", "DL1A"}, {"FREQ", "7.074"}, {"MODE", "FT8"}}),
                   "DL", DxccColumn::k40, 'W'},
        CreditCase{"DataByModeFamily", Record({{"CALL", "DL1A"}, {"MODE", "PSK31"}}), "DL",
                   DxccColumn::kDigital, 'W'},
        CreditCase{"PhoneByGroup", Record({{"CALL", "DL1A"}, {"MODE", "X"}, {"APP_LOTW_MODEGROUP", "PHONE"}}),
                   "DL", DxccColumn::kSsb, 'W'},
        CreditCase{"UnreadableDateIsSkipped",
                   Record({{"CALL", "DL1A"}, {"BAND", "20M"}, {"QSO_DATE", "2020-1-1"}}), "DL",
                   DxccColumn::k20, '-'},
        CreditCase{"NoCallIsSkipped", Record({{"BAND", "20M"}, {"DXCC", "230"}}), "DL", DxccColumn::k20,
                   '-'}),
    [](const ::testing::TestParamInfo<CreditCase>& info) { return std::string(info.param.name); });

TEST(ImportDxccQso, AppendsADeletedEntityOnceByItsName) {
  DxccTable table = TableOf({{"DL", "Germany"}});
  DxccImportContext context = Context();
  const AdifRecord aldabra = Record({{"CALL", "VQ9AA/A"}, {"DXCC", "8"}, {"BAND", "40M"}});
  (void)ImportDxccQso(aldabra, table, context);
  (void)ImportDxccQso(aldabra, table, context);
  EXPECT_TRUE(context.rows_added);
  ASSERT_EQ(table.count(), 2);
  EXPECT_EQ(table.row(2).prefix, "VQ9A");
  EXPECT_EQ(table.row(2).name, PadText("*Aldabra", kDxccNameLength));
}

TEST(ImportLotwReportQso, RaisesLotwCreditsOnly) {
  DxccTable table = TableOf({{"DL", "Germany"}});
  table.row(1).state(true, DxccColumn::k40) = kStateCredited;
  table.row(1).state(true, DxccColumn::k20) = kStateWorked;
  bool rows_added = false;
  const LotwStationFilter all;
  const AdifRecord qsl = Record({{"DXCC", "230"},
                                 {"BAND", "20M"},
                                 {"MODE", "PSK31"},
                                 {"APP_LOTW_MODEGROUP", "DATA"},
                                 {"QSL_RCVD", "Y"}});
  EXPECT_EQ(ImportLotwReportQso(qsl, table, all, rows_added), 2);
  EXPECT_EQ(Lotw(table, "DL", DxccColumn::kDigital), 'C');
  EXPECT_EQ(Lotw(table, "DL", DxccColumn::k20), 'C');
  EXPECT_EQ(Paper(table, "DL", DxccColumn::kDigital), '-') << "paper credits stay";
  EXPECT_EQ(Paper(table, "DL", DxccColumn::k20), '-');

  const AdifRecord credited = Record({{"DXCC", "230"}, {"BAND", "40M"}, {"MODE", "CW"}, {"QSL_RCVD", "Y"}});
  EXPECT_EQ(ImportLotwReportQso(credited, table, all, rows_added), 1) << "only the CW column moves";
  EXPECT_EQ(Lotw(table, "DL", DxccColumn::k40), 'A');

  const AdifRecord unconfirmed =
      Record({{"DXCC", "230"}, {"BAND", "80M"}, {"MODE", "SSB"}, {"QSL_RCVD", "N"}});
  EXPECT_EQ(ImportLotwReportQso(unconfirmed, table, all, rows_added), 0);
  EXPECT_EQ(Lotw(table, "DL", DxccColumn::k80), '-');
  EXPECT_FALSE(rows_added);
}

TEST(ImportLotwReportQso, StationFilterAndDeletedEntities) {
  DxccTable table = TableOf({{"DL", "Germany"}});
  bool rows_added = false;
  LotwStationFilter mine{true, {"DL1ME"}};
  const AdifRecord other =
      Record({{"STATION_CALLSIGN", "DL9XX"}, {"DXCC", "8"}, {"BAND", "20M"}, {"QSL_RCVD", "Y"}});
  EXPECT_EQ(ImportLotwReportQso(other, table, mine, rows_added), 0);
  EXPECT_EQ(table.count(), 1) << "a filtered record adds no row";
  const AdifRecord own =
      Record({{"STATION_CALLSIGN", "dl1me"}, {"DXCC", "8"}, {"BAND", "20M"}, {"QSL_RCVD", "Y"}});
  EXPECT_EQ(ImportLotwReportQso(own, table, mine, rows_added), 1);
  EXPECT_TRUE(rows_added);
  EXPECT_EQ(Lotw(table, "VQ9A", DxccColumn::k20), 'C');
  EXPECT_EQ(ImportLotwReportQso(Record({{"DXCC", "73"}, {"QSL_RCVD", "Y"}}), table, {}, rows_added), 0)
      << "an unused entity number changes nothing";
}

TEST(ImportIotaQso, FieldThenCommentWithTheCallRules) {
  IotaTable table;
  const int eu5 = IotaIndexOfReference("EU-005");
  EXPECT_EQ(ImportIotaQso(Record({{"CALL", "G0ABC"}, {"IOTA", "EU-005"}, {"QSL_RCVD", "Y"}}), table), 1);
  EXPECT_EQ(table.entry(eu5).status, 'C');
  EXPECT_EQ(ImportIotaQso(Record({{"CALL", "G0ABC"}, {"IOTA", "EU-005"}}), table), 0) << "never lowered";

  const int oc1 = IotaIndexOfReference("OC-001");
  EXPECT_EQ(ImportIotaQso(Record({{"CALL", "VK2ABC"}, {"COMMENT", "from oc001 today"}}), table), 1);
  EXPECT_EQ(table.entry(oc1).status, 'W');
  EXPECT_EQ(ImportIotaQso(Record({{"CALL", "IK1ABC"}, {"COMMENT", "NA-001"}}), table), 0)
      << "an Italian call is on no North American island";
  EXPECT_EQ(ImportIotaQso(Record({{"CALL", "ON4ABC"}, {"IOTA", "EU-005"}}), table), 0);
  EXPECT_EQ(ImportIotaQso(Record({{"CALL", "G0ABC"}, {"COMMENT", "NOT EU-005, NA-001"}}), table), 1);
  EXPECT_EQ(table.entry(IotaIndexOfReference("NA-001")).status, 'W');

  // A damaged file's megabyte of codes is read only as far as a comment goes.
  std::string flood;
  for (int i = 0; i < 300000; ++i) flood += "EU ";
  const AdifRecord damaged = Record({{"CALL", "G0ABC"}, {"COMMENT", (flood + "AF-001").c_str()}});
  EXPECT_EQ(ImportIotaQso(damaged, table), 0);
}

}  // namespace
}  // namespace brilox
