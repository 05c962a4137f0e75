#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace brilox::testing {

std::string TestDataPath(const std::string& name) { return std::string(BRILOX_TEST_DATA_DIR) + "/" + name; }

std::string ProgramDataPath(const std::string& name) { return std::string(BRILOX_PROGRAM_DATA_DIR) + "/" + name; }

std::string ReadTestData(const std::string& name) {
  std::ifstream in(TestDataPath(name), std::ios::binary);
  EXPECT_TRUE(in.good()) << "missing fixture " << name;
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "brilox-test-XXXXXX").string();
  char* made = ::mkdtemp(pattern.data());
  if (made == nullptr) {
    ADD_FAILURE() << "cannot create a scratch folder";
  }
  m_path = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

}  // namespace brilox::testing
