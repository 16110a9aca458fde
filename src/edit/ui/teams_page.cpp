#include "edit/ui/teams_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "edit/team_rules.h"
#include "edit/ui/page_widgets.h"
#include "editor/pages/outer_page_numbers.h"
#include "session/session.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

// The longest name the 16-byte field keeps.
constexpr int kTeamNameLength = 15;
constexpr int kEndTextLength = 64;

struct EndTextPair {
    const char* Goal;
    const char* Outcome;
    std::array<const char*, 2> Fields;
};

constexpr std::array<EndTextPair, 3> kEndTextPairs = {{
    {"Primary", "Success", {"Succ1Ed", "Succ2Ed"}},
    {"Primary", "Failure", {"Fail1Ed", "Fail2Ed"}},
    {"Secondary", "Success", {"Sec1Ed", "Sec2Ed"}},
}};

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

TeamsPage::TeamsPage(QWidget* parent)
    : EditorPage(kTeamsPage, "TeamsPage", parent),
      teamLabel_(new QLabel("Team 1 Name")),
      teamName_(MakeCombo("TeamName1Ed", nullptr, kTeamNameLength)) {
    auto* box = new QGroupBox("Teams", this);
    teamLabel_->setObjectName("Label52");
    teamLabel_->setBuddy(teamName_);
    teamName_->setEditable(true);
    // Suggestions only: a typed name is never added to them.
    teamName_->setInsertPolicy(QComboBox::NoInsert);
    teamName_->lineEdit()->setMaxLength(kTeamNameLength);
    auto* previous = Button("PrevTeamBtn", "< Previous", box);
    auto* next = Button("NextTeamBtn", "Next >", box);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(teamLabel_);
    nameRow->addWidget(teamName_, 1);
    nameRow->addWidget(previous);
    nameRow->addWidget(next);

    auto* iff = MakeCombo("TeamIFFBox1", box, 10);
    auto* iffRow = new QHBoxLayout;
    iffRow->addWidget(Label("IFF for Autolink", iff, box));
    iffRow->addWidget(iff);
    iffRow->addStretch();

    auto* texts = new QGridLayout;
    int row = 0;
    for (std::size_t pair = 0; pair < kEndTextPairs.size(); ++pair) {
        texts->addWidget(new QLabel(kEndTextPairs[pair].Goal, box), row, 0);
        texts->addWidget(new QLabel(kEndTextPairs[pair].Outcome, box), row + 1, 0);
        for (int line = 0; line < 2; ++line) {
            auto* field = new QLineEdit(box);
            field->setObjectName(kEndTextPairs[pair].Fields[static_cast<std::size_t>(line)]);
            field->setMaxLength(kEndTextLength);
            endTexts_[pair * 2 + static_cast<std::size_t>(line)] = field;
            texts->addWidget(field, row + line, 1);
        }
        // A gap sets each pair apart from the next.
        texts->setRowMinimumHeight(row + 2, 10);
        row += 3;
    }
    texts->setColumnStretch(1, 1);

    // The allies exist on the page but are not offered.
    auto* friendsCaption = new QLabel("Allies", box);
    auto* friends = new QListWidget(box);
    friends->setObjectName("FriendsList");
    friends->setSelectionMode(QAbstractItemView::MultiSelection);
    auto* radioLink = Button("LinkTeamBtn", "Link Team by Radio", box);
    for (QWidget* hidden : {static_cast<QWidget*>(friendsCaption), static_cast<QWidget*>(friends),
                            static_cast<QWidget*>(radioLink)}) {
        hidden->hide();
    }

    auto* layout = new QVBoxLayout(box);
    layout->addLayout(nameRow);
    layout->addLayout(iffRow);
    layout->addLayout(texts);
    layout->addWidget(friendsCaption);
    layout->addWidget(friends);
    layout->addWidget(radioLink);
    layout->addStretch();
    Content()->addWidget(box, 1);

    binding_.emplace(this, TeamPageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
    connect(previous, &QPushButton::clicked, this, [this] {
        SendEdit(ControlEdit{"PrevTeamBtn", 1});
    });
    connect(next, &QPushButton::clicked, this, [this] { SendEdit(ControlEdit{"NextTeamBtn", 1}); });
}

void TeamsPage::fill(Session& session) {
    if (teamName_->count() == 0) {
        const QSignalBlocker blocker(teamName_);
        for (const std::string& name : session.Vocab.table(TableId::TeamNameSuggestions)) {
            teamName_->addItem(FromMissionText(name));
        }
    }
    binding_->Show(session, TeamPageControls());
    ShowTeamLook(session);
}

void TeamsPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    binding_->Show(session, controls);
    ShowTeamLook(session);
}

void TeamsPage::ShowTeamLook(const Session& session) {
    const int team = std::clamp(session.Select.CurrentTeamIndex, 0, kTeamCount - 1);
    teamLabel_->setText(QString("Team %1 Name").arg(team + 1));
    const RowColor color =
        IFFColor(session.CurrentMission().TeamIFF.at(static_cast<std::size_t>(team)));
    for (QLineEdit* field : endTexts_) {
        PaintOnBlack(field, color);
    }
}

}  // namespace vorlan
