#include "edit/trigger_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "edit/edit.h"
#include "session/new_mission.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

using Bytes = std::vector<std::pair<std::size_t, int>>;
using Image = std::vector<std::uint8_t>;
using enum TriggerContext;

constexpr std::size_t kArrival = FGRec::kArrivalTriggers;
constexpr std::size_t kDeparture = FGRec::kDepartureTriggers;
constexpr std::size_t kSkip = FGRec::SkipBlockOffset(2, 3);
constexpr std::size_t kMessage = MsgRec::kMessageTriggers;
const std::size_t kGoal = GGRec::GoalKind(2).offset;

// Trigger t of the block at block: condition, class, index, amount, parameters; -1 lists no byte.
Bytes Trigger(std::size_t block, int t, std::array<int, 6> values) {
    Bytes bytes;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] >= 0) {
            bytes.emplace_back(block + TriggerBlock::TriggerOffset(t) + i, values[i]);
        }
    }
    return bytes;
}

// Random records: flight groups 1 and 3 selected, 3 current; messages 0 and 2 selected, 2
// current; team 1's third goal; region 2, order 3.
class TriggerRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToNewMission(session);
        Mission& mission = session.CurrentMission();
        std::mt19937 random(11);
        const auto scramble = [&](std::span<std::uint8_t> image) {
            std::ranges::generate(image, [&] { return static_cast<std::uint8_t>(random()); });
        };
        mission.FlightGroups.clear();
        mission.Messages.clear();
        for (int i = 0; i < 4; ++i) {
            scramble(
                mission.FlightGroups.emplace_back(std::make_unique<FGObject>())->Record.Image());
        }
        for (int i = 0; i < 3; ++i) {
            scramble(mission.Messages.emplace_back(std::make_unique<MsgObject>())->Record.Image());
        }
        for (GGObject& goal : mission.GlobalGoals) {
            scramble(goal.Record.Image());
        }
        Selection& select = session.Select;
        select.SelectedFGs = {false, true, false, true};
        select.CurrentFGIndex = 3;
        select.SelectedMessages = {true, false, true};
        select.CurrentMessageIndex = 2;
        select.CurrentGoalTeamIndex = 1;
        select.CurrentGoalKind = 2;
        select.CurrentOrderRegion = 2;
        select.CurrentOrderNumber = 3;
        session.ClearModified();
    }

    // Every record image of the mission: flight groups, messages, global goals.
    std::vector<std::span<std::uint8_t>> Records() {
        Mission& mission = session.CurrentMission();
        std::vector<std::span<std::uint8_t>> records;
        for (auto& fg : mission.FlightGroups) {
            records.emplace_back(fg->Record.Image());
        }
        for (auto& message : mission.Messages) {
            records.emplace_back(message->Record.Image());
        }
        for (GGObject& goal : mission.GlobalGoals) {
            records.emplace_back(goal.Record.Image());
        }
        return records;
    }
    // Indices into Records() of the records a context writes, and of the one it shows.
    static std::vector<std::size_t> Written(TriggerContext context) {
        switch (context) {
            case Messages:
                return {4, 6};
            case GlobalGoals:
                return {8};
            default:
                return {1, 3};
        }
    }
    static std::size_t Shown(TriggerContext context) { return Written(context).back(); }

    EditResult Apply(std::string_view control, EditValue value) {
        return ApplyEdit(session, ControlEdit{control, std::move(value)});
    }

    test::RecordingUi ui;
    Session session{ui};
};

