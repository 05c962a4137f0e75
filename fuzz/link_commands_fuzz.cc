// The texts that drive the telnet links: a command line the operator typed
// (a local connect or disconnect, a bye), and the quick-connect entry of the
// settings file, whose command line is then taken apart as a typed one.
#include <cstdint>
#include <string>

#include "links/link_commands.h"
#include "support/fuzz_support.h"

namespace {

bool HasOuterBlank(const std::string& text) {
  return !text.empty() && (text.front() == ' ' || text.back() == ' ');
}

void CheckConnect(std::string_view line) {
  using namespace brilox;
  ClassifyLocalCommand(line);
  IsByeOrQuit(line);
  const ConnectTarget target = ParseConnectCommand(line);
  if (HasOuterBlank(target.host) || HasOuterBlank(target.port)) __builtin_trap();
  if (!target.has_port && (!target.host.empty() || !target.port.empty())) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brilox;
  const std::string_view text = fuzz::AsText(data, size);
  CheckConnect(text);
  const QuickConnectPlan plan = ParseQuickConnect(text);
  if (plan.kind == QuickConnectPlan::Kind::kCommand) {
    if (plan.line.empty() || plan.line.back() != '\r') __builtin_trap();
    CheckConnect(plan.line);
  }
  if (plan.kind == QuickConnectPlan::Kind::kScript && HasOuterBlank(plan.script)) __builtin_trap();
  return 0;
}
