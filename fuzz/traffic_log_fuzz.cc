// A traffic log file as the log viewer and the log search read it, damaged or
// cut short as a crash or an editor may leave it; then one more record, which
// must land on a record boundary and read back.  The first byte chooses the
// log, the rest is the file.
#include <algorithm>
#include <cstdint>
#include <string>

#include "spots/traffic_log.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brilox;
  if (size == 0) return 0;
  const LogCategory category = kAllLogCategories[data[0] % kAllLogCategories.size()];
  const LogFileLayout layout = LayoutOf(category);
  const std::string_view file = fuzz::AsText(data + 1, size - 1);

  MemoryFileSystem fs;
  TrafficLog log(fs, fuzz::kDataFolder);
  fs.files()[log.PathOf(category)] = std::string(file);

  Result<std::uint64_t> count = log.RecordCount(category);
  if (!count.ok() || *count != file.size() / layout.record_size) __builtin_trap();
  if (Result<std::vector<std::string>> all = log.ReadLogRecords(category, 0, 1000); all.ok()) {
    if (all->size() != std::min<std::uint64_t>(*count, 1000)) __builtin_trap();
    for (const std::string& text : *all)
      if (text.size() > layout.capacity()) __builtin_trap();
  }
  if (log.ReadLogRecord(category, *count).ok()) __builtin_trap();  // one beyond the end
  if (*count > 0 && !log.ReadLogRecord(category, *count - 1).ok()) __builtin_trap();
  if (!log.ReadLogRecords(category, *count / 2, 3).ok()) __builtin_trap();

  const std::string text(file.substr(0, layout.capacity()));
  if (!log.AppendLogRecord(category, text).ok()) __builtin_trap();
  Result<std::string> last = log.ReadLogRecord(category, *count);
  if (!last.ok() || *last != text) __builtin_trap();
  return 0;
}
