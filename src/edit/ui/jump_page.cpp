#include "edit/ui/jump_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "edit/point_rules.h"
#include "editor/pages/flight_group_page_numbers.h"
#include "session/session.h"

namespace vorlan {

JumpPage::JumpPage(QWidget* parent)
    : EditorPage(kJumpPage, "JumpPage", parent), heading_(new QLabel(this)) {
    heading_->setObjectName("JumpLabel");
    heading_->setWordWrap(true);
    Content()->addWidget(heading_);

    auto* group = new QGroupBox("Object (not craft) orientation angle", this);
    group->setObjectName("OrientationGroup");
    auto* layout = new QGridLayout(group);
    auto* orientation = new QComboBox(group);
    orientation->setObjectName("OrientationBox");
    orientation->setMaxVisibleItems(20);
    layout->addWidget(orientation, 0, 0, 2, 1, Qt::AlignVCenter);
    layout->addWidget(new QLabel("64 = flat ", group), 0, 1);
    layout->addWidget(new QLabel("0 = On edge", group), 1, 1);
    layout->setColumnStretch(2, 1);
    Content()->addWidget(group);
    Content()->addStretch();
    ReserveTriggerPanel(new QVBoxLayout, true);

    binding_.emplace(this, JumpPageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
}

void JumpPage::fill(Session& session) {
    const FillGuard guard(session);
    StartOnFirstSkipTrigger(session.Select);
    heading_->setText(FromMissionText(CurrentOrderHeading(session)));
    binding_->ShowAll(session);
}

void JumpPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    const FillGuard guard(session);
    binding_->Show(session, controls);
}

}  // namespace vorlan
