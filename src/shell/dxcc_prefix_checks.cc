#include "shell/dxcc_prefix_checks.h"

#include <array>
#include <set>
#include <string_view>
#include <utility>

#include "awards/dxcc_store.h"

namespace brilox {
namespace {

// Prefixes that changed since older DXCC databases were made: old, new.
constexpr std::array<std::pair<std::string_view, std::string_view>, 17> kPrefixReplacements = {{
    {"3D6 ", "3DA "}, {"4J  ", "R1M "}, {"FO0 ", "FO/C"}, {"KC6 ", "T8  "}, {"KH7 ", "KH7K"}, {"SY  ", "SV/A"},
    {"UA1 ", "R1F "}, {"VR6 ", "VP6 "}, {"ZK1S", "E5  "}, {"ZK1N", "E50 "}, {"YU6 ", "4O  "}, {"T9  ", "E7  "},
    {"ST0R", "Z8  "}, {"FR/G", "FT5G"}, {"FR/J", "FT5J"}, {"FR/T", "FT5T"}, {"ZK2 ", "E6  "},
}};

struct NewAntillesEntity {
  std::string_view prefix;
  std::string_view name;
};
constexpr std::array<NewAntillesEntity, 4> kNewAntillesEntities = {{
    {"PJ2 ", "Curacao"}, {"PJ4 ", "Bonaire"}, {"PJ5 ", "Saba & St-Eustatius"}, {"PJ7 ", "Sint Maarten"}}};

std::string TrimRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

bool HasRow(const DxccTable& table, std::string_view prefix) {
  return table.FindDxccByExactPrefix(prefix) <= table.count();
}

bool AntillesNeedSplitting(const DxccTable& table) {
  return HasRow(table, "PJ2 ") && HasRow(table, "PJ7 ") && !HasRow(table, "PJ2X") && !HasRow(table, "PJ4 ") &&
         !HasRow(table, "PJ5 ") && !HasRow(table, "PJ7X");
}

std::string_view ReplacementFor(std::string_view prefix) {
  for (const auto& [old_prefix, new_prefix] : kPrefixReplacements) {
    if (old_prefix == prefix) return new_prefix;
  }
  return {};
}

std::string JoinList(const std::vector<std::string>& items) {
  std::string joined;
  for (const std::string& item : items) {
    if (!joined.empty()) joined += ", ";
    joined += item;
  }
  return joined;
}

}  // namespace

Status MigrateAntilles(DxccTable& table, const DxccCheckContext& context) {
  if (!AntillesNeedSplitting(table)) return Status::Ok();
  const MessageAnswer answer = context.box.Show(MessageKind::kInformation, context.texts.Get(kTextInformationCaption),
                                                context.texts.Get(kTextMigrateAntilles), MessageButtons::kYesNo);
  if (answer != MessageAnswer::kYes) return Status::Ok();
  if (table.count() + static_cast<int>(kNewAntillesEntities.size()) > kDxccCapacity) {
    context.box.Show(MessageKind::kWarning, context.texts.Get(kTextWarningCaption),
                     "The DXCC database has no room for the four new entities of the Netherlands Antilles "
                     "(it holds at most " + std::to_string(kDxccCapacity) + "); nothing was changed.",
                     MessageButtons::kOk);
    return Status::Ok();
  }
  DxccEntry& curacao = table.row(table.FindDxccByExactPrefix("PJ2 "));
  curacao.prefix = "PJ2X";
  curacao.name = PadText("*Neth.Antilles", kDxccNameLength);
  DxccEntry& sint_maarten = table.row(table.FindDxccByExactPrefix("PJ7 "));
  sint_maarten.prefix = "PJ7X";
  sint_maarten.name = PadText("*Sint Maarten", kDxccNameLength);
  for (const NewAntillesEntity& entity : kNewAntillesEntities) {
    (void)table.AppendRow(TemplateDxccEntry(entity.prefix, entity.name));  // room checked above
  }
  table.TriABul();
  if (Status saved = SauveDXCC(context.fs, context.data_folder, table); !saved.ok()) return saved;
  context.box.Show(MessageKind::kInformation, context.texts.Get(kTextInformationCaption),
                   context.texts.Get(kTextDone), MessageButtons::kOk);
  return Status::Ok();
}

Status CheckDxccPrefixes(DxccTable& table, const std::vector<std::string>& entity_prefixes,
                         const DxccCheckContext& context) {
  Status result = MigrateAntilles(table, context);

  std::set<std::string> known;
  for (const std::string& prefix : entity_prefixes) known.insert(PadText(prefix, kDxccPrefixLength));

  std::vector<std::string> renamed;
  std::vector<std::string> missing;
  for (int row = 1; row <= table.count(); ++row) {
    DxccEntry& entry = table.row(row);
    const std::string prefix = PadText(entry.prefix, kDxccPrefixLength);
    if (entry.IsDeletedEntity() || known.count(prefix) != 0) continue;
    const std::string_view replacement = ReplacementFor(prefix);
    if (!replacement.empty() && !HasRow(table, replacement)) {
      renamed.push_back(TrimRight(prefix) + " --> " + TrimRight(replacement));
      entry.prefix = std::string(replacement);
      table.set_sort_pending(true);
    } else {
      missing.push_back(TrimRight(prefix));
    }
  }

  if (!renamed.empty()) {
    Status saved = SauveDXCC(context.fs, context.data_folder, table);
    if (saved.ok()) {
      context.box.Show(MessageKind::kInformation, context.texts.Get(kTextInformationCaption),
                       context.texts.Get(kTextDxccPrefixesRenamed) + "\n" + JoinList(renamed), MessageButtons::kOk);
    } else if (result.ok()) {
      result = std::move(saved);
    }
  }
  if (!missing.empty()) {
    context.box.Show(MessageKind::kWarning, context.texts.Get(kTextWarningCaption),
                     context.texts.Get(kTextDxccRowsMissing) + "\n" + JoinList(missing), MessageButtons::kOk);
  }
  return result;
}

}  // namespace brilox

namespace brilox {

Status CheckDxccPrefixes(DxccTable& table, const CountryTable& countries, const DxccCheckContext& context) {
  std::vector<std::string> prefixes;
  prefixes.reserve(countries.CountryCount());
  for (const CountryEntry& entry : countries.entries()) prefixes.push_back(entry.main_prefix);
  return CheckDxccPrefixes(table, prefixes, context);
}

}  // namespace brilox
