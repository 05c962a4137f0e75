// The reference tables the spot pipeline reads for every spot, loaded from a
// data folder: the country table (COUNTRY2.DAT) and the operator's DXCC
// database (DXCC.DAT, made from the delivered DXCC.RAW on the first start).
// Window thread (start-up).
#pragma once

#include <string>
#include <vector>

#include "awards/dxcc_table.h"
#include "platform/file_system.h"
#include "platform/result.h"
#include "spots/country_table.h"

namespace brilox {

inline constexpr char kCountryFileName[] = "COUNTRY2.DAT";

struct PipelineTables {
  CountryTable countries;
  DxccTable dxcc;
  std::vector<std::string> notes;  // what the loader had to make up, for the operator
};

// What to do when the data folder holds neither DXCC.DAT nor DXCC.RAW.
enum class MissingDxccFile {
  kRefuse,                // the start-up rule: the program cannot run
  kFreshFromCountryFile,  // rate against a database of every entity, nothing worked (not saved)
};

// Fails when COUNTRY2.DAT cannot be read, and when DXCC.DAT cannot be opened
// or is damaged (with the message start-up shows).
Result<PipelineTables> LoadPipelineTables(FileSystem& fs, const std::string& data_folder,
                                          MissingDxccFile missing);

}  // namespace brilox
