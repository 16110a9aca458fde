#include "edit/ui/options_page.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include "edit/edit.h"
#include "session/new_mission.h"
#include "session/session.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

// Two flight groups, both selected, the first current with user-defined craft; the page's
// edits go through the edit path and the page shows what the result names.
class OptionsPageTest : public testing::Test {
protected:
    OptionsPageTest() {
        ResetToNewMission(session);
        auto& groups = session.CurrentMission().FlightGroups;
        groups.resize(1);
        groups.push_back(MakeFGFromTemplate(session, session.CurrentMission()));
        session.Select.SelectedFGs = {true, true};
        Rec(0).Set(FGRec::OptionalCraftCategory, 4);
        session.ClearModified();
        page.SetEditSink([this](const Edit& edit) {
            page.Refresh(session, ApplyEdit(session, edit).RefreshControls);
        });
        page.fill(session);
    }
    ByteRecord<FGRec::Tag>& Rec(int i) {
        return session.CurrentMission().FlightGroups.at(i)->Record;
    }
    template <class T>
    T* Find(const char* name) {
        return page.findChild<T*>(name);
    }

    test::RecordingUi ui;
    Session session{ui};
    OptionsPage page;
};

TEST_F(OptionsPageTest, FillingShowsStoredCodesWithoutWritingThem) {
    Rec(0).Set(FGRec::OptionalCraft(0), 240);
    Rec(0).Set(FGRec::OptionalWarheads(0), 7);
    const auto before = Rec(0);
    page.fill(session);
    EXPECT_TRUE(Rec(0) == before);
    EXPECT_FALSE(session.IsModified());
    EXPECT_EQ(Find<QComboBox>("OpShipBox")->currentIndex(), -1);
    EXPECT_TRUE(Find<QListWidget>("MissleSelBox")->item(6)->isSelected());
}

TEST_F(OptionsPageTest, ClickingAWeaponRowWritesItsCode) {
    auto* list = Find<QListWidget>("MissleSelBox");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(Rec(1).Get(FGRec::OptionalWarheads(0)), 4);
}

TEST_F(OptionsPageTest, TypingTheHudModeStoresIt) {
    auto* edit = Find<QLineEdit>("Edit1");
    edit->clear();
    QTest::keyClicks(edit, "12");
    EXPECT_EQ(Rec(1).Get(FGRec::HudMode), 12);
}

// The list picks the row; the drop-down and the spin box edit it and the page shows the result.
TEST_F(OptionsPageTest, OptionalCraftControlsEditTheRowChosenInTheList) {
    auto* list = Find<QListWidget>("OpFGList");
    list->item(4)->setSelected(true);
    auto* craft = Find<QComboBox>("OpShipBox");
    craft->setCurrentIndex(1);
    emit craft->activated(1);
    Find<QSpinBox>("OpShipWavesSpin")->setValue(3);
    EXPECT_EQ(Rec(1).Get(FGRec::OptionalCraft(4)), 1);
    EXPECT_EQ(Rec(1).Get(FGRec::OptionalCraftWaves(4)), 2);
    EXPECT_EQ(Find<QSpinBox>("OpFGCountSpin")->value(), 1);
    EXPECT_EQ(list->item(4)->text(), "3 x [ 1 ]  Xwing");
    EXPECT_TRUE(list->item(4)->isSelected());
}

}  // namespace
}  // namespace vorlan
