// Builders of DXCC.DAT records and tables for the DXCC tests.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "awards/dxcc_file.h"
#include "awards/dxcc_table.h"
#include "core/language_text_table.h"

namespace brilox::testing {

// One 44-byte record: prefix and name padded, the 15 paper bytes in file
// order, the four packed LoTW bytes and the 60 m byte.
inline std::string DxccRecord(std::string_view prefix, std::string_view name, std::string_view paper_file_order,
                              std::array<unsigned char, 4> lotw = {0, 0, 0, 0}, unsigned char band60 = 0) {
  std::string record = PadText(prefix, 4) + PadText(name, 20) + std::string(paper_file_order);
  for (unsigned char byte : lotw) record += static_cast<char>(byte);
  record += static_cast<char>(band60);
  return record;
}

inline constexpr std::string_view kNothingWorked = "---------------";

inline DxccTable TableOf(std::initializer_list<std::pair<std::string_view, std::string_view>> rows) {
  DxccTable table;
  std::vector<DxccEntry> entries;
  for (const auto& [prefix, name] : rows) entries.push_back(TemplateDxccEntry(prefix, name));
  (void)table.Assign(std::move(entries));
  return table;
}

// Texts that name what they are, so that tests can see which text was shown.
inline LanguageTextTable NamedTexts() {
  LanguageTextTable texts;
  texts.Set(kTextWarningCaption, "Warning");
  texts.Set(kTextInformationCaption, "Information");
  texts.Set(kTextQuestionCaption, "Question");
  texts.Set(kTextErrorCaption, "Error");
  texts.Set(kTextDone, "Done");
  texts.Set(kTextConfirmDeleteEntity, "Delete this entity ?");
  texts.Set(kTextDxccRowsMissing, "Missing:");
  texts.Set(kTextDxccPrefixesRenamed, "Renamed:");
  texts.Set(kTextMigrateAntilles, "Split the Antilles ?");
  texts.Set(kTextBackupFailed, "Backup failed");
  return texts;
}

}  // namespace brilox::testing
