// The main window's toolbar, menu and status bar.  Items of parts that come
// later are present and disabled; the ones whose operation is wired in
// through a seam are enabled.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "core/language_text_ids.h"
#include "shell/ui/about_window.h"
#include "shell/ui/link_state_icon.h"
#include "shell/ui/main_window.h"
#include "shell/ui/qt_dialogs.h"
#include "shell/ui/row_style.h"
#include "shell/ui/window_geometry.h"

namespace brilox {
namespace {

constexpr std::array<char, kWindowCount> kViewOfWindow{'M', 'M', 'M', 'M', 'D', 'A', 'L'};

QAction* Disabled(QAction* action) {
  action->setEnabled(false);
  return action;
}

}  // namespace

void MainWindow::BuildToolbar() {
  const MainWindowSeams& seams = m_deps.seams;

  m_toolbar = new QToolBar(m_desk);
  m_toolbar->setMovable(false);
  m_toolbar->setFloatable(false);
  m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);

  m_txButton = m_toolbar->addAction(QStringLiteral("TX"), this, [this] { controller().Send1Click(); });
  m_rxButton = m_toolbar->addAction(QStringLiteral("RX"), this, [this] { controller().Receive1Click(); });
  m_clearButton =
      m_toolbar->addAction(QStringLiteral("Clear"), this, [this] { controller().ClearBuf1Click(); });
  m_toolbar->addSeparator();
  m_showLogButton = Disabled(m_toolbar->addAction(QStringLiteral("SH/DX")));
  m_searchButton = Disabled(m_toolbar->addAction(QStringLiteral("Search")));
  m_toolbar->addSeparator();

  auto* views = new QActionGroup(this);
  views->setExclusive(true);
  const std::array<QString, kWindowCount> captions{
      QStringLiteral("1"),  QStringLiteral("2"),     QStringLiteral("3"),   QStringLiteral("4"),
      QStringLiteral("DX"), QStringLiteral("Alarm"), QStringLiteral("LOTW")};
  for (int w = 0; w < kWindowCount; ++w) {
    if (w == 4) m_toolbar->addSeparator();
    QAction* button = m_toolbar->addAction(captions[static_cast<std::size_t>(w)]);
    button->setCheckable(true);
    if (w < kTerminalCount) {
      // The terminal buttons carry their link's lamp beside the number.
      button->setIcon(LinkStateIcon(LinkState::kDown));
      if (auto* tool = qobject_cast<QToolButton*>(m_toolbar->widgetForAction(button))) {
        tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
      }
    }
    views->addAction(button);
    const char view = kViewOfWindow[static_cast<std::size_t>(w)];
    connect(button, &QAction::triggered, this, [this, w, view] {
      if (view == 'M') {
        controller().ShowTerminal(w + 1);
      } else {
        controller().ShowView(view);
      }
    });
    m_viewButtons[static_cast<std::size_t>(w)] = button;
  }
  m_lotwButton = m_viewButtons[static_cast<std::size_t>(WindowId::kLotw)];
  m_toolbar->addSeparator();

  QAction* telnet = m_toolbar->addAction(QStringLiteral("Telnet"), this, [this] {
    if (controller().seams().open_telnet_directory) controller().seams().open_telnet_directory();
  });
  telnet->setEnabled(static_cast<bool>(seams.open_telnet_directory));
  m_toolbar->addSeparator();
  m_quickConnectButton =
      m_toolbar->addAction(QStringLiteral("QC"), this, [this] { controller().QuickConnectClick(); });
  m_quickConnectButton->setEnabled(static_cast<bool>(seams.quick_connect));
  m_toolbar->addSeparator();
  m_soundButton = m_toolbar->addAction(QStringLiteral("Sound"));
  m_soundButton->setCheckable(true);
  connect(m_soundButton, &QAction::triggered, this, [this] { controller().SoundButtonClick(); });

  m_connectionLabel = new QLabel(m_toolbar);
  QFont bold = m_connectionLabel->font();
  bold.setBold(true);
  m_connectionLabel->setFont(bold);
  QPalette colours = m_connectionLabel->palette();
  colours.setColor(QPalette::WindowText, ToQColor(m_deps.settings.Col.ColConn));
  m_connectionLabel->setPalette(colours);
  m_connectionLabel->setMinimumWidth(132);
  m_connectionLabel->setMaximumWidth(150);
  m_toolbar->addWidget(m_connectionLabel);
}

