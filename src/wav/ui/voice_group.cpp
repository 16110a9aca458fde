#include "wav/ui/voice_group.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "io/voice_commands.h"
#include "session/session.h"

namespace vorlan {
namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

VoiceGroup::VoiceGroup(QWidget* parent)
    : QWidget(parent), wavFileEd_(new QLineEdit(this)), autoPlay_(new QCheckBox("Autoplay", this)) {
    setObjectName("VoiceGroup");
    wavFileEd_->setObjectName("WAVfileEd");
    // The entry changes only through the buttons, which keep it a file the game can play.
    wavFileEd_->setReadOnly(true);
    wavFileEd_->hide();
    autoPlay_->setObjectName("AutoPlay");
    autoPlay_->setChecked(true);

    auto* create = Button(this, "CreateLst", "Create .lst file for WAVs");
    auto* assign = Button(this, "LoadWAV", "Assign a WAV to message");
    auto* clear = Button(this, "ClearWAVBut", "Clear current WAV");
    auto* save = Button(this, "SaveWAV", "Save .lst file");
    auto* play = new QToolButton(this);
    play->setObjectName("WAVplayer");
    play->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    play->setToolTip("Play");

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(wavFileEd_, 0, 0, 1, 2);
    layout->addWidget(assign, 1, 0);
    layout->addWidget(clear, 1, 1);
    layout->addWidget(create, 2, 0);
    layout->addWidget(save, 2, 1);
    auto* playRow = new QHBoxLayout;
    playRow->addWidget(play);
    playRow->addWidget(autoPlay_);
    playRow->addStretch();
    layout->addLayout(playRow, 3, 0, 1, 2);

    connect(create, &QPushButton::clicked, this, &VoiceGroup::CreateRequested);
    connect(assign, &QPushButton::clicked, this, &VoiceGroup::AssignRequested);
    connect(clear, &QPushButton::clicked, this, &VoiceGroup::ClearRequested);
    connect(save, &QPushButton::clicked, this, &VoiceGroup::SaveRequested);
    connect(play, &QToolButton::clicked, this, &VoiceGroup::PlayRequested);
    connect(autoPlay_, &QCheckBox::clicked, this, &VoiceGroup::AutoPlayToggled);
}

void VoiceGroup::Show(const Session& session) {
    wavFileEd_->setText(QString::fromStdString(ShownWavEntry(session)));
    wavFileEd_->setVisible(session.VoiceList.InUse());
}

bool VoiceGroup::AutoPlay() const {
    return autoPlay_->isChecked();
}

}  // namespace vorlan
