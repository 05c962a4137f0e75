// The operator's IOTA database (IOTA.DAT) in the current layout and in the
// two older ones that start-up converts (1200 records, or 1200 status bytes
// completed from the shipped IOTA.RAW).  Input: a layout byte, two bytes of
// offset, then bytes laid over a sound file of that layout from the offset
// on, so that most inputs reach the records; with bit 2 of the layout byte
// the bytes are the whole file instead.  A file that loads or converts must
// load, save and load back to the same bytes.
#include <cstdint>
#include <string>

#include "awards/iota_conversion.h"
#include "awards/iota_file.h"
#include "support/fuzz_support.h"

namespace {

using namespace brilox;

std::string IotaPath(const char* name) { return std::string(fuzz::kDataFolder) + "/" + name; }

void CheckLoadSaveLoad(MemoryFileSystem& fs) {
  IotaTable table;
  if (!LoadIotaTable(fs, fuzz::kDataFolder, table).ok()) return;
  if (!SaveIotaTable(fs, fuzz::kDataFolder, table).ok()) __builtin_trap();
  const std::string saved = fs.files()[IotaPath(kIotaFileName)];
  IotaTable reloaded;
  if (!LoadIotaTable(fs, fuzz::kDataFolder, reloaded).ok() || EncodeIotaFile(reloaded) != saved)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const int layout = data[0] % 3;  // 0 current, 1 older records, 2 older status bytes
  const std::string_view bytes = fuzz::AsText(data + 3, size - 3);
  static_cast<void>(DecodeIotaRecords(bytes, kIotaFileName));

  const std::string& shipped = fuzz::ProgramFile(kIotaRawFileName);
  std::string file;
  if ((data[0] & 4) != 0) {
    file = std::string(bytes);
  } else {
    file = layout == 0   ? shipped
           : layout == 1 ? shipped.substr(0, kIotaOldRecordFileBytes)
                         : std::string(kIotaOldStatusFileBytes, '-');
    const std::size_t offset = (static_cast<std::size_t>(data[1]) << 8 | data[2]) % file.size();
    file.replace(offset, std::min(bytes.size(), file.size() - offset), bytes.substr(0, file.size() - offset));
  }

  MemoryFileSystem fs;
  fs.files()[IotaPath(kIotaRawFileName)] = shipped;
  fs.files()[IotaPath(kIotaFileName)] = file;
  if (layout == 1 && ConvertIotaRecordFile(fs, fuzz::kDataFolder).ok()) {
    IotaTable converted;
    if (!LoadIotaTable(fs, fuzz::kDataFolder, converted).ok()) __builtin_trap();
  }
  if (layout == 2 && ConvertIotaStatusFile(fs, fuzz::kDataFolder).ok()) {
    IotaTable converted;
    if (!LoadIotaTable(fs, fuzz::kDataFolder, converted).ok()) __builtin_trap();
  }
  CheckLoadSaveLoad(fs);
  return 0;
}
