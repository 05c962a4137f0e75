#include "support/fuzz_support.h"

#include <map>

#include "platform/file_system.h"

namespace brilox::fuzz {

const std::string& ProgramFile(const std::string& name) {
  static std::map<std::string, std::string> files;
  auto found = files.find(name);
  if (found == files.end()) {
    Result<std::string> bytes = PosixFileSystem().ReadFile(std::string(BRILOX_PROGRAM_DATA_DIR) + "/" + name);
    found = files.emplace(name, bytes.ok() ? std::move(*bytes) : std::string()).first;
  }
  return found->second;
}

void AddShippedFiles(MemoryFileSystem& fs) {
  for (const char* name : {"COUNTRY2.DAT", "BRLMSG85.ENU"})
    fs.files()[std::string(kDataFolder) + "/" + name] = ProgramFile(name);
}

std::pair<std::string_view, std::string_view> SplitAt(std::string_view input, std::string_view separator) {
  const std::size_t at = input.find(separator);
  if (at == std::string_view::npos) return {input, {}};
  return {input.substr(0, at), input.substr(at + separator.size())};
}

}  // namespace brilox::fuzz
