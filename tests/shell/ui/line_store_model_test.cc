// The Qt models over the window line stores: they pass the model tester
// through appends, wraps, trims and clears taken at any pace, keep their rows
// in place between two takes, and every row carries the colours of its tag
// in its window and the receive font.
#include "shell/ui/line_store_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QFontInfo>
#include <QFontMetrics>
#include <QSignalSpy>

#include "shell/ui/qt_test_application.h"
#include "shell/ui/row_style.h"
#include "spots/line_class.h"

namespace brilox {
namespace {

class LineStoreModelTest : public ::testing::Test {
 protected:
  LineStoreModelTest() { testing::TestGuiApplication(); }

  static QColor Brush(const QAbstractItemModel& model, int row, int role) {
    return model.data(model.index(row, 0), role).value<QBrush>().color();
  }

  Settings settings;
};

TEST_F(LineStoreModelTest, PassesTheModelTesterThroughEveryChange) {
  settings.MaxLineLength = 30;
  settings.MaxLines.dx = 100;
  WindowLineStores windows(settings);
  LineStore& dx = windows.Get(WindowId::kDx);
  LineStoreModel model(dx, WindowId::kDx, settings);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

  dx.AppendLine("first");
  dx.AppendLine(std::string(95, 'w'), kTagAnnouncement);
  dx.ContinueLastRow(" L?");
  dx.SetLastRowTag(4);
  for (int i = 0; i < 300; ++i) {
    dx.AppendLine("spot " + std::to_string(i));
    dx.TrimToLimit();
    // Taken at uneven intervals, some shorter and some longer than a trim
    // step, and once after more rows than the store keeps.
    if (i % 7 == 3 || i == 250) (void)model.TakeArrivedRows();
  }
  EXPECT_TRUE(model.TakeArrivedRows());
  EXPECT_FALSE(model.TakeArrivedRows()) << "nothing arrived since";
  ASSERT_EQ(model.rowCount(), dx.row_count());
  for (int row = 0; row < dx.row_count(); ++row) {
    ASSERT_EQ(model.data(model.index(row, 0)).toString().toStdString(), dx.row(row));
  }
  EXPECT_EQ(model.data(model.index(model.rowCount() - 1, 0)).toString(), QStringLiteral("spot 299"));
  dx.Clear();
  EXPECT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.data(model.index(0, 0)).toString(), QString());
  dx.AppendLine("again");
  EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("again"));
}

struct BurstCase {
  const char* name;
  int lines;
  int trimmed;  // rows the store drops meanwhile
  friend void PrintTo(const BurstCase& c, std::ostream* out) { *out << c.name; }
};

class BurstTest : public LineStoreModelTest, public ::testing::WithParamInterface<BurstCase> {};

// Between two takes a view sees the rows it was given, trimmed ones
// included; the take then brings the store's rows with one removal, one
// insertion and one change at most.
TEST_P(BurstTest, RowsStayPutUntilTheNextTake) {
  const BurstCase& c = GetParam();
  settings.MaxLines.dx = 100;
  WindowLineStores windows(settings);
  LineStore& dx = windows.Get(WindowId::kDx);
  LineStoreModel model(dx, WindowId::kDx, settings);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  int next = 0;
  const auto append = [&](int count) {
    for (int i = 0; i < count; ++i) {
      dx.AppendLine("line " + std::to_string(next++));
      dx.SetLastRowTag(next % 2 == 0 ? 4 : 0);
      dx.TrimToLimit();
    }
  };
  append(95);
  ASSERT_TRUE(model.TakeArrivedRows());
  std::vector<QString> before;
  std::vector<QColor> backgrounds;
  for (int row = 0; row < model.rowCount(); ++row) {
    before.push_back(model.data(model.index(row, 0)).toString());
    backgrounds.push_back(Brush(model, row, Qt::BackgroundRole));
  }
  const std::int64_t first_before = model.first_row_number();

  QSignalSpy arrived(&model, &LineStoreModel::rowsArrived);
  append(c.lines);
  EXPECT_EQ(arrived.count(), 1) << "the first change of a burst is announced, once";
  ASSERT_EQ(model.rowCount(), static_cast<int>(before.size()));
  for (int row = 0; row < model.rowCount(); ++row) {
    ASSERT_EQ(model.data(model.index(row, 0)).toString(), before[static_cast<std::size_t>(row)]) << row;
    ASSERT_EQ(Brush(model, row, Qt::BackgroundRole), backgrounds[static_cast<std::size_t>(row)]) << row;
  }

  QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  ASSERT_TRUE(model.TakeArrivedRows());
  EXPECT_EQ(removed.count(), c.trimmed > 0 ? 1 : 0);
  EXPECT_EQ(inserted.count(), 1);
  EXPECT_LE(changed.count(), 1);
  EXPECT_EQ(model.first_row_number(), first_before + c.trimmed);
  ASSERT_EQ(model.rowCount(), dx.row_count());
  for (int row = 0; row < dx.row_count(); ++row) {
    ASSERT_EQ(model.data(model.index(row, 0)).toString().toStdString(), dx.row(row)) << row;
  }
}

