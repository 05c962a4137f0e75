// The Qt faces: key events as the keyboard commands and command lines see
// them, the file-dialog filters, and the main window's start-up steps.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>

#include "shell/ui/key_translation.h"
#include "shell/ui/main_window_fixture.h"
#include "shell/ui/main_window_startup_steps.h"
#include "shell/ui/qt_dialogs.h"

namespace brilox {
namespace {

struct KeyCase {
  const char* name;
  int key;
  Qt::KeyboardModifiers modifiers;
  QString text;
  std::optional<char> typed;
  KeyCode code;
};

class KeyTranslationTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTranslationTest, GivesTheCommandsKeyAndTheTypedByte) {
  const KeyCase& c = GetParam();
  const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
  EXPECT_EQ(TypedCharacter(event), c.typed);
  EXPECT_EQ(ToKeyStroke(event).code, c.code);
  EXPECT_EQ(ToKeyStroke(event).ctrl, (c.modifiers & Qt::ControlModifier) != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTranslationTest,
    ::testing::Values(
        KeyCase{"Letter", Qt::Key_A, Qt::NoModifier, "a", 'a', KeyCode::kOther},
        KeyCase{"CtrlLetterIsItsControlCode", Qt::Key_A, Qt::ControlModifier, "", '\x01', KeyCode::kOther},
        KeyCase{"CtrlWithShift", Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier, "", '\x17', KeyCode::kW},
        KeyCase{"CtrlZ", Qt::Key_Z, Qt::ControlModifier, "\x1a", '\x1a', KeyCode::kZ},
        KeyCase{"Return", Qt::Key_Return, Qt::NoModifier, "\r", '\r', KeyCode::kOther},
        KeyCase{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, "\r", '\r', KeyCode::kOther},
        KeyCase{"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b", '\x1b', KeyCode::kOther},
        KeyCase{"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", '\b', KeyCode::kOther},
        KeyCase{"DeleteTypesNothing", Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt, KeyCode::kOther},
        KeyCase{"Latin1Letter", Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)), '\xe9',
                KeyCode::kOther},
        KeyCase{"BeyondLatin1", Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x20AC)), '?',
                KeyCode::kOther},
        KeyCase{"ArrowTypesNothing", Qt::Key_Up, Qt::ControlModifier, "", std::nullopt, KeyCode::kUp},
        KeyCase{"FunctionKey", Qt::Key_F7, Qt::ShiftModifier, "", std::nullopt, KeyCode::kF7},
        KeyCase{"PageDown", Qt::Key_PageDown, Qt::NoModifier, "", std::nullopt, KeyCode::kPageDown}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST(QtFilter, TurnsPipePairsIntoQtFilters) {
  EXPECT_EQ(QtFilter("Text files (*.txt)|*.txt"), QStringLiteral("Text files (*.txt)"));
  EXPECT_EQ(QtFilter("Text files (*.txt)|*.txt|All files|*"),
            QStringLiteral("Text files (*.txt);;All files (*)"));
  EXPECT_EQ(QtFilter("Logs|*.dat;*.txt"), QStringLiteral("Logs (*.dat *.txt)"));
  EXPECT_EQ(QtFilter(""), QString());
}

class StartupStepsTest : public testing::QtMainWindowFixture {};

TEST_F(StartupStepsTest, TheWindowTakesItsStartSteps) {
  Open();
  MainWindowStartupSteps steps(*window);
  steps.SetRunMode(StartView{'M', 3});
  EXPECT_EQ(window->controller().active_terminal(), 3);
  EXPECT_TRUE(CommandLine(3)->isVisible());
  steps.SetRunMode(StartView{'L', 1});
  EXPECT_EQ(window->controller().run_mode(), 'L');

  steps.ShowSolarFlux("SFI=152");
  EXPECT_EQ(window->statusPanel(3)->text(), QStringLiteral("SFI=152"));
  steps.HideLotwSearch();
  EXPECT_FALSE(window->viewButton(WindowId::kLotw)->isVisible());
  EXPECT_FALSE(window->windowMenuItem(WindowId::kLotw)->isVisible());
  steps.SetMainTitle("BRILOX 8.5j");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("BRILOX 8.5j"));

  settings.Col.ColBkDX = 0x00FF00;
  steps.ApplyColours(settings.Col);
  LineStore& dx = Store(WindowId::kDx);
  dx.AppendLine("row");
  EXPECT_EQ(Grid(WindowId::kDx)
                ->lineModel()
                ->data(Grid(WindowId::kDx)->lineModel()->index(0), Qt::BackgroundRole)
                .value<QBrush>()
                .color(),
            QColor(0, 255, 0));
}

}  // namespace
}  // namespace brilox
