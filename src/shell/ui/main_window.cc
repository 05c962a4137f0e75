#include "shell/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QToolBar>

#include "shell/ui/key_translation.h"
#include "shell/ui/line_grid_view.h"
#include "shell/ui/line_store_model.h"
#include "shell/ui/link_state_icon.h"
#include "shell/ui/qt_dialogs.h"
#include "shell/ui/row_style.h"
#include "shell/ui/window_geometry.h"

namespace brilox {
namespace {

void Place(QWidget* widget, const Rect& rect) {
  if (rect.empty()) {
    widget->hide();
    return;
  }
  widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
  widget->show();
}

}  // namespace

MainWindow::MainWindow(const MainWindowDependencies& deps, MainWindowEnvironment environment, QWidget* parent)
    : QMainWindow(parent), m_deps(deps), m_environment(std::move(environment)) {
  setWindowTitle(QStringLiteral("BRILOX"));
  BuildDesk();
  BuildToolbar();
  BuildStatusBar();
  BuildMenus();
  m_parts = std::make_unique<MainWindowParts>(m_deps, *this);
  SetToolbarHints();
  MeasureMetrics();
  SetLotwButtonVisible(m_environment.lotw_user_list);

  m_clockTimer.setInterval(kClockIntervalMs);
  connect(&m_clockTimer, &QTimer::timeout, this, [this] { controller().Timer1Timer(OperatorDpi(*this)); });
  m_clockTimer.start();
  controller().Timer1Timer(OperatorDpi(*this));
  resize(m_deps.settings.MainFormWidth, m_deps.settings.MainFormHeight);
}

MainWindow::~MainWindow() {
  m_clockTimer.stop();
  // The models detach from the stores, which outlive the window.
  for (LineGridView* grid : m_grids) grid->setModel(nullptr);
  for (LineStoreModel*& model : m_models) {
    delete model;
    model = nullptr;
  }
}

void MainWindow::BuildDesk() {
  m_desk = new QWidget(this);
  setCentralWidget(m_desk);
  m_desk->installEventFilter(this);

  for (int w = 0; w < kWindowCount; ++w) {
    const WindowId window = static_cast<WindowId>(w);
    auto* model = new LineStoreModel(m_deps.windows.Get(window), window, m_deps.settings);
    auto* grid = new LineGridView(model, m_desk);
    grid->hide();
    grid->installEventFilter(this);
    connect(grid, &LineGridView::rowRightClicked, this,
            [this, grid](int row, int x, Qt::KeyboardModifiers modifiers) {
              const auto& click = controller().seams().row_right_click;
              // The grid's row numbers are its model's: rows the store has
              // already trimmed stay until the next paint tick.
              const std::string& text = grid->lineModel()->RowBytes(row);
              if (!click || text.empty()) return;
              const QFontMetrics metrics(grid->font());
              click(
                  text, x,
                  [&metrics](std::string_view text) {
                    return metrics.horizontalAdvance(
                        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
                  },
                  (modifiers & Qt::AltModifier) != 0, (modifiers & Qt::ControlModifier) != 0);
            });
    m_models[static_cast<std::size_t>(w)] = model;
    m_grids[static_cast<std::size_t>(w)] = grid;
  }

  const QFont command_font = ReceiveFont(m_deps.settings.FontTX);
  for (int n = 1; n <= kTerminalCount; ++n) {
    auto* line = new QLineEdit(m_desk);
    line->setMaxLength(static_cast<int>(CommandLineText::kMaxLength));
    line->setFont(command_font);
    line->hide();
    line->installEventFilter(this);
    m_commandLines[static_cast<std::size_t>(n - 1)] = line;
  }

  m_lotwPanel = new QWidget(m_desk);
  auto* panel_layout = new QHBoxLayout(m_lotwPanel);
  panel_layout->setContentsMargins(4, 0, 4, 0);
  panel_layout->addWidget(new QLabel(QStringLiteral("LoTW users check:"), m_lotwPanel));
  m_callField = new QLineEdit(m_lotwPanel);
  m_callField->setMaxLength(15);
  m_callField->setFixedWidth(m_callField->fontMetrics().horizontalAdvance(QString(16, QLatin1Char('W'))));
  connect(m_callField, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int caret = m_callField->cursorPosition();
    m_callField->setText(text.toUpper());
    m_callField->setCursorPosition(caret);
  });
  // Calls only: letters, digits and "/" (backspace edits as always).
  m_callField->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9/]*")), m_callField));
  connect(m_callField, &QLineEdit::textChanged, this, &MainWindow::ShowLotwCheck);
  m_callField->installEventFilter(this);
  panel_layout->addWidget(m_callField);
  m_lotwCount = new QLabel(QStringLiteral("(0 known callsigns)"), m_lotwPanel);
  m_lotwUpload = new QLabel(QStringLiteral("(last upload: 2000-01-01)"), m_lotwPanel);
  panel_layout->addWidget(m_lotwCount);
  panel_layout->addWidget(m_lotwUpload);
  panel_layout->addStretch();
  m_lotwPanel->setAutoFillBackground(true);
  m_lotwPanel->hide();
  PaintCommandLinesAndLotwPanel();
}

