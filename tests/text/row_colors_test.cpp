#include "text/row_colors.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace vorlan {
namespace {

constexpr RowColor kBlue{0, 128, 255};
constexpr RowColor kYellow{255, 255, 0};
constexpr RowColor kPurple{171, 87, 255};

TEST(RowColors, FlightGroupRowsGreyWhenNeverAppearingOrOutsideTheRegion) {
    Mission mission;
    mission.FlightGroups.push_back(std::make_unique<FGObject>());
    auto& rec = mission.FlightGroups[0]->Record;
    rec.Set(FGRec::IFF, 3);
    rec.Set(FGRec::StartPointRegion(0), 1);  // the second region

    struct Case {
        int difficulty;
        bool ghost;
        int region;
        int row;
        std::optional<RowColor> color;
    };
    const Case cases[] = {
        {0, true, 2, 0, kYellow},
        {0, true, 1, 0, kOutsideRegionGrey},
        {0, false, 1, 0, kYellow},
        {0, true, 2, 1, std::nullopt},  // outside the list: the list's own colour
        {0, true, 2, -1, std::nullopt},
        {6, true, 2, 0, kNoPartGrey},
        {7, false, 1, 0, kNoPartGrey},
    };
    for (const auto& c : cases) {
        rec.Set(FGRec::ArrivalDifficulty, c.difficulty);
        EXPECT_EQ(FlightGroupRowColor(mission, c.ghost, c.region, c.row), c.color)
            << c.difficulty << ' ' << c.ghost << ' ' << c.region << ' ' << c.row;
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
