#include "edit/ui/messages_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "edit/message_rules.h"
#include "edit/ui/page_widgets.h"
#include "editor/pages/outer_page_numbers.h"
#include "editor/row_list_model.h"
#include "session/session.h"
#include "text/row_colors.h"

namespace vorlan {

MessagesPage::MessagesPage(QWidget* parent)
    : EditorPage(kMessagesPage, "MessagesPage", parent),
      msgStrList_(new QListView(this)),
      heading_(new QLabel(this)),
      text_(new QLineEdit(this)),
      voiceCaption_(new QLabel(this)),
      voiceHost_(new QVBoxLayout) {
    msgStrList_->setObjectName("MsgStrList");
    SetUpRowListView(*msgStrList_);
    msgStrList_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(new QLabel("Click on text to edit", this));
    listColumn->addWidget(msgStrList_, 1);

    heading_->setObjectName("Label60");
    text_->setObjectName("MsgtextEd");
    text_->setMaxLength(static_cast<int>(kMessageTextLength));
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Base, Qt::black);
    text_->setPalette(palette);

    auto* color = MakeCombo("MsgColorBox", this, 8);
    auto* delay = MakeSpin("MsgDelaySpin", this);
    delay->setRange(0, 1000);
    auto* timing = new QHBoxLayout;
    timing->addWidget(Label("Color", color, this));
    timing->addWidget(color);
    timing->addSpacing(8);
    timing->addWidget(Label("Delay ", delay, this));
    timing->addWidget(delay);
    timing->addWidget(new QLabel("seconds", this));
    timing->addStretch();

    auto* teams = new QListWidget(this);
    teams->setObjectName("SeenByList");
    // A click adds or removes one team, as ticking would.
    teams->setSelectionMode(QAbstractItemView::MultiSelection);
    teams->setUniformItemSizes(true);
    teams->setMaximumHeight(8 * (teams->fontMetrics().height() + 3) + 2 * teams->frameWidth());

    voiceCaption_->setObjectName("Label100");

    auto* fields = new QVBoxLayout;
    fields->addWidget(heading_);
    fields->addWidget(text_);
    fields->addLayout(timing);
    fields->addWidget(Label("Sent to Teams:", teams, this));
    fields->addWidget(teams);
    fields->addWidget(voiceCaption_);
    fields->addLayout(voiceHost_);

    auto* row = new QHBoxLayout;
    row->addLayout(listColumn, 1);
    row->addLayout(fields, 1);
    Content()->addLayout(row, 1);
    ReserveTriggerPanel(new QVBoxLayout, false, fields);
    fields->addStretch();

    binding_.emplace(this, MessagePageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
}

void MessagesPage::fill(Session& session) {
    binding_->ShowAll(session);
    ShowText(session);
    const int index = session.Select.CurrentMessageIndex;
    heading_->setText(QString::fromStdString(
        MessageHeading(index, static_cast<int>(session.CurrentMission().Messages.size()))));
    voiceCaption_->setText(QString::fromStdString(VoiceFileCaption(index)));
}

void MessagesPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    for (const std::string_view control : controls) {
        if (control == "MsgtextEd") {
            ShowText(session);
        } else {
            binding_->Show(session, control);
        }
    }
}

// The text in the message's colour; a text being typed keeps its cursor unless the stored text
// reads otherwise.
void MessagesPage::ShowText(Session& session) {
    const ControlRule* rule = FindControlRule("MsgtextEd");
    const QString shown = FromMissionText(TextOf(ShownValue(session, *rule)));
    if (text_->text() != shown) {
        const QSignalBlocker blocker(text_);
        text_->setText(shown);
    }
    const RowColor color = MessageColor(session.CurrentMessage()->Record.Get(MsgRec::Color));
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Text, ToQColor(color));
    text_->setPalette(palette);
}

}  // namespace vorlan
