#pragma once
// A page over its own session, wired as the window wires it: an edit goes through ApplyEdit and
// the page shows again what the result names, under a fill guard. Each test sets the mission up
// and then calls Show().

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "edit/edit.h"
#include "ops/ops_test_support.h"

namespace vorlan::test {

template <class Page>
class PageTest : public ::testing::Test {
protected:
    void Show() {
        session.ClearModified();
        page.SetEditSink([this](const Edit& edit) { Refresh(ApplyEdit(session, edit)); });
        Fill();
        page.resize(700, 600);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }
    // No TearDown hides the page: tearing a page down with a focused text field must send
    // nothing, or the edit would reach controls already gone.
    void Refresh(const EditResult& result) {
        const FillGuard guard(session);
        page.Refresh(session, result.RefreshControls);
    }
    void Fill() {
        const FillGuard guard(session);
        page.fill(session);
    }
    template <class W>
    W* Find(const char* name) {
        W* widget = page.template findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Chooses a row as the user does: only activated() reaches the edit path.
    void Choose(const char* combo, int row) {
        Find<QComboBox>(combo)->setCurrentIndex(row);
        emit Find<QComboBox>(combo)->activated(row);
    }
    ByteRecord<FGRec::Tag>& Rec(std::size_t i) {
        return session.CurrentMission().FlightGroups.at(i)->Record;
    }

    RecordingUi ui;
    Session session{ui};
    Page page;
};

}  // namespace vorlan::test
