#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/cli_commands.h"
#include "io/load_mission.h"
#include "io/write_mission.h"
#include "model/new_mission.h"
#include "model/session.h"
#include "support/mission_factory.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

// Edits a generated mission whose flight group i is named "FGi", has its arrival mothership
// naming itself and its departure mothership naming flight group 1, so the names in OUT show
// where each went and whether the references followed.
class CliEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        in = dir.File("in.tie");
        out = dir.File("out.tie");
        test::WriteFileBytes(in, test::GenerateMissionFile({.FlightGroups = 5, .Seed = 4}));
        test::RecordingUi ui;
        Session session(ui);
        ResetToNewMission(session);
        ASSERT_TRUE(LoadMission(session, in, LoadOptions{.AllowBackup = false}));
        auto& groups = session.CurrentMission().FlightGroups;
        for (std::size_t i = 0; i < groups.size(); ++i) {
            groups[i]->Record.SetText(FGRec::Name, "FG" + std::to_string(i));
            groups[i]->Record.Set(FGRec::ArrivalMothership, i);
            groups[i]->Record.Set(FGRec::DepartureMothership, 1);
        }
        ASSERT_TRUE(WriteMission(session, in, false));
    }

    int Edit(std::vector<std::string> ops, const std::string& target = "") {
        ops.insert(ops.begin(), {"edit", in, target.empty() ? out : target});
        err.str("");
        std::ostringstream ignored;
        return RunCli(ops, dir.File("settings/Vorlan.ini"), ignored, err);
    }

    // OUT's flight groups by name; "!" marks one whose arrival mothership no longer names its
    // row, and "^n" gives the departure mothership when it is not 1.
    std::string Names() {
        test::RecordingUi ui;
        Session session(ui);
        ResetToNewMission(session);
        EXPECT_TRUE(LoadMission(session, out, LoadOptions{.AllowBackup = false}));
        const Mission& mission = session.CurrentMission();
        EXPECT_EQ(mission.MissionHeader.Get(HeaderRec::FGCount), mission.FlightGroups.size());
        std::string names;
        for (std::size_t i = 0; i < mission.FlightGroups.size(); ++i) {
            const auto& rec = mission.FlightGroups[i]->Record;
            names += i > 0 ? " " : "";
            names += rec.GetText(FGRec::Name);
            names += rec.Get(FGRec::ArrivalMothership) != i ? "!" : "";
            if (rec.Get(FGRec::DepartureMothership) != 1) {
                names += "^";
                names += std::to_string(rec.Get(FGRec::DepartureMothership));
            }
        }
        return names;
    }

    test::TempDir dir;
    std::string in;
    std::string out;
    std::ostringstream err;
};

TEST_F(CliEditTest, DeleteAndMoveCarryTheReferences) {
    ASSERT_EQ(Edit({"delete-fgs", "3,1"}), 0) << err.str();
    // A reference to a deleted flight group moves to the one before it.
    EXPECT_EQ(Names(), "FG0^0 FG2^0 FG4^0");

    ASSERT_EQ(Edit({"move-fgs", "up", "2,3"}), 0) << err.str();
    EXPECT_EQ(Names(), "FG0^3 FG2^3 FG3^3 FG1^3 FG4^3");
    ASSERT_EQ(Edit({"move-fgs", "down", "1"}), 0) << err.str();
    EXPECT_EQ(Names(), "FG0^2 FG2^2 FG1^2 FG3^2 FG4^2");
}

TEST_F(CliEditTest, MovesTheEditorRefusesChangeNothing) {
    const auto before = test::ReadFileBytes(in);
    ASSERT_EQ(Edit({"move-fgs", "up", "0,2"}), 0) << err.str();
    EXPECT_EQ(test::ReadFileBytes(out), before);
    ASSERT_EQ(Edit({"move-fgs", "down", "4"}), 0) << err.str();
    EXPECT_EQ(test::ReadFileBytes(out), before);
}

