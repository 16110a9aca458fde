// The "Teams", "Description" and "Debriefings" pages' wiring: user signals reach the edit path,
// filling writes nothing, and the page shows what an edit asks to be shown again.

#include "edit/ui/teams_page.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "edit/ui/text_pages.h"
#include "ops/ops_test_support.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

template <class Page>
class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeFGs(session, 1);
        session.ClearModified();
        page.SetEditSink([this](const Edit& edit) {
            const EditResult result = ApplyEdit(session, edit);
            const FillGuard guard(session);
            page.Refresh(session, result.RefreshControls);
        });
        Fill();
        page.resize(600, 480);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }
    void Fill() {
        const FillGuard guard(session);
        page.fill(session);
    }
    template <class W>
    W* Find(const char* name) {
        W* widget = page.template findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    ByteRecord<TeamRec::Tag>& Team(int t) { return session.CurrentMission().Teams.at(t).Record; }

    test::RecordingUi ui;
    Session session{ui};
    Page page;
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

    auto* iff = Find<QComboBox>("TeamIFFBox1");
    EXPECT_EQ(iff->currentIndex(), 1);
    iff->setCurrentIndex(0);
    emit iff->activated(0);
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
