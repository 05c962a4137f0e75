// A right-click on a row of the real main window reaches the right-click
// seam with the row's text, the position from the text's start, the width
// of texts in the row's font and the modifier keys, so that the hit test
// finds the column the operator clicked.
#include <QFontMetrics>

#include "links/spot_row_hit.h"
#include "shell/ui/main_window_fixture.h"

namespace brilox {
namespace {

class SpotRowRightClickTest : public testing::QtMainWindowFixture {};

TEST_F(SpotRowRightClickTest, TheSeamGetsTheRowAndFindsTheClickedColumn) {
  struct Click {
    std::string row;
    int x = -1;
    bool alt = false, ctrl = false;
  };
  std::vector<Click> clicks;
  MainWindowSeams seams;
  seams.row_right_click = [&](const std::string& row, int x,
                              const std::function<int(std::string_view)>& width, bool alt, bool ctrl) {
    clicks.push_back({row, x, alt, ctrl});
    const SpotRowHit hit = HitTestSpotRow(row, x, width);
    clicks.back().row += hit.target == SpotRowTarget::kFrequency ? "|frequency"
                         : hit.target == SpotRowTarget::kDxCall  ? "|dx " + hit.call
                         : hit.target == SpotRowTarget::kSpotter ? "|spotter " + hit.call
                                                                 : "|none";
  };
  Open(seams);
  const std::string spot = "DX de K1ABC:     14025.0  F6ABC        cq              1200Z";
  Store(WindowId::kTerminal1).AppendLine("login: ");
  Store(WindowId::kTerminal1).AppendLine(spot);
  Settle();
  LineGridView* grid = Grid(WindowId::kTerminal1);
  const QRect row = grid->visualRect(grid->model()->index(1, 0));
  ASSERT_TRUE(row.isValid());
  const QFontMetrics metrics(grid->font());
  struct Case {
    std::string before;  // the text left of the click
    Qt::KeyboardModifiers modifiers;
    std::string seen;
  };
  const std::vector<Case> cases = {
      {"DX de K1ABC:     140", Qt::AltModifier, spot + "|frequency"},
      {"DX de K1ABC:     14025.0  F6A", Qt::ControlModifier, spot + "|dx F6ABC"},
      {"DX de K1", Qt::NoModifier, spot + "|spotter K1ABC"},
      {"DX de K1ABC:     14025.0  F6ABC        cq  ", Qt::NoModifier, spot + "|none"},
  };
  for (const Case& c : cases) {
    clicks.clear();
    const int x = 2 + metrics.horizontalAdvance(QString::fromStdString(c.before));
    QTest::mouseClick(grid->viewport(), Qt::RightButton, c.modifiers, QPoint(x, row.center().y()));
    ASSERT_EQ(clicks.size(), 1u) << c.before;
    EXPECT_EQ(clicks[0].row, c.seen);
    EXPECT_EQ(clicks[0].alt, c.modifiers == Qt::AltModifier);
    EXPECT_EQ(clicks[0].ctrl, c.modifiers == Qt::ControlModifier);
  }
  // A left click is no right-click.
  clicks.clear();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
  EXPECT_TRUE(clicks.empty());
}

}  // namespace
}  // namespace brilox
