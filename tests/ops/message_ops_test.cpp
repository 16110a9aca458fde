#include "ops/message_ops.h"

#include <gtest/gtest.h>

#include <string>

#include "ops_test_support.h"

namespace vorlan {
namespace {

using test::Rows;

// Message i is named "Mi" and, when the mission has a list, voice entry i is "wi"; Order()
// shows both, so a test sees whether numbers and voice entries followed their messages.
class MessageOps : public test::OpsTest {
protected:
    void MakeMessages(int count, int wavCount) {
        ResetToNewMission(session);
        for (int i = 0; i < count; ++i) {
            AddMessage(session, wavs);
            std::string name = "M";
            name += std::to_string(i);
            Msg(i).SetText(MsgRec::Text, name);
        }
        wavs.Path = "m.lst";
        wavs.Entries.clear();
        for (int i = 0; i < wavCount; ++i) {
            std::string entry = "w";
            entry += std::to_string(i);
            wavs.Entries.push_back(entry);
        }
        wavs.Changed = false;
        session.ClearModified();
    }
    ByteRecord<MsgRec::Tag>& Msg(int i) {
        return session.CurrentMission().Messages.at(static_cast<std::size_t>(i))->Record;
    }
    // "name/entry" per message; "!" marks a number that differs from the position.
    std::string Order() {
        const Mission& mission = session.CurrentMission();
        EXPECT_EQ(mission.MessageCount(), static_cast<int>(mission.Messages.size()));
        std::string order;
        for (int i = 0; i < static_cast<int>(mission.Messages.size()); ++i) {
            if (i > 0) {
                order += ' ';
            }
            order += Msg(i).GetText(MsgRec::Text);
            if (Msg(i).Get(MsgRec::MessageNumber) != i) {
                order += '!';
            }
            if (i < static_cast<int>(wavs.Entries.size())) {
                order += '/';
                order += wavs.Entries[static_cast<std::size_t>(i)];
            }
        }
        return order;
    }