TEST_F(TriggerRulesTest, EachControlWritesItsContextsBlockInTheSelectedRecordsOnly) {
    struct Case {
        TriggerContext context;
        int line;
        std::string_view control;
        EditValue input;
        Bytes shown;   // set in the record the panel shows, before the edit
        Bytes expect;  // then found in every record the context writes, and in no other
        int lineAfter = 0;
        const char* refused = nullptr;
    };
    const Bytes shownArrival = Trigger(kArrival, 2, {2, 1, 2, 0, 5, 6});
    const Case cases[] = {
        // The whole trigger as shown, with the one control changed.
        {Arrival, 2, "PercentBox", 3, shownArrival, Trigger(kArrival, 2, {2, 1, 2, 3, 5, 6})},
        {Arrival, 2, "ClassBox", 5, shownArrival, Trigger(kArrival, 2, {2, 5, 0, 0, 5, 6})},
        {Arrival, 2, "IndexBox", 4, shownArrival, {}, 0, "IndexBox: 4 is not between 0 and 3"},
        {Arrival, 2, "CondBox", 47, shownArrival, Trigger(kArrival, 2, {47, 1, 2, 0, 5, 6})},
        {Arrival, 2, "CondUnk1", "300", shownArrival, Trigger(kArrival, 2, {2, 1, 2, 0, 44, 6})},
        {Arrival, 2, "CondUnk2", "abc", shownArrival, Trigger(kArrival, 2, {2, 1, 2, 0, 5, 0})},
        // A selector showing no row (a flight group past the list, an amount or class past its
        // table) leaves each record its own byte.
        {Arrival, 1, "CondBox", 3, Trigger(kArrival, 1, {2, 1, 200, 60, 0, 0}),
         Trigger(kArrival, 1, {3, 1, -1, -1, 0, 0})},
        {Arrival, 1, "PercentBox", 1, Trigger(kArrival, 1, {2, 40, 9, 0, 0, 0}),
         Trigger(kArrival, 1, {2, -1, 9, 1, 0, 0})},
        // The index list is the class's own.
        {Arrival, 4, "IndexBox", 5, Trigger(kArrival, 4, {2, 5, 1, 0, 0, 0}),
         Trigger(kArrival, 4, {2, 5, 5, 0, 0, 0})},
        {Arrival, 4, "IndexBox", 6, Trigger(kArrival, 4, {2, 5, 1, 0, 0, 0}), {}, 0, ": 6"},
        {Arrival, 4, "IndexBox", 255, Trigger(kArrival, 4, {2, 9, 1, 0, 0, 0}),
         Trigger(kArrival, 4, {2, 9, 255, 0, 0, 0})},
        {Arrival, 1, "and2Or", 1, {}, {{kArrival + 14, 1}}},
        {Arrival, 1, "and2And", 1, {{kArrival + 14, 1}}, {{kArrival + 14, 0}}},
        {Arrival, 1, "And4Or", 1, {}, {{kArrival + 30, 1}}},
        {Arrival, 1, "GlbOr", 1, {}, {{kArrival + 32, 1}}},
        {Arrival, 1, "Cond3Lab", 1, {}, {}, 3},
        // Two triggers only: a third would lie on the delays.
        {Departure, 2, "PercentBox", 4, Trigger(kDeparture, 2, {10, 0, 0, 0, 0, 0}),
         Trigger(kDeparture, 2, {10, 0, 0, 4, 0, 0})},
        {Departure, 1, "and2Or", 1, {}, {{kDeparture + 14, 1}}},
        {Departure, 1, "And4Or", 1, {}, {}},
        {Departure, 2, "Cond3Lab", 1, {}, {}, 2},
        {Jump, 1, "CondBox", 1, Trigger(kSkip, 1, {0, 0, 0, 0, 0, 0}),
         Trigger(kSkip, 1, {1, 0, 0, 0, 0, 0})},
        {Jump, 2, "and2Or", 1, {}, {{kSkip + 14, 1}}},
        {Messages, 4, "PercentBox", 2, Trigger(kMessage, 4, {9, 7, 3, 1, 0, 0}),
         Trigger(kMessage, 4, {9, 7, 3, 2, 0, 0})},
        {Messages, 1, "GlbOr", 1, {}, {{kMessage + 49, 1}}},
        // A global goal takes only the byte of the control changed; a class resets the index.
        {GlobalGoals, 1, "CondBox", 4, Trigger(kGoal, 1, {1, 2, 3, 4, 5, 6}),
         Trigger(kGoal, 1, {4, -1, -1, -1, -1, -1})},
        {GlobalGoals, 3, "ClassBox", 3, Trigger(kGoal, 3, {1, 2, 3, 4, 5, 6}),
         Trigger(kGoal, 3, {-1, 3, 0, -1, -1, -1})},
        {GlobalGoals, 2, "CondUnk2", "300", {}, Trigger(kGoal, 2, {-1, -1, -1, -1, -1, 44})},
        {GlobalGoals, 1, "And4Or", 1, {}, {{kGoal + 30, 1}}},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(testing::Message() << "case " << n << ": " << c.control);
        SetUp();
        session.Select.CurrentTriggerContext = c.context;
        session.Select.CurrentTriggers.at(static_cast<std::size_t>(c.context)) = c.line;
        auto records = Records();
        for (const auto& [offset, value] : c.shown) {
            records[Shown(c.context)][offset] = static_cast<std::uint8_t>(value);
        }
        std::vector<Image> expected;
        for (const auto record : records) {
            expected.emplace_back(record.begin(), record.end());
        }
        for (const std::size_t written : Written(c.context)) {
            for (const auto& [offset, value] : c.expect) {
                expected[written][offset] = static_cast<std::uint8_t>(value);
            }
        }

        const EditResult result = Apply(c.control, c.input);
        if (c.refused != nullptr) {
            EXPECT_NE(result.Error.find(c.refused), std::string::npos) << result.Error;
        }
        EXPECT_EQ(result.Mark, c.expect.empty() ? ModifiedMark::None : PlaceOf(c.context).Mark);
        EXPECT_EQ(session.IsModified(), !c.expect.empty());
        EXPECT_EQ(CurrentTriggerNumber(session.Select), c.lineAfter != 0 ? c.lineAfter : c.line);
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_TRUE(std::ranges::equal(records[i], expected[i])) << "record " << i;
        }
    }
}

