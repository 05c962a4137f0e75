// Builds the delivered DXCC.RAW from the country file: one row per current
// DXCC entity, filed under the country file's main prefix, every state "-",
// sorted by prefix.  Used by tools/make_dxcc_raw; any thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "awards/dxcc_table.h"
#include "platform/result.h"

namespace brilox {

// One entity line of COUNTRY2.DAT, the fields this builder needs.
struct CountryEntityLine {
  std::string main_prefix;  // field 1
  std::string name;         // field 2, one word
  int entity = 0;           // field 8, the DXCC entity number (0 when unreadable)
};

// The entity lines of a COUNTRY2.DAT text: lines are trimmed; lines of two
// characters or fewer and lines beginning with "/" are comments, lines
// beginning with "#" prefix lists; every other line is an entity line of
// eight blank-separated fields.
std::vector<CountryEntityLine> ReadCountryEntityLines(std::string_view country_file);

// A display name of at most `length` characters: underscores read as blanks,
// a leading "The " and bracketed parts go first, then common words are
// abbreviated ("Islands" "Is.", "Republic" "Rep.", ...), and what is still
// too long is cut.
std::string ShortenEntityName(std::string_view name, std::size_t length = kDxccNameLength);

struct DxccRawReport {
  DxccTable table;
  std::vector<std::string> notes;  // lines skipped and why
};

// Rows for the entity lines whose number is a current entity of the
// entity-number table; a number met twice keeps its first line.  `names`
// maps entity numbers to display names that win over the country file's
// one-word names (may be empty).
Result<DxccRawReport> BuildDxccRaw(std::string_view country_file,
                                   const std::vector<std::pair<int, std::string>>& names = {});

// Reads display names from a table of "|"-separated fields: the name in
// field 2 and the entity number in field 9 (the layout of the public
// Country.tab list).
std::vector<std::pair<int, std::string>> ReadEntityNames(std::string_view pipe_table);

}  // namespace brilox
