#pragma once
// The rows of the flight group list and the reference names by which triggers and orders name
// flight groups. Both show global unit positions, so both are rebuilt together, in list order.

#include <array>
#include <cstdint>
#include <string>

#include "model/fg_object.h"
#include "model/mission.h"
#include "text/list_rows.h"
#include "text/vocabulary.h"

namespace vorlan {

// Full rows lead with team, global group and global unit and number the craft of global units.
// Only a mission whose platform's low byte is 255 uses the short form.
enum class RowForm { Full, Short };
RowForm RowFormFor(std::int16_t platform);

inline constexpr int kGlobalUnits = 50;

// The craft counts of global units 1 to 50 during one rebuild: a flight group is numbered after
// all craft of the earlier flight groups of its unit.
class GlobalUnitCounters {
public:
    // The unit position of fg, or 0 when its global unit is not 1 to 50; then counts its craft.
    int Take(const FGObject& fg);

private:
    std::array<int, kGlobalUnits> counters_{};
};

// unitPosition is what GlobalUnitCounters::Take gave for fg, 0 for none.
std::string FlightGroupRow(const Vocabulary& vocab, const FGObject& fg, RowForm form,
                           int unitPosition);
std::string FlightGroupRefName(const Vocabulary& vocab, const FGObject& fg, RowForm form,
                               int unitPosition);

// Rebuilds the flight group rows in list and the vocabulary's FlightGroupRefNames from the
// mission, keeping the selected state of every row that still exists.
void RebuildFlightGroupList(const Mission& mission, Vocabulary& vocab, ListRows& list);

}  // namespace vorlan
