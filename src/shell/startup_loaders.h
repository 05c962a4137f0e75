// The loaders that the data-file checks hand each reference file to, bound to
// the tables of the run.  Tables whose loaders are not built yet (the node
// directory) are left out, so their steps do nothing.
// Window thread.
#pragma once

#include "shell/dxcc_prefix_checks.h"
#include "awards/dxcc_table.h"
#include "awards/iota_table.h"
#include "awards/lotw_users.h"
#include "platform/settings_store.h"
#include "core/settings.h"
#include "shell/startup_data_checks.h"
#include "spots/country_table.h"

namespace brilox {

// The process-wide tables that start-up fills; they outlive the loaders.
struct ReferenceTables {
  CountryTable& countries;
  DxccTable& dxcc;
  // Null leaves the IOTA load and the conversion of older IOTA.DAT layouts out.
  IotaTable* iota = nullptr;
  // A conversion of an older IOTA.DAT puts the last issued numbers it found
  // into `IOTALast` and writes it with `IOTA`; null keeps them out of both.
  Settings* settings = nullptr;
  SettingsStore* user_settings = nullptr;
  // Null leaves the LoTW user list out (LoTW user search is off).
  LotwUsers* lotw_users = nullptr;
};

DataFileLoaders MakeDataFileLoaders(const ReferenceTables& tables);

// The one check of the DXCC table against the country table's entities that
// runs when the splash goes, after a complete start (CheckDxccPrefixes).
Status CheckDxccAgainstCountries(const ReferenceTables& tables, const DxccCheckContext& context);

}  // namespace brilox
