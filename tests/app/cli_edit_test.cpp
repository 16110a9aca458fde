#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "edit/edit.h"
#include "io/load_mission.h"
#include "io/write_mission.h"
#include "session/new_mission.h"
#include "session/session.h"
#include "support/mission_factory.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

// Edits a generated mission whose flight group i is named "FGi" and whose regions are named
// "Alpha" to "Delta", so the names in OUT show what each operation did.
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
        }
        const char* regions[] = {"Alpha", "Beta", "Gamma", "Delta"};
        for (int r = 0; r < HeaderRec::kRegionNames; ++r) {
            session.CurrentMission().MissionHeader.SetText(HeaderRec::RegionNames(r), regions[r]);
        }
        ASSERT_TRUE(WriteMission(session, in, false));
    }

    int Edit(std::vector<std::string> ops, const std::string& target = "") {
        ops.insert(ops.begin(), {"edit", in, target.empty() ? out : target});
        err.str("");
        std::ostringstream ignored;
        return RunCli(ops, dir.File("settings/Vorlan.ini"), ignored, err);
    }

    // Calls f with the mission loaded from path.
    template <class F>
    static void WithMission(const std::string& path, F f) {
        test::RecordingUi ui;
        Session session(ui);
        ResetToNewMission(session);
        ASSERT_TRUE(LoadMission(session, path, LoadOptions{.AllowBackup = false}));
        f(static_cast<const Mission&>(session.CurrentMission()));
    }

    static std::vector<ByteRecord<FGRec::Tag>> Records(const std::string& path) {
        std::vector<ByteRecord<FGRec::Tag>> records;
        WithMission(path, [&](const Mission& mission) {
            for (const auto& fg : mission.FlightGroups) {
                records.push_back(fg->Record);
            }
        });
        return records;
    }

    // OUT's flight group names, separated by "|".
    std::string Names() {
        std::string names;
        for (const auto& record : Records(out)) {
            names += names.empty() ? "" : "|";
            names += record.GetText(FGRec::Name);
        }
        return names;
    }

    test::TempDir dir;
    std::string in;
    std::string out;
    std::ostringstream err;
};

// The rows given become the selection, the first the current row, one operation after the
// other; an operation the editor would refuse changes nothing and is no failure.
TEST_F(CliEditTest, OperationsActOnTheRowsGivenInOrder) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"delete-fgs", "3,1"}, "FG0|FG2|FG4"},
        {{"move-fgs", "up", "2,3"}, "FG0|FG2|FG3|FG1|FG4"},
        {{"move-fgs", "up", "0,2"}, "FG0|FG1|FG2|FG3|FG4"},
        {{"move-fgs", "down", "0", "delete-fgs", "0"}, "FG0|FG2|FG3|FG4"},
        {{"delete-fgs", "0", "move-fgs", "down", "0"}, "FG2|FG1|FG3|FG4"},
        {{"copy-fg", "2", "new-fg", "paste-fg", "delete-fgs", "0,1"}, "FG2|FG3|FG4|Unnamed|FG2"},
        {{"add-hyperbuoys", "1", "3", "add-hyperbuoys", "2", "2", "--no-entry", "delete-fgs", "0"},
         "FG1|FG2|FG3|FG4|To Gamma|From Alpha|To Alpha|From Gamma|Beta|Beta"},
    };
    for (const auto& [ops, names] : cases) {
        ASSERT_EQ(Edit(ops), 0) << err.str();
        EXPECT_EQ(Names(), names) << ops[0];
    }
}

// Each refusal names what was wrong: 2 for the command line, 1 for what the mission reveals.
TEST_F(CliEditTest, RefusalsNameTheProblemAndWriteNothing) {
    struct Case {
        std::vector<std::string> Ops;
        int Status;
        const char* Named;
    };
    const std::vector<Case> cases = {
        {{}, 2, "at least one operation"},
        {{"frob"}, 2, "'frob'"},
        {{"delete-fgs", "1,,2"}, 2, "'1,,2'"},
        {{"delete-fgs", "-1"}, 2, "'-1'"},
        {{"move-fgs", "left", "1"}, 2, "'left'"},
        {{"copy-fg", "1,2"}, 2, "'1,2'"},
        {{"set-fg", "0", "NoSuchField", "1"}, 2, "'NoSuchField'"},
        {{"set-fg", "0", "CraftCount", "many"}, 2, "CraftCount takes a number, not 'many'"},
        {{"set-fg", "0", "CraftCount"}, 2, "needs a value"},
        {{"set-fg", "0", "Command", "7"}, 2, "unknown field 'Command'"},
        {{"set-order", "0", "1", "5", "Command", "7"}, 2, "'5' is not 1, 2, 3 or 4"},
        {{"set-order", "0", "1", "1", "Name", "x"}, 2, "unknown order field 'Name'"},
        {{"set-order", "0", "1", "1", "Command", "76"}, 1, "Command: 76"},
        {{"add-hyperbuoys", "0", "2"}, 2, "region '0'"},
        {{"move-fgs", "up", "1,7"}, 1, "no flight group 7"},
        // Rows are checked against the list as the earlier operations left it.
        {{"delete-fgs", "4", "copy-fg", "4"}, 1, "no flight group 4; the mission has 4"},
        {{"delete-msgs", "2"}, 1, "no message 2"},
        // The edit path checks the value against the control, after the earlier operations.
        {{"new-fg", "set-fg", "5", "CraftCount", "999"}, 1, "CraftCount: 999"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Edit(c.Ops), c.Status) << c.Named;
        EXPECT_NE(err.str().find(c.Named), std::string::npos) << err.str();
    }
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"in.tie"}));

    const auto before = test::ReadFileBytes(in);
    EXPECT_EQ(Edit({"new-fg", "set-fg", "0", "CraftCount", "999"}, in), 1);
    EXPECT_EQ(test::ReadFileBytes(in), before);
}

