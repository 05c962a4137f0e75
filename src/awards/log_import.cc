#include "awards/log_import.h"

#include <algorithm>

#include "awards/dxcc_store.h"
#include "awards/iota_file.h"

namespace brilox {
namespace {

// The head as the checks read it: control characters dropped, upper case.
std::string CheckedText(std::string_view head) {
  head = head.substr(0, std::min(head.size(), kAdifCheckBytes));
  std::string text;
  text.reserve(head.size());
  for (char c : head) {
    if (static_cast<unsigned char>(c) >= ' ') text.push_back(c);
  }
  return AdifUpper(text);
}

bool Has(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

}  // namespace

std::string_view DatabaseNameOf(LogImportKind kind) { return kind == LogImportKind::kIota ? "IOTA" : "DXCC"; }

LogFileRefusal CheckLogFile(LogImportKind kind, std::string_view head) {
  if (kind != LogImportKind::kLotwReport) {
    return LooksLikeAdifLog(head) ? LogFileRefusal::kNone : LogFileRefusal::kNotAdif;
  }
  const std::string text = CheckedText(head);
  const bool from_lotw = Has(text, "ARRL LOGBOOK OF THE WORLD") && Has(text, "<APP_LOTW_NUMREC:");
  if (!from_lotw || !LooksLikeAdifLog(head)) return LogFileRefusal::kNotLotwReport;
  if (!Has(text, "<DXCC:")) return LogFileRefusal::kLotwReportWithoutDxcc;
  return LogFileRefusal::kNone;
}

RefusalTexts RefusalTextsOf(LogFileRefusal refusal) {
  switch (refusal) {
    case LogFileRefusal::kNotLotwReport:
      return {kTextNotALotwReport, std::nullopt};
    case LogFileRefusal::kLotwReportWithoutDxcc:
      return {kTextLotwReportWithoutDxcc, kTextLotwReportHint};
    case LogFileRefusal::kNone:
    case LogFileRefusal::kNotAdif:
      break;
  }
  return {kTextNotAnAdifFile, std::nullopt};
}

std::string RefusalEnglishText(LogFileRefusal refusal) {
  switch (refusal) {
    case LogFileRefusal::kNotLotwReport:
      return "This file is not a LoTW report";
    case LogFileRefusal::kLotwReportWithoutDxcc:
      return "This LoTW report holds no DXCC entity numbers.\n"
             "Download it again with the QSL details (DXCC) included.";
    case LogFileRefusal::kNone:
    case LogFileRefusal::kNotAdif:
      break;
  }
  return "This file is not an ADIF file";
}

LogImport::LogImport(LogImportKind kind, std::string bytes, const DxccTable& dxcc, const IotaTable& iota,
                     DxccImportContext dxcc_context, LotwStationFilter lotw_filter)
    : m_kind(kind),
      m_bytes(std::move(bytes)),
      m_reader(m_bytes),
      m_dxcc(kind == LogImportKind::kIota ? DxccTable() : dxcc),
      m_iota(kind == LogImportKind::kIota ? std::make_unique<IotaTable>(iota) : nullptr),
      m_dxccContext(std::move(dxcc_context)),
      m_lotwFilter(std::move(lotw_filter)) {}

bool LogImport::Step(int max_records) {
  for (int done = 0; done < max_records && !m_finished; ++done) {
    if (!m_reader.Next(m_record)) {
      m_finished = true;
      break;
    }
    ++m_counts.records;
    switch (m_kind) {
      case LogImportKind::kDxcc:
        m_counts.updates += ImportDxccQso(m_record, m_dxcc, m_dxccContext);
        break;
      case LogImportKind::kIota:
        m_counts.updates += ImportIotaQso(m_record, *m_iota);
        break;
      case LogImportKind::kLotwReport:
        m_counts.updates += ImportLotwReportQso(m_record, m_dxcc, m_lotwFilter, m_lotwRowsAdded);
        break;
    }
  }
  return m_finished;
}

Status LogImport::Finish(FileSystem& fs, const std::string& data_folder, DxccTable& dxcc, IotaTable& iota) {
  if (!m_finished) return Status::InvalidArgument("the import has not read the whole file");
  if (!status().ok()) return status();
  if (m_kind == LogImportKind::kIota) {
    iota = *m_iota;
    return SaveIotaTable(fs, data_folder, iota);
  }
  if (m_dxccContext.rows_added || m_lotwRowsAdded) m_dxcc.TriABul();
  dxcc = m_dxcc;
  return SauveDXCC(fs, data_folder, dxcc);
}

Result<LogFileOpening> OpenLogFile(FileSystem& fs, const std::string& path, LogImportKind kind) {
  if (fs.IsDirectory(path)) return Status::Io(path + " is a folder, not a file");
  Result<std::string> head = fs.ReadAt(path, 0, kAdifCheckBytes);
  if (!head.ok()) return Status::Io("cannot read " + path + ": " + head.status().ToString());
  LogFileOpening opening;
  opening.refusal = CheckLogFile(kind, *head);
  if (opening.refusal != LogFileRefusal::kNone) return opening;
  Result<std::string> bytes = fs.ReadFile(path);
  if (!bytes.ok()) return Status::Io("cannot read " + path + ": " + bytes.status().ToString());
  opening.bytes = std::move(bytes).value();
  return opening;
}

}  // namespace brilox
