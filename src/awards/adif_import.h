// What one QSO record of a log does to the award databases: the DXCC import
// (`ImportDxccQso`), the IOTA import (`ImportIotaQso`) and the LoTW report
// import (`ImportLotwReportQso`).  Each raises credits and never lowers one:
// a worked QSO gives "W", a confirmed one "C"; "C" and "A" never change.
// The driver that reads a whole file is log_import.h.  Window thread, or any
// thread on tables it owns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "awards/adif_reader.h"
#include "awards/dxcc_table.h"
#include "awards/entity_rules.h"
#include "awards/iota_table.h"

namespace brilox {

// yyyymmdd of a QSO_DATE value ("20210617"), or 0 when it is no date.
QsoDate ParseQsoDate(std::string_view value);

// The band text of a frequency in MHz ("7.074" -> "40M"); empty when the
// frequency is in none of the award bands or does not read as a number.
std::string BandOfFrequency(std::string_view megahertz);

struct DxccImportContext {
  CountryOfCall country;    // the country table, for QSOs without a DXCC number
  QsoDate today = 0;        // for QSOs without a date
  bool rows_added = false;  // set when a deleted entity got its own row
};

// The paper credits of one QSO.  Returns the number of credits changed.
int ImportDxccQso(const AdifRecord& record, DxccTable& table, DxccImportContext& context);

// The IOTA status of one QSO, from its IOTA field or else its comment.
// Returns the number of statuses changed (0 or 1).
int ImportIotaQso(const AdifRecord& record, IotaTable& table);

// Which records of a LoTW report count: all, or only those worked from one
// of the operator's own calls.
struct LotwStationFilter {
  bool own_calls_only = false;
  std::vector<std::string> own_calls;  // upper case
};

// The LoTW credits of one confirmed QSO of a LoTW report.  Returns the
// number of credits changed; `rows_added` is set when a deleted entity got
// its own row.
int ImportLotwReportQso(const AdifRecord& record, DxccTable& table, const LotwStationFilter& filter,
                        bool& rows_added);

}  // namespace brilox
