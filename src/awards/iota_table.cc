#include "awards/iota_table.h"

#include <cassert>

namespace brilox {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first file record of each continent, by continent index 1..7.
constexpr std::array<int, kIotaContinentCount> FirstFileRecords() {
  std::array<int, kIotaContinentCount> first{};
  int record = 1;
  for (int continent : kIotaFileContinentOrder) {
    first[static_cast<std::size_t>(continent - 1)] = record;
    record += kIotaContinents[static_cast<std::size_t>(continent - 1)].capacity;
  }
  return first;
}
constexpr std::array<int, kIotaContinentCount> kFirstFileRecord = FirstFileRecords();
static_assert(kFirstFileRecord[3] == 1, "EU opens the file");
static_assert(kFirstFileRecord[0] == 221 && kFirstFileRecord[4] == 671);

}  // namespace

bool IsIotaStatus(char status) {
  switch (status) {
    case kIotaNotWorked:
    case kIotaWorked:
    case kIotaConfirmed:
    case kIotaCredited:
    case kIotaStatusR:
    case kIotaStatusX:
    case kIotaStatusD:
      return true;
    default:
      return false;
  }
}

bool IsIotaRegion(char region) {
  return region == kIotaNoRegion || region == kIotaArcticIslands || region == kIotaBritishIsles ||
         region == kIotaWestIndies;
}

const IotaContinent& IotaContinentAt(int continent) {
  assert(continent >= 1 && continent <= kIotaContinentCount);
  return kIotaContinents[static_cast<std::size_t>(continent - 1)];
}

int IotaContinentOfCode(std::string_view code) {
  for (int continent = 1; continent <= kIotaContinentCount; ++continent) {
    if (IotaContinentAt(continent).code == code) return continent;
  }
  return 0;
}

int IotaContinentOfIndex(int index) {
  for (int continent = kIotaContinentCount; continent >= 1; --continent) {
    const IotaContinent& c = IotaContinentAt(continent);
    if (index >= c.first_index && index < c.first_index + c.capacity) return continent;
  }
  return 0;
}

int IotaTableIndex(int continent, int number) {
  if (continent < 1 || continent > kIotaContinentCount) return 0;
  const IotaContinent& c = IotaContinentAt(continent);
  if (number < 1 || number > c.capacity) return 0;
  return c.first_index + number - 1;
}

int IotaIndexOfReference(std::string_view reference) {
  while (!reference.empty() && reference.back() == ' ') reference.remove_suffix(1);
  if (reference.size() != 6 || reference[2] != '-') return 0;
  if (!IsDigit(reference[3]) || !IsDigit(reference[4]) || !IsDigit(reference[5])) return 0;
  const int number = (reference[3] - '0') * 100 + (reference[4] - '0') * 10 + (reference[5] - '0');
  return IotaTableIndex(IotaContinentOfCode(reference.substr(0, 2)), number);
}

std::string IotaReferenceText(int index) {
  const int continent = IotaContinentOfIndex(index);
  if (continent == 0) return {};
  const IotaContinent& c = IotaContinentAt(continent);
  const int number = index - c.first_index + 1;
  std::string text(c.code);
  text += '-';
  text += static_cast<char>('0' + number / 100);
  text += static_cast<char>('0' + number / 10 % 10);
  text += static_cast<char>('0' + number % 10);
  return text;
}

int IotaFileRecordOfIndex(int index) {
  const int continent = IotaContinentOfIndex(index);
  if (continent == 0) return 0;
  return kFirstFileRecord[static_cast<std::size_t>(continent - 1)] + index -
         IotaContinentAt(continent).first_index;
}

int IotaIndexOfFileRecord(int record) {
  for (int continent = 1; continent <= kIotaContinentCount; ++continent) {
    const int first = kFirstFileRecord[static_cast<std::size_t>(continent - 1)];
    const IotaContinent& c = IotaContinentAt(continent);
    if (record >= first && record < first + c.capacity) return c.first_index + record - first;
  }
  return 0;
}

}  // namespace brilox
