// The windowed program's objects, built and wired in the one order that
// works: the settings and the reference tables first, spot processing over
// them, the main window, the line intake (whose hooks are the window's
// controller), then the four telnet links that report through the window and
// drain into the intake, and the reconnect supervisor over the links.
//
// Start() shows the window and runs the start-up sequence once the event
// loop is running; a fatal start-up shows its text and ends the loop with
// exit code 1 without saving anything.  Closing the window runs the close
// query: the exit question, the links closed, the geometry stored.
// Window thread only.
#pragma once

#include <functional>
#include <memory>

#include <QPointer>
#include <string>

#include "app/forwarding_sender.h"
#include "app/pipeline_character_sink.h"
#include "awards/dxcc_table.h"
#include "awards/iota_table.h"
#include "awards/log_import.h"
#include "awards/lotw_users.h"
#include "links/cat_control.h"
#include "links/radio_links.h"
#include "links/reconnect_supervisor.h"
#include "links/sound_announcer.h"
#include "links/telnet_links.h"
#include "platform/clock.h"
#include "platform/date_time_format.h"
#include "platform/file_dialogs.h"
#include "platform/file_settings_store.h"
#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/message_box.h"
#include "platform/qt/qt_audio_output.h"
#include "platform/qt/qt_serial_port.h"
#include "platform/qt/qt_tcp_connection.h"
#include "platform/qt/qt_timer.h"
#include "shell/link_language_texts.h"
#include "shell/link_window_adapters.h"
#include "shell/own_station.h"
#include "core/language_text_table.h"
#include "core/settings.h"
#include "shell/spot_window_events.h"
#include "shell/ui/main_window.h"
#include "spots/announcement_queue.h"
#include "spots/award_reference_checks.h"
#include "spots/country_table.h"
#include "spots/line_intake.h"
#include "spots/spot_processing.h"
#include "spots/spot_reference_checks.h"
#include "spots/traffic_log.h"
#include "spots/window_line_stores.h"

namespace brilox {

// Where this run keeps its files; EnterProgram found the two folders.
struct ProgramPlaces {
  std::string program_folder;
  std::string data_folder;
  std::string user_settings_path;     // the per-user settings file
  std::string machine_settings_path;  // read only; empty for none
  LocaleVariables locale;
};

struct ProgramServices {
  FileSystem& fs;
  const Clock& clock;
  // Start-up errors, the fatal text and the exit question.
  MessageBox& messages;
  FileDialogs& dialogs;
  const DateTimeFormat& date_time_format;
  // Ends the event loop with this exit code.
  std::function<void(int code)> exit;
};

class ProgramWiring {
 public:
  ProgramWiring(const ProgramServices& services, ProgramPlaces places);
  ~ProgramWiring();
  ProgramWiring(const ProgramWiring&) = delete;
  ProgramWiring& operator=(const ProgramWiring&) = delete;

  // Shows the window; the start-up sequence runs on the first turn of the
  // event loop.
  void Start();

  // The splash has closed: the check of the DXCC table against the country
  // table, then the first start's question for the own station, run once
  // both the splash and the start-up sequence are done.
  void AfterSplash();
  // Asks for the own call and locator while MyCall is "NOCALL" or empty;
  // without one nothing is asked.
  void SetOwnStationDialog(OwnStationDialog* dialog) { m_ownStation = dialog; }
  // The language file's texts, once start-up has read it.
  const LanguageTexts& texts() const { return m_linkTexts; }
  // Closes the window through the close path without the exit question: the
  // desktop session ends or a termination signal came.
  void EndWithoutQuestion();

  // True once the start-up sequence ran to its end.
  bool started() const { return m_started; }
  MainWindow& window() { return *m_window; }
  Settings& settings() { return m_settings; }
  WindowLineStores& windows() { return m_windows; }
  SpotProcessing& processing() { return m_processing; }
  TrafficLog& log() { return m_log; }
  TelnetLinks& links() { return *m_links; }
  const std::string& data_folder() const { return m_places.data_folder; }

 private:
  void RunStartup();
  // The Tools menu's imports (program_imports.cc).
  void ImportLog(LogImportKind kind);
  void Fatal(const std::string& message);
  bool QueryClose();
  void RunChecksAfterSplash();

  ProgramServices m_services;
  ProgramPlaces m_places;
  FileSettingsStore m_userStore;
  std::unique_ptr<FileSettingsStore> m_machineStore;
  Settings m_settings;
  LanguageTextTable m_texts;
  LinkLanguageTexts m_linkTexts{m_texts};

  CountryTable m_countries;
  DxccTable m_dxcc;
  IotaTable m_iota;
  WindowLineStores m_windows{m_settings};
  TrafficLog m_log;
  AnnouncementQueue m_announcements;
  LotwUsers m_lotwUsers;
  LotwUserListCheck m_lotwCheck;
  IotaTableCheck m_iotaCheck{&m_iota, m_settings};
  SpotProcessing m_processing;

  ForwardingTerminalSender m_sender;
  std::unique_ptr<MainWindow> m_window;
  std::unique_ptr<LineIntake> m_intake;
  std::unique_ptr<PipelineCharacterSink> m_sink;
  std::unique_ptr<WindowLinkPresenter> m_presenter;
  std::unique_ptr<WindowSpotEvents> m_spotEvents;
  QtTimerFactory m_timers;
  QtTcpConnectionFactory m_connections;
  std::unique_ptr<TelnetLinks> m_links;
  std::unique_ptr<LinksTerminalSender> m_linkSender;
  std::unique_ptr<ReconnectSupervisor> m_supervisor;
  // The announcer plays the queued alarms on its own thread.
  QtAudioOutput m_audio;
  std::unique_ptr<TThreadSound> m_announcer;
  QtSerialPortFactory m_serialPorts;
  QtSerialPortLister m_serialLister;
  std::unique_ptr<RadioLinks> m_radio;
  std::unique_ptr<CatControl> m_cat;
  bool m_started = false;
  bool m_iotaLoaded = false;  // an IOTA.DAT of an older layout must not be saved
  std::string m_importFolder;  // where the next import's file dialog starts
  QPointer<QWidget> m_importWindow;
  OwnStationDialog* m_ownStation = nullptr;
  bool m_splashDone = false;
  bool m_afterSplashRan = false;
  bool m_askOnClose = true;
};

}  // namespace brilox
