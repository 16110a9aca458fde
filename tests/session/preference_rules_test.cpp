#include "session/preference_rules.h"

#include <gtest/gtest.h>

#include <memory>

#include "session/session.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

TEST(PreferenceRulesTest, HiddenResetsForceTheirValuesAndLeaveTheRest) {
    Settings fromFile;
    fromFile.CheckPlayable = fromFile.AdjustForRes = fromFile.UseWiz = true;
    fromFile.DefaultFormat = 0;
    fromFile.FileSavedMsg = fromFile.DoBackups = true;
    fromFile.DefaultWPs = 2;
    fromFile.DefaultWPtime = fromFile.DefaultWPdist = fromFile.DefaultPallet = true;
    fromFile.DefaultFGList = fromFile.DefaultHyp = fromFile.DefaultOptions = true;
    fromFile.LimitShrink = false;
    fromFile.OnlyXY = true;
    fromFile.IconZoomSmall = 900;
    fromFile.OpenWith = OpenProgramWith::LastUsedFile;
    // Hidden but kept, and shown.
    fromFile.EnableWPs = true;
    fromFile.DefaultName = true;
    fromFile.ConfirmClose = false;
    fromFile.ConfirmDeletes = false;
    fromFile.Wave = "/w";

    Settings settings = fromFile;
    ApplyHiddenResets(settings);

    Settings expected = fromFile;
    expected.CheckPlayable = expected.AdjustForRes = expected.UseWiz = false;
    expected.DefaultFormat = 1;
    expected.FileSavedMsg = expected.DoBackups = false;
    expected.DefaultWPs = 0;
    expected.DefaultWPtime = expected.DefaultWPdist = expected.DefaultPallet = false;
    expected.DefaultFGList = expected.DefaultHyp = expected.DefaultOptions = false;
    expected.LimitShrink = true;
    expected.OnlyXY = false;
    expected.IconZoomSmall = 4;
    expected.OpenWith = OpenProgramWith::ChoiceBox;
    EXPECT_EQ(settings, expected);
}

TEST(PreferenceRulesTest, OpeningReplacesOnlyUndefinedDirectories) {
    Settings undefined;
    ApplyOpeningReplacements(undefined, "/home/u");
    EXPECT_EQ(undefined.Missions, "/home/u");
    EXPECT_EQ(undefined.XWA, "/home/u");
    EXPECT_EQ(undefined.Vorlan, "/home/u");
    EXPECT_EQ(undefined.Wave, "/home/u/wave/");

    Settings defined;
    defined.Missions = "/m";
    defined.XWA = "/g/";
    defined.Vorlan = "/v";
    defined.OPT = "Undefined";
    Settings expected = defined;
    expected.Wave = "/g/wave/";
    ApplyOpeningReplacements(defined, "/home/u");
    EXPECT_EQ(defined, expected);

    defined.Wave = "/w";
    ApplyOpeningReplacements(defined, "/home/u");
    EXPECT_EQ(defined.Wave, "/w");
}

class PreferenceSessionTest : public ::testing::Test {
protected:
    PreferenceSessionTest() {
        for (std::uint8_t flag : {0, 1, 0}) {
            auto fg = std::make_unique<FGObject>();
            fg->AutoIFF = flag;
            session.CurrentMission().FlightGroups.push_back(std::move(fg));
        }
    }
    std::vector<int> Flags() {
        std::vector<int> flags;
        for (const auto& fg : session.CurrentMission().FlightGroups) {
            flags.push_back(fg->AutoIFF);
        }
        return flags;
    }
    test::RecordingUi ui;
    Session session{ui};
};

TEST_F(PreferenceSessionTest, ToggleReachesEveryFlightGroupAndSnapshotRestoresEach) {
    const PreferencesSnapshot snapshot = TakePreferencesSnapshot(session);
    const Settings before = session.RunningSettings;

    SetAutoLink(session, true);
    EXPECT_TRUE(session.RunningSettings.AutoLink);
    EXPECT_EQ(Flags(), (std::vector<int>{1, 1, 1}));
    SetAutoLink(session, false);
    EXPECT_EQ(Flags(), (std::vector<int>{0, 0, 0}));

    session.RunningSettings.ConfirmDeletes = !before.ConfirmDeletes;
    RestorePreferencesSnapshot(session, snapshot);
    EXPECT_EQ(session.RunningSettings, before);
    EXPECT_EQ(Flags(), (std::vector<int>{0, 1, 0}));
}

TEST_F(PreferenceSessionTest, DefaultChoiceGoesIntoTheTemplate) {
    session.RunningSettings.DefaultShip = 7;
    session.RunningSettings.DefaultAI = 4;
    StoreDefaultFGChoice(session);
    EXPECT_EQ(session.Template.DefaultFGRecord.Get(FGRec::CraftType), 7);
    EXPECT_EQ(session.Template.DefaultFGRecord.Get(FGRec::AI), 4);
}

}  // namespace
}  // namespace vorlan
