// The country table: the entities of COUNTRY2.DAT with their prefix lists,
// and the lookup of a prefix key.  Loaded once at start-up (and again after
// a download replaced the file); read-only afterwards, so any thread may
// read a loaded table.
//
// COUNTRY2.DAT is text, one record a line, read after trimming:
//   - lines of at most 2 characters and lines starting with "/" are comments;
//   - lines starting with "#" are prefix lists, "#" prefix "#" prefix "#";
//     consecutive ones add up (each further line without its first "#") and
//     belong to the next entity line;
//   - any other line is an entity: main prefix, name (one word), ITU zone,
//     CQ zone, time offset (hours, west positive), latitude (north
//     positive), longitude (east positive), DXCC entity number, separated by
//     blanks.  A number that does not read is 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/result.h"

namespace brilox {

struct CountryEntry {
  std::string main_prefix;  // blank-padded to exactly 4
  std::string name;         // at most 40
  int itu_zone = 0;
  int waz_zone = 0;
  double time_offset = 0.0;  // hours; local time is UTC minus this
  double latitude = 0.0;
  double longitude = 0.0;
  int entity = 0;           // DXCC entity number
  std::string prefix_list;  // "#DL#DA#DB#..."
};

inline constexpr int kMaxPrefixByEntity = 1000;
inline constexpr std::string_view kNoEntityPrefix = "9999";
inline constexpr std::string_view kMobileEntityPrefix = "9998";

class CountryTable {
 public:
  CountryTable() = default;

  // Builds the table from the text of a country file.  Never fails: lines
  // that do not read give entries with 0 in their numbers.
  static CountryTable Parse(std::string_view file_text);

  const std::vector<CountryEntry>& entries() const { return m_entries; }
  std::size_t CountryCount() const { return m_entries.size(); }

  // The first entry in file order whose prefix list holds "#" key "#";
  // nullptr when none does.  Answered from an index built at load time.
  const CountryEntry* FindEntryByKey(std::string_view key) const;

  // The main prefix (blank-padded to 4) of entity number n, 1..1000; empty
  // when no entry has that number.
  std::string_view PrefixByEntity(int entity) const;

 private:
  void AddEntry(CountryEntry entry);
  void BuildKeyIndex();
  const CountryEntry* ScanForKey(std::string_view key) const;

  // One prefix of an entry's list, by position in that list, so that the
  // index needs no string of its own: a file of ~8000 prefixes used to cost
  // as many heap allocations per load (a hash node each), which made a load
  // slow under the sanitizers and the fuzzer.
  struct KeyRef {
    std::uint32_t entry;
    std::uint32_t offset;
    std::uint32_t length;
  };
  std::string_view KeyText(const KeyRef& ref) const {
    return std::string_view(m_entries[ref.entry].prefix_list).substr(ref.offset, ref.length);
  }
  // Open addressing over the keys: the slot of a key is the hash of its text;
  // a taken slot passes the search to the next.  Slots hold a position in
  // m_keys plus one, 0 when empty, and are at most half full.
  std::size_t SlotOf(std::string_view key) const;
  std::vector<CountryEntry> m_entries;
  std::vector<KeyRef> m_keys;  // each key once, with the first entry that holds it
  std::vector<std::uint32_t> m_slots;
  std::array<std::string, kMaxPrefixByEntity + 1> m_prefixByEntity;
};

// Reads COUNTRY2.DAT.  Only an unreadable file is an error.
Result<CountryTable> LoadCountryFile(FileSystem& file_system, const std::string& path);

}  // namespace brilox
