#include "console/console_import.h"

#include "awards/iota_file.h"
#include "awards/log_import.h"
#include "spots/log_import_setup.h"
#include "spots/pipeline_tables.h"

namespace brilox {
namespace {

// Slices as the window runs them; the console has no events to let through,
// but the same code path is exercised.
constexpr int kRecordsPerSlice = 2000;

// IOTA.DAT, or the delivered IOTA.RAW when the folder has no IOTA.DAT yet.
Status LoadIotaForImport(FileSystem& fs, const std::string& data_folder, IotaTable& iota) {
  if (!fs.Exists(JoinPath(data_folder, kIotaFileName)) &&
      fs.Exists(JoinPath(data_folder, kIotaRawFileName))) {
    Result<std::string> raw = fs.ReadFile(JoinPath(data_folder, kIotaRawFileName));
    if (!raw.ok()) return raw.status();
    Result<IotaTable> table = DecodeIotaFile(*raw, kIotaRawFileName);
    if (!table.ok()) return table.status();
    iota = std::move(table).value();
    return Status::Ok();
  }
  return LoadIotaTable(fs, data_folder, iota);
}

void PrintCounts(std::FILE* out, LogImportKind kind, const LogImportCounts& counts, const char* status) {
  std::fprintf(out, "Database to update: %.*s\nRecords processed: %d\nUpdates: %d\nStatus: %s\n",
               static_cast<int>(DatabaseNameOf(kind).size()), DatabaseNameOf(kind).data(), counts.records,
               counts.updates, status);
}

}  // namespace

int RunConsoleImports(const std::vector<ConsoleImport>& imports, FileSystem& fs,
                      const std::string& data_folder, const Settings& settings, const Clock& clock,
                      std::FILE* out, std::FILE* errors) {
  auto fail = [errors](const std::string& text) {
    std::fprintf(errors, "brilox-console: %s\n", text.c_str());
    return 1;
  };
  Result<PipelineTables> tables = LoadPipelineTables(fs, data_folder, MissingDxccFile::kRefuse);
  if (!tables.ok()) return fail(tables.status().context() + " (data folder " + data_folder + ")");
  IotaTable iota;
  bool iota_loaded = false;
  for (const ConsoleImport& import : imports) {
    if (import.kind == LogImportKind::kIota && !iota_loaded) {
      if (Status loaded = LoadIotaForImport(fs, data_folder, iota); !loaded.ok()) {
        return fail(loaded.ToString() + " (data folder " + data_folder + ")");
      }
      iota_loaded = true;
    }
    Result<LogFileOpening> opening = OpenLogFile(fs, import.path, import.kind);
    if (!opening.ok()) return fail(opening.status().context());
    if (opening->refusal != LogFileRefusal::kNone) {
      return fail(import.path + ": nothing was imported: " + RefusalEnglishText(opening->refusal));
    }
    LogImport run(import.kind, std::move(opening->bytes), tables->dxcc, iota,
                  MakeDxccImportContext(tables->countries, settings, clock), MakeLotwStationFilter(settings));
    while (!run.Step(kRecordsPerSlice)) {
    }
    if (!run.status().ok()) {
      return fail(import.path + ": nothing was imported: " + run.status().context());
    }
    const Status finished = run.Finish(fs, data_folder, tables->dxcc, iota);
    if (!finished.ok()) return fail(import.path + ": " + finished.context());
    PrintCounts(out, import.kind, run.counts(), "Done");
  }
  return 0;
}

}  // namespace brilox
