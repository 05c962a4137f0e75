// The country file (COUNTRY2.DAT) as a download or an edit may leave it,
// then the lookups the spot processing makes in it.
#include <cstdint>

#include "spots/country_table.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brilox;
  brilox::MemoryFileSystem fs;
  fs.files()["/COUNTRY2.DAT"] = std::string(fuzz::AsText(data, size));
  Result<CountryTable> loaded = LoadCountryFile(fs, "/COUNTRY2.DAT");
  if (!loaded.ok()) __builtin_trap();  // a readable file always loads
  const CountryTable& table = *loaded;
  for (const CountryEntry& entry : table.entries()) {
    if (entry.main_prefix.size() != 4 || entry.name.size() > 40) __builtin_trap();
  }
  // Keys cut from the input itself reach both the index and the scan for keys holding "#".
  const std::string_view text = fuzz::AsText(data, size);
  for (std::size_t at = 0; at < text.size() && at < 64; at += 7) table.FindEntryByKey(text.substr(at, 5));
  for (int entity = -1; entity <= kMaxPrefixByEntity + 1; ++entity) table.PrefixByEntity(entity);
  return 0;
}
