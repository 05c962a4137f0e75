#include "app/program_wiring.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include "core/language_text_ids.h"
#include "shell/lotw_call_field.h"
#include "links/spot_row_click.h"
#include "shell/startup_loaders.h"
#include "shell/startup_sequence.h"
#include "shell/startup_shutdown.h"
#include "shell/ui/main_window_startup_steps.h"
#include "shell/ui/window_geometry.h"

namespace brilox {
namespace {

// The links' share of the shutdown: the TNC's exit text, no more reconnect
// ticks, then every open link and the transceivers' ports closed.
class LinkShutdownSteps final : public ShutdownSteps {
 public:
  LinkShutdownSteps(ReconnectSupervisor& supervisor, TelnetLinks& links, RadioLinks& radio, CatControl& cat,
                    TThreadSound& announcer)
      : m_supervisor(supervisor), m_links(links), m_radio(radio), m_cat(cat), m_announcer(announcer) {}
  bool TncPortOpen() override { return m_radio.TncPortOpen(); }
  void SendTncExitText(const std::string& text) override { m_radio.tnc().SendTncText(text); }
  void StopTimers() override { m_supervisor.Stop(); }
  void CloseLinks() override {
    m_links.CloseAll();
    m_radio.StopTerminal1();
    m_cat.CloseAll();
  }
  void AskWorkersToStop() override { m_announcer.Stop(); }

