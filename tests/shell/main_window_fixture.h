// The main window controller on a recording view, with every service it
// needs as a test fake.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "links/built_in_texts.h"
#include "platform/memory_file_system.h"
#include "shell/main_window_parts.h"
#include "shell/recording_main_window_view.h"
#include "support/recording_terminal_sender.h"

namespace brilox {

inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

}  // namespace brilox

namespace brilox::testing {

class MainWindowFixture : public ::testing::Test {
 protected:
  static constexpr int kWidth = 686, kHeight = 500;

  MainWindowFixture()
      : windows(settings),
        parts(
            {settings, windows, sender, files, dialogs, messages, clock, format, texts, view_status, Seams()},
            view),
        controller(parts.controller) {
    controller.SetMetrics(LayoutMetrics{30, 20, 23, 28});
    controller.SetClientSize(kWidth, kHeight);
  }

  MainWindowSeams Seams() {
    MainWindowSeams seams;
    seams.open_telnet_directory = [this] { calls.push_back("telnet directory"); };
    seams.answer_password_challenge = [this](int n, const std::string& password) {
      calls.push_back("password " + std::to_string(n) + " " + password);
    };
    seams.send_shortcut = [this](int n, int k) {
      calls.push_back("shortcut " + std::to_string(k) + " on " + std::to_string(n));
    };
    seams.open_shortcuts_window = [this] { calls.push_back("shortcuts window"); };
    seams.refresh_telnet_directory = [this] { calls.push_back("refresh directory"); };
    seams.sound_switched = [this](bool on) { calls.push_back(on ? "sound on" : "sound off"); };
    seams.test_sound = [this] { calls.push_back("test sound"); };
    return seams;
  }

  ViewStatus& StatusOf(WindowId window) {
    switch (window) {
      case WindowId::kDx:
        return view_status.dx;
      case WindowId::kAlarm:
        return view_status.alarm;
      case WindowId::kLotw:
        return view_status.lotw;
      default:
        return view_status.terminals[static_cast<std::size_t>(window)];
    }
  }
  // Spot processing gave `window` a new info line.
  void SetInfoLine(WindowId window, const std::string& text) {
    StatusOf(window).text = text;
    controller.StatusLineChanged();
  }

  // Rows "row 0" .. in `window`.
  void Fill(WindowId window, int rows) {
    for (int i = 0; i < rows; ++i) windows.Get(window).AppendLine("row " + std::to_string(i));
  }

  Settings settings;
  WindowLineStores windows;
  RecordingTerminalSender sender;
  MemoryFileSystem memory;
  FaultInjectingFileSystem files{memory};
  ScriptedFileDialogs dialogs;
  RecordingMessageBox messages;
  FakeClock clock{EncodeDateTime(2026, 1, 15, 12, 0, 0)};
  FixedDateTimeFormat format;
  BuiltInTexts texts;
  ViewStatusTexts view_status;
  RecordingMainWindowView view;
  std::vector<std::string> calls;
  MainWindowParts parts;
  MainWindowController& controller;
};

}  // namespace brilox::testing
