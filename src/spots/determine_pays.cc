#include "spots/determine_pays.h"

#include "spots/call_area_rules.h"
#include "spots/text_columns.h"

namespace brilox {
namespace {

constexpr std::size_t kWorkingCallWidth = 12;
constexpr std::string_view kAntarcticKey = "CE9";

bool EndsWithAny(std::string_view text, std::initializer_list<std::string_view> endings) {
  for (std::string_view ending : endings) {
    if (text.ends_with(ending)) return true;
  }
  return false;
}

// A link matches the call whatever blanks pad either of them, so that an
// unpadded call (a spotter, a typed call) meets its link as a padded DX call does.
const CallPairEntry* FindLink(std::string_view call, const std::vector<CallPairEntry>& links) {
  const std::string_view wanted = TrimTrailingBlanks(call.substr(0, kWorkingCallWidth));
  if (wanted.empty()) return nullptr;
  for (const CallPairEntry& link : links) {
    if (TrimTrailingBlanks(link.call) == wanted) return &link;
  }
  return nullptr;
}

// "/P" with one or two digits, "/" with one character other than F, I, K or
// W, a "/Q..." QRP suffix and the lighthouse suffixes name no country.
bool SlashNamesNoCountry(std::string_view w) {
  const std::size_t n = w.size();
  if (n >= 3 && w.substr(n - 3, 2) == "/P" && IsDigit(w[n - 1])) return true;
  if (n >= 4 && w.substr(n - 4, 2) == "/P" && IsDigit(w[n - 2]) && IsDigit(w[n - 1])) return true;
  if (n >= 2 && w[n - 2] == '/' && std::string_view("FIKW").find(w[n - 1]) == std::string_view::npos) return true;
  if (n >= 4 && w.substr(n - 4, 2) == "/Q") return true;
  return EndsWithAny(w, {"/LH", "/LS", "/LT", "/LGT"});
}

// "W1AW/KH6" is written home call first; the entity is the short foreign
// prefix after the slash, so the call becomes "KH6/W1AW".
void SwapForeignPrefix(std::string& w, std::size_t slash_position) {
  if (slash_position == 0 || slash_position <= (w.size() + 1) / 2) return;
  const std::string after = w.substr(slash_position);
  int letters = 0;
  int digits = 0;
  for (char c : after) {
    letters += IsUpperLetter(c);
    digits += IsDigit(c);
  }
  if (letters >= 1 && (digits >= 1 || letters <= 2)) {
    w = after + "/" + w.substr(0, slash_position - 1);
  }
}

std::string NoEntity(std::string_view prefix, ResolvedEntity& entity) {
  entity.WazZone = 0;
  return std::string(prefix);
}

}  // namespace

std::string FindCountryByKey(const CountryTable& table, std::string_view key, ResolvedEntity& entity) {
  entity.EntityKey = CutTo(key, kEntityPrefixWidth);
  const CountryEntry* entry = table.FindEntryByKey(key);
  if (entry == nullptr) return NoEntity(kNoEntityPrefix, entity);
  entity.EntityName = entry->name;
  entity.WazZone = entry->waz_zone;
  entity.EntityLat = entry->latitude;
  entity.EntityLong = entry->longitude;
  std::string prefix;
  for (char c : entry->main_prefix) {
    if (!IsBlank(c)) prefix += c;
  }
  return prefix;
}

CallShape ShapeCall(std::string_view call, SpotMode mode) {
  CallShape shape;
  std::string& w = shape.working_call;
  w = CutTo(TrimBlanks(UpperAscii(call)), kWorkingCallWidth);
  if (w.ends_with("/M") || w.ends_with("/P")) w.resize(w.size() - 2);

  const std::size_t first_slash = w.find('/');
  std::size_t slash_position = first_slash == std::string::npos ? 0 : first_slash + 1;
  if (slash_position > 0) {
    if (mode == SpotMode::kSpot && EndsWithAny(w, {"/AM", "/MM", "/BEACON", "/BEACO", "/BCN", "/B"})) {
      shape.outcome = CallShape::Outcome::kNoEntity;
      return shape;
    }
    if (EndsWithAny(w, {"/AM", "/MM"})) {
      shape.outcome = CallShape::Outcome::kMobile;
      return shape;
    }
    // The call is then read as if it had no slash, though the text keeps it.
    if (SlashNamesNoCountry(w)) slash_position = 0;
  }
  if (w.ends_with("/ANT")) {
    shape.outcome = CallShape::Outcome::kKey;
    shape.key = kAntarcticKey;
    return shape;
  }
  SwapForeignPrefix(w, slash_position);
  if (const std::optional<std::string_view> key = CallAreaKey(w)) {
    shape.outcome = CallShape::Outcome::kKey;
    shape.key = *key;
  }
  return shape;
}

std::string DeterminePays(const CountryTable& table, std::string_view call,
                          const std::vector<CallPairEntry>& links, SpotMode mode, ResolvedEntity& entity) {
  if (const CallPairEntry* link = FindLink(call, links)) {
    FindCountryByKey(table, TrimTrailingBlanks(link->second), entity);
    return link->second;
  }
  const CallShape shape = ShapeCall(call, mode);
  switch (shape.outcome) {
    case CallShape::Outcome::kNoEntity:
      return NoEntity(kNoEntityPrefix, entity);
    case CallShape::Outcome::kMobile:
      return NoEntity(kMobileEntityPrefix, entity);
    case CallShape::Outcome::kKey:
      FindCountryByKey(table, shape.key, entity);
      return std::string(shape.key);
    case CallShape::Outcome::kGeneral:
      break;
  }
  const std::string_view w = shape.working_call;
  for (std::size_t length = std::min<std::size_t>(4, w.size()); length >= 1; --length) {
    std::string prefix = FindCountryByKey(table, w.substr(0, length), entity);
    if (prefix != kNoEntityPrefix) return prefix;
  }
  return NoEntity(kNoEntityPrefix, entity);
}

std::vector<std::string_view> RuleKeys() {
  std::vector<std::string_view> keys(CallAreaKeys().begin(), CallAreaKeys().end());
  keys.push_back(kAntarcticKey);
  return keys;
}

}  // namespace brilox
