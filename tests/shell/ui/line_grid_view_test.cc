// The grid over a window line store on the offscreen platform: rows arriving
// in bursts and at a steady pace are painted together, in order, with the
// last row in sight and never a blank grid, the pixels on the screen always
// show the rows the store holds, a hidden grid paints nothing, and rows are
// copied (Ctrl+C, the context menu, the read-only row editor).
#include "shell/ui/line_grid_view.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "shell/ui/qt_test_application.h"
#include "shell/ui/row_style.h"
#include "spots/row_colours.h"

namespace brilox {
namespace {

// Counts the paints of a widget and the area they covered.
class PaintRecorder final : public QObject {
 public:
  int paints = 0;
  std::vector<QRect> areas;

  void Reset() {
    paints = 0;
    areas.clear();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++paints;
      areas.push_back(static_cast<QPaintEvent*>(event)->region().boundingRect());
    }
    return false;
  }
};

// Row backgrounds that tell rows apart on the screen: the DX window's
// colours for tags 0 (ordinary), 2, 3, 4 and 5.
constexpr std::int32_t kTagCycle[] = {0, 2, 3, 4, 5};

std::string RowText(int n) { return "row " + std::to_string(n); }

class LineGridViewTest : public ::testing::Test {
 protected:
  LineGridViewTest() : windows(InitialSettings()) {
    testing::TestGuiApplication();
    windows.SetView(ViewState{'D', 1});
    model = std::make_unique<LineStoreModel>(Store(), WindowId::kDx, settings);
    desk = std::make_unique<QWidget>();
    desk->resize(640, 400);
    grid = new LineGridView(model.get(), desk.get());
    grid->setGeometry(0, 0, 640, 400);
    grid->viewport()->installEventFilter(&recorder);
    desk->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(desk.get()));
    Settle();
    recorder.Reset();
  }

  ~LineGridViewTest() override {
    desk.reset();
    model.reset();
  }

  Settings& InitialSettings() {
    settings.MaxLines.dx = 100;
    return settings;
  }

  LineStore& Store() { return windows.Get(WindowId::kDx); }

  // Adds rows n .. n + count - 1, each tagged by the cycle.
  void Append(int first, int count) {
    for (int n = first; n < first + count; ++n) {
      Store().AppendLine(RowText(n));
      Store().SetLastRowTag(kTagCycle[n % 5]);
      Store().TrimToLimit();
    }
  }

  // Waits for the grid's paint tick to take the rows, then for the paint.
  void Settle() {
    EXPECT_TRUE(QTest::qWaitFor([this] { return !model->HasArrivedRows(); }, 2000));
    QApplication::processEvents();
  }

  int RowHeight() const { return model->RowSize().height(); }

  // What the screen shows of the grid: the window's pixels, not a fresh
  // rendering, so that pixels kept by scrolling are checked as well.
  QImage ScreenPixels() {
    const QPoint origin = grid->viewport()->mapTo(desk.get(), QPoint(0, 0));
    return desk->screen()
        ->grabWindow(desk->winId(), origin.x(), origin.y(), grid->viewport()->width(),
                     grid->viewport()->height())
        .toImage();
  }

  // Every row in sight shows the background of the store row it stands for.
  void ExpectScreenShowsTheStore(const std::string& when) {
    const QImage pixels = ScreenPixels();
    const int top = grid->verticalScrollBar()->value();
    const int shown = std::min(Store().row_count() - top, grid->viewport()->height() / RowHeight());
    ASSERT_GT(shown, 0) << when;
    for (int i = 0; i < shown; ++i) {
      const int row = top + i;
      const RowColours colours =
          ResolveRowColours(Store().tag(row), WindowColours(WindowId::kDx, settings.Col), settings.Col);
      // A row's background spans the grid, beyond its column of text.
      for (const int x : {1, pixels.width() - 2}) {
        ASSERT_EQ(pixels.pixelColor(x, i * RowHeight() + RowHeight() / 2).rgb(),
                  ToQColor(colours.background).rgb())
            << when << ": screen row " << i << " at x " << x << " should show " << Store().row(row);
      }
    }
  }

  QPoint RowCentre(int row) const {
    return QPoint(20, (row - grid->verticalScrollBar()->value()) * RowHeight() + RowHeight() / 2);
  }

  // The events of a double-click as the window system sends them (QTest's
  // own double-click sends none that the grid takes for one).
  void DoubleClick(int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(row));
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(row));
    QMouseEvent second(QEvent::MouseButtonDblClick, RowCentre(row),
                       grid->viewport()->mapToGlobal(RowCentre(row)), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &second);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(row));
  }

  Settings settings;
  WindowLineStores windows;
  std::unique_ptr<LineStoreModel> model;
  std::unique_ptr<QWidget> desk;
  LineGridView* grid = nullptr;  // a child of desk
  PaintRecorder recorder;
};

