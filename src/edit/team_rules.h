#pragma once
// The "Teams" page's controls (team Select.CurrentTeamIndex: its name, the IFF its flight groups
// take automatically, its six end texts, its allies, and the buttons that move between teams)
// and the three free texts of the "Description" and "Debriefings" pages.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "edit/control_rule.h"
#include "model/mission.h"

namespace vorlan {

std::span<const ControlRule> TeamPageRules();

// Every control the "Teams" page shows for its team, for showing another team whole.
std::span<const std::string_view> TeamPageControls();

// How many characters a free text keeps in the file, a line break counting as one: the short
// tail's description keeps 1023, every text of the long tail 4095.
std::size_t MissionTextCapacity(bool shortTail);
std::size_t MissionTextCapacity(const Mission& mission, int which);

// The text as the file keeps it: every line break (CR LF, CR or LF alone) as CR LF, no zero
// bytes, at most capacity characters. The writer drops a lone LF and stops at a zero byte, so
// either would otherwise lose what follows it.
std::string KeptMissionText(std::string_view text, std::size_t capacity);

// The Undo hint of a control of these pages ("change the name of team 3").
std::string TeamPageEditLabel(const Session& session, const ControlRule& rule);

}  // namespace vorlan
