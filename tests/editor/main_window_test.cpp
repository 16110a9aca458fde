// The main window driven as a user would: start-up, commands, keys and the flight group list.

#include "editor/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "editor/pages/outer_page_numbers.h"
#include "support/window_test_fixture.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

class MainWindowTest : public test::WindowTest {
protected:
    // A script for the start-up dialog that picks a row and presses OK.
    static test::ScriptedModalRunner::Script StartUpChoosing(const char* radio) {
        return [radio](QDialog& dialog) {
            dialog.findChild<QRadioButton*>(radio)->setChecked(true);
            return static_cast<int>(QDialog::Accepted);
        };
    }
    void Start(std::vector<std::string> arguments = {}) {
        WindowTest::Start(std::move(arguments));
        shipList = Find<QListView>("ShipList");
    }
    void StartWithMission(int flightGroups, int messages = 2) {
        WindowTest::StartWithMission({.FlightGroups = flightGroups, .Messages = messages});
        shipList = Find<QListView>("ShipList");
    }
    QString Info() { return Find<QLabel>("FGInfo")->text(); }
    void Click(const char* button) { Find<QToolButton>(button)->click(); }
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QRect rect = shipList->visualRect(shipList->model()->index(row, 0));
        QTest::mouseClick(shipList->viewport(), Qt::LeftButton, modifiers, rect.center());
    }
    std::string FGName(int index) {
        return Sess().CurrentMission().FlightGroups[index]->Record.GetText(FGRec::Name);
    }

    QListView* shipList = nullptr;
};

TEST_F(MainWindowTest, FirstStartWithoutSettingsAsksTwiceThenOffersTheChoice) {
    runner.Scripts = {test::ScriptedModalRunner::Ends(QDialog::Rejected),
                      test::ScriptedModalRunner::Ends(QDialog::Rejected),
                      StartUpChoosing("CreateNewRadio")};
    Start();
    EXPECT_EQ(runner.Shown, (std::vector<QString>{"Preferences", "Preferences", "StartUp"}));
    EXPECT_EQ(dialogs.Informations,
              std::vector<std::string>{
                  "Your XWingAlliance and/or Vorlan directories are still undefined"});
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
    EXPECT_EQ(window->windowTitle(), " Vorlan beta 0.35se - [Unnamed]");
    EXPECT_EQ(Info(), "Flight Group #1 of 1");
}

TEST_F(MainWindowTest, StartUpChoicesAndTheFormatTheyLeave) {
    WriteSettings("DefaultFormat=0\n");
    runner.Scripts = {StartUpChoosing("CreateNewRadio")};
    Start();
    EXPECT_EQ(runner.Shown, std::vector<QString>{"StartUp"});
    EXPECT_EQ(Sess().CurrentMission().MissionPlatform, kPlatformXvt);
    EXPECT_TRUE(Find<QPlainTextEdit>("SuccDebriefMemo")->isHidden());

    // The last used file comes from the history in the editor directory.
    window.reset();
    const std::string last = WriteMission("last.tie", {.FlightGroups = 5});
    test::WriteFileText(dir.File("EDHistry.txt"), last + "\r\n");
    runner.Scripts = {StartUpChoosing("LoadLastUsedRadio")};
    Start();
    EXPECT_EQ(Sess().CurrentMission().FlightGroups.size(), 5u);
    EXPECT_EQ(shipList->model()->rowCount(), 5);
    EXPECT_TRUE(window->windowTitle().startsWith(" Vorlan beta 0.35se - (last.tie) - "));

    // A title in the mission's one-byte characters shows as those characters.
    static_cast<MissionUi&>(*window).SetCaption(" Vorlan - (last.tie) - Caf\xe9");
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(" Vorlan - (last.tie) - Caf\u00e9"));
}

