#include "edit/ui/waypoints_page.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableWidget>

#include "page_test_fixture.h"

namespace vorlan {
namespace {

// Two flight groups, both selected, the first current; order 2 of region 3 is shown.
class WaypointsPageTest : public test::PageTest<WaypointsPage> {
protected:
    void SetUp() override {
        test::MakeFGs(session, 2);
        session.Select.SelectedFGs = {true, true};
        session.Select.CurrentOrderRegion = 3;
        session.Select.CurrentOrderNumber = 2;
        FG(0).PointZ[2] = -40;
        Show();
        page.SetEditSink([this](const Edit& edit) {
            if (const EditResult result = ApplyEdit(session, edit); !result.Error.empty()) {
                errors.push_back(result.Error);
            }
        });
    }
    FGObject& FG(int i) { return *session.CurrentMission().FlightGroups.at(i); }
    QTableWidget* Grid(const char* name) { return page.findChild<QTableWidget*>(name); }
    // The in-place editor of the grid's current cell.
    QLineEdit* Editor(QTableWidget* grid) {
        return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    }
    void Press(QTableWidget* grid, Qt::Key key) { QTest::keyClick(Editor(grid), key); }

    std::vector<std::string> errors;
};

// Moving to a cell opens its editor; every keystroke reaches every selected flight group, and Tab
// and the arrow keys move the editor from cell to cell.
TEST_F(WaypointsPageTest, TabAndArrowsMoveTheInPlaceEditor) {
    QTableWidget* grid = Grid("WPGrid");
    EXPECT_EQ(grid->item(1, 2)->text(), "-0.25");
    grid->setCurrentCell(0, 0);
    QTest::keyClicks(Editor(grid), "1.5");
    EXPECT_EQ(FG(1).PointX[1], 240);
    Press(grid, Qt::Key_Tab);
    QTest::keyClicks(Editor(grid), "2");
    Press(grid, Qt::Key_Down);
    QTest::keyClicks(Editor(grid), "-1");
    EXPECT_EQ(FG(1).PointY[1], 320);
    EXPECT_EQ(FG(1).PointY[2], -160);
    // Left moves the caret inside the text first, then leaves the cell from its start.
    Press(grid, Qt::Key_Left);
    EXPECT_EQ(grid->currentColumn(), 1);
    Press(grid, Qt::Key_Home);
    Press(grid, Qt::Key_Left);
    EXPECT_EQ(grid->currentColumn(), 0);
    Press(grid, Qt::Key_Up);
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->item(1, 1)->text(), "-1");

    QTableWidget* waypoints = Grid("OrderWPGrid");
    waypoints->setCurrentCell(7, 2);
    QTest::keyClicks(Editor(waypoints), "x");
    QTest::keyClicks(Editor(waypoints), "\b3");
    const auto waypoint = FG(1).Record.Sub(FGRec::Order(3, 2)).Sub(OrderRec::OrderWaypoint(8));
    EXPECT_EQ(waypoint.Get(PointRec::Z), 480);
    EXPECT_EQ(errors, std::vector<std::string>{"'x' is not a valid floating point value"});
}

}  // namespace
}  // namespace vorlan
