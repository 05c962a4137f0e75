// The AGW frame reader and the link that acts on its frames, on whatever an
// engine could send, cut into TCP segments at the places the input's first
// byte chooses.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "links/agw_frame.h"
#include "links/agw_link.h"
#include "links/link_seams.h"
#include "links/telnet_links.h"
#include "platform/clock.h"
#include "platform/fake_tcp_connection.h"
#include "platform/manual_timer_queue.h"

namespace {

class NullIntake final : public brilox::ReceivedCharacterSink {
 public:
  bool busy() const override { return false; }
  void TraiteCharRecu(int, char, bool) override {}
};

class NullPresenter final : public brilox::LinkPresenter {
 public:
  int ShownTerminal() const override { return 1; }
  int CurrentTerminal() const override { return 1; }
  void AppendTerminalLine(int, const std::string&) override {}
  void FocusCommandLine(int) override {}
  void ShowConnectionLabel(const std::string&) override {}
  void ShowDirectoryStatus(const std::string&) override {}
  void SetDirectoryConnectButton(brilox::DirectoryButtonState, const std::string&) override {}
};

class NullTexts final : public brilox::LanguageTexts {
 public:
  std::string Text(int) const override { return {}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = 1 + data[0] % 64;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  brilox::AgwFrameReader reader;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    if (!reader.Feed(bytes.substr(at, piece), [](const brilox::AgwFrame&) {})) break;
    if (reader.buffered() > brilox::kAgwHeaderSize + brilox::kAgwMaxReceiveData) __builtin_trap();
  }

  brilox::Settings settings;
  settings.Interface = brilox::kInterfaceAgw;
  brilox::FakeClock clock;
  brilox::ManualTimerQueue timers{clock};
  brilox::FakeTcpConnectionFactory connections;
  NullIntake intake;
  NullPresenter presenter;
  NullTexts texts;
  brilox::TelnetLinks links(brilox::LinkServices{settings, connections, timers, intake, presenter, texts});
  brilox::AgwLink agw(brilox::AgwServices{settings, connections, links, presenter, texts});
  agw.Start();
  brilox::FakeTcpConnection& engine = connections.connection(connections.count() - 1);
  engine.SimulateConnected();
  for (std::size_t at = 0; at < bytes.size() && engine.state() == brilox::TcpState::kConnected; at += piece) {
    engine.SimulateReceive(bytes.substr(at, piece));
    agw.TraiteCommandeAGW(
        "\x1b"
        "S 1\r");
    agw.SendData("SH/DX\r");
  }
  timers.AdvanceMs(10);
  return 0;
}
