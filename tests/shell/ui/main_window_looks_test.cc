// What the operator sees of the main window beyond its views: the toolbar's
// hints from the language texts, the colours of the command lines and the
// LoTW panel, the terminal buttons' link lamps, the escape marker of an
// echoed command, and the window's geometry from one start to the next.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>
#include <map>

#include "core/language_text_ids.h"
#include "shell/ui/line_grid_view.h"
#include "shell/ui/link_state_icon.h"
#include "shell/ui/main_window_fixture.h"
#include "shell/ui/row_style.h"
#include "shell/ui/window_geometry.h"

// Rectangles in failure messages as x,y WxH.
inline void PrintTo(const QRect& r, std::ostream* out) {
  *out << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace brilox {
namespace {

// The built-in texts until a test gives the language file's own.
class SwitchableTexts final : public LanguageTexts {
 public:
  std::map<int, std::string> file;
  std::string Text(int number) const override {
    const auto it = file.find(number);
    return it != file.end() ? it->second : BuiltInTexts().Text(number);
  }
};

class MainWindowLooksTest : public testing::QtMainWindowFixture {
 protected:
  void OpenWithSwitchableTexts() {
    window = std::make_unique<MainWindow>(
        MainWindowDependencies{settings, windows, sender, files, dialogs, messages, clock, format, switchable,
                               view_status, MainWindowSeams{}},
        MainWindowEnvironment{"/home/op/.local/share/MORVEL/BRILOX", true, {}});
    window->resize(800, 600);
    window->show();
    Settle();
    window->controller().EnterStartView();
    Settle();
  }
  QString Hint(WindowId w) const { return window->viewButton(w)->toolTip(); }

  SwitchableTexts switchable;
};

TEST_F(MainWindowLooksTest, ToolbarHintsComeFromTheLanguageFileOnceItIsRead) {
  OpenWithSwitchableTexts();
  EXPECT_EQ(Hint(WindowId::kDx), "Show DX spots") << "built-in texts before the file is read";

  switchable.file = {{kTextSendTextFile, "Envoyer un texte"},
                     {kTextClearWindow, "Effacer"},
                     {kTextShowLogMenu, "Afficher"},
                     {kTextSearchLogMenu, "Chercher"},
                     {kTextShowTerminalHint, "Voir le terminal"},
                     {kTextShowDxHint, "Voir les DX"},
                     {kTextShowAlarmsHint, "Voir les alarmes"},
                     {kTextShowLotwHint, "Voir LoTW"},
                     {kTextQuickConnect, "Connexion rapide"},
                     {kTextDisconnected,
                      "D\xE9"
                      "connect\xE9"}};
  window->ApplyLanguageTexts();
  std::map<QString, QString> hints;
  for (QAction* action : window->findChildren<QToolBar*>().front()->actions())
    hints[action->text()] = action->toolTip();
  EXPECT_EQ(hints["TX"], "Envoyer un texte");
  EXPECT_EQ(hints["Clear"], "Effacer");
  EXPECT_EQ(hints["SH/DX"], "Afficher");
  EXPECT_EQ(hints["Search"], "Chercher");
  EXPECT_EQ(hints["QC"], "Connexion rapide");
  EXPECT_EQ(Hint(WindowId::kDx), "Voir les DX");
  EXPECT_EQ(Hint(WindowId::kAlarm), "Voir les alarmes");
  EXPECT_EQ(Hint(WindowId::kLotw), "Voir LoTW");
  EXPECT_EQ(Hint(WindowId::kTerminal3), QString::fromUtf8("Voir le terminal 3\nDéconnecté"));
}

TEST_F(MainWindowLooksTest, CommandLinesTakeTheirTerminalsBackgroundAndTheLotwPanelItsColours) {
  Open();
  settings.Col.ColBkMon = 0x102030;
  settings.Col.ColBkMon2 = 0x405060;
  settings.Col.ColBkMon3 = 0x708090;
  settings.Col.ColBkMon4 = 0xA0B0C0;
  settings.Col.ColTX = 0x0000FF;
  settings.Col.ColBkLOTW = 0x00FFFF;
  settings.Col.ColLOTW = 0x800000;
  window->ApplyColoursAndFonts();
  const std::array<Colour, 4> backgrounds{0x102030, 0x405060, 0x708090, 0xA0B0C0};
  for (int n = 1; n <= 4; ++n) {
    const QPalette colours = CommandLine(n)->palette();
    EXPECT_EQ(colours.color(QPalette::Base), ToQColor(backgrounds[static_cast<std::size_t>(n - 1)])) << n;
    EXPECT_EQ(colours.color(QPalette::Text), QColor(Qt::red)) << n;
  }
  EXPECT_EQ(window->lotwPanel()->palette().color(QPalette::Window), QColor(Qt::yellow));
  EXPECT_EQ(window->lotwPanel()->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
  EXPECT_TRUE(window->lotwPanel()->autoFillBackground());

  // What the window draws: command line 2's field in its terminal's colour.
  window->viewButton(WindowId::kTerminal2)->trigger();
  Settle();
  const QImage drawn = CommandLine(2)->grab().toImage();
  EXPECT_EQ(drawn.pixelColor(drawn.width() - 6, drawn.height() / 2), ToQColor(0x405060));
}

TEST_F(MainWindowLooksTest, TerminalButtonsShowTheirLinkLampAndAddress) {
  Open();
  for (const LinkState state : {LinkState::kConnecting, LinkState::kUp, LinkState::kDown}) {
    window->controller().ShowLinkState(2, state, "dxc.example.org:7300");
    QAction* button = window->viewButton(WindowId::kTerminal2);
    EXPECT_EQ(button->data().toInt(), static_cast<int>(state));
    EXPECT_TRUE(button->toolTip().contains("dxc.example.org:7300")) << button->toolTip().toStdString();
    const QImage lamp = button->icon().pixmap(12, 12).toImage();
    EXPECT_EQ(lamp.pixelColor(3, 6).rgb() == LinkStateColour(state).rgb(), state != LinkState::kDown)
        << "the lamp's left half is filled unless the link is down";
  }
  EXPECT_EQ(window->viewButton(WindowId::kTerminal1)->data().toInt(), 0) << "another terminal is left alone";
}

TEST_F(MainWindowLooksTest, TheEscapeOfAnEchoedLocalCommandIsDrawnAsAGlyph) {
  Open();
  Store(WindowId::kTerminal1).AppendLine(std::string("\x1b") + "C dxc.example.org:7300");
  Settle();
  const QString shown = Grid(WindowId::kTerminal1)->model()->index(0, 0).data().toString();
  EXPECT_FALSE(shown.contains(QChar(0x1B)));
  EXPECT_EQ(shown.mid(1), "C dxc.example.org:7300");
  EXPECT_TRUE(QFontMetrics(ReceiveFont(settings.FontRX)).inFontUcs4(shown.at(0).unicode()))
      << "the marker is a glyph the row's font draws: U+" << std::hex
      << static_cast<int>(shown.at(0).unicode());
  EXPECT_EQ(RowText("plain \xE9t\xE9", QFont()), QString::fromUtf8("plain été"));
}

TEST_F(MainWindowLooksTest, AWindowClosedAndOpenedTenTimesStaysWhereItWas) {
  Open();
  const QRect area = window->screen()->availableGeometry();
  settings.MainFormLeft = area.left() + 37;
  settings.MainFormTop = area.top() + 41;
  settings.MainFormWidth = area.width() / 2;
  settings.MainFormHeight = area.height() / 2;
  const QRect first(settings.MainFormLeft, settings.MainFormTop, settings.MainFormWidth,
                    settings.MainFormHeight);
  for (int round = 0; round < 10; ++round) {
    RestoreWindowGeometry(*window, settings);
    Settle();
    TakeClosingWindow(settings, ClosingGeometry(*window));
  }
  EXPECT_EQ(
      QRect(settings.MainFormLeft, settings.MainFormTop, settings.MainFormWidth, settings.MainFormHeight),
      first);
  EXPECT_EQ(window->geometry(), first);
}

TEST_F(MainWindowLooksTest, AGeometryFromALargerScreenOpensInsideThePresentOne) {
  Open();
  const QRect area = window->screen()->availableGeometry();
  settings.MainFormLeft = area.right() + 500;
  settings.MainFormTop = area.bottom() + 300;
  settings.MainFormWidth = area.width() * 3;
  settings.MainFormHeight = area.height() * 2;
  RestoreWindowGeometry(*window, settings);
  Settle();
  EXPECT_TRUE(area.contains(window->frameGeometry())) << ::testing::PrintToString(window->frameGeometry());
}

}  // namespace
}  // namespace brilox
