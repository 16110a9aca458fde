#include "editor/hyper_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "session/new_mission.h"
#include "session/session.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

class HyperFormTest : public testing::Test {
protected:
    HyperFormTest() {
        ResetToNewMission(session_);
        session_.CurrentMission().MissionHeader.SetText(HeaderRec::RegionNames(2), "Nebula");
        form_ = std::make_unique<THyperForm>(
            session_, [this](const Edit& edit) { sent_.push_back(std::get<HyperbuoyEdit>(edit)); });
    }

    template <class T>
    T* Find(const char* name) {
        return form_->findChild<T*>(name);
    }

    test::RecordingUi ui_;
    Session session_{ui_};
    std::vector<HyperbuoyEdit> sent_;
    std::unique_ptr<THyperForm> form_;
};

TEST_F(HyperFormTest, OkHandsTheChosenLinkToTheSink) {
    auto* from = Find<QComboBox>("FromBox");
    auto* to = Find<QComboBox>("ToBox");
    EXPECT_EQ(from->currentIndex(), 0);
    EXPECT_EQ(to->currentIndex(), 1);
    EXPECT_TRUE(Find<QCheckBox>("DoFroms")->isChecked());

    from->setCurrentIndex(2);
    to->setCurrentIndex(0);
    QTest::mouseClick(Find<QCheckBox>("DoFroms"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("Button2"), Qt::LeftButton);
    ASSERT_EQ(sent_.size(), 1u);
    EXPECT_EQ(sent_[0].From, 2);
    EXPECT_EQ(sent_[0].To, 0);
    EXPECT_FALSE(sent_[0].EntryBuoys);
    EXPECT_EQ(form_->result(), QDialog::Accepted);
}

TEST_F(HyperFormTest, CancelSendsNothing) {
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_TRUE(sent_.empty());
    EXPECT_EQ(form_->result(), QDialog::Rejected);
}

// The dialog may be kept while another mission is loaded.
TEST_F(HyperFormTest, ShowingAgainReadsTheRegionNamesAndKeepsTheChoice) {
    Find<QComboBox>("ToBox")->setCurrentIndex(3);
    session_.CurrentMission().MissionHeader.SetText(HeaderRec::RegionNames(3), "Deep Space");
    form_->show();
    EXPECT_EQ(Find<QComboBox>("ToBox")->currentText(), "Deep Space");
    EXPECT_EQ(Find<QComboBox>("FromBox")->itemText(3), "Deep Space");
}

}  // namespace
}  // namespace vorlan
