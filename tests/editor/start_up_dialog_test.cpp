#include "editor/start_up_dialog.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>

namespace vorlan {
namespace {

TEST(StartUpDialog, ChoiceFollowsTheRadiosAndStartsOnTheFirstRow) {
    StartUpDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "StartUp");
    EXPECT_EQ(dialog.Choice(), StartUpChoice::LoadExistingMission);
    dialog.findChild<QRadioButton*>("LoadLastUsedRadio")->setChecked(true);
    EXPECT_EQ(dialog.Choice(), StartUpChoice::LoadLastUsedFile);
    dialog.findChild<QRadioButton*>("CreateNewRadio")->setChecked(true);
    EXPECT_EQ(dialog.Choice(), StartUpChoice::CreateNewMission);
    dialog.findChild<QPushButton*>("OKBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace vorlan
