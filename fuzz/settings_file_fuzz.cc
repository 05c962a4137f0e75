// The settings file as an operator, a registry export or a crash may leave
// it: the registry text reader (whose output must write and read back the
// same), the start-up load through the file store with the list loaders and
// the older installation's migration, the writers and the read of what they
// wrote; and every decoder of a packed or coded setting on the integers and
// texts of the input, each of which must be stable once re-encoded.
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/file_settings_store.h"
#include "platform/registry_text.h"
#include "shell/settings/load_settings.h"
#include "shell/settings/save_settings.h"
#include "shell/settings/settings_encoding.h"
#include "shell/settings/settings_lists.h"
#include "support/fuzz_support.h"

namespace {

using namespace brilox;

constexpr char kUserFile[] = "/config/brilox.reg";
constexpr char kMachineFile[] = "/etc/brilox.reg";

void CheckRoundTrip(std::string_view text) {
  Result<SettingsValueList> decoded = DecodeRegistryText(text);
  if (!decoded.ok()) return;
  for (RegistryRoot root : {RegistryRoot::kCurrentUser, RegistryRoot::kLocalMachine}) {
    Result<SettingsValueList> again = DecodeRegistryText(EncodeRegistryText(decoded->values(), root));
    if (!again.ok() || again->values() != decoded->values()) __builtin_trap();
  }
}

// Start-up on this file (as the per-user file, or as an older installation's
// machine file), then the writers; what they flush must read back.
void LoadAndSave(std::string_view text, bool as_machine_file) {
  MemoryFileSystem fs;
  fs.files()[as_machine_file ? kMachineFile : kUserFile] = std::string(text);
  FileSettingsStore user(fs, kUserFile, StoreAccess::kReadWrite);
  FileSettingsStore machine(fs, kMachineFile, StoreAccess::kReadOnly);
  Settings settings;
  // The load's own flush result is for information; the record is filled either way.
  static_cast<void>(LoadSettings(settings, user, &machine, SettingsEnvironment{fs, "/program", {}}));
  LoadListSettings(settings, user);
  // An in-memory file can always be written (a damaged one is first moved aside).
  for (Status saved :
       {SaveOptStn(settings, user), SaveOptDX(settings, user), SaveOptDX2(settings, user),
        SaveOptIOTA(settings, user), SaveOptShortcuts(settings, user), SaveOptColors(settings, user),
        SaveOptFonts(settings, user), SaveShutdownSettings(settings, user)}) {
    if (!saved.ok()) __builtin_trap();
  }
  Result<SettingsValueList> written = DecodeRegistryText(fs.files()[kUserFile]);
  if (!written.ok()) __builtin_trap();
}

// Decode, encode, decode, encode: the two encodings agree.
template <typename Decode, typename Encode>
void CheckStable(std::int32_t stored, Decode decode, Encode encode) {
  const std::int32_t once = encode(decode(stored));
  if (encode(decode(once)) != once) __builtin_trap();
}

void CheckPackedDecoders(std::int32_t n) {
  CheckStable(n, DecodeMaxLines, EncodeMaxLines);
  CheckStable(n, DecodeSerialParameters, EncodeSerialParameters);
  CheckStable(n, DecodeKeying, EncodeKeying);
  CheckStable(n, DecodeSpeech, EncodeSpeech);
  CheckStable(n, DecodeModes, EncodeModes);
  CheckStable(n, DecodeHfBands, EncodeHfBands);
  CheckStable(n, DecodeVhfBands, EncodeVhfBands);
  CheckStable(n, DecodeWantedSpots, EncodeWantedSpots);
  CheckStable(n, DecodeWantedSpotsAlarm, EncodeWantedSpotsAlarm);
  CheckStable(n, DecodeDisk, EncodeDisk);
  CheckStable(n, DecodeSilenceMinutes, EncodeSilenceMinutes);
  for (int group = 0; group < 4; ++group) {
    std::array<bool, kZoneCount> zones{};
    DecodeZoneGroup(n, group, zones);
    const std::int32_t once = EncodeZoneGroup(zones, group);
    std::array<bool, kZoneCount> again{};
    DecodeZoneGroup(once, group, again);
    if (EncodeZoneGroup(again, group) != once) __builtin_trap();
  }
  ListPositionFromAlarmLevel(AlarmLevelFromListPosition(n));
  ListPositionFromStartMode(StartModeFromListPosition(n));
  CatLowMHz(n);
  CatHighMHz(n);
}

void CheckCodedTexts(std::string_view text) {
  if (ScrambleLotwPassword(UnscrambleLotwPassword(text)) != text) __builtin_trap();
  const IotaNumbers numbers = ParseIotaLast(text);
  if (ParseIotaLast(FormatIotaLast(numbers)) != numbers) __builtin_trap();
  NormaliseFontStyle(text);
  if (const std::optional<double> value = DecodeFloat(text.substr(0, 8))) EncodeFloat(*value);
  ParseSeekCall(text);
  ParseDXCClink(text);
  ParseIOTAlink(text);
  ParseChatGroups(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  CheckRoundTrip(text);
  LoadAndSave(text, false);
  LoadAndSave(text, true);
  for (std::size_t at = 0; at + 4 <= size && at < 64; at += 4) {
    std::int32_t n;
    std::memcpy(&n, data + at, sizeof n);
    CheckPackedDecoders(n);
  }
  CheckCodedTexts(text.substr(0, 256));
  return 0;
}
