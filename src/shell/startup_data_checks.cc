#include "shell/startup_data_checks.h"

#include "awards/dxcc_store.h"
#include "shell/startup_data_files.h"
#include "spots/propagation_lines.h"
#include "spots/traffic_log.h"

namespace brilox {
namespace {

constexpr std::size_t kSolarFluxColumn = 20;  // text columns 20 to 22, 1-based
constexpr std::size_t kSolarFluxWidth = 3;

// The databases whose saves rotate through a flushed ".tmp" file.  When a
// crash came between the two renames of such a save, the ".DAT" file is
// missing and the ".tmp" file holds the operator's data: it must become the
// ".DAT" file again before a master copy or a ".RAW" rename could take its
// place.
constexpr const char* kRotatedDatabases[] = {kDxccDataFile, kIotaDataFile, kTelnetDataFile};

class Checker {
 public:
  Checker(const DataCheckContext& c, Settings& settings, DataFileState& state)
      : m_fs(c.files), m_c(c), m_settings(settings), m_state(state) {}

  StartupStatus Run();

 private:
  std::string InData(std::string_view name) const { return JoinPath(m_c.data_folder, name); }
  bool Opens(std::string_view name) { return FileOpens(m_fs, InData(name)); }
  StartupStatus Load(const DataFileLoaders::Step& step, std::string_view file_name);
  StartupStatus StopIfUnopenable(std::string_view name);

  StartupStatus ProvideLogFile(std::string_view name);
  StartupStatus CheckPropagationLog();
  StartupStatus CheckCountryFile();
  StartupStatus CheckDxccFile();
  StartupStatus CheckIotaFile();
  StartupStatus ConvertOldIota(OldIotaLayout layout);
  StartupStatus CheckTelnetFile();
  StartupStatus CheckLotwUsers();