TEST_F(LineGridViewTest, ABurstOfRowsIsPaintedTogetherInOrderWithTheLastRowInSight) {
  settings.MaxLines.dx = 1000;
  windows.ApplySettings(settings);
  for (int n = 0; n < 1000; ++n) {
    Store().AppendLine(RowText(n));
    Store().TrimToLimit();
  }
  Store().SetLastRowTag(4);
  Settle();

  EXPECT_LE(recorder.paints, 2) << "one burst, one paint (and one for the scroll bar's move at most)";
  ASSERT_EQ(model->rowCount(), 1000);
  for (int n = 0; n < 1000; ++n) {
    ASSERT_EQ(model->data(model->index(n)).toString().toStdString(), RowText(n));
  }
  const int visible = grid->viewport()->height() / RowHeight();
  EXPECT_EQ(grid->verticalScrollBar()->value(), 1000 - visible);
  EXPECT_EQ(Store().top_row(), Store().EndTopRow());
  const QImage pixels = ScreenPixels();
  const QColor new_entity = ToQColor(settings.Col.ColBkDXCCnew);
  EXPECT_EQ(pixels.pixelColor(1, (visible - 1) * RowHeight() + RowHeight() / 2).rgb(), new_entity.rgb())
      << "the last row is the lowest row in sight";
  EXPECT_EQ(pixels.pixelColor(1, (visible - 2) * RowHeight() + RowHeight() / 2).rgb(),
            ToQColor(settings.Col.ColBkDX).rgb());
}

struct PaceCase {
  const char* name;
  int lines_per_step;
  int steps;
  friend void PrintTo(const PaceCase& c, std::ostream* out) { *out << c.name; }
};

class ArrivingRowsTest : public LineGridViewTest, public ::testing::WithParamInterface<PaceCase> {};

// Rows arrive between paints in steps of one line to more than a screenful,
// with the store trimming its oldest rows all along: after each paint the
// screen shows exactly the store's rows, whether the pixels were painted or
// moved, and never a blank grid.
TEST_P(ArrivingRowsTest, TheScreenAlwaysShowsTheStoresRows) {
  const PaceCase& c = GetParam();
  Append(0, 40);
  Settle();
  ExpectScreenShowsTheStore("first rows");
  int next = 40;
  for (int step = 0; step < c.steps; ++step) {
    recorder.Reset();
    Append(next, c.lines_per_step);
    next += c.lines_per_step;
    grid->TakeArrivedRows();
    QApplication::processEvents();
    ExpectScreenShowsTheStore("step " + std::to_string(step));
    if (HasFatalFailure()) return;
    if (c.lines_per_step == 1) {
      // One new row: the rows on the screen moved up and only the bottom is
      // painted.
      ASSERT_EQ(recorder.paints, 1) << "step " << step;
      EXPECT_LE(recorder.areas.front().height(), 2 * RowHeight()) << "step " << step;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Paces, ArrivingRowsTest,
                         ::testing::Values(PaceCase{"OneLineAtATime", 1, 80}, PaceCase{"SevenLines", 7, 40},
                                           PaceCase{"MoreThanAScreenful", 45, 12}),
                         [](const ::testing::TestParamInfo<PaceCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(LineGridViewTest, RowsArrivingFastArePaintedAtMostTwentyTimesASecond) {
  // A line every millisecond or so, each handed over in its own turn of the
  // event loop, as the receive drain does; however busy the machine, the
  // paints stay within one per paint interval of the time it took.
  QElapsedTimer clock;
  clock.start();
  for (int n = 0; n < 300; ++n) {
    Append(n, 1);
    QTest::qWait(1);
  }
  Settle();
  const qint64 elapsed_ms = clock.elapsed();
  EXPECT_LE(recorder.paints, static_cast<int>(elapsed_ms / LineGridView::kPaintIntervalMs) + 2);
  EXPECT_GE(recorder.paints, 2) << "rows arriving for a while show before they stop";
  ExpectScreenShowsTheStore("after the flow");
}

TEST_F(LineGridViewTest, AHiddenGridPaintsNothingAndShowsEverythingOnceShown) {
  grid->hide();
  Append(0, 250);
  QTest::qWait(3 * LineGridView::kPaintIntervalMs);
  EXPECT_EQ(recorder.paints, 0);
  EXPECT_TRUE(model->HasArrivedRows()) << "a hidden grid leaves its rows to be taken";

  grid->show();
  QApplication::processEvents();
  EXPECT_FALSE(model->HasArrivedRows());
  EXPECT_EQ(model->rowCount(), Store().row_count());
  EXPECT_EQ(grid->verticalScrollBar()->value(), Store().EndTopRow());
  ExpectScreenShowsTheStore("shown again");
}

TEST_F(LineGridViewTest, AViewHeldByTheOperatorStaysWhileRowsArrive) {
  Append(0, 60);
  Settle();
  grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_TRUE(Store().scroll_hold());
  Append(60, 5);
  Settle();
  EXPECT_EQ(grid->verticalScrollBar()->value(), 0);
  ExpectScreenShowsTheStore("held");
  grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_FALSE(Store().scroll_hold());
  EXPECT_EQ(Store().top_row(), Store().EndTopRow());
}

// Copying.

enum class CopyBy { kCtrlC, kContextMenu };

struct CopyCase {
  const char* name;
  std::vector<std::pair<int, Qt::KeyboardModifiers>> clicks;  // rows clicked, in order
  CopyBy by;
  const char* clipboard;
  friend void PrintTo(const CopyCase& c, std::ostream* out) { *out << c.name; }
};

class CopyRowsTest : public LineGridViewTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyRowsTest, SelectedRowsGoToTheClipboardInTheirOrder) {
  const CopyCase& c = GetParam();
  Append(0, 8);
  Settle();
  for (const auto& [row, modifiers] : c.clicks) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, RowCentre(row));
  }
  QApplication::clipboard()->clear();
  if (c.by == CopyBy::kCtrlC) {
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  } else {
    QContextMenuEvent menu(QContextMenuEvent::Mouse, RowCentre(c.clicks.back().first),
                           grid->viewport()->mapToGlobal(RowCentre(c.clicks.back().first)));
    QApplication::sendEvent(grid->viewport(), &menu);
    ASSERT_TRUE(grid->contextMenu()->isVisible());
    ASSERT_TRUE(grid->contextMenu()->actions().front()->isEnabled());
    grid->contextMenu()->actions().front()->trigger();
    grid->contextMenu()->hide();
  }
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.clipboard);
  EXPECT_EQ(Store().row(3), RowText(3)) << "copying changes no row";
}

