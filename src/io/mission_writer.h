#pragma once
// Serialises a mission in the file layout, section by section.

#include "io/byte_sink.h"
#include "model/mission.h"

namespace vorlan {

// The flight group count a file can hold.
inline constexpr std::size_t kMaxFlightGroups = 0xFFFF;

// Writes every section. The header is written with FGCount set to the number of flight groups
// (the caller keeps the mission's own header in step); each flight group record is written with
// its working points put in.
void WriteMissionBytes(const Mission& mission, ByteSink& out);

}  // namespace vorlan
