// Capture of a terminal's received lines to a text file (File menu "Start
// capture" / "Stop capture", Ctrl+R, toolbar button RX).  While capture is on,
// every completed line the terminal window receives is appended to the file
// with CR LF.
//
// The file stays open while capture runs.  Each line is handed to the
// system as it comes, without waiting for the disk (a node sending a
// thousand lines a second must not stall the window); FlushCaptures, run by
// the window's one-second clock, and the stop wait for the disk, and the
// file closes at the stop (or when the capture object goes, at the end of
// the program).  A write error stops the capture; since it happens while
// text is being received, the error is handed to the window
// (SetStoppedHandler) to be shown once the receive work is done.  Window
// thread only.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "links/last_folder.h"
#include "links/link_seams.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "spots/window_line_stores.h"

namespace brilox {

struct CaptureServices {
  const Settings& settings;
  FileSystem& files;
  FileDialogs& dialogs;
  MessageBox& messages;
  const LanguageTexts& texts;
  LastFolder& last_folder;
};

enum class CaptureChange { kNone, kStarted, kStopped };

class TerminalCapture {
 public:
  explicit TerminalCapture(const CaptureServices& services);

  // Receive1Click on terminal n: stops its capture, or asks for a file and
  // starts one.  kNone when the operator cancelled or the file could not be
  // created (the error box has been shown).
  CaptureChange Receive1Click(int n);
  ~TerminalCapture();
  TerminalCapture(const TerminalCapture&) = delete;
  TerminalCapture& operator=(const TerminalCapture&) = delete;

  // A completed received line of terminal n.
  void WriteCapture(int n, std::string_view line);
  // Waits until every running capture's lines are on the disk.
  void FlushCaptures();

  bool capturing(int n) const { return Valid(n) && SlotOf(n).on; }
  const std::string& path(int n) const { return SlotOf(n).path; }
  // The caption of the capture menu item and the RX button hint for n.
  std::string CaptionFor(int n) const;
  // The status bar text while n captures: "Capture to FILE.TXT".
  std::string StatusText(int n) const;

  // Told when capture of a terminal starts or stops, so that the line intake
  // writes (or stops writing) its lines.
  void SetFlagHandler(std::function<void(int terminal, bool on)> handler) {
    m_flagHandler = std::move(handler);
  }
  // Told when a write error stopped capture of a terminal.
  void SetStoppedHandler(std::function<void(int terminal, const std::string& path)> handler) {
    m_stoppedHandler = std::move(handler);
  }
  // The error box for a capture that a write error stopped.
  void ShowWriteError(const std::string& path);

 private:
  struct Slot {
    bool on = false;
    std::string path;
    std::unique_ptr<AppendStream> file;
  };
  static bool Valid(int n) { return n >= 1 && n <= kTerminalCount; }
  Slot& SlotOf(int n) { return m_terminals[static_cast<std::size_t>(n - 1)]; }
  const Slot& SlotOf(int n) const { return m_terminals[static_cast<std::size_t>(n - 1)]; }
  bool Start(int n);
  void Stop(int n);
  void StopOnWriteError(int n);

  CaptureServices m_services;
  std::array<Slot, kTerminalCount> m_terminals;
  std::function<void(int, bool)> m_flagHandler;
  std::function<void(int, const std::string&)> m_stoppedHandler;
};

// The file filter of the capture and save-window dialogs.
std::string TextFileFilter(const LanguageTexts& texts);

}  // namespace brilox
