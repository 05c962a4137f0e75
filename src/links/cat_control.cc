#include "links/cat_control.h"

#include "core/language_text_ids.h"
#include "links/cat_commands.h"

namespace brilox {
namespace {

constexpr std::array<int, 8> kCatBauds = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

bool IsSerialFamily(int family) { return family >= kCatKenwood && family <= kCatElecraft; }

}  // namespace

SerialLineSettings CatLineSettings(int port_settings) {
  SerialLineSettings line;
  line.baud = kCatBauds[static_cast<std::size_t>(port_settings & 7)];
  line.stop_bits = (port_settings & 8) != 0 ? 2 : 1;
  line.dtr = (port_settings & 16) != 0;
  line.rts = (port_settings & 32) != 0;
  line.data_bits = 8;
  line.parity = SerialParity::kNone;
  line.flow = SerialFlowControl::kNone;
  return line;
}

CatControl::CatControl(const CatServices& services) : m_services(services) {
  for (int trx = 1; trx <= 2; ++trx) {
    Transceiver& t = m_trx[Index(trx)];
    t.port = m_services.ports.CreatePort();
    t.rigctld = std::make_unique<RigctldClient>("TRX" + std::to_string(trx), m_services.connections,
                                                m_services.timers, [this](const std::string& text) {
                                                  if (m_services.show_status) m_services.show_status(text);
                                                });
  }
  m_wait = m_services.timers.CreateTimer([this] { RunSteps(); });
}

CatControl::~CatControl() = default;

const CatSettings& CatControl::SettingsOf(int trx) const {
  return trx == 1 ? m_services.settings.Cat1 : m_services.settings.Cat2;
}

bool CatControl::AnyTransceiver() const {
  return SettingsOf(1).transceiver > 0 || SettingsOf(2).transceiver > 0;
}

void CatControl::ConfigurePorts() {
  m_steps.clear();
  m_wait->Stop();
  std::vector<SerialPortInfo> list;
  if (m_services.lister != nullptr) list = m_services.lister->ListPorts();
  for (int trx = 1; trx <= 2; ++trx) {
    const CatSettings& cat = SettingsOf(trx);
    Transceiver& t = m_trx[Index(trx)];
    if (t.port->IsOpen()) {
      if (cat.transceiver == kCatFt847) (void)t.port->Write(kFt847CatOff);
      t.port->Close();
    }
    t.rigctld->Close();
    if (cat.transceiver == kCatHamlib) {
      t.rigctld->SetAddress(cat.rigctld_host, cat.rigctld_port);
      continue;
    }
    if (!IsSerialFamily(cat.transceiver)) continue;
    const Status opened =
        t.port->Open(SerialDeviceFor(cat.port, cat.device, list), CatLineSettings(cat.port_settings));
    if (!opened.ok() && m_services.messages != nullptr) {
      (void)m_services.messages->Show(
          MessageKind::kError, m_services.texts.Text(kTextErrorCaption),
          "COM " + std::to_string(cat.port) + ": " + m_services.texts.Text(kTextSerialPortOpenFailed),
          MessageButtons::kOk);
    }
  }
}

void CatControl::CloseAll() {
  m_steps.clear();
  m_wait->Stop();
  for (int trx = 1; trx <= 2; ++trx) {
    Transceiver& t = m_trx[Index(trx)];
    if (t.port->IsOpen() && SettingsOf(trx).transceiver == kCatFt847) (void)t.port->Write(kFt847CatOff);
    t.port->Close();
    t.rigctld->Close();
  }
}

bool CatControl::TuneToSpot(std::string_view row, bool alt_held, bool ctrl_held) {
  std::string khz_text = SpotFrequencyText(row);
  const std::optional<double> khz = ParseKhz(khz_text);
  if (!khz) return false;
  const Settings& s = m_services.settings;
  const CatMode mode = CatModeOf(row, *khz);
  khz_text = ApplyAfskOffset(mode, s.CATmodeRTTY, s.CATmodeDigi, khz_text);
  const double tuned = ParseKhz(khz_text).value_or(*khz);

  const auto covers = [&](int trx) {
    const CatSettings& cat = SettingsOf(trx);
    return cat.transceiver > 0 && cat.min_mhz * 1000.0 <= tuned && tuned <= cat.max_mhz * 1000.0;
  };
  const bool tune1 = covers(1) && !alt_held;
  const bool tune2 = covers(2) && !ctrl_held;
  if (!tune1 && !tune2) return false;

  // A tune still waiting is replaced: each one sends a complete setting.
  m_steps.clear();
  m_wait->Stop();
  if (tune1) Plan(1, mode.mode, khz_text);
  if (tune2) Plan(2, mode.mode, khz_text);
  RunSteps();
  return true;
}

void CatControl::Plan(int trx, const std::string& mode, const std::string& khz) {
  const CatSettings& cat = SettingsOf(trx);
  const Settings& s = m_services.settings;
  if (cat.transceiver == kCatHamlib) {
    m_trx[Index(trx)].rigctld->Tune(KhzTextToHz(khz), HamlibModeName(mode, s.CATmodeRTTY, s.CATmodeDigi));
    return;
  }
  if (!IsSerialFamily(cat.transceiver)) return;
  if (cat.transceiver == kCatFt847) m_steps.push_back({trx, kFt847CatOn, 0});
  const std::string mode_command =
      CatModeCommand(cat.transceiver, mode, s.CATmodeRTTY, s.CATmodeDigi, cat.civ);
  const bool elecraft = cat.transceiver == kCatElecraft;
  if (!mode_command.empty() && !elecraft) m_steps.push_back({trx, mode_command, 0});
  const std::int64_t icom_wait = !mode_command.empty() && cat.transceiver == kCatIcom ? kIcomModeWaitMs : 0;
  m_steps.push_back({trx, CatFrequencyCommand(cat.transceiver, khz, cat.civ), icom_wait});
  if (!mode_command.empty() && elecraft) m_steps.push_back({trx, mode_command, kElecraftModeWaitMs});
}

// Sends the steps in order until one asks for a wait, which the timer ends.
void CatControl::RunSteps() {
  while (!m_steps.empty()) {
    Step& step = m_steps.front();
    if (step.wait_before_ms > 0) {
      const std::int64_t wait = step.wait_before_ms;
      step.wait_before_ms = 0;  // after the wait it goes at once
      m_wait->Start(wait, TimerMode::kSingleShot);
      return;
    }
    Write(step.trx, step.bytes);
    m_steps.pop_front();
  }
}

void CatControl::Write(int trx, const std::string& bytes) {
  // Writes to a closed port or beyond its room are dropped unreported: the
  // port's failure was shown when it was opened.
  (void)m_trx[Index(trx)].port->Write(bytes);
  if (m_writeHook) m_writeHook(trx);
}

}  // namespace brilox