// A field is written into the listed flight groups as its control would write it; no other
// flight group changes at all.
TEST_F(CliEditTest, SetFGWritesTheListedFlightGroupsOnly) {
    struct Case {
        std::vector<std::string> Ops;
        std::vector<std::size_t> Listed;
        std::size_t Offset;
        std::string Bytes;
    };
    const std::vector<Case> cases = {
        {{"set-fg", "4", "Name", "A name"}, {4}, FGRec::Name.offset, {"A name\0", 7}},
        {{"set-fg", "0", "CraftCount", "9", "set-fg", "0,2", "CraftCount", "8"},
         {0, 2},
         FGRec::CraftCount.offset,
         {8}},
        {{"set-order", "3,1", "2", "3", "Command", "7"}, {1, 3}, FGRec::Order(2, 3).offset, {7}},
    };
    const auto before = Records(in);
    for (const Case& c : cases) {
        ASSERT_EQ(Edit(c.Ops), 0) << err.str();
        const auto after = Records(out);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (std::find(c.Listed.begin(), c.Listed.end(), i) == c.Listed.end()) {
                EXPECT_EQ(after[i], before[i]) << c.Ops[1] << " FG " << i;
                continue;
            }
            for (std::size_t b = 0; b < c.Bytes.size(); ++b) {
                EXPECT_EQ(after[i].ByteAt(c.Offset + b), static_cast<std::uint8_t>(c.Bytes[b]))
                    << c.Ops[1] << " FG " << i << " byte " << b;
            }
        }
    }
}

// Kilometres as the grids take them reach the listed flight groups' points only: the start
// points through the working copies saving writes, a waypoint in the order named.
TEST_F(CliEditTest, SetPointWritesTheNamedPointOfTheListedFlightGroups) {
    const auto before = Records(in);
    ASSERT_EQ(Edit({"set-point", "3,1", "start2", "1.5", "-250", "", "set-point", "0", "r2o3wp8",
                    "-", ".5", "0.003125"}),
              0)
        << err.str();
    auto want = before;
    for (const std::size_t fg : {1u, 3u}) {
        auto point = want[fg].Sub(FGRec::FilePoint(2));
        point.Set(PointRec::X, 240);
        point.Set(PointRec::Y, -32768);
        point.Set(PointRec::Z, 0);
    }
    auto waypoint = want[0].Sub(FGRec::Order(2, 3)).Sub(OrderRec::OrderWaypoint(8));
    waypoint.Set(PointRec::X, 0);
    waypoint.Set(PointRec::Y, 80);
    waypoint.Set(PointRec::Z, 0);
    EXPECT_EQ(Records(out), want);

    const std::pair<std::vector<std::string>, const char*> refused[] = {
        {{"set-point", "0", "start5", "1", "1", "1"}, "unknown point 'start5'"},
        {{"set-point", "0", "point6", "1", "1e2", "1"}, "'1e2' is not a number of km"},
    };
    for (const auto& [ops, named] : refused) {
        EXPECT_EQ(Edit(ops), 2) << named;
        EXPECT_NE(err.str().find(named), std::string::npos) << err.str();
    }
}

// Message rows become the message selection: [A, B] + new, move row 1 down, delete row 0.
TEST_F(CliEditTest, MessageOperationsActOnTheRowsGiven) {
    std::string second;
    WithMission(in,
                [&](const Mission& m) { second = m.Messages[1]->Record.GetText(MsgRec::Text); });
    ASSERT_EQ(Edit({"add-msg", "move-msgs", "down", "1", "delete-msgs", "0"}), 0) << err.str();
    WithMission(out, [&](const Mission& m) {
        ASSERT_EQ(m.Messages.size(), 2u);
        EXPECT_EQ(m.Messages[0]->Record.GetText(MsgRec::Text), "New Message");
        EXPECT_EQ(m.Messages[1]->Record.GetText(MsgRec::Text), second);
    });
}