void MainWindow::SetToolbarHints() {
  const LanguageTexts& texts = m_deps.texts;
  auto text = [&texts](int number) { return FromLatin1(texts.Text(number)); };
  m_txButton->setToolTip(text(kTextSendTextFile));
  m_clearButton->setToolTip(text(kTextClearWindow));
  m_showLogButton->setToolTip(text(kTextShowLogMenu));
  m_searchButton->setToolTip(text(kTextSearchLogMenu));
  viewButton(WindowId::kDx)->setToolTip(text(kTextShowDxHint));
  viewButton(WindowId::kAlarm)->setToolTip(text(kTextShowAlarmsHint));
  viewButton(WindowId::kLotw)->setToolTip(text(kTextShowLotwHint));
  SetQuickConnectHint(m_deps.settings.QuickConnect.empty() ? texts.Text(kTextQuickConnect)
                                                           : m_deps.settings.QuickConnect);
  // The RX hint is the capture caption, which the next run mode sets.
  controller().ShowLinkStates();
}

void MainWindow::ApplyLanguageTexts() {
  const bool lotw_shown = windowMenuItem(WindowId::kLotw)->isVisible();
  QMenuBar* bar = menuBar();
  bar->clear();
  for (QMenu* menu : bar->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) menu->deleteLater();
  BuildMenus();
  windowMenuItem(WindowId::kLotw)->setVisible(lotw_shown);
  SetToolbarHints();
}

