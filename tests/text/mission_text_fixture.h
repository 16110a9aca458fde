#pragma once
// A new mission with three named flight groups, for the sentence tests.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "session/new_mission.h"
#include "session/session.h"
#include "support/recording_ui.h"

namespace vorlan::test {

class MissionTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToNewMission(session_);  // teams 1.Rebel and 2.Imperial
        auto& fgs = session_.CurrentMission().FlightGroups;
        while (fgs.size() < 3) {
            fgs.push_back(std::make_unique<FGObject>());
        }
        session_.Vocab.SetFlightGroupRefNames({"X-W Red", "T/F Alpha", "CRV Beta"});
    }

    void NameTeam(int team, const std::string& name) {
        auto& teams = session_.CurrentMission().Teams;
        teams[static_cast<std::size_t>(team)].Record.SetText(TeamRec::TeamName, name);
        session_.Vocab.rebuildTeams(teams);
    }

    const Mission& CurrentMission() const { return session_.CurrentMission(); }
    const Vocabulary& Vocab() const { return session_.Vocab; }
    Mission& MutableMission() { return session_.CurrentMission(); }

private:
    RecordingUi ui_;
    Session session_{ui_};
};

}  // namespace vorlan::test