TEST_F(CliEditTest, OperationsApplyInTheOrderGiven) {
    ASSERT_EQ(Edit({"move-fgs", "down", "0", "delete-fgs", "0"}), 0) << err.str();
    // The departure motherships named FG1, moved to row 0 and deleted: 0 - 1 wraps to 255.
    EXPECT_EQ(Names(), "FG0^255 FG2^255 FG3^255 FG4^255");
    ASSERT_EQ(Edit({"delete-fgs", "0", "move-fgs", "down", "0"}), 0) << err.str();
    EXPECT_EQ(Names(), "FG2 FG1 FG3 FG4");
}

TEST_F(CliEditTest, NewCopyAndPasteAppend) {
    ASSERT_EQ(Edit({"copy-fg", "2", "new-fg", "paste-fg", "delete-fgs", "0,1"}), 0) << err.str();
    const std::string names = Names();
    // The pasted copy keeps its references as they were; the deletes then renumber them.
    EXPECT_EQ(names.substr(0, 24), "FG2^255 FG3^255 FG4^255 ");
    EXPECT_EQ(names.substr(names.size() - 9), " FG2!^255");
    EXPECT_EQ(std::count(names.begin(), names.end(), ' '), 4);
}

TEST_F(CliEditTest, BadCommandLinesWriteNothing) {
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{}, 2},
        {{"frob"}, 2},
        {{"delete-fgs"}, 2},
        {{"delete-fgs", "1,,2"}, 2},
        {{"delete-fgs", "-1"}, 2},
        {{"delete-fgs", "1x"}, 2},
        {{"delete-fgs", "99999999999"}, 2},
        {{"move-fgs", "left", "1"}, 2},
        {{"move-fgs", "up"}, 2},
        {{"copy-fg", "1,2"}, 2},
        {{"new-fg", "new-fg", "bogus"}, 2},
        {{"delete-fgs", "5"}, 1},
        {{"move-fgs", "up", "1,7"}, 1},
        // Indices are checked against the list as the earlier operations left it.
        {{"delete-fgs", "4", "copy-fg", "4"}, 1},
    };
    for (const auto& [ops, status] : cases) {
        EXPECT_EQ(Edit(ops), status) << ops.size();
        EXPECT_FALSE(err.str().empty());
    }
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"in.tie"}));

    const auto before = test::ReadFileBytes(in);
    EXPECT_EQ(Edit({"new-fg", "delete-fgs", "6"}, in), 1);
    EXPECT_NE(err.str().find("no flight group 6; the mission has 6"), std::string::npos);
    EXPECT_EQ(test::ReadFileBytes(in), before);
    EXPECT_EQ(Edit({"delete-fgs", "x"}, in), 2);
    EXPECT_EQ(test::ReadFileBytes(in), before);
}

// Messages keep numbers equal to their positions through add, move and delete; a message's
// text shows where it went.
TEST_F(CliEditTest, MessageOperationsKeepNumbersInStep) {
    ASSERT_EQ(Edit({"add-msg", "add-msg", "add-msg"}), 0) << err.str();
    in = out;
    out = dir.File("out2.tie");
    ASSERT_EQ(Edit({"move-msgs", "down", "0", "delete-msgs", "0"}), 0) << err.str();
    test::RecordingUi ui;
    Session session(ui);
    ResetToNewMission(session);
    ASSERT_TRUE(LoadMission(session, out, LoadOptions{.AllowBackup = false}));
    const Mission& mission = session.CurrentMission();
    ASSERT_EQ(mission.Messages.size(), 4u);  // two generated, three added, one deleted
    EXPECT_EQ(mission.MessageCount(), 4);
    for (std::size_t i = 0; i < mission.Messages.size(); ++i) {
        EXPECT_EQ(mission.Messages[i]->Record.Get(MsgRec::MessageNumber), i);
    }
    EXPECT_NE(Edit({"delete-msgs", "5"}), 0);
}

}  // namespace
}  // namespace vorlan
