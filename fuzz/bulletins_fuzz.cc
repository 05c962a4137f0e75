// One broadcast line as the intake hands it to the bulletin and message
// readers: WWV and WCY bulletins, the "PC23^" bulletin frame, announcements,
// the "PC12^" announcement frame, chat and talk lines.  Cut to the intake's
// 255 characters.  Every record must keep its fixed width, whatever the line.
#include <cstdint>
#include <string>

#include "spots/decode_line.h"
#include "spots/message_lines.h"
#include "spots/propagation_lines.h"
#include "spots/traffic_log.h"
#include "support/fuzz_support.h"

namespace {

void CheckBulletin(const brilox::PropagationLine& bulletin) {
  if (bulletin.LogLine.size() != brilox::kPropagationTextLength) __builtin_trap();
}

void CheckMessage(const brilox::MessageLine& message) {
  if (message.RecordText.size() != brilox::kMessageTextLength) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brilox;
  constexpr DayTime kNow = 46000.75;
  const std::string line(fuzz::AsText(data, size).substr(0, DecodeLine::kCapacity));

  CheckBulletin(LigneFichWWV(line, kNow));
  CheckBulletin(LigneFichWCY(line, kNow));
  std::string bulletin_frame = line;
  if (const std::optional<PropagationLine> bulletin = DecodeWWV(bulletin_frame)) {
    CheckBulletin(*bulletin);
    CheckBulletin(LigneFichWWV(bulletin_frame, kNow));
  }

  CheckMessage(LigneFichANN(line, kNow));
  std::string announcement_frame = line;
  if (DecodeANN(announcement_frame).accepted) CheckMessage(LigneFichANN(announcement_frame, kNow));
  CheckMessage(LigneFichChat(line, "DXCHAT", kNow));
  CheckMessage(LigneFichTalk(line, "N0CALL", kNow));
  return 0;
}
