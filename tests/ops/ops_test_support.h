#pragma once
// Missions for the list operation tests. Flight group i starts named "FGi" with its arrival
// mothership naming itself, so a test sees where each one went and whether references followed.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "ops/fg_list_change.h"
#include "session/new_mission.h"
#include "session/session.h"
#include "support/recording_ui.h"

namespace vorlan::test {

inline void MakeFGs(Session& session, int count) {
    ResetToNewMission(session);
    auto& groups = session.CurrentMission().FlightGroups;
    groups.resize(1);
    while (static_cast<int>(groups.size()) < count) {
        groups.push_back(MakeFGFromTemplate(session, session.CurrentMission()));
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        groups[i]->Record.SetText(FGRec::Name, "FG" + std::to_string(i));
        groups[i]->Record.Set(FGRec::ArrivalMothership, i);
    }
    session.CurrentMission().MissionHeader.Set(HeaderRec::FGCount, groups.size());
}

inline RowSelection Rows(std::size_t count, std::initializer_list<int> selected) {
    RowSelection rows(count, false);
    for (int row : selected) {
        rows.at(static_cast<std::size_t>(row)) = true;
    }
    return rows;
}

class OpsTest : public ::testing::Test {
protected:
    void Make(int count) {
        MakeFGs(session, count);
        session.ClearModified();
    }
    ByteRecord<FGRec::Tag>& Rec(std::size_t i) {
        return session.CurrentMission().FlightGroups.at(i)->Record;
    }
    // The names in list order; "!" marks one whose own reference no longer names its row.
    std::string Order() {
        std::string order;
        for (std::size_t i = 0; i < session.CurrentMission().FlightGroups.size(); ++i) {
            if (i > 0) {
                order += ' ';
            }
            order += Rec(i).GetText(FGRec::Name);
            if (Rec(i).Get(FGRec::ArrivalMothership) != i) {
                order += '!';
            }
        }
        return order;
    }

    RecordingUi ui;
    Session session{ui};
};

}  // namespace vorlan::test
