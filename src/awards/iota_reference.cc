#include "awards/iota_reference.h"

#include "awards/iota_table.h"

namespace brilox {
namespace {

constexpr std::size_t kCallWidth = 12;
constexpr int kEurope = 4;

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string PadCall(std::string_view call) {
  std::string padded(call.substr(0, kCallWidth));
  padded.resize(kCallWidth, ' ');
  return padded;
}

// The first continent (in table order) whose code occurs in `reference`.
int FirstContinentCode(const std::string& reference) {
  for (int continent = 1; continent <= kIotaContinentCount; ++continent) {
    if (reference.find(IotaContinentAt(continent).code) != std::string::npos) return continent;
  }
  return 0;
}

}  // namespace

bool RejectIotaForSpotCall(std::string_view call, int continent) {
  const char c1 = call.size() > 0 ? Upper(call[0]) : ' ';
  const char c2 = call.size() > 1 ? Upper(call[1]) : ' ';
  // The log import lets an EA..EH call be on an African island too; a spot
  // keeps it in Europe.
  if (c1 == 'E' && c2 >= 'A' && c2 <= 'H') return continent != kEurope;
  return RejectIotaForImportedCall(std::string{c1, c2}, continent);
}

std::optional<IotaReference> ParseIotaReference(std::string_view comment, std::string_view call) {
  return ScanIotaReference(comment, call, RejectIotaForSpotCall, kSpotIotaTextLength);
}

std::optional<IotaReference> LinkedIotaReference(std::span<const CallPairEntry> links,
                                                 std::string_view dx_call) {
  const std::string call = PadCall(dx_call);
  for (const CallPairEntry& link : links) {
    if (PadCall(link.call) != call) continue;
    std::string reference = link.second;
    for (char& c : reference) c = Upper(c);
    const int continent = FirstContinentCode(reference);
    if (continent == 0) continue;
    // Characters 4..6 ("005" of "EU-005"), blanks around them allowed.
    std::string digits = reference.size() > 3 ? reference.substr(3, 3) : std::string();
    while (!digits.empty() && digits.back() == ' ') digits.pop_back();
    while (!digits.empty() && digits.front() == ' ') digits.erase(0, 1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) continue;
    const int number = std::stoi(digits);
    if (number < 1 || number > IotaContinentAt(continent).capacity) continue;
    return IotaReference{continent, number};
  }
  return std::nullopt;
}

std::string ShortIotaText(const IotaReference& reference) {
  return std::string(IotaContinentAt(reference.continent).code) + std::to_string(reference.number);
}

}  // namespace brilox
