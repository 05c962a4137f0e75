// The rigctld reply reader and the client that checks a tune's answers, on
// whatever a daemon could send, in segments the input's first byte chooses.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "links/rigctld_client.h"
#include "links/rigctld_reply.h"
#include "platform/clock.h"
#include "platform/fake_tcp_connection.h"
#include "platform/manual_timer_queue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = 1 + data[0] % 32;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  brilox::RigctldReplyReader reader;
  for (std::size_t at = 0; at < bytes.size() && !reader.overlong(); at += piece) {
    reader.Append(bytes.substr(at, piece));
    while (auto line = reader.NextLine()) {
      (void)brilox::ParseRigctldResult(*line);
      (void)brilox::ParseRigctldFrequency(*line);
      (void)brilox::IsRigctldModeName(*line);
    }
  }

  brilox::FakeClock clock;
  brilox::ManualTimerQueue timers{clock};
  brilox::FakeTcpConnectionFactory connections;
  brilox::RigctldClient client("TRX1", connections, timers, [](const std::string&) {});
  client.Tune("14025000", "CW");
  brilox::FakeTcpConnection& daemon = connections.connection(0);
  daemon.SimulateConnected();
  for (std::size_t at = 0; at < bytes.size() && daemon.state() == brilox::TcpState::kConnected; at += piece) {
    daemon.SimulateReceive(bytes.substr(at, piece));
  }
  timers.AdvanceMs(brilox::RigctldClient::kAnswerTimeoutMs);
  return 0;
}
