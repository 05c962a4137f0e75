#include "awards/iota_reference_scan.h"

#include <array>
#include <string>

#include "awards/iota_table.h"

namespace brilox {
namespace {

constexpr int kAfrica = 1;
constexpr int kEurope = 4;
constexpr int kSouthAmerica = 7;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsEnd(char c) { return !IsDigit(c) && !IsUpperLetter(c); }

// Character `n` (1-based) of the work text; past its end a blank.
char At(const std::string& s, std::size_t n) { return n >= 1 && n <= s.size() ? s[n - 1] : ' '; }

int Digits(const std::string& s, std::size_t from, std::size_t count) {
  int value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (!IsDigit(At(s, i))) return -1;
    value = value * 10 + (At(s, i) - '0');
  }
  return value;
}

// The number after the code at `p`, in the first form that fits, or -1.
int ReadNumber(const std::string& s, std::size_t p) {
  if (int n = Digits(s, p + 2, 3); n >= 0 && IsEnd(At(s, p + 5))) return n;
  if (!IsUpperLetter(At(s, p + 2))) {
    if (int n = Digits(s, p + 3, 3); n >= 0 && IsEnd(At(s, p + 6))) return n;
  }
  if (int n = Digits(s, p + 2, 2); n >= 0 && IsEnd(At(s, p + 4))) return n;
  if (!IsUpperLetter(At(s, p + 2))) {
    if (int n = Digits(s, p + 3, 2); n >= 0 && IsEnd(At(s, p + 5))) return n;
  }
  return -1;
}

}  // namespace

std::optional<IotaReference> ScanIotaReference(std::string_view text, std::string_view call,
                                               IotaCallRule reject, std::size_t max_length) {
  if (max_length > 0 && text.size() > max_length) text = text.substr(0, max_length);
  std::string s(text);
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  // "NOT OC-123" names a reference the station is not on.
  for (std::size_t at = s.find("NOT"); at != std::string::npos; at = s.find("NOT")) s.erase(at, 6);
  if (std::size_t at = s.find("SSA-"); at != std::string::npos) s.erase(at, 4);
  if (std::size_t at = s.find("NAC"); at != std::string::npos) s.erase(at, 3);
  s.append(8, ' ');
  while (true) {
    std::size_t p = std::string::npos;
    int continent = 0;
    for (int index = 1; index <= kIotaContinentCount && p == std::string::npos; ++index) {
      p = s.find(IotaContinentAt(index).code);
      continent = index;
    }
    if (p == std::string::npos) return std::nullopt;
    ++p;  // 1-based from here on
    bool rejected = (p > 1 && !IsEnd(At(s, p - 1))) ||
                    (IsDigit(At(s, p + 7)) && IsDigit(At(s, p + 8)) && IsDigit(At(s, p + 9)));
    const int number = rejected ? -1 : ReadNumber(s, p);
    rejected = rejected || number < 1 || number > IotaContinentAt(continent).capacity;
    rejected = rejected || (reject != nullptr && reject(call, continent));
    if (!rejected) return IotaReference{continent, number};
    s.erase(p - 1, 2);
  }
}

bool RejectIotaForImportedCall(std::string_view call, int continent) {
  const char c1 = call.size() > 0 ? call[0] : ' ';
  const char c2 = call.size() > 1 ? call[1] : ' ';
  const bool africa_or_europe = continent == kAfrica || continent == kEurope;
  if (c1 == 'I' && !africa_or_europe) return true;
  if (c1 == 'E' && c2 >= 'A' && c2 <= 'H' && !africa_or_europe) return true;
  if (c1 == 'O' && c2 >= 'N' && c2 <= 'T') return true;
  return (c1 == 'R' || c1 == 'U') && continent == kSouthAmerica;
}

}  // namespace brilox