void MainWindow::BuildMenus() {
  const LanguageTexts& texts = m_deps.texts;
  auto text = [&texts](int number) { return FromLatin1(texts.Text(number)); };
  QMenuBar* bar = menuBar();

  QMenu* file = bar->addMenu(text(kTextFileMenu));
  m_sendTextItem = file->addAction(text(kTextSendTextFile), this, [this] { controller().Send1Click(); });
  m_sendTextItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  m_captureItem = file->addAction(text(kTextStartCapture), this, [this] { controller().Receive1Click(); });
  m_captureItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  file->addSeparator();
  file->addAction(text(kTextSaveWindow), this, [this] { controller().WriteBuf1Click(); });
  file->addAction(text(kTextClearWindow), this, [this] { controller().ClearBuf1Click(); });
  file->addSeparator();
  file->addAction(text(kTextQuit), this, [this] { controller().QuitClick(); });

  const std::array<const char*, 5> logs{"ANN", "CHAT", "DX", "TALK", "WWV"};
  QMenu* show = bar->addMenu(text(kTextShowLogMenu));
  for (std::size_t i = 0; i < logs.size(); ++i) {
    Disabled(show->addAction(QString::fromLatin1(logs[i])))
        ->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_F1 + static_cast<int>(i))));
  }
  QMenu* search = bar->addMenu(text(kTextSearchLogMenu));
  for (std::size_t i = 0; i < 4; ++i) {
    Disabled(search->addAction(QString::fromLatin1(logs[i])))
        ->setShortcut(
            QKeySequence(Qt::SHIFT | Qt::CTRL | static_cast<Qt::Key>(Qt::Key_F1 + static_cast<int>(i))));
  }
  QAction* dxcc = bar->addAction(QStringLiteral("D&XCC"), this, [this] { controller().DxccMenuClick(); });
  dxcc->setShortcut(QKeySequence(Qt::Key_F8));
  dxcc->setEnabled(static_cast<bool>(m_deps.seams.open_dxcc_window));
  QAction* iota = bar->addAction(QStringLiteral("&IOTA"), this, [this] { controller().IotaMenuClick(); });
  iota->setShortcut(QKeySequence(Qt::Key_F9));
  iota->setEnabled(static_cast<bool>(m_deps.seams.open_iota_window));
  QAction* country =
      bar->addAction(text(kTextCountryMenu), this, [this] { controller().CountryMenuClick(); });
  country->setShortcut(QKeySequence(Qt::Key_F10));
  country->setEnabled(static_cast<bool>(m_deps.seams.open_country_window));

  QMenu* window = bar->addMenu(text(kTextWindowMenu));
  auto* items = new QActionGroup(window);  // goes with the menu when the menus are built again
  items->setExclusive(true);
  for (int w = 0; w < kWindowCount; ++w) {
    QString caption;
    if (w < kTerminalCount) {
      caption = text(kTextMonitor) + QStringLiteral(" %1").arg(w + 1);
    } else if (w == 4) {
      caption = QStringLiteral("DX");
    } else if (w == 5) {
      caption = text(kTextAlarm);
    } else {
      caption = QStringLiteral("LOTW");
    }
    if (w == 4) window->addSeparator();
    QAction* item = window->addAction(caption);
    item->setCheckable(true);
    item->setShortcut(QKeySequence(static_cast<Qt::Key>(Qt::Key_F1 + w)));
    items->addAction(item);
    const char view = kViewOfWindow[static_cast<std::size_t>(w)];
    connect(item, &QAction::triggered, this, [this, w, view] {
      if (view == 'M') {
        controller().ShowTerminal(w + 1);
      } else {
        controller().ShowView(view);
      }
    });
    m_windowItems[static_cast<std::size_t>(w)] = item;
  }

  QAction* commands = bar->addAction(text(kTextCommandsMenu), this, [this] {
    if (controller().seams().open_shortcuts_window) controller().seams().open_shortcuts_window();
  });
  commands->setEnabled(static_cast<bool>(m_deps.seams.open_shortcuts_window));
  Disabled(bar->addAction(text(kTextScriptsMenu)));

  QMenu* tools = bar->addMenu(text(kTextToolsMenu));
  Disabled(tools->addAction(text(kTextDxSimulationMenu)))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  tools->addSeparator();
  const QString update = text(kTextUpdateLotwFromInternet);
  for (const char* name : {"COUNTRY", "IOTA", "LoTW", "TELNET"}) {
    QString caption = update;
    caption.replace(QStringLiteral("LoTW"), QString::fromLatin1(name));
    Disabled(tools->addAction(caption));
  }
  tools->addSeparator();
  Disabled(tools->addAction(text(kTextUpdateIotaFromFile)));
  tools->addSeparator();
  const auto import_item = [this, tools](const QString& caption, LogImportKind kind) {
    QAction* item = tools->addAction(caption, this, [this, kind] {
      if (controller().seams().import_log) controller().seams().import_log(kind);
    });
    item->setEnabled(static_cast<bool>(m_deps.seams.import_log));
  };
  import_item(text(kTextImportAdif) + QStringLiteral(" (DXCC)"), LogImportKind::kDxcc);
  import_item(text(kTextImportAdif) + QStringLiteral(" (IOTA)"), LogImportKind::kIota);
  tools->addSeparator();
  import_item(text(kTextImportLotwReport), LogImportKind::kLotwReport);
  Disabled(tools->addAction(text(kTextImportLotwFromArrl)));
  tools->addSeparator();
  Disabled(tools->addAction(text(kTextBackupDatabases)));
  Disabled(tools->addAction(text(kTextExportSettings)));
  tools->addSeparator();
  m_soundItem = tools->addAction(QStringLiteral("Sound"), this, [this] { controller().SoundButtonClick(); });
  m_soundItem->setCheckable(true);
  m_soundItem->setChecked(m_deps.settings.Sound != 0);
  tools->addAction(QStringLiteral("Test"), this, [this] { controller().TestSoundClick(); })
      ->setEnabled(static_cast<bool>(m_deps.seams.test_sound));

  Disabled(bar->addAction(text(kTextOptionsMenu)));
  bar->addAction(text(kTextAboutMenu), this, [this] { ShowAbout(); });
}

void MainWindow::BuildStatusBar() {
  m_statusBar = new QStatusBar(m_desk);
  m_statusBar->setSizeGripEnabled(false);
  // The info panel changes with every spot: opaque panels repaint alone,
  // without the window's background beneath them.
  m_statusBar->setAutoFillBackground(true);
  const std::array<int, 4> widths = StatusPanelWidths(OperatorDpi(*this));
  for (std::size_t i = 0; i < m_panels.size(); ++i) {
    auto* panel = new QLabel(m_statusBar);
    panel->setFixedWidth(widths[i]);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    if (i < 3) panel->setAlignment(Qt::AlignCenter);
    m_statusBar->addWidget(panel);
    m_panels[i] = panel;
  }
}

void MainWindow::ShowAbout() {
  AboutWindow about(m_environment.data_folder, this);
  about.adjustSize();
  const QRect main = frameGeometry();
  const QRect screen =
      this->screen() != nullptr ? this->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  const Point corner = PlaceOverMainWindow({main.left(), main.top(), main.width(), main.height()}, height(),
                                           about.width(), about.height(), screen.width(), screen.height());
  about.move(corner.x, corner.y);
  about.exec();
}

}  // namespace brilox