TEST_F(MainWindowTest, ACommandLineMissionSkipsTheChoice) {
    WriteSettings();
    const std::string path = WriteMission("a.tie", {.FlightGroups = 3});
    Start({path});
    EXPECT_TRUE(runner.Shown.empty());
    EXPECT_EQ(Sess().CurrentMission().MissionFileName, path);
    EXPECT_EQ(Info(), "Flight Group #1 of 3");
}

TEST_F(MainWindowTest, AMissionWithoutFlightGroupsCanBeFilledAgain) {
    StartWithMission(0);
    EXPECT_EQ(shipList->model()->rowCount(), 0);
    window->ShipListClick();
    EXPECT_EQ(Sess().Select.CurrentFGIndex, 0);
    Click("DeleteBut");
    Click("NewFGBut");
    EXPECT_EQ(Info(), "Flight Group #1 of 1");
    EXPECT_EQ(shipList->currentIndex().row(), 0);
}

TEST_F(MainWindowTest, RowsTakeTheirColoursFromTheTextLayer) {
    StartWithMission(6);
    for (int row = 0; row < 6; ++row) {
        const auto expected =
            FlightGroupRowColor(Sess().CurrentMission(), Sess().RunningSettings.Blacken,
                                Sess().Select.CurrentOrderRegion, row);
        ASSERT_TRUE(expected.has_value());
        const QColor shown =
            shipList->model()->index(row, 0).data(Qt::ForegroundRole).value<QColor>();
        EXPECT_EQ(shown, QColor(expected->R, expected->G, expected->B)) << "row " << row;
    }
}

TEST_F(MainWindowTest, KeysReachTheListCommandsOnlyWithoutCtrl) {
    StartWithMission(3);
    shipList->setFocus();
    ClickRow(1);
    ASSERT_EQ(Sess().Select.CurrentFGIndex, 1);
    const auto before = Sess().ClipboardFG.Record;
    QTest::keyClick(shipList, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Sess().ClipboardFG.Record, before);
    QTest::keyClick(shipList, Qt::Key_C);
    EXPECT_EQ(Sess().ClipboardFG.Record.GetText(FGRec::Name), FGName(1));

    QTest::keyClick(shipList, Qt::Key_V);
    EXPECT_EQ(Sess().CurrentMission().FlightGroups.size(), 4u);
    QTest::keyClick(shipList, Qt::Key_Insert);
    EXPECT_EQ(Sess().CurrentMission().FlightGroups.size(), 5u);
    EXPECT_EQ(Info(), "Flight Group #5 of 5");
    EXPECT_TRUE(Find<QToolButton>("SaveBtn")->isEnabled());

    dialogs.Answers = {Answer::No};
    QTest::keyClick(shipList, Qt::Key_X);
    EXPECT_EQ(dialogs.Questions.back(), "Cut this Flight Group. Are You Sure?");
    EXPECT_EQ(Sess().CurrentMission().FlightGroups.size(), 5u);
    QTest::keyClick(shipList, Qt::Key_Delete);  // deletes without asking: confirmation is off
    EXPECT_EQ(Sess().CurrentMission().FlightGroups.size(), 4u);

    // Ctrl+N starts a new mission after asking about the changed one.
    dialogs.Answers = {Answer::No};
    QTest::keyClick(shipList, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Sess().CurrentMission().FlightGroups.size(), 1u);
    EXPECT_EQ(shipList->model()->rowCount(), 1);
}

TEST_F(MainWindowTest, MovingAndDeletingSeveralRowsKeepsListAndInfoInStep) {
    StartWithMission(5);
    ClickRow(2);
    ClickRow(3, Qt::ShiftModifier);
    ASSERT_EQ(Sess().Select.CurrentFGIndex, 3);
    const std::string moved = FGName(2);
    Click("UpBtn");
    EXPECT_EQ(FGName(1), moved);
    EXPECT_EQ(Info(), "Flight Group #3 of 5");
    EXPECT_EQ(shipList->currentIndex().row(), 2);
    EXPECT_EQ(window->SelectedFlightGroups(), (std::vector<int>{1, 2}));

    Sess().RunningSettings.ConfirmDeletes = true;
    dialogs.Answers = {Answer::Yes};
    Click("DeleteBut");
    EXPECT_EQ(dialogs.Questions.back(), "Delete all selected Flight Groups - Are You Sure?");
    EXPECT_EQ(Sess().CurrentMission().FlightGroups.size(), 3u);
    EXPECT_EQ(shipList->model()->rowCount(), 3);
    EXPECT_EQ(Info(), QString("Flight Group #%1 of 3").arg(Sess().Select.CurrentFGIndex + 1));
    EXPECT_EQ(shipList->currentIndex().row(), Sess().Select.CurrentFGIndex);
}

