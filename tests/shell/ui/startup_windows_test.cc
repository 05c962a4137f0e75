// The windows of the start: the splash, which closes on its own after its
// two seconds and its narrowing, and the first start's dialog for the own
// call and locator.
#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "links/built_in_texts.h"
#include "shell/ui/own_station_window.h"
#include "shell/ui/qt_test_application.h"
#include "shell/ui/splash_window.h"

namespace brilox {
namespace {

TEST(SplashWindowTest, ShowsOverTheMainWindowThenNarrowsAndCloses) {
  testing::TestGuiApplication();
  QWidget main;
  main.setGeometry(100, 80, 800, 600);
  main.show();
  SplashWindow splash;
  QSignalSpy finished(&splash, &SplashWindow::finished);
  splash.ShowOver(main);
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(splash.size(), QSize(281, 180));
  EXPECT_LE(std::abs(splash.frameGeometry().center().x() - main.frameGeometry().center().x()), 1);
  EXPECT_LE(std::abs(splash.frameGeometry().center().y() - main.frameGeometry().center().y()), 1);
  EXPECT_EQ(splash.panel()->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xE0));
  // The start-up places the main window: the splash follows.
  main.setGeometry(300, 40, 600, 500);
  QApplication::processEvents();
  EXPECT_LE(std::abs(splash.frameGeometry().center().x() - main.frameGeometry().center().x()), 1);
  EXPECT_LE(std::abs(splash.frameGeometry().center().y() - main.frameGeometry().center().y()), 1);
  // Nothing happens in the first two seconds while the window thread works on.
  QTest::qWait(500);
  EXPECT_EQ(splash.narrow_steps_done(), 0);
  ASSERT_TRUE(finished.wait(5000));
  EXPECT_EQ(finished.count(), 1);
  EXPECT_EQ(splash.narrow_steps_done(), 14);
  EXPECT_EQ(splash.panel()->width(), 281 - 14 * 20);
  EXPECT_FALSE(splash.isVisible());
}

class OwnStationWindowTest : public ::testing::Test {
 protected:
  OwnStationWindowTest() { testing::TestGuiApplication(); }
  BuiltInTexts texts;
};

TEST_F(OwnStationWindowTest, OkOnlyForACallAndAReadableOrEmptyLocator) {
  OwnStationWindow window(texts, {"", "JN36BE"});
  window.show();
  EXPECT_EQ(window.locatorField()->text(), "JN36BE") << "the stored position is offered";
  EXPECT_FALSE(window.okButton()->isEnabled()) << "no call yet";
  struct Case {
    const char* call;
    const char* locator;
    bool ok;
  };
  for (const Case& c : {Case{"F5XYZ", "JN36BE", true}, Case{"F5XYZ", "", true}, Case{"F5XYZ", "JN3", false},
                        Case{"F5XYZ", "ZZ99", false}, Case{"NOCALL", "JN36", false},
                        Case{"F5-X", "JN36", false}, Case{"VP2E/W1AW", "FK88", true}}) {
    window.callField()->setText(c.call);
    window.locatorField()->setText(c.locator);
    EXPECT_EQ(window.okButton()->isEnabled(), c.ok) << c.call << " " << c.locator;
  }
}

TEST_F(OwnStationWindowTest, TypedLettersBecomeUpperCaseAndTheLocatorShowsItsPosition) {
  OwnStationWindow window(texts, {"", ""});
  window.show();
  QTest::keyClicks(window.callField(), "f5xyz");
  window.locatorField()->clear();
  QTest::keyClicks(window.locatorField(), "jo22aa");
  EXPECT_EQ(window.answer().call, "F5XYZ");
  EXPECT_EQ(window.answer().locator, "JO22AA");
  EXPECT_EQ(window.positionLabel()->text(), "52.0208 N  4.0417 E");
  EXPECT_TRUE(window.okButton()->isEnabled());
  EXPECT_EQ(window.callField()->maxLength(), 15);
}

}  // namespace
}  // namespace brilox