    WavList wavs;
};

TEST_F(MessageOps, AddedMessagesAreNumberedCurrentAndGetPlaceholders) {
    ResetToNewMission(session);
    auto change = AddMessage(session, wavs);
    EXPECT_EQ(session.Select.CurrentMessageIndex, 0);
    const MsgObject* first = session.CurrentMessage();
    EXPECT_EQ(first->Record.GetText(MsgRec::Text), "New Message");
    EXPECT_EQ(first->SentToAnyTeam, 1);
    for (int team = 0; team < MsgRec::kTeams; ++team) {
        EXPECT_EQ(first->Record.Get(MsgRec::SentToTeam(team)), team == 0 ? 1 : 0);
    }
    EXPECT_FALSE(wavs.Changed);  // no list file: nothing to save

    AddMessage(session, wavs);
    wavs.Path = "m.lst";
    change = AddMessage(session, wavs);
    EXPECT_EQ(Order(),
              "New Message/train\\dummy.wav New Message/train\\dummy.wav "
              "New Message/train\\dummy.wav");
    EXPECT_EQ(session.Select.CurrentMessageIndex, 2);
    EXPECT_EQ(session.Select.SelectedMessages, Rows(3, {2}));
    EXPECT_TRUE(wavs.Changed);
    EXPECT_EQ(change.Mark, ModifiedMark::Mission);
}

TEST_F(MessageOps, MovedMessagesKeepNumbersAndVoiceEntries) {
    MakeMessages(4, 4);
    auto change = MoveSelectedMessages(session, wavs, MoveDirection::Up, Rows(4, {1, 2}), 2);
    EXPECT_EQ(Order(), "M1/w1 M2/w2 M0/w0 M3/w3");
    EXPECT_EQ(session.Select.SelectedMessages, Rows(4, {0, 1}));
    EXPECT_EQ(session.Select.CurrentMessageIndex, 1);
    EXPECT_TRUE(change.ShowFirstTrigger);
    EXPECT_TRUE(wavs.Changed);
    EXPECT_EQ(change.Mark, ModifiedMark::Mission);

    change = MoveSelectedMessages(session, wavs, MoveDirection::Down, Rows(4, {0, 2}), 1);
    EXPECT_EQ(Order(), "M2/w2 M1/w1 M3/w3 M0/w0");
    EXPECT_EQ(session.Select.SelectedMessages, Rows(4, {1, 3}));
    EXPECT_EQ(session.Select.CurrentMessageIndex, 1);  // the current row was not selected
}

TEST_F(MessageOps, VoiceEntriesPastTheSixteenthStayWhereTheyAre) {
    MakeMessages(20, 20);
    MoveSelectedMessages(session, wavs, MoveDirection::Up, Rows(20, {3, 16}), 3);
    EXPECT_EQ(wavs.Entries[2], "w3");
    EXPECT_EQ(wavs.Entries[3], "w2");
    EXPECT_EQ(wavs.Entries[15], "w15");
    EXPECT_EQ(wavs.Entries[16], "w16");
    EXPECT_EQ(Msg(15).GetText(MsgRec::Text), "M16");
    EXPECT_EQ(Msg(15).Get(MsgRec::MessageNumber), 15);

    MoveSelectedMessages(session, wavs, MoveDirection::Down, Rows(20, {14, 15}), 14);
    EXPECT_EQ(wavs.Entries[14], "w15");  // 14 went down; 15 is past the down limit
    EXPECT_EQ(wavs.Entries[15], "w14");
    EXPECT_EQ(wavs.Entries[16], "w16");

    // Without a list file only the messages move.
    wavs.Path = kNoWavList;
    MoveSelectedMessages(session, wavs, MoveDirection::Up, Rows(20, {1}), 1);
    EXPECT_EQ(wavs.Entries[0], "w0");
    EXPECT_EQ(Msg(0).GetText(MsgRec::Text), "M1");
}

TEST_F(MessageOps, DeleteRenumbersEveryMessageAndDropsTheirVoiceEntries) {
    MakeMessages(6, 4);
    session.Status.MessagesModified = true;
    auto change = DeleteSelectedMessages(session, wavs, Rows(6, {0, 2, 5}), 5);
    EXPECT_EQ(Order(), "M1/w1 M3/w3 M4");
    EXPECT_EQ(session.Select.CurrentMessageIndex, 2);  // past the end: the last message
    EXPECT_EQ(session.Select.SelectedMessages, Rows(3, {2}));
    EXPECT_FALSE(session.Status.MessagesModified);
    EXPECT_EQ(change.Mark, ModifiedMark::Mission);
    EXPECT_TRUE(wavs.Changed);

    change = DeleteSelectedMessages(session, wavs, Rows(3, {0}), 1);
    EXPECT_EQ(Order(), "M3/w3 M4");
    EXPECT_EQ(session.Select.CurrentMessageIndex, 1);  // the current row keeps its index
}

TEST_F(MessageOps, DeletingEveryMessageShowsTheTemplate) {
    MakeMessages(2, 2);
    session.BlankMessage.Record.SetText(MsgRec::Text, "edited");
    auto change = DeleteSelectedMessages(session, wavs, Rows(2, {0, 1}), 1);
    EXPECT_TRUE(change.Changed);
    EXPECT_EQ(Order(), "");
    EXPECT_TRUE(wavs.Entries.empty());
    EXPECT_EQ(session.Select.CurrentMessageIndex, 0);
    EXPECT_EQ(session.CurrentMessage()->Record.GetText(MsgRec::Text), "New Message");
}

// A move at an end of the list, or a delete with no message, no selection or a current row past
// the list, must not touch the messages or the voice list. (The walk is the flight groups'.)
TEST_F(MessageOps, RefusedMovesAndDeletesTouchNothing) {
    MakeMessages(3, 3);
    EXPECT_FALSE(MoveSelectedMessages(session, wavs, MoveDirection::Up, Rows(3, {0}), 0).Changed);
    EXPECT_FALSE(MoveSelectedMessages(session, wavs, MoveDirection::Up, Rows(3, {1}), 3).Changed);
    EXPECT_FALSE(DeleteSelectedMessages(session, wavs, Rows(3, {0}), 3).Changed);
    EXPECT_FALSE(DeleteSelectedMessages(session, wavs, Rows(3, {}), 1).Changed);
    EXPECT_EQ(Order(), "M0/w0 M1/w1 M2/w2");
    EXPECT_FALSE(session.Status.Modified || wavs.Changed);

    MakeMessages(0, 0);
    EXPECT_FALSE(DeleteSelectedMessages(session, wavs, Rows(1, {0}), 0).Changed);
    EXPECT_EQ(session.CurrentMission().MessageCount(), 0);
}

}  // namespace
}  // namespace vorlan