// The text goes to the first listed message with its colour prefix kept; the other fields to every
// listed message. A flight group field is no message field.
TEST_F(CliEditTest, SetMsgWritesTheListedMessagesAsTheirControlsDo) {
    ASSERT_EQ(Edit({"add-msg", "set-msg", "2", "text", "2Old", "set-msg", "2,0", "text", "New",
                    "set-msg", "0,2", "delay", "300", "set-msg", "0,2", "teams", "-"}),
              0)
        << err.str();
    std::string first;
    WithMission(in, [&](const Mission& m) { first = m.Messages[0]->Record.GetText(MsgRec::Text); });
    WithMission(out, [&](const Mission& m) {
        ASSERT_EQ(m.Messages.size(), 3u);
        EXPECT_EQ(m.Messages[2]->Record.GetText(MsgRec::Text), "2New");
        EXPECT_EQ(m.Messages[0]->Record.GetText(MsgRec::Text), first);
        for (const std::size_t i : {0u, 2u}) {
            EXPECT_EQ(m.Messages[i]->Record.Get(MsgRec::Delay), 44);
            EXPECT_EQ(m.Messages[i]->Record.Get(MsgRec::SentToTeam(0)), 0);
        }
    });
    EXPECT_NE(Edit({"set-msg", "0", "Status", "1"}, dir.File("refused.tie")), 0);
    EXPECT_NE(err.str().find("unknown message field 'Status'"), std::string::npos) << err.str();
    EXPECT_NE(Edit({"set-fg", "0", "color", "1"}, dir.File("refused.tie")), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("refused.tie")));
}

// The whole trigger goes to the listed flight groups, or, when a value does not fit, nowhere.
TEST_F(CliEditTest, SetTriggerWritesTheListedFlightGroupsOrNothing) {
    ASSERT_EQ(Edit({"set-trigger", "3,1", "arrival", "4", "2", "1", "4", "0", "47", "3"}), 0)
        << err.str();
    const auto before = Records(in);
    auto after = Records(out);
    for (std::size_t i = 0; i < after.size(); ++i) {
        const auto trigger = std::as_const(after[i]).Sub(FGRec::ArrivalTrigger(4)).Image();
        if (i == 1 || i == 3) {
            EXPECT_EQ(std::vector<int>(trigger.begin(), trigger.end()),
                      (std::vector<int>{2, 1, 4, 0, 47, 3}));
        } else {
            EXPECT_EQ(after[i], before[i]) << i;
        }
    }
    ASSERT_EQ(Edit({"set-trigger", "0", "departure", "2", "1", "0", "0", "3"}), 0) << err.str();
    after = Records(out);
    const auto kept = std::as_const(before[0]).Sub(FGRec::DepartureTrigger(2));
    const auto trigger = std::as_const(after[0]).Sub(FGRec::DepartureTrigger(2));
    EXPECT_EQ(std::vector<int>(trigger.Image().begin(), trigger.Image().begin() + 4),
              (std::vector<int>{1, 0, 0, 3}));
    EXPECT_EQ(trigger.Get(TriggerRec::Parameter1), kept.Get(TriggerRec::Parameter1));

    const std::vector<std::pair<std::vector<std::string>, const char*>> refused = {
        {{"set-trigger", "0", "departure", "3", "1", "0", "0", "0"}, "Trigger: 3"},
        {{"set-trigger", "0", "arrival", "1", "2", "1", "5", "0"}, "Target: 5"},
        {{"set-trigger", "0", "arrival", "1", "2", "0", "0", "0", "256", "0"}, "Parameter1: 256"},
        {{"set-trigger", "0", "jump", "1"}, "arrival or departure, not 'jump'"},
        {{"set-trigger", "0", "arrival", "1", "2", "1", "0", "0", "5"}, "P1 and P2"},
    };
    for (const auto& [ops, named] : refused) {
        EXPECT_NE(Edit(ops, dir.File("refused.tie")), 0) << named;
        EXPECT_NE(err.str().find(named), std::string::npos) << err.str();
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("refused.tie")));
}

TEST_F(CliEditTest, HelpListsEveryFieldSetFGTakes) {
    std::ostringstream help;
    ASSERT_EQ(RunCli({"--help"}, dir.File("settings/Vorlan.ini"), help, err), 0);
    for (const auto page : AllControlRules()) {
        for (const ControlRule& rule : page) {
            if (!rule.Field.empty()) {
                std::string entry(rule.Field);
                entry += " (";
                EXPECT_NE(help.str().find(entry), std::string::npos) << rule.Field;
            }
        }
    }
}

}  // namespace
}  // namespace vorlan