TEST_F(MainWindowTest, ClickingTheCurrentRowRefillsOnlyForRowZero) {
    StartWithMission(3);
    ClickRow(2);
    Sess().Status.FGModified = true;
    ClickRow(2);
    EXPECT_TRUE(Sess().Status.FGModified);  // nothing happened
    ClickRow(0);
    EXPECT_FALSE(Sess().Status.FGModified);  // left an edited flight group: now Modified
    EXPECT_TRUE(Sess().Status.Modified);
    Sess().Status.FGModified = true;
    ClickRow(0);
    EXPECT_FALSE(Sess().Status.FGModified);
}

TEST_F(MainWindowTest, MessagesPageCommandsActOnMessages) {
    StartWithMission(2, 0);
    auto* pages = Find<QTabWidget>("OverallPages");
    pages->setCurrentIndex(kMessagesPage);
    auto* messages = Find<QListView>("MsgStrList");
    Click("DeleteBut");  // no messages: nothing to ask
    EXPECT_TRUE(dialogs.Questions.empty());
    Click("NewFGBut");
    Click("NewFGBut");
    EXPECT_EQ(messages->model()->rowCount(), 2);
    EXPECT_EQ(Sess().CurrentMission().FlightGroups.size(), 2u);
    EXPECT_EQ(messages->currentIndex().row(), 1);
    // A click makes the row's message current, and the page shows it.
    QTest::mouseClick(messages->viewport(), Qt::LeftButton, {},
                      messages->visualRect(messages->model()->index(0, 0)).center());
    EXPECT_EQ(Sess().Select.CurrentMessageIndex, 0);
    EXPECT_EQ(Find<QLabel>("Label60")->text(), "Message #0 of 2");
    messages->setFocus();
    QTest::keyClick(messages, Qt::Key_Delete);
    EXPECT_EQ(messages->model()->rowCount(), 1);
}

TEST_F(MainWindowTest, ClosingStaysOpenWhenTheCloseCommandSaysSo) {
    StartWithMission(2);
    Click("NewFGBut");
    dialogs.Answers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    dialogs.Answers = {Answer::No};
    EXPECT_TRUE(window->close());
}

// An edit is lost only after a question: refilling a page never clears its mark.
TEST_F(MainWindowTest, EditsStayMarkedAcrossPageChangesUntilSaved) {
    StartWithMission(3);
    auto* save = Find<QToolButton>("SaveBtn");
    auto* pages = Find<QTabWidget>("OverallPages");
    window->Edit(ControlEdit{"ShipBox", 5});
    EXPECT_TRUE(Sess().Status.FGModified);
    pages->setCurrentIndex(kMessagesPage);
    pages->setCurrentIndex(kFlightGroupsPage);
    Find<QTabWidget>("FGPages")->setCurrentIndex(1);
    EXPECT_TRUE(Sess().IsModified());
    EXPECT_TRUE(save->isEnabled());
    Click("SaveBtn");
    EXPECT_FALSE(Sess().IsModified());
    EXPECT_FALSE(save->isEnabled());

    window->Edit(ControlEdit{"NoSuchControl", 1});  // a refusal reaches the user, writes nothing
    EXPECT_EQ(dialogs.Errors.back(), "No control named NoSuchControl");
    EXPECT_FALSE(Sess().IsModified());
}

