// The "Messages" page's wiring: its controls reach the edit path, and filling it, even after the
// team names changed, writes nothing.

#include "edit/ui/messages_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "ops/message_ops.h"
#include "page_test_fixture.h"

namespace vorlan {
namespace {

class MessagesPageTest : public test::PageTest<MessagesPage> {
protected:
    void SetUp() override {
        ResetToNewMission(session);
        for (int i = 0; i < 3; ++i) {
            AddMessage(session, session.VoiceList);
        }
        Msg().SetText(MsgRec::Text, "2Hold");
        Msg().Set(MsgRec::SentToTeam(3), 1);
        session.Select.CurrentMessageIndex = 1;
        session.Select.SelectedMessages = {false, true, false};
        Show();
    }
    ByteRecord<MsgRec::Tag>& Msg() { return session.CurrentMission().Messages[1]->Record; }
};

TEST_F(MessagesPageTest, TheControlsWriteTheCurrentMessage) {
    EXPECT_EQ(Find<QLabel>("Label60")->text(), "Message #1 of 3");
    auto* text = Find<QLineEdit>("MsgtextEd");
    EXPECT_EQ(text->text(), "Hold");
    text->end(false);
    QTest::keyClicks(text, "!");
    EXPECT_EQ(Msg().GetText(MsgRec::Text), "2Hold!");

    Choose("MsgColorBox", 2);
    EXPECT_EQ(Msg().Get(MsgRec::Color), 2);

    auto* teams = Find<QListWidget>("SeenByList");
    ASSERT_EQ(teams->count(), 8);
    EXPECT_TRUE(teams->item(3)->isSelected());
    QTest::mouseClick(teams->viewport(), Qt::LeftButton, {},
                      teams->visualItemRect(teams->item(3)).center());
    EXPECT_EQ(Msg().Get(MsgRec::SentToTeam(3)), 0);
    EXPECT_TRUE(session.Status.MessagesModified);
}

// The window refills the page whenever it shows it; a renamed team refills the team rows.
TEST_F(MessagesPageTest, RefillingAfterATeamRenameWritesNothing) {
    const auto before = Msg();
    session.CurrentMission().Teams[3].Record.SetText(TeamRec::TeamName, "Rebels");
    session.Vocab.rebuildTeams(session.CurrentMission().Teams);
    page.fill(session);
    EXPECT_TRUE(Find<QListWidget>("SeenByList")->item(3)->text().endsWith("Rebels"));
    EXPECT_EQ(Msg(), before);
    EXPECT_FALSE(session.IsModified());
}

}  // namespace
}  // namespace vorlan
