// The texts that drive the telnet links, taken apart: the local connect
// command typed on a command line (escape character, "C", a blank,
// host ":" port, CR), the quick-connect entry of the settings, and the
// cluster's bye and quit commands.  Pure functions of their text.
#pragma once

#include <string>
#include <string_view>

namespace brilox {

inline constexpr char kEscapeCharacter = 27;
inline constexpr std::size_t kQuickConnectLength = 80;

enum class LocalCommand { kNone, kConnect, kDisconnect };

// What a line that begins with the escape character asks for.
LocalCommand ClassifyLocalCommand(std::string_view line);

struct ConnectTarget {
  bool has_port = false;  // false when the command holds no ":"
  std::string host;
  std::string port;
};

// Host and port of a connect command: the host runs from the fourth
// character (the third, normally a blank, is skipped) to the first ":", the
// port from there to the end without the final CR.  Blanks around either
// are removed, since a node name never holds one.
ConnectTarget ParseConnectCommand(std::string_view line);

struct QuickConnectPlan {
  enum class Kind { kNothing, kScript, kCommand };
  Kind kind = Kind::kNothing;
  std::string script;  // kScript: the script's name
  std::string line;    // kCommand: the command line, ending in CR
  std::string host;    // kCommand: the host named in it, empty when none
};

// The quick-connect entry: "SCRIPT name", or a command line in which a
// leading "ESC" stands for the escape character.
QuickConnectPlan ParseQuickConnect(std::string_view entry);

// "B" or "Q" alone (any case) followed by CR: the cluster's bye and quit.
bool IsByeOrQuit(std::string_view line);

// Text without leading and trailing blanks.
std::string TrimBlanks(std::string_view text);
std::string ToUpperAscii(std::string_view text);

}  // namespace brilox
