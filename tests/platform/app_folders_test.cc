// The program must find its shipped files both installed and in a build
// tree, keep data in the XDG data folder, and keep its lock where no other
// user can interfere.
#include "platform/app_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/memory_file_system.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

struct ProgramFolderCase {
  const char* name;
  std::string executable_folder;
  std::vector<std::string> folders;  // folders that exist
  std::string expected;              // empty: not found
};
void PrintTo(const ProgramFolderCase& c, std::ostream* os) { *os << c.name; }

class ProgramFolderTest : public ::testing::TestWithParam<ProgramFolderCase> {};

TEST_P(ProgramFolderTest, Resolves) {
  const ProgramFolderCase& c = GetParam();
  MemoryFileSystem fs;
  for (const std::string& folder : c.folders) ASSERT_TRUE(fs.CreateDirectories(folder).ok());
  FolderEnvironment environment;
  environment.executable_folder = c.executable_folder;
  const BuildTree build{"/home/op/brilox/build", "/home/op/brilox/data"};
  Result<std::string> folder = ResolveProgramFolder(environment, build, fs);
  if (c.expected.empty()) {
    EXPECT_TRUE(folder.status().IsNotFound());
  } else {
    ASSERT_TRUE(folder.ok()) << folder.status().ToString();
    EXPECT_EQ(*folder, c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ProgramFolderTest,
    ::testing::Values(
        ProgramFolderCase{"Installed", "/usr/bin", {"/usr/share/brilox"}, "/usr/share/brilox"},
        ProgramFolderCase{"InstalledUnderAPrefix",
                          "/opt/brilox/bin/",
                          {"/opt/brilox/share/brilox"},
                          "/opt/brilox/share/brilox"},
        ProgramFolderCase{
            "BuildTree", "/home/op/brilox/build/src/app", {"/home/op/brilox/data"}, "/home/op/brilox/data"},
        ProgramFolderCase{"BuildTreeWithoutSourceData", "/home/op/brilox/build/src/app", {}, ""},
        ProgramFolderCase{"ASiblingOfTheBuildTreeIsNotInIt",
                          "/home/op/brilox/build2/bin",
                          {"/home/op/brilox/data", "/home/op/brilox/build2/share/brilox"},
                          "/home/op/brilox/build2/share/brilox"},
        ProgramFolderCase{"NothingShipped", "/usr/local/bin", {"/usr/share/brilox"}, ""},
        ProgramFolderCase{"UnknownExecutable", "", {"/share/brilox"}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataFolder, XdgDataHomeElseTheHomeFolderAndCreatedWhenMissing) {
  MemoryFileSystem fs;
  FolderEnvironment environment;
  environment.home = "/home/op";
  environment.xdg_data_home = "/data/op";
  EXPECT_EQ(*ResolveDataFolder(environment, fs), "/data/op/MORVEL/BRILOX");
  EXPECT_TRUE(fs.IsDirectory("/data/op/MORVEL/BRILOX"));

  environment.xdg_data_home = "";
  EXPECT_EQ(*ResolveDataFolder(environment, fs), "/home/op/.local/share/MORVEL/BRILOX");
  environment.xdg_data_home = "relative/data";  // invalid: ignored
  EXPECT_EQ(*ResolveDataFolder(environment, fs), "/home/op/.local/share/MORVEL/BRILOX");
  EXPECT_TRUE(fs.IsDirectory("/home/op/.local/share/MORVEL/BRILOX"));

  environment.home = "";
  EXPECT_TRUE(ResolveDataFolder(environment, fs).status().IsNotFound());
}

TEST(DataFolder, AFolderThatCannotBeMadeIsAnError) {
  MemoryFileSystem memory;
  FaultInjectingFileSystem fs(memory);
  fs.FailFromMutation(1);
  FolderEnvironment environment;
  environment.home = "/home/op";
  EXPECT_FALSE(ResolveDataFolder(environment, fs).ok());
}

TEST(RuntimeFolder, XdgRuntimeDirElseAPrivateFolderOfTheUser) {
  testing::ScratchFolder scratch;
  FolderEnvironment environment;
  environment.user_id = static_cast<unsigned>(::getuid());
  environment.temp_folder = scratch.path();
  environment.xdg_runtime_dir = "/run/user/1000";
  EXPECT_EQ(*ResolveRuntimeFolder(environment), "/run/user/1000");

  environment.xdg_runtime_dir = "";
  Result<std::string> fallback = ResolveRuntimeFolder(environment);
  ASSERT_TRUE(fallback.ok()) << fallback.status().ToString();
  EXPECT_EQ(*fallback, scratch.File("brilox-" + std::to_string(environment.user_id)));
  struct stat info {};
  ASSERT_EQ(::lstat(fallback->c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_TRUE(ResolveRuntimeFolder(environment).ok());  // again: it exists now

  // A folder others can write to could hold a lock planted by them.
  ASSERT_EQ(::chmod(fallback->c_str(), 0777), 0);
  EXPECT_FALSE(ResolveRuntimeFolder(environment).ok());
  // Nor may the name be a link to a folder elsewhere.
  ASSERT_EQ(::chmod(fallback->c_str(), 0700), 0);
  ASSERT_EQ(::rename(fallback->c_str(), scratch.File("elsewhere").c_str()), 0);
  ASSERT_EQ(::symlink(scratch.File("elsewhere").c_str(), fallback->c_str()), 0);
  EXPECT_FALSE(ResolveRuntimeFolder(environment).ok());
}

TEST(ReadFolderEnvironment, FindsTheRunningProgram) {
  const FolderEnvironment environment = ReadFolderEnvironment();
  EXPECT_FALSE(environment.executable_folder.empty());
  EXPECT_EQ(environment.user_id, static_cast<unsigned>(::getuid()));
}

}  // namespace
}  // namespace brilox
