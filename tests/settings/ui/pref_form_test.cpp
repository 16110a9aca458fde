#include "settings/ui/pref_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>

#include "base/paths.h"
#include "session/session.h"
#include "settings/settings_file.h"
#include "settings/ui/preferences_flow.h"
#include "support/recording_ui.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_modal_runner.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

using test::ReadFileText;
using test::ScriptedModalRunner;
using test::WriteFileText;

template <typename T>
T* Find(const QWidget& form, const char* name) {
    auto* widget = form.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Visible on its own tab page; the pages that are not current are hidden by the tab widget.
bool ShownOnItsPage(QWidget* widget) {
    QWidget* page = widget;
    while (page->parentWidget() != nullptr &&
           qobject_cast<QStackedWidget*>(page->parentWidget()) == nullptr) {
        page = page->parentWidget();
    }
    return widget->isVisibleTo(page);
}

void ClickRadio(const QWidget& form, const char* group, int item) {
    Find<QWidget>(form, group)->findChildren<QRadioButton*>().at(item)->click();
}

class PrefFormTest : public ::testing::Test {
protected:
    bool Run(ScriptedModalRunner::Script script) {
        runner.Scripts.push_back(std::move(script));
        return RunPreferencesDialog(session, dialogs, runner, path, nullptr,
                                    [this](bool on) { autoLinkSignals.push_back(on); });
    }
    Settings FileSettings() {
        Settings settings;
        loadSettings(&settings, path);
        return settings;
    }

    test::RecordingUi ui;
    Session session{ui};
    test::ScriptedDialogs dialogs;
    ScriptedModalRunner runner;
    test::TempDir dir;
    std::string path = dir.File("Vorlan.ini");
    std::vector<bool> autoLinkSignals;
};

TEST_F(PrefFormTest, ShowsOnlyTheControlsMeantToBeSeen) {
    TPrefForm form(session, dialogs);
    for (const char* shown :
         {"UseAutoChk", "ConfDeletesChk", "BlackenChk", "LinkColorChk", "DirInHistChk",
          "DefaultShipBox", "DefaultAIBox", "Centering", "GhostMapChk", "AutoCtrGrp",
          "ZoomSpeedScroll", "DblClickLinkRadio", "DarkGridChk", "MissionsDirLabel", "XWADirLabel",
          "VorlanDirLabel", "MissionsBrowseBtn", "XWABrowseBtn", "VorlanBrowseBtn"}) {
        EXPECT_TRUE(ShownOnItsPage(Find<QWidget>(form, shown))) << shown;
    }
    for (const char* hidden : {"PlayableChk",         "EnableWPsChk",       "ResChk",
                               "UseWizChk",           "MissionFormatRadio", "ConfSaveChk",
                               "DoBackupsChk",        "OpenWithRadio",      "WPsDefaultRadio",
                               "NamesOnChk",          "DefaultWPtimesChk",  "DefaultWPdistancesChk",
                               "DefaultPalletOnChk",  "DefaultFGListOnChk", "DefaultHypOnChk",
                               "DefaultOptionsOnChk", "LimitShrinkChk",     "OnlyXYChk",
                               "IconZoomEdit",        "WaveDirLabel",       "OPTDirLabel"}) {
        EXPECT_FALSE(ShownOnItsPage(Find<QWidget>(form, hidden))) << hidden;
    }
}

TEST_F(PrefFormTest, OkKeepsWhatIsShownOrKeptAndForcesTheFixedValues) {
    WriteFileText(path,
                  "[Directories]\nWave=/w\n"
                  "[Options]\nEnableWPs=1\nDoBackups=1\nDefaultFormat=0\nConfirmDeletes=0\n"
                  "DefaultShip=5\n"
                  "[Map]\nDefaultName=1\nDefaultHyp=1\nIconZoomSmall=77\n");
    ASSERT_TRUE(Run(ScriptedModalRunner::Ends(QDialog::Accepted)));

    // What the resets force is their own rule; the dialog applies them and keeps the rest.
    const Settings& s = session.RunningSettings;
    EXPECT_TRUE(s.EnableWPs && s.DefaultName && !s.ConfirmDeletes && !s.DoBackups);
    EXPECT_EQ(s.Wave, "/w");
    EXPECT_EQ(session.Template.DefaultFGRecord.Get(FGRec::CraftType), 5);
    // Keys that are not written back keep the file's values.
    const Settings file = FileSettings();
    EXPECT_TRUE(file.DoBackups && file.DefaultHyp);
    EXPECT_EQ(file.IconZoomSmall, 4);
    EXPECT_TRUE(dialogs.Errors.empty());
}

TEST_F(PrefFormTest, OkStoresChangedControlsAndChosenDirectories) {
    dialogs.Directories = {"/chosen/xwa", std::nullopt};
    ASSERT_TRUE(Run([this](QDialog& form) {
        Find<QComboBox>(form, "DefaultShipBox")->setCurrentIndex(7);
        Find<QComboBox>(form, "DefaultAIBox")->setCurrentIndex(3);
        Find<QCheckBox>(form, "ConfDeletesChk")->click();
        ClickRadio(form, "AutoCtrGrp", 1);
        ClickRadio(form, "DblClickLinkRadio", 1);
        Find<QSlider>(form, "ZoomSpeedScroll")->setValue(9);
        Find<QPushButton>(form, "XWABrowseBtn")->click();
        Find<QPushButton>(form, "VorlanBrowseBtn")->click();
        EXPECT_EQ(Find<QLabel>(form, "XWADirLabel")->text(), "/chosen/xwa");
        EXPECT_EQ(Find<QLabel>(form, "VorlanDirLabel")->text(), "Undefined");
        return QDialog::Accepted;
    }));
    // An undefined directory opens the chooser at home.
    EXPECT_EQ(dialogs.DirectoryDialogStarts,
              (std::vector<std::string>{UserHomeDirectory(), UserHomeDirectory()}));

    Settings expected;
    loadSettings(&expected, dir.File("missing.ini"));
    expected.XWA = "/chosen/xwa";
    expected.DefaultShip = 7;
    expected.DefaultAI = 3;
    expected.ConfirmDeletes = false;
    expected.AutoCtr = 1;
    expected.DblClickLink = 1;
    expected.ZoomSpeed = 9;
    expected.DefaultHyp = false;
    EXPECT_EQ(session.RunningSettings, expected);
    EXPECT_EQ(session.Template.DefaultFGRecord.Get(FGRec::AI), 3);

    // What the file keeps of each key is the settings file's rule; OK writes it.
    EXPECT_EQ(FileSettings().XWA, "/chosen/xwa");
}

TEST_F(PrefFormTest, CancelPutsBackSettingsAndAutolinkAndLeavesTheFile) {
    const std::string text = "[Options]\nAutoLink=0\nConfirmDeletes=1\nDoBackups=1\n";
    WriteFileText(path, text);
    dialogs.Directories = {"/somewhere"};

    EXPECT_FALSE(Run([this](QDialog& form) {
        Find<QCheckBox>(form, "ConfDeletesChk")->click();
        Find<QCheckBox>(form, "UseAutoChk")->click();
        // Autolink takes effect while the dialog is still open; what it flags is the session's.
        EXPECT_TRUE(session.RunningSettings.AutoLink);
        EXPECT_EQ(session.RunningSettings.Missions, UserHomeDirectory());
        EXPECT_EQ(Find<QLabel>(form, "MissionsDirLabel")->text(), "Undefined");
        Find<QPushButton>(form, "MissionsBrowseBtn")->click();
        return QDialog::Rejected;
    }));

    EXPECT_EQ(session.RunningSettings, FileSettings());
    EXPECT_EQ(autoLinkSignals, (std::vector<bool>{true, false}));
    EXPECT_EQ(ReadFileText(path), text);
}

TEST_F(PrefFormTest, AFileThatCannotBeWrittenIsReported) {
    path = dir.Path();  // a directory cannot be read or replaced as a file
    EXPECT_TRUE(Run(ScriptedModalRunner::Ends(QDialog::Accepted)));
    EXPECT_EQ(dialogs.Errors.size(), 1u);
}

}  // namespace
}  // namespace vorlan
