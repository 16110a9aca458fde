#include "editor/header_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "session/session.h"
#include "support/recording_ui.h"
#include "support/scripted_dialogs.h"

namespace vorlan {
namespace {

class HeaderFormTest : public testing::Test {
protected:
    HeaderFormTest() {
        Header().SetText(HeaderRec::RegionNames(0), "  Inner  ");
        Header().Set(HeaderRec::HeaderFlag1, 1);
        Header().Set(HeaderRec::MissionType, 4);
        Header().Set(HeaderRec::HeaderValues(1), 30);
        // The window's part of the path: apply, and show a refusal.
        form_ = std::make_unique<THeaderForm>(session_, [this](const Edit& edit) {
            const EditResult result = ApplyEdit(session_, edit);
            if (!result.Error.empty()) {
                dialogs_.ShowError(result.Error);
            }
        });
    }

    ByteRecord<HeaderRec::Tag>& Header() { return session_.CurrentMission().MissionHeader; }
    template <class T>
    T* Find(const char* name) {
        return form_->findChild<T*>(name);
    }
    QTableWidgetItem* RegionCell(int row) {
        return Find<QTableWidget>("RegionNameGrid")->item(row, 1);
    }

    test::RecordingUi ui_;
    Session session_{ui_};
    test::ScriptedDialogs dialogs_;
    std::unique_ptr<THeaderForm> form_;
};

TEST_F(HeaderFormTest, OpeningFillsControlsWithoutMarking) {
    EXPECT_EQ(RegionCell(0)->text(), "Inner");
    EXPECT_TRUE(Find<QCheckBox>("U6")->isChecked());
    EXPECT_EQ(Find<QComboBox>("HangarBox")->currentText(), "Skirmish");
    EXPECT_EQ(Find<QLineEdit>("Edit3")->text(), "30");
    EXPECT_FALSE(Find<QLineEdit>("Edit2")->isVisibleTo(form_.get()));
    EXPECT_TRUE(session_.Status.UIReady);
    EXPECT_FALSE(session_.IsModified());
}

TEST_F(HeaderFormTest, EditsMarkAtOnceButCheckBoxesDoNotAndCancelStoresNothing) {
    const auto before = Header();
    Find<QCheckBox>("U3")->setChecked(true);
    EXPECT_FALSE(session_.IsModified());
    RegionCell(1)->setText("Typed");
    EXPECT_TRUE(session_.Status.Modified);
    session_.ClearModified();
    QTest::keyClick(Find<QLineEdit>("Edit3"), Qt::Key_1);
    EXPECT_TRUE(session_.Status.Modified);
    session_.ClearModified();
    Find<QComboBox>("HangarBox")->setCurrentIndex(0);
    EXPECT_TRUE(session_.Status.Modified);

    form_->reject();
    EXPECT_EQ(Header(), before);
}

TEST_F(HeaderFormTest, OkStoresTheControls) {
    RegionCell(2)->setText("Outer");
    Find<QCheckBox>("U6")->setChecked(false);
    Find<QCheckBox>("U3")->setChecked(true);
    Find<QComboBox>("HangarBox")->setCurrentIndex(10);
    Find<QLineEdit>("Edit3")->setText("300");
    form_->accept();

    EXPECT_TRUE(dialogs_.Errors.empty());
    EXPECT_EQ(Header().GetText(HeaderRec::RegionNames(0)), "Inner");
    EXPECT_EQ(Header().GetText(HeaderRec::RegionNames(2)), "Outer");
    EXPECT_EQ(Header().Get(HeaderRec::HeaderFlag1), 0);
    EXPECT_EQ(Header().Get(HeaderRec::HeaderFlag2), 1);
    EXPECT_EQ(Header().Get(HeaderRec::MissionType), 10);
    EXPECT_EQ(Header().Get(HeaderRec::HeaderValues(1)), 44);
}

// Which values a bad one stops is the header fields' rule; the dialog shows the refusal.
TEST_F(HeaderFormTest, BadTimeIsReported) {
    Find<QLineEdit>("Edit3")->setText("abc");
    form_->accept();
    EXPECT_EQ(dialogs_.Errors, std::vector<std::string>{"'abc' is not a valid integer value"});
}

}  // namespace
}  // namespace vorlan
