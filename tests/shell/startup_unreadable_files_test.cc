// A data file that is there but cannot be opened is the operator's all the
// same: the start stops with its name and the reason, and no file of the data
// folder changes (nothing created over it, no ".RAW" renamed over it, no
// master copied over it).  Once through the fault-injecting file layer for
// every data file, once for real on files of mode 0200 as an unprivileged user.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/startup_data_checks.h"
#include "shell/startup_data_files.h"
#include "startup_test_support.h"

namespace brilox {
namespace {

using namespace brilox::testing;

constexpr const char* kDataFiles[] = {"DXINFO.DAT",   "WWVINFO.DAT",           "ANNINFO.DAT", "CHATINFO.DAT",
                                      "TALKINFO.DAT", "COUNTRY2.DAT",          "DXCC.DAT",    "IOTA.DAT",
                                      "TELNET.DAT",   "lotw-user-activity.csv"};

StartupStatus RunChecks(FileSystem& fs, const std::string& program, const std::string& data) {
  RecordingMessageBox box;
  const LanguageTextTable texts = NumberedTexts();
  RecordingLoaders recorder;
  for (DataFileLoaders::Step* step :
       {&recorder.loaders.load_country, &recorder.loaders.load_dxcc, &recorder.loaders.load_iota,
        &recorder.loaders.load_telnet, &recorder.loaders.load_lotw_users}) {
    *step = [](FileSystem&, const std::string&) { return Status::Ok(); };
  }
  Settings settings;
  DataFileState state;
  const DataCheckContext context{fs, program, data, box, texts, recorder.loaders};
  return CheckDataFiles(context, settings, state);
}

// A data folder after a first start, with every delivered master (and its
// ".RAW" copy) still in the program folder, ready to be copied over anything
// the checks took for missing.
void AddStartedInstallation(MemoryFileSystem& fs) {
  AddMasterFiles(fs, kProgram);
  fs.files()[InProgram("IOTA.DAT")] = std::string(kIotaFileSize, 'M');
  fs.files()[InProgram("TELNET.DAT")] = std::string(53, 'M');
  for (const char* name : {"WWVINFO.DAT", "ANNINFO.DAT", "CHATINFO.DAT", "TALKINFO.DAT", "DXINFO.DAT"})
    fs.files()[InProgram(name)] = std::string(80, 'M');
  AddMasterFiles(fs, kData);
  fs.files()[InData("DXCC.DAT")] = std::string(44, 'd');
  fs.files()[InData("IOTA.DAT")] = std::string(kIotaFileSize, 'i');
  fs.files()[InData("TELNET.DAT")] = std::string(106, 't');
  for (const char* name : {"DXINFO.DAT", "WWVINFO.DAT", "ANNINFO.DAT", "CHATINFO.DAT", "TALKINFO.DAT"})
    fs.files()[InData(name)] = std::string(160, 'o');
}

TEST(UnreadableDataFileTest, EachStopsTheStartWithItsNameAndReasonAndNothingChanges) {
  for (const char* name : kDataFiles) {
    SCOPED_TRACE(name);
    MemoryFileSystem disk;
    AddStartedInstallation(disk);
    const std::map<std::string, std::string> before = FilesBelow(disk, kData);
    FaultInjectingFileSystem fs(disk);
    fs.MakeUnreadable(InData(name));

    const StartupStatus status = RunChecks(fs, kProgram, kData);

    ASSERT_TRUE(status.fatal());
    EXPECT_EQ(status.message(),
              "Unable to open " + std::string(name) + " (Permission denied), can't start BRILOX");
    EXPECT_EQ(FilesBelow(disk, kData), before);
  }
}

TEST(UnreadableDataFileTest, AFolderInTheFilesPlaceStopsTheStartToo) {
  MemoryFileSystem disk;
  AddStartedInstallation(disk);
  disk.files().erase(InData("TELNET.DAT"));
  ASSERT_TRUE(disk.CreateDirectories(InData("TELNET.DAT")).ok());
  const StartupStatus status = RunChecks(disk, kProgram, kData);
  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message(), "Unable to open TELNET.DAT (Is a directory), can't start BRILOX");
}

// The real thing: files of mode 0200 owned by the user that runs the checks,
// who may write them but not read them.  Root reads everything, so under root
// the checks run in a child that has become "nobody".
class UnreadableOnDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/brilox-unreadable-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    m_root = pattern;
    if (::geteuid() == 0) {
      const passwd* nobody = ::getpwnam("nobody");
      if (nobody == nullptr) GTEST_SKIP() << "no user \"nobody\" to run the checks without privileges";
      m_uid = nobody->pw_uid;
      m_gid = nobody->pw_gid;
    }
  }
  void TearDown() override {
    if (!m_root.empty()) std::filesystem::remove_all(m_root);
  }

  std::string Path(const std::string& relative) const { return m_root + "/" + relative; }

  void Write(const std::string& relative, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(Path(relative)).parent_path());
    std::ofstream(Path(relative), std::ios::binary) << content;
  }

  // Hands the tree to the unprivileged user (under root).
  void GiveAway() {
    if (::geteuid() != 0) return;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_root))
      ASSERT_EQ(::chown(entry.path().c_str(), m_uid, m_gid), 0) << entry.path();
    ASSERT_EQ(::chown(m_root.c_str(), m_uid, m_gid), 0);
  }

  // Runs the checks as the unprivileged user; returns the fatal text or "".
  std::string RunUnprivileged() {
    const std::string program = Path("prog");
    const std::string data = Path("data");
    if (::geteuid() != 0) {
      StartupStatus status = RunChecks(PosixFileSystem(), program, data);
      return status.fatal() ? status.message() : std::string();
    }
    int pipe_ends[2];
    if (::pipe(pipe_ends) != 0) return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(pipe_ends[0]);
      if (::setgroups(0, nullptr) != 0 || ::setgid(m_gid) != 0 || ::setuid(m_uid) != 0) ::_exit(3);
      StartupStatus status = RunChecks(PosixFileSystem(), program, data);
      const std::string text = status.fatal() ? status.message() : std::string();
      ssize_t ignored = ::write(pipe_ends[1], text.data(), text.size());
      (void)ignored;
      ::_exit(0);
    }
    ::close(pipe_ends[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe_ends[0], buffer, sizeof buffer)) > 0;)
      text.append(buffer, static_cast<std::size_t>(n));
    ::close(pipe_ends[0]);
    int wait_status = 0;
    ::waitpid(child, &wait_status, 0);
    EXPECT_TRUE(WIFEXITED(wait_status) && WEXITSTATUS(wait_status) == 0) << "child could not drop privileges";
    return text;
  }

  std::string m_root;
  uid_t m_uid = 0;
  gid_t m_gid = 0;
};

