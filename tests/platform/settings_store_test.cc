// The settings key: names without regard to case, listing order, the
// registry-editor 4 text on disk, and what happens to damaged files.
#include "platform/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/file_settings_store.h"
#include "platform/file_system.h"
#include "platform/memory_file_system.h"
#include "platform/registry_text.h"
#include "platform/settings_paths.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

const std::string kPath = "home/.config/MORVEL/BRILOX/BRILOX.reg";
const std::string kHeader =
    "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n";

std::vector<SettingsValue> EveryKind() {
  return {
      SettingsValue::Integer("COMPortSettings", 364),
      SettingsValue::Integer("Negative", -2),
      SettingsValue::String("SeekCall", "K1ABC\x01VP8\x01"),
      SettingsValue::String("DXCClink", std::string("XX9XX\x01K\x02", 8)),
      SettingsValue::String("LOTWDnDir", "C:\\LoTW \"files\"\\"),
      SettingsValue::String("TNCINI", std::string("INTFACE HOST\r\nMYCALL F6ABC\n\0end", 31)),
      SettingsValue::String("Empty", ""),
      SettingsValue::String("HighBytes", "caf\xe9 \xff"),
      SettingsValue::Binary("Language", "ENU"),
      SettingsValue::Binary("MyLat", std::string("\x9a\x99\x99\x99\x99\x19\x47\x40", 8)),
      SettingsValue::Binary("Nothing", ""),
  };
}

TEST(SettingsValueList, NamesIgnoreCaseAndKeepTheirPlaceAndSpelling) {
  MemorySettingsStore store;
  ASSERT_TRUE(store.Create().ok());
  ASSERT_TRUE(store.WriteInteger("MaxLines", 1).ok());
  ASSERT_TRUE(store.WriteString("MyCall", "F6ABC").ok());
  ASSERT_TRUE(store.WriteInteger("MAXLINES", 2).ok());
  ASSERT_TRUE(store.WriteInteger("Beep", 3).ok());

  const std::vector<SettingsValue> listed = store.List();
  ASSERT_EQ(listed.size(), 3u);
  EXPECT_EQ(listed[0], SettingsValue::Integer("MaxLines", 2));
  EXPECT_EQ(listed[1].name, "MyCall");
  EXPECT_EQ(listed[2].name, "Beep");
  EXPECT_EQ(*store.ReadString("mycall"), "F6ABC");
}

TEST(SettingsStore, TypedReadsTellMissingFromMistyped) {
  MemorySettingsStore store({SettingsValue::String("MaxLines", "533130")});
  EXPECT_TRUE(store.ReadInteger("MaxLines").status().IsCorrupt());
  EXPECT_TRUE(store.ReadInteger("Beep").status().IsNotFound());
  EXPECT_TRUE(store.ReadBinary("MaxLines").status().IsCorrupt());
  EXPECT_EQ(*store.ReadString("maxlines"), "533130");
}

TEST(SettingsStore, WritesNeedAnExistingKey) {
  MemorySettingsStore store;
  EXPECT_FALSE(store.Exists());
  EXPECT_TRUE(store.WriteInteger("Beep", 3).IsNotFound());
  store.SetUnusable(true);
  EXPECT_FALSE(store.Create().ok());
}

TEST(RegistryText, EveryKindComesBackByteForByte) {
  const std::string text = EncodeRegistryText(EveryKind(), RegistryRoot::kCurrentUser);
  Result<SettingsValueList> decoded = DecodeRegistryText(text);
  ASSERT_TRUE(decoded.ok()) << decoded.status().ToString();
  EXPECT_EQ(decoded->values(), EveryKind());
}

