// The file's length follows from its sections; these cases pin every fixed section's size.

#include <gtest/gtest.h>

#include "io/byte_sink.h"
#include "io/mission_writer.h"
#include "session/new_mission.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

std::vector<std::uint8_t> Serialise(const Mission& mission) {
    MemoryByteSink sink;
    WriteMissionBytes(mission, sink);
    EXPECT_TRUE(sink.Finish());
    return sink.Bytes;
}

Mission& Reset(Session& session) {
    ResetToNewMission(session);
    return session.CurrentMission();
}

class MissionSize : public ::testing::Test {
protected:
    test::RecordingUi ui;
    Session session{ui};
    Mission& m = Reset(session);
};

TEST_F(MissionSize, EmptyMissionOnEachTail) {
    // No flight groups, no messages, no texts, no extra bytes, no note slots.
    m.FlightGroups.clear();
    for (auto& section : m.PassThrough.FlaggedSections) {
        section.HasExtra = 0;
    }
    for (auto& slot : m.PassThrough.NoteSlots) {
        slot.Present = 0;
    }
    EXPECT_EQ(Serialise(m).size(), 102598u);
    m.MissionPlatform = 14;
    EXPECT_EQ(Serialise(m).size(), 102598u);
    m.MissionPlatform = 12;
    EXPECT_EQ(Serialise(m).size(), 91334u);
}

TEST_F(MissionSize, NewMissionAndWhatEachAdditionCosts) {
    const auto bytes = Serialise(m);
    ASSERT_EQ(bytes.size(), 106395u);
    EXPECT_EQ(bytes[0], 18);
    EXPECT_EQ(bytes[2], 1);  // FGCount

    m.FlightGroups[0]->SetGoalString(0, GoalStringKind::Success, "Done");
    m.Briefings[0].BriefingStrings[0] = std::string(300, 'b');
    m.PassThrough.FlaggedSections[0].HasExtra = 2;  // only the value 1 adds a byte
    m.PassThrough.FlaggedSections[1].HasExtra = 1;
    m.PassThrough.FlaggedSections[2].HasExtra = 0;
    m.PassThrough.FlaggedSections[3].HasExtra = 0;
    EXPECT_EQ(Serialise(m).size(), 106395u + 63 + 300);

    // Only the first briefing is written, whatever the others hold.
    m.Briefings[1].BriefingStrings[0] = "ignored";
    EXPECT_EQ(Serialise(m).size(), 106395u + 63 + 300);
}

TEST_F(MissionSize, HeaderCountsFollowTheLists) {
    m.FlightGroups.push_back(std::make_unique<FGObject>());
    m.FlightGroups.push_back(std::make_unique<FGObject>());
    // A message count larger than the list never makes the file promise records it lacks.
    m.MissionHeader.Set(HeaderRec::MessageCount, 5);
    const auto bytes = Serialise(m);
    EXPECT_EQ(bytes[2] | bytes[3] << 8, 3);
    EXPECT_EQ(bytes[4] | bytes[5] << 8, 0);
    EXPECT_EQ(bytes.size(), 106395u + 2 * (3646 + 24));
}

}  // namespace
}  // namespace vorlan
