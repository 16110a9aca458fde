// The trigger panel on the "Arrival" page: each kind of control reaches the edit path, and the
// panel shows the records again afterwards.

#include "editor/trigger_panel.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "edit/trigger_rules.h"
#include "edit/ui/arrival_page.h"
#include "editor/pages/highlight.h"
#include "page_test_fixture.h"

namespace vorlan {
namespace {

class TriggerPanelTest : public test::PageTest<ArrivalPage> {
protected:
    void SetUp() override {
        test::MakeFGs(session, 3);
        session.Select.SelectedFGs = test::Rows(3, {0, 2});
        session.Select.CurrentTriggerContext = TriggerContext::Arrival;
        auto* panel = new TriggerPanel;
        page.TriggerPanelHost()->addWidget(panel);
        panel->Attach(session, [this](const Edit& edit) { Refresh(ApplyEdit(session, edit)); });
        Show();
    }
    ConstRecordRef<TriggerRec::Tag> Trigger(std::size_t fg, int t) {
        return std::as_const(Rec(fg)).Sub(FGRec::ArrivalTrigger(t));
    }
};

// A selector writes the selected flight groups and the line follows; what is typed stays as
// typed while its byte is stored.
TEST_F(TriggerPanelTest, SelectorsAndParametersWriteTheSelectedFlightGroups) {
    Choose("CondBox", 2);
    EXPECT_EQ(Trigger(0, 1).Get(TriggerRec::Condition), 2);
    EXPECT_EQ(Trigger(2, 1).Get(TriggerRec::Condition), 2);
    EXPECT_TRUE(Find<QLabel>("Cond1Lab")->text().endsWith("must be destroyed"));
    auto* parameter = Find<QLineEdit>("CondUnk1");
    parameter->selectAll();
    QTest::keyClicks(parameter, "300");
    EXPECT_EQ(Trigger(2, 1).Get(TriggerRec::Parameter1), 44);
    EXPECT_EQ(parameter->text(), "300");
}

TEST_F(TriggerPanelTest, ClickingALineMovesTheHighlightAndTheSelectors) {
    Rec(0).Sub(FGRec::ArrivalTrigger(3)).Set(TriggerRec::Condition, 9);
    auto* line = Find<QLabel>("Cond3Lab");
    QTest::mouseClick(line, Qt::LeftButton);
    EXPECT_EQ(CurrentTriggerNumber(session.Select), 3);
    EXPECT_EQ(line->palette().color(QPalette::WindowText), kHighlightColor);
    EXPECT_EQ(Find<QLabel>("Cond1Lab")->palette().color(QPalette::WindowText), Qt::black);
    EXPECT_EQ(Find<QComboBox>("CondBox")->currentIndex(), 9);
}

// The panel's join radios and the page's own way radios each store their pair's choice.
TEST_F(TriggerPanelTest, RadioPairsStoreTheirChoice) {
    Find<QRadioButton>("and2Or")->click();
    EXPECT_EQ(Rec(2).Get(FGRec::ArrivalJoin12), 1);

    auto* list = Find<QComboBox>("ArrMotherBox");
    Find<QRadioButton>("ArrHypRadio")->click();
    EXPECT_EQ(session.CurrentFG()->Record.Get(FGRec::ArriveByMothership), 0);
    EXPECT_FALSE(list->isEnabled());
    Find<QRadioButton>("ArrMotherRadio")->click();
    EXPECT_EQ(session.CurrentFG()->Record.Get(FGRec::ArriveByMothership), 1);
    EXPECT_TRUE(list->isEnabled());
}

}  // namespace
}  // namespace vorlan
