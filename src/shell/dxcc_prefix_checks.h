// The start-up check of the DXCC table against the country table, run once
// per program run after both are loaded: the offer to split the Netherlands
// Antilles rows, the renaming of prefixes that changed, and the warning about
// rows that no current entity matches.  Window thread only.
#pragma once

#include <string>
#include <vector>

#include "awards/dxcc_table.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "core/language_text_table.h"
#include "spots/country_table.h"

namespace brilox {

// Where the table lives and who hears about it.
struct DxccCheckContext {
  FileSystem& fs;
  std::string data_folder;
  MessageBox& box;
  const LanguageTextTable& texts;
};

// `MigrateAntilles`: with rows "PJ2 " and "PJ7 " and none of "PJ2X", "PJ4 ",
// "PJ5 ", "PJ7X", asks the operator; on Yes the two rows become the deleted
// entities "PJ2X" and "PJ7X" (keeping their credits), the four new entities
// are added, and the table is sorted and saved.  A table without room for the
// four rows is left unchanged with a warning.  Returns the save's status.
Status MigrateAntilles(DxccTable& table, const DxccCheckContext& context);

// `CheckDxccPrefixes`: `MigrateAntilles`, then renames rows whose prefix the
// country file no longer knows but which are listed in the replacement table
// (saving the table and listing the pairs), then warns about the rows that
// still match no entity prefix.  Rows of deleted entities (name beginning with
// "*") are never reported.  `entity_prefixes` are the main prefixes of the
// country table.  A rename that would give a second row the same prefix is
// not made: that row is reported as missing instead.
Status CheckDxccPrefixes(DxccTable& table, const std::vector<std::string>& entity_prefixes,
                         const DxccCheckContext& context);
// The same against the main prefixes of the loaded country table.
Status CheckDxccPrefixes(DxccTable& table, const CountryTable& countries, const DxccCheckContext& context);

}  // namespace brilox
