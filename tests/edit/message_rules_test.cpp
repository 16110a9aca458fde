#include "edit/message_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "edit/edit.h"
#include "edit/undo.h"
#include "ops/message_ops.h"
#include "ops/ops_test_support.h"

namespace vorlan {
namespace {

// Four messages, 1 and 3 selected, 1 current. Message i is sent to team i and to team 9 (past the
// teams the page offers), so each control's bytes show which messages it wrote.
class MessageRules : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToNewMission(session);
        for (int i = 0; i < 4; ++i) {
            AddMessage(session, session.VoiceList);
            Msg(i).SetText(MsgRec::Text,
                           std::string("2Text").append(1, static_cast<char>('0' + i)));
            Msg(i).Set(MsgRec::SentToTeam(0), 0);
            Msg(i).Set(MsgRec::SentToTeam(i), 1);
            Msg(i).Set(MsgRec::SentToTeam(9), 1);
            Message(i).ComputeSentToAnyTeam();
        }
        session.Select.SelectedMessages = test::Rows(4, {1, 3});
        session.Select.CurrentMessageIndex = 1;
        session.Undo.Clear();
        session.ClearModified();
        session.Status.MessagesModified = false;
    }
    EditResult Apply(std::string_view control, EditValue value) {
        return ApplyEdit(session, ControlEdit{control, std::move(value)});
    }
    MsgObject& Message(int i) {
        return *session.CurrentMission().Messages.at(static_cast<std::size_t>(i));
    }
    ByteRecord<MsgRec::Tag>& Msg(int i) { return Message(i).Record; }
    std::vector<ByteRecord<MsgRec::Tag>> Records() {
        std::vector<ByteRecord<MsgRec::Tag>> records;
        for (int i = 0; i < 4; ++i) {
            records.push_back(Msg(i));
        }
        return records;
    }

    test::RecordingUi ui;
    Session session{ui};
};

using Bytes = std::vector<std::pair<std::size_t, int>>;

Bytes Teams(std::initializer_list<int> sent) {
    Bytes bytes;
    for (int team = 0; team < kMessageTeams; ++team) {
        bytes.emplace_back(MsgRec::SentToTeam(team).offset,
                           std::find(sent.begin(), sent.end(), team) != sent.end() ? 1 : 0);
    }
    return bytes;
}

TEST_F(MessageRules, EachControlWritesItsMessagesOnlyAndMarksThem) {
    struct Case {
        std::string_view Control;
        EditValue Value;
        std::vector<int> Written;
        Bytes Want;
        bool RebuildsList;
    };
    const Case cases[] = {
        {"MsgColorBox", 3, {1, 3}, {{MsgRec::Color.offset, 3}}, true},
        {"MsgDelaySpin", 300, {1, 3}, {{MsgRec::Delay.offset, 44}}, false},
        {"SeenByList", std::vector<int>{2, 5}, {1, 3}, Teams({2, 5}), true},
        {"MsgtextEd", std::string("Hi"), {1}, {{3, 'H'}, {4, 'i'}, {5, 0}, {6, 0}, {7, 0}}, true},
    };
    for (const Case& c : cases) {
        SetUp();
        const auto before = Records();
        const EditResult result = Apply(c.Control, c.Value);
        ASSERT_TRUE(result.Error.empty()) << result.Error;
        EXPECT_EQ(result.RebuildMessageList, c.RebuildsList) << c.Control;
        EXPECT_TRUE(session.Status.MessagesModified && session.Status.Modified) << c.Control;
        for (int i = 0; i < 4; ++i) {
            auto expected = before[static_cast<std::size_t>(i)];
            if (std::find(c.Written.begin(), c.Written.end(), i) != c.Written.end()) {
                for (const auto& [offset, byte] : c.Want) {
                    expected.SetByteAt(offset, static_cast<std::uint8_t>(byte));
                }
            }
            EXPECT_EQ(Msg(i), expected) << c.Control << " message " << i;
        }
    }
}

