#include "shell/startup_loaders.h"

#include "awards/dxcc_store.h"
#include "shell/startup_data_files.h"

namespace brilox {

DataFileLoaders MakeDataFileLoaders(const ReferenceTables& tables) {
  DataFileLoaders loaders;
  CountryTable* countries = &tables.countries;
  DxccTable* dxcc = &tables.dxcc;
  loaders.load_country = [countries](FileSystem& fs, const std::string& data_folder) {
    Result<CountryTable> loaded = LoadCountryFile(fs, JoinPath(data_folder, kCountryFile));
    if (!loaded.ok()) return loaded.status();
    *countries = std::move(loaded).value();
    return Status::Ok();
  };
  loaders.load_dxcc = [dxcc](FileSystem& fs, const std::string& data_folder) {
    return LoadDxccTable(fs, data_folder, *dxcc);
  };
  return loaders;
}

Status CheckDxccAgainstCountries(const ReferenceTables& tables, const DxccCheckContext& context) {
  std::vector<std::string> entity_prefixes;
  entity_prefixes.reserve(tables.countries.CountryCount());
  for (const CountryEntry& entry : tables.countries.entries()) entity_prefixes.push_back(entry.main_prefix);
  return CheckDxccPrefixes(tables.dxcc, entity_prefixes, context);
}

}  // namespace brilox
