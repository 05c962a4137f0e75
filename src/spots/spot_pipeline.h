// SpotPipeline: the spot pipeline of one data folder, wired together: the
// settings, the country table and the DXCC database, the seven window line
// stores, the traffic logs, the announcement queue, the spot processing and
// the line intake that feeds it.  Received bytes go in through Feed (or the
// intake's TraiteCharRecu); rated rows, status texts, alarms and log records
// come out.  The windowed program, brilox-console, the tests and the
// benchmarks all build it the same way.
//
// Window thread only, except the announcement queue (see its header).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "awards/dxcc_table.h"
#include "awards/iota_table.h"
#include "awards/lotw_users.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/result.h"
#include "core/settings.h"
#include "spots/announcement_queue.h"
#include "spots/award_reference_checks.h"
#include "spots/country_table.h"
#include "spots/line_intake.h"
#include "spots/pipeline_tables.h"
#include "spots/spot_processing.h"
#include "spots/spot_reference_checks.h"
#include "spots/traffic_log.h"
#include "spots/window_line_stores.h"

namespace brilox {

// The LoTW and IOTA checks to use; null ones answer from the pipeline's own
// LoTW user list and IOTA database.  Both must outlive the pipeline.
struct PipelineChecks {
  LotwUserCheck* lotw = nullptr;
  SpotIotaCheck* iota = nullptr;
};

class SpotPipeline {
 public:
  SpotPipeline(FileSystem& fs, const Clock& clock, std::string data_folder, Settings settings,
               PipelineTables tables, PipelineChecks checks = {}, TerminalHooks* hooks = nullptr);
  SpotPipeline(const SpotPipeline&) = delete;
  SpotPipeline& operator=(const SpotPipeline&) = delete;

  // Loads the tables of `data_folder` (IOTA.DAT when it is there) and creates
  // the missing traffic logs.
  static Result<std::unique_ptr<SpotPipeline>> Open(FileSystem& fs, const Clock& clock,
                                                    std::string data_folder, Settings settings,
                                                    MissingDxccFile missing_dxcc, PipelineChecks checks = {});

  // One received chunk of `terminal` (1 to 4), as a link's drain hands it over.
  void Feed(int terminal, std::string_view bytes) { m_intake.FeedChunk(terminal, bytes); }

  // New settings (the options dialog): limits, keywords and filters act at once.
  void ApplySettings(Settings settings);
  void SetView(ViewState view) { m_windows.SetView(view); }
  // The LoTW user list and IOTA database the spots are rated against.
  // Before they are set no call is a LoTW user and no spot has a reference.
  void SetLotwUsers(LotwUsers users) { m_lotwUsers = std::move(users); }
  void SetIotaTable(IotaTable table) {
    m_iota = std::move(table);
    m_iotaCheck.SetTable(&m_iota);
  }
  const LotwUsers& lotw_users() const { return m_lotwUsers; }
  const IotaTable& iota() const { return m_iota; }
  const IotaTableCheck& iota_check() const { return m_iotaCheck; }

  const Settings& settings() const { return m_settings; }
  const std::string& data_folder() const { return m_dataFolder; }
  // What loading the tables had to make up (a missing database).
  const std::vector<std::string>& notes() const { return m_notes; }
  const CountryTable& countries() const { return m_countries; }
  const DxccTable& dxcc() const { return m_dxcc; }
  WindowLineStores& windows() { return m_windows; }
  TrafficLog& log() { return m_log; }
  AnnouncementQueue& announcements() { return m_announcements; }
  SpotProcessing& processing() { return m_processing; }
  LineIntake& intake() { return m_intake; }

 private:
  std::string m_dataFolder;
  Settings m_settings;
  CountryTable m_countries;
  DxccTable m_dxcc;
  std::vector<std::string> m_notes;
  WindowLineStores m_windows;
  TrafficLog m_log;
  AnnouncementQueue m_announcements;
  LotwUsers m_lotwUsers;
  IotaTable m_iota;
  LotwUserListCheck m_lotwCheck;
  IotaTableCheck m_iotaCheck;
  SpotProcessing m_processing;
  LineIntake m_intake;
};

}  // namespace brilox
