// The main window on the screen: toolbar with the connection label, the
// menu, the seven grids over the window line stores, the four command lines,
// the LoTW panel and the status bar.  It shows what the MainWindowController
// decides and hands it the keys, clicks, sizes and clock ticks; it decides
// nothing itself.
//
// Construction wires the window from the objects the program owns; the
// start-up sequence then calls controller().EnterStartView().  The line
// intake takes &controller() as its TerminalHooks, and the capture flag
// handler (capture().SetFlagHandler) reaches the intake's SetCapture.
// Window thread only.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "shell/lotw_call_field.h"
#include "shell/main_window_parts.h"
#include "shell/main_window_view.h"

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QStatusBar;
class QToolBar;

namespace brilox {

class LineGridView;
class LineStoreModel;

struct MainWindowEnvironment {
  std::string data_folder;     // shown in the About window
  bool lotw_user_list = true;  // the LOTW button shows only with the user list
  // The close query of the shutdown; without one the window closes.
  std::function<bool()> close_query;
  // The LoTW view's call field asks this on every change of its text;
  // without one no call is a user.
  std::function<LotwCallFieldState(const std::string& text)> lotw_check;
};

class MainWindow final : public QMainWindow, public MainWindowView {
  Q_OBJECT

 public:
  static constexpr int kClockIntervalMs = 250;

  MainWindow(const MainWindowDependencies& deps, MainWindowEnvironment environment,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  MainWindowController& controller() { return m_parts->controller; }
  MainWindowParts& parts() { return *m_parts; }
  TerminalCapture& capture() { return m_parts->capture; }

  // Filled by the LoTW user list: the count label's whole text.
  void SetLotwUserCount(const std::string& text);
  void SetLotwLastUpload(const std::string& date);
  // The LOTW button and Window menu item, hidden without the user list.
  // The menus take their captions from the language file, which start-up
  // reads after the window exists: once the texts are in, the menus are built
  // again from them (the item states follow at the next SetRunMode).
  void ApplyLanguageTexts();
  void SetLotwButtonVisible(bool visible);
  void SetQuickConnectHint(const std::string& hint);
  // A passing message over the status panels (the announcer's problems).
  void ShowStatusMessage(const QString& text);
  static constexpr int kStatusMessageMs = 15000;
  // The colour and font settings again (start-up, options dialog): rows,
  // command lines, connection label, and the layout that the fonts measure.
  void ApplyColoursAndFonts();
  // The first two status panels narrow on screens finer than 119 dpi.
  void FitStatusPanelsToScreen();

  // Widgets, for the tests and the screenshot tool.
  LineGridView* grid(WindowId window) const { return m_grids[static_cast<std::size_t>(window)]; }
  QLineEdit* commandLine(int n) const { return m_commandLines[static_cast<std::size_t>(n - 1)]; }
  QLineEdit* callField() const { return m_callField; }
  QWidget* lotwPanel() const { return m_lotwPanel; }
  QLabel* lotwCountLabel() const { return m_lotwCount; }
  QLabel* lotwUploadLabel() const { return m_lotwUpload; }
  QLabel* statusPanel(int panel) const { return m_panels[static_cast<std::size_t>(panel - 1)]; }
  QLabel* connectionLabel() const { return m_connectionLabel; }
  QAction* viewButton(WindowId window) const { return m_viewButtons[static_cast<std::size_t>(window)]; }
  QAction* windowMenuItem(WindowId window) const { return m_windowItems[static_cast<std::size_t>(window)]; }
  QAction* captureItem() const { return m_captureItem; }
  QAction* sendTextItem() const { return m_sendTextItem; }
  QAction* rxButton() const { return m_rxButton; }
  QAction* soundButton() const { return m_soundButton; }
  QAction* soundItem() const { return m_soundItem; }
  QStatusBar* statusBarWidget() const { return m_statusBar; }
  QAction* txButton() const { return m_txButton; }
  QWidget* desk() const { return m_desk; }

  // MainWindowView.
  void ApplyLayout(const MainLayout& layout) override;
  void ShowRunModeControls(const RunModeControls& controls) override;
  void SetCaptureCaption(const std::string& caption) override;
  void SetStatusPanel(int panel, const std::string& text) override;
  void SetConnectionLabel(const std::string& text) override;
  void SetSoundButton(bool on) override;
  void SetTerminalButton(int n, LinkState state, const std::string& hint) override;
  FocusTarget Focus() const override;
  void SetFocus(const FocusTarget& target) override;
  void SelectLastRow(WindowId window) override;
  CommandLineText CommandLine(int n) const override;
  void SetCommandLine(int n, const CommandLineText& line) override;
  bool HasSelection(const FocusTarget& target) const override;
  void CopySelection(const FocusTarget& target) override;
  void PasteIntoCallField() override;
  void PostCaptureError(const std::string& path) override;
  void Close() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool LetCommandLineType(int n, char ch, bool ctrl, const QKeyEvent& event);
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildDesk();
  void BuildToolbar();
  void BuildMenus();

  void BuildStatusBar();
  // The toolbar's hints from the language texts (built again with the menus).
  void SetToolbarHints();
  // Command lines in their terminals' colours, the LoTW panel in the LoTW window's.
  void PaintCommandLinesAndLotwPanel();
  void MeasureMetrics();
  void ShowAbout();
  bool HandleKey(QObject* watched, QKeyEvent* event);
  int CommandLineNumber(const QObject* widget) const;
  QLineEdit* FocusEdit(const FocusTarget& target) const;
  QWidget* FocusWidget(const FocusTarget& target) const;
  void ShowLotwCheck();

  MainWindowDependencies m_deps;
  MainWindowEnvironment m_environment;
  std::unique_ptr<MainWindowParts> m_parts;

  QWidget* m_desk = nullptr;
  QToolBar* m_toolbar = nullptr;
  QStatusBar* m_statusBar = nullptr;
  std::array<LineStoreModel*, kWindowCount> m_models{};
  std::array<LineGridView*, kWindowCount> m_grids{};
  std::array<QLineEdit*, kTerminalCount> m_commandLines{};
  QWidget* m_lotwPanel = nullptr;
  QLineEdit* m_callField = nullptr;
  QLabel* m_lotwCount = nullptr;
  QLabel* m_lotwUpload = nullptr;
  std::optional<std::string> m_lastCheckedCall;  // the call the LoTW panel answered last
  std::array<QLabel*, 4> m_panels{};
  QLabel* m_connectionLabel = nullptr;

  QAction* m_sendTextItem = nullptr;
  QAction* m_captureItem = nullptr;
  QAction* m_txButton = nullptr;
  QAction* m_rxButton = nullptr;
  QAction* m_soundButton = nullptr;
  QAction* m_soundItem = nullptr;  // in the Tools menu, beside "Test"
  QAction* m_lotwButton = nullptr;
  QAction* m_quickConnectButton = nullptr;
  QAction* m_clearButton = nullptr;
  QAction* m_showLogButton = nullptr;
  QAction* m_searchButton = nullptr;
  std::array<QAction*, kWindowCount> m_viewButtons{};
  std::array<QAction*, kWindowCount> m_windowItems{};

  QTimer m_clockTimer;
  bool m_redirecting = false;  // a character moved on to the command line
};

}  // namespace brilox