TEST_F(MessageRules, RefusedValuesAndAMissionWithoutMessagesWriteAndMarkNothing) {
    const std::pair<std::string_view, EditValue> refused[] = {
        {"MsgColorBox", 6}, {"MsgDelaySpin", 1001}, {"SeenByList", std::vector<int>{8}}};
    for (const auto& [control, value] : refused) {
        EXPECT_FALSE(Apply(control, value).Error.empty()) << control;
    }
    ResetToNewMission(session);
    session.ClearModified();
    const std::pair<std::string_view, EditValue> edits[] = {{"MsgColorBox", 1},
                                                            {"MsgDelaySpin", 5},
                                                            {"SeenByList", std::vector<int>{}},
                                                            {"MsgtextEd", std::string("x")}};
    for (const auto& [control, value] : edits) {
        EXPECT_FALSE(Apply(control, value).Changed) << control;
    }
    EXPECT_FALSE(session.IsModified());
    EXPECT_TRUE(session.CurrentMission().Messages.empty());
}

// Every message the teams reach follows them, so each row is drawn grey or not by its own teams.
TEST_F(MessageRules, SentToAnyTeamFollowsEveryMessageWritten) {
    Apply("SeenByList", std::vector<int>{});
    EXPECT_EQ(Message(1).SentToAnyTeam, 0);
    EXPECT_EQ(Message(3).SentToAnyTeam, 0);
    EXPECT_EQ(Message(2).SentToAnyTeam, 1);
    EXPECT_EQ(Msg(3).Get(MsgRec::SentToTeam(9)), 1);
    Apply("SeenByList", std::vector<int>{7});
    EXPECT_EQ(Message(1).SentToAnyTeam, 1);
    EXPECT_EQ(Message(3).SentToAnyTeam, 1);
}

// The prefix hidden from the field goes back with every edit; a text without one gets none.
TEST_F(MessageRules, EditingTheTextKeepsItsColourPrefix) {
    struct Case {
        const char* Stored;
        const char* Typed;
        const char* Want;
        bool FieldShownAgain;
    };
    const std::string full(70, 'x');
    const Case cases[] = {
        {"2xyz", "1abc", "21abc", false},
        {"3", "", "3", false},
        {"Plain", "Plainer", "Plainer", false},
        // The game and the list read a leading digit as the prefix; the field then agrees.
        {"", "1abc", "1abc", true},
        {"1Attack", full.c_str(), nullptr, false},
    };
    for (const Case& c : cases) {
        Msg(1).SetText(MsgRec::Text, c.Stored);
        const EditResult result = Apply("MsgtextEd", std::string(c.Typed));
        const std::string want =
            c.Want != nullptr ? std::string(c.Want) : std::string(1, '1').append(63, 'x');
        EXPECT_EQ(Msg(1).GetText(MsgRec::Text), want) << c.Stored;
        EXPECT_EQ(std::ranges::count(result.RefreshControls, std::string_view("MsgtextEd")) == 1,
                  c.FieldShownAgain)
            << c.Stored;
    }
    Msg(1).SetText(MsgRec::Text, "1Attack now");
    EXPECT_EQ(TextOf(ShownValue(session, *FindControlRule("MsgtextEd"))), "Attack now");
}

TEST_F(MessageRules, UndoRestoresTheMessagesAndTheirRowColours) {
    const auto before = Records();
    Apply("SeenByList", std::vector<int>{});
    Apply("MsgColorBox", 4);
    EXPECT_EQ(session.Undo.UndoLabel(), "change color of 2 messages");
    ASSERT_TRUE(UndoLastEdit(session).Changed);
    ASSERT_TRUE(UndoLastEdit(session).Changed);
    EXPECT_EQ(Records(), before);
    EXPECT_EQ(Message(3).SentToAnyTeam, 1);
    EXPECT_FALSE(session.IsModified());
    ASSERT_TRUE(RedoLastEdit(session).Changed);
    EXPECT_EQ(Message(3).SentToAnyTeam, 0);
}

}  // namespace
}  // namespace vorlan
