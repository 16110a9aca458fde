#pragma once
// A new mission made of defaults, and the templates new flight groups and messages come from.

#include <memory>

#include "session/session.h"

namespace vorlan {

// Replaces the mission by a new one without asking anything.
void ResetToNewMission(Session& session);

// The New mission command after its save question: the reset, then the default format.
void NewMission(Session& session);

// Sets the fields of the two templates that a new mission defines; other bytes keep their value.
void SetUpTemplates(Session& session);

// A flight group made from the template, as New FG makes it.
std::unique_ptr<FGObject> MakeFGFromTemplate(const Session& session, const Mission& mission);

// Makes the first flight group, message and team current and clears the modified flags.
void SelectFirstItems(Session& session);

}  // namespace vorlan
