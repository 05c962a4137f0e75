// The entity of an imported QSO that carries no DXCC number: rules that know
// the prefixes of deleted entities, the Soviet-era prefixes, prefixes that
// moved from one entity to another over the years, and entities that share a
// prefix and are told apart by the call or by words in the comment.  The
// country table alone answers with today's entity; a log holds QSOs of
// fifty years.  Each rule is a named function over the working record; the
// calls, prefixes and dates are tables in entity_rules.cc.  Pure code.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace brilox {

// A QSO date as the number yyyymmdd (19900521), so that dates compare as
// numbers.
using QsoDate = int;

// What the rules read and fill.
struct EntityQuery {
  std::string call;  // upper case
  QsoDate date = 0;
  std::string comment;  // upper case
  std::string prefix;   // the entity prefix found so far; "*" first: a deleted entity
};

// A portable call written home call first (DL1ABC/F) turned round (F/DL1ABC),
// so that the prefix lists read the part that names the entity.
void NormalizePortableCall(EntityQuery& qso);
// Calls of entities deleted from the list, by date.
void DeletedEntityRules(EntityQuery& qso);
// The prefixes of the Soviet republics before the new prefixes of 1994.
void SovietEraRules(EntityQuery& qso);
// Prefixes that named another entity before a given year.
void HistoricPrefixRules(EntityQuery& qso);
// Entities sharing a prefix with others, told apart by call, date or comment.
// May empty the prefix: the QSO then belongs to no entity.
void SharedPrefixRules(EntityQuery& qso);

// The country table's answer for a call: an entity prefix, or "9999" for none.
using CountryOfCall = std::function<std::string(std::string_view call)>;

// The whole chain, in order: each of the first four rules while the prefix is
// still empty (the Soviet-era one only for QSOs before 1994), then the
// country table, then SharedPrefixRules.  Leaves the prefix empty when the
// QSO belongs to no entity.
void WorkOutEntity(EntityQuery& qso, const CountryOfCall& country);

}  // namespace brilox
