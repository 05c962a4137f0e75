#include "links/terminal_sender.h"

namespace brilox {

TerminalLinkKind LinkKindOf(int terminal, const Settings& settings) {
  if (terminal != 1) return TerminalLinkKind::kTelnet;
  switch (settings.Interface) {
    case 0:
      return TerminalLinkKind::kSerial;
    case 1:
      return TerminalLinkKind::kAgw;
    default:
      return TerminalLinkKind::kTelnet;
  }
}

}  // namespace brilox
