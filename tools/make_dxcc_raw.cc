// Generates the delivered DXCC.RAW from the country file.
//
//   make_dxcc_raw COUNTRY2.DAT DXCC.RAW [NAMES]
//
// NAMES, when given, is a "|"-separated entity list (name in field 2, DXCC
// entity number in field 9) whose readable names replace the one-word names
// of the country file.  Notes on skipped lines go to standard error.
#include <cstdio>
#include <string>

#include "awards/dxcc_file.h"
#include "awards/dxcc_raw_builder.h"
#include "platform/file_system.h"

int main(int argc, char** argv) {
  using namespace brilox;
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: %s COUNTRY2.DAT DXCC.RAW [NAMES]\n", argv[0]);
    return 2;
  }
  FileSystem& fs = PosixFileSystem();
  Result<std::string> country = fs.ReadFile(argv[1]);
  if (!country.ok()) {
    std::fprintf(stderr, "%s\n", country.status().ToString().c_str());
    return 1;
  }
  std::vector<std::pair<int, std::string>> names;
  if (argc == 4) {
    Result<std::string> table = fs.ReadFile(argv[3]);
    if (!table.ok()) {
      std::fprintf(stderr, "%s\n", table.status().ToString().c_str());
      return 1;
    }
    names = ReadEntityNames(*table);
  }
  Result<DxccRawReport> report = BuildDxccRaw(*country, names);
  if (!report.ok()) {
    std::fprintf(stderr, "%s\n", report.status().ToString().c_str());
    return 1;
  }
  for (const std::string& note : report->notes) std::fprintf(stderr, "note: %s\n", note.c_str());
  if (Status written = WriteFileAtomic(fs, argv[2], EncodeDxccFile(report->table)); !written.ok()) {
    std::fprintf(stderr, "%s\n", written.ToString().c_str());
    return 1;
  }
  std::printf("%s: %d entities\n", argv[2], report->table.count());
  return 0;
}
