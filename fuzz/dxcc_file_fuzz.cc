// The operator's DXCC database (DXCC.DAT), or the delivered DXCC.RAW on a
// first start, as the start-up load reads it beside the shipped country file.
// A file that loads must save, and the saved file must load back to the same
// bytes.  The first input byte chooses DXCC.DAT or DXCC.RAW and whether the
// rest is cut to whole 44-byte records (so that most inputs get past the
// size check to the records).
#include <cstdint>
#include <string>

#include "awards/dxcc_file.h"
#include "awards/dxcc_store.h"
#include "spots/pipeline_tables.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brilox;
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  std::string_view file = fuzz::AsText(data + 1, size - 1);
  if ((mode & 1) != 0) file = file.substr(0, file.size() - file.size() % kDxccRecordSize);
  const std::string folder = fuzz::kDataFolder;

  MemoryFileSystem fs;
  fuzz::AddShippedFiles(fs);
  fs.files()[folder + "/" + ((mode & 2) != 0 ? kDxccRawFileName : kDxccFileName)] = std::string(file);
  Result<PipelineTables> tables = LoadPipelineTables(fs, folder, MissingDxccFile::kRefuse);
  if (!tables.ok()) return 0;

  DxccTable& dxcc = tables->dxcc;
  if (dxcc.count() > 0) dxcc.set_sort_pending(true);
  if (!SauveDXCC(fs, folder, dxcc).ok()) __builtin_trap();
  const std::string saved = fs.files()[folder + "/" + kDxccFileName];
  DxccTable reloaded;
  if (!LoadDxccTable(fs, folder, reloaded).ok() || EncodeDxccFile(reloaded) != saved) __builtin_trap();
  return 0;
}
