// The telnet layer on bytes from a node: the four links on fake connections,
// their receive buffers and the drain into the intake, with the operator's
// sends, drops and reconnects in between; and the telnet decoder alone, which
// must read a stream the same however TCP cuts it.
//
// The input is a list of steps: an operation byte, a length byte, then that
// many payload bytes.
#include <cstdint>
#include <memory>
#include <string>

#include "links/link_commands.h"
#include "links/link_test_fakes.h"
#include "links/telnet_links.h"
#include "links/telnet_protocol.h"
#include "platform/clock.h"
#include "platform/fake_tcp_connection.h"
#include "platform/manual_timer_queue.h"
#include "support/fuzz_support.h"

namespace {

using namespace brilox;

struct Step {
  uint8_t op;
  std::string_view payload;
};

// Takes the next step off `input`; the payload may be cut by the end.
bool NextStep(std::string_view& input, Step& step) {
  if (input.size() < 2) return false;
  step.op = static_cast<uint8_t>(input[0]);
  const std::size_t length = static_cast<uint8_t>(input[1]);
  input.remove_prefix(2);
  step.payload = input.substr(0, length);
  input.remove_prefix(step.payload.size());
  return true;
}

// The payloads as one stream, and cut in two pieces each: the same text and answers.
void CheckDecoderSplits(std::string_view input) {
  std::string stream, cut_text, cut_replies;
  TelnetDecoder cut;
  Step step;
  for (std::string_view rest = input; NextStep(rest, step);) {
    stream += step.payload;
    const std::size_t at = step.op % (step.payload.size() + 1);
    cut.Feed(step.payload.substr(0, at), cut_text, cut_replies);
    cut.Feed(step.payload.substr(at), cut_text, cut_replies);
  }
  std::string whole_text, whole_replies;
  TelnetDecoder whole;
  whole.Feed(stream, whole_text, whole_replies);
  if (whole_text != cut_text || whole_replies != cut_replies) __builtin_trap();
}

void RunLinks(std::string_view input) {
  using namespace brilox::testing;
  Settings settings;
  FakeClock clock;
  ManualTimerQueue timers{clock};
  FakeTcpConnectionFactory connections;
  RecordingIntake intake;
  RecordingPresenter presenter;
  NumberedTexts texts;
  TelnetLinks links(LinkServices{settings, connections, timers, intake, presenter, texts});
  const std::string escape(1, kEscapeCharacter);
  for (int n = 1; n <= 4; ++n) {
    links.TraiteCommandeWinSock(n, escape + "C node.example:7300\r");
    connections.connection(n - 1).SimulateConnected();
  }
  Step step;
  while (NextStep(input, step)) {
    const int n = 1 + (step.op >> 4) % 4;
    FakeTcpConnection& connection = connections.connection(n - 1);
    switch (step.op % 6) {
      case 0:
      case 1:
        if (connection.state() == TcpState::kConnected) connection.SimulateReceive(step.payload);
        break;
      case 2:
        timers.AdvanceMs(step.payload.size());
        break;
      case 3:
        links.EnvoieLigneWinSock(n, std::string(step.payload) + "\r");
        break;
      case 4:
        connection.SetOutputRoom(step.payload.size() * 16);
        break;
      case 5:
        intake.SetBusy(!intake.busy());
        break;
    }
  }
  intake.SetBusy(false);
  for (int i = 0; i < 1000 && timers.MsUntilNext() >= 0; ++i) timers.AdvanceMs(timers.MsUntilNext() + 1);
  links.CloseAll();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input = brilox::fuzz::AsText(data, size);
  CheckDecoderSplits(input);
  RunLinks(input);
  return 0;
}
