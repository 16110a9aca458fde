#include "text/row_colors.h"

#include <gtest/gtest.h>

#include "model/new_mission.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

constexpr RowColor kBlue{0, 128, 255};
constexpr RowColor kYellow{255, 255, 0};
constexpr RowColor kPurple{171, 87, 255};

TEST(RowColors, FlightGroupRowsGreyWhenNeverAppearingOrOutsideTheRegion) {
    test::RecordingUi ui;
    Session session(ui);
    ResetToNewMission(session);
    auto& rec = session.CurrentFG()->Record;
    rec.Set(FGRec::IFF, 3);
    rec.Set(FGRec::StartPointRegion(0), 1);  // the second region
    session.Select.CurrentOrderRegion = 2;
    EXPECT_EQ(FlightGroupRowColor(session, 0), kYellow);
    EXPECT_EQ(FlightGroupRowColor(session, 1), std::nullopt);

    session.Select.CurrentOrderRegion = 1;
    EXPECT_EQ(FlightGroupRowColor(session, 0), kOutsideRegionGrey);
    session.RunningSettings.Blacken = false;
    EXPECT_EQ(FlightGroupRowColor(session, 0), kYellow);

    for (const int never : {6, 7}) {
        rec.Set(FGRec::ArrivalDifficulty, never);
        EXPECT_EQ(FlightGroupRowColor(*session.CurrentFG(), true, 1), kNoPartGrey);
        EXPECT_EQ(FlightGroupRowColor(*session.CurrentFG(), false, 2), kNoPartGrey);
    }
}

TEST(RowColors, MessagesAndGoals) {
    MsgObject message;
    message.Record.Set(MsgRec::Color, 2);
    message.Record.Set(MsgRec::SentToTeam(8), 1);  // only the first eight teams count
    message.ComputeSentToAnyTeam();
    EXPECT_EQ(MessageRowColor(message), kNoPartGrey);
    message.Record.Set(MsgRec::SentToTeam(7), 1);
    message.ComputeSentToAnyTeam();
    EXPECT_EQ(MessageRowColor(message), kBlue);
    EXPECT_EQ(MessageColor(6), kPurple);  // codes past the known ones part ways
    EXPECT_EQ(IFFColor(6), kBlue);

    Mission mission;
    mission.TeamIFF[9] = 5;
    FGObject fg;
    const FGObject& shown = fg;
    for (const auto& [team, color] : {std::pair{9, kPurple}, {10, kNoPartGrey}}) {
        fg.Record.Sub(FGRec::Goal(3)).Set(FGGoalRec::Team, team);
        EXPECT_EQ(GoalRowColor(mission, shown.Record.Sub(FGRec::Goal(3))), color) << team;
    }
}

}  // namespace
}  // namespace vorlan
