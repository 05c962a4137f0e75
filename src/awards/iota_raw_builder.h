// Builds the delivered IOTA.RAW from a public list of IOTA references, one
// reference a line: "reference|name|DXCC prefix|call pattern" (the call
// pattern is not used).  Every entry gets the status "-"; the DXCC prefix
// becomes the program's main prefix of that entity, names are made
// single-byte and fitted to 50 characters, and the British Isles and West
// Indies region marks follow from the entity.  Used by tools/make_iota_raw;
// any thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "awards/iota_table.h"
#include "platform/result.h"

namespace brilox {

// The name given to a number that the list leaves out below its highest
// number of the continent: references are issued in sequence, so such a
// number was issued and has gone from the list; "*" marks it withdrawn.
inline constexpr char kIotaUnlistedName[] = "*Not in the reference list";

// A list name as single-byte text: UTF-8 curly quotes become straight ones,
// other Latin-1 letters their Latin-1 byte, anything else "?".  Blanks at
// both ends are dropped.
std::string SingleByteName(std::string_view utf8);

// A name fitted into the 50-character field, blank-padded: when it is longer,
// "(main island and coastal islands not qualifying for other groups)" becomes
// "(main island)", an "(aka ...)" alias goes, then what is still too long is
// cut.
std::string FitIotaName(std::string_view name);

// The program's main prefix for a prefix as the list writes it ("FT(Z)" ->
// "FT5Z", "UA(AS)" -> "UA9", "W" -> "K"), or the text itself when it is one
// of `main_prefixes`; empty when neither.
std::string MainPrefixFor(std::string_view list_prefix, const std::vector<std::string>& main_prefixes);

// The region mark of a group of the entity filed under `main_prefix`: "B" for
// the British Isles entities, "W" for the entities made only of Caribbean
// islands, else blank.  Arctic groups cannot be told from the entity.
char RegionForPrefix(std::string_view main_prefix);

struct IotaRawReport {
  IotaTable table;
  std::vector<std::string> notes;             // lines skipped, merged or changed, and why
  std::vector<std::string> unknown_prefixes;  // list prefixes with no main prefix (left blank)
};

// `main_prefixes`: the entity main prefixes of COUNTRY2.DAT.  A reference
// listed on several lines keeps its first line.
IotaRawReport BuildIotaRaw(std::string_view list, const std::vector<std::string>& main_prefixes);

}  // namespace brilox
