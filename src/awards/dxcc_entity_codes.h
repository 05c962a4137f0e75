// The DXCC entity numbers of the ADIF standard (1..600) with the main prefix
// under which this program files each entity.  The country file, the DXCC
// database and the log importers all name an entity by this prefix, so that a
// QSO imported by number, a spot resolved by call and a database row meet.
// A leading "*" marks a deleted entity.  Constant data: any thread may read it.
#pragma once

#include <span>
#include <string_view>

namespace brilox {

struct DxccEntityCode {
  int entity;               // ADIF DXCC entity number
  std::string_view prefix;  // at most 5 characters; "*" first for a deleted entity
};

inline constexpr int kMaxDxccEntityNumber = 600;

// Every used number, in ascending order.
std::span<const DxccEntityCode> DxccEntityCodes();

// The prefix of `entity` as the table holds it ("*VQ9A" for the deleted
// Aldabra); empty when the number is unused or outside 1..600.
std::string_view DxccPrefixForEntity(int entity);

// True when `entity` is listed and deleted.
bool IsDeletedDxccEntity(int entity);

// The entity filed under `prefix` (trailing blanks ignored, so a 4-character
// padded "DL  " works; a leading "*" is ignored too).  Current entities win
// over deleted ones, then the lower number.  0 when no entity has it.
int DxccEntityForPrefix(std::string_view prefix);

// `DeletedEntities`: the name under which the DXCC database lists the deleted
// entity filed under `prefix` ("VQ9A" or "*VQ9A", trailing blanks ignored),
// "*" first as in the database ("*Aldabra"); empty when it is not one.
std::string_view DeletedEntityName(std::string_view prefix);

}  // namespace brilox