  FileSystem& m_fs;
  const DataCheckContext& m_c;
  Settings& m_settings;
  DataFileState& m_state;
};

StartupStatus Checker::Run() {
  for (const char* name : kRotatedDatabases) RecoverAtomicReplace(m_fs, InData(name));
  CopyMasterFiles(m_fs, m_c.program_folder, m_c.data_folder);
  if (StartupStatus s = ProvideLogFile(kDxInfoFile); s.fatal()) return s;
  if (StartupStatus s = CheckPropagationLog(); s.fatal()) return s;
  for (const char* name : {kAnnInfoFile, kChatInfoFile, kTalkInfoFile}) {
    if (StartupStatus s = ProvideLogFile(name); s.fatal()) return s;
  }
  if (StartupStatus s = CheckCountryFile(); s.fatal()) return s;
  if (StartupStatus s = CheckDxccFile(); s.fatal()) return s;
  if (StartupStatus s = CheckIotaFile(); s.fatal()) return s;
  if (StartupStatus s = CheckTelnetFile(); s.fatal()) return s;
  return CheckLotwUsers();
}

// Every "else create" and ".RAW" rename below is for a file that is not
// there.  One that is there but will not open (no read permission, a disk
// error) still holds the operator's data: the start stops and says why.
StartupStatus Checker::StopIfUnopenable(std::string_view name) {
  const std::string reason = WhyFileDoesNotOpen(m_fs, InData(name));
  return reason.empty() ? StartupStatus::Continue() : StartupStatus::Fatal(UnableToOpenMessage(name, reason));
}

StartupStatus Checker::Load(const DataFileLoaders::Step& step, std::string_view file_name) {
  if (!step) return StartupStatus::Continue();
  Status s = step(m_fs, m_c.data_folder);
  return s.ok() ? StartupStatus::Continue()
                : StartupStatus::Fatal(UnableToLoadMessage(file_name, s.context()));
}

// A traffic log: kept when it opens, else the delivered ".RAW" copy takes its
// name, else it is created empty.  A ".RAW" file that will not be renamed
// leaves the log to be created, so that the log always exists afterwards.
StartupStatus Checker::ProvideLogFile(std::string_view name) {
  if (Opens(name)) return StartupStatus::Continue();
  if (StartupStatus s = StopIfUnopenable(name); s.fatal()) return s;
  const std::string raw = RawNameOf(name);
  if (Opens(raw) && m_fs.Rename(InData(raw), InData(name)).ok()) return StartupStatus::Continue();
  if (!m_fs.WriteFile(InData(name), {}).ok()) return StartupStatus::Fatal(UnableToCreateMessage(name));
  return StartupStatus::Continue();
}

StartupStatus Checker::CheckPropagationLog() {
  Result<std::uint64_t> size = m_fs.FileSize(InData(kWwvInfoFile));
  if (Opens(kWwvInfoFile) && size.ok() && *size > 0) {
    m_state.solar_flux_text = SolarFluxTextOfLastRecord(m_fs, m_c.data_folder);
    return StartupStatus::Continue();
  }
  return ProvideLogFile(kWwvInfoFile);
}

StartupStatus Checker::CheckCountryFile() {
  if (StartupStatus s = StopIfUnopenable(kCountryFile); s.fatal()) return s;
  if (!Opens(kCountryFile)) return StartupStatus::Fatal(FileNotFoundMessage(kCountryFile));
  return Load(m_c.loaders.load_country, kCountryFile);
}

StartupStatus Checker::CheckDxccFile() {
  if (StartupStatus s = StopIfUnopenable(kDxccDataFile); s.fatal()) return s;
  if (Status s = OpenDxccFile(m_fs, m_c.data_folder); !s.ok()) return StartupStatus::Fatal(s.context());
  return Load(m_c.loaders.load_dxcc, kDxccDataFile);
}

StartupStatus Checker::CheckIotaFile() {
  if (StartupStatus s = StopIfUnopenable(kIotaDataFile); s.fatal()) return s;
  if (!Opens(kIotaDataFile)) {
    const std::string raw = RawNameOf(kIotaDataFile);
    if (!Opens(raw)) return StartupStatus::Fatal(FileNotFoundMessage(raw));
    if (!m_fs.Rename(InData(raw), InData(kIotaDataFile)).ok()) {
      return StartupStatus::Fatal(UnableToRenameMessage(raw, kIotaDataFile));
    }
  }
  Result<std::uint64_t> size = m_fs.FileSize(InData(kIotaDataFile));
  if (!size.ok()) return StartupStatus::Fatal(kCorruptIotaMessage);
  if (*size == kIotaOldRecordsFileSize || *size == kIotaOldStatusFileSize) {
    const OldIotaLayout layout =
        *size == kIotaOldRecordsFileSize ? OldIotaLayout::kRecords1200 : OldIotaLayout::kStatusBytes;
    if (StartupStatus s = ConvertOldIota(layout); s.fatal()) return s;
    if (!m_c.loaders.convert_iota) return StartupStatus::Continue();
  } else if (*size != kIotaFileSize) {
    return StartupStatus::Fatal(kCorruptIotaMessage);
  }
  if (StartupStatus s = Load(m_c.loaders.load_iota, kIotaDataFile); s.fatal()) return s;
  m_state.iota_loaded = true;
  return StartupStatus::Continue();
}

// The operator is told that the old database is converted; the program stops
// unless the notice is acknowledged.  Without a converter the file is left as
// it is and the table stays unloaded.
StartupStatus Checker::ConvertOldIota(OldIotaLayout layout) {
  const MessageAnswer answer =
      m_c.messages.Show(MessageKind::kInformation, m_c.texts.Get(kTextInformationCaption),
                        m_c.texts.Get(kTextIotaConversion), MessageButtons::kOk);
  if (answer != MessageAnswer::kOk) return StartupStatus::Quit();
  if (!m_c.loaders.convert_iota) return StartupStatus::Continue();
  Status s = m_c.loaders.convert_iota(m_fs, m_c.data_folder, layout);
  return s.ok() ? StartupStatus::Continue() : StartupStatus::Fatal(s.context());
}

// The node directory: an older layout is converted, a missing file comes
// from TELNET.RAW or is created empty; then it is loaded.
StartupStatus Checker::CheckTelnetFile() {
  if (StartupStatus s = StopIfUnopenable(kTelnetDataFile); s.fatal()) return s;
  if (Opens(kTelnetDataFile)) {
    Result<std::string> head = m_fs.ReadAt(InData(kTelnetDataFile), 0, kTelnetProbeLength);
    if (head.ok() && IsOldTelnetLayout(*head) && m_c.loaders.convert_telnet) {
      Status s = m_c.loaders.convert_telnet(m_fs, m_c.data_folder);
      if (!s.ok()) return StartupStatus::Fatal(s.context());
    }
  } else if (const std::string raw = RawNameOf(kTelnetDataFile); Opens(raw)) {
    if (!m_fs.Rename(InData(raw), InData(kTelnetDataFile)).ok()) {
      return StartupStatus::Fatal(UnableToRenameMessage(raw, kTelnetDataFile));
    }
  } else {
    (void)m_fs.WriteFile(InData(kTelnetDataFile), {});
  }
  if (m_c.loaders.load_telnet) (void)m_c.loaders.load_telnet(m_fs, m_c.data_folder);
  return StartupStatus::Continue();
}

// Without the list of LoTW users the search has nothing to find: it is off
// for this run (the stored setting is left alone).
StartupStatus Checker::CheckLotwUsers() {
  if (StartupStatus s = StopIfUnopenable(kLotwUsersFile); s.fatal()) return s;
  bool available = Opens(kLotwUsersFile);
  if (available && m_c.loaders.load_lotw_users)
    available = m_c.loaders.load_lotw_users(m_fs, m_c.data_folder).ok();
  m_state.lotw_users_available = available;
  if (!available) m_settings.LOTW &= ~1;
  return StartupStatus::Continue();
}

}  // namespace

bool IsOldTelnetLayout(std::string_view first_bytes) {
  if (first_bytes.size() <= kTelnetLayoutByte) return false;
  const auto value = static_cast<unsigned char>(first_bytes[kTelnetLayoutByte]);
  return value >= 2 && value <= 14;
}

std::string SolarFluxTextOfLastRecord(FileSystem& fs, const std::string& data_folder) {
  TrafficLog log(fs, data_folder);
  Result<std::uint64_t> count = log.RecordCount(LogCategory::kPropagation);
  if (!count.ok() || *count == 0) return {};
  Result<std::string> text = log.ReadLogRecord(LogCategory::kPropagation, *count - 1);
  if (!text.ok()) return {};
  const std::string_view record = *text;
  return SfiStatusText(record.size() < kSolarFluxColumn
                           ? std::string_view()
                           : record.substr(kSolarFluxColumn - 1, kSolarFluxWidth));
}

StartupStatus CheckDataFiles(const DataCheckContext& context, Settings& settings, DataFileState& state) {
  return Checker(context, settings, state).Run();
}

}  // namespace brilox