void MainWindow::PaintCommandLinesAndLotwPanel() {
  const Colours& col = m_deps.settings.Col;
  const std::array<Colour, kTerminalCount> backgrounds{col.ColBkMon, col.ColBkMon2, col.ColBkMon3,
                                                       col.ColBkMon4};
  for (std::size_t n = 0; n < m_commandLines.size(); ++n) {
    QPalette colours = m_commandLines[n]->palette();
    colours.setColor(QPalette::Base, ToQColor(backgrounds[n]));
    colours.setColor(QPalette::Text, ToQColor(col.ColTX));
    m_commandLines[n]->setPalette(colours);
  }
  QPalette panel = m_lotwPanel->palette();
  panel.setColor(QPalette::Window, ToQColor(col.ColBkLOTW));
  panel.setColor(QPalette::WindowText, ToQColor(col.ColLOTW));
  m_lotwPanel->setPalette(panel);
}

void MainWindow::MeasureMetrics() {
  LayoutMetrics metrics;
  metrics.toolbar = m_toolbar->sizeHint().height();
  metrics.status_bar = m_statusBar->sizeHint().height();
  const QFontMetrics font(m_commandLines[0]->font());
  // The edit field's frame needs room as well as the text.
  metrics.command_line =
      std::max(HauteurPolice(font.height(), font.leading()), m_commandLines[0]->sizeHint().height());
  controller().SetMetrics(metrics);
}

void MainWindow::SetLotwUserCount(const std::string& text) { m_lotwCount->setText(FromLatin1(text)); }

// `EditLOTWuserChange`: green with the upload date for a user, red otherwise.
// The field's current text, not the signal's: the upper-casing of a typed
// letter changes the text again before the first change is reported.
void MainWindow::ShowLotwCheck() {
  const std::string call = m_callField->text().toLatin1().toStdString();
  // One answer (and one beep) per change of the call.
  if (m_lastCheckedCall && *m_lastCheckedCall == call) return;
  m_lastCheckedCall = call;
  LotwCallFieldState state;
  if (m_environment.lotw_check) state = m_environment.lotw_check(call);
  QPalette palette = m_callField->palette();
  palette.setColor(QPalette::Text, state.user ? Qt::darkGreen : Qt::red);
  m_callField->setPalette(palette);
  m_lotwUpload->setText(FromLatin1(state.upload_label));
  m_lotwUpload->setVisible(state.show_upload);
  if (state.beep) QApplication::beep();
}

void MainWindow::SetLotwLastUpload(const std::string& date) {
  m_lotwUpload->setText(QStringLiteral("(last upload: %1)").arg(FromLatin1(date)));
}

void MainWindow::SetLotwButtonVisible(bool visible) {
  m_lotwButton->setVisible(visible);
  windowMenuItem(WindowId::kLotw)->setVisible(visible);
}

void MainWindow::SetQuickConnectHint(const std::string& hint) {
  m_quickConnectButton->setToolTip(FromLatin1(hint));
}

void MainWindow::ApplyColoursAndFonts() {
  for (std::size_t w = 0; w < m_grids.size(); ++w) {
    m_models[w]->ApplySettings();
    m_grids[w]->ApplyModelStyle();
  }
  const QFont command_font = ReceiveFont(m_deps.settings.FontTX);
  for (QLineEdit* line : m_commandLines) line->setFont(command_font);
  PaintCommandLinesAndLotwPanel();
  QPalette label = m_connectionLabel->palette();
  label.setColor(QPalette::WindowText, ToQColor(m_deps.settings.Col.ColConn));
  m_connectionLabel->setPalette(label);
  MeasureMetrics();
  controller().FormResize(m_desk->width(), m_desk->height());
}

