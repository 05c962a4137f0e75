// A MainWindowView that keeps what the controller shows, with a focus and
// command-line selections that a test sets.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/main_window_view.h"

namespace brilox::testing {

class RecordingMainWindowView final : public MainWindowView {
 public:
  void ApplyLayout(const MainLayout& l) override { layout = l; }
  void ShowRunModeControls(const RunModeControls& c) override {
    controls = c;
    capture_caption = c.capture_caption;
  }
  void SetCaptureCaption(const std::string& caption) override { capture_caption = caption; }
  void SetStatusPanel(int panel, const std::string& text) override {
    panels[static_cast<std::size_t>(panel - 1)] = text;
  }
  void SetConnectionLabel(const std::string& text) override { connection_label = text; }
  void SetSoundButton(bool on) override { sound_button = on; }
  void SetTerminalButton(int n, LinkState state, const std::string& hint) override {
    terminal_buttons[static_cast<std::size_t>(n - 1)] = {state, hint};
  }
  FocusTarget Focus() const override { return focus; }
  void SetFocus(const FocusTarget& target) override { focus = target; }
  void SelectLastRow(WindowId window) override { selected_last_row.push_back(window); }
  CommandLineText CommandLine(int n) const override { return lines[static_cast<std::size_t>(n - 1)]; }
  void SetCommandLine(int n, const CommandLineText& line) override {
    lines[static_cast<std::size_t>(n - 1)] = line;
  }
  bool HasSelection(const FocusTarget& target) const override {
    return target.kind == FocusTarget::Kind::kCommandLine &&
           selection[static_cast<std::size_t>(target.terminal - 1)];
  }
  void CopySelection(const FocusTarget& target) override { copied_from.push_back(target); }
  void PasteIntoCallField() override { ++pastes; }
  void PostCaptureError(const std::string& path) override { capture_errors.push_back(path); }
  void Close() override { closed = true; }

  MainLayout layout;
  RunModeControls controls;
  std::string capture_caption;
  std::array<std::string, 4> panels;
  std::string connection_label;
  bool sound_button = false;
  struct TerminalButton {
    LinkState state = LinkState::kDown;
    std::string hint;
  };
  std::array<TerminalButton, 4> terminal_buttons;
  FocusTarget focus;
  std::vector<WindowId> selected_last_row;
  std::array<CommandLineText, 4> lines;
  std::array<bool, 4> selection{};
  std::vector<FocusTarget> copied_from;
  int pastes = 0;
  std::vector<std::string> capture_errors;
  bool closed = false;
};

}  // namespace brilox::testing
