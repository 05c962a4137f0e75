// Finding an IOTA reference ("EU-005", "EU005", "EU 05") in free text such as
// a spot comment or a log's COMMENT field, with rules that reject references
// a call cannot be on.  The spot check and the IOTA import scan the same way
// and differ in those call rules and in how much text they read.  Pure code.
#pragma once

#include <optional>
#include <string_view>

namespace brilox {

struct IotaReference {
  int continent = 0;  // 1..7, AF..SA as in kIotaContinents
  int number = 0;     // 1..the continent's capacity
};

// True when a station whose call is `call` cannot be on an island of
// `continent` (1..7).
using IotaCallRule = bool (*)(std::string_view call, int continent);

// The first acceptable reference in `text`, read as upper case; words such as
// "NOT EU-005" are skipped, as are codes glued to a letter or a digit and
// numbers that go on like a locator or a frequency.  `max_length` bounds the
// text read (0: all of it).
std::optional<IotaReference> ScanIotaReference(std::string_view text, std::string_view call,
                                               IotaCallRule reject, std::size_t max_length = 0);

// The rules of the log import: calls of Italy and of Spain's EA..EH series
// only on African or European islands, Belgian calls on none, Russian and
// Ukrainian calls on no South American one.
bool RejectIotaForImportedCall(std::string_view call, int continent);

}  // namespace brilox
