// Recording stand-ins for the parts around the links: an intake that builds
// window rows the way the line intake does (so a test sees what the operator
// would see), a presenter, language texts, a script runner, a directory and
// terminal 1's packet links.  Header only; shared by the logic tests and
// the tests against a real local node.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "links/link_seams.h"

namespace brilox::testing {

class RecordingIntake final : public ReceivedCharacterSink {
 public:
  // Raw text kept per terminal; beyond it characters are only counted, so
  // that flood tests do not measure the recorder's memory.
  static constexpr std::size_t kRawKept = 256 * 1024;
  static constexpr std::size_t kRowsKept = 2000;

  bool busy() const override { return m_busy; }
  void SetBusy(bool busy) { m_busy = busy; }

  void TraiteCharRecu(int terminal, char ch, bool flush_request) override {
    Terminal& t = m_terminals.at(static_cast<std::size_t>(terminal));
    ++t.count;
    if (t.raw.size() < kRawKept) t.raw.push_back(ch);
    if (flush_request) ++t.flushes;
    if (ch == '\n') {
      Show(t);
      t.partial = false;
    } else if (ch != '\0' && ch != '\a' && ch != '\r') {
      t.line.push_back(ch);
      if (t.line.size() > t.longest_line) t.longest_line = t.line.size();
      if (flush_request) {
        Show(t);
        t.partial = true;
      }
    }
    if (on_character) on_character(terminal, ch);
  }

  // Window rows of a terminal, as the line intake would show them.
  const std::vector<std::string>& rows(int terminal) const { return at(terminal).rows; }
  const std::string& raw(int terminal) const { return at(terminal).raw; }
  std::size_t count(int terminal) const { return at(terminal).count; }
  int flushes(int terminal) const { return at(terminal).flushes; }
  // The longest text the intake had to hold for one row at a time.
  std::size_t longest_line(int terminal) const { return at(terminal).longest_line; }

  std::function<void(int terminal, char ch)> on_character;

 private:
  struct Terminal {
    std::vector<std::string> rows;
    std::string line;
    bool partial = false;
    std::string raw;
    std::size_t count = 0;
    std::size_t longest_line = 0;
    int flushes = 0;
  };
  static void Show(Terminal& t) {
    if (t.partial && !t.rows.empty()) {
      t.rows.back() += t.line;
    } else {
      if (t.rows.size() >= kRowsKept) t.rows.erase(t.rows.begin());
      t.rows.push_back(t.line);
    }
    t.line.clear();
  }
  const Terminal& at(int terminal) const { return m_terminals.at(static_cast<std::size_t>(terminal)); }

  std::array<Terminal, 5> m_terminals;
  bool m_busy = false;
};

class RecordingPresenter final : public LinkPresenter {
 public:
  int shown_terminal = 1;
  int current_terminal = 1;
  std::map<int, std::vector<std::string>> lines;
  std::vector<int> focused;
  std::string label = "(unset)";
  std::string directory_status;
  DirectoryButtonState button = DirectoryButtonState::kConnect;
  std::string button_caption;
  struct StateShown {
    LinkState state;
    std::string address;
    friend bool operator==(const StateShown&, const StateShown&) = default;
  };
  std::map<int, std::vector<StateShown>> states;

  int ShownTerminal() const override { return shown_terminal; }
  int CurrentTerminal() const override { return current_terminal; }
  void AppendTerminalLine(int terminal, const std::string& text) override { lines[terminal].push_back(text); }
  void FocusCommandLine(int terminal) override { focused.push_back(terminal); }
  void ShowConnectionLabel(const std::string& text) override { label = text; }
  void ShowDirectoryStatus(const std::string& text) override { directory_status = text; }
  void SetDirectoryConnectButton(DirectoryButtonState state, const std::string& caption) override {
    button = state;
    button_caption = caption;
  }
  void ShowLinkState(int terminal, LinkState state, const std::string& address) override {
    states[terminal].push_back({state, address});
  }
};

// Language text n reads "[n]".
class NumberedTexts final : public LanguageTexts {
 public:
  std::string Text(int number) const override { return "[" + std::to_string(number) + "]"; }
};

class RecordingScriptRunner final : public ScriptRunner {
 public:
  struct Run {
    int terminal;
    std::string name;
  };
  std::vector<Run> runs;
  std::function<void(int terminal, const std::string& name)> on_run;
  void RunScript(int terminal, const std::string& name) override {
    runs.push_back({terminal, name});
    if (on_run) on_run(terminal, name);
  }
};

class FakeNodeDirectory final : public NodeDirectory {
 public:
  std::map<std::string, std::string> names;  // address -> node name
  std::optional<std::string> FindNodeName(const std::string& address) const override {
    auto it = names.find(address);
    if (it == names.end()) return std::nullopt;
    return it->second;
  }
};

class RecordingPacketLinks final : public PacketLinks {
 public:
  bool station_connected = false;
  std::vector<std::string> tnc;
  std::vector<TncRoomCheck> tnc_checks;
  std::vector<std::string> agw;
  bool TncPortOpen() const override { return true; }
  bool AgwStationConnected() const override { return station_connected; }
  void SendToTnc(const std::string& text, TncRoomCheck check) override {
    tnc.push_back(text);
    tnc_checks.push_back(check);
  }
  void TraiteCommandeAGW(const std::string& line) override { agw.push_back(line); }
  void SendAgwData(const std::string& line) override { agw_data.push_back(line); }
  std::string AgwConnectionText() const override { return {}; }
  std::vector<std::string> agw_data;
};

}  // namespace brilox::testing
