// Tuning one or two transceivers to a spot.  A right-click on a spot's
// frequency runs TuneToSpot: the mode from the comment or the band plan,
// the AFSK offset, then for each transceiver whose range covers the spot
// (Alt leaves out the first, Ctrl the second) the family's mode and
// frequency commands on its own serial port, or a tune of its rigctld.
//
// The Icom's 50 ms after its mode command and the Elecraft's 500 ms before
// its mode command run on a timer: TuneToSpot returns at once and the rest
// of the bytes follow when it fires.  A new tune replaces what an older one
// still had to send.  Window thread only.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "links/link_seams.h"
#include "links/rigctld_client.h"
#include "platform/message_box.h"
#include "platform/serial_port.h"
#include "platform/tcp_connection.h"
#include "platform/timer.h"

namespace brilox {

struct CatServices {
  const Settings& settings;
  SerialPortFactory& ports;
  TcpConnectionFactory& connections;
  TimerFactory& timers;
  const LanguageTexts& texts;
  MessageBox* messages = nullptr;
  const SerialPortLister* lister = nullptr;
  // The status bar: what a rigctld confirmed or why it did not.
  std::function<void(const std::string&)> show_status;
};

// The serial line of a CATPortSettings value: baud index in bits 0-2, two
// stop bits in bit 3, DTR in bit 4, RTS in bit 5; 8 data bits, no parity.
SerialLineSettings CatLineSettings(int port_settings);

class CatControl {
 public:
  static constexpr std::int64_t kIcomModeWaitMs = 50;
  static constexpr std::int64_t kElecraftModeWaitMs = 500;

  explicit CatControl(const CatServices& services);
  ~CatControl();
  CatControl(const CatControl&) = delete;
  CatControl& operator=(const CatControl&) = delete;

  // At start and when the options are confirmed: each configured
  // transceiver's port closed (the FT-847 told CAT off first) and opened
  // with its settings; a port that cannot be opened shows the error box.
  void ConfigurePorts();
  // The end of the program.
  void CloseAll();

  // True when at least one transceiver is configured.
  bool AnyTransceiver() const;
  // Tunes to the spot of a window row; false when nothing is sent.
  bool TuneToSpot(std::string_view row, bool alt_held, bool ctrl_held);
  // Bytes still waiting for their timer.
  bool waiting() const { return !m_steps.empty(); }

  // Tests and benchmarks: the transceivers' ports and rigctld clients.
  SerialPort& port(int trx) { return *m_trx[Index(trx)].port; }
  RigctldClient& rigctld(int trx) { return *m_trx[Index(trx)].rigctld; }
  // Called after each write (the benchmark's end mark).
  void SetWriteHook(std::function<void(int trx)> hook) { m_writeHook = std::move(hook); }

 private:
  struct Transceiver {
    std::unique_ptr<SerialPort> port;
    std::unique_ptr<RigctldClient> rigctld;
  };
  struct Step {
    int trx;
    std::string bytes;
    std::int64_t wait_before_ms;
  };

  static std::size_t Index(int trx) { return static_cast<std::size_t>(trx - 1); }
  const CatSettings& SettingsOf(int trx) const;
  void Plan(int trx, const std::string& mode, const std::string& khz);
  void RunSteps();
  void Write(int trx, const std::string& bytes);

  CatServices m_services;
  std::array<Transceiver, 2> m_trx;
  std::deque<Step> m_steps;
  std::unique_ptr<Timer> m_wait;
  std::function<void(int)> m_writeHook;
};

}  // namespace brilox
