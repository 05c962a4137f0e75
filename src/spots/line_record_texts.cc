#include "spots/line_record_texts.h"

#include "spots/message_lines.h"
#include "spots/spot_line_decoder.h"

namespace brilox {
namespace {

LineTexts FromBulletin(const PropagationLine& bulletin, SpotRecord& spot) {
  spot.Spotter = bulletin.Spotter;
  spot.LogLine = bulletin.LogLine;
  spot.ShortLine.clear();
  return {bulletin.LogLine, {}, bulletin.StatusText};
}

LineTexts FromMessage(MessageLine message, SpotRecord& spot) {
  if (message.Spotter) spot.Spotter = std::move(*message.Spotter);
  spot.LogLine = std::move(message.LogLine);
  spot.ShortLine = std::move(message.ShortLine);
  return {std::move(message.RecordText), std::move(message.Message), {}};
}

}  // namespace

LineTexts BuildLineTexts(const LineInProgress& line, const Settings& settings, const Clock& clock,
                         const std::optional<PropagationLine>& frame_bulletin, SpotRecord& spot) {
  const std::string_view text = line.decode_line.view();
  const DayTime utc = clock.UtcNow();
  switch (line.line_class) {
    case LineClass::kDxText:
      if (line.layout == SpotLayout::kFull) {
        LigneFichDX(text, settings, clock, spot);
      } else {
        LigneFichDX_clusse(text, settings, clock, spot);
      }
      return {};
    case LineClass::kDxFrame:
      return {};
    case LineClass::kWwvBell:
    case LineClass::kWwv:
      return FromBulletin(LigneFichWWV(text, utc), spot);
    case LineClass::kWwvFrame:
      if (!frame_bulletin) return {};
      return FromBulletin(*frame_bulletin, spot);
    case LineClass::kWcy:
      return FromBulletin(LigneFichWCY(text, utc), spot);
    case LineClass::kAnnAll:
    case LineClass::kAnnFrame:
    case LineClass::kAnnLocal:
      return FromMessage(LigneFichANN(text, utc), spot);
    case LineClass::kChat:
      return FromMessage(LigneFichChat(text, line.chat_group, utc), spot);
    case LineClass::kTalk:
      return FromMessage(LigneFichTalk(text, settings.MyCall, utc), spot);
    case LineClass::kNone:
      break;
  }
  return {};
}

}  // namespace brilox
