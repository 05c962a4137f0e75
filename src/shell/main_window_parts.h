// The terminal sessions' objects and the main window controller, built
// together from what the program passes in: the command lines, the capture,
// the window file commands, the clock tick and the last folder they share.
// The window on the screen builds one of these once its widgets exist.
// Window thread only.
#pragma once

#include "links/clock_tick.h"
#include "links/command_lines.h"
#include "links/last_folder.h"
#include "links/link_seams.h"
#include "links/terminal_capture.h"
#include "links/terminal_sender.h"
#include "links/window_file_commands.h"
#include "platform/clock.h"
#include "platform/date_time_format.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "shell/main_window_controller.h"
#include "core/settings.h"
#include "spots/window_line_stores.h"

namespace brilox {

struct MainWindowDependencies {
  Settings& settings;
  WindowLineStores& windows;
  TerminalSender& sender;
  FileSystem& files;
  FileDialogs& dialogs;
  MessageBox& messages;
  const Clock& clock;
  const DateTimeFormat& date_time_format;
  const LanguageTexts& texts;
  const ViewStatusTexts& view_status;
  MainWindowSeams seams;
};

class MainWindowParts {
 public:
  MainWindowParts(const MainWindowDependencies& deps, MainWindowView& view)
      : command_lines(deps.settings, deps.windows, deps.sender),
        capture({deps.settings, deps.files, deps.dialogs, deps.messages, deps.texts, last_folder}),
        window_files({deps.files, deps.dialogs, deps.messages, deps.texts, last_folder}),
        clock(deps.settings, deps.clock, deps.date_time_format),
        controller({deps.settings, deps.windows, command_lines, capture, window_files, deps.sender, clock,
                    deps.texts, deps.view_status, deps.seams},
                   view) {}
  MainWindowParts(const MainWindowParts&) = delete;
  MainWindowParts& operator=(const MainWindowParts&) = delete;

  LastFolder last_folder;
  CommandLines command_lines;
  TerminalCapture capture;
  WindowFileCommands window_files;
  ClockTick clock;
  MainWindowController controller;
};

}  // namespace brilox
