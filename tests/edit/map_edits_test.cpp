#include "edit/map_edits.h"

#include <gtest/gtest.h>

#include "edit/edit.h"
#include "edit/undo.h"
#include "map/map_input.h"
#include "session/new_mission.h"
#include "session/session.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

// A new mission of three flight groups, the second current in the main window.
class MapEdits : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToNewMission(session);
        auto& groups = session.CurrentMission().FlightGroups;
        while (groups.size() < 3) {
            groups.push_back(MakeFGFromTemplate(session, session.CurrentMission()));
        }
        session.Select.CurrentFGIndex = 1;
        session.Select.SelectedFGs = {false, true, false};
    }
    FGObject& FG(int i) { return *session.CurrentMission().FlightGroups.at(i); }
    int Count() { return static_cast<int>(session.CurrentMission().FlightGroups.size()); }

    test::RecordingUi ui;
    Session session{ui};
};

TEST_F(MapEdits, ADragReleaseIsOneUndoStep) {
    FG(2).PointEnabled[5] = 1;
    const EditResult result = ApplyEdit(session, MapPointEdit{2, 5, {800, -160, 32767}});
    EXPECT_TRUE(result.Changed);
    EXPECT_FALSE(result.ShowCurrentFG);  // the pages show another flight group
    EXPECT_TRUE(session.IsModified());
    EXPECT_EQ(FG(2).PointX[5], 800);
    EXPECT_EQ(FG(2).PointZ[5], 32767);
    EXPECT_NE(FG(2).Heading, (std::array<double, 4>{1.0, 0.0, 0.0, -1.0}));  // derived data
    ASSERT_TRUE(session.Undo.CanUndo());
    UndoLastEdit(session);
    EXPECT_EQ(FG(2).PointX[5], 0);
    EXPECT_EQ(FG(2).PointZ[5], 0);
    EXPECT_FALSE(session.Undo.CanUndo());
    EXPECT_FALSE(session.IsModified());
    // The flight group the pages show refills; stale indexes change nothing.
    EXPECT_TRUE(ApplyEdit(session, MapPointEdit{1, 1, {1, 2, 3}}).ShowCurrentFG);
    EXPECT_FALSE(ApplyEdit(session, MapPointEdit{3, 1, {1, 2, 3}}).Changed);
    EXPECT_FALSE(ApplyEdit(session, MapPointEdit{1, 13, {1, 2, 3}}).Changed);
}

TEST_F(MapEdits, ThePaletteAppendsAFlightGroupOfItsCraftAtThePress) {
    FG(0).PointEnabled[5] = 1;
    const MapNewFGEdit edit{92, 3, 4, {160, -320, 5}};
    const std::unique_ptr<FGObject> preview = MakePaletteFG(session, edit);
    const EditResult result = ApplyEdit(session, edit);
    ASSERT_EQ(Count(), 4);
    EXPECT_TRUE(result.RebuildFGList);
    const FGObject& made = FG(3);
    EXPECT_EQ(made.Record, preview->Record);
    EXPECT_EQ(made.Record.Get(FGRec::CraftType), 92);
    EXPECT_EQ(made.Record.Get(FGRec::IFF), 3);
    EXPECT_EQ(made.Record.Get(FGRec::Team), 4);
    EXPECT_EQ(PointPosition(made, 1), (std::array<std::int16_t, 3>{160, -320, 5}));
    EXPECT_EQ(made.PointEnabled[5], 0);  // a craft that starts without its first waypoint
    EXPECT_EQ(session.CurrentMission().FGCount(), 4);
    EXPECT_EQ(session.Select.CurrentFGIndex, 3);
    UndoLastEdit(session);
    EXPECT_EQ(Count(), 3);
}

TEST_F(MapEdits, DeleteTakesTheMapsCurrentFlightGroupAndTheMapFollows) {
    FG(2).Record.SetText(FGRec::Name, "Last");
    MapState state;
    ClampToCount(state, 3);
    state.CurrentFG = 2;
    DeleteMapCurrentFG(session, state);
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(session.Select.CurrentFGIndex, 1);
    EXPECT_EQ(session.Select.SelectedFGs, (RowSelection{false, true}));
    EXPECT_EQ(state.CurrentFG, 1);
    EXPECT_EQ(state.LastFG, 1);
    EXPECT_EQ(state.Shown.size(), 2u);
    UndoLastEdit(session);
    EXPECT_EQ(FG(2).Record.GetText(FGRec::Name).substr(0, 4), "Last");
    // Without flight groups there is nothing to delete.
    session.CurrentMission().FlightGroups.clear();
    EXPECT_FALSE(DeleteMapCurrentFG(session, state).Changed);
}

}  // namespace
}  // namespace vorlan
