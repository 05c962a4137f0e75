// The narrow faces of the parts around the links.  The links talk only to
// these, so the line intake, the main window, the language file, the script
// runner, the node directory and the packet links of terminal 1 can be wired
// in by the program and replaced by recording fakes in tests.
// Window thread only, like the links themselves.
#pragma once

#include <optional>
#include <string>

namespace brilox {

// The line intake: every received character goes through TraiteCharRecu,
// with the flush request set on the last character of a chunk handed over
// when it is not LF, so that a prompt shows before its line ends.
class ReceivedCharacterSink {
 public:
  virtual ~ReceivedCharacterSink() = default;
  // True while a line is being processed; no character may be fed then.
  virtual bool busy() const = 0;
  virtual void TraiteCharRecu(int terminal, char ch, bool flush_request) = 0;
};

enum class DirectoryButtonState { kConnect, kDisconnect };

// Where a terminal's link stands, for the toolbar's terminal buttons.
enum class LinkState { kDown, kConnecting, kUp };

// What the links show to the operator.
class LinkPresenter {
 public:
  virtual ~LinkPresenter() = default;
  // The terminal the main window shows, 0 while it shows another view.
  virtual int ShownTerminal() const = 0;
  // The terminal last shown, 1 to 4; it stays while another view is shown.
  virtual int CurrentTerminal() const = 0;
  // Adds a row of text to terminal `terminal`'s window.
  virtual void AppendTerminalLine(int terminal, const std::string& text) = 0;
  virtual void FocusCommandLine(int terminal) = 0;
  // The connection label of the toolbar (LabelConn).
  virtual void ShowConnectionLabel(const std::string& text) = 0;
  // The telnet directory's status bar and connect button.
  virtual void ShowDirectoryStatus(const std::string& text) = 0;
  virtual void SetDirectoryConnectButton(DirectoryButtonState state, const std::string& caption) = 0;
  // Terminal `terminal`'s link went down, began connecting or came up;
  // `address` is the node's "host:port" (empty when none was ever given).
  virtual void ShowLinkState(int /*terminal*/, LinkState /*state*/, const std::string& /*address*/) {}
};

// Numbered texts of the language file.
class LanguageTexts {
 public:
  virtual ~LanguageTexts() = default;
  virtual std::string Text(int number) const = 0;
};

// Runs a script on a terminal (its TERM line may still choose another).
class ScriptRunner {
 public:
  virtual ~ScriptRunner() = default;
  virtual void RunScript(int terminal, const std::string& name) = 0;
};

// The telnet directory: the name of the node at an address.
class NodeDirectory {
 public:
  virtual ~NodeDirectory() = default;
  virtual std::optional<std::string> FindNodeName(const std::string& address) const = 0;
};

// Terminal 1's serial TNC and AGW engine, for the quick connect and the
// recycling of terminal 1 when it does not work over telnet.
enum class TncRoomCheck {
  kWhenRoom,  // dropped unless the port's output buffer has room for all of it
  kAlways,    // a lone CR (Enter on an empty command line) always goes
};

class PacketLinks {
 public:
  virtual ~PacketLinks() = default;
  virtual bool TncPortOpen() const = 0;
  virtual bool AgwStationConnected() const = 0;
  virtual void SendToTnc(const std::string& text, TncRoomCheck check) = 0;
  virtual void TraiteCommandeAGW(const std::string& line) = 0;
  // A typed line as a data frame to the AGW station.
  virtual void SendAgwData(const std::string& line) = 0;
  // What the connection label shows while an AGW station is connected.
  virtual std::string AgwConnectionText() const = 0;
};

}  // namespace brilox
