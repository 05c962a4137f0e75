// IOTA reference arithmetic: reference texts and table indexes at the edges
// of every continent, references that are not, and the file order.
#include "awards/iota_table.h"

#include <gtest/gtest.h>

#include <set>

namespace brilox {
namespace {

struct ReferenceRow {
  const char* reference;
  int index;
  int file_record;
};

class IotaReferenceEdges : public ::testing::TestWithParam<ReferenceRow> {};

TEST_P(IotaReferenceEdges, TextIndexAndFileRecordAgree) {
  const ReferenceRow& row = GetParam();
  EXPECT_EQ(IotaIndexOfReference(row.reference), row.index);
  EXPECT_EQ(IotaReferenceText(row.index), row.reference);
  EXPECT_EQ(IotaFileRecordOfIndex(row.index), row.file_record);
  EXPECT_EQ(IotaIndexOfFileRecord(row.file_record), row.index);
}

// Table order AF AN AS EU NA OC SA; file order EU AF AN AS NA OC SA.
INSTANTIATE_TEST_SUITE_P(FirstAndLastOfEachContinent, IotaReferenceEdges,
                         ::testing::Values(ReferenceRow{"AF-001", 1, 221}, ReferenceRow{"AF-160", 160, 380},
                                           ReferenceRow{"AN-001", 161, 381}, ReferenceRow{"AN-060", 220, 440},
                                           ReferenceRow{"AS-001", 221, 441}, ReferenceRow{"AS-230", 450, 670},
                                           ReferenceRow{"EU-001", 451, 1}, ReferenceRow{"EU-005", 455, 5},
                                           ReferenceRow{"EU-220", 670, 220}, ReferenceRow{"NA-001", 671, 671},
                                           ReferenceRow{"NA-280", 950, 950}, ReferenceRow{"OC-001", 951, 951},
                                           ReferenceRow{"OC-330", 1280, 1280},
                                           ReferenceRow{"SA-001", 1281, 1281},
                                           ReferenceRow{"SA-120", 1400, 1400}),
                         [](const ::testing::TestParamInfo<ReferenceRow>& info) {
                           std::string name = info.param.reference;
                           name.erase(2, 1);
                           return name;
                         });

TEST(IotaReference, TextsThatAreNoReferenceGiveNoIndex) {
  for (const char* text :
       {"AF-161", "AN-061", "AS-231", "EU-221", "NA-281", "OC-331", "SA-121", "EU-000", "EU-05", "EU005",
        "EU 005", "eu-005", "XX-001", "EU-0O5", "EU-0055", " EU-005", ""}) {
    EXPECT_EQ(IotaIndexOfReference(text), 0) << '"' << text << '"';
  }
  EXPECT_EQ(IotaIndexOfReference("EU-005 "), 455) << "the padded text of the link table";
}

TEST(IotaReference, IndexesOutsideTheTableHaveNoText) {
  EXPECT_EQ(IotaReferenceText(0), "");
  EXPECT_EQ(IotaReferenceText(1401), "");
  EXPECT_EQ(IotaFileRecordOfIndex(0), 0);
  EXPECT_EQ(IotaIndexOfFileRecord(1401), 0);
  EXPECT_EQ(IotaTableIndex(4, 0), 0);
  EXPECT_EQ(IotaTableIndex(1, 161), 0);
  EXPECT_EQ(IotaTableIndex(8, 1), 0);
}

TEST(IotaReference, FileOrderIsAPermutationOfTheTable) {
  std::set<int> seen;
  for (int record = 1; record <= kIotaEntryCount; ++record) {
    const int index = IotaIndexOfFileRecord(record);
    ASSERT_GE(index, 1) << record;
    EXPECT_EQ(IotaFileRecordOfIndex(index), record);
    seen.insert(index);
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kIotaEntryCount));
}

TEST(IotaReference, ContinentCodesAndIndexes) {
  EXPECT_EQ(IotaContinentOfCode("AF"), 1);
  EXPECT_EQ(IotaContinentOfCode("SA"), 7);
  EXPECT_EQ(IotaContinentOfCode("EUR"), 0);
  EXPECT_EQ(IotaContinentOfIndex(450), 3);
  EXPECT_EQ(IotaContinentOfIndex(451), 4);
  EXPECT_EQ(IotaContinentOfIndex(1401), 0);
}

}  // namespace
}  // namespace brilox