 private:
  ReconnectSupervisor& m_supervisor;
  TelnetLinks& m_links;
  RadioLinks& m_radio;
  CatControl& m_cat;
  TThreadSound& m_announcer;
};

QRect ScreenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

}  // namespace

ProgramWiring::ProgramWiring(const ProgramServices& services, ProgramPlaces places)
    : m_services(services),
      m_places(std::move(places)),
      m_userStore(services.fs, m_places.user_settings_path, StoreAccess::kReadWrite),
      m_log(services.fs, m_places.data_folder),
      m_lotwCheck(m_lotwUsers, m_settings, services.clock),
      m_processing(SpotProcessingServices{m_settings, services.clock, m_windows, m_countries, m_dxcc, m_log,
                                          m_announcements, m_lotwCheck, m_iotaCheck}) {
  if (!m_places.machine_settings_path.empty()) {
    m_machineStore =
        std::make_unique<FileSettingsStore>(services.fs, m_places.machine_settings_path, StoreAccess::kReadOnly);
  }

  MainWindowSeams seams;
  seams.quick_connect = [this] {
    if (m_links) m_links->QuickConnect();
  };
  seams.import_log = [this](LogImportKind kind) { ImportLog(kind); };
  seams.sound_switched = [this](bool /*on*/) { m_announcer->ApplySettings(m_settings); };
  seams.test_sound = [this] { m_announcements.Add(TestAlarm(m_settings)); };
  seams.row_right_click = [this](const std::string& row, int x,
                                 const std::function<int(std::string_view)>& width, bool alt_held,
                                 bool ctrl_held) {
    // The country information window comes later: the calls go nowhere yet.
    (void)StringGridMouseDown(row, x, width, alt_held, ctrl_held, m_cat.get(), {});
  };
  MainWindowEnvironment environment;
  environment.data_folder = m_places.data_folder;
  environment.close_query = [this] { return QueryClose(); };
  environment.lotw_check = [this](const std::string& text) {
    return EditLOTWuserChange(m_lotwUsers, m_settings, text, m_settings.Sound != 0);
  };
  m_window = std::make_unique<MainWindow>(
      MainWindowDependencies{m_settings, m_windows, m_sender, services.fs, services.dialogs, services.messages,
                             services.clock, services.date_time_format, m_linkTexts,
                             m_processing.status_texts(), seams},
      std::move(environment));

  MainWindowController& controller = m_window->controller();
  m_intake = std::make_unique<LineIntake>(m_settings, m_windows, m_processing, &controller);
  m_processing.SetCaptureQuery([this](int terminal) { return m_intake->capturing(terminal); });
  m_window->capture().SetFlagHandler([this](int terminal, bool on) { m_intake->SetCapture(terminal, on); });
  m_spotEvents = std::make_unique<WindowSpotEvents>(controller);
  m_processing.SetEvents(m_spotEvents.get());

  m_sink = std::make_unique<PipelineCharacterSink>(*m_intake, m_processing);
  m_presenter = std::make_unique<WindowLinkPresenter>(controller, m_windows);
  m_links = std::make_unique<TelnetLinks>(
      LinkServices{m_settings, m_connections, m_timers, *m_sink, *m_presenter, m_linkTexts});
  m_radio = std::make_unique<RadioLinks>(
      TncServices{m_settings, m_serialPorts, *m_links, *m_presenter, m_linkTexts, &services.messages,
                  &m_serialLister},
      AgwServices{m_settings, m_connections, *m_links, *m_presenter, m_linkTexts, &services.messages});
  m_links->SetPacketLinks(m_radio.get());
  m_cat = std::make_unique<CatControl>(
      CatServices{m_settings, m_serialPorts, m_connections, m_timers, m_linkTexts, &services.messages,
                  &m_serialLister, [this](const std::string& text) { m_window->SetStatusPanel(4, text); }});
  m_linkSender = std::make_unique<LinksTerminalSender>(*m_links, m_radio.get());
  m_sender.SetTarget(m_linkSender.get());
  m_supervisor = std::make_unique<ReconnectSupervisor>(*m_links, m_timers);
  // Every processed line shows that its terminal's link is alive.
  m_processing.SetInactivityReset([this](int terminal) { m_links->ResetInactivity(terminal); });

  // The announcer's problems reach the status bar through the window's
  // event loop; the window outlives the announcer.
  auto report = [this](const std::string& message) {
    QMetaObject::invokeMethod(
        m_window.get(), [this, text = QString::fromStdString(message)] { m_window->ShowStatusMessage(text); },
        Qt::QueuedConnection);
  };
  m_announcer = std::make_unique<TThreadSound>(SoundAnnouncerServices{
      m_announcements, m_audio, PosixFileSystem(), services.clock, m_places.program_folder, report});
  m_announcer->ApplySettings(m_settings);
  m_announcer->Start();
}

ProgramWiring::~ProgramWiring() {
  m_announcer.reset();
  m_processing.SetEvents(nullptr);
  m_processing.SetInactivityReset({});
  m_processing.SetCaptureQuery({});
  m_sender.SetTarget(nullptr);
  m_supervisor.reset();
  m_cat.reset();
  if (m_links) m_links->SetPacketLinks(nullptr);
  m_radio.reset();
  m_links.reset();
}

void ProgramWiring::Start() {
  m_window->show();
  QTimer::singleShot(0, m_window.get(), [this] { RunStartup(); });
}

void ProgramWiring::RunStartup() {
  const QRect screen = ScreenArea();
  SettingsEnvironment environment{m_services.fs, m_places.program_folder, m_places.locale};
  if (!screen.isEmpty()) {
    environment.screen_width = screen.width();
    environment.screen_height = screen.height();
  }
  environment.window_width = m_window->width();
  environment.window_height = m_window->height();

  const ReferenceTables tables{m_countries, m_dxcc, &m_iota, &m_settings, &m_userStore, &m_lotwUsers};
  const DataFileLoaders loaders = MakeDataFileLoaders(tables);
  MainWindowStartupSteps steps(*m_window);
  StartupReport report;
  const StartupStatus status =
      RunStartupSequence({m_settings, m_userStore, m_machineStore.get(), environment, m_places.data_folder,
                          m_services.messages, m_texts, loaders, steps},
                         report);
  if (status.fatal()) {
    Fatal(status.message());
    return;
  }
  // The window opens where it was closed, inside a screen that is present.
  RestoreWindowGeometry(*m_window, m_settings);
  // The loaded settings replace the defaults the stores and the intake began with.
  m_windows.ApplySettings(m_settings);
  m_intake->ApplySettings(m_settings);
  m_window->SetLotwUserCount(KnownCallsignsText(m_texts.Get(kTextKnownCallsignsFormat), m_lotwUsers.count()));
  m_announcer->ApplySettings(m_settings);
  // A log file that cannot be made costs its records only; processing counts them.
  (void)m_log.CreateMissingLogFiles();
  m_iotaLoaded = report.data.iota_loaded;
  m_started = true;
  m_supervisor->ApplyAutoReconnect();
  // Terminal 1's serial TNC (with its initialisation text) or AGW engine.
  m_radio->StartTerminal1();
  // The sequence's own quick-connect step is left empty: ConnectAtStart makes
  // the same connection when AutoConnect is on.
  m_links->ConnectAtStart();
  m_cat->ConfigurePorts();
  if (m_splashDone) RunChecksAfterSplash();
}

void ProgramWiring::AfterSplash() {
  m_splashDone = true;
  if (m_started) RunChecksAfterSplash();
}

void ProgramWiring::RunChecksAfterSplash() {
  if (m_afterSplashRan) return;
  m_afterSplashRan = true;
  const ReferenceTables tables{m_countries, m_dxcc, &m_iota, &m_settings, &m_userStore};
  (void)CheckDxccAgainstCountries(tables,
                                  {m_services.fs, m_places.data_folder, m_services.messages, m_texts});
  // A key that cannot be written keeps the call for this run; the next start asks again.
  if (m_ownStation != nullptr) (void)AskForOwnStation(m_settings, m_userStore, *m_ownStation);
}

void ProgramWiring::Fatal(const std::string& message) {
  if (!message.empty()) {
    (void)m_services.messages.Show(MessageKind::kError, m_texts.Get(kTextErrorCaption), message,
                                   MessageButtons::kOk);
  }
  // Nothing is saved: the close query finds the start unfinished.
  m_started = false;
  if (m_services.exit) m_services.exit(1);
}

bool ProgramWiring::QueryClose() {
  LinkShutdownSteps steps(*m_supervisor, *m_links, *m_radio, *m_cat, *m_announcer);
  ClosingWindow closing = ClosingGeometry(*m_window);
  closing.telnet_top_row = m_settings.TelnetTopRow;
  closing.telnet_row = m_settings.TelnetRow;
  // No colour picker yet: the stored entries go back as they came.
  closing.custom_colours = m_settings.CustomColor;
  const CloseOutcome outcome = CloseQuery(
      {m_settings, m_userStore, m_services.messages, m_texts, steps, m_started, m_askOnClose}, closing);
  return outcome.close;
}

void ProgramWiring::EndWithoutQuestion() {
  m_askOnClose = false;
  m_window->close();
}

}  // namespace brilox