void MainWindow::FitStatusPanelsToScreen() {
  const std::array<int, 4> widths = StatusPanelWidths(OperatorDpi(*this));
  for (std::size_t i = 0; i < m_panels.size(); ++i) m_panels[i]->setFixedWidth(widths[i]);
}

// MainWindowView.

void MainWindow::ApplyLayout(const MainLayout& layout) {
  for (int w = 0; w < kWindowCount; ++w)
    Place(m_grids[static_cast<std::size_t>(w)], layout.grids[static_cast<std::size_t>(w)]);
  for (int n = 0; n < kTerminalCount; ++n) {
    Place(m_commandLines[static_cast<std::size_t>(n)], layout.command_lines[static_cast<std::size_t>(n)]);
  }
  Place(m_lotwPanel, layout.lotw_panel);
  Place(m_statusBar, layout.status_bar);
}

void MainWindow::ShowRunModeControls(const RunModeControls& controls) {
  const bool can_send = controls.send_text_enabled && static_cast<bool>(controller().seams().send_text_file);
  m_sendTextItem->setEnabled(can_send);
  m_txButton->setEnabled(can_send);
  m_captureItem->setEnabled(controls.capture_enabled);
  m_rxButton->setEnabled(controls.capture_enabled);
  SetCaptureCaption(controls.capture_caption);
  const auto checked = static_cast<std::size_t>(controls.checked_view);
  for (std::size_t w = 0; w < m_viewButtons.size(); ++w) {
    m_viewButtons[w]->setChecked(w == checked);
    m_windowItems[w]->setChecked(w == checked);
  }
}

void MainWindow::SetCaptureCaption(const std::string& caption) {
  m_captureItem->setText(FromLatin1(caption));
  m_rxButton->setToolTip(FromLatin1(caption));
}

void MainWindow::SetStatusPanel(int panel, const std::string& text) {
  if (panel < 1 || panel > 4) return;
  m_panels[static_cast<std::size_t>(panel - 1)]->setText(FromLatin1(text));
}

void MainWindow::SetConnectionLabel(const std::string& text) { m_connectionLabel->setText(FromLatin1(text)); }

void MainWindow::SetSoundButton(bool on) {
  m_soundButton->setChecked(on);
  if (m_soundItem != nullptr) m_soundItem->setChecked(on);
}

void MainWindow::ShowStatusMessage(const QString& text) { m_statusBar->showMessage(text, kStatusMessageMs); }

void MainWindow::SetTerminalButton(int n, LinkState state, const std::string& hint) {
  if (n < 1 || n > kTerminalCount) return;
  QAction* button = m_viewButtons[static_cast<std::size_t>(n - 1)];
  button->setIcon(LinkStateIcon(state));
  button->setData(static_cast<int>(state));
  button->setToolTip(FromLatin1(hint));
}

FocusTarget MainWindow::Focus() const {
  const QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr) return {};
  if (focused == m_callField) return FocusTarget::CallField();
  if (const int n = CommandLineNumber(focused); n > 0) return FocusTarget::CommandLine(n);
  for (int w = 0; w < kWindowCount; ++w) {
    if (focused == m_grids[static_cast<std::size_t>(w)]) return FocusTarget::Grid(static_cast<WindowId>(w));
  }
  return {};
}

QWidget* MainWindow::FocusWidget(const FocusTarget& target) const {
  switch (target.kind) {
    case FocusTarget::Kind::kGrid:
      return grid(target.window);
    case FocusTarget::Kind::kCommandLine:
      return commandLine(target.terminal);
    case FocusTarget::Kind::kLotwCallField:
      return m_callField;
    case FocusTarget::Kind::kNone:
      break;
  }
  return nullptr;
}

QLineEdit* MainWindow::FocusEdit(const FocusTarget& target) const {
  if (target.kind == FocusTarget::Kind::kCommandLine) return commandLine(target.terminal);
  if (target.kind == FocusTarget::Kind::kLotwCallField) return m_callField;
  return nullptr;
}

void MainWindow::SetFocus(const FocusTarget& target) {
  if (QWidget* widget = FocusWidget(target)) widget->setFocus(Qt::OtherFocusReason);
}

void MainWindow::SelectLastRow(WindowId window) {
  // The last row the store holds, not the last one the grid has painted.
  grid(window)->TakeArrivedRows();
  LineStoreModel* model = m_models[static_cast<std::size_t>(window)];
  grid(window)->setCurrentIndex(model->index(model->rowCount() - 1));
}

CommandLineText MainWindow::CommandLine(int n) const {
  const QLineEdit* line = commandLine(n);
  CommandLineText text;
  text.text = ToLatin1(line->text());
  text.caret = static_cast<std::size_t>(line->cursorPosition());
  return text;
}

