// ADIF logs and LoTW reports from anywhere: the file checks, the reader and
// the three per-record imports must neither crash nor read out of bounds,
// and a reader that stops has either read the whole file or named a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "awards/adif_import.h"
#include "awards/adif_reader.h"
#include "awards/iota_reference_scan.h"
#include "awards/log_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brilox;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)CheckLogFile(LogImportKind::kDxcc, bytes);
  (void)CheckLogFile(LogImportKind::kLotwReport, bytes);
  (void)ScanIotaReference(bytes, bytes.substr(0, 2), RejectIotaForImportedCall);

  DxccTable dxcc;
  (void)dxcc.Assign({TemplateDxccEntry("DL", "Germany"), TemplateDxccEntry("K", "United States")});
  IotaTable iota;
  DxccImportContext context{[](std::string_view call) { return std::string(call.substr(0, 1)); }, 20260101,
                            false};
  bool rows_added = false;
  AdifReader reader(bytes);
  AdifRecord record;
  while (reader.Next(record)) {
    (void)ImportDxccQso(record, dxcc, context);
    (void)ImportIotaQso(record, iota);
    (void)ImportLotwReportQso(record, dxcc, LotwStationFilter{}, rows_added);
  }
  if (reader.status().ok() && reader.position() != reader.size()) std::abort();
  return 0;
}
