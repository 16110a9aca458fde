#pragma once
// The colours the editor's lists paint their rows in. The window only paints; which colour a
// row gets is decided here, from the model and the running settings.

#include <cstdint>
#include <optional>

#include "model/fg_object.h"
#include "model/mission.h"
#include "model/mission_records.h"

namespace vorlan {

struct RowColor {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend bool operator==(const RowColor&, const RowColor&) = default;
};

// Rows that take no part in what is shown: never-appearing flight groups, unsent messages.
inline constexpr RowColor kNoPartGrey{128, 128, 128};
// Flight groups that start outside the region being edited.
inline constexpr RowColor kOutsideRegionGrey{79, 78, 79};

// The strong colour of an IFF code; every code past the known ones is blue.
RowColor IFFColor(int iff);
// The colour of a message colour code; every code past the known ones is purple.
RowColor MessageColor(int colorCode);

// A flight group row: grey when it never appears, dark grey when it starts outside the current
// order region and ghosting is on, otherwise its IFF colour. currentOrderRegion counts from 1.
RowColor FlightGroupRowColor(const FGObject& fg, bool ghostOutsideRegion, int currentOrderRegion);
// The same for row `row` of the mission's flight group list; none for a row outside the list,
// which keeps the list's own colour.
std::optional<RowColor> FlightGroupRowColor(const Mission& mission, bool ghostOutsideRegion,
                                            int currentOrderRegion, int row);

RowColor MessageRowColor(const MsgObject& message);

// A goal row takes the IFF colour of the goal's team. A team code past the ten teams (only a
// file can hold one) has no IFF, so the row is grey rather than read past the team table.
RowColor GoalRowColor(const Mission& mission, ConstRecordRef<FGGoalRec::Tag> goal);

}  // namespace vorlan
