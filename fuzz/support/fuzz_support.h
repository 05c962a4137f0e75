// Helpers shared by the fuzz targets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/memory_file_system.h"

namespace brilox::fuzz {

// The fuzzer's bytes as text.
inline std::string_view AsText(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// A shipped file of the program folder (data/), read once; empty when missing.
const std::string& ProgramFile(const std::string& name);

// The folder the in-memory data folders sit in.
inline constexpr char kDataFolder[] = "/data";

// A fresh in-memory data folder holding the shipped COUNTRY2.DAT and
// BRLMSG85.ENU, as the start-up copy leaves a new data folder.
void AddShippedFiles(MemoryFileSystem& fs);

// Splits the input at its first occurrence of `separator`: the part before
// and the part after (the whole input and nothing when it does not occur).
std::pair<std::string_view, std::string_view> SplitAt(std::string_view input, std::string_view separator);

}  // namespace brilox::fuzz