TEST(RegistryText, WritesTheRegistryEditorSpelling) {
  const std::string text = EncodeRegistryText(EveryKind(), RegistryRoot::kCurrentUser);
  EXPECT_EQ(text.substr(0, kHeader.size()), kHeader);
  for (const std::string line : {
           "\"COMPortSettings\"=dword:0000016c\r\n",
           "\"Negative\"=dword:fffffffe\r\n",
           "\"SeekCall\"=\"K1ABC\x01VP8\x01\"\r\n",
           "\"LOTWDnDir\"=\"C:\\\\LoTW \\\"files\\\"\\\\\"\r\n",
           "\"Empty\"=\"\"\r\n",
           "\"Language\"=hex:45,4e,55\r\n",
           "\"MyLat\"=hex:9a,99,99,99,99,19,47,40\r\n",
           "\"Nothing\"=hex:\r\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  // A text with line breaks or a NUL goes by its bytes, so no line breaks early.
  EXPECT_NE(text.find("\"TNCINI\"=hex(1):49,4e,54,46,41,43,45,20,48,4f,53,54,0d,0a,"), std::string::npos);
  EXPECT_NE(text.find(",65,6e,64,00\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

TEST(RegistryText, ReadsWhatARegistryEditorOrAHandEditLeaves) {
  const std::string text =
      "REGEDIT4\n"
      "\n"
      "; kept by hand\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Morvel\\BRILOX\\CurrentVersion]\n"
      "\"Beep\"=dword:3\n"
      "\"MyLat\"=hex:9a,99,99,99,\\\n"
      "  99,19,47,40\n"
      "\"mycall\" = \"F6ABC\"\n"
      "\"MYCALL\"=\"F5XYZ\"\n";
  Result<SettingsValueList> decoded = DecodeRegistryText(text);
  ASSERT_TRUE(decoded.ok()) << decoded.status().ToString();
  const std::vector<SettingsValue> expected = {
      SettingsValue::Integer("Beep", 3),
      SettingsValue::Binary("MyLat", std::string("\x9a\x99\x99\x99\x99\x19\x47\x40", 8)),
      SettingsValue::String("mycall", "F5XYZ"),
  };
  EXPECT_EQ(decoded->values(), expected);
}

TEST(RegistryText, RefusesWhatItCannotKeepExactly) {
  struct Case {
    const char* label;
    std::string body;
  };
  const Case cases[] = {
      {"empty file", ""},
      {"no header", "[HKEY_CURRENT_USER\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n"},
      {"version 5 header", "Windows Registry Editor Version 5.00\r\n"},
      {"another key", "REGEDIT4\r\n[HKEY_CURRENT_USER\\SOFTWARE\\Other]\r\n\"A\"=dword:1\r\n"},
      {"value before the key", "REGEDIT4\r\n\"A\"=dword:1\r\n"},
      {"dword too long", kHeader + "\"A\"=dword:123456789\r\n"},
      {"dword not hex", kHeader + "\"A\"=dword:0000016g\r\n"},
      {"expandable string", kHeader + "\"A\"=hex(2):41,00\r\n"},
      {"bad byte", kHeader + "\"A\"=hex:4e,xyz\r\n"},
      {"unterminated text", kHeader + "\"A\"=\"abc\r\n"},
      {"unknown escape", kHeader + "\"A\"=\"a\\nb\"\r\n"},
      {"text after the quotes", kHeader + "\"A\"=\"abc\" junk\r\n"},
      {"no equals sign", kHeader + "\"A\" dword:1\r\n"},
      {"default value", kHeader + "@=\"x\"\r\n"},
      {"deleted value", kHeader + "\"A\"=-\r\n"},
  };
  for (const Case& c : cases) {
    Result<SettingsValueList> decoded = DecodeRegistryText(c.body);
    EXPECT_TRUE(decoded.status().IsCorrupt()) << c.label;
  }
}

TEST(FileSettingsStore, WritesReachTheFileOnlyAtFlushAndComeBack) {
  MemoryFileSystem fs;
  {
    FileSettingsStore store(fs, kPath, StoreAccess::kReadWrite);
    EXPECT_FALSE(store.Exists());
    ASSERT_TRUE(store.Create().ok());
    for (const SettingsValue& value : EveryKind()) ASSERT_TRUE(store.Write(value).ok());
    EXPECT_FALSE(fs.Exists(kPath));
    ASSERT_TRUE(store.Flush().ok());
  }
  EXPECT_TRUE(fs.IsRestricted(kPath));
  EXPECT_FALSE(fs.Exists(kPath + ".tmp"));
  FileSettingsStore again(fs, kPath, StoreAccess::kReadWrite);
  EXPECT_TRUE(again.Exists());
  EXPECT_EQ(again.List(), EveryKind());
  EXPECT_EQ(*again.ReadString("seekcall"), "K1ABC\x01VP8\x01");
}

TEST(FileSettingsStore, ADamagedFileIsKeptAsideAndANewOneStarted) {
  MemoryFileSystem fs;
  const std::string damaged = kHeader + "\"MyCall\"=\"F6AB";
  fs.files()[kPath] = damaged;
  fs.files()[kPath + ".corrupt-1"] = "an older damaged file";

  FileSettingsStore store(fs, kPath, StoreAccess::kReadWrite);
  EXPECT_FALSE(store.Exists());
  EXPECT_TRUE(store.LoadStatus().IsCorrupt());
  EXPECT_EQ(store.SetAsidePath(), kPath + ".corrupt-2");
  EXPECT_EQ(fs.files()[kPath + ".corrupt-2"], damaged);
  EXPECT_EQ(fs.files()[kPath + ".corrupt-1"], "an older damaged file");

  ASSERT_TRUE(store.Create().ok());
  ASSERT_TRUE(store.WriteString("MyCall", "NOCALL").ok());
  ASSERT_TRUE(store.Flush().ok());
  EXPECT_EQ(fs.files()[kPath + ".corrupt-2"], damaged);
  EXPECT_TRUE(DecodeRegistryText(fs.files()[kPath]).ok());
}

TEST(FileSettingsStore, ADamagedFileThatCannotBeMovedIsNeverOverwritten) {
  MemoryFileSystem memory;
  memory.files()[kPath] = "garbage";
  FaultInjectingFileSystem faulty(memory);
  faulty.FailFromMutation(1);  // the rename aside fails

  FileSettingsStore store(faulty, kPath, StoreAccess::kReadWrite);
  EXPECT_FALSE(store.Exists());
  EXPECT_FALSE(store.Create().ok());
  EXPECT_FALSE(store.WriteInteger("Beep", 3).ok());
  (void)store.Flush();
  EXPECT_EQ(memory.files()[kPath], "garbage");
}

TEST(FileSettingsStore, AFailedFlushKeepsTheOldFileAndRetries) {
  MemoryFileSystem memory;
  const std::string old = EncodeRegistryText({SettingsValue::Integer("Beep", 1)}, RegistryRoot::kCurrentUser);
  memory.files()[kPath] = old;
  FaultInjectingFileSystem faulty(memory);
  FileSettingsStore store(faulty, kPath, StoreAccess::kReadWrite);
  ASSERT_TRUE(store.WriteInteger("Beep", 2).ok());

  faulty.FailFromMutation(1);
  EXPECT_FALSE(store.Flush().ok());
  EXPECT_EQ(memory.files()[kPath], old);

  faulty.FailFromMutation(0);
  ASSERT_TRUE(store.Flush().ok());
  EXPECT_EQ(*FileSettingsStore(memory, kPath, StoreAccess::kReadOnly).ReadInteger("Beep"), 2);
}

TEST(FileSettingsStore, TheMachineStoreIsReadOnlyAndLeavesItsFileAlone) {
  MemoryFileSystem fs;
  const std::string machine_path = "etc/xdg/MORVEL/BRILOX/BRILOX.reg";
  fs.files()[machine_path] =
      "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n\"Beep\"=dword:"
      "00000002\r\n";
  FileSettingsStore machine(fs, machine_path, StoreAccess::kReadOnly);
  EXPECT_TRUE(machine.Exists());
  EXPECT_EQ(*machine.ReadInteger("BEEP"), 2);
  EXPECT_FALSE(machine.Create().ok());
  EXPECT_FALSE(machine.WriteInteger("Beep", 3).ok());
  EXPECT_EQ(*machine.ReadInteger("Beep"), 2);

  fs.files()[machine_path] = "damaged";
  FileSettingsStore damaged(fs, machine_path, StoreAccess::kReadOnly);
  EXPECT_FALSE(damaged.Exists());
  EXPECT_EQ(fs.files()[machine_path], "damaged");
  EXPECT_EQ(damaged.SetAsidePath(), "");
}

TEST(FileSettingsStore, WithoutAFolderNothingIsWritten) {
  MemoryFileSystem fs;
  FileSettingsStore store(fs, "", StoreAccess::kReadWrite);
  EXPECT_FALSE(store.Exists());
  EXPECT_FALSE(store.Create().ok());
  EXPECT_TRUE(fs.files().empty());
}

TEST(FileSettingsStore, TheRealFileIsOwnerOnlyFromTheStart) {
  testing::ScratchFolder scratch;
  const std::string path = scratch.File("config/MORVEL/BRILOX/BRILOX.reg");
  FileSystem& fs = PosixFileSystem();
  // A temporary file left readable by an earlier run must not leak the new content.
  ASSERT_TRUE(fs.CreateDirectories(scratch.File("config/MORVEL/BRILOX")).ok());
  ASSERT_TRUE(fs.WriteFile(path + ".tmp", "old").ok());
  ::chmod((path + ".tmp").c_str(), 0644);

  FileSettingsStore store(fs, path, StoreAccess::kReadWrite);
  ASSERT_TRUE(store.Create().ok());
  ASSERT_TRUE(store.WriteString("Password", "SECRETTEXT").ok());
  ASSERT_TRUE(store.Flush().ok());

  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(*FileSettingsStore(fs, path, StoreAccess::kReadOnly).ReadString("password"), "SECRETTEXT");
}

TEST(SettingsPaths, FollowTheXdgConfigurationFolder) {
  EXPECT_EQ(UserSettingsPath("/x/cfg", "/home/op"), "/x/cfg/MORVEL/BRILOX/BRILOX.reg");
  EXPECT_EQ(UserSettingsPath(nullptr, "/home/op"), "/home/op/.config/MORVEL/BRILOX/BRILOX.reg");
  EXPECT_EQ(UserSettingsPath("", "/home/op/"), "/home/op/.config/MORVEL/BRILOX/BRILOX.reg");
  EXPECT_EQ(UserSettingsPath("relative/cfg", "/home/op"), "/home/op/.config/MORVEL/BRILOX/BRILOX.reg");
  EXPECT_EQ(UserSettingsPath(nullptr, nullptr), "");
  EXPECT_EQ(std::string(kMachineSettingsPath), "/etc/xdg/MORVEL/BRILOX/BRILOX.reg");
}

}  // namespace
}  // namespace brilox
