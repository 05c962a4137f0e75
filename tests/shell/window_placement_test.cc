// Where the main window opens from its stored geometry, and that a window
// closed and opened again stays where it was.
#include "shell/window_placement.h"

#include <gtest/gtest.h>

#include "shell/startup_shutdown.h"

namespace brilox {

void PrintTo(const Rect& r, std::ostream* out) {
  *out << r.left << "," << r.top << " " << r.width << "x" << r.height;
}

namespace {

const Rect kLaptop{0, 0, 1366, 740};  // 1366 x 768 less a 28-pixel panel
const FrameMargins kNoFrame{};
const FrameMargins kTitleBar{1, 20, 1, 1};

struct PlacementCase {
  const char* what;
  Rect stored;
  std::vector<Rect> areas;
  FrameMargins frame;
  Rect expected;
};

class FitIntoScreensTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(FitIntoScreensTest, OpensInsideAPresentScreen) {
  const PlacementCase& c = GetParam();
  EXPECT_EQ(FitIntoScreens(c.stored, c.areas, c.frame, 686, 541), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitIntoScreensTest,
    ::testing::Values(
        PlacementCase{"inside stays put", {100, 80, 686, 541}, {kLaptop}, kTitleBar, {100, 80, 686, 541}},
        PlacementCase{"saved on a 4K screen: shrunk and moved in",
                      {1900, 1000, 1800, 1200},
                      {kLaptop},
                      kTitleBar,
                      {1, 20, 1364, 719}},
        PlacementCase{"title bar above the top edge comes down",
                      {50, 5, 686, 541},
                      {kLaptop},
                      kTitleBar,
                      {50, 20, 686, 541}},
        PlacementCase{"off to the left", {-900, 100, 686, 541}, {kLaptop}, kNoFrame, {0, 100, 686, 541}},
        PlacementCase{"below the bottom", {200, 700, 686, 541}, {kLaptop}, kNoFrame, {200, 199, 686, 541}},
        PlacementCase{"on a second screen that is present",
                      {2000, 100, 800, 600},
                      {kLaptop, {1366, 0, 1920, 1050}},
                      kNoFrame,
                      {2000, 100, 800, 600}},
        PlacementCase{"on a second screen that has gone",
                      {2000, 100, 800, 600},
                      {kLaptop},
                      kNoFrame,
                      {566, 100, 800, 600}},
        PlacementCase{"mostly on the left screen of two",
                      {1000, 100, 600, 400},
                      {kLaptop, {1366, 0, 1920, 1050}},
                      kNoFrame,
                      {766, 100, 600, 400}},
        PlacementCase{"a screen that does not start at 0",
                      {0, 0, 686, 541},
                      {{-1920, 24, 1920, 1056}},
                      kNoFrame,
                      {-686, 24, 686, 541}},
        PlacementCase{
            "no size stored: the design size", {10, 10, 0, 0}, {kLaptop}, kNoFrame, {10, 10, 686, 541}},
        PlacementCase{
            "no screens known: as stored", {-5000, 9000, 686, 541}, {}, kNoFrame, {-5000, 9000, 686, 541}},
        PlacementCase{"extreme stored values",
                      {2147483000, -2147483000, 2147483647, 2147483647},
                      {kLaptop},
                      kNoFrame,
                      {0, 0, 1366, 740}}));

// The close stores the client area and the next start opens it: ten rounds
// leave the window where the operator put it, whatever the frame.
TEST(WindowRoundTripTest, TenClosesAndStartsKeepTheWindowStill) {
  for (const FrameMargins& frame : {kNoFrame, kTitleBar, FrameMargins{4, 30, 4, 4}}) {
    Settings settings;
    settings.MainFormLeft = 213;
    settings.MainFormTop = 97;
    settings.MainFormWidth = 700;
    settings.MainFormHeight = 500;
    for (int round = 0; round < 10; ++round) {
      const Rect opened = FitIntoScreens(
          {settings.MainFormLeft, settings.MainFormTop, settings.MainFormWidth, settings.MainFormHeight},
          {kLaptop}, frame, 686, 541);
      ClosingWindow closing;
      closing.left = opened.left;
      closing.top = opened.top;
      closing.width = opened.width;
      closing.height = opened.height;
      closing.screen_width = kLaptop.width;
      closing.screen_height = kLaptop.height;
      TakeClosingWindow(settings, closing);
    }
    EXPECT_EQ(
        (Rect{settings.MainFormLeft, settings.MainFormTop, settings.MainFormWidth, settings.MainFormHeight}),
        (Rect{213, 97, 700, 500}));
  }
}

}  // namespace
}  // namespace brilox