INSTANTIATE_TEST_SUITE_P(Selections, CopyRowsTest,
                         ::testing::Values(CopyCase{"OneRow", {{2, Qt::NoModifier}}, CopyBy::kCtrlC, "row 2"},
                                           CopyCase{"ARangeWithShift",
                                                    {{1, Qt::NoModifier}, {3, Qt::ShiftModifier}},
                                                    CopyBy::kCtrlC,
                                                    "row 1\nrow 2\nrow 3"},
                                           CopyCase{"RowsPickedWithCtrlComeInRowOrder",
                                                    {{5, Qt::NoModifier}, {0, Qt::ControlModifier}},
                                                    CopyBy::kCtrlC,
                                                    "row 0\nrow 5"},
                                           CopyCase{"ContextMenuCopy",
                                                    {{6, Qt::NoModifier}, {7, Qt::ShiftModifier}},
                                                    CopyBy::kContextMenu,
                                                    "row 6\nrow 7"}),
                         [](const ::testing::TestParamInfo<CopyCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(LineGridViewTest, TheRowEditorSelectsAndCopiesButNeverChangesTheRow) {
  Append(0, 8);
  Settle();
  DoubleClick(3);
  auto* editor = grid->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr) << "a double-click opens the row editor";
  EXPECT_TRUE(editor->isVisible());
  EXPECT_TRUE(editor->isReadOnly());
  EXPECT_EQ(editor->text(), QStringLiteral("row 3"));
  EXPECT_EQ(editor->geometry().top(), 3 * RowHeight());

  editor->setFocus();
  editor->setSelection(4, 1);
  QApplication::clipboard()->clear();
  QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("3"));
  QTest::keyClicks(editor, "XYZ");
  EXPECT_EQ(editor->text(), QStringLiteral("row 3"));

  // Rows arriving meanwhile leave the edited row where it is.
  Append(8, 3);
  Settle();
  EXPECT_EQ(editor->text(), QStringLiteral("row 3"));
  QTest::keyClick(editor, Qt::Key_Escape);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(grid->viewport()->findChild<QLineEdit*>(), nullptr) << "Escape closes the editor";
  EXPECT_EQ(Store().row(3), "row 3");
  EXPECT_EQ(model->data(model->index(3)).toString(), QStringLiteral("row 3"));

  // F2 opens the current row as well.
  grid->setFocus();
  grid->setCurrentIndex(model->index(5));
  QTest::keyClick(grid, Qt::Key_F2);
  editor = grid->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), QStringLiteral("row 5"));
}

}  // namespace
}  // namespace brilox
