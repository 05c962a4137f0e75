#include "shell/startup_loaders.h"

#include <algorithm>

#include "awards/dxcc_store.h"
#include "awards/iota_conversion.h"
#include "awards/iota_file.h"
#include "shell/settings/save_settings.h"
#include "shell/startup_data_files.h"

namespace brilox {
namespace {

static_assert(kIotaFileBytes == kIotaFileSize);
static_assert(kIotaOldRecordFileBytes == kIotaOldRecordsFileSize);
static_assert(kIotaOldStatusFileBytes == kIotaOldStatusFileSize);

Status ConvertOldIotaFile(FileSystem& fs, const std::string& data_folder, OldIotaLayout layout,
                          Settings* settings, SettingsStore* store) {
  Result<IotaLastNumbers> last = layout == OldIotaLayout::kStatusBytes
                                     ? ConvertIotaStatusFile(fs, data_folder)
                                     : ConvertIotaRecordFile(fs, data_folder);
  if (!last.ok()) return last.status();
  if (settings == nullptr) return Status::Ok();
  std::copy(last->begin(), last->end(), settings->IOTALast.begin());
  // The converted file is in place; should the settings not be written, the
  // numbers still serve this run and the options dialog writes them later.
  if (store != nullptr) (void)SaveOptIOTA(*settings, *store);
  return Status::Ok();
}

}  // namespace

DataFileLoaders MakeDataFileLoaders(const ReferenceTables& tables) {
  DataFileLoaders loaders;
  CountryTable* countries = &tables.countries;
  DxccTable* dxcc = &tables.dxcc;
  loaders.load_country = [countries](FileSystem& fs, const std::string& data_folder) {
    Result<CountryTable> loaded = LoadCountryFile(fs, JoinPath(data_folder, kCountryFile));
    if (!loaded.ok()) return loaded.status();
    // A file that reads but holds no entity (a web page saved under the
    // name, say) would leave every spot without a country and the DXCC
    // check reporting every row missing: the start stops instead.
    const auto& entries = loaded->entries();
    const bool any_entity = std::any_of(entries.begin(), entries.end(),
                                        [](const CountryEntry& entry) { return entry.entity > 0; });
    if (!any_entity) return Status::Corrupt("no country entry in it");
    *countries = std::move(loaded).value();
    return Status::Ok();
  };
  loaders.load_dxcc = [dxcc](FileSystem& fs, const std::string& data_folder) {
    return LoadDxccTable(fs, data_folder, *dxcc);
  };
  if (IotaTable* iota = tables.iota; iota != nullptr) {
    loaders.load_iota = [iota](FileSystem& fs, const std::string& data_folder) {
      return LoadIotaTable(fs, data_folder, *iota);
    };
    loaders.convert_iota = [settings = tables.settings, store = tables.user_settings](
                               FileSystem& fs, const std::string& data_folder, OldIotaLayout layout) {
      return ConvertOldIotaFile(fs, data_folder, layout, settings, store);
    };
  }
  if (LotwUsers* users = tables.lotw_users; users != nullptr) {
    loaders.load_lotw_users = [users](FileSystem& fs, const std::string& data_folder) {
      Result<LotwUsers> loaded = LotwUsers::Load(fs, JoinPath(data_folder, kLotwUsersFile));
      if (!loaded.ok()) return loaded.status();
      // A list without a single user switches the search off like a missing one.
      if (loaded->empty()) return Status::Corrupt("no LoTW user in it");
      *users = std::move(loaded).value();
      return Status::Ok();
    };
  }
  return loaders;
}

Status CheckDxccAgainstCountries(const ReferenceTables& tables, const DxccCheckContext& context) {
  std::vector<std::string> entity_prefixes;
  entity_prefixes.reserve(tables.countries.CountryCount());
  for (const CountryEntry& entry : tables.countries.entries()) entity_prefixes.push_back(entry.main_prefix);
  return CheckDxccPrefixes(tables.dxcc, entity_prefixes, context);
}

}  // namespace brilox
