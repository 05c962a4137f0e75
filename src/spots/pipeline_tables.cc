#include "spots/pipeline_tables.h"

#include "awards/dxcc_raw_builder.h"
#include "awards/dxcc_store.h"

namespace brilox {
namespace {

bool NoDxccFileAtAll(FileSystem& fs, const std::string& data_folder) {
  return !fs.Exists(JoinPath(data_folder, kDxccFileName)) &&
         !fs.Exists(JoinPath(data_folder, kDxccRawFileName)) &&
         !fs.Exists(JoinPath(data_folder, std::string(kDxccFileName) + ".tmp"));
}

}  // namespace

Result<PipelineTables> LoadPipelineTables(FileSystem& fs, const std::string& data_folder,
                                          MissingDxccFile missing) {
  Result<std::string> country_text = fs.ReadFile(JoinPath(data_folder, kCountryFileName));
  if (!country_text.ok()) return Status::NotFound(std::string("File not found: ") + kCountryFileName);
  PipelineTables tables;
  tables.countries = CountryTable::Parse(*country_text);

  if (missing == MissingDxccFile::kFreshFromCountryFile && NoDxccFileAtAll(fs, data_folder)) {
    Result<DxccRawReport> fresh = BuildDxccRaw(*country_text);
    if (!fresh.ok()) return fresh.status();
    tables.dxcc = std::move(fresh->table);
    tables.notes.push_back(
        "no DXCC.DAT or DXCC.RAW: a fresh DXCC database built from COUNTRY2.DAT (nothing "
        "worked), kept in memory only");
    return tables;
  }
  if (Status opened = OpenDxccFile(fs, data_folder); !opened.ok()) return opened;
  if (Status loaded = LoadDxccTable(fs, data_folder, tables.dxcc); !loaded.ok()) return loaded;
  return tables;
}

}  // namespace brilox
