// Text typed or committed by an input method, as UTF-8 of any shape, judged
// by the command lines under the Latin-1 and the Japanese interface.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "links/command_lines.h"
#include "links/terminal_sender.h"
#include "platform/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)brilox::Utf8ToLatin1(text);
  (void)brilox::Utf8ToShiftJis(text);
  static brilox::Settings settings;
  static brilox::WindowLineStores windows(settings);
  static brilox::UnconnectedTerminalSender sender;
  static brilox::CommandLines lines(settings, windows, sender);
  settings.Language = size % 2 == 0 ? "JPN" : "ENU";
  (void)lines.FenTXTypedText(1, text);
  return 0;
}
