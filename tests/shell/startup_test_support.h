// Shared pieces of the start-up tests: a program folder and a data folder on
// an in-memory file system, loaders that record their calls, and a file
// system that refuses chosen paths.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/memory_file_system.h"
#include "platform/message_box.h"
#include "core/language_text_table.h"
#include "shell/startup_data_checks.h"

namespace brilox::testing {

inline constexpr char kProgram[] = "prog";
inline constexpr char kData[] = "home/.local/share/MORVEL/BRILOX";

// Writes and renames that touch a refused path fail, as on a read-only or
// full disk; everything else works.
class RefusingFileSystem : public MemoryFileSystem {
 public:
  Status WriteFile(const std::string& path, std::string_view data) override {
    if (refused.count(path) != 0) return Status::Io("refused " + path);
    return MemoryFileSystem::WriteFile(path, data);
  }
  Status Rename(const std::string& from, const std::string& to) override {
    if (refused.count(from) != 0 || refused.count(to) != 0) return Status::Io("refused " + from);
    return MemoryFileSystem::Rename(from, to);
  }
  std::set<std::string> refused;
};

inline std::string InData(const std::string& name) { return std::string(kData) + "/" + name; }
inline std::string InProgram(const std::string& name) { return std::string(kProgram) + "/" + name; }

// Language text n reads "text n" (a few texts allow fewer characters and are cut).
inline LanguageTextTable NumberedTexts() {
  LanguageTextTable texts;
  for (int n = 1; n <= kLanguageTextCount; ++n)
    texts.Set(static_cast<LanguageTextId>(n), "text " + std::to_string(n));
  return texts;
}

// The files of `folder` (recursively), path below the folder -> content.
inline std::map<std::string, std::string> FilesBelow(MemoryFileSystem& fs, const std::string& folder) {
  std::map<std::string, std::string> below;
  const std::string prefix = folder + "/";
  for (const auto& [path, content] : fs.files()) {
    if (path.compare(0, prefix.size(), prefix) == 0) below[path.substr(prefix.size())] = content;
  }
  return below;
}

// Loaders that only note that they ran, in order.
struct RecordingLoaders {
  std::vector<std::string> calls;
  DataFileLoaders loaders;

  RecordingLoaders() {
    loaders.load_country = Note("country");
    loaders.load_dxcc = Note("dxcc");
    loaders.load_iota = Note("iota");
    loaders.load_telnet = Note("telnet");
    loaders.load_lotw_users = Note("lotw");
  }
  DataFileLoaders::Step Note(std::string name) {
    return [this, name](FileSystem&, const std::string& folder) {
      calls.push_back(name);
      return folder == kData ? Status::Ok() : Status::InvalidArgument("wrong data folder " + folder);
    };
  }
};

// The delivered set that a fresh installation finds in its program folder.
inline void AddMasterFiles(MemoryFileSystem& fs, const std::string& folder) {
  fs.files()[folder + "/COUNTRY2.DAT"] = "1A,SOVEREIGN MILITARY ORDER OF MALTA\r\n";
  fs.files()[folder + "/DXCC.RAW"] = std::string(44, 'D');
  fs.files()[folder + "/IOTA.RAW"] = std::string(kIotaFileSize, 'I');
  fs.files()[folder + "/DXINFO.RAW"] = std::string(80, 'X');
  fs.files()[folder + "/lotw-user-activity.csv"] = "K1ABC,2024-01-01,00:00:00\n";
}

}  // namespace brilox::testing
