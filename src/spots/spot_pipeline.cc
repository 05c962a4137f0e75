#include "spots/spot_pipeline.h"

#include "awards/iota_file.h"

namespace brilox {

SpotPipeline::SpotPipeline(FileSystem& fs, const Clock& clock, std::string data_folder, Settings settings,
                           PipelineTables tables, PipelineChecks checks, TerminalHooks* hooks)
    : m_dataFolder(std::move(data_folder)),
      m_settings(std::move(settings)),
      m_countries(std::move(tables.countries)),
      m_dxcc(std::move(tables.dxcc)),
      m_notes(std::move(tables.notes)),
      m_windows(m_settings),
      m_log(fs, m_dataFolder),
      m_lotwCheck(m_lotwUsers, m_settings, clock),
      m_iotaCheck(nullptr, m_settings),
      m_processing(SpotProcessingServices{m_settings, clock, m_windows, m_countries, m_dxcc, m_log,
                                          m_announcements, checks.lotw != nullptr ? *checks.lotw : m_lotwCheck,
                                          checks.iota != nullptr ? *checks.iota : m_iotaCheck}),
      m_intake(m_settings, m_windows, m_processing, hooks) {
  m_processing.SetCaptureQuery([this](int terminal) { return m_intake.capturing(terminal); });
}

Result<std::unique_ptr<SpotPipeline>> SpotPipeline::Open(FileSystem& fs, const Clock& clock,
                                                         std::string data_folder, Settings settings,
                                                         MissingDxccFile missing_dxcc,
                                                         PipelineChecks checks) {
  Result<PipelineTables> tables = LoadPipelineTables(fs, data_folder, missing_dxcc);
  if (!tables.ok()) return tables.status();
  auto pipeline = std::make_unique<SpotPipeline>(fs, clock, std::move(data_folder), std::move(settings),
                                                 std::move(*tables), checks);
  if (Status created = pipeline->log().CreateMissingLogFiles(); !created.ok()) return created;
  // Without IOTA.DAT (or with one of an older layout, which only the
  // program's start-up converts) spots are not rated for IOTA.
  if (fs.Exists(JoinPath(pipeline->data_folder(), kIotaFileName))) {
    IotaTable iota;
    if (LoadIotaTable(fs, pipeline->data_folder(), iota).ok()) pipeline->SetIotaTable(std::move(iota));
  }
  return pipeline;
}

void SpotPipeline::ApplySettings(Settings settings) {
  m_settings = std::move(settings);
  m_windows.ApplySettings(m_settings);
  m_intake.ApplySettings(m_settings);
}

}  // namespace brilox
