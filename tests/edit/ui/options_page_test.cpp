#include "edit/ui/options_page.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include "page_test_fixture.h"

namespace vorlan {
namespace {

// Two flight groups, both selected, the first current with user-defined craft.
class OptionsPageTest : public test::PageTest<OptionsPage> {
protected:
    void SetUp() override {
        test::MakeFGs(session, 2);
        session.Select.SelectedFGs = {true, true};
        Rec(0).Set(FGRec::OptionalCraftCategory, 4);
        Show();
    }
};

TEST_F(OptionsPageTest, FillingShowsStoredCodesWithoutWritingThem) {
    Rec(0).Set(FGRec::OptionalCraft(0), 240);
    Rec(0).Set(FGRec::OptionalWarheads(0), 7);
    const auto before = Rec(0);
    Fill();
    EXPECT_TRUE(Rec(0) == before);
    EXPECT_FALSE(session.IsModified());
    EXPECT_EQ(Find<QComboBox>("OpShipBox")->currentIndex(), -1);
    EXPECT_TRUE(Find<QListWidget>("MissleSelBox")->item(6)->isSelected());
}

TEST_F(OptionsPageTest, ClickingAWeaponRowAndTypingReachEverySelectedGroup) {
    auto* list = Find<QListWidget>("MissleSelBox");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(Rec(1).Get(FGRec::OptionalWarheads(0)), 4);
    Find<QLineEdit>("Edit1")->clear();
    QTest::keyClicks(Find<QLineEdit>("Edit1"), "12");
    EXPECT_EQ(Rec(1).Get(FGRec::HudMode), 12);
}

// The list picks the row; the drop-down and the spin box edit it and the page shows the result.
TEST_F(OptionsPageTest, OptionalCraftControlsEditTheRowChosenInTheList) {
    auto* list = Find<QListWidget>("OpFGList");
    list->item(4)->setSelected(true);
    Choose("OpShipBox", 1);
    Find<QSpinBox>("OpShipWavesSpin")->setValue(3);
    EXPECT_EQ(Rec(1).Get(FGRec::OptionalCraft(4)), 1);
    EXPECT_EQ(Rec(1).Get(FGRec::OptionalCraftWaves(4)), 2);
    EXPECT_EQ(Find<QSpinBox>("OpFGCountSpin")->value(), 1);
    EXPECT_EQ(list->item(4)->text(), "3 x [ 1 ]  Xwing");
    EXPECT_TRUE(list->item(4)->isSelected());
}

}  // namespace
}  // namespace vorlan
