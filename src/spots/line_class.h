// What a received line has been recognised as, and the layout of a "DX de "
// text line.  The numbers are the ones the rest of the program (and the
// traffic logs) use for the classes.
#pragma once

#include <cstdint>

namespace brilox {

enum class LineClass : std::uint8_t {
  kNone = 0,      // nothing recognised yet
  kDxText = 1,    // "DX de "
  kDxFrame = 2,   // "PC11^"
  kWwvBell = 3,   // BEL followed by "WWV de"
  kWwvFrame = 4,  // "PC23^"
  kAnnAll = 5,    // "ALL de "
  kAnnFrame = 6,  // "PC12^"
  kAnnLocal = 7,  // "LOCAL de "
  kWwv = 8,       // "WWV de "
  kWcy = 9,       // "WCY de "
  kChat = 98,     // a chat group name followed by " de "
  kTalk = 99,     // the own call followed by " de "
};

// Layout of a "DX de " line, decided by the layout tests of the line intake.
enum class SpotLayout : char {
  kUndetermined = '?',
  kFull = 'P',
  kCompact = 'C',
};

// Row tags that the line intake itself chooses (the spot levels come from
// spot processing).
inline constexpr std::int32_t kTagPropagation = 20;
inline constexpr std::int32_t kTagAnnouncement = 21;
inline constexpr std::int32_t kTagChat = 22;
inline constexpr std::int32_t kTagTalk = 23;
inline constexpr std::int32_t kTagEcho = 24;

constexpr bool IsDxSpot(LineClass c) { return c == LineClass::kDxText || c == LineClass::kDxFrame; }
constexpr bool IsPropagation(LineClass c) {
  return c == LineClass::kWwvBell || c == LineClass::kWwvFrame || c == LineClass::kWwv ||
         c == LineClass::kWcy;
}
constexpr bool IsAnnouncement(LineClass c) {
  return c == LineClass::kAnnAll || c == LineClass::kAnnFrame || c == LineClass::kAnnLocal;
}

// The tag that every row of a wrapped line gets while a line of this class is
// being received: announcements, chat and talk stay readable as one block
// when they spill over several rows.  0 means no wrap tag.
constexpr std::int32_t WrapTagForClass(LineClass c) {
  if (IsAnnouncement(c)) return kTagAnnouncement;
  if (c == LineClass::kChat) return kTagChat;
  if (c == LineClass::kTalk) return kTagTalk;
  return 0;
}

}  // namespace brilox
