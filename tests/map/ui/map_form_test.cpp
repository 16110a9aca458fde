// The map window's wiring: the main window's button shows it and keeps it current, and the
// mouse and keys on the drawing area reach the mission only as edits.

#include "map/ui/map_form.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>
#include <QToolButton>

#include "edit/edit.h"
#include "map/ui/map_canvas.h"
#include "session/new_mission.h"
#include "support/recording_ui.h"
#include "support/window_test_fixture.h"
#include "text/flight_group_rows.h"

namespace vorlan {
namespace {

using MapButtonTest = test::WindowTest;

TEST_F(MapButtonTest, ShowsTheMapWhichFollowsTheMainWindowsEdits) {
    StartWithMission({.FlightGroups = 3});
    auto* button = Find<QToolButton>("ShowMap");
    ASSERT_TRUE(button->isEnabled());
    button->click();
    TMapForm* map = window->MapWindow();
    ASSERT_TRUE(map->isVisible());
    EXPECT_TRUE(map->windowTitle().startsWith("Flight Group Map  - ("));
    EXPECT_FALSE(map->Frame().isNull());
    auto* box = map->findChild<QComboBox*>("SelectionBox");
    EXPECT_EQ(box->count(), 3);

    // A list command of the main window reaches the open map.
    window->Edit(FGListEdit{FGListCommand::DeleteCurrent});
    EXPECT_EQ(box->count(), 2);
    map->close();
    EXPECT_FALSE(map->isVisible());
    button->click();
    EXPECT_TRUE(map->isVisible());
}

// A map over its own session; edits are applied as the main window would, and recorded.
class MapFormTest : public testing::Test {
protected:
    MapFormTest() {
        ResetToNewMission(session);
        auto& groups = session.CurrentMission().FlightGroups;
        groups.push_back(MakeFGFromTemplate(session, session.CurrentMission()));
        groups.push_back(MakeFGFromTemplate(session, session.CurrentMission()));
        for (int i = 0; i < 3; ++i) {
            FG(i).PointX[1] = static_cast<std::int16_t>((i - 1) * 1600);
            FG(i).PointY[1] = 0;
        }
        MapWindowHooks hooks;
        hooks.Edit = [this](const Edit& edit) {
            edits.push_back(edit);
            Applied(ApplyEdit(session, edit));
        };
        hooks.Apply = [this](const EditResult& result) { Applied(result); };
        map.SetHooks(std::move(hooks));
        RebuildNames();
    }
    // The main window's list rebuild, which names the flight groups for both windows.
    void RebuildNames() {
        ListRows rows;
        RebuildFlightGroupList(session.CurrentMission(), session.Vocab, rows);
    }
    void Applied(const EditResult& result) {
        results.push_back(result);
        RebuildNames();
        map.MissionChanged();
    }
    void Show() {
        map.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&map));
        canvas = map.findChild<MapCanvas*>("MapCanvas");
    }
    FGObject& FG(int i) { return *session.CurrentMission().FlightGroups.at(i); }
    // Where Start 1 of flight group i is drawn.
    QPoint Start1(int i) {
        return {map.View().WorldToScreenH(FG(i).PointX[1]),
                map.View().WorldToScreenV(FG(i).PointY[1])};
    }

    test::RecordingUi ui;
    Session session{ui};
    TMapForm map{session};
    MapCanvas* canvas = nullptr;
    std::vector<Edit> edits;
    std::vector<EditResult> results;
};

TEST_F(MapFormTest, ADragShowsAPreviewAndItsReleaseIsOneEdit) {
    Show();
    const QPoint from = Start1(2);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 3; ++step) {
        QTest::mouseMove(canvas, from + QPoint(0, 10 * step));
    }
    // Nothing is written while the point moves.
    EXPECT_TRUE(edits.empty());
    EXPECT_EQ(FG(2).PointY[1], 0);
    EXPECT_TRUE(map.State().Drag.Active);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, from + QPoint(0, 30));

    ASSERT_EQ(edits.size(), 1u);
    const auto* moved = std::get_if<MapPointEdit>(&edits[0]);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->FG, 2);
    EXPECT_EQ(moved->Point, 1);
    EXPECT_GT(FG(2).PointY[1], 0);
    EXPECT_FALSE(map.State().Drag.Active);
    EXPECT_EQ(map.State().CurrentFG, 2);
}

TEST_F(MapFormTest, APaletteClickMakesOneFlightGroup) {
    Show();
    map.findChild<QToolButton*>("PaletOn")->click();
    const QPoint cell(5 * 16 + 8, canvas->height() - 30);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseMove(canvas, cell - QPoint(0, 100));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, cell - QPoint(0, 100));
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<MapNewFGEdit>(edits[0]));
    EXPECT_EQ(session.CurrentMission().FlightGroups.size(), 4u);
    EXPECT_EQ(map.State().CurrentFG, 3);
    EXPECT_EQ(map.findChild<QComboBox*>("SelectionBox")->count(), 4);
}

TEST_F(MapFormTest, TheDeleteKeyDeletesTheMapsCurrentFlightGroup) {
    session.Select.CurrentFGIndex = 1;
    Show();
    QTest::keyClick(canvas, Qt::Key_Delete);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].Changed);
    EXPECT_EQ(session.CurrentMission().FlightGroups.size(), 2u);
    EXPECT_EQ(map.findChild<QComboBox*>("SelectionBox")->count(), 2);
}

TEST_F(MapFormTest, AMissionWithoutFlightGroupsPaintsAndIgnoresTheMouseAndKeys) {
    session.CurrentMission().FlightGroups.clear();
    Show();
    EXPECT_FALSE(map.Frame().isNull());
    const QPoint centre = canvas->rect().center();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, centre);
    for (const Qt::Key key : {Qt::Key_F, Qt::Key_Delete, Qt::Key_C, Qt::Key_Space}) {
        QTest::keyClick(canvas, key);
    }
    map.findChild<QToolButton*>("PaletOn")->click();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(8, canvas->height() - 10));
    // Only the palette makes a flight group; nothing else had one to act on.
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<MapNewFGEdit>(edits[0]));
    EXPECT_EQ(session.CurrentMission().FlightGroups.size(), 1u);
}

}  // namespace
}  // namespace vorlan
