// Generates the delivered IOTA.RAW from a public list of IOTA references.
//
//   make_iota_raw iota.tbl COUNTRY2.DAT IOTA.RAW
//
// iota.tbl holds "reference|name|DXCC prefix|call pattern" lines; the main
// prefixes of COUNTRY2.DAT decide how the prefixes are filed.  What was
// merged, changed or skipped goes to standard error; a list prefix that has
// no main prefix stops the tool (it wants a row in the builder's map).
#include <cstdio>
#include <string>
#include <vector>

#include "awards/dxcc_raw_builder.h"
#include "awards/iota_file.h"
#include "awards/iota_raw_builder.h"
#include "platform/file_system.h"

int main(int argc, char** argv) {
  using namespace brilox;
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s iota.tbl COUNTRY2.DAT IOTA.RAW\n", argv[0]);
    return 2;
  }
  FileSystem& fs = PosixFileSystem();
  Result<std::string> list = fs.ReadFile(argv[1]);
  Result<std::string> country = fs.ReadFile(argv[2]);
  for (const Result<std::string>* input : {&list, &country}) {
    if (!input->ok()) {
      std::fprintf(stderr, "%s\n", input->status().ToString().c_str());
      return 1;
    }
  }
  std::vector<std::string> main_prefixes;
  for (const CountryEntityLine& line : ReadCountryEntityLines(*country))
    main_prefixes.push_back(line.main_prefix);

  const IotaRawReport report = BuildIotaRaw(*list, main_prefixes);
  for (const std::string& note : report.notes) std::fprintf(stderr, "note: %s\n", note.c_str());
  for (const std::string& prefix : report.unknown_prefixes) {
    std::fprintf(stderr, "error: the prefix \"%s\" is no main prefix of %s\n", prefix.c_str(), argv[2]);
  }
  if (!report.unknown_prefixes.empty()) return 1;
  if (Status written = WriteFileAtomic(fs, argv[3], EncodeIotaFile(report.table)); !written.ok()) {
    std::fprintf(stderr, "%s\n", written.ToString().c_str());
    return 1;
  }
  int issued = 0;
  for (int index = 1; index <= kIotaEntryCount; ++index)
    issued += report.table.entry(index).IsIssued() ? 1 : 0;
  std::printf("%s: %d records, %d references named\n", argv[3], kIotaEntryCount, issued);
  return 0;
}
