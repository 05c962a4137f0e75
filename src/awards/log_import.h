// One import of a log file into the award databases, from the file check to
// the save: the ADIF import into the DXCC or the IOTA database and the LoTW
// report import.  The import window and brilox-console run the same object.
//
// The records are applied to copies of the databases, a slice at a time
// (Step), so that a window stays responsive and shows progress; only a file
// read to its end without a fault is installed and saved (Finish).  A file
// that is cut short or damaged part-way leaves the databases as they were.
// Window thread (or any one thread).
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "awards/adif_import.h"
#include "awards/adif_reader.h"
#include "awards/dxcc_table.h"
#include "awards/iota_table.h"
#include "core/language_text_ids.h"
#include "platform/file_system.h"
#include "platform/result.h"

namespace brilox {

enum class LogImportKind {
  kDxcc,       // ADIF log -> paper credits of the DXCC database
  kIota,       // ADIF log -> the IOTA database
  kLotwReport  // LoTW report -> LoTW credits of the DXCC database
};

// "DXCC" or "IOTA": the database the import window names.
std::string_view DatabaseNameOf(LogImportKind kind);

// Why a file is refused before anything is read.
enum class LogFileRefusal { kNone, kNotAdif, kNotLotwReport, kLotwReportWithoutDxcc };

// The check of a file's head (its first kAdifCheckBytes bytes).
LogFileRefusal CheckLogFile(LogImportKind kind, std::string_view head);

// The language texts of a refusal's message: one line, or two.
struct RefusalTexts {
  LanguageTextId first;
  std::optional<LanguageTextId> second;
};
RefusalTexts RefusalTextsOf(LogFileRefusal refusal);
// The same message in English, for brilox-console.
std::string RefusalEnglishText(LogFileRefusal refusal);

struct LogImportCounts {
  int records = 0;  // records processed
  int updates = 0;  // credits changed
};

class LogImport {
 public:
  // `bytes` is the whole file.  The import starts from copies of `dxcc` and
  // `iota`.
  LogImport(LogImportKind kind, std::string bytes, const DxccTable& dxcc, const IotaTable& iota,
            DxccImportContext dxcc_context, LotwStationFilter lotw_filter);
  // The reader points into the bytes it owns.
  LogImport(const LogImport&) = delete;
  LogImport& operator=(const LogImport&) = delete;

  // Applies up to `max_records` records.  True once the file is read to its
  // end or a fault stopped it (see status()).
  bool Step(int max_records);
  bool finished() const { return m_finished; }
  // A fault of the file, once finished.
  const Status& status() const { return m_reader.status(); }
  LogImportKind kind() const { return m_kind; }
  const LogImportCounts& counts() const { return m_counts; }
  // Bytes read and the file size, for a progress bar.
  std::size_t position() const { return m_reader.position(); }
  std::size_t size() const { return m_reader.size(); }

  // After a fault-free run: installs the updated databases into `dxcc` and
  // `iota` (sorting the DXCC table when rows were added) and saves the one
  // that was imported into, crash-safely.  A faulty file changes nothing and
  // returns its fault.
  Status Finish(FileSystem& fs, const std::string& data_folder, DxccTable& dxcc, IotaTable& iota);

 private:
  LogImportKind m_kind;
  std::string m_bytes;
  AdifReader m_reader;
  AdifRecord m_record;
  DxccTable m_dxcc;
  std::unique_ptr<IotaTable> m_iota;
  DxccImportContext m_dxccContext;
  LotwStationFilter m_lotwFilter;
  bool m_lotwRowsAdded = false;
  bool m_finished = false;
  LogImportCounts m_counts;
};

// Reads the head of `path` and checks it, then reads the whole file: the
// refusal, or the bytes.  An unreadable file is an I/O error.
struct LogFileOpening {
  LogFileRefusal refusal = LogFileRefusal::kNone;
  std::string bytes;
};
Result<LogFileOpening> OpenLogFile(FileSystem& fs, const std::string& path, LogImportKind kind);

}  // namespace brilox