INSTANTIATE_TEST_SUITE_P(Bursts, BurstTest,
                         ::testing::Values(BurstCase{"FewRowsNoTrim", 4, 0},
                                           BurstCase{"TrimsSomeRowsTheViewHas", 60, 60},
                                           BurstCase{"MoreRowsThanTheStoreKeeps", 250, 250}),
                         [](const ::testing::TestParamInfo<BurstCase>& info) {
                           return std::string(info.param.name);
                         });

struct ColourCase {
  const char* name;
  WindowId window;
  std::int32_t tag;
  Colour font;
  Colour background;
};

class RowColourTest : public LineStoreModelTest, public ::testing::WithParamInterface<ColourCase> {};

// The default colours; ColBkTrans 0x2E00 draws bulletins, announcements,
// chat and echo on the window's own background.
TEST_P(RowColourTest, RowsDrawInTheirTagsColours) {
  const ColourCase& c = GetParam();
  WindowLineStores windows(settings);
  LineStore& store = windows.Get(c.window);
  LineStoreModel model(store, c.window, settings);
  store.AppendLine("DX de F5XYZ:     14025.0  K1ABC        cq                     1200Z");
  store.SetLastRowTag(c.tag);
  EXPECT_EQ(Brush(model, 0, Qt::ForegroundRole), ToQColor(c.font));
  EXPECT_EQ(Brush(model, 0, Qt::BackgroundRole), ToQColor(c.background));
}

INSTANTIATE_TEST_SUITE_P(
    Tags, RowColourTest,
    ::testing::Values(ColourCase{"WorkedNotConfirmed", WindowId::kDx, 2, 0xFFFFFF, 0x0080FF},
                      ColourCase{"NewBandOrMode", WindowId::kDx, 3, 0xFFFFFF, 0x0000FF},
                      ColourCase{"NewEntity", WindowId::kDx, 4, 0x00FFFF, 0x800080},
                      ColourCase{"SeekCall", WindowId::kAlarm, 5, 0x80FFFF, 0x000000},
                      ColourCase{"IotaWorked", WindowId::kDx, 10, 0x800000, 0xFFFF00},
                      ColourCase{"IotaNew", WindowId::kDx, 11, 0xFFFF00, 0xFF0000},
                      ColourCase{"LotwNewEntity", WindowId::kLotw, 104, 0x00FFFF, 0xFF0080},
                      ColourCase{"BulletinOnTheWindowBackground", WindowId::kDx, 20, 0x008000, 0xFFFFFF},
                      ColourCase{"TalkHasItsOwnBackground", WindowId::kTerminal2, 23, 0x800000, 0x00FF00},
                      ColourCase{"EchoOnTheTerminalBackground", WindowId::kTerminal3, 24, 0x0000FF, 0xFFFCEA},
                      ColourCase{"OrdinaryTerminalText", WindowId::kTerminal1, 0, 0x000000, 0xF0F1FF},
                      ColourCase{"NothingNeededInTheDxWindow", WindowId::kDx, 1, 0x000000, 0xFFFFFF},
                      ColourCase{"UntaggedAlarmRow", WindowId::kAlarm, 0, 0x000000, 0xFFFFFF}),
    [](const ::testing::TestParamInfo<ColourCase>& info) { return std::string(info.param.name); });

TEST_F(LineStoreModelTest, ColoursFollowTheSettingsAfterApply) {
  WindowLineStores windows(settings);
  LineStore& alarm = windows.Get(WindowId::kAlarm);
  LineStoreModel model(alarm, WindowId::kAlarm, settings);
  alarm.AppendLine("row");
  settings.Col.ColAlarm = 0x0000FF;
  settings.Col.ColBkTrans = 0;
  model.ApplySettings();
  EXPECT_EQ(Brush(model, 0, Qt::ForegroundRole), QColor(255, 0, 0)) << "red is the low byte";
}

TEST_F(LineStoreModelTest, FixedsysBecomesARealFixedPitchFont) {
  WindowLineStores windows(settings);
  LineStoreModel model(windows.Get(WindowId::kDx), WindowId::kDx, settings);
  ASSERT_EQ(settings.FontRX.name, "Fixedsys");
  const QFont font = model.data(model.index(0, 0), Qt::FontRole).value<QFont>();
  EXPECT_TRUE(QFontInfo(font).fixedPitch());
  EXPECT_EQ(font.pointSize(), settings.FontRX.size);
  const QFontMetrics metrics(font);
  EXPECT_EQ(model.RowSize().width(), metrics.horizontalAdvance(QString(83, QLatin1Char('X'))) + 5);
  EXPECT_EQ(model.RowSize().height(), metrics.height());

  FontSettings bold_italic{"DejaVu Sans Mono", 11, "BI"};
  const QFont other = ReceiveFont(bold_italic);
  EXPECT_TRUE(other.bold());
  EXPECT_TRUE(other.italic());
  EXPECT_EQ(other.pointSize(), 11);
}

}  // namespace
}  // namespace brilox
