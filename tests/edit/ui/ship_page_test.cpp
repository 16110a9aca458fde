#include "edit/ui/ship_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "page_test_fixture.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

// Three flight groups, the first two selected, the first current.
class ShipPageTest : public test::PageTest<ShipPage> {
protected:
    void SetUp() override {
        test::MakeFGs(session, 3);
        session.Select.SelectedFGs = {true, true, false};
        Show();
    }
};

TEST_F(ShipPageTest, ChoosingACraftWritesTheSelectionAndRepaintsTheLinkedSide) {
    session.CurrentMission().FlightGroups[0]->AutoIFF = 1;
    Choose("ShipBox", 16);
    EXPECT_EQ(Rec(1).Get(FGRec::CraftType), 16);
    EXPECT_EQ(Find<QComboBox>("IFFBox")->currentIndex(), 1);
    const RowColor red = IFFColor(1);
    EXPECT_EQ(Find<QComboBox>("ShipName")->palette().color(QPalette::Text),
              QColor(red.R, red.G, red.B));
}

TEST_F(ShipPageTest, TypingANameOrSpinningWritesAndShowsTheLinkedMarkings) {
    Find<QSpinBox>("GGSpin")->setValue(7);
    EXPECT_EQ(Rec(1).Get(FGRec::GlobalGroup), 7);
    QLineEdit* name = Find<QComboBox>("ShipName")->lineEdit();
    name->selectAll();
    QTest::keyClicks(name, "Blue");
    EXPECT_EQ(Rec(1).GetText(FGRec::Name), "Blue");
    EXPECT_EQ(Find<QComboBox>("ColorBox")->currentIndex(), 2);
}

TEST_F(ShipPageTest, TickingRandomWritesTheFlagAndClearsTheShading) {
    Rec(0).Set(FGRec::RandomSpecialCraft, 0);
    Rec(0).Set(FGRec::SpecialCraft, 5);
    Rec(0).Set(FGRec::CraftCount, 2);
    Fill();
    const auto background = [&] {
        return Find<QComboBox>("SpecCargEd")->palette().color(QPalette::Base);
    };
    EXPECT_EQ(background(), QColor(192, 192, 192));
    Find<QCheckBox>("RandomChk")->click();
    EXPECT_EQ(Rec(1).Get(FGRec::RandomSpecialCraft), 1);
    EXPECT_NE(background(), QColor(192, 192, 192));
}

TEST_F(ShipPageTest, ABackdropRelabelsTheCargoGroup) {
    session.BackdropNames = std::vector<std::string>{"Stars", "Nebula", "Sun"};
    Choose("ShipBox", 183);
    EXPECT_EQ(Find<QGroupBox>("CargoGroup")->title(), "Backdrop");
    EXPECT_EQ(Find<QLabel>("DefaultLabel")->text(), "Bright?");
    EXPECT_EQ(Find<QComboBox>("SpecShpSpin")->count(), 3);
    Choose("ShipBox", 1);
    EXPECT_EQ(Find<QGroupBox>("CargoGroup")->title(), "Cargo");
    EXPECT_EQ(Find<QComboBox>("SpecShpSpin")->count(), 255);
}

}  // namespace
}  // namespace vorlan
