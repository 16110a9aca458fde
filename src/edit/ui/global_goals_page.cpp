#include "edit/ui/global_goals_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "edit/fg_goal_rules.h"
#include "edit/global_goal_rules.h"
#include "edit/ui/page_widgets.h"
#include "editor/pages/outer_page_numbers.h"
#include "session/session.h"

namespace vorlan {
namespace {

constexpr const char* kStringCaptions[] = {"Incomp", "Success", "Failed"};
constexpr RowColor kIncompleteColor{255, 255, 0};
constexpr RowColor kFailedColor{255, 0, 0};

}  // namespace

GlobalGoalsPage::GlobalGoalsPage(QWidget* parent)
    : EditorPage(kGlobalGoalsPage, "GlobalGoalsPage", parent),
      teamBox_(MakeCombo("GGTeamBox", this, 12)),
      tabs_(new QTabWidget(this)),
      goalFields_(new QWidget(this)) {
    PaintOnBlack(teamBox_, IFFColor(0));
    auto* teamRow = new QHBoxLayout;
    teamRow->addWidget(Label("Global Goals for Team:", teamBox_, this));
    teamRow->addWidget(teamBox_);
    teamRow->addStretch();
    Content()->addLayout(teamRow);

    tabs_->setObjectName("GGPages");
    for (const char* title : {"Primary", "Prevent", "Secondary"}) {
        auto* tab = new QWidget;
        auto* layout = new QVBoxLayout(tab);
        if (std::string_view(title) == "Prevent") {
            layout->addWidget(
                new QLabel("The Prevent goal must specify the OPPOSITE of the Team's objectives"));
            layout->addWidget(
                new QLabel("e.g. if you want a craft to survive, the condition here should be "));
            layout->addWidget(new QLabel("\"must be destroyed\""));
        }
        tabs_->addTab(tab, title);
    }

    auto* points = MakeSpin("GGPointsED", goalFields_);
    points->setRange(-128 * kGoalPointsStep, 127 * kGoalPointsStep);
    points->setSingleStep(kGoalPointsStep);
    auto* pointsRow = new QHBoxLayout;
    pointsRow->addWidget(Label("Points:", points, goalFields_));
    pointsRow->addWidget(points);
    pointsRow->addStretch();
    auto* groups = new QGridLayout;
    for (int t = 0; t < 4; ++t) {
        auto* group = new QGroupBox(QString("Condition %1 User Strings").arg(t + 1), goalFields_);
        auto* grid = new QGridLayout(group);
        for (int s = 0; s < 3; ++s) {
            auto* field = new QLineEdit(group);
            field->setObjectName(QString::fromLatin1(GoalStringControl(t, s).data(),
                                                     GoalStringControl(t, s).size()));
            field->setMaxLength(static_cast<int>(kGoalStringLength));
            auto* caption = Label(kStringCaptions[s], field, group);
            grid->addWidget(caption, s, 0);
            grid->addWidget(field, s, 1);
            strings_[t][s] = field;
            captions_[t][s] = caption;
        }
        PaintOnBlack(strings_[t][0], kIncompleteColor);
        PaintOnBlack(strings_[t][2], kFailedColor);
        groups->addWidget(group, t / 2, t % 2);
    }
    auto* fieldsLayout = new QVBoxLayout(goalFields_);
    fieldsLayout->setContentsMargins(0, 0, 0, 0);
    fieldsLayout->addLayout(pointsRow);
    fieldsLayout->addLayout(groups);
    Content()->addWidget(tabs_);
    ReserveTriggerPanel(new QVBoxLayout, false);

    binding_.emplace(this, GlobalGoalPageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
}

void GlobalGoalsPage::fill(Session& session) {
    binding_->ShowAll(session);
    ShowKind(session);
}

void GlobalGoalsPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    binding_->Show(session, controls);
    ShowKind(session);
}

// The fields sit on the current tab, laid out for its kind; the team box takes its team's
// colour.
void GlobalGoalsPage::ShowKind(const Session& session) {
    PaintOnBlack(teamBox_, GoalTeamColor(session));
    QWidget* tab = tabs_->currentWidget();
    if (goalFields_->parentWidget() != tab) {
        static_cast<QVBoxLayout*>(tab->layout())->addWidget(goalFields_);
        goalFields_->show();
    }
    const UserStringLayout& layout = LayoutUserStrings(tabs_->currentIndex());
    for (std::size_t t = 0; t < strings_.size(); ++t) {
        strings_[t][0]->setVisible(layout.IncompleteShown);
        captions_[t][0]->setVisible(layout.IncompleteShown);
        PaintOnBlack(strings_[t][1], layout.SuccessColor);
        captions_[t][1]->setText(FromMissionText(std::string(layout.SuccessCaption)));
        strings_[t][2]->setVisible(layout.FailedShown);
        captions_[t][2]->setVisible(layout.FailedShown);
    }
}

}  // namespace vorlan
