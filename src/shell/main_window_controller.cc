#include "shell/main_window_controller.h"

#include <algorithm>

namespace brilox {
namespace {

WindowId WindowOfView(char view, int terminal) {
  switch (view) {
    case 'D':
      return WindowId::kDx;
    case 'A':
      return WindowId::kAlarm;
    case 'L':
      return WindowId::kLotw;
    default:
      return TerminalWindow(std::clamp(terminal, 1, kTerminalCount));
  }
}

bool IsKnownView(char view) { return view == 'M' || view == 'D' || view == 'A' || view == 'L'; }

}  // namespace

MainWindowController::MainWindowController(const MainWindowServices& services, MainWindowView& view)
    : m_services(services), m_view(view) {
  m_services.capture.SetStoppedHandler(
      [this](int terminal, const std::string& path) { CaptureStopped(terminal, path); });
  m_view.SetSoundButton(m_services.settings.Sound != 0);
}

void MainWindowController::SetClientSize(int width, int height) {
  m_width = width;
  m_height = height;
}

WindowId MainWindowController::CurrentWindow() const { return WindowOfView(run_mode(), m_activeTerminal); }

bool MainWindowController::Shows(char view, int terminal) const {
  if (!m_laidOut || run_mode() != view) return false;
  return view != 'M' || m_activeTerminal == terminal;
}

void MainWindowController::SetRunMode(char view) {
  if (!IsKnownView(view)) return;
  WindowLineStores& windows = m_services.windows;
  windows.SetView(ViewState{view, m_activeTerminal});
  m_laidOut = true;
  m_layout = LayoutFor(windows.view(), m_metrics, m_width, m_height);
  m_view.ApplyLayout(m_layout);

  const WindowId window = CurrentWindow();
  RunModeControls controls;
  controls.checked_view = window;
  controls.capture_caption = m_services.capture.CaptionFor(m_activeTerminal);
  if (view == 'M') {
    controls.send_text_enabled = true;
    controls.capture_enabled = true;
  }
  m_view.ShowRunModeControls(controls);
  ShowInfoLineOfView();

  // Entering a view lets it follow its end again.  Every terminal (not only
  // terminal 1) returns to its end, so that a terminal that was hidden while
  // text arrived does not show old rows until the next line.
  LineStore& store = windows.Get(window);
  store.SetScrollHold(false);
  if (view == 'M') {
    store.ScrollToEnd();
    m_view.SetFocus(FocusTarget::CommandLine(m_activeTerminal));
  } else {
    m_view.SelectLastRow(window);
    store.ScrollToEnd();
    m_view.SetFocus(view == 'L' ? FocusTarget::CallField() : FocusTarget::Grid(window));
  }
}

void MainWindowController::EnterStartView() {
  const Settings& settings = m_services.settings;
  EnterStartView(StartViewOf(settings.StartMode, (settings.LOTW & 1) != 0));
}

void MainWindowController::EnterStartView(const StartView& start) {
  m_activeTerminal = std::clamp(start.terminal, 1, kTerminalCount);
  SetRunMode(start.view);
  if (start.view == 'M') {
    ShowConnectionLabel(ConnectionLabelFor(m_activeTerminal));
  } else {
    ShowConnectionLabel({});
  }
}

void MainWindowController::FormResize(int width, int height) {
  SetClientSize(width, height);
  if (!m_laidOut) return;
  m_layout = LayoutFor(view(), m_metrics, width, height);
  m_view.ApplyLayout(m_layout);
  const WindowId window = CurrentWindow();
  LineStore& store = m_services.windows.Get(window);
  if (run_mode() == 'M') {
    if (!store.scroll_hold()) store.ScrollToEnd();
  } else {
    m_view.SetFocus(FocusTarget::Grid(window));
  }
}

void MainWindowController::ShowTerminal(int n) {
  if (n < 1 || n > kTerminalCount || Shows('M', n)) return;
  m_activeTerminal = n;
  SetRunMode('M');
  ShowConnectionLabel(ConnectionLabelFor(n));
  if (m_services.seams.refresh_telnet_directory) m_services.seams.refresh_telnet_directory();
}

void MainWindowController::ShowView(char view) {
  if (view == 'M') return ShowTerminal(m_activeTerminal);
  if (!IsKnownView(view) || Shows(view, 0)) return;
  SetRunMode(view);
  ShowConnectionLabel({});
}

void MainWindowController::NextView() {
  if (run_mode() == 'M') {
    if (m_activeTerminal < kTerminalCount) return ShowTerminal(m_activeTerminal + 1);
    return ShowView('D');
  }
  switch (run_mode()) {
    case 'D':
      return ShowView('L');
    case 'L':
      return ShowView('A');
    default:
      return ShowTerminal(1);
  }
}

std::string MainWindowController::ConnectionLabelFor(int terminal) const {
  TerminalSender& sender = m_services.sender;
  switch (LinkKindOf(terminal, m_services.settings)) {
    case TerminalLinkKind::kAgw: {
      const std::string text = sender.AgwConnectionText();
      return text.empty() ? std::string() : "  " + text;
    }
    case TerminalLinkKind::kTelnet:
      return sender.IsConnected(terminal) ? sender.SessionName(terminal) : std::string();
    case TerminalLinkKind::kSerial:
      break;
  }
  return {};
}

void MainWindowController::ShowConnectionLabel(std::string text) {
  m_connectionLabel = std::move(text);
  m_view.SetConnectionLabel(m_connectionLabel);
}

void MainWindowController::ShowLinkState(int terminal, LinkState state, const std::string& address) {
  if (terminal < 1 || terminal > kTerminalCount) return;
  m_links[static_cast<std::size_t>(terminal - 1)] = {state, address};
  m_view.SetTerminalButton(terminal, state, TerminalButtonHint(terminal));
}

void MainWindowController::ShowLinkStates() {
  for (int n = 1; n <= kTerminalCount; ++n) {
    m_view.SetTerminalButton(n, m_links[static_cast<std::size_t>(n - 1)].state, TerminalButtonHint(n));
  }
}

std::string MainWindowController::TerminalButtonHint(int terminal) const {
  const LanguageTexts& texts = m_services.texts;
  const LinkShown& link = m_links[static_cast<std::size_t>(std::clamp(terminal, 1, kTerminalCount) - 1)];
  std::string hint = texts.Text(kTextShowTerminalHint) + " " + std::to_string(terminal) + "\n";
  switch (link.state) {
    case LinkState::kUp:
      return hint + texts.Text(kTextConnectedTo) + " " + link.address;
    case LinkState::kConnecting:
      return hint + texts.Text(kTextConnecting) + " " + link.address;
    case LinkState::kDown:
      break;
  }
  hint += texts.Text(kTextDisconnected);
  if (!link.address.empty()) hint += " (" + link.address + ")";
  return hint;
}

void MainWindowController::UpdateConnectionLabel() {
  ShowConnectionLabel(run_mode() == 'M' ? ConnectionLabelFor(m_activeTerminal) : std::string());
}

void MainWindowController::ShowInfoLineOfView() {
  m_view.SetStatusPanel(4, m_services.view_status.For(view()).text);
}

void MainWindowController::StatusLineChanged() {
  if (m_laidOut) ShowInfoLineOfView();
}

void MainWindowController::SetLastIotaIndex(WindowId window, int index) {
  if (window == WindowId::kDx) m_lastIotaDx = index;
  if (window == WindowId::kAlarm) m_lastIotaAlarm = index;
}

void MainWindowController::ShowSolarFlux(const std::string& text) { m_view.SetStatusPanel(3, text); }

void MainWindowController::Timer1Timer(int screen_dpi) {
  m_services.capture.FlushCaptures();
  if (!m_services.clock.Timer1Timer(screen_dpi)) return;
  m_view.SetStatusPanel(1, m_services.clock.status().date);
  m_view.SetStatusPanel(2, m_services.clock.status().time);
}

void MainWindowController::Receive1Click() {
  const int n = m_activeTerminal;
  switch (m_services.capture.Receive1Click(n)) {
    case CaptureChange::kStarted:
      m_view.SetStatusPanel(4, m_services.capture.StatusText(n));
      m_view.SetCaptureCaption(m_services.capture.CaptionFor(n));
      break;
    case CaptureChange::kStopped:
      m_view.SetCaptureCaption(m_services.capture.CaptionFor(n));
      if (m_laidOut) ShowInfoLineOfView();
      break;
    case CaptureChange::kNone:
      break;
  }
}

void MainWindowController::CaptureStopped(int terminal, const std::string& path) {
  if (terminal == m_activeTerminal) {
    m_view.SetCaptureCaption(m_services.capture.CaptionFor(terminal));
    if (m_laidOut) ShowInfoLineOfView();
  }
  m_view.PostCaptureError(path);
}

void MainWindowController::WriteBuf1Click() {
  (void)m_services.window_files.SaveWindow(m_services.windows.Get(CurrentWindow()));
}

void MainWindowController::ClearBuf1Click() {
  const WindowId window = CurrentWindow();
  (void)m_services.window_files.ClearWindow(window, m_services.windows.Get(window));
}

void MainWindowController::DxccMenuClick() {
  const ViewStatus& spot = m_services.view_status.For(view());
  if (m_services.seams.open_dxcc_window) m_services.seams.open_dxcc_window(spot.prefix, spot.band_key);
}

// The IOTA window follows the alarm view when it is on show, else the DX view.
void MainWindowController::IotaMenuClick() {
  const int index = run_mode() == 'A' ? m_lastIotaAlarm : m_lastIotaDx;
  if (m_services.seams.open_iota_window) m_services.seams.open_iota_window(index);
}

void MainWindowController::CountryMenuClick() {
  if (m_services.seams.open_country_window)
    m_services.seams.open_country_window(m_services.view_status.For(view()).prefix);
}

void MainWindowController::Send1Click() {
  if (m_services.seams.send_text_file) m_services.seams.send_text_file(m_activeTerminal);
}

void MainWindowController::QuitClick() { m_view.Close(); }

void MainWindowController::QuickConnectClick() {
  if (m_services.seams.quick_connect) m_services.seams.quick_connect();
}

void MainWindowController::SoundButtonClick() {
  Settings& settings = m_services.settings;
  settings.Sound = settings.Sound != 0 ? 0 : 1;
  m_view.SetSoundButton(settings.Sound != 0);
  if (m_services.seams.sound_switched) m_services.seams.sound_switched(settings.Sound != 0);
}

void MainWindowController::TestSoundClick() {
  if (m_services.seams.test_sound) m_services.seams.test_sound();
}

void MainWindowController::WriteCapture(int terminal, std::string_view line) {
  m_services.capture.WriteCapture(terminal, line);
}

void MainWindowController::FocusCommandLine(int terminal) {
  if (Shows('M', terminal)) m_view.SetFocus(FocusTarget::CommandLine(terminal));
}

}  // namespace brilox
