#include "edit/ui/ship_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "edit/edit.h"
#include "session/new_mission.h"
#include "session/session.h"
#include "support/recording_ui.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

// Three flight groups, the first two selected, the first current; the page's edits go through
// the edit path and the page shows what the result names.
class ShipPageTest : public testing::Test {
protected:
    ShipPageTest() {
        ResetToNewMission(session);
        auto& groups = session.CurrentMission().FlightGroups;
        groups.resize(1);
        while (groups.size() < 3) {
            groups.push_back(MakeFGFromTemplate(session, session.CurrentMission()));
        }
        session.Select.SelectedFGs = {true, true, false};
        session.ClearModified();
        page.SetEditSink([this](const Edit& edit) {
            const EditResult result = ApplyEdit(session, edit);
            page.Refresh(session, result.RefreshControls);
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
    void Choose(const char* combo, int row) {
        Find<QComboBox>(combo)->setCurrentIndex(row);
        emit Find<QComboBox>(combo)->activated(row);
    }

    test::RecordingUi ui;
    Session session{ui};
    ShipPage page;
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

TEST_F(ShipPageTest, SpinningWritesTheLowBits) {
    Find<QSpinBox>("GGSpin")->setValue(300);
    EXPECT_EQ(Rec(1).Get(FGRec::GlobalGroup), 44);
}

TEST_F(ShipPageTest, TypingANameWritesItAndShowsTheLinkedMarkings) {
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
    page.fill(session);
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
