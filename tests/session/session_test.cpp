#include "session/session.h"

#include <gtest/gtest.h>

#include "support/recording_ui.h"

namespace vorlan {
namespace {

TEST(SessionFlags, MarkingFollowsUIReadyExceptForMessages) {
    test::RecordingUi ui;
    Session session(ui);
    session.Status.UIReady = false;
    session.MarkModified();
    session.MarkFGModified();
    EXPECT_FALSE(session.IsModified());
    EXPECT_FALSE(ui.SaveEnabled);

    session.MarkMessagesModified();
    EXPECT_TRUE(session.Status.MessagesModified);
    EXPECT_FALSE(session.Status.Modified);
    EXPECT_TRUE(session.IsModified());

    session.Status.UIReady = true;
    session.MarkFGModified();
    EXPECT_TRUE(ui.SaveEnabled);
    session.ClearModified();
    EXPECT_FALSE(ui.SaveEnabled);
    // Clearing leaves the two detailed flags to the callers.
    EXPECT_TRUE(session.IsModified());
}

TEST(SessionFormat, OnlyAChangeOfChoiceHasAnEffect) {
    test::RecordingUi ui;
    Session session(ui);
    session.ChooseFormat(FormatChoice::Bop);
    EXPECT_TRUE(ui.DebriefingsVisible.empty());
    EXPECT_FALSE(session.IsModified());

    session.ChooseFormat(FormatChoice::Xvt);
    EXPECT_EQ(session.CurrentMission().MissionPlatform, 12);
    EXPECT_EQ(ui.DebriefingsVisible, std::vector<bool>{false});
    EXPECT_TRUE(session.Status.Modified);

    session.ChooseFormat(FormatChoice::Bop);
    EXPECT_EQ(session.CurrentMission().MissionPlatform, 18);
    EXPECT_EQ(ui.DebriefingsVisible, (std::vector<bool>{false, true}));
}

TEST(SessionSelection, CurrentItemsAreNullOrBlankWhenOutOfRange) {
    test::RecordingUi ui;
    Session session(ui);
    EXPECT_EQ(session.CurrentFG(), nullptr);
    EXPECT_EQ(session.CurrentMessage(), &session.BlankMessage);
    session.CurrentMission().FlightGroups.push_back(std::make_unique<FGObject>());
    EXPECT_EQ(session.CurrentFG(), session.CurrentMission().FlightGroups[0].get());
    session.Select.CurrentFGIndex = 1;
    EXPECT_EQ(session.CurrentFG(), nullptr);
}

}  // namespace
}  // namespace vorlan
