// The "Teams", "Description" and "Debriefings" pages' wiring: user signals reach the edit path,
// filling writes nothing, and the page shows what an edit asks to be shown again.

#include "edit/ui/teams_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "edit/ui/text_pages.h"
#include "page_test_fixture.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

template <class Page>
class PageTest : public test::PageTest<Page> {
protected:
    void SetUp() override {
        test::MakeFGs(this->session, 1);
        this->Show();
    }
    ByteRecord<TeamRec::Tag>& Team(int t) {
        return this->session.CurrentMission().Teams.at(t).Record;
    }
};

using TeamsPageTest = PageTest<TeamsPage>;

TEST_F(TeamsPageTest, ARenameRefillsTheAllyRowsWithoutTouchingTheAllies) {
    Team(0).Set(TeamRec::Allies(2), 1);
    Fill();
    auto* friends = Find<QListWidget>("FriendsList");
    EXPECT_TRUE(friends->isHidden());
    ASSERT_EQ(friends->count(), 8);
    EXPECT_TRUE(friends->item(2)->isSelected());
    EXPECT_FALSE(session.IsModified());

    auto* name = Find<QComboBox>("TeamName1Ed")->lineEdit();
    EXPECT_EQ(name->text(), "Rebel");
    name->selectAll();
    QTest::keyClicks(name, "Pirate");
    EXPECT_EQ(Team(0).GetText(TeamRec::TeamName), "Pirate");
    EXPECT_EQ(friends->item(0)->text(), "1.Pirate");
    EXPECT_EQ(Team(0).Get(TeamRec::Allies(2)), 1);
    EXPECT_TRUE(session.Status.Modified);
}

TEST_F(TeamsPageTest, TheButtonsAndTheIFFShowTheTeamAgain) {
    auto* label = Find<QLabel>("Label52");
    EXPECT_EQ(label->text(), "Team 1 Name");
    Find<QPushButton>("NextTeamBtn")->click();
    EXPECT_EQ(label->text(), "Team 2 Name");
    EXPECT_EQ(Find<QComboBox>("TeamName1Ed")->currentText(), "Imperial");

    EXPECT_EQ(Find<QComboBox>("TeamIFFBox1")->currentIndex(), 1);
    Choose("TeamIFFBox1", 0);
    EXPECT_EQ(Find<QComboBox>("TeamName1Ed")->currentText(), "Rebel");
    const RowColor color = IFFColor(0);
    EXPECT_EQ(Find<QLineEdit>("Sec2Ed")->palette().color(QPalette::Text),
              QColor(color.R, color.G, color.B));

    QTest::keyClicks(Find<QLineEdit>("Fail1Ed"), "Lost");
    EXPECT_EQ(Team(1).GetText(TeamRec::EndText(2)), "Lost");
}

using DescriptionPageTest = PageTest<DescriptionPage>;

TEST_F(DescriptionPageTest, TypingStopsAtTheLimitAndReachesTheMission) {
    session.CurrentMission().DescriptionText = "Go\r\n";
    Fill();
    auto* memo = Find<QPlainTextEdit>("DescMemo");
    EXPECT_EQ(memo->toPlainText(), "Go\n");
    EXPECT_FALSE(session.IsModified());
    page.SetMaxLength(6);
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, "abcdef");
    EXPECT_EQ(memo->toPlainText(), "Go\nabc");
    EXPECT_EQ(session.CurrentMission().DescriptionText, "Go\r\nabc");
    EXPECT_TRUE(session.Status.Modified);
}

using DebriefingsPageTest = PageTest<DebriefingsPage>;

TEST_F(DebriefingsPageTest, EachMemoWritesItsOwnText) {
    QTest::keyClicks(Find<QPlainTextEdit>("FailDebriefMemo"), "Try again");
    EXPECT_EQ(session.CurrentMission().FailureDebriefText, "Try again");
    EXPECT_EQ(session.CurrentMission().SuccessDebriefText, "");
    page.ShowDebriefings(false);
    EXPECT_TRUE(Find<QPlainTextEdit>("SuccDebriefMemo")->isHidden());
}

}  // namespace
}  // namespace vorlan