std::string ReadAsRoot(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

TEST_F(UnreadableOnDiskTest, AMode0200FileStopsTheStartAndKeepsItsBytes) {
  for (const char* name : {"DXINFO.DAT", "IOTA.DAT", "TELNET.DAT"}) {
    SCOPED_TRACE(name);
    std::filesystem::remove_all(Path("data"));
    std::filesystem::remove_all(Path("prog"));
    Write("prog/COUNTRY2.DAT", "1A,SOVEREIGN MILITARY ORDER OF MALTA\r\n");
    Write("prog/IOTA.RAW", std::string(kIotaFileSize, 'R'));
    Write("prog/DXINFO.RAW", std::string(80, 'R'));
    Write("prog/TELNET.DAT", std::string(53, 'R'));
    Write("data/COUNTRY2.DAT", "1A,SOVEREIGN MILITARY ORDER OF MALTA\r\n");
    Write("data/DXCC.DAT", std::string(44, 'd'));
    Write("data/IOTA.DAT", std::string(kIotaFileSize, 'i'));
    Write("data/IOTA.RAW", std::string(kIotaFileSize, 'R'));
    Write("data/TELNET.DAT", std::string(106, 't'));
    for (const char* log : {"DXINFO.DAT", "WWVINFO.DAT", "ANNINFO.DAT", "CHATINFO.DAT", "TALKINFO.DAT"})
      Write(std::string("data/") + log, std::string(160, 'o'));
    const std::string before = ReadAsRoot(Path(std::string("data/") + name));
    GiveAway();
    ASSERT_EQ(::chmod(Path(std::string("data/") + name).c_str(), 0200), 0);

    const std::string message = RunUnprivileged();
    ASSERT_EQ(::chmod(Path(std::string("data/") + name).c_str(), 0600), 0);

    EXPECT_EQ(message, "Unable to open " + std::string(name) + " (Permission denied), can't start BRILOX");
    EXPECT_EQ(ReadAsRoot(Path(std::string("data/") + name)), before);
    EXPECT_TRUE(std::filesystem::exists(Path("data/IOTA.RAW")));
  }
}

}  // namespace
}  // namespace brilox
