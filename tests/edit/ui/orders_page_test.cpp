// The "Orders" page's wiring in the window: each kind of control reaches the edit path and the
// page shows what the edit asks to be shown again; the region and order toggles and the order
// lines choose the order shown, and showing it writes nothing.

#include "edit/ui/orders_page.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "support/window_test_fixture.h"

namespace vorlan {
namespace {

// A window on a two flight group mission with the "Orders" page shown at order 3 of region 2.
class OrdersPageTest : public test::WindowTest {
protected:
    void SetUp() override {
        StartWithMission({.FlightGroups = 2});
        page = window->findChild<OrdersPage*>();
        Find<QTabWidget>("FGPages")->setCurrentWidget(page);
        Click("R2Btn");
        Click("Ord3");
    }
    void Click(const char* button) { Find<QAbstractButton>(button)->click(); }
    void Choose(const char* combo, int row) {
        Find<QComboBox>(combo)->setCurrentIndex(row);
        emit Find<QComboBox>(combo)->activated(row);
    }
    RecordRef<OrderRec::Tag> Order(int r, int o) {
        return Sess().CurrentFG()->Record.Sub(FGRec::Order(r, o));
    }

    OrdersPage* page = nullptr;
};

TEST_F(OrdersPageTest, EachKindOfControlWritesTheOrderShown) {
    Choose("OrderBox", 12);
    EXPECT_EQ(Order(2, 3).Get(OrderRec::Command), 12);
    EXPECT_TRUE(page->OrderLabel(3)->text().startsWith("Board to Give/Reload:"));
    Choose("T3Class", 2);
    EXPECT_EQ(Find<QComboBox>("T3Index")->count(), 233);  // the index list follows the class
    Find<QSpinBox>("OrderP1")->setValue(5);
    EXPECT_EQ(Order(2, 3).Get(OrderRec::Parameter1), 5);
    auto* link = Find<QCheckBox>("OneAnd2Chk");
    link->click();
    EXPECT_EQ(Order(2, 3).Get(OrderRec::TargetJoin12), link->isChecked() ? 0 : 1);
    QLineEdit* description = Find<QComboBox>("OrderDescEd")->lineEdit();
    description->clear();
    QTest::keyClicks(description, "Strike");
    EXPECT_EQ(Sess().CurrentFG()->Record.GetText(FGRec::OrderDescription), "Strike");
}

// Codes with no row show none; showing another region or order writes and marks nothing.
TEST_F(OrdersPageTest, TogglesAndOrderLinesShowAnOrderWithoutWriting) {
    Order(3, 2).Set(OrderRec::Command, 19);
    Order(3, 2).Set(OrderRec::Target1Type, 1);
    Order(3, 2).Set(OrderRec::Target1, 255);
    Order(3, 2).Set(OrderRec::Speed, 99);
    const auto before = Sess().CurrentFG()->Record;
    Click("R3Btn");
    QTest::mouseClick(page->OrderLabel(2), Qt::LeftButton);
    EXPECT_EQ(Sess().Select.CurrentOrderNumber, 2);
    EXPECT_TRUE(Find<QAbstractButton>("Ord2")->isChecked());
    EXPECT_EQ(Find<QLabel>("OrderLab")->text(), "Order #2:");
    EXPECT_EQ(page->OrderLabel(2)->palette().color(QPalette::WindowText), QColor(169, 3, 145));
    EXPECT_EQ(Find<QComboBox>("OrderBox")->currentIndex(), 19);
    EXPECT_EQ(Find<QComboBox>("T1Index")->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>("OrderSpeedBox")->currentIndex(), -1);
    EXPECT_TRUE(Find<QLabel>("OrderP1Lab")->text().startsWith("    Wait time ("));
    EXPECT_EQ(Sess().CurrentFG()->Record, before);
    EXPECT_FALSE(Sess().IsModified());
    // A new flight group is shown at the first order of region 1, and so are the toggles.
    window->NewFGOrMessage();
    EXPECT_TRUE(Find<QAbstractButton>("R1Btn")->isChecked());
    EXPECT_TRUE(Find<QAbstractButton>("Ord1")->isChecked());
}

}  // namespace
}  // namespace vorlan