void MainWindow::SetCommandLine(int n, const CommandLineText& line) {
  QLineEdit* edit = commandLine(n);
  const QString text = FromLatin1(line.text);
  if (edit->text() != text) edit->setText(text);
  edit->setCursorPosition(static_cast<int>(line.caret));
}

bool MainWindow::HasSelection(const FocusTarget& target) const {
  const QLineEdit* edit = FocusEdit(target);
  return edit != nullptr && edit->hasSelectedText();
}

void MainWindow::CopySelection(const FocusTarget& target) {
  const QLineEdit* edit = FocusEdit(target);
  if (edit != nullptr && edit->hasSelectedText()) QApplication::clipboard()->setText(edit->selectedText());
}

void MainWindow::PasteIntoCallField() {
  m_callField->paste();
  m_callField->setText(m_callField->text().toUpper());
}

void MainWindow::PostCaptureError(const std::string& path) {
  // The error arrived while text was being received: the box waits until
  // that work is done.
  QTimer::singleShot(0, this, [this, path] { m_parts->capture.ShowWriteError(path); });
}

void MainWindow::Close() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (m_environment.close_query && !m_environment.close_query()) {
    event->ignore();
    return;
  }
  event->accept();
}

// Keys.

int MainWindow::CommandLineNumber(const QObject* widget) const {
  for (int n = 1; n <= kTerminalCount; ++n) {
    if (widget == m_commandLines[static_cast<std::size_t>(n - 1)]) return n;
  }
  return 0;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_desk && event->type() == QEvent::Resize) {
    m_toolbar->setGeometry(0, 0, m_desk->width(), m_toolbar->sizeHint().height());
    m_statusBar->setGeometry(0, m_desk->height() - m_statusBar->sizeHint().height(), m_desk->width(),
                             m_statusBar->sizeHint().height());
    controller().FormResize(m_desk->width(), m_desk->height());
    return false;
  }
  // The desk is watched for its size only: a key that a grid left unused
  // climbs to it and must not be handled twice.
  if (event->type() == QEvent::KeyPress && watched != m_desk) {
    return HandleKey(watched, static_cast<QKeyEvent*>(event));
  }
  // Text an input method commits bypasses the keys: the same rule applies.
  if (event->type() == QEvent::InputMethod) {
    auto* input = static_cast<QInputMethodEvent*>(event);
    const int n = CommandLineNumber(watched);
    if (n > 0 && !input->commitString().isEmpty() &&
        !controller().CommandLineTypedText(n, input->commitString().toStdString())) {
      input->setCommitString(QString());
    }
    return false;
  }
  return QMainWindow::eventFilter(watched, event);
}

// The order of the window's key handling: the keyboard commands see every
// key first, then the window previews typed characters (Enter sends the
// current command line, typing elsewhere moves to it), then the command
// line's own handling decides what the edit field types.
bool MainWindow::HandleKey(QObject* watched, QKeyEvent* event) {
  const bool ctrl = IsCtrlHeld(*event);
  const std::optional<char> ch = TypedCharacter(*event);
  if (m_redirecting) {
    const int n = CommandLineNumber(watched);
    return n > 0 && ch && !LetCommandLineType(n, *ch, ctrl, *event);
  }
  if (controller().FormKeyDown(ToKeyStroke(*event))) return true;
  if (!ch) return false;
  switch (controller().FormKeyPress(*ch, ctrl)) {
    case FormKeyPressOutcome::kConsumed:
      return true;
    case FormKeyPressOutcome::kRedirect: {
      QKeyEvent moved(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                      static_cast<quint16>(event->count()));
      m_redirecting = true;
      QApplication::sendEvent(commandLine(controller().active_terminal()), &moved);
      m_redirecting = false;
      return true;
    }
    case FormKeyPressOutcome::kPassOn:
      break;
  }
  if (const int n = CommandLineNumber(watched); n > 0) return !LetCommandLineType(n, *ch, ctrl, *event);
  return false;
}

// A printable key is judged by its whole text (a character beyond one byte
// included); control keys by the character they type.
bool MainWindow::LetCommandLineType(int n, char ch, bool ctrl, const QKeyEvent& event) {
  if (!ctrl && IsPrintableText(event))
    return controller().CommandLineTypedText(n, event.text().toStdString());
  return controller().CommandLineKeyPress(n, ch, ctrl);
}

}  // namespace brilox
