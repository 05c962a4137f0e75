// Where tests find their fixtures, and scratch folders that clean up after
// themselves.
#pragma once

#include <string>

namespace brilox::testing {

// A fixture file below tests/data.
std::string TestDataPath(const std::string& name);
// A file of the shipped program folder (data/).
std::string ProgramDataPath(const std::string& name);
// Reads a whole fixture file; fails the test when it is missing.
std::string ReadTestData(const std::string& name);

// A fresh folder under the system's temporary folder, removed with its
// content when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return m_path; }
  std::string File(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

}  // namespace brilox::testing
