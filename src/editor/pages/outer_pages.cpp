#include "editor/pages/outer_pages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "editor/row_list_model.h"
#include "session/session.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

QString MissionText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QPlainTextEdit* MakeMemo(const QString& name, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    // Editing the texts comes with their page; until then they are shown as they are.
    memo->setReadOnly(true);
    return memo;
}

}  // namespace

MessagesPage::MessagesPage(QWidget* parent)
    : EditorPage(kMessagesPage, "MessagesPage", parent), msgStrList_(new QListView(this)) {
    msgStrList_->setObjectName("MsgStrList");
    SetUpRowListView(*msgStrList_);
    msgStrList_->setContextMenuPolicy(Qt::CustomContextMenu);
    // The list on the left, the current message's fields and its triggers beside it.
    auto* row = new QHBoxLayout;
    row->addWidget(msgStrList_, 1);
    auto* fields = new QVBoxLayout;
    fields->addStretch();
    row->addLayout(fields, 1);
    Content()->addLayout(row, 1);
    ReserveTriggerPanel(new QVBoxLayout, false, fields);
}

GlobalGoalsPage::GlobalGoalsPage(QWidget* parent)
    : EditorPage(kGlobalGoalsPage, "GlobalGoalsPage", parent), ggTeamBox_(new QComboBox(this)) {
    ggTeamBox_->setObjectName("GGTeamBox");
    QPalette palette = ggTeamBox_->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Button, Qt::black);
    ggTeamBox_->setPalette(palette);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Team:", this));
    row->addWidget(ggTeamBox_);
    row->addStretch();
    Content()->addLayout(row);
    Content()->addStretch();
    ReserveTriggerPanel(new QVBoxLayout, false);
}

void GlobalGoalsPage::fill(Session& session) {
    const auto& teams = session.Vocab.table(TableId::TeamList);
    ggTeamBox_->clear();
    for (const std::string& name : teams) {
        ggTeamBox_->addItem(MissionText(name));
    }
    const int team = session.Select.CurrentTeamIndex;
    ggTeamBox_->setCurrentIndex(team);
    const Mission& mission = session.CurrentMission();
    const int iff = team >= 0 && team < kTeamCount ? mission.TeamIFF[team] : 0;
    const RowColor color = IFFColor(iff);
    QPalette palette = ggTeamBox_->palette();
    palette.setColor(QPalette::Text, QColor(color.R, color.G, color.B));
    palette.setColor(QPalette::ButtonText, QColor(color.R, color.G, color.B));
    ggTeamBox_->setPalette(palette);
}

DescriptionPage::DescriptionPage(QWidget* parent)
    : EditorPage(kDescriptionPage, "DescriptionPage", parent),
      descMemo_(MakeMemo("DescMemo", this)) {
    Content()->addWidget(new QLabel("Mission Description", this));
    Content()->addWidget(descMemo_, 1);
}

void DescriptionPage::fill(Session& session) {
    descMemo_->setPlainText(MissionText(session.CurrentMission().DescriptionText));
}

DebriefingsPage::DebriefingsPage(QWidget* parent)
    : EditorPage(kDebriefingsPage, "DebriefingsPage", parent),
      succLabel_(new QLabel("Successful Mission Debriefing", this)),
      failLabel_(new QLabel("Failed Mission Debriefing", this)),
      succMemo_(MakeMemo("SuccDebriefMemo", this)),
      failMemo_(MakeMemo("FailDebriefMemo", this)) {
    Content()->addWidget(new QLabel("There are no Debriefings for XvT Format Missions", this));
    Content()->addWidget(succLabel_);
    Content()->addWidget(succMemo_, 1);
    Content()->addWidget(failLabel_);
    Content()->addWidget(failMemo_, 1);
}

void DebriefingsPage::fill(Session& session) {
    succMemo_->setPlainText(MissionText(session.CurrentMission().SuccessDebriefText));
    failMemo_->setPlainText(MissionText(session.CurrentMission().FailureDebriefText));
}

void DebriefingsPage::ShowDebriefings(bool shown) {
    for (QWidget* widget : {static_cast<QWidget*>(succLabel_), static_cast<QWidget*>(failLabel_),
                            static_cast<QWidget*>(succMemo_), static_cast<QWidget*>(failMemo_)}) {
        widget->setVisible(shown);
    }
}

TeamsPage::TeamsPage(QWidget* parent) : EditorPage(kTeamsPage, "TeamsPage", parent) {}

}  // namespace vorlan
