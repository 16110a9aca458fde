#include "edit/ui/fg_goals_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "edit/fg_goal_rules.h"
#include "edit/ui/page_widgets.h"
#include "editor/pages/flight_group_page_numbers.h"
#include "session/session.h"

namespace vorlan {

FGGoalsPage::FGGoalsPage(QWidget* parent)
    : EditorPage(kFGGoalsPage, "FGGoalsPage", parent),
      heading_(new QLineEdit),
      goalList_(new QListWidget) {
    auto* goalBox = new QGroupBox("Flight Group Goal", this);
    heading_->setObjectName("FGgoalFG");
    heading_->setReadOnly(true);
    heading_->setFocusPolicy(Qt::NoFocus);

    auto* percent = MakeCombo("FGGoalPercent", goalBox, 5);
    auto* of = new QLabel("of", goalBox);
    of->setObjectName("FGGoalLab");
    auto* must = MakeCombo("FGMustBox", goalBox, 6);
    auto* condition = MakeCombo("FGGoalCond", goalBox, 8);
    auto* sentence = new QHBoxLayout;
    sentence->addWidget(percent, 2);
    sentence->addWidget(of);
    sentence->addWidget(must, 2);
    sentence->addWidget(condition, 3);

    auto* team = MakeCombo("FGGoalTeamBox", goalBox, 5);
    auto* points = new QSpinBox(goalBox);
    points->setObjectName("FGGoalPointsSpin");
    points->setSingleStep(kGoalPointsStep);
    points->setRange(-128 * kGoalPointsStep, 127 * kGoalPointsStep);
    auto* time = new QLineEdit(goalBox);
    time->setObjectName("FGGoalTimeSpin");
    time->setMaximumWidth(time->fontMetrics().horizontalAdvance("-88888") + 12);
    auto* check = new QCheckBox("?", goalBox);
    check->setObjectName("FGGoalUnk");
    auto* details = new QHBoxLayout;
    details->addWidget(Label("Applies to Team:", team, goalBox));
    details->addWidget(team, 1);
    details->addSpacing(4);
    details->addWidget(Label("Points", points, goalBox));
    details->addWidget(points);
    details->addSpacing(4);
    details->addWidget(Label("Time Limit", time, goalBox));
    details->addWidget(time);
    details->addSpacing(4);
    details->addWidget(check);

    goalList_->setObjectName("FGgoalList");
    goalList_->setSelectionMode(QAbstractItemView::SingleSelection);
    goalList_->setUniformItemSizes(true);
    QPalette listPalette = goalList_->palette();
    listPalette.setColor(QPalette::Base, Qt::black);
    goalList_->setPalette(listPalette);
    // Room for all eight goals without scrolling.
    goalList_->setMinimumHeight(FGRec::kGoalCount * (goalList_->fontMetrics().height() + 2) +
                                2 * goalList_->frameWidth() + 4);

    auto* goalLayout = new QVBoxLayout(goalBox);
    goalLayout->addWidget(heading_);
    goalLayout->addLayout(sentence);
    goalLayout->addLayout(details);
    goalLayout->addWidget(goalList_, 1);

    auto* stringBox = new QGroupBox("User Strings", this);
    auto* strings = new QFormLayout(stringBox);
    const std::pair<const char*, const char*> fields[] = {
        {"FGStrIncomp", "Incomplete"}, {"FGStrSucc", "Success"}, {"FGStrFail", "Fail"}};
    for (int kind = 0; kind < 3; ++kind) {
        auto* field = new QLineEdit(stringBox);
        field->setObjectName(fields[kind].first);
        field->setMaxLength(static_cast<int>(kGoalStringLength));
        PaintOnBlack(field, GoalStringColor(static_cast<GoalStringKind>(kind)));
        strings->addRow(Label(fields[kind].second, field, stringBox), field);
    }

    Content()->addWidget(goalBox, 1);
    Content()->addWidget(stringBox);

    binding_.emplace(this, FGGoalPageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
}

void FGGoalsPage::fill(Session& session) {
    session.Select.CurrentGoalIndex = 0;
    binding_->ShowAll(session);
    ShowHeading(session);
    ColorGoalRows(session);
}

void FGGoalsPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    binding_->Show(session, controls);
    if (std::ranges::find(controls, std::string_view("FGgoalList")) != controls.end()) {
        ColorGoalRows(session);
    }
}

void FGGoalsPage::ShowHeading(const Session& session) {
    const FGObject* fg = session.CurrentFG();
    if (fg == nullptr) {
        heading_->clear();
        return;
    }
    heading_->setText(FromMissionText(FlightGroupHeading(session.Vocab, *fg)));
    PaintOnBlack(heading_, IFFColor(fg->Record.Get(FGRec::IFF)));
}

void FGGoalsPage::ColorGoalRows(const Session& session) {
    const FGObject* fg = session.CurrentFG();
    if (fg == nullptr) {
        return;
    }
    for (int g = 0; g < goalList_->count() && g < FGRec::kGoalCount; ++g) {
        const RowColor color =
            GoalRowColor(session.CurrentMission(), fg->Record.Sub(FGRec::Goal(g)));
        goalList_->item(g)->setForeground(ToQColor(color));
    }
    // Keyboard moves start from the goal shown.
    const QSignalBlocker blocker(goalList_);
    goalList_->setCurrentRow(session.Select.CurrentGoalIndex, QItemSelectionModel::NoUpdate);
}

}  // namespace vorlan