// Choosing a trigger value or line with no message makes message 0 and writes it; a join has no
// message to go to.
TEST_F(TriggerRulesTest, AMessageTriggerWithoutMessagesMakesMessageZero) {
    session.Select.CurrentTriggerContext = Messages;
    auto& messages = session.CurrentMission().Messages;
    messages.clear();
    EXPECT_FALSE(Apply("and2Or", 1).Changed);
    EXPECT_TRUE(messages.empty());

    const EditResult result = Apply("CondBox", 2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(result.RebuildMessageList);
    EXPECT_EQ(session.Select.SelectedMessages, RowSelection{true});
    EXPECT_EQ(messages[0]->Record.Sub(MsgRec::MessageTrigger(1)).Get(TriggerRec::Condition), 2);
    EXPECT_TRUE(session.Status.MessagesModified);

    messages.clear();
    Apply("Cond3Lab", 1);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(CurrentTriggerNumber(session.Select), 3);
}

TEST_F(TriggerRulesTest, TheIndexListFollowsTheClass) {
    const std::vector<std::tuple<int, int, std::string>> cases = {
        {0, 256, "none"},
        {9, 256, "0"},
        {2, 233, "(None)"},
        {5, 6, "Rebel"},
        {12, 10, "1"},
        // Until the list's first rebuild the flight groups go by number.
        {1, 4, "FG#0"},
    };
    for (const auto& [classCode, rows, first] : cases) {
        const auto shown = IndexRows(session, classCode);
        EXPECT_EQ(IndexRowCount(session, classCode), rows) << classCode;
        ASSERT_EQ(shown.size(), static_cast<std::size_t>(rows)) << classCode;
        EXPECT_EQ(shown.front().substr(0, first.size()), first) << classCode;
    }
    session.Vocab.SetFlightGroupRefNames({"a", "b", "c", "d", "e"});
    EXPECT_EQ(IndexRows(session, 1), (std::vector<std::string>{"a", "b", "c", "d"}));
}

// The panel shows the current record's trigger, rows it has none for as none, and a departure
// block's two lines and one join.
TEST_F(TriggerRulesTest, TheViewShowsTheCurrentRecordsBlock) {
    auto& fg = session.CurrentFG()->Record;
    for (const auto& [offset, value] : Trigger(kDeparture, 2, {47, 1, 9, 0, 3, 0})) {
        fg.SetByteAt(offset, static_cast<std::uint8_t>(value));
    }
    fg.Set(FGRec::DepartureJoin12, 7);
    session.Select.CurrentTriggerContext = Departure;
    session.Select.CurrentTriggers.at(1) = 4;
    const TriggerView view = ViewTrigger(session);
    EXPECT_EQ(view.Lines, 2);
    EXPECT_EQ(view.Current, 2);
    EXPECT_EQ(std::tie(view.Amount, view.Class, view.Index, view.Condition),
              std::make_tuple(0, 1, kNoRow, 47));
    EXPECT_EQ(view.Sentences[1], "100% of FG#9 must arrive in Region #3");
    EXPECT_EQ(view.Sentences[2], "");
    EXPECT_EQ(view.Joins, (std::array<int, 3>{1, kNoJoin, kNoJoin}));
}

}  // namespace
}  // namespace vorlan
