#include "text/row_colors.h"

namespace vorlan {

namespace {
constexpr RowColor kGreen{0, 255, 0};
constexpr RowColor kRed{255, 0, 0};
constexpr RowColor kBlue{0, 128, 255};
constexpr RowColor kYellow{255, 255, 0};
constexpr RowColor kPurple{171, 87, 255};

// Difficulty codes that keep a flight group out of every game.
bool NeverAppears(const FGObject& fg) {
    const int difficulty = fg.Record.Get(FGRec::ArrivalDifficulty);
    return difficulty == 6 || difficulty == 7;
}
}  // namespace

RowColor IFFColor(int iff) {
    switch (iff) {
        case 0:
            return kGreen;
        case 1:
        case 4:
            return kRed;
        case 3:
            return kYellow;
        case 5:
            return kPurple;
        default:
            return kBlue;
    }
}

RowColor MessageColor(int colorCode) {
    switch (colorCode) {
        case 0:
            return kGreen;
        case 1:
        case 4:
            return kRed;
        case 2:
            return kBlue;
        case 3:
            return kYellow;
        default:
            return kPurple;
    }
}

RowColor FlightGroupRowColor(const FGObject& fg, bool ghostOutsideRegion, int currentOrderRegion) {
    if (NeverAppears(fg)) {
        return kNoPartGrey;
    }
    if (ghostOutsideRegion && fg.Record.Get(FGRec::StartPointRegion(0)) != currentOrderRegion - 1) {
        return kOutsideRegionGrey;
    }
    return IFFColor(fg.Record.Get(FGRec::IFF));
}

std::optional<RowColor> FlightGroupRowColor(const Mission& mission, bool ghostOutsideRegion,
                                            int currentOrderRegion, int row) {
    const auto& flightGroups = mission.FlightGroups;
    if (row < 0 || row >= static_cast<int>(flightGroups.size())) {
        return std::nullopt;
    }
    return FlightGroupRowColor(*flightGroups[static_cast<std::size_t>(row)], ghostOutsideRegion,
                               currentOrderRegion);
}

RowColor MessageRowColor(const MsgObject& message) {
    if (message.SentToAnyTeam == 0) {
        return kNoPartGrey;
    }
    return MessageColor(message.Record.Get(MsgRec::Color));
}

RowColor GoalRowColor(const Mission& mission, ConstRecordRef<FGGoalRec::Tag> goal) {
    const std::size_t team = goal.Get(FGGoalRec::Team);
    if (team >= mission.TeamIFF.size()) {
        return kNoPartGrey;
    }
    return IFFColor(mission.TeamIFF[team]);
}

}  // namespace vorlan