TEST_F(MainWindowTest, UndoAndRedoReachTheHistoryFromATextField) {
    StartWithMission(3);
    auto* undo = Find<QToolButton>("UndoBtn");
    auto* redo = Find<QToolButton>("RedoBtn");
    EXPECT_FALSE(undo->isEnabled());
    const std::string before = FGName(0);
    auto* name = Find<QComboBox>("ShipName")->lineEdit();
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Gold");
    EXPECT_EQ(FGName(0), "Gold");
    EXPECT_EQ(undo->toolTip(), "Undo: change Name of a flight group");
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(FGName(0), before);       // the whole typing is one step
    EXPECT_FALSE(Sess().IsModified());  // back where the mission was loaded
    EXPECT_TRUE(redo->isEnabled());
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(FGName(0), "Gold");
    Click("UndoBtn");
    Click("RedoBtn");
    EXPECT_EQ(FGName(0), "Gold");
    EXPECT_TRUE(Find<QToolButton>("SaveBtn")->isEnabled());
}

// The reopen menus follow the history and the preference that captions it.
TEST_F(MainWindowTest, HistoryMenusReopenTheirEntries) {
    StartWithMission(1);
    dialogs.FilesToOpen = {WriteMission("m1.tie", {.FlightGroups = 2})};
    Click("LoadBtn");
    const auto items = Find<QMenu>("HistPopUp")->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), "&0 m1.tie");
    items[1]->trigger();
    EXPECT_EQ(Sess().CurrentMission().MissionFileName, dir.File("m.tie"));
    runner.Scripts = {[](QDialog& dialog) {
        dialog.findChild<QCheckBox*>("DirInHistChk")->setChecked(true);
        return static_cast<int>(QDialog::Accepted);
    }};
    Click("PrefBut");
    EXPECT_EQ(Find<QMenu>("Reopen1")->actions()[0]->text().toStdString(),
              "&0 " + dir.File("m.tie"));
}

TEST_F(MainWindowTest, DialogButtonsRunTheirDialogs) {
    StartWithMission(1);
    runner.Scripts = {test::ScriptedModalRunner::Ends(QDialog::Rejected),
                      test::ScriptedModalRunner::Ends(QDialog::Rejected),
                      test::ScriptedModalRunner::Ends(QDialog::Rejected)};
    Click("MissionBtn");
    Click("AboutBtn");
    Click("PrefBut");
    EXPECT_EQ(runner.Shown, (std::vector<QString>{"Mission Parameters", "About", "Preferences"}));

    // The generator's buoys reach the list through the same edit path.
    runner.Scripts = {test::ScriptedModalRunner::Ends(QDialog::Accepted)};
    Find<QAction>("AddHyperbuoys1")->trigger();
    EXPECT_EQ(shipList->model()->rowCount(), 5);
    EXPECT_EQ(Info(), "Flight Group #1 of 5");
}

// A rename on the "Teams" page reaches every team list the window shows, and undo takes it
// back on the page itself.
TEST_F(MainWindowTest, ARenamedTeamReachesTheOtherPagesAndUndoesOnItsOwn) {
    StartWithMission(2);
    auto* pages = Find<QTabWidget>("OverallPages");
    pages->setCurrentIndex(kTeamsPage);
    auto* name = Find<QComboBox>("TeamName1Ed")->lineEdit();
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Pirate");
    EXPECT_TRUE(Sess().Status.Modified);
    pages->setCurrentIndex(kFlightGroupsPage);
    Find<QTabWidget>("FGPages")->setCurrentIndex(0);
    EXPECT_EQ(Find<QComboBox>("TeamBox")->itemText(0), "1.Pirate");
    EXPECT_EQ(Find<QComboBox>("RadioBox")->itemText(1), "Team 1.Pirate");
    pages->setCurrentIndex(kTeamsPage);
    Click("UndoBtn");
    EXPECT_NE(name->text(), "Pirate");
    EXPECT_FALSE(Sess().IsModified());
}

}  // namespace
}  // namespace vorlan
