// The DPI rules on a fine screen that Qt scales: the logical DPI stays 96
// while every logical pixel is two on the screen, and the operator sees a
// 192-dpi screen.  Runs as its own program, since the scale is fixed when
// the application starts.
#include <gtest/gtest.h>

#include <QLabel>

#include "shell/main_window_layout.h"
#include "shell/ui/main_window_fixture.h"
#include "shell/ui/window_geometry.h"

namespace brilox {
namespace {

class ScaledScreenTest : public testing::QtMainWindowFixture {
 public:
  static void SetUpTestSuite() {
    qputenv("QT_SCALE_FACTOR", "2");
    testing::TestGuiApplication();
  }
};

TEST_F(ScaledScreenTest, TheRulesSeeTheScaledDpi) {
  Open();
  ASSERT_EQ(window->devicePixelRatioF(), 2.0) << "Qt did not scale this screen";
  EXPECT_EQ(OperatorDpi(*window), 2 * window->logicalDpiY());
  EXPECT_GT(OperatorDpi(*window), 119);
  window->FitStatusPanelsToScreen();
  EXPECT_EQ(window->statusPanel(1)->width(), 130);
  EXPECT_EQ(window->statusPanel(2)->width(), 115);
  EXPECT_EQ(StatusPanelWidths(window->logicalDpiY())[0], 150) << "what the logical DPI alone would give";
  // The clock that the window started leaves the day name out above 96 dpi.
  const std::string day = format.ShortDayName(clock.LocalNow());
  const std::string date = window->statusPanel(1)->text().toStdString();
  EXPECT_FALSE(date.empty());
  EXPECT_EQ(date.find(day), std::string::npos) << date;
}

}  // namespace
}  // namespace brilox
